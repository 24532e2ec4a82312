// SPDX-License-Identifier: GPL-3.0-or-later
// Opening, editing through each editor and the grid, undo, saving: the saved
// bytes are held to what vantrel-cli writes for the same edit.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { describe, test } from 'node:test';
import {
    cliPath, dismissDialog, firstSwitch, languageString, openBytes, openSample, repoDir, sample, samplesDir,
    saveByDownload, scratchDir, skipUnlessReady, sharedSession,
} from './harness.mjs';

skipUnlessReady();

const scratch = scratchDir();

let page;
const shared = sharedSession((session) => ({ page } = session));

// What vantrel-cli writes for an edit of a sample.
function cliEdit(name, ...args) {
    const output = join(scratch, `cli-${name}`);
    execFileSync(cliPath, [args[0], join(samplesDir, name), ...args.slice(1), '-o', output]);
    return readFileSync(output);
}

async function discardChanges() {
    if (await page.evaluate(() => document.title.includes('*'))) {
        await page.keyboard.press('Control+z');
    }
}

test('each shipped sample opens with its editor, a text sample with its generator', async () => {
    const editors = { function: 'switch-tree', style: 'style-list', volume: 'volume-editor', color: 'colour-editor' };
    for (const name of readdirSync(samplesDir)) {
        const [shown] = JSON.parse(execFileSync(cliPath, ['--json', 'show', join(samplesDir, name)]));
        await openSample(page, name);
        assert.equal(await page.locator('byte-grid [role="gridcell"]').count(), sample(name).length, name);
        if (editors[shown.type]) {
            assert.equal(await page.locator(editors[shown.type]).count(), 1, name);
        } else {
            const generator = page.locator('generator-dialog dialog[open]');
            assert.equal(await generator.locator('input[type="text"]').inputValue(), shown.text, name);
            await generator.locator('.buttons button').last().click();
        }
    }
});

