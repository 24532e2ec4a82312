// SPDX-License-Identifier: GPL-3.0-or-later
// Every scenario of tests/scenarios replayed through the page's own elements
// (the file input, tree items, style boxes, sliders, the colour boxes, the
// grid, the Edit menu, Ctrl+S, the generator windows, Export Changes and the
// recipe review with an entry unticked); the bytes it saves or
// generates last must be NAME.expected, as the window and vantrel-cli write them.
import assert from 'node:assert/strict';
import { readdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import {
    closeSession, dismissDialog, openPage, openSample, repoDir, saveByDownload, skipUnlessReady, startSession,
} from './harness.mjs';

skipUnlessReady();

const folder = join(repoDir, 'tests', 'scenarios');
let shared;
before(async () => (shared = await startSession({ withPage: false })));
after(() => closeSession(shared));

// The step lines: blanks and # comments left out, the last field to the end of the line.
function steps(text) {
    return text.split('\n').map((line) => line.replace(/\r$/, '')).filter((line) => line && !line.startsWith('#'))
        .map((line) => line.split(' '));
}

function expectedBytes(name) {
    const text = readFileSync(join(folder, `${name}.expected`), 'utf8');
    return Buffer.from(text.split('\n').filter((line) => !line.startsWith('#')).join(' ').trim().split(/\s+/)
        .map((pair) => Number.parseInt(pair, 16)));
}

async function menu(page, control) {
    await page.locator(`details.menu:has([data-control="${control}"]) > summary`).click();
    await page.click(`[data-control="${control}"]`);
}

// The tree item a path of IDs names, reached from the root down.
async function treeItem(page, path) {
    let scope = page.locator('switch-tree [role="tree"] > li');
    for (const name of path.split('/')) {
        scope = scope.locator(':scope > ul > li').filter({
            has: page.locator(':scope > .label', { hasText: new RegExp(`^\\s*[▸▾]?\\s*${name}\\s*$`) }),
        });
    }
    return scope;
}

async function colourEntry(page, path) {
    const [group, entry] = path.split('/');
    await page.locator('colour-editor .entries fieldset', { has: page.locator('legend', { hasText: group }) })
        .locator('label', { hasText: entry }).locator('input').check();
}

async function generate(page, control, fill) {
    await menu(page, control);
    const dialog = page.locator('generator-dialog dialog[open]');
    await fill(dialog);
    const [download] = await Promise.all([page.waitForEvent('download'), dialog.locator('.buttons button').first().click()]);
    return readFileSync(await download.path());
}

// The recipes a scenario exported, by the name it gave them.
const recipes = new Map();

async function exportChanges(page, [name]) {
    const [download] = await Promise.all([page.waitForEvent('download'), menu(page, 'exportChanges')]);
    recipes.set(name, readFileSync(await download.path()));
}

// "NAME", "NAME except SETTING" or "NAME only SETTING": the review's boxes as
// they come, with that setting's unticked, or only it ticked; then Apply.
async function applyRecipe(page, [field]) {
    const [, name, choice = '', setting = ''] = field.match(/^(\S+)(?: (except|only) (.+))?$/) ?? [];
    assert.ok(recipes.has(name), `no recipe ${name} was exported`);
    await menu(page, 'applySettings');
    const dialog = page.locator('recipe-review dialog[open]');
    const [chooser] = await Promise.all([page.waitForEvent('filechooser'), dialog.locator('button.choose-file').click()]);
    await chooser.setFiles({ name, mimeType: 'application/json', buffer: recipes.get(name) });
    const rows = dialog.locator('.review-rows li');
    await rows.first().waitFor();
    const settings = await rows.evaluateAll((items) => items.map((item) => item.dataset.setting.toLowerCase()));
    assert.ok(!setting || settings.includes(setting.toLowerCase()), `the recipe has no entry for ${setting}`);
    for (const [index, rowSetting] of settings.entries()) {
        const box = rows.nth(index).locator('input[type="checkbox"]');
        const named = rowSetting === setting.toLowerCase();
        if (choice === 'only' || (choice === 'except' && named)) {
            await box.setChecked(choice === 'only' && named);
        }
    }
    await dialog.locator('button.apply').click();
    await page.waitForFunction(() => !document.querySelector('recipe-review dialog[open]'));
}

// Each step as a user takes it; the bytes of a save or a generation, else nothing.
const verbs = {
    open: async (page, [name]) => openSample(page, name),
    switch: async (page, [state, path]) => {
        const item = await treeItem(page, path);
        if ((await item.getAttribute('aria-checked')) !== String(state === 'on')) {
            await item.locator(':scope > .label').click({ position: { x: 40, y: 5 } });
        }
        await page.waitForFunction(([element, on]) => element.getAttribute('aria-checked') === on,
            [await item.elementHandle(), String(state === 'on')]);
    },
    style: async (page, [state, name]) => {
        const box = page.locator('style-list label', { hasText: name }).locator('input');
        await box.setChecked(state === 'on');
    },
    volume: async (page, [position, name]) => {
        const slider = page.locator('volume-editor .volume', { has: page.locator('label', { hasText: name }) })
            .locator('input[type="range"]');
        await slider.evaluate((element, value) => {
            element.value = value;
            element.dispatchEvent(new Event('input', { bubbles: true }));
            element.dispatchEvent(new Event('change', { bubbles: true }));
        }, position);
    },
    'reset-volumes': async (page) => page.locator('volume-editor button').click(),
    color: async (page, [rgb, path]) => {
        await colourEntry(page, path);
        await page.fill('#colourHex', rgb);
        await page.press('#colourHex', 'Enter');
    },
    transparency: async (page, [percent, path]) => {
        await colourEntry(page, path);
        await page.fill('#transparency', percent);
        await page.press('#transparency', 'Enter');
    },
    title: async (page, [text]) => {
        await page.fill('#schemeTitle', text);
        await page.locator('colour-editor .title-row button').click();
    },
    cell: async (page, [offset, digits]) => {
        await page.locator(`byte-grid [data-index="${Number.parseInt(offset, 16)}"]`).click();
        await page.keyboard.press('Home');
        await page.keyboard.type(digits);
    },
    undo: async (page) => menu(page, 'undo'),
    redo: async (page) => menu(page, 'redo'),
    save: async (page) => (await saveByDownload(page)).bytes,
    outertext: async (page, [text]) => generate(page, 'mnuSetOuterText',
        (dialog) => dialog.locator('input[type="text"]').fill(text)),
    find: async (page, [text]) => {
        await page.keyboard.press('Control+f');
        await page.fill('#find-text', text);
        await page.press('#find-text', 'Escape');
    },
    toggle: async (page) => menu(page, 'mnuOnOff'),
    'export-changes': exportChanges,
    'apply-recipe': applyRecipe,
    gprs: async (page, [mode]) => generate(page, 'mnuSetGPRS', (dialog) => dialog.locator(`input[value="${mode}"]`).check()),
    'gprs-text': async (page, [text]) => generate(page, 'mnuSetGPRS', async (dialog) => {
        await dialog.locator('input[value="text"]').check();
        await dialog.locator('input[type="text"]').fill(text);
    }),
};

// The fields of a step: its verb's count, the last one running to the end of the line.
const fieldCounts = { open: 1, switch: 2, style: 2, volume: 2, 'reset-volumes': 0, color: 2, transparency: 2,
    title: 1, cell: 2, undo: 0, redo: 0, save: 0, outertext: 1, gprs: 1, 'gprs-text': 1, 'export-changes': 1,
    'apply-recipe': 1, find: 1, toggle: 0 };

// Subfolders too (tests/scenarios/recipes), as vantrel-cli play replays them.
const scenarioFiles = readdirSync(folder, { recursive: true }).filter((name) => name.endsWith('.scenario')).sort();
for (const file of scenarioFiles) {
    const name = file.replace(/\.scenario$/, '');
    test(`scenario ${name}`, async () => {
        const { context, page } = await openPage(shared.browser, shared.server.url);
        let result = null;
        recipes.clear();
        for (const [verb = '', ...words] of steps(readFileSync(join(folder, file), 'utf8'))) {
            const count = fieldCounts[verb];
            assert.ok(count !== undefined, `${name}: no step ${verb}`);
            const fields = count === 0 ? [] : [...words.slice(0, count - 1), words.slice(count - 1).join(' ')];
            result = (await verbs[verb](page, fields)) ?? result;
            await dismissDialog(page);
        }
        assert.ok(result, `${name} saves or generates nothing`);
        assert.deepEqual(result, expectedBytes(name), name);
        await context.close();
    });
}
