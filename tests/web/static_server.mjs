// A small static file server for the site folder on 127.0.0.1 at a free port: the page is
// tested as any plain static host would serve it, with nothing but its own files.
import {createReadStream} from 'node:fs';
import {stat} from 'node:fs/promises';
import {createServer} from 'node:http';
import path from 'node:path';

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

async function answer(root, request, response) {
  const file = fileFor(root, request.url);
  const info = file && (await stat(file).catch(() => null));
  if (!info || !info.isFile()) {
    response.writeHead(404, {'Content-Type': 'text/plain'}).end('not found\n');
    return;
  }
  response.writeHead(200, {
    'Content-Type': TYPES[path.extname(file).toLowerCase()] ?? 'application/octet-stream',
    'Content-Length': info.size,
    'Cache-Control': 'no-store',
  });
  if (request.method === 'HEAD')
    response.end();
  else
    createReadStream(file).pipe(response);
}

// Serves root; resolves to { url, requests, close() } once listening. requests lists every
// path asked for, so that a test can tell the page fetched only its own files.
export async function serveFolder(root) {
  const absolute = path.resolve(root);
  const requests = [];
  const server = createServer((request, response) => {
    requests.push(request.url);
    answer(absolute, request, response).catch((error) => {
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
    requests,
    close: () => new Promise((resolve) => {
      server.closeAllConnections();
      server.close(resolve);
    }),
  };
}
