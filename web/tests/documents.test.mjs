// SPDX-License-Identifier: GPL-3.0-or-later
// Both languages, comparing two files and taking the other's value, a recipe
// exported and applied, and coverage, each held to vantrel-cli or the data.
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { copyFileSync, mkdirSync, readdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';
import {
    cliPath, dismissDialog, firstSwitch, languageString, openBytes, openPage, openSample, repoDir, sample, samplesDir,
    saveByDownload, scratchDir, skipUnlessReady, sharedSession,
} from './harness.mjs';

skipUnlessReady();

const scratch = scratchDir();

let page;
const shared = sharedSession(async (session) => {
    ({ page } = session);
    await page.evaluate(() => localStorage.setItem('ShowTip', '0'));
});

// The sample with its first switch turned the other way, as vantrel-cli writes it.
function changedSample() {
    const output = join(scratch, 'changed.seem');
    const { path, on } = firstSwitch();
    execFileSync(cliPath, ['switch', join(samplesDir, '0032_0001.seem'), path, on ? 'off' : 'on', '-o', output]);
    return readFileSync(output);
}

// The menu captions of a language in language.xml.
function fileMenuCaption(languageIndex) {
    const xml = readFileSync(join(repoDir, 'data', 'language.xml'), 'utf8');
    const language = xml.split('<language ')[languageIndex + 1];
    return language.match(/<Form1_mnuFile Caption="([^"]*)"/)[1].replace(/\$/g, '');
}

test('the language follows the browser and the menu switches it', async () => {
    const { context, page: chinese } = await openPage(shared.browser, shared.server.url, { locale: 'zh-CN' });
    assert.equal((await chinese.locator('details.menu > summary').first().textContent()).trim(), fileMenuCaption(1));
    await context.close();

    await page.selectOption('.language select', '1');
    await page.waitForFunction((caption) => document.querySelector('details.menu > summary').textContent.trim() === caption,
        fileMenuCaption(1));
    await page.selectOption('.language select', '0');
    await page.waitForFunction((caption) => document.querySelector('details.menu > summary').textContent.trim() === caption,
        fileMenuCaption(0));
});

test('a language change rewords the open grid, its cells\' names and windows opened before', async () => {
    await openSample(page, '0032_0001.seem');
    const about = async () => {
        await page.locator('details.menu:has([data-control="mnuAbout"]) > summary').click();
        await page.click('[data-control="mnuAbout"]');
        const heading = (await page.locator('about-dialog h2').textContent()).trim();
        await page.keyboard.press('Escape');
        return heading;
    };
    assert.equal(await about(), languageString(0, 36));
    await page.selectOption('.language select', '1');
    await page.waitForFunction((caption) => document.querySelector('byte-grid .corner').textContent === caption,
        languageString(1, 17));
    const cell = page.locator('byte-grid [data-index="0"]');
    assert.equal(await cell.getAttribute('aria-label'),
        languageString(1, 106).replace('%1', '0000').replace('%2', (await cell.textContent()).trim()));
    assert.equal(await about(), languageString(1, 36));
    await page.selectOption('.language select', '0');
});

test('comparing, folders and settings files are under File, where the window has them', async () => {
    await page.waitForFunction((caption) => document.querySelector('details.menu > summary').textContent.trim() === caption,
        fileMenuCaption(0));
    const places = await page.evaluate(() => Object.fromEntries([...document.querySelectorAll('[data-control]')]
        .map((item) => [item.dataset.control, item.closest('details.menu').querySelector('summary').textContent.trim()])));
    for (const control of ['mnuCompare', 'mnuCloseCompare', 'compareFolders', 'exportSettings', 'exportChanges',
        'applySettings']) {
        assert.equal(places[control], fileMenuCaption(0), control);
    }
});

