// The game's picture read back from the page's 320x240 canvas, and waits for a picture to
// show: the game runs on the real clock in the page, so a test waits until the canvas shows
// what it expects, polling at every animation frame in the page itself.
import {fromRgba} from './pictures.mjs';

// Runs in the page before its scripts (see installCanvasReader): defines the reader of the
// canvas's pixels as RGBA bytes, whatever context draws on it; null before the game has shown
// a frame, since asking a canvas for a context before the game would give it the wrong one.
function defineCanvasReader() {
  window.__vaulmoorCanvasRgba = () => {
    const canvas = document.getElementById('canvas');
    if (!canvas || !window.vaulmoor || !(window.vaulmoor.frames > 0)) return null;
    let context = canvas.getContext('2d');
    if (!context) {
      const copy = document.createElement('canvas');
      copy.width = canvas.width;
      copy.height = canvas.height;
      context = copy.getContext('2d');
      context.drawImage(canvas, 0, 0);
    }
    return {
      width: canvas.width,
      height: canvas.height,
      rgba: context.getImageData(0, 0, canvas.width, canvas.height).data
    };
  };
}

// Gives every document the page loads from now on the canvas reader.
export function installCanvasReader(page) { return page.evaluateOnNewDocument(defineCanvasReader); }

// The picture on the canvas now.
export async function readCanvas(page) {
  const {width, height, base64} = await page.evaluate(() => {
    const picture = window.__vaulmoorCanvasRgba();
    if (!picture) return {width: 0, height: 0, base64: ''};
    const {width, height, rgba} = picture;
    let text = '';
    for (let i = 0; i < rgba.length; i += 0x8000)
      text += String.fromCharCode(...rgba.subarray(i, i + 0x8000));
    return {width, height, base64: btoa(text)};
  });
  return fromRgba(width, height, Buffer.from(base64, 'base64'));
}

// Waits until the canvas shows expected exactly; returns the page's clock (performance.now())
// when it was seen. Throws after timeout ms with the last picture read (error.actual) for the
// caller to keep.
export async function waitForPicture(page, expected, timeout) {
  const rgbBase64 = Buffer.from(expected.rgb).toString('base64');
  let seen;
  try {
    seen = await page.waitForFunction(
        (width, height, rgb) => {
          if (!window.__vaulmoorExpected || window.__vaulmoorExpected.source !== rgb) {
            window.__vaulmoorExpected = {
              source: rgb,
              bytes: Uint8Array.from(atob(rgb), (c) => c.charCodeAt(0))
            };
          }
          const picture = window.__vaulmoorCanvasRgba();
          if (!picture || picture.width !== width || picture.height !== height) return false;
          const {rgba} = picture;
          const want = window.__vaulmoorExpected.bytes;
          for (let i = 0, o = 0; o < want.length; i += 4, o += 3) {
            if (rgba[i] !== want[o] || rgba[i + 1] !== want[o + 1] || rgba[i + 2] !== want[o + 2])
              return false;
          }
          return performance.now();
        },
        {timeout, polling: 'raf'},
        expected.width,
        expected.height,
        rgbBase64,
    );
  } catch (error) {
    if (error.name !== 'TimeoutError') throw error;
    const failure =
        new Error(`the canvas did not show the expected picture within ${timeout / 1000} s`);
    failure.actual = await readCanvas(page).catch(() => null);
    throw failure;
  }
  return seen.jsonValue();
}
