// SPDX-License-Identifier: GPL-3.0-or-later
// The page is static: the bundled app, the WebAssembly core copied from its
// build folder, the shipped data files, and a service worker that caches all
// of them so the page works offline after one visit.
import { createHash } from 'node:crypto';
import { existsSync, readFileSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { defineConfig } from 'vite';

const webDir = dirname(fileURLToPath(import.meta.url));
const repoDir = resolve(webDir, '..');
// Where the core module was built; after a WebAssembly build of the repository
// it is build-wasm/, and VANTREL_WASM_DIR names another.
const wasmDir = resolve(repoDir, process.env.VANTREL_WASM_DIR || 'build-wasm');

const coreFiles = ['vantrel-core.js', 'vantrel-core.wasm'];
const dataFiles = ['language.xml', 'seem_en.xml', 'seem_zh.xml'];

function staticFiles() {
    const missing = coreFiles.filter((name) => !existsSync(join(wasmDir, name)));
    if (missing.length > 0) {
        throw new Error(`The WebAssembly core is missing: ${missing.join(', ')} not found in ${wasmDir}. ` +
            'Build it with "emcmake cmake -S . -B build-wasm -DVANTREL_WASM=ON && cmake --build build-wasm", ' +
            'or name its folder in VANTREL_WASM_DIR.');
    }
    return [
        ...coreFiles.map((name) => ({ fileName: `core/${name}`, source: join(wasmDir, name) })),
        ...dataFiles.map((name) => ({ fileName: `data/${name}`, source: join(repoDir, 'data', name) })),
        // The page's own help: the desktop's speaks of menus and keys the page does not have.
        { fileName: 'help.html', source: join(webDir, 'help.html') },
        { fileName: 'icon.svg', source: join(repoDir, 'packaging', 'org.vantrel.Vantrel.svg') },
        { fileName: 'manifest.webmanifest', source: join(webDir, 'manifest.webmanifest') },
    ];
}

function vantrelStatic() {
    return {
        name: 'vantrel-static',
        apply: 'build',
        // Linked here rather than in index.html, so that the bundler leaves the
        // manifest where its relative addresses hold.
        transformIndexHtml: {
            order: 'post',
            handler: () => [{ tag: 'link', attrs: { rel: 'manifest', href: './manifest.webmanifest' }, injectTo: 'head' }],
        },
        generateBundle(_options, bundle) {
            for (const file of staticFiles()) {
                this.emitFile({ type: 'asset', fileName: file.fileName, source: readFileSync(file.source) });
            }
            // The worker caches exactly this build's files; a new build is a new
            // cache, so a reload after an update never mixes two versions.
            const names = Object.keys(bundle).filter((name) => name !== 'sw.js').sort();
            const hash = createHash('sha256');
            for (const name of names) {
                const item = bundle[name];
                hash.update(name).update(item.type === 'chunk' ? item.code : item.source);
            }
            const template = readFileSync(join(webDir, 'service-worker.js'), 'utf8');
            this.emitFile({
                type: 'asset',
                fileName: 'sw.js',
                source: template
                    .replace('__VANTREL_CACHE__', `vantrel-${hash.digest('hex').slice(0, 16)}`)
                    .replace('__VANTREL_FILES__', JSON.stringify(['./', ...names])),
            });
        },
    };
}

export default defineConfig({
    root: webDir,
    base: './',
    publicDir: false,
    plugins: [vantrelStatic()],
    build: {
        outDir: process.env.VANTREL_WEB_OUT || 'dist',
        emptyOutDir: true,
        target: 'es2022',
        modulePreload: { polyfill: false },
        assetsInlineLimit: 0,
        reportCompressedSize: false,
    },
});
