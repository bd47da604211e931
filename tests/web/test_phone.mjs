// The site on touch screens, phones' and tablets', upright and on their side, with the keyboard
// down and up (the page shrunk by its height, as the page asks a browser to do): the reflowed
// layout, what floats over the page, and the box typed into with its result in the band the
// keyboard leaves, in every scheme.
//   node tests/web/test_phone.mjs    with SITE and NODE_PATH as for test_site.mjs
import assert from 'node:assert/strict';
import {test} from 'node:test';

import {idle, press} from '../../tools/browser.mjs';
import {at, done, keypads, open} from './site.mjs';

// What a reader of the open window meets: targets too small for a finger, the smallest text in
// a box, sideways scrolling, static texts that overflow their boxes, boxes out of template
// order, push buttons too close, the page's end past the window's, a focus ring no key asked
// for, a report box's text on its edge.
const measure = (page) => page.evaluate(() => {
    const win = document.querySelector('dialog[open]') || document.getElementById('IDD_CALCULATOR');
    const rect = (el) => el.getBoundingClientRect();
    const all = (selector) => [...win.querySelectorAll(selector)];
    const edits = all('.edit').map(rect);
    const [exit, about] = all('.bar > .button').map(rect);
    const focused = document.activeElement;
    return {
        small: all('input, textarea, button').filter((el) => rect(el).width > 0 &&
            (rect(el).width < 44 || rect(el).height < 44))
            .map((el) => el.dataset.id || el.className),
        text: Math.min(...all('.edit').map((el) => parseFloat(getComputedStyle(el).fontSize))),
        sideways: document.documentElement.scrollWidth > innerWidth,
        width: rect(win).width / innerWidth,
        overflowing: all('.static').filter((el) => el.scrollHeight > el.clientHeight + 1 ||
            el.scrollWidth > el.clientWidth + 1).map((el) => el.id),
        unordered: edits.some((r, i) => i && (r.top < edits[i - 1].top - 1 ||
            (r.top < edits[i - 1].bottom && r.left < edits[i - 1].right))),
        apart: about.left - exit.right,
        strip: document.scrollingElement.scrollHeight - (rect(win).bottom + scrollY),
        ring: focused.matches('.edit') && getComputedStyle(focused).outlineStyle !== 'none',
        edge: all('textarea').map((el) => parseFloat(getComputedStyle(el).paddingTop)),
        classic: getComputedStyle(win.querySelector('.edit')).position === 'absolute',
    };
});

// Every element fixed or sticky over the page takes every tap on what it paints, its outer
// shadows included; sampled every 6 pixels. Lists what a tap would pass through.
const passedThrough = (page) => page.evaluate(() => {
    const missed = [];
    for (const el of document.querySelectorAll('body *')) {
        const style = getComputedStyle(el);
        if (!['fixed', 'sticky'].includes(style.position) || !el.getClientRects().length) continue;
        const r = el.getBoundingClientRect();
        let [left, top, right, bottom] = [r.left, r.top, r.right, r.bottom];
        for (const shadow of style.boxShadow.split(/,(?![^(]*\))/)) {
            const [x, y, blur = 0, spread = 0] = (shadow.replace(/rgba?\([^)]*\)/, '')
                .match(/-?[\d.]+px/g) || []).map(parseFloat);
            if (/inset/.test(shadow) || x === undefined) continue;
            left = Math.min(left, r.left + x - blur - spread);
            top = Math.min(top, r.top + y - blur - spread);
            right = Math.max(right, r.right + x + blur + spread);
            bottom = Math.max(bottom, r.bottom + y + blur + spread);
        }
        for (let y = Math.max(0, top); y < Math.min(bottom, innerHeight); y += 6) {
            for (let x = Math.max(0, left); x < Math.min(right, innerWidth); x += 6) {
                const hit = document.elementFromPoint(x, y);
                if (!el.contains(hit)) missed.push(`${el.id} ${x},${y}`);
            }
        }
    }
    return missed.slice(0, 3);
});

// Whether box `id` lies wholly in the band the screen shows, uncovered at its centre and its
// corners; `line`, only the first line of its text.
const inView = (page, id, line = false) => page.$eval(at(id), (box, line) => {
    const r = box.getBoundingClientRect();
    const style = getComputedStyle(box);
    const bottom = line ? r.top + parseFloat(style.paddingTop) + parseFloat(style.fontSize) *
        1.25 : r.bottom;
    const band = window.visualViewport;
    if (r.top < band.offsetTop || bottom > band.offsetTop + band.height || r.left < 0 ||
        r.right > innerWidth) return false;
    return [[0.5, 0.5], [0, 0], [1, 0], [0, 1], [1, 1]].every(([h, v]) => {
        const x = Math.min(Math.max(r.left + h * r.width, r.left + 2), r.right - 2);
        const y = Math.min(Math.max(r.top + v * (bottom - r.top), r.top + 2), bottom - 2);
        return document.elementFromPoint(x, y) === box;
    });
}, line);

const schemes = [['prefers-color-scheme', 'light'], ['prefers-color-scheme', 'dark'],
    ['forced-colors', 'active']];
