// The site in headless Chromium, served on 127.0.0.1 as a static host serves it: typing and what
// the calculator shows, the dialog keys, the About box, the ended page, what a screen reader
// finds, a phone's screen, and a reload without a network.
//   node tests/web/test_site.mjs    with SITE naming the built site (build-web/site) and NODE_PATH
//                                   the folder that holds puppeteer-core
import assert from 'node:assert/strict';
import {after, before, describe, test} from 'node:test';

import {idle, launch, press} from './browser.mjs';
import {serve} from './serve.mjs';

const site = process.env.SITE;
assert.ok(site, 'SITE names the built site');
const address = 'https://varnholt.example.org/';
const boxes = ['IDC_LOSS_LENGTH', 'IDC_LOSS_SWR', 'IDC_LOSS_RESULT', 'IDC_SWR_LOSS',
    'IDC_SWR_LENGTH', 'IDC_SWR_RESULT', 'IDC_MESSAGES'];

let server;
let browser;
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
// calculator open on it. Every write of an edit box's text is counted, so that a test can tell
// which boxes the write-back touched; every request and every page error is kept.
async function open({width = 800, height = 600, mobile = false, scale = 1} = {}) {
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
    await page.evaluateOnNewDocument(() => {
        window.writes = {};
        for (const type of [HTMLInputElement, HTMLTextAreaElement]) {
            const value = Object.getOwnPropertyDescriptor(type.prototype, 'value');
            Object.defineProperty(type.prototype, 'value', {
                get: value.get,
                set: function(text) {
                    window.writes[this.id] = (window.writes[this.id] || 0) + 1;
                    value.set.call(this, text);
                },
            });
        }
    });
    page.context = context;
    await start(page, () => page.goto(server.url));
    return page;
}

async function start(page, load) {
    await load();
    await page.waitForSelector('#IDD_CALCULATOR:not([hidden])');
    await idle(page);
}

async function done(page) {
    assert.deepEqual(page.errors, []);
    await page.context.close();
}

// The two results and the message box, as the Qt window test writes them.
function shown(page) {
    return page.evaluate(() => ['IDC_LOSS_RESULT', 'IDC_SWR_RESULT', 'IDC_MESSAGES']
        .map((id) => document.getElementById(id).value).join(' | '));
}

function texts(page) {
    return page.evaluate((ids) => ids.map((id) => document.getElementById(id).value), boxes);
}

function focused(page) {
    return page.evaluate(() => document.activeElement && document.activeElement.id);
}

async function focus(page, id) {
    await page.focus(`#${id}`);
    await idle(page);
}

// The state a test reads after its keys: the open modal box, the ended page, or the focus.
function where(page) {
    return page.evaluate(() => {
        if (document.querySelector('dialog[open]')) return document.querySelector('dialog[open]').id;
        if (!document.getElementById('ended').hidden) return 'ended';
        return document.activeElement && document.activeElement.id;
    });
}

