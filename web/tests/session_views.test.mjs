// SPDX-License-Identifier: GPL-3.0-or-later
// What the page shows as the session decides it: switches under a switch in
// the tree, design captions where the language file has none, string 11 for
// a type without an editor, message buttons without access-key markers, and
// a switch that takes the first click on a narrow screen.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import {
    closeSession, languageString, openBytes, openPage, openSample, repoDir, sample, skipUnlessReady, startSession,
} from './harness.mjs';

skipUnlessReady();

let shared;
before(async () => (shared = await startSession({ withPage: false })));
after(() => closeSession(shared));

// A page whose data files are served as given, without the worker's cache.
async function pageWith(files) {
    const opened = await openPage(shared.browser, shared.server.url, { serviceWorkers: 'block' });
    await opened.context.route('**/data/*', async (route) => {
        const name = new URL(route.request().url()).pathname.split('/').pop();
        await (files[name] === undefined ? route.continue() : route.fulfill({ body: files[name] }));
    });
    await opened.page.reload();
    await opened.page.waitForFunction(() => document.body.dataset.ready === 'true');
    await opened.page.evaluate(() => localStorage.setItem('ShowTip', '0'));
    return opened;
}

const treeItem = (page, name) => page.locator('switch-tree li[role="treeitem"]', {
    has: page.locator(':scope > .label', { hasText: new RegExp(`^\\s*[▸▾]?\\s*${name}\\s*$`) }),
});

test('a switch with switches under it opens, a child is reached and toggled by keys; End and Home reach the ends', async () => {
    const { context, page } = await pageWith({});
    await openSample(page, '0032_0001.seem');
    const parent = treeItem(page, 'Call Timer');
    const child = treeItem(page, 'Minute Beep');
    assert.equal(await parent.getAttribute('aria-expanded'), 'true');
    await parent.locator(':scope > .label .twisty').click();
    assert.equal(await child.count(), 0, 'closed by its twisty');
    await parent.focus();
    await page.keyboard.press('ArrowRight');
    assert.equal(await parent.getAttribute('aria-expanded'), 'true');
    await page.keyboard.press('ArrowRight');
    await page.keyboard.press('ArrowDown');
    const wasOn = await child.getAttribute('aria-checked');
    assert.equal(await page.evaluate(() => document.activeElement.textContent.trim()), 'Minute Beep');
    await page.keyboard.press('Space');
    await page.waitForFunction((was) => document.activeElement.getAttribute('aria-checked') !== was, wasOn);
    assert.ok((await page.title()).includes('*'));
    assert.equal(await parent.getAttribute('aria-checked') !== null, true, 'the parent is a switch itself');
    // End and Home reach the last and the first line the tree shows.
    for (const key of ['End', 'Home']) {
        await page.keyboard.press(key);
        await page.waitForFunction((last) => {
            const lines = [...document.querySelectorAll('switch-tree li[role="treeitem"]')];
            return document.activeElement === (last ? lines.at(-1) : lines[0]);
        }, key === 'End', { timeout: 5000 }).catch(() => assert.fail(`${key} in the tree`));
    }
    await context.close();
});

test('without captions in the language file, every menu item and button has a name', async () => {
    const language = readFileSync(join(repoDir, 'data', 'language.xml'), 'utf8')
        .replace(/<[A-Za-z0-9]+_[A-Za-z0-9]+ Caption="[^"]*"\/>/g, '');
    const { context, page } = await pageWith({ 'language.xml': language });
    const unnamed = () => page.evaluate(() => [...document.querySelectorAll('button, summary, [role^="menuitem"], label')]
        .filter((element) => element.checkVisibility?.() !== false || element.closest('details'))
        .filter((element) => element.textContent.trim() === '' && !element.getAttribute('aria-label'))
        .map((element) => element.outerHTML.slice(0, 80)));
    assert.deepEqual(await unnamed(), []);
    for (const name of ['0032_0001.seem', '0a1c_0001.seem', '0d51_0001.seem']) {
        await openSample(page, name);
        assert.deepEqual(await unnamed(), [], name);
    }
    // The tip keeps its "show tips" box.
    await page.evaluate(() => localStorage.removeItem('ShowTip'));
    await openBytes(page, 'again.seem', sample('0032_0001.seem'));
    const tip = page.locator('message-dialog dialog[open]');
    await tip.locator('input[type="checkbox"]').waitFor();
    assert.notEqual((await tip.locator('label').textContent()).trim(), '');
    await tip.locator('.buttons button').click();
    await context.close();
});

test('a type without an editor shows string 11; question buttons have no access-key marker', async () => {
    const definitions = readFileSync(join(repoDir, 'data', 'seem_en.xml'), 'utf8').replace('type="function"', 'type="keypad"');
    const { context, page } = await pageWith({ 'seem_en.xml': definitions });
    await openBytes(page, '0032_0001.seem', sample('0032_0001.seem'));
    const dialog = page.locator('message-dialog dialog[open]');
    await dialog.waitFor();
    assert.equal((await dialog.locator('.message').textContent()).trim(), languageString(0, 11));
    await dialog.locator('.buttons button').click();
    assert.ok((await page.title()).startsWith('0032_0001.seem'), 'its bytes are open');
    await page.locator('byte-grid [data-index="0"]').click();
    await page.keyboard.type('77');
    await openBytes(page, 'other.seem', sample('0032_0001.seem'));
    await dialog.locator('button[data-value="cancel"]').waitFor();
    const labels = await dialog.locator('.buttons button').allTextContents();
    assert.equal(labels.length, 3);
    assert.ok(labels.every((label) => label.trim() !== '' && !label.includes('&')), labels.join(' | '));
    await dialog.locator('button[data-value="cancel"]').click();
    await context.close();
});

test('below 1000 px a first click on a switch toggles it and leaves the page where it was', async () => {
    for (const width of [768, 980]) {
        const { context, page } = await openPage(shared.browser, shared.server.url,
            { viewport: { width, height: 1024 }, hasTouch: true });
        await page.evaluate(() => localStorage.setItem('ShowTip', '0'));
        await openSample(page, '0032_0001.seem');
        const item = page.locator('switch-tree li.switch').last();
        await item.scrollIntoViewIfNeeded();
        const wasOn = await item.getAttribute('aria-checked');
        const scrolled = await page.evaluate(() => window.scrollY);
        await item.locator(':scope > .label').click();
        await page.waitForFunction(([element, was]) => element.getAttribute('aria-checked') !== was,
            [await item.elementHandle(), wasOn], { timeout: 5000 });
        assert.equal(await page.evaluate(() => window.scrollY), scrolled, `${width} px`);
        await context.close();
    }
});
