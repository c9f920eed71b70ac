// Pictures as 320x240 RGB: BMP files decoded, PNG files written, and the difference of two
// pictures drawn for a person to look at.
import {deflateSync} from 'node:zlib';

// A picture: width, height and rgb (3 bytes a pixel, rows from the top).
export function makePicture(width, height, rgb) { return {width, height, rgb}; }

// The picture in a BMP file's bytes (palettised 1/4/8-bit, or 24/32-bit, uncompressed), with
// the file's bytes kept as its `file`.
export function decodeBmp(bytes) {
  const view = new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
  if (bytes.length < 54 || bytes[0] !== 0x42 || bytes[1] !== 0x4d)
    throw new Error('not a BMP file');
  const dataOffset = view.getUint32(10, true);
  const headerSize = view.getUint32(14, true);
  const width = view.getInt32(18, true);
  const signedHeight = view.getInt32(22, true);
  const bits = view.getUint16(28, true);
  const compression = view.getUint32(30, true);
  if (compression !== 0 && !(compression === 3 && bits === 32))
    throw new Error(`BMP compression ${compression} is not read`);
  const height = Math.abs(signedHeight);
  const stride = Math.ceil((width * bits) / 32) * 4;
  let palette = null;
  if (bits <= 8) {
    const colours = view.getUint32(46, true) || 1 << bits;
    palette = bytes.subarray(14 + headerSize, 14 + headerSize + colours * 4);
  }
  const rgb = new Uint8Array(width * height * 3);
  for (let y = 0; y < height; ++y) {
    const row = dataOffset + stride * (signedHeight > 0 ? height - 1 - y : y);
    for (let x = 0; x < width; ++x) {
      const out = (y * width + x) * 3;
      let b, g, r;
      if (palette) {
        const bitOffset = x * bits;
        const index =
            (bytes[row + (bitOffset >> 3)] >> (8 - bits - (bitOffset & 7))) & ((1 << bits) - 1);
        [b, g, r] = palette.subarray(index * 4, index * 4 + 3);
      } else {
        const at = row + x * (bits / 8);
        [b, g, r] = bytes.subarray(at, at + 3);
      }
      rgb[out] = r;
      rgb[out + 1] = g;
      rgb[out + 2] = b;
    }
  }
  return {...makePicture(width, height, rgb), file: bytes};
}

// The picture in RGBA bytes (as a canvas's getImageData gives them), alpha dropped.
export function fromRgba(width, height, rgba) {
  const rgb = new Uint8Array(width * height * 3);
  for (let i = 0, o = 0; o < rgb.length; i += 4, o += 3) {
    rgb[o] = rgba[i];
    rgb[o + 1] = rgba[i + 1];
    rgb[o + 2] = rgba[i + 2];
  }
  return makePicture(width, height, rgb);
}

// How many pixels differ (every pixel when the sizes differ).
export function differingPixels(a, b) {
  if (a.width !== b.width || a.height !== b.height)
    return Math.max(a.width * a.height, b.width * b.height);
  let count = 0;
  for (let i = 0; i < a.rgb.length; i += 3) {
    if (a.rgb[i] !== b.rgb[i] || a.rgb[i + 1] !== b.rgb[i + 1] || a.rgb[i + 2] !== b.rgb[i + 2])
      ++count;
  }
  return count;
}

// The expected picture in greys with every pixel the actual one has otherwise in red.
export function differencePicture(expected, actual) {
  const {width, height} = expected;
  const rgb = new Uint8Array(width * height * 3);
  const sameSize = actual.width === width && actual.height === height;
  for (let i = 0; i < rgb.length; i += 3) {
    const e = expected.rgb.subarray(i, i + 3);
    const same = sameSize && e[0] === actual.rgb[i] && e[1] === actual.rgb[i + 1] &&
        e[2] === actual.rgb[i + 2];
    const grey = Math.round((e[0] * 3 + e[1] * 6 + e[2]) / 20);
    rgb.set(same ? [grey, grey, grey] : [255, 0, 0], i);
  }
  return makePicture(width, height, rgb);
}

const CRC_TABLE = Array.from({length: 256}, (_, n) => {
  let c = n;
  for (let k = 0; k < 8; ++k) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
  return c >>> 0;
});

function crc32(bytes) {
  let c = 0xffffffff;
  for (const byte of bytes) c = CRC_TABLE[(c ^ byte) & 0xff] ^ (c >>> 8);
  return (c ^ 0xffffffff) >>> 0;
}

function pngChunk(type, data) {
  const chunk = Buffer.alloc(12 + data.length);
  chunk.writeUInt32BE(data.length, 0);
  chunk.write(type, 4, 'latin1');
  Buffer.from(data).copy(chunk, 8);
  chunk.writeUInt32BE(crc32(chunk.subarray(4, 8 + data.length)), 8 + data.length);
  return chunk;
}

// The picture as a PNG file's bytes (8-bit RGB, no filtering).
export function encodePng({width, height, rgb}) {
  const header = Buffer.alloc(13);
  header.writeUInt32BE(width, 0);
  header.writeUInt32BE(height, 4);
  header.set([8, 2, 0, 0, 0], 8);
  const rows = Buffer.alloc((width * 3 + 1) * height);
  for (let y = 0; y < height; ++y) {
    Buffer.from(rgb.buffer, rgb.byteOffset + y * width * 3, width * 3)
        .copy(rows, y * (width * 3 + 1) + 1);
  }
  const signature = Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]);
  return Buffer.concat([
    signature,
    pngChunk('IHDR', header),
    pngChunk('IDAT', deflateSync(rows)),
    pngChunk('IEND', Buffer.alloc(0)),
  ]);
}
