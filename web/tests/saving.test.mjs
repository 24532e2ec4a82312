// SPDX-License-Identifier: GPL-3.0-or-later
// What the user sees of saving (the header's Open button, the download named
// in the status line, Save As without a save picker, the generators' file
// names), the page's own help and Help > Show Feature Tips.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { openBytes, openSample, sample, saveByDownload, skipUnlessReady, sharedSession } from './harness.mjs';

skipUnlessReady();

let page;
const shared = sharedSession(async (session) => {
    ({ page } = session);
    await page.evaluate(() => localStorage.setItem('ShowTip', '0'));
});

const statusLine = () => page.locator('footer.status [role="status"]').textContent();

async function editFirstSwitch() {
    await page.locator('switch-tree li.switch > .label').first().click();
    await page.waitForFunction(() => document.title.includes('*'));
}

async function menuItem(control) {
    await page.locator(`details.menu:has([data-control="${control}"]) > summary`).click();
    return page.locator(`[data-control="${control}"]`);
}

test('the header\'s Open button opens through the file picker, keeping the file to save in place', async () => {
    const context = await shared.browser.newContext();
    await context.addInitScript((bytes) => {
        window.written = 0;
        window.showOpenFilePicker = async () => [{
            kind: 'file',
            name: '0032_0001.seem',
            getFile: async () => new File([new Uint8Array(bytes)], '0032_0001.seem', { lastModified: 1000 }),
            createWritable: async () => ({ write: async () => ++window.written, close: async () => undefined }),
        }];
        localStorage.setItem('ShowTip', '0');
    }, [...sample('0032_0001.seem')]);
    const handlePage = await context.newPage();
    await handlePage.goto(shared.server.url);
    await handlePage.waitForFunction(() => document.body.dataset.ready === 'true');
    await handlePage.locator('header .file-input button').click();
    await handlePage.waitForFunction(() => document.title.startsWith('0032_0001.seem'));
    assert.equal(await handlePage.locator('header .file-name').textContent(), '0032_0001.seem');
    assert.equal(await handlePage.locator('header input[type="file"]:visible').count(), 0);
    await handlePage.locator('switch-tree li.switch > .label').first().click();
    await handlePage.keyboard.press('Control+s');
    await handlePage.waitForFunction(() => window.written === 1);
    await context.close();
});

test('a save by download, and a generated file, are named in the status line', async () => {
    await openSample(page, '0032_0001.seem');
    await editFirstSwitch();
    assert.equal((await saveByDownload(page)).name, '0032_0001.seem');
    assert.equal(await statusLine(), 'Saved as a download: 0032_0001.seem');
    // The generators' files are named by their type's ID, as on the phone.
    for (const [control, name] of [['mnuSetOuterText', '0061_0001.seem'], ['mnuSetGPRS', '01a8_0001.seem']]) {
        await (await menuItem(control)).click();
        const dialog = page.locator('generator-dialog dialog[open]');
        const [download] = await Promise.all([page.waitForEvent('download'), dialog.locator('.buttons button').first().click()]);
        assert.equal(download.suggestedFilename(), name);
        assert.equal(await statusLine(), `Saved as a download: ${name}`);
    }
});

test('Save As without a save picker asks for the name and downloads under it', async () => {
    await page.evaluate(() => { window.showSaveFilePicker = undefined; });
    await openSample(page, '0032_0001.seem');
    const dialog = page.locator('save-name-dialog dialog[open]');
    // Escape cancels: nothing is downloaded.
    await page.keyboard.press('Control+Shift+s');
    await dialog.waitFor();
    assert.equal(await dialog.locator('input').inputValue(), '0032_0001.seem');
    await page.keyboard.press('Escape');
    assert.equal(await dialog.count(), 0);
    // The base name is chosen, so typing replaces it and keeps ".seem".
    await page.keyboard.press('Control+Shift+s');
    await dialog.waitFor();
    await page.keyboard.type('backup');
    const [download] = await Promise.all([page.waitForEvent('download'), page.keyboard.press('Enter')]);
    assert.equal(download.suggestedFilename(), 'backup.seem');
    assert.equal(await statusLine(), 'Saved as a download: backup.seem');
    assert.match(await page.title(), /^backup\.seem/, 'the document goes by its new name');
    await editFirstSwitch();
    assert.equal((await saveByDownload(page)).name, 'backup.seem', 'a later save keeps the chosen name');
});

test('the page\'s own help opens from the Help menu; neither it nor the start hint speaks of right-clicking', async () => {
    await openSample(page, '0032_0001.seem');
    await (await menuItem('mnuClose')).click();
    assert.doesNotMatch(await page.locator('.empty-hint').textContent(), /right-click/i);
    const [help] = await Promise.all([page.context().waitForEvent('page'), (await menuItem('mnuHelpTopic')).click()]);
    await help.waitForLoadState();
    const text = await help.locator('body').textContent();
    assert.match(text, /Saved as a download/);
    assert.doesNotMatch(text, /right-click|F1|File ▸ Reload|recent files/i);
    await help.close();
});

test('Help > Show Feature Tips is a check box in step with the tip\'s own', async () => {
    await page.evaluate(() => localStorage.removeItem('ShowTip'));
    await page.reload();
    await page.waitForFunction(() => document.body.dataset.ready === 'true');
    const tipsChecked = async () => (await menuItem('mnuShowTip')).getAttribute('aria-checked');
    assert.equal(await page.locator('[data-control="mnuShowTip"]').getAttribute('role'), 'menuitemcheckbox');
    assert.equal(await tipsChecked(), 'true');
    await page.keyboard.press('Escape');
    await openBytes(page, '0032_0001.seem', sample('0032_0001.seem'));
    const tip = page.locator('message-dialog dialog[open]');
    await tip.locator('input[type="checkbox"]').uncheck();
    await tip.locator('.buttons button').click();
    assert.equal(await tipsChecked(), 'false');
    await page.locator('[data-control="mnuShowTip"]').click();
    assert.equal(await page.evaluate(() => localStorage.getItem('ShowTip')), '1');
    assert.equal(await tipsChecked(), 'true');
    await page.keyboard.press('Escape');
    await openBytes(page, 'again.seem', sample('0032_0001.seem'));
    await tip.waitFor();
});
