// SPDX-License-Identifier: GPL-3.0-or-later
// What the user sees of saving (the header's Open button, the download named
// in the status line as the browser writes it, Save As without a save picker
// and the focus after it, the generators' file names, writing back to files of
// a folder or of a restored draft), a page without site storage, the page's
// own help and Help > Show Feature Tips.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import {
    openBytes, openSample, sample, saveByDownload, sharedSession, skipUnlessReady, waitForDrafts,
} from './harness.mjs';

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

test('where the browser refuses site storage the page starts, keeps its settings for the visit, edits and saves', async () => {
    const context = await shared.browser.newContext({ acceptDownloads: true });
    await context.addInitScript(() => {
        for (const name of ['localStorage', 'sessionStorage']) {
            Object.defineProperty(window, name, {
                get: () => { throw new DOMException('Access is denied for this document.', 'SecurityError'); },
            });
        }
    });
    const refused = await context.newPage();
    const problems = [];
    refused.on('pageerror', (error) => problems.push(error.message));
    await refused.goto(shared.server.url);
    await refused.waitForFunction(() => document.body.dataset.ready !== undefined, null, { timeout: 20_000 });
    assert.equal(await refused.evaluate(() => document.body.dataset.ready), 'true');
    await openSample(refused, '0032_0001.seem');
    await refused.locator('details.menu:has([data-control="coverage"]) > summary').click();
    await refused.locator('[data-control="coverage"]').click();
    await refused.locator('details.menu:has([data-control="coverage"]) > summary').click();
    assert.equal(await refused.locator('[data-control="coverage"]').getAttribute('aria-checked'), 'true');
    await refused.keyboard.press('Escape');
    await refused.locator('switch-tree li.switch > .label').first().click();
    await refused.waitForFunction(() => document.title.includes('*'));
    const [download] = await Promise.all([refused.waitForEvent('download'), refused.keyboard.press('Control+s')]);
    assert.equal(download.suggestedFilename(), '0032_0001.seem');
    assert.deepEqual(problems, []);
    await context.close();
});

test('the download is named as the browser writes it: no folders, device names nor hidden characters', async () => {
    await page.evaluate(() => { window.showSaveFilePicker = undefined; });
    await openSample(page, '0032_0001.seem');
    const dialog = page.locator('save-name-dialog dialog[open]');
    const typed = ['../../evil', 'a/b\\c.seem', '.seem', 'evil\u202Emees', 'CON', 'COM1', 'lpt9.seem', ' tab\there. '];
    const written = [];
    for (const name of typed) {
        await page.keyboard.press('Control+Shift+s');
        await dialog.locator('input').fill(name);
        const [download] = await Promise.all([page.waitForEvent('download'), page.keyboard.press('Enter')]);
        const fileName = download.suggestedFilename();
        assert.equal(await statusLine(), `Saved as a download: ${fileName}`, name);
        assert.match(await page.title(), new RegExp(`^${fileName.replace(/[.()]/g, '\\$&')}`));
        written.push(fileName);
    }
    assert.deepEqual(written, ['evil.seem', 'a_b_c.seem', 'a_b_c.seem', 'evilmees.seem', '_CON.seem', '_COM1.seem',
        '_lpt9.seem', 'tabhere.seem']);
});

test('the focus goes back to the grid after the Save As name window', async () => {
    await page.evaluate(() => { window.showSaveFilePicker = undefined; });
    await openSample(page, '0032_0001.seem');
    const dialog = page.locator('save-name-dialog dialog[open]');
    for (const close of [() => page.keyboard.press('Escape'), () => page.keyboard.press('Enter')]) {
        await page.locator('byte-grid [data-index="21"]').click();
        await (await menuItem('mnuSaveAs')).click();
        await dialog.waitFor();
        await Promise.all([close(), dialog.waitFor({ state: 'detached' })]);
        await page.waitForFunction(() => document.activeElement?.dataset.index === '21', null, { timeout: 5000 })
            .catch(async () => assert.fail(await page.evaluate(() => document.activeElement.outerHTML)));
    }
});

