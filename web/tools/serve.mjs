// SPDX-License-Identifier: GPL-3.0-or-later
// A static server for the built page, on the loopback address only. Used by
// scripts/web-serve to try the page and by the browser tests.
import { createReadStream, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';

const types = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.mjs': 'text/javascript; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.wasm': 'application/wasm',
    '.xml': 'application/xml; charset=utf-8',
    '.svg': 'image/svg+xml',
    '.png': 'image/png',
    '.webmanifest': 'application/manifest+json',
    '.json': 'application/json',
};

// Resolves to { server, url, requests, overrides }: every path asked for is
// recorded, so a test can tell what the page fetched, and a path set in
// overrides is answered with its text instead of the file (another version).
export function startServer(rootDir, port = 0) {
    const root = resolve(rootDir);
    const requests = [];
    const overrides = new Map();
    const server = createServer((request, response) => {
        let path;
        try {
            path = decodeURIComponent(new URL(request.url ?? '/', 'http://localhost').pathname);
        } catch {
            response.writeHead(400).end();
            return;
        }
        requests.push(path);
        if (overrides.has(path)) {
            response.writeHead(200, { 'Content-Type': types[extname(path) || '.html'], 'Cache-Control': 'no-cache' });
            response.end(overrides.get(path));
            return;
        }
        let file = normalize(join(root, path));
        if (file !== root && !file.startsWith(root + sep)) {
            response.writeHead(403).end();
            return;
        }
        try {
            if (statSync(file).isDirectory()) {
                file = join(file, 'index.html');
            }
            const size = statSync(file).size;
            response.writeHead(200, {
                'Content-Type': types[extname(file)] ?? 'application/octet-stream',
                'Content-Length': size,
                'Cache-Control': 'no-cache',
                'X-Content-Type-Options': 'nosniff',
            });
            createReadStream(file).pipe(response);
        } catch {
            response.writeHead(404, { 'Content-Type': 'text/plain' }).end('not found');
        }
    });
    return new Promise((resolvePromise, reject) => {
        server.once('error', reject);
        server.listen(port, '127.0.0.1', () => {
            const address = server.address();
            resolvePromise({ server, url: `http://127.0.0.1:${address.port}/`, requests, overrides });
        });
    });
}

if (process.argv[1] && resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
    const [root = 'dist', port = '8080'] = process.argv.slice(2);
    const { url } = await startServer(root, Number(port));
    console.log(`Vantrel is served at ${url} (Ctrl+C stops it)`);
}
