// SPDX-License-Identifier: GPL-3.0-or-later
// Opens a seem file in the page a running Chromium shows, through the
// browser's DevTools port, and leaves the browser running: Ctrl+O's file
// chooser is the browser's own window, which a script that presses keys
// cannot fill in. Used by scripts/orca-speech-web.
//
//   node web/tools/open-over-devtools.mjs PORT FILE
import { readFileSync } from 'node:fs';
import { basename } from 'node:path';
import { chromium } from 'playwright-core';
import { dismissDialog, openBytes, patience } from '../tests/harness.mjs';

const [port, file] = process.argv.slice(2);
if (!port || !file) {
    console.error('usage: open-over-devtools.mjs PORT FILE');
    process.exit(2);
}
const browser = await chromium.connectOverCDP(`http://127.0.0.1:${port}`, { timeout: patience });
const page = browser.contexts().flatMap((context) => context.pages())
    .find((candidate) => candidate.url().startsWith('http'));
if (!page) {
    console.error('no page of the served address is open');
    process.exit(1);
}
await page.waitForFunction(() => document.body.dataset.ready !== undefined, null, { timeout: patience });
if (await page.evaluate(() => document.body.dataset.ready) !== 'true') {
    console.error(`the page did not start: ${await page.textContent('vantrel-app')}`);
    process.exit(1);
}
const name = basename(file);
await openBytes(page, name, readFileSync(file));
await page.waitForFunction((expected) => document.title.startsWith(expected), name, { timeout: patience });
await dismissDialog(page);
// Leaving without browser.close(): that would end the browser Orca listens to.
process.exit(0);
