// SPDX-License-Identifier: GPL-3.0-or-later
// axe-core finds no violation at all on the empty page and no serious or
// critical one with any editor shown, and the keyboard alone opens, toggles
// and saves.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { test } from 'node:test';
import { languageString, openBytes, openSample, sample, saveByDownload, skipUnlessReady, sharedSession, typeIntoCell,
    waitForDrafts } from './harness.mjs';

skipUnlessReady();

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

let page;
sharedSession((session) => ({ page } = session));

// axe runs inside the page through the debugging protocol, which the page's
// Content Security Policy does not govern.
async function seriousViolations(impacts = ['serious', 'critical']) {
    await page.evaluate(axeSource);
    const results = await page.evaluate(() => window.axe.run(document, { resultTypes: ['violations'] }));
    return results.violations
        .filter((violation) => impacts.includes(violation.impact))
        .map((violation) => `${violation.id}: ${violation.nodes.map((node) => node.target.join(' ')).join(', ')}`);
}

test('the empty page and every editor pass axe', async () => {
    assert.deepEqual(await seriousViolations(['minor', 'moderate', 'serious', 'critical']), [], 'empty page');
    for (const name of ['0032_0001.seem', '004a_0001.seem', '0a1c_0001.seem', '0d51_0001.seem']) {
        await openSample(page, name);
        assert.deepEqual(await seriousViolations(), [], name);
    }
});

test('the comparison, the byte information, a generator, Go to offset, About and Save As pass axe', async () => {
    await openSample(page, '0a1c_0001.seem');
    await page.locator('details.menu:has([data-control="mnuCompare"]) > summary').click();
    const [chooser] = await Promise.all([page.waitForEvent('filechooser'), page.click('[data-control="mnuCompare"]')]);
    await chooser.setFiles({ name: 'other.seem', mimeType: 'application/octet-stream',
        buffer: Buffer.alloc(readFileSync(new URL('../../data/samples/0a1c_0001.seem', import.meta.url)).length, 3) });
    await page.locator('compare-panel li').first().waitFor();
    await page.locator('details.menu:has([data-control="byteInfo"]) > summary').click();
    await page.click('[data-control="byteInfo"]');
    assert.deepEqual(await seriousViolations(), [], 'comparison and byte information');
    await page.locator('details.menu:has([data-control="mnuSetGPRS"]) > summary').click();
    await page.click('[data-control="mnuSetGPRS"]');
    assert.deepEqual(await seriousViolations(), [], 'generator');
    await page.keyboard.press('Escape');
    await page.keyboard.press('Control+g');
    assert.deepEqual(await seriousViolations(), [], 'Go to offset');
    await page.keyboard.press('Escape');
    await page.locator('details.menu:has([data-control="mnuAbout"]) > summary').click();
    await page.click('[data-control="mnuAbout"]');
    assert.deepEqual(await seriousViolations(), [], 'About');
    await page.keyboard.press('Escape');
    // Save As asks for the name itself where the browser has no save picker.
    await page.evaluate(() => { window.showSaveFilePicker = undefined; });
    await page.keyboard.press('Control+Shift+s');
    await page.locator('save-name-dialog dialog[open]').waitFor();
    assert.deepEqual(await seriousViolations(), [], 'Save As');
    await page.keyboard.press('Escape');
});

test('the grid is an ARIA grid with one tab stop, its cells named with their offset and value', async () => {
    await openSample(page, '0032_0001.seem');
    const grid = page.locator('byte-grid [role="grid"]');
    assert.equal(await grid.getAttribute('aria-colcount'), '17');
    assert.equal(await grid.locator('[role="gridcell"][tabindex="0"]').count(), 1);
    // PageDown goes on through the file, PageUp back.
    const activeCell = () => page.evaluate(() => Number(document.activeElement.dataset.index));
    await grid.locator('[data-index="0"]').click();
    await page.keyboard.press('PageDown');
    const down = await activeCell();
    assert.ok(down > 15, `PageDown to ${down}`);
    await page.keyboard.press('PageUp');
    assert.ok(await activeCell() < down, 'PageUp comes back');
    const cell = grid.locator('[data-index="18"]');
    const nameOf = (text) => languageString(0, 106).replace('%1', '0012').replace('%2', text);
    assert.equal(await cell.getAttribute('aria-label'), nameOf((await cell.textContent()).trim()));
    await cell.click();
    await page.keyboard.press('Home');
    await page.keyboard.type('5A');
    await page.waitForFunction((name) => document.querySelector('byte-grid [data-index="18"]')
        ?.getAttribute('aria-label') === name, nameOf('5A'), { timeout: 5000 });
    await page.keyboard.press('Control+z');
    await page.waitForFunction(() => !document.title.includes('*'));
    // The current cell tells what the definitions say of it, and holds no
    // text of its own beside its name (Orca would speak the text alone).
    await grid.locator('[data-index="26"]').click();
    assert.ok((await grid.locator('[data-index="26"]').getAttribute('aria-description')).length > 0);
    const current = await grid.locator('[data-index="26"]').ariaSnapshot();
    assert.match(current, /^- '?gridcell "[^"]+ 001A: [0-9A-F]{2}"'?$/);
});