describe('typing', () => {
    const L = 'IDC_LOSS_LENGTH', S = 'IDC_LOSS_SWR', D = 'IDC_SWR_LOSS', M = 'IDC_SWR_LENGTH';
    const swrLow = 'Currently incalculatable |  | SWR must be greater than 1';
    const swrBorder = 'Infinity |  | The current value is the border case';
    const q = '95.424251 | 86.862734 | '; // length 5, SWR 2; loss 5, length 2
    const scripts = {
        'opens empty, focus in the first length': [[null, '', ' |  | ']],
        'length 5, SWR 1.5 -> 139.794001': [[L, '5', swrLow], [S, '1', swrBorder],
            [null, '.', swrBorder], [null, '5', '139.794001 |  | ']],
        'loss 5, length 20 -> 8.724232': [
            [D, '5', ' | Infinity | The current value is the border case.'],
            [M, '2', ' | 86.862734 | '], [null, '0', ' | 8.724232 | ']],
        'other group\'s result kept, latest message shown, empty is 0': [
            [L, '5', swrLow],
            [D, '5', 'Currently incalculatable | Infinity | The current value is the border case.'],
            [M, '2', 'Currently incalculatable | 86.862734 | '],
            [S, '2', q],
            [L, 'Backspace', 'Infinity | 86.862734 | The current value is the border case.'],
            [null, '5', q],
            [D, 'Ctrl+A', q],
            [null, 'Ctrl+X', '95.424251 | Infinity | The current value is the border case'],
            [null, 'Ctrl+V', q]],
        'pasted text with a comma, a blank and a micro sign: read up to them': [
            [L, 'paste:2,5', 'Currently incalculatable |  | SWR must be greater than 1'],
            [S, 'paste:1.5 µ', '349.485002 |  | ']],
    };
    for (const [name, script] of Object.entries(scripts)) {
        // After every step the outputs; the boxes written are those whose text changed, each
        // once, so that the write-back leaves the others (caret, selection, undo) alone.
        test(name, async () => {
            const page = await open();
            assert.equal(await focused(page), L);
            for (const [box, keys, want] of script) {
                if (box) await focus(page, box);
                const before = await texts(page);
                await page.evaluate(() => { window.writes = {}; });
                if (keys.startsWith('paste:')) {
                    await page.keyboard.sendCharacter(keys.slice(6));
                    await idle(page);
                } else {
                    await press(page, keys);
                }
                assert.equal(await shown(page), want, `after ${keys}`);
                const now = await texts(page);
                const written = Object.fromEntries(boxes.filter((id, i) => now[i] !== before[i] &&
                    ![L, S, D, M].includes(id)).map((id) => [id, 1]));
                const writes = await page.evaluate(() => window.writes);
                assert.deepEqual(writes, written, `boxes written after ${keys}`);
            }
            await done(page);
        });
    }
});

describe('keys', () => {
    const rows = [];
    const row = (from, keys, after) => rows.push([from, keys, after]);
    for (const name of boxes) row(name, 'Return', name);
    row('IDC_LOSS_SWR', 'Num+Enter', 'IDC_LOSS_SWR');
    row('IDCANCEL', 'Return', 'ended');
    row('IDCANCEL', 'Space', 'ended');
    row('IDC_LOSS_LENGTH', 'Esc', 'ended');
    row('IDC_SWR_LOSS', 'close', 'ended');
    row('IDC_SWR_LENGTH', 'Alt+Space, c', 'ended'); // the window menu's Close
    row('IDC_ABOUT', 'Return', 'IDD_ABOUT');
    row('IDC_LOSS_SWR', 'F1', 'IDC_LOSS_SWR'); // the help command, which has nothing to show
    row('IDC_SWR_LENGTH', 'Alt+C', 'IDC_LOSS_LENGTH');
    row('IDC_MESSAGES', 'Alt+S', 'IDC_LOSS_SWR');
    row('IDC_ABOUT', 'Alt+D', 'IDC_SWR_LOSS');
    row('IDC_LOSS_RESULT', 'Alt+L', 'IDC_SWR_LENGTH');
    const order = ['IDC_LOSS_LENGTH', 'IDC_LOSS_SWR', 'IDC_LOSS_RESULT', 'IDC_SWR_LOSS',
        'IDC_SWR_LENGTH', 'IDC_SWR_RESULT', 'IDCANCEL', 'IDC_MESSAGES', 'IDC_ABOUT'];
    order.forEach((name, i) => {
        row(name, 'Tab', order[(i + 1) % order.length]);
        row(order[(i + 1) % order.length], 'Shift+Tab', name);
    });
    for (const name of ['IDC_LOSS_RESULT', 'IDC_MESSAGES']) {
        for (const keys of ['9', 'Backspace', 'Ctrl+A, Ctrl+X', 'Ctrl+V']) row(name, keys, name);
    }

    // Where the focus goes, or what opens or ends; no text changes. One page for the rows that
    // leave the calculator running, a fresh one after each that ends it.
    let page;
    before(async () => { page = await open(); });
    after(async () => { await done(page); });
    for (const [from, keys, after] of rows) {
        test(`${keys} in ${from} -> ${after}`, async () => {
            await page.evaluate(() => navigator.clipboard.writeText('77'));
            await focus(page, 'IDC_LOSS_LENGTH');
            await press(page, 'Ctrl+A, 5, Tab');
            await focus(page, 'IDC_SWR_LOSS');
            await press(page, 'Ctrl+A, 5');
            const before = await texts(page);
            await focus(page, from);
            if (keys === 'close') {
                await page.click('#IDD_CALCULATOR .close');
                await idle(page);
            } else {
                await press(page, keys);
            }
            assert.equal(await where(page), after);
            assert.equal(await page.evaluate(() => navigator.clipboard.readText()), '77');
            if (after === 'ended') {
                // The page offers to start the calculator again, which opens as at first.
                assert.equal(await focused(page), 'restart');
                await start(page, () => Promise.all([page.waitForNavigation(),
                    page.keyboard.press('Enter')]));
                assert.deepEqual(await texts(page), ['', '', '', '', '', '', '']);
                return;
            }
            assert.deepEqual(await texts(page), before);
            if (after === 'IDD_ABOUT') await press(page, 'Esc');
        });
    }
});

