// SPDX-License-Identifier: GPL-3.0-or-later
// The page keeps to itself: every request stays on its origin, the Content
// Security Policy lets no other script run, and after one visit it reloads
// and opens a file with the server gone.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import {
    closeSession, distDir, openPage, openSample, skipUnlessReady, startSession, typeIntoCell,
    waitForDrafts,
} from './harness.mjs';

skipUnlessReady();

let browser;
let server;

before(async () => ({ browser, server } = await startSession({ withPage: false })));
after(() => closeSession({ browser, server }));

test('no request leaves the origin and no script but the page\'s own runs', async () => {
    const { context, page, requests, problems } = await openPage(browser, server.url);
    await openSample(page, '0d51_0001.seem');
    const origin = new URL(server.url).origin;
    const foreign = requests.filter((url) => !url.startsWith(`${origin}/`) && !url.startsWith('blob:'));
    assert.deepEqual(foreign, []);
    assert.deepEqual(problems, [], 'nothing the page does is refused');

    const blocked = await page.evaluate(() => new Promise((resolve) => {
        document.addEventListener('securitypolicyviolation', (event) => resolve(event.violatedDirective), { once: true });
        const script = document.createElement('script');
        script.textContent = 'window.injected = true;';
        document.head.append(script);
        setTimeout(() => resolve(window.injected ? 'ran' : 'silent'), 5000);
    }));
    assert.match(blocked, /^script-src/);
    await context.close();
});

test('the page is installable and its manifest handles .seem files', async () => {
    const { context, page } = await openPage(browser, server.url);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    const devtools = await context.newCDPSession(page);
    const manifest = await devtools.send('Page.getAppManifest');
    assert.deepEqual(manifest.errors, []);
    assert.deepEqual(JSON.parse(manifest.data).file_handlers[0].accept, { 'application/x-vantrel-seem': ['.seem'] });
    // A test's browser profile is private, which alone keeps an app from installing.
    const { installabilityErrors } = await devtools.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors.filter((error) => error.errorId !== 'in-incognito'), []);
    await context.close();
});

test('a new version waits for Reload, which keeps the unsaved changes, brings it in and reopens the document', async () => {
    const { context, page } = await openPage(browser, server.url);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    await page.evaluate(() => localStorage.setItem('ShowTip', '0'));
    await openSample(page, '0032_0001.seem');
    await typeIntoCell(page, 18, '5A');

    // Another build: its worker caches anew, and its page carries a mark.
    const worker = readFileSync(join(distDir, 'sw.js'), 'utf8');
    server.overrides.set('/sw.js', worker.replace(/const CACHE = '([^']+)'/, "const CACHE = '$1-next'"));
    server.overrides.set('/', readFileSync(join(distDir, 'index.html'), 'utf8')
        .replace('</head>', '<meta name="vantrel-build" content="next"></head>'));
    try {
        await page.evaluate(() => navigator.serviceWorker.getRegistration().then((registration) => registration.update()));
        const reload = page.locator('page-notices #updateNotice ~ button[data-action="reload"]');
        await reload.waitFor();
        assert.ok(await page.evaluate(() => navigator.serviceWorker.getRegistration().then(({ waiting }) => waiting !== null)),
            'the new version waits');
        await Promise.all([page.waitForEvent('load'), reload.click()]);
        await page.waitForFunction(() => document.body.dataset.ready === 'true');
        assert.equal(await page.locator('meta[name="vantrel-build"]').count(), 1);
        assert.equal(await page.locator('#updateNotice').count(), 0);
        assert.equal((await waitForDrafts(page, 1))[0].current[18], 0x5a);
        // The document is open again with its changes, and the focus is in its editor.
        await page.waitForFunction(() => document.title.startsWith('0032_0001.seem *'));
        assert.equal((await page.locator('byte-grid [data-index="18"]').textContent()).trim(), '5A');
        assert.equal(await page.locator('#draftNotice').count(), 0);
        await page.waitForFunction(() => document.activeElement?.closest('editor-panel, byte-grid') !== null);
    } finally {
        server.overrides.clear();
    }
    await context.close();
});

test('after one visit the page reloads, opens a file and its help offline', async () => {
    const { context, page } = await openPage(browser, server.url);
    // The worker takes over the page once it has cached every file.
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    server.server.close();
    server.server.closeAllConnections?.();
    await context.setOffline(true);
    await page.reload();
    await page.waitForFunction(() => document.body.dataset.ready === 'true');
    await openSample(page, '0032_0001.seem');
    assert.ok(await page.locator('switch-tree li.switch').count() > 0);
    await page.locator('details.menu:has([data-control="mnuHelpTopic"]) > summary').click();
    const [help] = await Promise.all([context.waitForEvent('page'), page.click('[data-control="mnuHelpTopic"]')]);
    await help.waitForLoadState();
    assert.ok((await help.locator('h1, h2').count()) > 0, 'the help page opens offline too');
    await context.close();
});
