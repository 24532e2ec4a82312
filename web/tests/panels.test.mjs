// SPDX-License-Identifier: GPL-3.0-or-later
// The panels beside the editor: a comparison marks the switches that differ in
// the tree, seen and heard, until it ends; the seem folder and the folder
// comparison close by their buttons and by Escape; a line of the folder
// comparison opens its pair compared.
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { test } from 'node:test';
import {
    cliPath, languageString, openSample, repoDir, sample, samplesDir, scratchDir, sharedSession, skipUnlessReady,
} from './harness.mjs';

skipUnlessReady();

const scratch = scratchDir();
const original = join(samplesDir, '0032_0001.seem');

let page;
sharedSession(async (session) => {
    ({ page } = session);
    await page.evaluate(() => localStorage.setItem('ShowTip', '0'));
});

// The sample with two switches turned the other way, and what vantrel-cli says differs.
function twoSwitchesChanged() {
    const once = join(scratch, 'once.seem');
    const twice = join(scratch, 'twice.seem');
    execFileSync(cliPath, ['switch', original, 'Keys/Smart Key', 'off', '-o', once]);
    execFileSync(cliPath, ['switch', once, 'Display/Main Screen/Status Bar/Seconds on Clock', 'on', '-o', twice]);
    // diff's exit status says the files differ.
    const { differences } = JSON.parse(spawnSync(cliPath, ['diff', '--json', original, twice]).stdout.toString());
    return { bytes: readFileSync(twice), differences };
}