test('compare with another file and take its value', async () => {
    const changed = changedSample();
    await openSample(page, '0032_0001.seem');
    await page.locator('details.menu:has([data-control="mnuCompare"]) > summary').click();
    const [chooser] = await Promise.all([page.waitForEvent('filechooser'), page.click('[data-control="mnuCompare"]')]);
    await chooser.setFiles({ name: 'changed.seem', mimeType: 'application/octet-stream', buffer: changed });
    const take = page.locator('compare-panel button.take');
    await take.first().waitFor();
    assert.equal(await take.count(), 1);
    assert.ok(await page.locator('byte-grid .differs').count() > 0);
    await take.first().click();
    await page.waitForFunction(() => document.querySelectorAll('compare-panel button.take').length === 0);
    assert.equal(await page.locator('byte-grid .differs').count(), 0);
    assert.deepEqual((await saveByDownload(page)).bytes, changed);
});

test('File > Suggest Definitions shows what vantrel-cli suggests for the compared file', async () => {
    const changed = Buffer.from(sample('0032_0001.seem'));
    changed[0x70] ^= 0x0c; // bits no item reads
    writeFileSync(join(scratch, 'undescribed.seem'), changed);
    const expected = execFileSync(cliPath, ['diff', '--suggest', join(samplesDir, '0032_0001.seem'),
        join(scratch, 'undescribed.seem')]).toString();
    await openSample(page, '0032_0001.seem');
    await page.locator('details.menu:has([data-control="mnuCompare"]) > summary').click();
    const [chooser] = await Promise.all([page.waitForEvent('filechooser'), page.click('[data-control="mnuCompare"]')]);
    await chooser.setFiles({ name: 'undescribed.seem', mimeType: 'application/octet-stream', buffer: changed });
    await page.locator('compare-panel li').first().waitFor();
    await page.locator('details.menu:has([data-control="mnuSuggestDefinitions"]) > summary').click();
    await page.click('[data-control="mnuSuggestDefinitions"]');
    const dialog = page.locator('suggest-dialog dialog[open]');
    await dialog.waitFor();
    assert.ok(await dialog.locator('textarea').evaluate((area) => area === document.activeElement));
    assert.equal((await dialog.locator('textarea').inputValue()).trim(), expected.trim());
    assert.ok(expected.includes('<'), expected);
    await page.keyboard.press('Escape');
    await page.locator('details.menu:has([data-control="mnuCloseCompare"]) > summary').click();
    await page.click('[data-control="mnuCloseCompare"]');
    assert.equal(await page.locator('[data-control="mnuSuggestDefinitions"]').isDisabled(), true);
});

// File > Apply Settings with a recipe file chosen: the review, once it shows what (rows by default) waits.
async function reviewRecipe(name, buffer, shown = '.review-rows') {
    await page.locator('details.menu:has([data-control="applySettings"]) > summary').click();
    await page.click('[data-control="applySettings"]');
    const dialog = page.locator('recipe-review dialog[open]');
    const [chooser] = await Promise.all([page.waitForEvent('filechooser'), dialog.locator('button.choose-file').click()]);
    await chooser.setFiles({ name, mimeType: 'application/json', buffer });
    await dialog.locator(shown).waitFor();
    return dialog;
}

test('a recipe exported from one file turns another into it', async () => {
    const changed = changedSample();
    await openBytes(page, '0032_0001.seem', changed);
    await dismissDialog(page);
    await page.waitForFunction(() => document.title.startsWith('0032_0001.seem'));
    await page.locator('details.menu:has([data-control="exportSettings"]) > summary').click();
    const [download] = await Promise.all([page.waitForEvent('download'), page.click('[data-control="exportSettings"]')]);
    const recipe = readFileSync(await download.path());
    const told = page.locator('message-dialog dialog[open] .message');
    await told.waitFor();
    assert.equal((await told.textContent()).trim(), languageString(0, 155).replace('%1', '0032_0001.json'));
    await dismissDialog(page);

    await openSample(page, '0032_0001.seem');
    const review = await reviewRecipe('changes.json', recipe);
    assert.equal(await review.locator('input[type="checkbox"]:checked').count(), 1, 'only the differing setting');
    await review.locator('button.apply').click();
    await page.waitForFunction(() => document.title.includes('*'));
    assert.deepEqual((await saveByDownload(page)).bytes, changed);
});

