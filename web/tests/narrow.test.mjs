// SPDX-License-Identifier: GPL-3.0-or-later
// The page on a phone (390x844, touch): it never pans sideways, opening a file
// keeps the editor in sight, a tapped cell takes a touch keyboard's input
// from its first digit (on a tablet too),
// what a finger taps is 24 px high at least, and a chosen switch's description
// is in sight beside the tree.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { closeSession, languageString, openPage, openSample, skipUnlessReady, startSession } from './harness.mjs';

skipUnlessReady();

const phone = { viewport: { width: 390, height: 844 }, hasTouch: true, isMobile: true };
const session = {};
let page;

before(async () => {
    Object.assign(session, await startSession({ withPage: false }));
    ({ page } = await openPage(session.browser, session.server.url, phone));
});
after(() => closeSession(session));

test('the page is as wide as the phone with each editor, which opening a file keeps in sight', async () => {
    const widths = [];
    for (const [editor, name] of [['function', '0032_0001.seem'], ['volume', '0a1c_0001.seem'], ['colour', '0d51_0001.seem']]) {
        // The focus in the grid, far down the page, as the next file is opened.
        if (widths.length > 0) {
            await page.locator('byte-grid [role="gridcell"]').last().tap();
        }
        await openSample(page, name);
        const { width, editorTop } = await page.evaluate(() => ({
            width: document.documentElement.scrollWidth,
            editorTop: document.querySelector('editor-panel').getBoundingClientRect().top,
        }));
        widths.push(`${editor} ${width} px`);
        assert.equal(width, phone.viewport.width, editor);
        assert.ok(editorTop >= 0 && editorTop < phone.viewport.height / 2, `${editor} editor at ${editorTop}`);
    }
    console.log(`page width at 390 px: ${widths.join(', ')}`);
});

test('the status line names what to tap, not keys a phone does not have', async () => {
    await page.evaluate(() => localStorage.setItem('ShowTip', '0'));
    await page.reload();
    await page.waitForFunction(() => document.body.dataset.ready === 'true');
    const status = page.locator('footer.status [role="status"]');
    assert.equal((await status.textContent()).trim(), languageString(0, 209));
    await openSample(page, '0032_0001.seem');
    assert.equal((await status.textContent()).trim(), languageString(0, 210));
});

test('a tapped cell takes what a touch keyboard types, key by key or a composed word once it is done', async () => {
    await openSample(page, '0032_0001.seem');
    const cell = page.locator('byte-grid [data-index="18"]');
    const old = (await cell.textContent()).trim();
    await cell.tap();
    assert.equal(await page.evaluate(() => document.activeElement.inputMode), 'text');
    assert.equal(await cell.evaluate((tapped) => getComputedStyle(tapped).outlineStyle), 'solid', 'shown as focused');
    // A tap leaves the caret on the first digit; a virtual keyboard sends
    // input events, no keydown.
    const digit = old[0] === 'C' ? 'D' : 'C';
    await page.keyboard.insertText(digit);
    await page.waitForFunction(([text]) => document.querySelector('byte-grid [data-index="18"]').textContent.trim() === text,
        [`${digit}${old[1]}`]);

    const texts = (...cells) => page.evaluate((indexes) => indexes.map((index) =>
        document.querySelector(`byte-grid [data-index="${index}"]`).textContent.trim()), cells);
    // Until the caret is past the cell's second digit, or on another cell.
    const filled = (index) => page.waitForFunction((tapped) => {
        const grid = document.querySelector('byte-grid');
        return grid.querySelector('.current')?.dataset.index !== tapped || grid.caret === 2;
    }, String(index), { timeout: 5000 });
    const [, untouched] = await texts(19, 20);
    await page.locator('byte-grid [data-index="19"]').tap();
    await page.keyboard.insertText('1');
    await page.keyboard.insertText('2');
    await filled(19);
    assert.deepEqual(await texts(19, 20), ['12', untouched], 'each input types its own character once');
    // A keyboard that composes words sends its input while composing, then ends it.
    const [, next] = await texts(21, 22);
    await page.locator('byte-grid [data-index="21"]').tap();
    const ime = await page.context().newCDPSession(page);
    await ime.send('Input.imeSetComposition', { text: 'a', selectionStart: 1, selectionEnd: 1 });
    await ime.send('Input.imeSetComposition', { text: 'ab', selectionStart: 2, selectionEnd: 2 });
    await ime.send('Input.insertText', { text: 'ab' });
    await filled(21).catch(() => assert.fail('the composed word is typed as it is done'));
    assert.deepEqual(await texts(21, 22), ['AB', next]);
    await ime.detach();
    for (let step = 0; step < 3; ++step) {
        await page.keyboard.press('Control+z');
    }
    await page.waitForFunction(() => !document.title.includes('*'));
});

test('on a tablet, a tap on a cell\'s right half types into that cell, not the next', async () => {
    const { context, page: tablet } = await openPage(session.browser, session.server.url,
        { viewport: { width: 768, height: 1024 }, hasTouch: true, isMobile: true });
    await tablet.evaluate(() => localStorage.setItem('ShowTip', '0'));
    await openSample(tablet, '0032_0001.seem');
    const cell = (index) => tablet.locator(`byte-grid [data-index="${index}"]`);
    const next = (await cell(0x21).textContent()).trim();
    const box = await cell(0x20).boundingBox();
    await cell(0x20).tap({ position: { x: box.width * 0.85, y: box.height / 2 } });
    await tablet.keyboard.insertText('0F');
    await tablet.waitForFunction(() => document.querySelector('byte-grid [data-index="32"]').textContent.trim() === '0F');
    assert.equal((await cell(0x21).textContent()).trim(), next);
    await context.close();
});

test('cells, grid rows, tree lines and menu items are 24 px high at least', async () => {
    await openSample(page, '0032_0001.seem');
    await page.locator('details.menu > summary').first().tap();
    const heights = await page.evaluate(() => {
        const lowest = (selector) => Math.min(...[...document.querySelectorAll(selector)]
            .filter((element) => element.checkVisibility()).map((element) => element.getBoundingClientRect().height));
        return {
            cell: lowest('byte-grid [role="gridcell"]'), row: lowest('byte-grid [role="row"]'),
            tree: lowest('switch-tree .label'), menu: lowest('details.menu[open] [role^="menuitem"]'),
        };
    });
    await page.locator('details.menu > summary').first().tap();
    console.log(`lowest targets: ${Object.entries(heights).map(([what, px]) => `${what} ${px.toFixed(1)} px`).join(', ')}`);
    for (const [what, height] of Object.entries(heights)) {
        assert.ok(height >= 24, `${what} ${height} px`);
    }
});

test('a chosen switch\'s description is in sight with the tree', async () => {
    await openSample(page, '0032_0001.seem');
    const chosen = page.locator('switch-tree li.switch').nth(12);
    await chosen.focus();
    const description = page.locator('.information p');
    await page.waitForFunction(() => document.querySelector('.information p').textContent.trim() !== '');
    const box = await description.boundingBox();
    assert.ok(box.y >= 0 && box.y + box.height <= phone.viewport.height, `the description at ${box.y}`);
});
