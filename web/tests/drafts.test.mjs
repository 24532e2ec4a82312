// SPDX-License-Identifier: GPL-3.0-or-later
// Unsaved changes outlive a reload: they are offered back and restored as
// edits of the file as it was read. Saving or setting the changes aside
// leaves no draft, and a stored draft that is not one, or a browser that
// refuses IndexedDB, harms nothing.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import {
    openBytes, openPage, openSample, sample, saveByDownload, sharedSession, skipUnlessReady, typeIntoCell, waitForDrafts,
} from './harness.mjs';

skipUnlessReady();

const shared = sharedSession(({ page }) => page.evaluate(() => localStorage.setItem('ShowTip', '0')));

const offer = (page) => page.locator('page-notices section:has(#draftNotice)');

async function reload(page) {
    await page.reload();
    await page.waitForFunction(() => document.body.dataset.ready === 'true');
}

test('unsaved changes are offered after a reload, restored on the file as read, and Discard drops them', async () => {
    const { page } = shared;
    await openSample(page, '0032_0001.seem');
    await typeIntoCell(page, 18, '5A');
    const expected = [...sample('0032_0001.seem')];
    expected[18] = 0x5a;
    assert.deepEqual(await waitForDrafts(page, 1), [{ name: '0032_0001.seem', current: expected }]);

    await reload(page);
    assert.match(await offer(page).textContent(), /0032_0001\.seem/);
    await offer(page).locator('[data-action="restore"]').click();
    await page.waitForFunction(() => document.title.startsWith('0032_0001.seem *'));
    assert.equal((await page.locator('byte-grid [data-index="18"]').textContent()).trim(), '5A');
    assert.equal(await offer(page).count(), 0);
    // The bytes as read are the clean point: one undo and nothing is unsaved, nor kept.
    await page.keyboard.press('Control+z');
    await page.waitForFunction(() => !document.title.includes('*'));
    assert.deepEqual(await waitForDrafts(page, 0), []);

    await typeIntoCell(page, 18, '5A');
    await waitForDrafts(page, 1);
    await reload(page);
    await offer(page).locator('[data-action="discard"]').click();
    assert.deepEqual(await waitForDrafts(page, 0), []);
    assert.equal(await offer(page).count(), 0);
    assert.equal(await page.title(), 'Vantrel');
});

test('saving, or leaving the changes for another file, keeps no draft', async () => {
    const { page } = shared;
    await openSample(page, '0032_0001.seem');
    await typeIntoCell(page, 20, '01');
    await waitForDrafts(page, 1);
    assert.equal((await saveByDownload(page)).bytes[20], 1);
    assert.deepEqual(await waitForDrafts(page, 0), []);

    await typeIntoCell(page, 20, '02');
    await waitForDrafts(page, 1);
    await openBytes(page, '004a_0001.seem', sample('004a_0001.seem'));
    await page.locator('message-dialog dialog[open] button[data-value="discard"]').click();
    await page.waitForFunction(() => document.title.startsWith('004a_0001.seem'));
    assert.deepEqual(await waitForDrafts(page, 0), []);
});

test('a stored draft that is not one is dropped, and without IndexedDB there are no drafts', async () => {
    const { page } = shared;
    await page.evaluate(() => new Promise((resolve) => {
        const request = indexedDB.open('vantrel', 1);
        request.onsuccess = () => {
            const store = request.result.transaction('drafts', 'readwrite').objectStore('drafts');
            store.put({ name: 'large.seem', base: new Uint8Array(5001), current: new Uint8Array(5001), time: 1 });
            store.put({ name: 'odd.seem', base: 'AB', current: 7, time: 'now' });
            store.transaction.oncomplete = () => resolve(request.result.close());
        };
    }));
    await reload(page);
    assert.deepEqual(await waitForDrafts(page, 0), []);
    assert.equal(await offer(page).count(), 0);

    const { context, page: refused, problems } = await openPage(shared.browser, shared.server.url);
    await context.addInitScript(() => Object.defineProperty(window, 'indexedDB', {
        get: () => { throw new DOMException('IndexedDB is refused here', 'SecurityError'); },
    }));
    await reload(refused);
    await refused.evaluate(() => localStorage.setItem('ShowTip', '0'));
    await openSample(refused, '0032_0001.seem');
    await typeIntoCell(refused, 18, '5A');
    // Leaving writes the draft at once.
    await refused.evaluate(() => window.dispatchEvent(new Event('pagehide')));
    await refused.evaluate(() => new Promise((resolve) => setTimeout(resolve, 100)));
    assert.deepEqual(problems, []);
    await context.close();
});