describe('each editor saves what vantrel-cli writes', () => {
    test('a switch toggled by a click', async () => {
        await openSample(page, '0032_0001.seem');
        const item = page.locator('switch-tree li.switch').first();
        const path = await item.evaluate((node) => {
            const names = [];
            for (let at = node; at && at.getAttribute('aria-level') !== '1'; at = at.parentElement.closest('li')) {
                names.unshift(at.querySelector(':scope > .label').textContent.trim());
            }
            return names.join('/');
        });
        const wasOn = (await item.getAttribute('aria-checked')) === 'true';
        await item.locator(':scope > .label').click();
        await page.waitForFunction((on) => document.querySelector('switch-tree li.switch')
            .getAttribute('aria-checked') === String(on), !wasOn);
        const saved = await saveByDownload(page);
        assert.equal(saved.name, '0032_0001.seem');
        assert.deepEqual(saved.bytes, cliEdit('0032_0001.seem', 'switch', path, wasOn ? 'off' : 'on'));
        assert.ok(!(await page.title()).includes('*'), 'saving clears the modified mark');
    });

    test('a style checked with Space', async () => {
        await openSample(page, '004a_0001.seem');
        const row = page.locator('style-list label').first();
        const id = (await row.textContent()).trim();
        const box = row.locator('input');
        const wasOn = await box.isChecked();
        await box.focus();
        await page.keyboard.press('Space');
        await page.waitForFunction((on) => document.querySelector('style-list input').checked === on, !wasOn);
        const saved = await saveByDownload(page);
        assert.deepEqual(saved.bytes, cliEdit('004a_0001.seem', 'style', id, wasOn ? 'off' : 'on'));
        await openBytes(page, 'backup', saved.bytes);
        await page.waitForFunction(() => document.title.startsWith('backup'));
        await page.keyboard.press('Escape');
        assert.equal((await saveByDownload(page)).name, 'backup.seem', 'a bare name gets .seem');
    });

    test('a volume moved with the keyboard', async () => {
        await openSample(page, '0a1c_0001.seem');
        const slider = page.locator('volume-editor input[type="range"]').first();
        const id = (await page.locator('volume-editor .volume label').first().textContent()).trim();
        const before = Number(await slider.inputValue());
        const max = Number(await slider.getAttribute('max'));
        await slider.focus();
        await page.keyboard.press(before < max ? 'ArrowRight' : 'ArrowLeft');
        const after = before < max ? before + 1 : before - 1;
        await page.waitForFunction((value) => document.querySelector('volume-editor output').textContent.trim()
            === String(value), after);
        const saved = await saveByDownload(page);
        assert.deepEqual(saved.bytes, cliEdit('0a1c_0001.seem', 'volume', id, String(after)));
    });

    test('a colour typed as #RRGGBB and a title', async () => {
        await openSample(page, '0d51_0001.seem');
        const entry = page.locator('colour-editor .entries label').first();
        const group = (await page.locator('colour-editor .entries legend').first().textContent()).trim();
        const name = (await entry.textContent()).trim();
        await entry.locator('input').check();
        await page.fill('#colourHex', '#123456');
        await page.press('#colourHex', 'Enter');
        await page.waitForFunction(() => document.querySelector('#colourHex').value === '#123456');
        const saved = await saveByDownload(page);
        assert.deepEqual(saved.bytes, cliEdit('0d51_0001.seem', 'color', `${group}/${name}`, '#123456'));

        // The box and the preview's title bar show the title the file holds.
        const titleShown = (title, what) => page.waitForFunction((wanted) =>
            document.querySelector('#schemeTitle').value === wanted
            && document.querySelector('colour-editor .phone-preview .title').textContent.trim() === wanted, title,
        { timeout: 5000 }).catch(() => assert.fail(`${what}: "${title}" in the box and the preview`));
        const before = await page.inputValue('#schemeTitle');
        await page.fill('#schemeTitle', 'Tide');
        await page.locator('colour-editor .title-row button').click();
        await titleShown('Tide', 'the new title');
        await page.keyboard.press('Control+z');
        await titleShown(before, 'undone');
        await page.keyboard.press('Control+y');
        await titleShown('Tide', 'redone');
        const titled = await saveByDownload(page);
        writeFileSync(join(scratch, 'coloured.seem'), saved.bytes);
        const output = join(scratch, 'titled.seem');
        execFileSync(cliPath, ['title', join(scratch, 'coloured.seem'), 'Tide', '-o', output]);
        assert.deepEqual(titled.bytes, readFileSync(output));
    });
});

test('a file opened with a handle is written back through it, and Save As through the picker\'s', async () => {
    const context = await shared.browser.newContext();
    // A stand-in for the browser's file picker: one file whose writes are kept.
    await context.addInitScript((bytes) => {
        window.written = [];
        const writable = async () => ({
            write: async (data) => window.written.push(Array.from(new Uint8Array(data.buffer ?? data))),
            close: async () => undefined,
        });
        window.showOpenFilePicker = async () => [{
            kind: 'file',
            name: '0032_0001.seem',
            getFile: async () => new File([new Uint8Array(bytes)], '0032_0001.seem', { lastModified: 1000 }),
            createWritable: writable,
        }];
        window.showSaveFilePicker = async ({ suggestedName }) =>
            ({ kind: 'file', name: `copy of ${suggestedName}`, createWritable: writable });
    }, [...sample('0032_0001.seem')]);
    const handlePage = await context.newPage();
    let downloads = 0;
    handlePage.on('download', () => ++downloads);
    await handlePage.goto(shared.server.url);
    await handlePage.waitForFunction(() => document.body.dataset.ready === 'true');
    await handlePage.evaluate(() => localStorage.setItem('ShowTip', '0'));
    await handlePage.keyboard.press('Control+o');
    await handlePage.waitForFunction(() => document.title.startsWith('0032_0001.seem'));
    await handlePage.locator('switch-tree li.switch > .label').first().click();
    await handlePage.waitForFunction(() => document.title.includes('*'));
    await handlePage.keyboard.press('Control+s');
    await handlePage.waitForFunction(() => !document.title.includes('*'));
    const written = await handlePage.evaluate(() => window.written);
    assert.equal(written.length, 1);
    const { path, on } = firstSwitch();
    const expected = cliEdit('0032_0001.seem', 'switch', path, on ? 'off' : 'on');
    assert.deepEqual(Buffer.from(written[0]), expected);
    // Save As writes through the handle the save picker gives.
    await handlePage.keyboard.press('Control+Shift+s');
    await handlePage.waitForFunction(() => window.written.length === 2);
    assert.deepEqual(Buffer.from(await handlePage.evaluate(() => window.written[1])), expected);
    assert.equal(downloads, 0);
    await context.close();
});