describe('About box', () => {
    const icon = async (page) => {
        await page.click('#IDD_CALCULATOR .sysicon');
        await page.click('#IDD_CALCULATOR .menu [role=menuitem]:last-child');
    };
    // How the box is opened, and where the focus is before, to which it comes back.
    const opens = {
        'About button': [(page) => page.click('#IDC_ABOUT'), 'IDC_ABOUT'],
        'Enter on About': [async (page) => {
            await focus(page, 'IDC_ABOUT');
            await press(page, 'Return');
        }, 'IDC_ABOUT'],
        'window menu from the icon': [icon, 'IDC_LOSS_SWR'],
        'window menu from Alt+Space, A': [(page) => press(page, 'Alt+Space, a'), 'IDC_LOSS_SWR'],
        'window menu from a right-click on the background': [async (page) => {
            await page.click('#IDD_CALCULATOR .client', {button: 'right', offset: {x: 4, y: 4}});
            await press(page, 'End, Return');
        }, 'IDC_LOSS_SWR'],
    };
    const actions = {
        'Enter on OK': ['Return', false],
        'keypad Enter on OK': ['Num+Enter', false],
        'Esc': ['Esc', false],
        'Enter in the address box': ['Tab, Return', false],
        'Enter on Copy copies': ['Tab, Tab, Return', true],
        'Copy clicked, part selected, copies all': ['click', true],
    };
    const cases = Object.keys(opens).map((how, i) => [how, Object.keys(actions)[i]])
        .concat([['About button', 'Enter on Copy copies'],
                 ['About button', 'Copy clicked, part selected, copies all']]);
    // The box is modal over the calculator, which keeps its texts and takes no input; its keys,
    // and its copy of the whole address.
    for (const [how, action] of cases) {
        test(`${how}, ${action}`, async () => {
            const page = await open();
            await press(page, '2, 5, Tab, 1, 2');
            const before = await texts(page);
            await page.evaluate(() => navigator.clipboard.writeText('before'));
            const [openBox, returnsTo] = opens[how];
            await openBox(page);
            await idle(page);
            assert.equal(await where(page), 'IDD_ABOUT');
            assert.equal(await focused(page), 'IDOK');
            await page.evaluate(() => document.getElementById('IDC_LOSS_SWR').focus());
            await press(page, '9');
            await page.click('#IDC_ABOUT').catch(() => {});
            await idle(page);
            assert.deepEqual(await texts(page), before);
            assert.equal(await where(page), 'IDD_ABOUT');
            await focus(page, 'IDOK');
            const [keys, copies] = actions[action];
            if (keys === 'click') {
                await page.evaluate(() => document.getElementById('IDC_WEB_ADDRESS')
                    .setSelectionRange(8, 15));
                await page.click('#IDC_COPY');
                await idle(page);
            } else {
                await press(page, keys);
            }
            assert.equal(await where(page), copies ? 'IDD_ABOUT' : returnsTo);
            assert.equal(await page.evaluate(() => navigator.clipboard.readText()),
                copies ? address : 'before');
            assert.deepEqual(await texts(page), before);
            await done(page);
        });
    }
});