test('Save writes back to a file of the seem folder, after its draft is restored, after the picker, and of a folder comparison', async () => {
    const context = await shared.browser.newContext({ acceptDownloads: true });
    // The folder and the picker hand out the page's private file system, whose handles are real ones.
    await context.addInitScript(() => {
        localStorage.setItem('ShowTip', '0');
        window.showDirectoryPicker = () => navigator.storage.getDirectory();
        window.showOpenFilePicker = async () => [await (await navigator.storage.getDirectory()).getFileHandle('0032_0001.seem')];
    });
    const folderPage = await context.newPage();
    const downloads = [];
    folderPage.on('download', (download) => downloads.push(download.suggestedFilename()));
    await folderPage.goto(shared.server.url);
    await folderPage.waitForFunction(() => document.body.dataset.ready === 'true');
    const original = [...sample('0032_0001.seem')];
    await folderPage.evaluate(async (bytes) => {
        const file = await (await navigator.storage.getDirectory()).getFileHandle('0032_0001.seem', { create: true });
        const writable = await file.createWritable();
        await writable.write(new Uint8Array(bytes));
        await writable.close();
    }, original);
    const onDisk = () => folderPage.evaluate(async () => [...new Uint8Array(await (await (await navigator.storage.getDirectory())
        .getFileHandle('0032_0001.seem')).getFile().then((file) => file.arrayBuffer()))]);
    const toggleAndSave = async () => {
        await folderPage.locator('switch-tree li.switch > .label').first().click();
        await folderPage.waitForFunction(() => document.title.includes('*'));
        await folderPage.keyboard.press('Control+s');
        await folderPage.waitForFunction(() => !document.title.includes('*'));
        assert.equal(await folderPage.locator('footer.status [role="status"]').textContent(),
            'Saved to the file: 0032_0001.seem');
    };

    await folderPage.locator('details.menu:has([data-control="mnuSetFolder"]) > summary').click();
    await folderPage.locator('[data-control="mnuSetFolder"]').click();
    await folderPage.locator('folder-panel section.seem-folder ul button:not([disabled])').first().click();
    await folderPage.waitForFunction(() => document.title.startsWith('0032_0001.seem'));
    await toggleAndSave();
    const toggled = await onDisk();
    assert.notDeepEqual(toggled, original);

    // The edit kept as a draft over a reload, restored, is written back too.
    await folderPage.locator('switch-tree li.switch > .label').first().click();
    await folderPage.waitForFunction(() => document.title.includes('*'));
    await waitForDrafts(folderPage, 1);
    await folderPage.reload();
    await folderPage.locator('#draftNotice ~ [data-action="restore"]').click();
    await folderPage.waitForFunction(() => document.title.startsWith('0032_0001.seem *'));
    await folderPage.keyboard.press('Control+s');
    await folderPage.waitForFunction(() => !document.title.includes('*'));
    assert.deepEqual(await onDisk(), original);

    // A file opened with the picker after the restore.
    await folderPage.keyboard.press('Control+o');
    await folderPage.waitForFunction(() => !document.querySelector('footer.status').textContent.includes('Saved'));
    await toggleAndSave();
    assert.deepEqual(await onDisk(), toggled);

    // A pair of Compare Folders: the newer file opens, and is written back.
    const newer = await folderPage.evaluate(async ([older, changed]) => {
        const root = await navigator.storage.getDirectory();
        const folders = [];
        for (const [name, bytes] of [['older', older], ['newer', changed]]) {
            const folder = await root.getDirectoryHandle(name, { create: true });
            const writable = await (await folder.getFileHandle('0032_0001.seem', { create: true })).createWritable();
            await writable.write(new Uint8Array(bytes));
            await writable.close();
            folders.push(folder);
        }
        window.showDirectoryPicker = async () => folders.shift();
        window.newerBytes = async () => [...new Uint8Array(await (await (await root.getDirectoryHandle('newer'))
            .getFileHandle('0032_0001.seem')).getFile().then((file) => file.arrayBuffer()))];
        return window.newerBytes();
    }, [original, toggled]);
    await folderPage.locator('details.menu:has([data-control="compareFolders"]) > summary').click();
    await folderPage.locator('[data-control="compareFolders"]').click();
    for (let told = 0; told < 2; ++told) {
        await folderPage.locator('message-dialog dialog[open] button').click();
    }
    await folderPage.locator('folder-panel .folder-comparison button.pair').click();
    await folderPage.locator('switch-tree li.differs').first().waitFor();
    await toggleAndSave();
    assert.notDeepEqual(await folderPage.evaluate(() => window.newerBytes()), newer);
    assert.deepEqual(downloads, []);
    await context.close();
});
