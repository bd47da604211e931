// Updates of the site as a reader meets them, through its service worker: copies of the site on
// one origin keep each other's caches; a new build uploaded file by file is taken only once all
// of it is there, so that a page never runs files of two builds; an open tab offers the new
// build, and takes it when the reader chooses it.
//   node tests/web/test_sw.mjs    with SITE and NODE_PATH as for test_site.mjs
import assert from 'node:assert/strict';
import {createHash} from 'node:crypto';
import {cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {after, before, test} from 'node:test';

import {idle, launch, press, refuseWhileOffline} from '../../tools/browser.mjs';
import {serve} from '../../tools/serve.mjs';

const top = mkdtempSync(join(tmpdir(), 'varnholt-copies-'));
for (const copy of ['a', 'b', 'c']) cpSync(process.env.SITE, join(top, copy), {recursive: true});
let server;
let browser;
let closeBrowser;
before(async () => {
    server = await serve(top);
    refuseWhileOffline(server);
    ({browser, close: closeBrowser} = await launch());
});
after(async () => {
    await closeBrowser();
    server.server.close();
    rmSync(top, {recursive: true, force: true});
});

// Loads a copy and waits until its service worker controls the page with its build cached.
async function visit(page, copy) {
    for (const pass of ['first', 'from the worker']) {
        await page.goto(`${server.url}${copy}/`);
        await page.waitForSelector('#IDD_CALCULATOR:not([hidden])');
        if (pass === 'first') await page.evaluate(() => navigator.serviceWorker.ready);
    }
    await idle(page);
}

const computes = (page) => press(page, '1, 0, Tab, 2').then(() =>
    page.$eval('[data-id=IDC_LOSS_RESULT]', (box) => box.value));

// The worker's update of copy `c`: resolves to the new worker's end, 'installed' or 'redundant'.
const update = (page) => page.evaluate(() => navigator.serviceWorker.getRegistration()
    .then((registration) => registration.update().then(() => new Promise((resolve) => {
        const worker = registration.installing;
        if (!worker) return resolve(registration.waiting ? 'installed' : 'none');
        worker.addEventListener('statechange', () => {
            if (worker.state === 'installed' || worker.state === 'redundant') resolve(worker.state);
        });
    }))));

// After one visit a copy comes from its worker without a network, and computes; it asks for its
// own files only and keeps nothing of what was typed.
test('a copy of the site keeps another copy\'s build', async () => {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    const requests = [];
    page.on('request', (request) => requests.push(new URL(request.url()).origin));
    await visit(page, 'a');
    await visit(page, 'b');
    server.offline = true;
    server.server.closeAllConnections();
    await page.setOfflineMode(true);
    try {
        await page.goto(`${server.url}a/`);
        await page.waitForSelector('#IDD_CALCULATOR:not([hidden])');
        await idle(page);
        assert.equal(await computes(page), '47.712125');
        assert.deepEqual(new Set(requests), new Set([new URL(server.url).origin]));
        assert.deepEqual(await page.evaluate(async () => [localStorage.length,
            sessionStorage.length, (await indexedDB.databases()).length, document.cookie]),
        [0, 0, 0, '']);
    } finally {
        server.offline = false;
        await context.close();
    }
});

test('a new build uploaded file by file is offered once whole, taken when chosen', async () => {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    const errors = [];
    page.on('pageerror', (error) => errors.push(error.message));
    await visit(page, 'c');
    // Build 2: a page that says so, and a script of other content under its own name.
    const dir = join(top, 'c');
    const sha = (text) => createHash('sha256').update(text).digest('hex');
    const sw = readFileSync(join(dir, 'sw.js'), 'utf8');
    const oldPage = readFileSync(join(dir, 'index.html'), 'utf8');
    const oldScript = /varnholt\.\w+\.js/.exec(oldPage)[0];
    const script = readFileSync(join(dir, oldScript), 'utf8') + '\n// build 2\n';
    const newScript = `varnholt.${sha(script).slice(0, 12)}.js`;
    const newPage = oldPage.replace('<html lang="en">', '<html lang="en" data-build="2">')
        .replace(oldScript, newScript);
    writeFileSync(join(dir, newScript), script);
    writeFileSync(join(dir, 'sw.js'), sw.replaceAll(sha(oldPage), sha(newPage))
        .replace(`'${oldScript}': '${sha(readFileSync(join(dir, oldScript)))}'`,
            `'${newScript}': '${sha(script)}'`)
        .replace(/(const CACHE = .*:)(\w+)';/, '$1build2\';'));
    // The new worker and script are there, the new page not yet: the worker is not taken, and
    // the page still runs its own build whole.
    assert.equal(await update(page), 'redundant');
    await page.reload();
    await page.waitForSelector('#IDD_CALCULATOR:not([hidden])');
    await idle(page);
    assert.equal(await page.evaluate(() => document.documentElement.dataset.build), undefined);
    assert.equal(await computes(page), '47.712125');
    // Whole now: the open page offers it, and takes it when its reader chooses.
    writeFileSync(join(dir, 'index.html'), newPage);
    assert.equal(await update(page), 'installed');
    await page.waitForSelector('#update:not([hidden])');
    await Promise.all([page.waitForNavigation(), page.click('#update-now')]);
    await page.waitForSelector('#IDD_CALCULATOR:not([hidden])');
    assert.equal(await page.evaluate(() => document.documentElement.dataset.build), '2');
    assert.deepEqual(errors, []);
    await context.close();
});
