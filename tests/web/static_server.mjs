// A small static file server for the site folder on 127.0.0.1 at a free port: the page is
// tested as any plain static host would serve it, with nothing but its own files.
import {createReadStream} from 'node:fs';
import {readdir, readFile, stat} from 'node:fs/promises';
import {createServer} from 'node:http';
import path from 'node:path';
import {gzipSync} from 'node:zlib';

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.css': 'text/css; charset=utf-8',
  '.json': 'application/json',
  '.txt': 'text/plain; charset=utf-8',
  '.md': 'text/plain; charset=utf-8',
  '.bmp': 'image/bmp',
  '.png': 'image/png',
  '.ico': 'image/x-icon',
  '.wav': 'audio/wav',
  '.mid': 'audio/midi',
  '.sf2': 'application/octet-stream',
  '.data': 'application/octet-stream',
};

// The file a request names inside root, or null when it would leave root.
function fileFor(root, url) {
  const {pathname} = new URL(url, 'http://127.0.0.1');
  let name = decodeURIComponent(pathname);
  if (name.endsWith('/')) name += 'index.html';
  const file = path.join(root, path.normalize(name));
  return file.startsWith(root + path.sep) ? file : null;
}

// Files compressed once, by path, for a server that compresses.
const compressed = new Map();

async function gzipped(file) {
  if (!compressed.has(file)) compressed.set(file, gzipSync(await readFile(file), {level: 9}));
  return compressed.get(file);
}

async function answer(root, compress, request, response) {
  const file = fileFor(root, request.url);
  const info = file && (await stat(file).catch(() => null));
  if (!info || !info.isFile()) {
    response.writeHead(404, {'Content-Type': 'text/plain'}).end('not found\n');
    return;
  }
  const headers = {
    'Content-Type': TYPES[path.extname(file).toLowerCase()] ?? 'application/octet-stream',
    'Cache-Control': 'no-store',
  };
  if (compress && /\bgzip\b/.test(request.headers['accept-encoding'] ?? '')) {
    const body = await gzipped(file);
    response.writeHead(
        200, {...headers, 'Content-Encoding': 'gzip', 'Content-Length': body.length});
    response.end(request.method === 'HEAD' ? undefined : body);
    return;
  }
  response.writeHead(200, {...headers, 'Content-Length': info.size});
  if (request.method === 'HEAD')
    response.end();
  else
    createReadStream(file).pipe(response);
}

// Serves root, every file gzip-compressed when compress is set and the browser takes it (as
// many hosts do); resolves to {url, close()} once listening.
export async function serveFolder(root, {compress = false} = {}) {
  const absolute = path.resolve(root);
  // Compressed before the first request, so that no request waits for it.
  if (compress) {
    for (const entry of await readdir(absolute, {recursive: true, withFileTypes: true})) {
      if (entry.isFile()) await gzipped(path.join(entry.parentPath ?? entry.path, entry.name));
    }
  }
  const server = createServer((request, response) => {
    answer(absolute, compress, request, response).catch((error) => {
      response.destroy(error);
    });
  });
  await new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(0, '127.0.0.1', resolve);
  });
  const {port} = server.address();
  return {
    url: `http://127.0.0.1:${port}/`,
    close: () => new Promise((resolve) => {
      server.closeAllConnections();
      server.close(resolve);
    }),
  };
}
