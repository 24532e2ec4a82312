// SPDX-License-Identifier: GPL-3.0-or-later
// Changes carried to another phone: Export Changes writes only what the user
// changed, named by type ID; Apply Settings reviews a recipe entry by entry,
// by keyboard alone, with tick boxes named with both values, and applies the
// ticked ones as one undo step; pasted text is refused as a file is.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { test } from 'node:test';
import {
    cliPath, dismissDialog, languageString, openBytes, sample, samplesDir, saveByDownload, scratchDir, sharedSession,
    skipUnlessReady,
} from './harness.mjs';

skipUnlessReady();

const scratch = scratchDir();
const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

let page;
sharedSession(async (session) => {
    ({ page } = session);
    await page.evaluate(() => localStorage.setItem('ShowTip', '0'));
});

// The sample with switches set as vantrel-cli sets them: [[path, state], ...].
function sampleWith(name, changes) {
    let input = join(samplesDir, '0032_0001.seem');
    for (const [index, [path, state]] of changes.entries()) {
        const output = join(scratch, `${name}-${index}.seem`);
        execFileSync(cliPath, ['switch', input, path, state, '-o', output]);
        input = output;
    }
    return readFileSync(input);
}

async function open(name, bytes) {
    await openBytes(page, name, bytes);
    await page.waitForFunction((expected) => document.title.startsWith(expected), name);
    await dismissDialog(page);
}

async function menu(control) {
    await page.locator(`details.menu:has([data-control="${control}"]) > summary`).click();
    await page.click(`[data-control="${control}"]`);
}

// The tree item a path of names leads to, reached from the root down.
function treeItem(path) {
    let scope = page.locator('switch-tree [role="tree"] > li');
    for (const name of path.split('/')) {
        scope = scope.locator(':scope > ul > li').filter({
            has: page.locator(':scope > .label', { hasText: new RegExp(`^\\s*[▸▾]?\\s*${name}\\s*$`) }),
        });
    }
    return scope;
}

async function toggle(path) {
    const item = treeItem(path);
    const before = await item.getAttribute('aria-checked');
    await item.locator(':scope > .label').click({ position: { x: 40, y: 5 } });
    await page.waitForFunction(([element, was]) => element.getAttribute('aria-checked') !== was,
        [await item.elementHandle(), before]);
}

async function told() {
    const message = page.locator('message-dialog dialog[open] .message');
    await message.waitFor();
    const text = (await message.textContent()).trim();
    await dismissDialog(page);
    return text;
}

// In the file's order, as a recipe lists them.
const changed = [['Keys/Sound', 'off'], ['Keys/Smart Key', 'off'], ['Calls/Call Timer/Minute Beep', 'on']];
let exported = null;

test('Export Changes carries only the settings changed since opening, kept through a save, named by type ID', async () => {
    // A second download of the same file, as a browser names it.
    await open('0032_0001 (1).seem', sample('0032_0001.seem'));
    await menu('exportChanges');
    assert.equal(await told(), languageString(0, 178));
    for (const [path] of changed) {
        await toggle(path);
    }
    await saveByDownload(page);
    const [download] = await Promise.all([page.waitForEvent('download'), menu('exportChanges')]);
    assert.equal(download.suggestedFilename(), '0032_0001.json');
    assert.equal(await told(), languageString(0, 155).replace('%1', '0032_0001.json'));
    exported = readFileSync(await download.path());
    const entries = JSON.parse(exported.toString()).entries;
    assert.deepEqual(entries.map((entry) => [entry.seem, entry.switch, entry.value]),
        changed.map(([path, state]) => ['0032_0001', path, state]));
    assert.ok(entries.every((entry) => entry.from !== undefined && entry.from !== entry.value), 'each says what it replaced');
});

async function seriousViolations() {
    await page.evaluate(axeSource);
    const results = await page.evaluate(() => window.axe.run(document, { resultTypes: ['violations'] }));
    return results.violations.filter((violation) => ['serious', 'critical'].includes(violation.impact))
        .map((violation) => `${violation.id}: ${violation.nodes.map((node) => node.target.join(' ')).join(', ')}`);
}

// Presses key until the focused element passes check, at most times presses.
async function pressUntil(key, check, times = 30) {
    for (let presses = 0; presses < times; ++presses) {
        await page.keyboard.press(key);
        if (await page.evaluate(check)) {
            return true;
        }
    }
    return false;
}

