// SPDX-License-Identifier: GPL-3.0-or-later
// What every browser test shares: the check that Chromium, the packages and
// the built page are there (exit 77, a skip for CTest, where they are not),
// the page served on the loopback address, and Debian's Chromium driven
// headless through playwright-core, which never downloads a browser.
import { execFileSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { after, before } from 'node:test';
import { fileURLToPath } from 'node:url';

export const webDir = resolve(dirname(fileURLToPath(import.meta.url)), '..');
export const repoDir = resolve(webDir, '..');
export const samplesDir = join(repoDir, 'data', 'samples');
export const distDir = resolve(process.env.VANTREL_WEB_DIST || join(webDir, 'dist'));
export const chromiumPath = process.env.VANTREL_CHROMIUM || '/usr/bin/chromium';
export const cliPath = process.env.VANTREL_CLI || join(repoDir, 'build', 'vantrel-cli');

// A generous limit for anything the page does: the machine may be loaded.
export const patience = 60_000;

function missing() {
    if (!existsSync(chromiumPath)) {
        return `Chromium is not installed at ${chromiumPath} (sudo apt-get install chromium)`;
    }
    if (!existsSync(join(webDir, 'node_modules', 'playwright-core'))) {
        return 'the page\'s npm packages are not installed (web/tools/prepare)';
    }
    if (!existsSync(join(distDir, 'core', 'vantrel-core.wasm'))) {
        return `the page is not built with the WebAssembly core in ${distDir}`;
    }
    return null;
}

// Ends the process with the skip code where the tests cannot run here.
export function skipUnlessReady() {
    const reason = missing();
    if (reason) {
        console.log(`SKIP: the browser tests need what is missing: ${reason}.`);
        process.exit(77);
    }
}

export async function launchBrowser() {
    const { chromium } = await import('playwright-core');
    return chromium.launch({
        executablePath: chromiumPath,
        headless: true,
        timeout: patience,
        args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
            '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    });
}

export async function serve() {
    const { startServer } = await import(join(webDir, 'tools', 'serve.mjs'));
    return startServer(distDir);
}

// A fresh context and page on the page's address, every request recorded.
export async function openPage(browser, url, options = {}) {
    const context = await browser.newContext({ acceptDownloads: true, ...options });
    context.setDefaultTimeout(patience);
    const requests = [];
    context.on('request', (request) => requests.push(request.url()));
    const page = await context.newPage();
    const problems = [];
    page.on('pageerror', (error) => problems.push(error.message));
    page.on('console', (message) => {
        if (message.type() === 'error') {
            problems.push(message.text());
        }
    });
    await page.goto(url);
    await page.waitForFunction(() => document.body.dataset.ready !== undefined, null, { timeout: patience });
    const ready = await page.evaluate(() => document.body.dataset.ready);
    if (ready !== 'true') {
        throw new Error(`the page did not start: ${await page.textContent('vantrel-app')}`);
    }
    return { context, page, requests, problems };
}

export function sample(name) {
    return readFileSync(join(samplesDir, name));
}

// Opens bytes as a file through the page's file input.
export async function openBytes(page, name, bytes) {
    await page.setInputFiles('#fileInput', { name, mimeType: 'application/octet-stream', buffer: Buffer.from(bytes) });
}

// Opens a sample and waits for its grid, or for the generator a generator's
// file opens; a tip the type shows is dismissed.
export async function openSample(page, name) {
    await openBytes(page, name, sample(name));
    await page.waitForFunction((expected) => document.title.startsWith(expected)
        || document.querySelector('generator-dialog dialog[open]'), name);
    await dismissDialog(page);
}

export async function dismissDialog(page) {
    const dialog = page.locator('message-dialog dialog[open]');
    if (await dialog.count()) {
        await dialog.locator('.buttons button').first().click();
    }
}

// Saves with Ctrl+S and returns the downloaded bytes and name.
export async function saveByDownload(page) {
    const [download] = await Promise.all([page.waitForEvent('download'), page.keyboard.press('Control+s')]);
    const path = await download.path();
    return { name: download.suggestedFilename(), bytes: readFileSync(path) };
}

export function scratchDir() {
    return mkdtempSync(join(tmpdir(), 'vantrel-web-'));
}

// String n of a language's string table in language.xml, as the desktop shows it.
export function languageString(languageIndex, n) {
    const xml = readFileSync(join(repoDir, 'data', 'language.xml'), 'utf8');
    const table = xml.split('<language ')[languageIndex + 1];
    const text = [...table.matchAll(/<s text="([^"]*)"/g)][n][1];
    return text.replace(/&quot;/g, '"').replace(/&lt;/g, '<').replace(/&gt;/g, '>').replace(/&amp;/g, '&');
}

// The sample's first switch as vantrel-cli names it ("Folder/Switch") and whether it is on.
export function firstSwitch() {
    const shown = execFileSync(cliPath, ['show', join(samplesDir, '0032_0001.seem')]).toString().split('\n');
    return {
        path: `${shown[0].replace(/\/$/, '')}/${shown[1].replace(/^\s*\[(on|off)\]\s*/, '')}`,
        on: shown[1].includes('[on]'),
    };
}

// The server and browser a test file shares, and (unless withPage is false)
// one started page: { browser, server, page }.
export async function startSession({ withPage = true } = {}) {
    const server = await serve();
    const browser = await launchBrowser();
    const page = withPage ? (await openPage(browser, server.url)).page : null;
    return { browser, server, page };
}

export async function closeSession(session) {
    await session?.browser?.close();
    session?.server?.server.close();
}

// The server, browser and page the tests of one file share: started before the
// first test, then handed to ready(session), and closed after the last test.
export function sharedSession(ready) {
    const session = { browser: null, server: null, page: null };
    before(async () => {
        Object.assign(session, await startSession());
        await ready(session);
    });
    after(() => closeSession(session));
    return session;
}

// Types digits into a grid cell from its start, and waits for the title's mark.
export async function typeIntoCell(page, cell, digits) {
    await page.locator(`byte-grid [data-index="${cell}"]`).click();
    await page.keyboard.press('Home');
    await page.keyboard.type(digits);
    await page.waitForFunction(() => document.title.includes('*'));
}

// The drafts the page keeps, once there are count of them: [{ name, current }], newest first.
// With wanted, until they are those drafts: a draft is written with each edit, so
// the first of two digits typed may be the one stored when the count is reached.
export async function waitForDrafts(page, count, wanted = null) {
    const deadline = Date.now() + patience;
    for (;;) {
        const drafts = await page.evaluate(() => new Promise((resolve) => {
            const request = indexedDB.open('vantrel');
            // No database yet: none is made here.
            request.onupgradeneeded = () => request.transaction.abort();
            request.onerror = () => resolve([]);
            request.onsuccess = () => {
                const database = request.result;
                if (!database.objectStoreNames.contains('documents')) {
                    database.close();
                    resolve([]);
                    return;
                }
                const all = database.transaction('documents').objectStore('documents').getAll();
                all.onsuccess = () => {
                    database.close();
                    resolve(all.result.sort((a, b) => b.time - a.time)
                        .map((draft) => ({ name: draft.name, current: Array.from(draft.current ?? []) })));
                };
            };
        }));
        const settled = wanted === null || JSON.stringify(drafts) === JSON.stringify(wanted);
        if ((drafts.length === count && settled) || Date.now() > deadline) {
            return drafts;
        }
        await new Promise((resolve) => setTimeout(resolve, 100));
    }
}
