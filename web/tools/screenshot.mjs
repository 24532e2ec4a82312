// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the README's picture of the page (docs/web.png) from the built page:
//   node web/tools/screenshot.mjs [OUT.png] [SAMPLE]
import { join } from 'node:path';
import { launchBrowser, openPage, openSample, repoDir, serve, skipUnlessReady } from '../tests/harness.mjs';

skipUnlessReady();
const [output = join(repoDir, 'docs', 'web.png'), sampleName = '0032_0001.seem'] = process.argv.slice(2);
const server = await serve();
const browser = await launchBrowser();
try {
    const { page } = await openPage(browser, server.url, { viewport: { width: 1180, height: 720 }, colorScheme: 'light' });
    await page.evaluate(() => localStorage.setItem('ShowTip', '0'));
    await openSample(page, sampleName);
    const second = page.locator('switch-tree li.switch, style-list input, volume-editor input, colour-editor input[type="radio"]').nth(1);
    if (await second.count()) {
        await second.focus();
    }
    await page.screenshot({ path: output });
    console.log(`wrote ${output}`);
} finally {
    await browser.close();
    server.server.close();
}
