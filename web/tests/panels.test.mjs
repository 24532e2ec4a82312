// SPDX-License-Identifier: GPL-3.0-or-later
// The panels beside the editor: a comparison marks the switches that differ in
// the tree, seen and heard, until it ends.
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';
import {
    cliPath, languageString, openSample, samplesDir, scratchDir, sharedSession, skipUnlessReady,
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
