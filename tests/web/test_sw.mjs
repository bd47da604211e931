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

import {idle, press, refuseWhileOffline} from '../../tools/browser.mjs';
import {serve} from '../../tools/serve.mjs';
import {browser, ready} from './site.mjs';

const top = mkdtempSync(join(tmpdir(), 'varnholt-copies-'));
for (const copy of ['a', 'b', 'c']) cpSync(process.env.SITE, join(top, copy), {recursive: true});
// The copies' own server, which can go offline; the site tests' browser.
let server;
before(async () => { server = await serve(top); refuseWhileOffline(server); });
after(() => { server.server.close(); rmSync(top, {recursive: true, force: true}); });

// Loads a copy and waits until its service worker controls the page with its build cached.
async function visit(page, copy) {
    for (const pass of ['first', 'from the worker']) {
        await page.goto(`${server.url}${copy}/`);
        await ready(page, pass !== 'first');
        if (pass === 'first') await page.evaluate(() => navigator.serviceWorker.ready);
    }
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
        await ready(page);
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

// Build 2 uploaded file by file, taken in three tabs, offline: A takes it, B is still loading
// build 1 then (its WebAssembly held back), C has put the offer off.
test('a new build uploaded file by file, offered once whole, taken in one of 3 tabs', async () => {
    const context = await browser.createBrowserContext();
    const errors = [];
    const tab = async () => {
        const page = await context.newPage();
        page.on('pageerror', (error) => errors.push(error.message));
        return page;
    };
    // A reader uses the tab in front (a tab behind draws nothing).
    const use = async (page, act) => {
        await page.bringToFront();
        return act();
    };
    const build = (page) => page.evaluate(() => document.documentElement.dataset.build || '1');
    const shown = (page) => page.$eval('#update', (notice) => !notice.hidden);
    const a = await tab();
    await visit(a, 'c');
    // Build 2: a page that says so, and a script and WebAssembly of other content under names
    // of their own (a custom section added to the WebAssembly).
    const dir = join(top, 'c');
    const sha = (text) => createHash('sha256').update(text).digest('hex');
    const oldPage = readFileSync(join(dir, 'index.html'), 'utf8');
    let newPage = oldPage.replace('<html lang="en">', '<html lang="en" data-build="2">');
    let sw = readFileSync(join(dir, 'sw.js'), 'utf8');
    for (const [kind, added] of [['js', Buffer.from('\n// build 2\n')],
        ['wasm', Buffer.from([0, 6, 5, ...Buffer.from('build')])]]) {
        const old = new RegExp(`varnholt\\.\\w+\\.${kind}`).exec(oldPage)[0];
        const body = Buffer.concat([readFileSync(join(dir, old)), added]);
        const name = `varnholt.${sha(body).slice(0, 12)}.${kind}`;
        writeFileSync(join(dir, name), body);
        newPage = newPage.replace(old, name);
        sw = sw.replace(`'${old}': '${sha(readFileSync(join(dir, old)))}'`,
            `'${name}': '${sha(body)}'`);
    }
    writeFileSync(join(dir, 'sw.js'), sw.replaceAll(sha(oldPage), sha(newPage))
        .replace(/(const CACHE = .*:)(\w+)';/, '$1build2\';'));
    // The new worker and script are there, the new page not yet: the worker is not taken, and
    // the page still runs its own build whole.
    assert.equal(await update(a), 'redundant');
    await a.reload();
    await ready(a);
    assert.deepEqual([await build(a), await computes(a)], ['1', '47.712125']);
    // Whole now: the open tabs offer it, and say so once.
    writeFileSync(join(dir, 'index.html'), newPage);
    assert.equal(await update(a), 'installed');
    await a.waitForSelector('#update:not([hidden])');
    assert.equal(await a.$eval('#said', (said) => said.textContent),
        'A new version of Varnholt Calculator is ready.');
    // C reaches the offer by F6 and puts it off with Esc: it stays away for that version, and
    // the calculator goes on.
    const c = await tab();
    await visit(c, 'c');
    await c.waitForSelector('#update:not([hidden])');
    await press(c, 'F6');
    assert.equal(await c.evaluate(() => document.activeElement.id), 'update-now');
    await press(c, 'Esc');
    assert.deepEqual([await shown(c), await c.evaluate(() => document.activeElement.dataset.id)],
        [false, 'IDC_LOSS_LENGTH']);
    // Offline, B loads build 1 and waits for its WebAssembly while A takes build 2.
    server.offline = true;
    server.server.closeAllConnections();
    const b = await tab();
    await b.evaluateOnNewDocument(() => {
        const fetch = window.fetch;
        const held = new Promise((resolve) => { window.release = resolve; });
        window.fetch = (url, ...rest) => (/\.wasm$/.test(String(url)) ?
            held.then(() => fetch(url, ...rest)) : fetch(url, ...rest));
    });
    await b.goto(`${server.url}c/`, {waitUntil: 'load'});
    await b.evaluate(() => navigator.serviceWorker.ready);
    await use(a, () => Promise.all([a.waitForNavigation(), a.click('#update-now')]));
    await ready(a);
    assert.deepEqual([await build(a), await computes(a)], ['2', '47.712125']);
    await b.evaluate(() => window.release());
    await Promise.race([idle(b), b.waitForSelector('#ended:not([hidden])')]);
    assert.equal(await b.$eval('#ended', (ended) => ended.hidden), true, 'B has stopped');
    assert.deepEqual([await build(b), await use(b, () => computes(b))], ['1', '47.712125']);
    // B's offer takes it; C's stays put off, and C runs build 1 until it is loaded again. Once
    // no tab runs build 1, it goes.
    await b.waitForSelector('#update:not([hidden])');
    await use(b, () => Promise.all([b.waitForNavigation(), b.click('#update-now')]));
    assert.deepEqual([await shown(c), await use(c, () => computes(c))], [false, '47.712125']);
    // Waits until the copy keeps `count` builds' caches.
    const builds = (count) => b.waitForFunction((scope, count) => caches.keys().then((names) =>
        names.filter((name) => name.startsWith(`varnholt:${scope}:`)).length === count),
    {}, `${server.url}c/`, count);
    await builds(2);
    await c.reload();
    await ready(c);
    assert.deepEqual([await build(b), await build(c), await computes(c)],
        ['2', '2', '47.712125']);
    await builds(1);
    server.offline = false;
    assert.deepEqual(errors, []);
    await context.close();
});
