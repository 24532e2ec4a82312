// SPDX-License-Identifier: GPL-3.0-or-later
// Copies the page's contract, generated with the WebAssembly core at build
// time (vantrel-core.d.ts, ui-strings.js and its declaration), from the core's
// build folder into src/generated/, where the page's type check and bundle
// read it. Nothing of it is kept by hand: a page that no longer fits the core
// fails its type check here, in the build and in the web_build test.
import { copyFileSync, existsSync, mkdirSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const webDir = resolve(dirname(fileURLToPath(import.meta.url)), '..');
const wasmDir = resolve(webDir, '..', process.env.VANTREL_WASM_DIR || 'build-wasm');
const files = ['vantrel-core.d.ts', 'ui-strings.js', 'ui-strings.d.ts'];
const missing = files.filter((name) => !existsSync(join(wasmDir, name)));
if (missing.length > 0) {
    console.error(`The page's contract is missing: ${missing.join(', ')} not found in ${wasmDir}. ` +
        'Build the WebAssembly core (cmake --build build-wasm), or name its folder in VANTREL_WASM_DIR.');
    process.exit(1);
}
const out = join(webDir, 'src', 'generated');
mkdirSync(out, { recursive: true });
for (const name of files) {
    copyFileSync(join(wasmDir, name), join(out, name));
}