test('Left and Right move between open menus, Tab leaves and closes them', async () => {
    const openMenus = () => page.evaluate(() =>
        [...document.querySelectorAll('details.menu[open] > summary')].map((summary) => summary.textContent.trim()));
    const titles = await page.evaluate(() =>
        [...document.querySelectorAll('details.menu > summary')].map((summary) => summary.textContent.trim()));
    await page.locator('details.menu > summary').first().click();
    await page.keyboard.press('ArrowRight');
    await page.waitForFunction(() => document.activeElement?.closest('details.menu')?.open
        && document.activeElement.getAttribute('role') === 'menuitem'
        && document.activeElement.closest('details.menu') === document.querySelectorAll('details.menu')[1]);
    assert.deepEqual(await openMenus(), [titles[1]]);
    await page.keyboard.press('ArrowLeft');
    await page.keyboard.press('ArrowLeft');
    assert.deepEqual(await openMenus(), [titles.at(-1)]);
    await page.keyboard.press('Tab');
    assert.deepEqual(await openMenus(), []);
});

// A menu's toggle event is a task of its own, run after keys already waiting.
test('arrows typed before an opened menu settles keep the item they reached', async () => {
    const [reached, after] = await page.evaluate(async () => {
        const summary = document.querySelector('details.menu:has([data-control="applySettings"]) > summary');
        summary.focus();
        summary.click();
        for (let press = 0; press < 2; ++press) {
            document.activeElement.dispatchEvent(new KeyboardEvent('keydown', { key: 'ArrowDown', bubbles: true }));
        }
        const control = document.activeElement.dataset.control;
        await new Promise((resolve) => setTimeout(resolve, 50));
        return [control, document.activeElement.dataset.control];
    });
    assert.ok(reached);
    assert.equal(after, reached);
    await page.keyboard.press('Escape');
});

test('the keyboard alone opens a file, toggles a switch and saves', async () => {
    await page.reload();
    await page.waitForFunction(() => document.body.dataset.ready === 'true');
    // Without the browser's file picker (which the test cannot answer), Open takes the file input.
    await page.evaluate(() => { window.showOpenFilePicker = undefined; });
    // Tab to the header's Open button, then choose the file as the chooser would.
    let reached = false;
    for (let presses = 0; presses < 20 && !reached; ++presses) {
        await page.keyboard.press('Tab');
        reached = await page.evaluate(() => document.activeElement?.matches('header .file-input button') === true);
    }
    assert.ok(reached, 'the Open button is reachable with Tab');
    const [chooser] = await Promise.all([page.waitForEvent('filechooser'), page.keyboard.press('Space')]);
    await chooser.setFiles({ name: '0032_0001.seem', mimeType: 'application/octet-stream',
        buffer: readFileSync(new URL('../../data/samples/0032_0001.seem', import.meta.url)) });
    await page.waitForFunction(() => document.title.startsWith('0032_0001.seem'));
    if (await page.locator('message-dialog dialog[open]').count()) {
        await page.keyboard.press('Enter');
    }
    let onSwitch = false;
    for (let presses = 0; presses < 30 && !onSwitch; ++presses) {
        await page.keyboard.press('Tab');
        onSwitch = await page.evaluate(() => document.activeElement?.getAttribute('role') === 'treeitem');
    }
    assert.ok(onSwitch, 'the tree is reachable with Tab');
    let before = null;
    for (let presses = 0; presses < 10 && before === null; ++presses) {
        await page.keyboard.press('ArrowDown');
        before = await page.evaluate(() => document.activeElement.getAttribute('aria-checked'));
    }
    assert.ok(before !== null, 'a switch is reached with the arrow keys');
    await page.keyboard.press('Space');
    // The switch keeps the focus and its name says the new state.
    const now = before === 'true' ? 'false' : 'true';
    await page.waitForFunction((checked) => document.activeElement?.getAttribute('role') === 'treeitem'
        && document.activeElement.getAttribute('aria-checked') === checked, now);
    const [name, label] = await page.evaluate(() => [
        document.activeElement.querySelector(':scope > .label').textContent.trim(),
        document.activeElement.getAttribute('aria-label')]);
    assert.equal(label, languageString(0, now === 'true' ? 107 : 108).replace('%1', name));
    // ... and is said again, as Orca says no change of a tree item's aria-checked.
    assert.equal(await page.locator('switch-tree [aria-live="polite"]').textContent(), label);
    const saved = await saveByDownload(page);
    assert.equal(saved.name, '0032_0001.seem');
});