test('Save asks before writing over a file another program changed or removed', async () => {
    const context = await shared.browser.newContext();
    // One file on a stand-in disk that the test changes behind the page's back.
    await context.addInitScript((bytes) => {
        window.written = [];
        window.disk = { bytes, time: 1000, gone: false };
        window.showOpenFilePicker = async () => [{
            kind: 'file',
            name: '0032_0001.seem',
            getFile: async () => {
                if (window.disk.gone) {
                    throw new DOMException('gone', 'NotFoundError');
                }
                return new File([new Uint8Array(window.disk.bytes)], '0032_0001.seem', { lastModified: window.disk.time });
            },
            createWritable: async () => ({
                write: async (data) => window.written.push(Array.from(new Uint8Array(data.buffer ?? data))),
                close: async () => { window.disk.time += 1; },
            }),
        }];
    }, [...sample('0032_0001.seem')]);
    const handlePage = await context.newPage();
    await handlePage.goto(shared.server.url);
    await handlePage.waitForFunction(() => document.body.dataset.ready === 'true');
    await handlePage.evaluate(() => localStorage.setItem('ShowTip', '0'));
    await handlePage.keyboard.press('Control+o');
    await handlePage.waitForFunction(() => document.title.startsWith('0032_0001.seem'));
    await handlePage.locator('switch-tree li.switch > .label').first().click();
    await handlePage.waitForFunction(() => document.title.includes('*'));
    const dialog = handlePage.locator('message-dialog dialog[open]');
    const answer = async (value) => {
        await handlePage.keyboard.press('Control+s');
        await dialog.waitFor();
        const text = await dialog.locator('#messageText').textContent();
        await dialog.locator(`.buttons button[data-value="${value}"]`).click();
        return text;
    };

    await handlePage.evaluate(() => { window.disk.time = 5000; });
    assert.match(await answer('cancel'), /0032_0001\.seem was changed by another program/);
    assert.equal(await handlePage.evaluate(() => window.written.length), 0);
    await answer('overwrite');
    await handlePage.waitForFunction(() => !document.title.includes('*'));
    assert.equal(await handlePage.evaluate(() => window.written.length), 1);

    await handlePage.locator('switch-tree li.switch > .label').first().click();
    await handlePage.evaluate(() => { window.disk.gone = true; });
    assert.match(await answer('cancel'), /0032_0001\.seem/);
    assert.equal(await handlePage.evaluate(() => window.written.length), 1);
    assert.ok(await handlePage.evaluate(() => document.title.includes('*')));
    await context.close();
});

// A page whose file pickers are what init (run in the page with arg) sets up, with the sample opened through them.
async function pageWithPickers(init, arg) {
    const context = await shared.browser.newContext({ acceptDownloads: true });
    await context.addInitScript(init, arg);
    const handlePage = await context.newPage();
    await handlePage.goto(shared.server.url);
    await handlePage.waitForFunction(() => document.body.dataset.ready === 'true');
    await handlePage.evaluate(() => localStorage.setItem('ShowTip', '0'));
    await handlePage.keyboard.press('Control+o');
    await handlePage.waitForFunction(() => document.title.startsWith('0032_0001.seem'));
    return { context, handlePage };
}