test('a recipe file is read as vantrel-cli reads it, and one too large is refused as such', async () => {
    const changed = changedSample();
    writeFileSync(join(scratch, 'changed.seem'), changed);
    const recipe = execFileSync(cliPath, ['export', join(scratch, 'changed.seem')]).toString();
    await openSample(page, '0032_0001.seem');
    const utf16 = await reviewRecipe('utf16.json', Buffer.concat([Buffer.from([0xff, 0xfe]), Buffer.from(recipe, 'utf16le')]));
    await utf16.locator('button.apply').click();
    await page.waitForFunction(() => document.title.includes('*'));
    assert.deepEqual((await saveByDownload(page)).bytes, changed);

    const large = await reviewRecipe('large.json', Buffer.alloc((1 << 20) + 1, 0x20), '[role="alert"]');
    assert.match(await large.locator('[role="alert"]').textContent(),
        /large\.json: too large to be a recipe \(at most 1,048,576 bytes\)/);
    await page.keyboard.press('Escape');
});

test('coverage shades exactly the bytes vantrel-cli finds undescribed', async () => {
    await openSample(page, '0032_0001.seem');
    const report = JSON.parse(execFileSync(cliPath, ['--json', 'coverage', join(samplesDir, '0032_0001.seem')]));
    const described = new Set(report.items.flatMap((item) => Array.from({ length: item.length }, (_, i) => item.offset + i)));
    const expected = Array.from({ length: sample('0032_0001.seem').length }, (_, i) => i).filter((i) => !described.has(i));
    await page.locator('details.menu:has([data-control="coverage"]) > summary').click();
    await page.click('[data-control="coverage"]');
    const shaded = await page.$$eval('byte-grid .uncovered', (cells) => cells.map((cell) => Number(cell.dataset.index)));
    assert.deepEqual(shaded, expected);

    await page.locator('details.menu:has([data-control="byteInfo"]) > summary').click();
    await page.click('[data-control="byteInfo"]');
    const item = report.items[0];
    await page.locator(`byte-grid [data-index="${item.offset}"]`).click();
    const info = await page.locator('.byte-info p').textContent();
    assert.ok(info.includes(item.name.split('/').pop()), `"${info}" names ${item.name}`);
});

test('the generators write what vantrel-cli writes', async () => {
    await page.evaluate(() => document.querySelector('message-dialog dialog[open]')?.close());
    const cases = [
        ['mnuSetOuterText', async (dialog) => dialog.locator('input[type="text"]').fill('Vantrel'), ['outertext', 'Vantrel']],
        ['mnuSetGPRS', async (dialog) => {
            await dialog.locator('input[type="radio"]').nth(2).check();
            await dialog.locator('input[type="text"]').fill('Hello');
        }, ['gprs', '--text', 'Hello']],
    ];
    for (const [control, fill, cliArguments] of cases) {
        await page.locator(`details.menu:has([data-control="${control}"]) > summary`).click();
        await page.click(`[data-control="${control}"]`);
        const dialog = page.locator('generator-dialog dialog[open]');
        await fill(dialog);
        const [download] = await Promise.all([page.waitForEvent('download'),
            dialog.locator('.buttons button').first().click()]);
        const output = join(scratch, `${cliArguments[0]}.seem`);
        execFileSync(cliPath, [...cliArguments, '-o', output]);
        assert.deepEqual(readFileSync(await download.path()), readFileSync(output), control);
    }
});

