// SPDX-License-Identifier: GPL-3.0-or-later
// The find bar and Find in Seem Folder, as a user meets them: a setting found
// by a piece of its name opens its folder and is chosen, "n of m" is said,
// steps wrap with a note, byte matches are marked readably in both palettes,
// Escape leaves the focus on the match, and a folder's line opens its file
// through the usual question.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { test } from 'node:test';
import {
    cliPath, dismissDialog, languageString, openBytes, openSample, sample, samplesDir, sharedSession, skipUnlessReady, typeIntoCell,
} from './harness.mjs';

skipUnlessReady();

let page;
sharedSession(async (session) => {
    ({ page } = session);
    await page.evaluate(() => localStorage.setItem('ShowTip', '0'));
});

// What vantrel-cli finds in the function sample: the page must find the same.
function cliFind(...args) {
    let output = '';
    try {
        output = execFileSync(cliPath, ['find', ...args, '--json', join(samplesDir, '0032_0001.seem')]).toString();
    } catch (error) {
        output = error.stdout.toString(); // status 1: nothing found
    }
    return JSON.parse(output).files.flatMap((file) => file.matches);
}

// The bar searches what was typed at the next frame: read after it.
async function status() {
    await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
    return page.locator('find-bar .find-status').textContent();
}
const position = (n, count) => languageString(0, 185).replace('%1', String(n)).replace('%2', String(count));

async function runMenu(control) {
    await page.locator(`details.menu:has([data-control="${control}"]) > summary`).click();
    await page.click(`[data-control="${control}"]`);
}

async function find(mode, text) {
    await page.keyboard.press('Control+f');
    await page.locator('#find-text').waitFor();
    await page.selectOption('find-bar select', mode);
    await page.fill('#find-text', text);
}

// Relative luminance contrast of an element's text against its ground.
function contrastOf(selector) {
    return page.evaluate((target) => {
        const element = document.querySelector(target);
        const channels = (colour) => colour.match(/[\d.]+/g).slice(0, 3).map(Number).map((value) => {
            const c = value / 255;
            return c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
        });
        const luminance = (colour) => {
            const [r, g, b] = channels(colour);
            return 0.2126 * r + 0.7152 * g + 0.0722 * b;
        };
        const style = getComputedStyle(element);
        const [light, dark] = [luminance(style.color), luminance(style.backgroundColor)].sort((a, b) => b - a);
        return (light + 0.05) / (dark + 0.05);
    }, selector);
}

test('a setting found by part of its name opens its folder, is chosen, and Escape leaves the focus on it', async () => {
    const matches = cliFind('sound');
    assert.ok(matches.length >= 2, 'the sample names sound more than once');
    await openSample(page, '0032_0001.seem');
    // The first match's folder closed first: finding must open it.
    const first = page.locator(`switch-tree li[data-key="${matches[0].key}"]`);
    const folder = page.locator('switch-tree li.folder[aria-expanded="true"]', {
        has: page.locator(`li[data-key="${matches[0].key}"]`),
    }).last();
    await folder.locator(':scope > .label').click();
    await page.waitForFunction(() => document.querySelectorAll('switch-tree li[aria-expanded="false"]').length > 0);

    await find('settings', 'SOUND');
    assert.equal(await status(), position(1, matches.length));
    assert.equal(await page.locator('#find-text').getAttribute('aria-describedby'), 'find-status');
    assert.equal(await page.locator('#find-status').getAttribute('role'), 'status');
    await first.waitFor();
    await page.keyboard.press('Enter');
    assert.equal(await status(), position(2, matches.length));
    await page.keyboard.press('Shift+Enter');
    await page.keyboard.press('Shift+Enter');
    assert.equal(await status(), `${position(matches.length, matches.length)} ${languageString(0, 188)}`);
    await page.keyboard.press('F3');
    assert.equal(await status(), `${position(1, matches.length)} ${languageString(0, 187)}`);
    assert.ok(await page.locator('#find-text').evaluate((box) => box === document.activeElement), 'the bar keeps the keys');

    await page.keyboard.press('Escape');
    await page.locator('find-bar .find-bar').waitFor({ state: 'hidden' });
    await page.waitForFunction((key) => document.activeElement?.dataset?.key === key, matches[0].key);
    // Edit > Switch On/Off now turns the found switch over.
    const before = await first.getAttribute('aria-checked');
    await runMenu('mnuOnOff');
    await page.waitForFunction(([element, was]) => element.getAttribute('aria-checked') !== was,
        [await first.elementHandle(), before]);
});