test('a save that fails keeps the document; a handle that cannot write is downloaded to', async () => {
    const { context, handlePage } = await pageWithPickers((bytes) => {
        window.showOpenFilePicker = async () => [{
            kind: 'file',
            name: '0032_0001.seem',
            getFile: async () => new File([new Uint8Array(bytes)], '0032_0001.seem', { lastModified: 1000 }),
            createWritable: async () => { throw new DOMException('the disk is full', 'QuotaExceededError'); },
        }];
        window.showSaveFilePicker = async ({ suggestedName }) => ({ kind: 'file', name: suggestedName });
    }, [...sample('0032_0001.seem')]);
    await handlePage.locator('switch-tree li.switch > .label').first().click();
    await handlePage.waitForFunction(() => document.title.includes('*'));
    await openBytes(handlePage, '004a_0001.seem', sample('004a_0001.seem'));
    const dialog = handlePage.locator('message-dialog dialog[open]');
    await dialog.locator('button[data-value="save"]').click();
    await dialog.locator('button:not([data-value="save"])').first().waitFor();
    assert.match(await dialog.locator('.message').textContent(), /disk is full/);
    await dialog.locator('.buttons button').first().click();
    assert.ok(await handlePage.evaluate(() => document.title.startsWith('0032_0001.seem') && document.title.includes('*')));

    const [download] = await Promise.all([handlePage.waitForEvent('download'), handlePage.keyboard.press('Control+Shift+s')]);
    assert.equal(download.suggestedFilename(), '0032_0001.seem');
    await handlePage.waitForFunction(() => !document.title.includes('*'));
    await context.close();
});

test('a name with a dot but no ".seem" is downloaded with ".seem" added', async () => {
    await openBytes(page, 'phone.v2', sample('0032_0001.seem'));
    await page.waitForFunction(() => document.title.startsWith('phone.v2'));
    await dismissDialog(page);
    await page.locator('switch-tree li.switch > .label').first().click();
    assert.equal((await saveByDownload(page)).name, 'phone.v2.seem');
});

test('a file dropped on the page opens', async () => {
    await page.evaluate((bytes) => {
        const transfer = new DataTransfer();
        transfer.items.add(new File([new Uint8Array(bytes)], 'dropped.seem'));
        document.querySelector('main').dispatchEvent(new DragEvent('drop', { dataTransfer: transfer, bubbles: true }));
    }, [...sample('004a_0001.seem')]);
    await page.waitForFunction(() => document.title.startsWith('dropped.seem'));
    assert.equal(await page.locator('style-list').count(), 1);
});

test('Edit ▸ Switch On/Off turns the chosen switch the other way', async () => {
    await openSample(page, '0032_0001.seem');
    await page.locator('switch-tree li.switch > .label').first().click();
    await page.waitForFunction(() => document.title.includes('*'));
    await page.locator('details.menu:has([data-control="mnuOnOff"]) > summary').click();
    await page.click('[data-control="mnuOnOff"]');
    await page.waitForFunction(() => !document.title.includes('*'));
});