describe('the page', () => {
    // What a screen reader finds: a box named after its label (or frame) and described by its
    // group, a button by its text; the picture and the icons in words.
    test('screen-reader names and descriptions', async () => {
        const page = await open();
        const loss = 'Cable Loss from SWR', swr = 'SWR from Cable Loss';
        const rows = [
            ['IDC_LOSS_LENGTH', 'Cable Length (m):', loss],
            ['IDC_LOSS_SWR', 'SWR:', loss],
            ['IDC_LOSS_RESULT', 'dB/100m:', loss],
            ['IDC_SWR_LOSS', 'dB/100m:', swr],
            ['IDC_SWR_LENGTH', 'Cable Length (m):', swr],
            ['IDC_SWR_RESULT', 'SWR:', swr],
            ['IDC_MESSAGES', 'Program messages', ''],
            ['IDC_ABOUT', 'About', ''],
            ['IDD_CALCULATOR canvas.image', 'A pocket calculator joined by a cable to an antenna', ''],
            ['IDC_WEB_ADDRESS',
                'For more information on this topic, visit the web page of the Varnholt authors:', ''],
            ['IDC_COPY', 'Copy', ''],
            ['IDD_ABOUT canvas.image', 'Varnholt Calculator', ''],
        ];
        for (const [selector, name, description] of rows) {
            if (selector === 'IDC_WEB_ADDRESS') { // the calculator is hidden from it meanwhile
                await page.click('#IDC_ABOUT');
                await idle(page);
            }
            const ax = await page.accessibility.snapshot({
                root: await page.$(`#${selector}`), interestingOnly: false,
            });
            assert.deepEqual([ax.name || '', ax.description || ''], [name, description], selector);
        }
        await done(page);
    });

    // On a phone's screen the dialog fits without sideways scrolling, and typing shows results;
    // the boxes ask for the plain keyboard, which has the point in every language; the picture
    // and the icon have at least a pixel of their own for each of the screen's.
    test('a 360 x 640 phone, 3 pixels to the CSS pixel', async () => {
        const page = await open({width: 360, height: 640, mobile: true, scale: 3});
        const fits = await page.evaluate(() => ({
            scroll: document.documentElement.scrollWidth,
            right: document.getElementById('IDD_CALCULATOR').getBoundingClientRect().right,
            keypads: [...document.querySelectorAll('input')].map((i) => i.inputMode + i.type),
            images: [...document.querySelectorAll('#IDD_CALCULATOR canvas')].map((c) =>
                [c.width, c.height, c.offsetWidth * devicePixelRatio,
                    c.offsetHeight * devicePixelRatio]),
        }));
        assert.ok(fits.scroll <= 360 && fits.right <= 360, JSON.stringify(fits));
        assert.ok(fits.keypads.every((k) => k === 'text'), fits.keypads.join());
        assert.equal(fits.images.length, 2);
        for (const [width, height, screenWidth, screenHeight] of fits.images) {
            assert.ok(width >= screenWidth && height >= screenHeight, JSON.stringify(fits.images));
        }
        await page.tap('#IDC_SWR_LOSS');
        await press(page, '5, Tab, 2, 0');
        assert.equal(await shown(page), ' | 8.724232 | ');
        await done(page);
    });

    // After one visit the site comes from its service worker: a reload without a network shows
    // the calculator, and it computes. The page asks for its own files only, under its policy,
    // and keeps nothing of what was typed.
    test('offline after one visit, own files only, nothing stored', async () => {
        const page = await open();
        await page.evaluate(() => navigator.serviceWorker.ready);
        await press(page, '1, 0, Tab, 2');
        const response = await page.goto(server.url);
        assert.match(response.headers()['content-security-policy'], /script-src 'self'/);
        await page.setOfflineMode(true);
        await start(page, () => page.reload());
        assert.deepEqual(await texts(page), ['', '', '', '', '', '', '']);
        await press(page, '1, 0, Tab, 2');
        assert.equal(await shown(page), '47.712125 |  | ');
        const origin = new URL(server.url).origin;
        assert.deepEqual(page.requests.filter((url) => new URL(url).origin !== origin), []);
        const stored = await page.evaluate(async () => ({
            local: localStorage.length,
            session: sessionStorage.length,
            databases: (await indexedDB.databases()).length,
            cookies: document.cookie,
        }));
        assert.deepEqual(stored, {local: 0, session: 0, databases: 0, cookies: ''});
        await page.setOfflineMode(false);
        await done(page);
    });
});
