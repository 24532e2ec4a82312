// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the README's picture of the page (docs/web.png) from the built page:
//   node web/tools/screenshot.mjs [OUT.png] [SAMPLE]
// or pictures of the function, volume and colour editors on a phone (390x844,
// touch), a tablet (768x1024, touch) and a desktop (1280x800), to look at:
//   node web/tools/screenshot.mjs --sizes DIR [--dark] [--text 2]
// --dark asks for the dark colour scheme; --text 2 doubles the browser's text
// size, as a reader who has set large text sees the page.
import { mkdirSync } from 'node:fs';
import { join } from 'node:path';
import { parseArgs } from 'node:util';
import { launchBrowser, openPage, openSample, repoDir, serve, skipUnlessReady } from '../tests/harness.mjs';

const screens = [
    { name: 'phone', viewport: { width: 390, height: 844 }, hasTouch: true, isMobile: true },
    { name: 'tablet', viewport: { width: 768, height: 1024 }, hasTouch: true, isMobile: true },
    { name: 'desktop', viewport: { width: 1280, height: 800 } },
];
const editors = { function: '0032_0001.seem', volume: '0a1c_0001.seem', colour: '0d51_0001.seem' };

skipUnlessReady();
const { values: options, positionals } = parseArgs({ allowPositionals: true, options: {
    sizes: { type: 'string' }, dark: { type: 'boolean', default: false }, text: { type: 'string', default: '1' },
} });
const server = await serve();
const browser = await launchBrowser();

// A page as the reader set it up: colour scheme and text size.
async function readersPage(screen) {
    const colorScheme = options.dark ? 'dark' : 'light';
    const { page, context } = await openPage(browser, server.url, { ...screen, colorScheme });
    const scale = Number(options.text);
    if (scale !== 1) {
        const protocol = await context.newCDPSession(page);
        await protocol.send('Page.setFontSizes', { fontSizes: { standard: 16 * scale, fixed: 13 * scale } });
    }
    await page.evaluate(() => localStorage.setItem('ShowTip', '0'));
    return page;
}

async function readmePicture(output, sampleName) {
    const page = await readersPage({ viewport: { width: 1180, height: 720 } });
    await openSample(page, sampleName);
    const second = page.locator('switch-tree li.switch, style-list input, volume-editor input, colour-editor input[type="radio"]').nth(1);
    if (await second.count()) {
        await second.focus();
    }
    await page.screenshot({ path: output });
    console.log(`wrote ${output}`);
}

async function sizePictures(folder) {
    mkdirSync(folder, { recursive: true });
    const suffix = `${options.dark ? '-dark' : ''}${options.text !== '1' ? `-text${options.text}` : ''}`;
    for (const screen of screens) {
        const page = await readersPage(screen);
        for (const [editor, sampleName] of Object.entries(editors)) {
            await openSample(page, sampleName);
            const output = join(folder, `${editor}-${screen.viewport.width}x${screen.viewport.height}${suffix}.png`);
            await page.screenshot({ path: output });
            const wide = await page.evaluate(() => document.documentElement.scrollWidth);
            console.log(`wrote ${output} (page ${wide} px wide)`);
        }
        await page.context().close();
    }
}

try {
    if (options.sizes) {
        await sizePictures(options.sizes);
    } else {
        const [output = join(repoDir, 'docs', 'web.png'), sampleName = '0032_0001.seem'] = positionals;
        await readmePicture(output, sampleName);
    }
} finally {
    await browser.close();
    server.server.close();
}