describe('the grid', () => {
    // The cursor's caret in the focused cell, and where it is drawn: the digit
    // underlined, or the bar after the last (-1: nowhere).
    const caretShown = () => page.evaluate(() => [document.querySelector('byte-grid').caret,
        [...document.activeElement.children].findIndex((mark) =>
            getComputedStyle(mark).textDecorationLine.includes('underline')
            || getComputedStyle(mark, '::after').content.includes('▏'))]);

    test('a large file\'s cells are all there once one is asked for, and never mixed with the next file\'s', async () => {
        const asked = await page.evaluate(async () => {
            const grid = document.createElement('byte-grid');
            grid.id = 'spareGrid';
            document.body.append(grid);
            await grid.updateComplete;
            const texts = (text, length) => Array.from({ length }, () => text);
            grid.show({ allCells: true, texts: texts('11', 5000), cells: [] });
            grid.reveal(4999);
            const count = grid.querySelectorAll('[role="gridcell"]').length;
            grid.show({ allCells: true, texts: texts('22', 5000), cells: [] });
            grid.show({ allCells: true, texts: texts('33', 3000), cells: [] });
            return count;
        });
        assert.equal(asked, 5000);
        await page.waitForFunction(() => document.querySelectorAll('#spareGrid [role="gridcell"]').length === 3000);
        await page.evaluate(() => new Promise((resolve) => setTimeout(resolve, 200)));
        const cells = await page.evaluate(() => {
            const grid = document.querySelector('#spareGrid');
            const found = [...grid.querySelectorAll('[role="gridcell"]')]
                .map((cell, position) => `${cell.textContent}${cell.dataset.index === String(position) ? '' : '!'}`);
            grid.remove();
            return found;
        });
        assert.deepEqual(new Set(cells), new Set(['33']));
        assert.equal(cells.length, 3000);
    });

    test('two typed digits fill a cell, one undo step a cell, named in the Edit menu', async () => {
        await openSample(page, '0032_0001.seem');
        const original = sample('0032_0001.seem');
        // A click on the cell's right half puts the caret after its first digit.
        await page.locator('byte-grid [data-index="0"]').click({ position: { x: 2, y: 4 } });
        assert.deepEqual(await caretShown(), [0, 0]);
        await page.locator('byte-grid [data-index="0"]').click();
        assert.deepEqual(await caretShown(), [1, 1], 'the caret on the last digit');
        await page.keyboard.press('End');
        assert.deepEqual(await caretShown(), [2, 2], 'after the last digit');
        await page.keyboard.press('Home');
        await page.keyboard.type('ab1');
        await page.waitForFunction(() => document.querySelector('byte-grid [data-index="1"]').textContent.startsWith('1'));
        assert.equal(await page.locator('byte-grid [data-index="0"]').textContent(), 'AB');
        assert.equal(await page.evaluate(() => document.activeElement.dataset.index), '1');
        const undo = page.locator('[data-control="undo"]');
        const typedName = await undo.textContent();
        await page.keyboard.press('Control+z');
        await page.waitForFunction((text) => document.querySelector('byte-grid [data-index="1"]').textContent === text,
            original[1].toString(16).toUpperCase().padStart(2, '0'));
        assert.equal(await undo.textContent(), typedName, 'the first cell is a step of its own');
        await page.keyboard.press('Control+z');
        await page.waitForFunction(() => !document.title.includes('*'));
        assert.ok(await undo.isDisabled());
        await page.keyboard.press('Control+y');
        await page.waitForFunction(() => document.querySelector('byte-grid [data-index="0"]').textContent === 'AB');
        await discardChanges();
    });

    test('Backspace empties a cell digit by digit, and saving refuses a cell without a byte', async () => {
        await openSample(page, '0032_0001.seem');
        await page.locator('byte-grid [data-index="3"]').click();
        await page.keyboard.press('End');
        await page.keyboard.press('Backspace');
        await page.waitForFunction(() => document.querySelector('byte-grid [data-index="3"]').textContent.length === 1);
        await page.keyboard.press('Backspace');
        await page.waitForFunction(() => document.querySelector('byte-grid [data-index="3"]').textContent === '');
        await page.keyboard.press('Control+s');
        const dialog = page.locator('message-dialog dialog[open]');
        assert.ok((await dialog.locator('.message').textContent()).includes('3'));
        await dialog.locator('button').first().click();
        await page.keyboard.press('Control+z');
        await page.waitForFunction(() => !document.title.includes('*'));
    });

    test('arrows move between cells and the status line follows; Ctrl+C, Ctrl+A and Ctrl+F type nothing', async () => {
        await openSample(page, '0032_0001.seem');
        await page.locator('byte-grid [data-index="17"]').click();
        const status = page.locator('.cell-status');
        const at17 = await status.textContent();
        await page.keyboard.press('ArrowUp');
        await page.keyboard.press('ArrowRight');
        await page.keyboard.press('ArrowRight');
        await page.keyboard.press('ArrowRight');
        assert.equal(await page.evaluate(() => document.activeElement.dataset.index), '2');
        assert.notEqual(await status.textContent(), at17);
        await page.keyboard.press('Control+End');
        assert.equal(await page.evaluate(() => document.activeElement.dataset.index), String(sample('0032_0001.seem').length - 1));

        await page.keyboard.press('Home');
        await page.keyboard.press('Control+c');
        await page.keyboard.press('Control+a');
        await page.keyboard.press('Control+f');
        await page.locator('#find-text').waitFor();
        await page.keyboard.press('Escape');
        await page.waitForFunction(() => document.activeElement?.closest('byte-grid'));
        const cells = await page.locator('byte-grid [role="gridcell"]').allTextContents();
        const shown = [...sample('0032_0001.seem')].map((byte) => byte.toString(16).toUpperCase().padStart(2, '0'));
        assert.deepEqual([cells.slice(-2), await page.title()], [shown.slice(-2), '0032_0001.seem – Vantrel']);
    });

    test('Go to offset takes a hexadecimal offset and refuses others with the desktop\'s messages', async () => {
        await openSample(page, '0032_0001.seem');
        await page.locator('byte-grid [data-index="0"]').click();
        await page.keyboard.press('Control+g');
        const dialog = page.locator('goto-dialog dialog[open]');
        const offset = dialog.locator('input[type="text"]');
        await offset.fill('zz');
        await offset.press('Enter');
        assert.equal((await dialog.locator('[role="alert"]').textContent()).trim(), languageString(0, 73).replace('%1', 'zz'));
        await offset.fill('78');
        await offset.press('Enter');
        assert.equal((await dialog.locator('[role="alert"]').textContent()).trim(),
            languageString(0, 75).replace('%1', '78').replace('%2', '119').replace('%3', '77'));
        await offset.fill(' 0x1a ');
        await offset.press('Enter');
        await page.waitForFunction(() => document.activeElement.dataset.index === '26');
    });
});