// axe-core's serious and critical findings on the page as it is.
async function seriousViolations() {
    await page.evaluate(readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8'));
    const results = await page.evaluate(() => window.axe.run(document, { resultTypes: ['violations'] }));
    return results.violations.filter((violation) => ['serious', 'critical'].includes(violation.impact))
        .map((violation) => `${violation.id}: ${violation.nodes.map((node) => node.target.join(' ')).join(', ')}`);
}

// A menu's command; told is how many messages it shows before it goes on.
async function runMenu(control, told = 0) {
    await page.locator(`details.menu:has([data-control="${control}"]) > summary`).click();
    await page.click(`[data-control="${control}"]`);
    for (let message = 0; message < told; ++message) {
        await page.locator('message-dialog dialog[open] button').click();
    }
}

// Lends the browser's folder picker a folder for each choice, each holding
// the function sample with the bytes given.
async function lendFolders(...contents) {
    await page.evaluate((lent) => {
        const folders = lent.map((bytes, index) => ({
            name: `backup${index}`,
            values: async function* () {
                const name = '0032_0001.seem';
                yield { kind: 'file', name, getFile: async () => new File([new Uint8Array(bytes)], name) };
            },
        }));
        window.showDirectoryPicker = async () => folders.shift();
    }, contents.map((bytes) => [...bytes]));
}

// Exactly these switches are marked, each with the sign and the other file's value in its name.
async function assertMarked(differences) {
    await page.waitForFunction((count) => document.querySelectorAll('switch-tree li.differs').length === count,
        differences.length);
    const marks = await page.evaluate(() => [...document.querySelectorAll('switch-tree li.differs')].map((item) => [
        item.dataset.key, item.getAttribute('aria-label'),
        getComputedStyle(item.querySelector(':scope > .label'), '::after').content.includes('≠')]));
    assert.deepEqual(marks.map(([key]) => key).sort(), differences.map((difference) => difference.key).sort());
    for (const [key, name, sign] of marks) {
        const { b } = differences.find((difference) => difference.key === key);
        assert.ok(sign && name.endsWith(languageString(0, 97).replace('%1', b)), `${name}, sign ${sign}`);
    }
}

test('a comparison marks exactly the differing switches, seen and heard, and its end clears them', async () => {
    const changed = twoSwitchesChanged();
    await openSample(page, '0032_0001.seem');
    const [chooser] = await Promise.all([page.waitForEvent('filechooser'), runMenu('mnuCompare')]);
    await chooser.setFiles({ name: 'twice.seem', mimeType: 'application/octet-stream', buffer: changed.bytes });
    await assertMarked(changed.differences);
    assert.ok(await page.locator('switch-tree li.holds-differences').count() >= 2, 'the folders above');

    await runMenu('mnuCloseCompare');
    await assertMarked([]);
    assert.equal(await page.locator('switch-tree .holds-differences').count(), 0);
});

test('the seem folder and the folder comparison close by their buttons and by Escape', async () => {
    await openSample(page, '0032_0001.seem');
    await page.locator('byte-grid [data-index="21"]').click();
    const panels = [['mnuSetFolder', 'seem-folder', 0], ['compareFolders', 'folder-comparison', 2]];
    for (const [control, section, told] of panels) {
        for (const how of ['button', 'Escape']) {
            await lendFolders(sample('0032_0001.seem'), sample('0032_0001.seem'));
            await runMenu(control, told);
            const panel = page.locator(`folder-panel section.${section}`);
            await panel.waitFor();
            assert.ok(await panel.evaluate((element) => element.contains(document.activeElement)), `${control} takes the focus`);
            const close = panel.locator('.panel-top button.close');
            assert.ok((await close.getAttribute('aria-label')).includes((await close.textContent()).trim()));
            await (how === 'button' ? close.click() : page.keyboard.press('Escape'));
            await panel.waitFor({ state: 'detached' });
            await page.waitForFunction(() => document.activeElement?.dataset.index === '21', null, { timeout: 5000 })
                .catch(() => assert.fail(`${control}, ${how}: the focus is back where it was before the menu`));
        }
    }
});

test('a line of the folder comparison opens its pair compared', async () => {
    const changed = twoSwitchesChanged();
    await lendFolders(sample('0032_0001.seem'), changed.bytes);
    await runMenu('compareFolders', 2);
    const line = page.locator('folder-panel .folder-comparison button.pair');
    await line.waitFor();
    assert.ok(await line.evaluate((element) => element === document.activeElement));
    await page.keyboard.press('Enter');
    // As on the desktop, the newer file opens, compared with the older one,
    // named with its folder; the list and the comparison read the same way.
    await assertMarked(changed.differences.map((difference) => ({ ...difference, b: difference.a })));
    assert.equal((await page.locator('compare-panel h2').textContent()).trim(),
        languageString(0, 95).replace('%1', 'backup0/0032_0001.seem'));
    const lines = async (selector) => (await page.locator(selector).allTextContents())
        .map((text) => text.replace(/\s+/g, ' ').trim()).sort();
    assert.deepEqual(await lines('folder-panel .pair-differences li'), await lines('compare-panel button.show'));
    assert.equal(await page.locator('switch-tree li[data-key="n_1A_2"]').getAttribute('aria-checked'), 'false');
    await page.waitForFunction(() => document.activeElement?.closest('editor-panel') !== null, null, { timeout: 5000 })
        .catch(() => assert.fail('the opened file\'s editor takes the focus'));
    assert.deepEqual(await seriousViolations(), [], 'the folder comparison and the marked tree');
    // Escape inside the comparison ends it, and the line that opened it has the focus again.
    await page.locator('compare-panel button.show').first().focus();
    await page.keyboard.press('Escape');
    await page.locator('compare-panel section').waitFor({ state: 'detached' });
    assert.ok(await line.evaluate((element) => element === document.activeElement), 'back on the line');
});

// A caption of a language in language.xml.
function caption(languageIndex, key) {
    const language = readFileSync(join(repoDir, 'data', 'language.xml'), 'utf8').split('<language ')[languageIndex + 1];
    return language.match(new RegExp(`<${key} Caption="([^"]*)"`))[1];
}

test('a language change while comparing keeps the comparison and rewords every panel', async () => {
    const changed = twoSwitchesChanged();
    await lendFolders(sample('0032_0001.seem'), changed.bytes);
    await runMenu('compareFolders', 2);
    await page.locator('folder-panel .folder-comparison button.pair').click();
    await assertMarked(changed.differences.map((difference) => ({ ...difference, b: difference.a })));
    const chosen = page.locator('switch-tree li.differs').first();
    await chosen.focus();
    const information = page.locator('section.information:not(.byte-info) p');
    const englishTip = (await information.textContent()).trim();
    const englishLine = (await page.locator('folder-panel .pair-differences li').first().textContent()).trim();

    await page.selectOption('.language select', '1');
    await page.waitForFunction((corner) => document.querySelector('byte-grid .corner').textContent === corner,
        languageString(1, 17));
    await page.waitForFunction((hint) => document.querySelector('folder-panel .hint')?.textContent.trim() === hint,
        languageString(1, 167), { timeout: 5000 }).catch(() => assert.fail('the folder comparison is reworded'));
    assert.equal(await page.locator('switch-tree li.differs').count(), changed.differences.length, 'the marks stay');
    assert.ok(await page.locator('byte-grid .differs').count() > 0);
    assert.equal(await page.locator('compare-panel button.show').count(), changed.differences.length, 'the panel stays');
    assert.equal((await page.locator('folder-panel .folder-comparison h2').textContent()).trim(),
        languageString(1, 150).replace('%1', 'backup0').replace('%2', 'backup1'));
    assert.notEqual((await page.locator('folder-panel .pair-differences li').first().textContent()).trim(), englishLine);
    assert.equal((await page.locator('a.skip-link').textContent()).trim(), caption(1, 'web_lnkSkip'));
    const chineseTip = (await information.textContent()).trim();
    assert.notEqual(chineseTip, englishTip);
    await chosen.focus();
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('ArrowUp');
    assert.equal((await information.textContent()).trim(), chineseTip, 'the chosen switch\'s description, reworded');

    await page.selectOption('.language select', '0');
    await runMenu('mnuCloseCompare');
    await page.locator('folder-panel .folder-comparison button.close').click();
});

// The contrast ratio of two CSS colours "rgb(r, g, b)", as WCAG defines it.
function contrast(first, second) {
    const luminance = (css) => {
        const [red, green, blue] = css.match(/\d+(\.\d+)?/g).slice(0, 3).map((value) => {
            const channel = Number(value) / 255;
            return channel <= 0.04045 ? channel / 12.92 : ((channel + 0.055) / 1.055) ** 2.4;
        });
        return 0.2126 * red + 0.7152 * green + 0.0722 * blue + 0.05;
    };
    const [a, b] = [luminance(first), luminance(second)];
    return Math.max(a, b) / Math.min(a, b);
}

test('the comparison marks keep their text readable in a light and a dark colour scheme', async () => {
    const changed = twoSwitchesChanged();
    for (const colorScheme of ['light', 'dark']) {
        await page.emulateMedia({ colorScheme });
        await openSample(page, '0032_0001.seem');
        const [chooser] = await Promise.all([page.waitForEvent('filechooser'), runMenu('mnuCompare')]);
        await chooser.setFiles({ name: 'twice.seem', mimeType: 'application/octet-stream', buffer: changed.bytes });
        await assertMarked(changed.differences);
        const colours = await page.evaluate(() => ['byte-grid .differs', 'switch-tree li.differs > .label',
            'switch-tree li.holds-differences:not(.differs) > .label'].map((selector) => {
            const style = getComputedStyle(document.querySelector(selector));
            return [selector, style.color, style.backgroundColor];
        }));
        for (const [selector, text, ground] of colours) {
            assert.ok(contrast(text, ground) >= 4.5, `${colorScheme} ${selector}: ${text} on ${ground}`);
        }
        await runMenu('mnuCloseCompare');
    }
    await page.emulateMedia({ colorScheme: null });
});
