// Shared by the site's tests: the built site served on 127.0.0.1, Debian's Chromium, and a fresh
// page with the calculator open on it, its boxes read back by their ID names.
import assert from 'node:assert/strict';
import {after, before} from 'node:test';

import {idle, launch} from '../../tools/browser.mjs';
import {serve} from '../../tools/serve.mjs';

const site = process.env.SITE;
assert.ok(site, 'SITE names the built site');
export const address = 'https://varnholt.example.org/';
export const boxes = ['IDC_LOSS_LENGTH', 'IDC_LOSS_SWR', 'IDC_LOSS_RESULT', 'IDC_SWR_LOSS',
    'IDC_SWR_LENGTH', 'IDC_SWR_RESULT', 'IDC_MESSAGES'];
export const at = (id) => `[data-id="${id}"]`;

export let server;
export let browser;
let closeBrowser;
before(async () => {
    server = await serve(site);
    ({browser, close: closeBrowser} = await launch());
});

after(async () => {
    await closeBrowser();
    server.server.close();
});

// A fresh page in a context of its own (its own storage, service worker and clipboard), the
// calculator open on it; on a phone's screen (mobile) with touch, in the browser's language
// `locale`, without the page's policy (bypassCSP, for injected checks), or with a clipboard the
// browser refuses (refuseCopy), or with the files whose address matches `missing` not found.
// Every write of an edit box's text is counted by its ID name; every request and every page
// error is kept.
export async function open({width = 800, height = 600, mobile = false, scale = 1, locale,
    bypassCSP = false, refuseCopy = false, missing} = {}) {
    const context = await browser.createBrowserContext();
    await context.overridePermissions(server.url, ['clipboard-read', 'clipboard-write',
        'clipboard-sanitized-write']);
    const page = await context.newPage();
    page.requests = [];
    page.errors = [];
    page.on('request', (request) => page.requests.push(request.url()));
    page.on('pageerror', (error) => page.errors.push(error.message));
    await page.setViewport({width, height, isMobile: mobile, hasTouch: mobile,
        deviceScaleFactor: scale});
    await page.setBypassCSP(bypassCSP);
    if (missing) {
        await page.setRequestInterception(true);
        page.on('request', (request) => (missing.test(request.url()) ?
            request.respond({status: 404, body: 'not found'}) : request.continue()));
    }
    if (locale) {
        const session = await page.createCDPSession();
        await session.send('Emulation.setLocaleOverride', {locale});
    }
    await page.evaluateOnNewDocument((refuse) => {
        window.writes = {};
        for (const type of [HTMLInputElement, HTMLTextAreaElement]) {
            const value = Object.getOwnPropertyDescriptor(type.prototype, 'value');
            Object.defineProperty(type.prototype, 'value', {
                get: value.get,
                set: function(text) {
                    window.writes[this.dataset.id] = (window.writes[this.dataset.id] || 0) + 1;
                    value.set.call(this, text);
                },
            });
        }
        if (refuse) {
            navigator.clipboard.writeText = () =>
                Promise.reject(new DOMException('', 'NotAllowedError'));
            document.execCommand = () => false;
        }
    }, refuseCopy);
    page.context = context;
    await start(page, () => page.goto(server.url), !missing);
    return page;
}

// Waits until the page shows the calculator and, where the program is to run (`runs`), until it
// waits for input; start, once `load` has loaded the page.
export async function ready(page, runs = true) {
    await page.waitForSelector('#IDD_CALCULATOR:not([hidden])');
    if (runs) await idle(page);
}
export async function start(page, load, runs = true) {
    await load();
    await ready(page, runs);
}

export async function done(page) {
    assert.deepEqual(page.errors, []);
    await page.context.close();
}

export const texts = (page) => page.evaluate((ids) => ids.map((id) =>
    document.querySelector(`[data-id="${id}"]`).value), boxes);

export async function focus(page, id) {
    await page.focus(at(id));
    await idle(page);
}

// What keyboard the boxes ask for: the keypad of digits and a point ("decimal") or the text
// keyboard (""); read-only boxes none ("true").
export const keypads = (page) => page.evaluate(() => [...document.querySelectorAll('input.edit')]
    .map((el) => el.readOnly || el.inputMode).join());

export const focused = (page) => page.evaluate(() =>
    document.activeElement && document.activeElement.dataset.id);

// What a test reads after its keys: the open modal box, the ended page, or the focus.
export const where = (page) => page.evaluate(() => {
    if (document.querySelector('dialog[open]')) return document.querySelector('dialog[open]').id;
    if (!document.getElementById('ended').hidden) return 'ended';
    return document.activeElement && document.activeElement.dataset.id;
});