test('the offer of unsaved changes passes axe', async () => {
    await openSample(page, '0032_0001.seem');
    await typeIntoCell(page, 18, '5A');
    await waitForDrafts(page, 1);
    await page.reload();
    await page.locator('#draftNotice').waitFor();
    assert.deepEqual(await seriousViolations(['minor', 'moderate', 'serious', 'critical']), []);
    await page.click('page-notices [data-action="discard"]');
});

test('the focus goes back where it was when the tip, About, a generator or the comparison closes', async () => {
    const inEditor = () => page.waitForFunction(() => document.activeElement?.closest('editor-panel') !== null);
    await page.evaluate(() => localStorage.setItem('ShowTip', '1'));
    await openBytes(page, '0032_0001.seem', sample('0032_0001.seem'));
    await page.locator('message-dialog dialog[open]').waitFor();
    await page.keyboard.press('Enter');
    await inEditor();
    const fromMenu = (control) => async () => {
        await page.locator(`details.menu:has([data-control="${control}"]) > summary`).click();
        await page.click(`[data-control="${control}"]`);
        await page.locator('dialog[open]').waitFor();
    };
    const windows = {
        About: [fromMenu('mnuAbout'), () => page.keyboard.press('Escape')],
        generator: [fromMenu('mnuSetOuterText'), () => page.keyboard.press('Escape')],
        comparison: [async () => {
            await page.locator('details.menu:has([data-control="mnuCompare"]) > summary').click();
            const [chooser] = await Promise.all([page.waitForEvent('filechooser'), page.click('[data-control="mnuCompare"]')]);
            await chooser.setFiles({ name: 'other.seem', mimeType: 'application/octet-stream',
                buffer: Buffer.alloc(sample('0032_0001.seem').length, 3) });
            await page.locator('compare-panel .compare > button').focus();
        }, () => page.locator('compare-panel .compare > button').click()],
    };
    for (const [name, [open, close]] of Object.entries(windows)) {
        await page.locator('byte-grid [data-index="21"]').click();
        await open();
        await close();
        await page.waitForFunction(() => document.activeElement?.dataset.index === '21', null, { timeout: 5000 })
            .catch(async () => assert.fail(`after ${name}: ${await page.evaluate(() => document.activeElement.outerHTML)}`));
    }
});

test('the skip link, before the menus, leads to the editor', async () => {
    await openSample(page, '0a1c_0001.seem');
    await page.locator('details.menu > summary').first().focus();
    await page.keyboard.press('Shift+Tab');
    const link = page.locator('a.skip-link');
    assert.ok(await link.evaluate((element) => element === document.activeElement), 'the skip link has the focus');
    const box = await link.boundingBox();
    assert.ok(box.y >= 0 && box.height > 0, 'the focused link is on screen');
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => document.activeElement?.closest('editor-panel') !== null);
});

