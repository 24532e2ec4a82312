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
    cliPath, languageString, openSample, sample, samplesDir, scratchDir, sharedSession, skipUnlessReady,
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
    // As on the desktop, the newer file opens, compared with the older one.
    await assertMarked(changed.differences.map((difference) => ({ ...difference, b: difference.a })));
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
