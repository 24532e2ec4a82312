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

async function openMenu(control) {
    await page.locator(`details.menu:has([data-control="${control}"]) > summary`).click();
    await page.click(`[data-control="${control}"]`);
}

// Lends the browser's folder picker the folders named, one for each choice.
async function lendFolders(folders) {
    await page.evaluate((lent) => {
        const queue = lent.map(({ name, files }) => ({
            name,
            values: async function* () {
                for (const [fileName, bytes] of files) {
                    yield { kind: 'file', name: fileName, getFile: async () => new File([new Uint8Array(bytes)], fileName) };
                }
            },
        }));
        window.showDirectoryPicker = async () => queue.shift();
    }, folders.map(({ name, files }) => ({ name, files: files.map(([fileName, bytes]) => [fileName, [...bytes]]) })));
}

// The marked tree items: key, name, and whether the sign shows.
function marks() {
    return page.evaluate(() => [...document.querySelectorAll('switch-tree li.differs')].map((item) => ({
        key: item.dataset.key,
        name: item.getAttribute('aria-label'),
        sign: getComputedStyle(item.querySelector(':scope > .label'), '::after').content.includes('≠'),
    })));
}

async function assertMarked(differences) {
    await page.waitForFunction((count) => document.querySelectorAll('switch-tree li.differs').length === count,
        differences.length);
    const shown = await marks();
    assert.deepEqual(shown.map((mark) => mark.key).sort(), differences.map((difference) => difference.key).sort());
    for (const difference of differences) {
        const mark = shown.find((item) => item.key === difference.key);
        assert.ok(mark.sign, difference.name);
        assert.ok(mark.name.endsWith(languageString(0, 97).replace('%1', difference.b)), mark.name);
    }
}

test('a comparison marks exactly the differing switches, seen and heard, and its end clears them', async () => {
    const changed = twoSwitchesChanged();
    await openSample(page, '0032_0001.seem');
    await page.locator('details.menu:has([data-control="mnuCompare"]) > summary').click();
    const [chooser] = await Promise.all([page.waitForEvent('filechooser'), page.click('[data-control="mnuCompare"]')]);
    await chooser.setFiles({ name: 'twice.seem', mimeType: 'application/octet-stream', buffer: changed.bytes });
    await assertMarked(changed.differences);
    assert.ok(await page.locator('switch-tree li.holds-differences[data-key]').count() >= 2, 'the folders above');

    // Escape inside the comparison ends it.
    await page.locator('compare-panel button.show').first().focus();
    await page.keyboard.press('Escape');
    await page.locator('compare-panel section').waitFor({ state: 'detached' });
    assert.deepEqual(await marks(), []);
    assert.equal(await page.locator('switch-tree .holds-differences').count(), 0);
    assert.ok(!(await page.locator('switch-tree li[data-key="n_1A_2"]').getAttribute('aria-label'))
        .includes(languageString(0, 97).replace('%1', '')));
});

test('the seem folder and the folder comparison close by their buttons and by Escape', async () => {
    const folder = { name: 'monday', files: [['0032_0001.seem', sample('0032_0001.seem')]] };
    const summary = (control) => page.locator(`details.menu:has([data-control="${control}"]) > summary`);
    const focusedOn = (locator) => locator.evaluate((element) => element === document.activeElement);
    const panels = [
        { control: 'mnuSetFolder', section: 'folder-panel section.seem-folder', folders: [folder], told: 0 },
        { control: 'compareFolders', section: 'folder-panel section.folder-comparison', folders: [folder, folder], told: 2 },
    ];
    for (const { control, section, folders, told } of panels) {
        for (const how of ['button', 'Escape']) {
            await lendFolders(folders);
            await openMenu(control);
            for (let message = 0; message < told; ++message) {
                await page.locator('message-dialog dialog[open] button').click();
            }
            const panel = page.locator(section);
            await panel.waitFor();
            assert.ok(await panel.evaluate((element) => element.contains(document.activeElement)), `${control} takes the focus`);
            const close = panel.locator('.panel-top button.close');
            assert.ok((await close.getAttribute('aria-label')).includes((await close.textContent()).trim()));
            await (how === 'button' ? close.click() : page.keyboard.press('Escape'));
            await panel.waitFor({ state: 'detached' });
            assert.ok(await focusedOn(summary(control)), `${control}, ${how}: the focus is back on its menu`);
        }
    }
});

test('a line of the folder comparison opens its pair compared', async () => {
    const changed = twoSwitchesChanged();
    await lendFolders([
        { name: 'monday', files: [['0032_0001.seem', sample('0032_0001.seem')]] },
        { name: 'friday', files: [['0032_0001.seem', changed.bytes]] },
    ]);
    await openMenu('compareFolders');
    for (let told = 0; told < 2; ++told) {
        await page.locator('message-dialog dialog[open] button').click();
    }
    const line = page.locator('folder-panel .folder-comparison button.pair');
    await line.waitFor();
    assert.ok(await line.evaluate((element) => element === document.activeElement));
    await page.keyboard.press('Enter');
    // As on the desktop, the newer file opens, compared with the older one.
    await assertMarked(changed.differences.map((difference) => ({ ...difference, b: difference.a })));
    assert.equal(await page.locator('switch-tree li[data-key="n_1A_2"]').getAttribute('aria-checked'), 'false');
    assert.ok(await line.evaluate((element) => element === document.activeElement), 'the focus stays on the line');
    assert.deepEqual(await seriousViolations(), [], 'the folder comparison and the marked tree');
});