describe('refusals and questions', () => {
    test('a 5001-byte file is refused with the desktop\'s message', async () => {
        await openSample(page, '0032_0001.seem');
        await openBytes(page, 'big.seem', Buffer.alloc(5001, 0x41));
        const dialog = page.locator('message-dialog dialog[open]');
        assert.equal((await dialog.locator('.message').textContent()).trim(), languageString(0, 9));
        await dialog.locator('button').first().click();
        assert.ok((await page.title()).startsWith('0032_0001.seem'), 'the open file stays');
    });

    test('another file asks before changes are lost; Cancel and Escape keep them, Discard opens it', async () => {
        await openSample(page, '0032_0001.seem');
        await page.locator('switch-tree li.switch > .label').first().click();
        await page.waitForFunction(() => document.title.includes('*'));
        await openBytes(page, '004a_0001.seem', sample('004a_0001.seem'));
        const dialog = page.locator('message-dialog dialog[open]');
        await dialog.locator('button[data-value="cancel"]').click();
        assert.ok((await page.title()).startsWith('0032_0001.seem *'));
        let downloads = 0;
        const counted = () => ++downloads;
        page.on('download', counted);
        await openBytes(page, '004a_0001.seem', sample('004a_0001.seem'));
        const question = await dialog.locator('.message').textContent();
        await page.keyboard.press('Escape');
        await page.waitForFunction((asked) =>
            document.querySelector('message-dialog dialog[open] .message')?.textContent !== asked, question);
        // A save would be under way by now: it waits on nothing but the page.
        await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
        page.off('download', counted);
        assert.deepEqual([await page.title(), downloads, await dialog.count()], ['0032_0001.seem * – Vantrel', 0, 0],
            'Escape neither saves nor opens');
        await openBytes(page, '004a_0001.seem', sample('004a_0001.seem'));
        await dialog.locator('button[data-value="discard"]').click();
        await page.waitForFunction(() => document.title.startsWith('004a_0001.seem'));
    });

    test('closing the tab with changes asks first', async () => {
        const tab = await page.context().newPage();
        await tab.goto(shared.server.url);
        await tab.waitForFunction(() => document.body.dataset.ready === 'true');
        await openSample(tab, '0032_0001.seem');
        await tab.locator('switch-tree li.switch > .label').first().click();
        await tab.waitForFunction(() => document.title.includes('*'));
        const asked = new Promise((resolve) => tab.once('dialog', (dialog) => {
            resolve(dialog.type());
            void dialog.accept();
        }));
        await tab.close({ runBeforeUnload: true });
        assert.equal(await asked, 'beforeunload');
    });

    test('broken definitions are reported and change nothing; good ones of one\'s own are used', async () => {
        await openSample(page, '0032_0001.seem');
        const chooseDefinitions = async (name, text) => {
            await page.locator('details.menu:has([data-control="mnuDefinitions"]) > summary').click();
            const [chooser] = await Promise.all([page.waitForEvent('filechooser'), page.click('[data-control="mnuDefinitions"]')]);
            await chooser.setFiles({ name, mimeType: 'application/xml', buffer: Buffer.from(text) });
        };
        const english = readFileSync(join(repoDir, 'data', 'seem_en.xml'), 'utf8');
        await chooseDefinitions('mine.xml', english.slice(0, english.length / 2));
        const dialog = page.locator('message-dialog dialog[open]');
        assert.ok((await dialog.locator('.message').textContent()).trim().length > 0);
        await dialog.locator('button').first().click();
        const first = page.locator('switch-tree li.switch > .label').first();
        assert.equal((await first.textContent()).trim(), 'Sound');

        await chooseDefinitions('mine.xml', english.replace('ID="Sound"', 'ID="Key Beep"'));
        await page.waitForFunction(() => document.querySelector('switch-tree li.switch > .label').textContent.trim() === 'Key Beep');
        await chooseDefinitions('seem_en.xml', english);
    });

    test('a chosen definitions document is refused as that file: malformed, with entities, too large', async () => {
        await openSample(page, '0032_0001.seem');
        const refusal = async (text) => {
            await page.locator('details.menu:has([data-control="mnuDefinitions"]) > summary').click();
            const [chooser] = await Promise.all([page.waitForEvent('filechooser'), page.click('[data-control="mnuDefinitions"]')]);
            await chooser.setFiles({ name: 'mine.xml', mimeType: 'application/xml', buffer: Buffer.from(text) });
            const dialog = page.locator('message-dialog dialog[open]');
            await dialog.waitFor();
            const message = (await dialog.locator('.message').textContent()).trim();
            await dialog.locator('button').first().click();
            assert.doesNotMatch(message, /language\.xml|rendering/);
            return message;
        };
        // The browser's parser builds its own error page with inline styles; the
        // page's policy must not report them as violations.
        const errors = [];
        const noteError = (message) => message.type() === 'error' && errors.push(message.text());
        page.on('console', noteError);
        assert.match(await refusal('<seem>\n<a></b>\n</seem>'), /^The file mine\.xml is not well-formed XML: [^\n]+ \(line 2\)\.$/);
        page.off('console', noteError);
        assert.deepEqual(errors, []);
        const entity = '<!DOCTYPE seem [<!ENTITY big "Sound">]>\n<seem><a b="&big;"/></seem>';
        assert.match(await refusal(entity), /mine\.xml could not be read: .*entities/);
        assert.match(await refusal(`<seem>${' '.repeat(4 << 20)}</seem>`), /mine\.xml .*too large \(4,194,317 bytes; at most 4,194,304\)/);
        assert.equal((await page.locator('switch-tree li.switch > .label').first().textContent()).trim(), 'Sound');
    });
});