test('the generators warn only of a text the phone would not show as typed, once', async () => {
    const hints = async (control, fill) => {
        await page.locator(`details.menu:has([data-control="${control}"]) > summary`).click();
        await page.click(`[data-control="${control}"]`);
        const dialog = page.locator('generator-dialog dialog[open]');
        const seen = [];
        for (const step of fill) {
            await step(dialog);
            seen.push(await dialog.locator('p[aria-live]').evaluateAll((found) =>
                found.map((hint) => (hint.classList.contains('warning') ? 'warning' : 'hint'))).then((list) => list.join()));
        }
        await page.keyboard.press('Escape');
        return seen;
    };
    const type = (text) => async (dialog) => dialog.locator('input[type="text"]').fill(text);
    assert.deepEqual(await hints('mnuSetOuterText', [type('MOTO'), type(''), type('A much longer text than fits')]),
        ['hint', 'hint', 'warning']);
    const customText = async (dialog) => dialog.locator('input[type="radio"]').nth(2).check();
    assert.deepEqual(await hints('mnuSetGPRS', [customText, type('Hello'), type('Fourteen chars')]),
        ['', '', 'warning']);
});

test('a seem folder lists its files by kind; two folders are compared and their differences saved as a recipe', async () => {
    const older = join(scratch, 'monday');
    const newer = join(scratch, 'friday');
    for (const folder of [older, newer]) {
        mkdirSync(folder, { recursive: true });
        for (const name of readdirSync(samplesDir)) {
            copyFileSync(join(samplesDir, name), join(folder, name));
        }
    }
    // One byte longer than the function type: opening would match it, the seem folder does not.
    writeFileSync(join(older, 'zz_long.seem'), Buffer.concat([sample('0032_0001.seem'), Buffer.from([0])]));
    writeFileSync(join(newer, '0032_0001.seem'), changedSample());
    writeFileSync(join(newer, 'notes.seem'), Buffer.from('not a seem file of any size known'));

    const openMenu = async (control) => {
        await page.locator(`details.menu:has([data-control="${control}"]) > summary`).click();
        await page.click(`[data-control="${control}"]`);
    };
    // The browser's folder picker, lent the folder's files.
    await page.evaluate((files) => {
        window.showDirectoryPicker = async () => ({
            name: 'monday',
            values: async function* () {
                for (const [name, bytes] of files) {
                    yield { kind: 'file', name, getFile: async () => new File([new Uint8Array(bytes)], name) };
                }
            },
        });
    }, readdirSync(older).map((name) => [name, [...readFileSync(join(older, name))]]));
    await openMenu('mnuSetFolder');
    const volume = page.locator('folder-panel button[data-kind="volume"]');
    await volume.waitFor();
    assert.equal((await page.locator('folder-panel button[data-kind="function"] + .file-name').textContent()).trim(),
        '0032_0001.seem');
    await volume.click();
    await page.waitForFunction(() => document.title.startsWith('0a1c_0001.seem'));

    // Without the picker, the folder input chooses.
    await page.evaluate(() => delete window.showDirectoryPicker);
    await openMenu('compareFolders');
    const [first] = await Promise.all([page.waitForEvent('filechooser'),
        page.locator('message-dialog dialog[open] button').click()]);
    await first.setFiles(older);
    const [second] = await Promise.all([page.waitForEvent('filechooser'),
        page.locator('message-dialog dialog[open] button').click()]);
    await second.setFiles(newer);
    const lines = page.locator('folder-panel .folder-comparison > ul > li');
    await lines.first().waitFor();
    const texts = (await lines.allTextContents()).map((text) => text.trim().split('\n')[0]);
    assert.equal(texts.length, 3, texts.join(' | '));
    assert.ok(texts[0].includes('0032_0001.seem'));
    assert.ok(texts[1].includes('zz_long.seem'));
    assert.ok(texts[2].includes('notes.seem'));

    // The differences as one recipe: what vantrel-cli diff --recipe writes, and what it could not carry said.
    const [download] = await Promise.all([page.waitForEvent('download'), page.click('folder-panel button.save-recipe')]);
    assert.equal(download.suggestedFilename(), 'friday.json');
    const cli = spawnSync(cliPath, ['diff', '--recipe', older, newer]);
    assert.deepEqual(readFileSync(await download.path()), cli.stdout);
    const told = (await page.locator('message-dialog dialog[open] .message').textContent()).trim().split('\n');
    assert.deepEqual(told, [languageString(0, 155).replace('%1', 'friday.json'),
        ...cli.stderr.toString().trim().split('\n').map((line) => line.replace(/^vantrel-cli: /, ''))]);
    await dismissDialog(page);
});

