// The page's own side: what a screen reader finds in it, a phone's screen, and a reload without
// a network.
//   node tests/web/test_page.mjs    with SITE and NODE_PATH as for test_site.mjs
import assert from 'node:assert/strict';
import {test} from 'node:test';

import {idle, press} from './browser.mjs';
import {at, done, open, server, start, texts} from './site.mjs';

const shown = (page) => page.evaluate(() => ['IDC_LOSS_RESULT', 'IDC_SWR_RESULT', 'IDC_MESSAGES']
    .map((id) => document.querySelector(`[data-id="${id}"]`).value).join(' | '));

// What a screen reader finds: a box named after its label (or frame) and described by its
// group, a button by its text; the picture and the icons in words.
test('screen-reader names and descriptions', async () => {
    const page = await open();
    const loss = 'Cable Loss from SWR', swr = 'SWR from Cable Loss';
    const rows = [
        [at('IDC_LOSS_LENGTH'), 'Cable Length (m):', loss],
        [at('IDC_SWR_RESULT'), 'SWR:', swr],
        [at('IDC_MESSAGES'), 'Program messages', ''],
        [at('IDC_ABOUT'), 'About', ''],
        ['#IDD_CALCULATOR canvas.image', 'A pocket calculator joined by a cable to an antenna', ''],
        [at('IDC_WEB_ADDRESS'),
            'For more information on this topic, visit the web page of the Varnholt authors:', ''],
        [at('IDC_COPY'), 'Copy', ''],
        ['#IDD_ABOUT canvas.image', 'Varnholt Calculator', ''],
    ];
    for (const [selector, name, description] of rows) {
        if (selector === at('IDC_WEB_ADDRESS')) { // the calculator is hidden from it meanwhile
            await page.click(at('IDC_ABOUT'));
            await idle(page);
        }
        const ax = await page.accessibility.snapshot({
            root: await page.$(selector), interestingOnly: false,
        });
        assert.deepEqual([ax.name || '', ax.description || ''], [name, description], selector);
    }
    await done(page);
});

// On a phone's screen the dialog fits without sideways scrolling, and typing shows results;
// the picture and the icon have at least a pixel of their own for each of the screen's.
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
    await page.tap(at('IDC_SWR_LOSS'));
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