// Starts writing down every text a live region (a screen reader's "say this
// now") takes; the returned function hands over what was written since.
async function recordSpoken() {
    await page.evaluate(() => {
        window.spoken = [];
        if (window.spokenWatched) {
            return;
        }
        window.spokenWatched = true;
        const live = (node) => node instanceof Element
            && node.closest('[aria-live]:not([aria-live="off"]), [role="status"], [role="alert"]');
        new MutationObserver((records) => {
            const changed = (record) => (record.target instanceof Element ? record.target : record.target.parentElement);
            for (const region of new Set(records.map((record) => live(changed(record))))) {
                if (region) {
                    window.spoken.push(region.textContent.replace(/\s+/g, ' ').trim());
                }
            }
        }).observe(document.body, { subtree: true, childList: true, characterData: true });
    });
    return async () => {
        await page.waitForTimeout(100);
        return page.evaluate(() => window.spoken.splice(0).filter((text) => text !== ''));
    };
}

test('Space on a switch, a typed digit and the caret in a cell are said alone, without the heading', async () => {
    await openSample(page, '0032_0001.seem');
    const heard = await recordSpoken();
    const onSwitch = page.locator('switch-tree li[aria-checked]').first();
    await onSwitch.focus();
    await heard();
    await page.keyboard.press('Space');
    await page.waitForFunction(() => document.title.includes('*'));
    assert.deepEqual(await heard(), [await onSwitch.getAttribute('aria-label')]);
    await page.keyboard.press('Control+z');
    await page.waitForFunction(() => !document.title.includes('*'));

    const cell = page.locator('byte-grid [data-index="18"]');
    await cell.click();
    await page.keyboard.press('Home');
    await heard();
    const old = (await cell.textContent()).trim();
    const digit = old[0] === '5' ? '6' : '5';
    await page.keyboard.type(digit);
    await page.waitForFunction(() => document.title.includes('*'));
    assert.deepEqual(await heard(), [languageString(0, 106).replace('%1', '0012').replace('%2', `${digit}${old[1]}`)]);
    await page.keyboard.press('ArrowRight');
    assert.deepEqual(await heard(), [languageString(0, 212).replace('%1', `${digit}${old[1]}`)]);
    await page.keyboard.press('ArrowLeft');
    assert.deepEqual(await heard(), [languageString(0, 211).replace('%1', '2').replace('%2', `${digit}${old[1]}`)]);
    await page.keyboard.press('Control+z');
    await page.waitForFunction(() => !document.title.includes('*'));
});

test('coming into the grid says the cell\'s offset and value, moving within it does not', async () => {
    await openSample(page, '0032_0001.seem');
    const heard = await recordSpoken();
    await page.locator('switch-tree li[aria-checked]').first().focus();
    await heard();
    const cell = page.locator('byte-grid [data-index="16"]');
    await cell.focus();
    const value = (await cell.textContent()).trim();
    assert.deepEqual(await heard(), [languageString(0, 106).replace('%1', '0010').replace('%2', value)]);
    await page.keyboard.press('ArrowDown');
    await page.waitForFunction(() => document.activeElement?.dataset.index === '32');
    const cellNamed = languageString(0, 106).split('%1')[0];
    assert.deepEqual((await heard()).filter((text) => text.startsWith(cellNamed)), []);
});

test('a row is named by its offset and a cell\'s description is set once as the focus arrives', async () => {
    await openSample(page, '0032_0001.seem');
    assert.equal(await page.locator('byte-grid [role="row"][aria-rowindex="3"]').getAttribute('aria-label'), '0010');
    await page.evaluate(() => {
        window.descriptionsSet = 0;
        new MutationObserver((records) => (window.descriptionsSet += records.length))
            .observe(document.querySelector('byte-grid [data-index="40"]'), { attributeFilter: ['aria-description'] });
    });
    await page.locator('byte-grid [data-index="40"]').click();
    await page.waitForFunction(() => document.activeElement?.dataset.index === '40');
    await page.waitForTimeout(100);
    assert.equal(await page.evaluate(() => window.descriptionsSet), 1);
});

test('a colour entry says its colour and transparency, as the window does', async () => {
    await openSample(page, '0d51_0001.seem');
    const entry = page.locator('colour-editor input[name="colourEntry"]').first();
    const rgb = await page.evaluate(() => document.querySelector('colour-editor .entries .swatch').style.background);
    const [red, green, blue] = rgb.match(/\d+/g).map(Number);
    const hex = `#${[red, green, blue].map((value) => value.toString(16).toUpperCase().padStart(2, '0')).join('')}`;
    const description = await entry.getAttribute('aria-description');
    assert.match(description, new RegExp(`^${languageString(0, 114).replace('%1', hex).replace('%2', '\\d+')}$`));
});