test('byte matches are marked readably in light and dark, odd input is said in the bar, not found too', async () => {
    const bytes = sample('0032_0001.seem');
    const expected = cliFind('--bytes', '03 ??');
    await openSample(page, '0032_0001.seem');
    await find('bytes', '03??');
    assert.equal(await status(), position(1, expected.length));
    const marked = await page.$$eval('byte-grid .found', (cells) => cells.map((cell) => Number(cell.dataset.index)));
    assert.deepEqual(marked, [...new Set(expected.flatMap((match) => [match.offset, match.offset + 1]))].sort((a, b) => a - b));
    assert.deepEqual(await page.$$eval('byte-grid .found-current', (cells) => cells.map((cell) => Number(cell.dataset.index))),
        [expected[0].offset, expected[0].offset + 1]);
    for (const colorScheme of ['light', 'dark']) {
        await page.emulateMedia({ colorScheme });
        assert.ok(await contrastOf('byte-grid .found:not(.found-current)') >= 4.5, `${colorScheme}: a match`);
        assert.ok(await contrastOf('byte-grid .found-current') >= 4.5, `${colorScheme}: the current match`);
    }
    await page.emulateMedia({ colorScheme: null });
    assert.equal(bytes[expected[0].offset], 0x03);

    await page.fill('#find-text', 'A 5');
    assert.equal(await status(), languageString(0, 189).replace('%1', 'A 5'));
    assert.equal(await page.locator('#find-text').getAttribute('aria-invalid'), 'true');
    assert.equal(await page.locator('byte-grid .found').count(), 0);
    await page.fill('#find-text', '??');
    assert.equal(await status(), languageString(0, 191).replace('%1', '??'));
    await page.selectOption('find-bar select', 'ascii');
    await page.fill('#find-text', 'no such words in a seem');
    assert.equal(await status(), languageString(0, 186));
    assert.equal(await page.locator('message-dialog dialog[open]').count(), 0, 'no dialog');

    // Escape after a byte match leaves the focus on its first cell.
    await page.selectOption('find-bar select', 'bytes');
    await page.fill('#find-text', '0D');
    await page.keyboard.press('Escape');
    await page.waitForFunction((cell) => document.activeElement?.dataset?.index === String(cell),
        cliFind('--bytes', '0D')[0].offset);
    assert.equal(await page.locator('byte-grid .found').count(), 0, 'the marks go with the bar');
    await page.evaluate(readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8'));
    await find('settings', 'sound');
    const violations = await page.evaluate(() => window.axe.run(document, { resultTypes: ['violations'] }));
    assert.deepEqual(violations.violations.filter((v) => ['serious', 'critical'].includes(v.impact)).map((v) => v.id), []);
    await page.keyboard.press('Escape');
});

test('a match below the grid\'s view is scrolled to in the frame that first shows it', async () => {
    const bytes = Buffer.alloc(4000);
    bytes[3990] = 0x5a;
    await openBytes(page, 'far.seem', bytes);
    await page.waitForFunction(() => document.title.startsWith('far.seem'));
    await find('bytes', '');
    // Typed and looked at in one go, so the look is in the frame that searches.
    const { scrolled, marked } = await page.evaluate(() => new Promise((resolve) => {
        const input = document.querySelector('#find-text');
        input.value = '5A';
        input.dispatchEvent(new Event('input', { bubbles: true }));
        requestAnimationFrame(() => resolve({
            scrolled: document.querySelector('byte-grid .grid').scrollTop,
            marked: document.querySelector('byte-grid [data-index="3990"]').classList.contains('found-current'),
        }));
    }));
    assert.ok(scrolled > 0, 'scrolled when the search is shown');
    assert.ok(marked, 'and marked in that frame');
    // Scrolled away, the same match is brought back by the next key.
    await page.evaluate(() => new Promise((resolve) => {
        document.querySelector('byte-grid .grid').scrollTop = 0;
        requestAnimationFrame(() => requestAnimationFrame(resolve));
    }));
    const back = await page.evaluate(() => new Promise((resolve) => {
        const input = document.querySelector('#find-text');
        input.value = '5A 0';
        input.dispatchEvent(new Event('input', { bubbles: true }));
        requestAnimationFrame(() => resolve(document.querySelector('byte-grid .grid').scrollTop));
    }));
    assert.ok(back > 0, 'brought back into view');
    await page.keyboard.press('Escape');
});

test('matches in rows far out of view are marked by the time they are scrolled to', async () => {
    const bytes = Buffer.alloc(4000);
    bytes[16] = 0x5a;
    bytes[3990] = 0x5a;
    await openBytes(page, 'far-apart.seem', bytes);
    await page.waitForFunction(() => document.title.startsWith('far-apart.seem'));
    await find('bytes', '5A');
    assert.equal(await status(), position(1, 2));
    await page.evaluate(() => {
        const grid = document.querySelector('byte-grid .grid');
        grid.scrollTop = grid.scrollHeight;
    });
    await page.waitForFunction(() => document.querySelector('byte-grid [data-index="3990"]').classList.contains('found'));
    await page.keyboard.press('Escape');
});

test('Find in Seem Folder lists each matching setting; a line opens its file after the unsaved question', async () => {
    const matches = cliFind('sound');
    await page.evaluate((bytes) => {
        const files = [['0032_0001.seem', bytes], ['empty.seem', []], ['notes.txt', [65]]];
        window.showDirectoryPicker = async () => ({
            name: 'backup',
            values: async function* () {
                for (const [name, content] of files) {
                    yield { kind: 'file', name, getFile: async () => new File([new Uint8Array(content)], name) };
                }
            },
        });
    }, [...sample('0032_0001.seem')]);
    await openSample(page, '0032_0001.seem');
    await typeIntoCell(page, 0, '7F');
    await runMenu('mnuFindInFolder');
    const box = page.locator('folder-panel .find-in-folder input');
    await page.waitForFunction(() => document.activeElement?.closest('.find-in-folder') !== null);
    await box.fill('sound');
    await box.press('Enter');
    const lines = page.locator('folder-panel .find-in-folder button.found-line');
    await lines.first().waitFor();
    assert.deepEqual((await lines.allTextContents()).map((line) => line.trim()),
        matches.map((match) => languageString(0, 203).replace('%1', '0032_0001').replace('%2', match.name)
            .replace('%3', match.value)));

    await lines.nth(1).click();
    const question = page.locator('message-dialog dialog[open]');
    await question.waitFor();
    await question.locator('.buttons button').nth(1).click(); // Don't Save
    await page.waitForFunction(() => !document.title.includes('*'));
    await page.waitForFunction((key) => document.activeElement?.dataset?.key === key, matches[1].key);
    await dismissDialog(page);
});