const groups = [['IDC_LOSS_LENGTH', 'IDC_LOSS_RESULT'], ['IDC_LOSS_SWR', 'IDC_LOSS_RESULT'],
    ['IDC_SWR_LOSS', 'IDC_SWR_RESULT'], ['IDC_SWR_LENGTH', 'IDC_SWR_RESULT']];
const screens = [
    // width, height, the keyboard's height
    [360, 640, 260], [390, 844, 290], [412, 915, 300], [640, 360, 190], [844, 390, 190],
    [768, 1024, 330], [1024, 768, 330],
];
for (const [width, height, keyboard] of screens) {
    test(`${width} x ${height}, a keyboard of ${keyboard}`, async () => {
        const page = await open({width, height, mobile: true, scale: 2});
        for (const window of ['calculator', 'About box']) {
            if (window === 'About box') {
                await page.tap(at('IDC_ABOUT'));
                await idle(page);
            }
            const m = await measure(page);
            const where = `${window}: ${JSON.stringify(m)}`;
            assert.deepEqual([m.small, m.sideways, m.overflowing, m.unordered, m.ring],
                [[], false, [], false, false], where);
            assert.ok(m.text >= 16 && m.width > 0.99 && m.apart >= 16, where);
            assert.ok(m.edge.every((p) => p >= 4), where);
            if (window === 'calculator') assert.ok(Math.abs(m.strip) < 0.5, where);
            for (const to of ['top', 'middle', 'end']) {
                await page.evaluate((to) => {
                    const scroller = document.querySelector('dialog[open]') ||
                        document.scrollingElement;
                    const end = scroller.scrollHeight - scroller.clientHeight;
                    scroller.scrollTop = {top: 0, middle: end / 2, end}[to];
                }, to);
                assert.deepEqual(await passedThrough(page), [], `${window}, at the ${to}`);
            }
        }
        await press(page, 'Esc');
        const session = await page.createCDPSession();
        for (const [round, [name, value]] of schemes.entries()) {
            await session.send('Emulation.setEmulatedMedia', {features: [{name, value}]});
            for (const [box, result] of groups) {
                await page.setViewport({...page.viewport(), height});
                await page.evaluate(() => window.scrollTo(0, 0));
                await page.tap(at(box));
                await page.setViewport({...page.viewport(), height: height - keyboard});
                await page.evaluate(() => new Promise((resolve) => // drawn twice: settled
                    requestAnimationFrame(() => requestAnimationFrame(resolve))));
                const before = await page.$eval(at(result), (el) => el.value);
                await press(page, `Ctrl+A, ${round + 2}`);
                const seen = [await inView(page, box), await inView(page, result),
                    height < width || await inView(page, 'IDC_MESSAGES', true),
                    await page.$eval(at(result), (el) => el.value) !== before];
                assert.deepEqual(seen, [true, true, true, true], `${value}: ${box}`);
            }
        }
        await done(page);
    });
}

// With a mouse: a page narrower than any phone reflows, the window shrinking with it; a
// desktop's keeps the classic window. No sideways scrolling, every static text within its box.
for (const [width, classic] of [[120, false], [800, true]]) {
    test(`a page ${width} pixels wide, with a mouse`, async () => {
        const page = await open({width, height: 600});
        for (const window of ['calculator', 'About box']) {
            if (window === 'About box') await page.click(at('IDC_ABOUT'));
            await idle(page);
            const m = await measure(page);
            assert.deepEqual([m.sideways, m.overflowing, m.classic], [false, [], classic], window);
        }
        await done(page);
    });
}

// A finger's ways: once one is pressed, the boxes ask for the keypad of digits and a point (the
// browser's language writes a point); the title bar's icon opens the window menu, its items 44 pixels high, with
// the browser's offer to install the site as a command of its own until it is taken; a long
// press on a label opens no menu.
test('a finger: the keypad, the window menu and installing, a long press', async () => {
    const page = await open({width: 390, height: 844, mobile: true});
    await page.tap(at('IDC_SWR_LOSS'));
    assert.equal(await keypads(page), 'decimal,decimal,true,decimal,decimal,true');
    await page.evaluate(() => {
        const offer = new Event('beforeinstallprompt', {cancelable: true});
        offer.prompt = () => Promise.resolve(window.prompted = true);
        window.dispatchEvent(offer);
    });
    const menu = () => page.$$eval('#IDD_CALCULATOR .menu [role=menuitem]', (items) =>
        items.map((item) => [item.textContent, item.getBoundingClientRect().height >= 44]));
    await page.tap('#IDD_CALCULATOR .sysicon');
    assert.deepEqual(await menu(), [['Close', true], ['About Varnholt...', true],
        ['Install as an app', true]]);
    await page.tap('#IDD_CALCULATOR .menu .install');
    await page.tap('#IDD_CALCULATOR .sysicon');
    assert.deepEqual([await page.evaluate(() => window.prompted), (await menu()).length],
        [true, 2]);
    await page.tap('#IDD_CALCULATOR .caption');
    assert.equal(await page.evaluate(() => {
        const label = document.querySelector('#IDD_CALCULATOR label');
        label.dispatchEvent(new PointerEvent('pointerdown', {pointerType: 'touch',
            bubbles: true}));
        label.dispatchEvent(new MouseEvent('contextmenu', {bubbles: true}));
        return document.querySelector('#IDD_CALCULATOR .menu').hidden;
    }), true);
    await done(page);
});
