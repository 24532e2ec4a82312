// SPDX-License-Identifier: GPL-3.0-or-later
// Figures, printed rather than asserted: the time from choosing a 5000-byte
// file to its grid and editor on screen (median of runs), and the size of
// what the page transfers on its first visit, raw and gzipped.
import assert from 'node:assert/strict';
import { readFileSync, statSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { after, before, test } from 'node:test';
import {
    closeSession, distDir, openBytes, openPage, sample, skipUnlessReady, startSession,
} from './harness.mjs';

skipUnlessReady();

const runs = 11;
let browser;
let server;

before(async () => ({ browser, server } = await startSession({ withPage: false })));
after(() => closeSession({ browser, server }));

function median(values) {
    const sorted = [...values].sort((a, b) => a - b);
    return sorted[Math.floor(sorted.length / 2)];
}

// Milliseconds from the file input's change to the first frame that shows the file.
async function timeOpen(page, name, bytes) {
    await page.evaluate(() => {
        performance.clearMarks();
        document.querySelector('#fileInput').addEventListener('change',
            () => performance.mark('vantrel-file-chosen'), { capture: true, once: true });
    });
    await openBytes(page, name, bytes);
    await page.waitForFunction(() => performance.getEntriesByName('vantrel-file-shown').length > 0);
    return page.evaluate(() => performance.getEntriesByName('vantrel-file-shown')[0].startTime
        - performance.getEntriesByName('vantrel-file-chosen')[0].startTime);
}

test('time from choosing a file to its grid and editor', async () => {
    const { context, page } = await openPage(browser, server.url);
    await page.evaluate(() => localStorage.setItem('ShowTip', '0'));
    const files = [
        ['a 5000-byte file', 'large.seem', Buffer.from(Array.from({ length: 5000 }, (_, i) => (i * 7) & 0xff))],
        ['the function sample', '0032_0001.seem', sample('0032_0001.seem')],
    ];
    for (const [label, name, bytes] of files) {
        const times = [];
        for (let run = 0; run < runs; ++run) {
            // Alternate names so every run is a new file for the page.
            times.push(await timeOpen(page, run % 2 ? name : `x${name}`, bytes));
        }
        console.log(`open ${label} (${bytes.length} bytes) to grid and editor: median ${median(times).toFixed(1)} ms ` +
            `over ${runs} runs (min ${Math.min(...times).toFixed(1)}, max ${Math.max(...times).toFixed(1)})`);
        assert.equal(await page.locator('byte-grid [role="gridcell"]').count(), bytes.length);
    }
    await context.close();
});

test('what the first visit transfers', async () => {
    const { context, page } = await openPage(browser, server.url);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    const files = [...new Set(server.requests)].map((path) => {
        const file = join(distDir, path.endsWith('/') ? `${path}index.html` : path);
        return { path, file };
    });
    let raw = 0;
    let gzip = 0;
    for (const { file } of files) {
        const bytes = readFileSync(file);
        raw += statSync(file).size;
        gzip += gzipSync(bytes, { level: 9 }).length;
    }
    const wasm = statSync(join(distDir, 'core', 'vantrel-core.wasm')).size;
    const ready = await page.evaluate(() => performance.getEntriesByName('vantrel-ready')[0].startTime);
    console.log(`first visit: the page is ready ${ready.toFixed(0)} ms after navigation starts`);
    console.log(`first visit: ${files.length} files, ${(raw / 1024).toFixed(0)} KiB raw, ${(gzip / 1024).toFixed(0)} KiB gzipped ` +
        `(vantrel-core.wasm ${(wasm / 1024).toFixed(0)} KiB)`);
    assert.ok(raw > wasm);
    await context.close();
});