async function openReviewByKeyboard() {
    await page.locator('details.menu:has([data-control="applySettings"]) > summary').focus();
    await page.keyboard.press('Enter');
    assert.ok(await pressUntil('ArrowDown', () => document.activeElement?.dataset.control === 'applySettings'));
    await page.keyboard.press('Enter');
    await page.locator('recipe-review dialog[open]').waitFor();
}

test('the review by keyboard: one entry unticked, the rest applied as one undo step', async () => {
    assert.ok(exported, 'the recipe of the test before');
    // The other phone: Smart Key is off there already.
    const other = sampleWith('other', [['Keys/Smart Key', 'off']]);
    await open('0032_0001.seem', other);
    const cell = page.locator('byte-grid [data-index="0"]');
    await cell.click();
    await openReviewByKeyboard();
    assert.ok(await page.evaluate(() => document.activeElement?.matches('recipe-review button.choose-file')));
    const [chooser] = await Promise.all([page.waitForEvent('filechooser'), page.keyboard.press('Space')]);
    await chooser.setFiles({ name: '0032_0001.json', mimeType: 'application/json', buffer: exported });
    const boxes = page.locator('recipe-review dialog[open] input[type="checkbox"]');
    await boxes.first().waitFor();
    const named = (setting, current, wanted) => languageString(0, 173).replace('%1', setting).replace('%2', current)
        .replace('%3', wanted);
    assert.deepEqual(await boxes.evaluateAll((inputs) => inputs.map((input) => [input.getAttribute('aria-label'), input.checked])), [
        [named('Keys/Sound', 'on', 'off'), true],
        [`${named('Keys/Smart Key', 'off', 'off')}; ${languageString(0, 171).replace('%1', 'off')}`, false],
        [named('Calls/Call Timer/Minute Beep', 'off', 'on'), true],
    ]);
    assert.deepEqual(await seriousViolations(), [], 'the review');

    // Keyboard alone: to the Keys/Sound box, untick it, on to Apply.
    assert.ok(await pressUntil('Tab', () => document.activeElement?.closest('li')?.dataset.setting === 'Keys/Sound'));
    await page.keyboard.press('Space');
    assert.ok(await pressUntil('Tab', () => document.activeElement?.matches('recipe-review button.apply')));
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => document.title.includes('*') && !document.querySelector('recipe-review dialog[open]'));
    assert.ok(await page.evaluate(() => document.activeElement?.closest('byte-grid') !== null), 'the focus is back');
    const expected = sampleWith('expected', [['Keys/Smart Key', 'off'], ['Calls/Call Timer/Minute Beep', 'on']]);
    assert.deepEqual((await saveByDownload(page)).bytes, expected);
    await page.keyboard.press('Control+z');
    await page.waitForFunction(() => document.title.includes('*'));
    assert.deepEqual((await saveByDownload(page)).bytes, other, 'one undo step');
});

test('pasted text is refused as the same file is; Escape cancels and gives the focus back', async () => {
    await open('0032_0001.seem', sample('0032_0001.seem'));
    await page.locator('byte-grid [data-index="3"]').click();
    await openReviewByKeyboard();
    const dialog = page.locator('recipe-review dialog[open]');
    const broken = '{"version": 1, "entries": [{"seem": "0032_0001", "switch": "Keys/No Such", "value": "on"}]}';
    await dialog.getByLabel(languageString(0, 181)).fill(broken);
    const refused = async () => (await dialog.locator('[role="alert"]').textContent()).replace(/\s+/g, ' ').trim();
    const pasted = await refused();
    assert.match(pasted, /No Such/);
    const [chooser] = await Promise.all([page.waitForEvent('filechooser'), dialog.locator('button.choose-file').click()]);
    await chooser.setFiles({ name: 'broken.json', mimeType: 'application/json', buffer: Buffer.from(broken) });
    await dialog.locator('.file-name', { hasText: 'broken.json' }).waitFor();
    assert.equal(await refused(), `broken.json: ${pasted}`);
    assert.equal(await dialog.locator('button.apply').isDisabled(), true);
    await page.keyboard.press('Escape');
    await page.waitForFunction(() => !document.querySelector('recipe-review dialog[open]')
        && document.activeElement?.dataset.index === '3');
    assert.ok(!(await page.title()).includes('*'), 'nothing changed');
});
