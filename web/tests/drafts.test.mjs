// SPDX-License-Identifier: GPL-3.0-or-later
// Unsaved changes outlive a reload: they are offered back and restored as
// edits of the file as it was read, up to the last edit before the reload.
// Each open document keeps its own draft (two tabs with files of the same
// name keep two). Saving or setting the changes aside leaves no draft, a
// stored draft that is not one harms nothing, and a browser that refuses to
// store drafts is named as such.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import {
    openBytes, openPage, openSample, sample, saveByDownload, sharedSession, skipUnlessReady, typeIntoCell, waitForDrafts,
} from './harness.mjs';

skipUnlessReady();

const shared = sharedSession(({ page }) => page.evaluate(() => localStorage.setItem('ShowTip', '0')));

const offer = (page) => page.locator('page-notices section:has(#draftNotice)');
const offers = (page) => page.locator('page-notices section.draft-notice');

async function reload(page) {
    await page.reload();
    await page.waitForFunction(() => document.body.dataset.ready === 'true');
}

test('unsaved changes are offered after a reload, restored on the file as read, wait while it is kept edited; Discard drops them', async () => {
    const { page } = shared;
    await openSample(page, '0032_0001.seem');
    await typeIntoCell(page, 18, '5A');
    const expected = [...sample('0032_0001.seem')];
    expected[18] = 0x5a;
    const wanted = [{ name: '0032_0001.seem', current: expected }];
    assert.deepEqual(await waitForDrafts(page, 1, wanted), wanted);

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

    // The same file opened and edited meanwhile, and kept at the question: the draft waits.
    await openSample(page, '0032_0001.seem');
    await typeIntoCell(page, 18, '5A');
    await waitForDrafts(page, 1);
    await reload(page);
    await openSample(page, '0032_0001.seem');
    await typeIntoCell(page, 20, '01');
    await offer(page).locator('[data-action="restore"]').click();
    await page.locator('message-dialog dialog[open] button[data-value="cancel"]').click();
    await offer(page).waitFor({ timeout: 5000 }).catch(() => assert.fail('the draft is still offered'));
    const cells = await page.evaluate(() => [18, 20].map((cell) =>
        document.querySelector(`byte-grid [data-index="${cell}"]`).textContent.trim()));
    const read = sample('0032_0001.seem')[18].toString(16).toUpperCase().padStart(2, '0');
    assert.deepEqual(cells, [read, '01'], 'the kept document as it was edited');
    await page.keyboard.press('Control+z');
    await page.waitForFunction(() => !document.title.includes('*'));
    await offer(page).locator('[data-action="discard"]').click();
    assert.deepEqual(await waitForDrafts(page, 0), []);
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

test('a stored draft that is not one is dropped, and without IndexedDB there are no drafts, which is said', async () => {
    const { page } = shared;
    await page.evaluate(() => new Promise((resolve) => {
        const request = indexedDB.open('vantrel');
        request.onsuccess = () => {
            const store = request.result.transaction('documents', 'readwrite').objectStore('documents');
            store.put({ id: 'large', name: 'large.seem', base: new Uint8Array(5001), current: new Uint8Array(5001), time: 1 });
            store.put({ id: 'odd', name: 'odd.seem', base: 'AB', current: 7, time: 'now' });
            store.put({ id: 'long', name: 'x'.repeat(1025), base: new Uint8Array(4), current: new Uint8Array(4), time: 1 });
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
    await refused.locator('#draftsRefused').waitFor();
    assert.match(await refused.locator('#draftsRefused').textContent(), /unsaved changes are not being kept/);
    await refused.evaluate(() => window.dispatchEvent(new Event('pagehide')));
    assert.deepEqual(problems, []);
    await context.close();
});

test('storage over its quota refuses the draft, which is said until the changes are saved', async () => {
    const { context, page } = await openPage(shared.browser, shared.server.url);
    await page.evaluate(() => localStorage.setItem('ShowTip', '0'));
    const devtools = await context.newCDPSession(page);
    await devtools.send('Storage.overrideQuotaForOrigin', { origin: new URL(shared.server.url).origin, quotaSize: 1 });
    await openSample(page, '0032_0001.seem');
    await typeIntoCell(page, 18, '5A');
    const notice = page.locator('#draftsRefused');
    await notice.waitFor();
    assert.match(await notice.textContent(), /unsaved changes are not being kept/);
    await saveByDownload(page);
    await notice.waitFor({ state: 'detached' });
    await context.close();
});

test('the draft holds the last edit: a reload 100 ms after a switch or a digit offers it', async () => {
    const { page } = shared;
    await openSample(page, '0032_0001.seem');
    const firstSwitch = page.locator('switch-tree li.switch').first();
    const before = await firstSwitch.getAttribute('aria-checked');
    await firstSwitch.locator(':scope > .label').click();
    await page.waitForFunction(() => document.title.includes('*'));
    await page.waitForTimeout(100);
    await reload(page);
    await offer(page).locator('[data-action="restore"]').click();
    await page.waitForFunction(() => document.title.includes('*'));
    assert.notEqual(await page.locator('switch-tree li.switch').first().getAttribute('aria-checked'), before);

    // An edit after the draft was first written, and a reload at once.
    await page.waitForTimeout(800);
    await typeIntoCell(page, 30, '7E');
    await page.waitForTimeout(100);
    await reload(page);
    await offer(page).locator('[data-action="restore"]').click();
    await page.waitForFunction(() => document.title.includes('*'));
    assert.equal((await page.locator('byte-grid [data-index="30"]').textContent()).trim(), '7E');
    assert.notEqual(await page.locator('switch-tree li.switch').first().getAttribute('aria-checked'), before);
    await page.keyboard.press('Control+z');
    await page.keyboard.press('Control+z');
    assert.deepEqual(await waitForDrafts(page, 0), []);
});

test('two tabs with files of the same name keep two drafts; a save removes only its own', async () => {
    const { context, page: first } = await openPage(shared.browser, shared.server.url);
    await first.evaluate(() => localStorage.setItem('ShowTip', '0'));
    const second = await context.newPage();
    await second.goto(shared.server.url);
    await second.waitForFunction(() => document.body.dataset.ready === 'true');
    for (const [page, bytes] of [[first, sample('0032_0001.seem')], [second, sample('004a_0001.seem')]]) {
        await openBytes(page, 'same.seem', bytes);
        await page.waitForFunction(() => document.title.startsWith('same.seem'));
        await typeIntoCell(page, 2, page === first ? '11' : '22');
        await page.waitForTimeout(20);
    }
    assert.equal((await waitForDrafts(first, 2)).length, 2);

    // A third tab is offered both, the newest first.
    const third = await context.newPage();
    await third.goto(shared.server.url);
    await third.waitForFunction(() => document.body.dataset.ready === 'true');
    await offers(third).nth(1).waitFor();
    assert.equal(await offers(third).count(), 2);
    await offers(third).first().locator('[data-action="restore"]').click();
    await third.waitForFunction(() => document.title.startsWith('same.seem *'));
    assert.equal((await third.locator('byte-grid [data-index="2"]').textContent()).trim(), '22');
    await third.close();

    await saveByDownload(first);
    const left = await waitForDrafts(second, 1);
    assert.equal(left.length, 1);
    assert.equal(left[0].current[2], 0x22);
    await first.close();
    await second.close();
    const next = await context.newPage();
    await next.goto(shared.server.url);
    await next.waitForFunction(() => document.body.dataset.ready === 'true');
    await offers(next).first().waitFor();
    assert.equal(await offers(next).count(), 1);
    await offers(next).locator('[data-action="restore"]').click();
    await next.waitForFunction(() => document.title.startsWith('same.seem *'));
    assert.equal((await next.locator('byte-grid [data-index="2"]').textContent()).trim(), '22');
    await context.close();
});

test('a document saved under a very long name keeps its draft, and it is offered', async () => {
    const { page } = shared;
    await page.evaluate(() => { window.showSaveFilePicker = undefined; });
    await openSample(page, '0032_0001.seem');
    await page.keyboard.press('Control+Shift+s');
    const dialog = page.locator('save-name-dialog dialog[open]');
    await dialog.locator('input').fill('x'.repeat(1100));
    await Promise.all([page.waitForEvent('download'), page.keyboard.press('Enter')]);
    await typeIntoCell(page, 18, '5A');
    const [draft] = await waitForDrafts(page, 1);
    await reload(page);
    await offer(page).waitFor();
    assert.match(await offer(page).textContent(), new RegExp(draft.name));
    await offer(page).locator('[data-action="discard"]').click();
});