test('a type\'s alert shows on opening until the user turns tips off', async () => {
    await page.evaluate(() => localStorage.removeItem('ShowTip'));
    await openBytes(page, '0032_0001.seem', sample('0032_0001.seem'));
    const tip = page.locator('message-dialog dialog[open]');
    await tip.waitFor();
    await tip.locator('input[type="checkbox"]').uncheck();
    await tip.locator('.buttons button').click();
    assert.equal(await page.evaluate(() => localStorage.getItem('ShowTip')), '0');
    await openBytes(page, 'again.seem', sample('0032_0001.seem'));
    await page.waitForFunction(() => document.title.startsWith('again.seem'));
    assert.equal(await tip.count(), 0);
});

// A file in the page's private file system: a handle of the browser's own,
// which the recent list can keep, lent to File > Open's picker.
async function lendPickedFile(target, name, bytes) {
    await target.evaluate(async ([fileName, content]) => {
        const root = await navigator.storage.getDirectory();
        const handle = await root.getFileHandle(fileName, { create: true });
        const writable = await handle.createWritable();
        await writable.write(new Uint8Array(content));
        await writable.close();
        window.showOpenFilePicker = async () => [handle];
    }, [name, [...bytes]]);
}

async function runFileMenu(target, control) {
    await target.locator(`details.menu:has([data-control="${control}"]) > summary`).click();
    await target.click(`[data-control="${control}"]`);
}

test('File lists the files opened last, after a reload too, and Reload reads the open file again', async () => {
    const { context, page: own } = await openPage(shared.browser, shared.server.url);
    await own.evaluate(() => localStorage.setItem('ShowTip', '0'));
    await lendPickedFile(own, 'kept.seem', sample('0032_0001.seem'));
    await runFileMenu(own, 'mnuOpen');
    await own.waitForFunction(() => document.title.startsWith('kept.seem'));
    await dismissDialog(own);

    // Another program changes the file; Reload asks first for the unsaved edit, then reads it.
    await own.locator('byte-grid [data-index="0"]').click();
    await own.keyboard.press('Home');
    await own.keyboard.type('7F');
    await own.evaluate(async () => {
        const handle = await (await navigator.storage.getDirectory()).getFileHandle('kept.seem');
        const writable = await handle.createWritable({ keepExistingData: true });
        await writable.write({ type: 'write', position: 1, data: new Uint8Array([0x42]) });
        await writable.close();
    });
    await runFileMenu(own, 'mnuReload');
    await own.locator('message-dialog dialog[open] button[data-value="reload"], message-dialog dialog[open] button[data-value="discard"]')
        .first().click();
    await own.waitForFunction(() => !document.title.includes('*'));
    assert.equal((await own.locator('byte-grid [data-index="0"]').textContent()).trim(), '00');
    assert.equal((await own.locator('byte-grid [data-index="1"]').textContent()).trim(), '42');

    await own.reload();
    await own.waitForFunction(() => document.body.dataset.ready === 'true');
    await own.locator('details.menu:has([data-control="recent0"]) > summary').click();
    assert.equal((await own.locator('[data-control="recent0"]').textContent()).trim(), '1 kept.seem');
    await own.click('[data-control="recent0"]');
    await own.waitForFunction(() => document.title.startsWith('kept.seem'));
    assert.equal((await own.locator('byte-grid [data-index="1"]').textContent()).trim(), '42');
    await context.close();
});
