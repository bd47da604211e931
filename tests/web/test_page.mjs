// The page for each reader: forced colours, dark, what a screen reader finds and hears, the
// keyboard a box asks for, a copy the browser refuses, input beyond a box's size, and the page
// stopping rather than sitting silent. The layout on each screen: test_phone.mjs.
//   node tests/web/test_page.mjs    with SITE and NODE_PATH as for test_site.mjs
import assert from 'node:assert/strict';
import {createRequire} from 'node:module';
import {test} from 'node:test';

import {idle, press} from '../../tools/browser.mjs';
import {at, done, focus, keypads, open, start, texts} from './site.mjs';

const axe = createRequire(import.meta.url).resolve('axe-core/axe.min.js');

// Forced colours keep the layout (the font is measured as well there) and show the menu's
// focused item in the system's colours. Text has 4.5:1 contrast, the boxes' edges 3:1 against
// what they stand on, and the title bars' glyph buttons (the About box's menu sign, the close
// boxes) 3:1 against both ends of their bar, light and dark. In every scheme a box that shows a
// result looks other than one typed into.
test('forced colours, light and dark', async () => {
    const page = await open({bypassCSP: true});
    const session = await page.createCDPSession();
    const layout = () => page.evaluate(() => [...document.querySelectorAll('#IDD_CALCULATOR *')]
        .map((el) => el.getBoundingClientRect()).map((r) => [r.left, r.top, r.width, r.height]));
    const classic = await layout();
    const scheme = async (name, value) => {
        await session.send('Emulation.setEmulatedMedia', {features: [{name, value}]});
        await start(page, () => page.reload());
        assert.ok(await page.$$eval([at('IDC_LOSS_LENGTH'), at('IDC_LOSS_RESULT')].join(),
            (boxes) => new Set(boxes.map((box) => ['backgroundColor', 'borderTopStyle']
                .map((key) => getComputedStyle(box)[key]).join())).size === 2), value);
    };
    await scheme('forced-colors', 'active');
    assert.deepEqual(await layout(), classic);
    await press(page, 'Alt+Space');
    assert.deepEqual(await page.evaluate(() => {
        const item = getComputedStyle(document.activeElement);
        const probe = document.body.appendChild(document.createElement('i'));
        probe.style.background = 'Highlight';
        return [item.outlineStyle,
            item.backgroundColor === getComputedStyle(probe).backgroundColor];
    }), ['solid', true]);
    for (const value of ['light', 'dark']) {
        await scheme('prefers-color-scheme', value);
        await page.addScriptTag({path: axe});
        await page.evaluate(() => {
            const luminance = (color) => {
                const [r, g, b] = color.match(/[\d.]+/g).slice(0, 3).map((v) => {
                    const c = v / 255;
                    return c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
                });
                return 0.2126 * r + 0.7152 * g + 0.0722 * b + 0.05;
            };
            window.contrast = (a, b) => Math.max(luminance(a), luminance(b)) /
                Math.min(luminance(a), luminance(b));
        });
        const result = await page.evaluate(async () => {
            const found = await axe.run('#IDD_CALCULATOR', {runOnly: ['color-contrast']});
            const face = getComputedStyle(document.getElementById('IDD_CALCULATOR'))
                .backgroundColor;
            return {violations: found.violations.map((v) => v.nodes.length),
                edges: [...document.querySelectorAll('#IDD_CALCULATOR .edit')].map((el) => {
                    const style = getComputedStyle(el);
                    return Math.min(contrast(style.borderTopColor, face),
                        contrast(style.borderTopColor, style.backgroundColor));
                })};
        });
        assert.deepEqual(result.violations, [], value);
        assert.ok(result.edges.every((r) => r >= 3), `${value}: ${result.edges}`);
        await page.click(at('IDC_ABOUT'));
        await idle(page);
        const glyphs = await page.$$eval('.titlebar button:not(:has(.drawn))', (buttons) =>
            buttons.flatMap((glyph) => {
                const style = (el) => getComputedStyle(el);
                const own = style(glyph).backgroundColor;
                const bar = style(glyph.parentElement).backgroundImage.match(/rgba?\([^)]*\)/g);
                return (/, 0\)$/.test(own) ? bar : [own])
                    .map((c) => contrast(style(glyph).color, c));
            }));
        assert.ok(glyphs.length === 4 && glyphs.every((r) => r >= 3), `${value}: ${glyphs}`);
    }
    await done(page);
});

// A box is named after its label (or frame) and described by its group, a button by its text,
// the picture in words. Each result or message shown is said once through the window's polite
// live region, and a change that leaves the boxes as they were says nothing. A static text that
// names no box is no label; the ended page is a main landmark with a heading.
test('what a screen reader finds and hears', async () => {
    const page = await open();
    for (const [selector, name, description] of [
        [at('IDC_SWR_RESULT'), 'SWR:', 'SWR from Cable Loss'],
        [at('IDC_MESSAGES'), 'Program messages', ''],
        ['#IDD_CALCULATOR canvas.image', 'A pocket calculator joined by a cable to an antenna', ''],
    ]) {
        const ax = await page.accessibility.snapshot({root: await page.$(selector),
            interestingOnly: false});
        assert.deepEqual([ax.name || '', ax.description || ''], [name, description], selector);
    }
    const heard = async () => {
        const live = await page.$('#IDD_CALCULATOR .live');
        const ax = await page.accessibility.snapshot({root: live, interestingOnly: false});
        await page.evaluate((el) => { el.textContent = ''; }, live);
        return [ax.role, ax.live, (ax.children || []).map((child) => child.name).join(' ')];
    };
    await press(page, '5');
    assert.deepEqual(await heard(), ['status', 'polite',
        'dB/100m: Currently incalculatable Program messages: SWR must be greater than 1']);
    await press(page, 'x');
    assert.deepEqual(await heard(), ['status', 'polite', '']);
    await press(page, 'Tab, 2');
    assert.deepEqual(await heard(), ['status', 'polite', 'dB/100m: 95.424251']);
    assert.equal(await page.$$eval('label:not([for])', (labels) => labels.length), 0);
    await press(page, 'Esc');
    const ended = await page.accessibility.snapshot({root: await page.$('#ended')});
    assert.deepEqual([ended.role, ended.children[0].role, ended.children[0].level],
        ['main', 'heading', 1]);
    await done(page);
});

// In a language that writes a comma, which would end the number, the boxes ask for the text
// keyboard (where it writes a point, the keypad: test_phone.mjs). Where the browser refuses both
// ways of copying, the address stays selected and the box says how to copy it by hand. Text
// beyond a box's 32,767 characters is cut before a character, and the program goes on.
test('a language with a decimal comma, a refused copy, too much text', async () => {
    const page = await open({refuseCopy: true, locale: 'de-DE'});
    await page.click(at('IDC_LOSS_SWR'));
    assert.equal(await keypads(page), ',,true,,,true');
    await page.click(at('IDC_ABOUT'));
    await page.click(at('IDC_COPY'));
    await idle(page);
    assert.deepEqual(await page.evaluate(() => {
        const box = document.querySelector('[data-id=IDC_WEB_ADDRESS]');
        const tell = document.querySelector('#IDD_ABOUT .tell');
        return [box.selectionEnd - box.selectionStart === box.value.length, tell.hidden,
            /copy it with the browser/.test(tell.textContent)];
    }), [true, false, true]);
    await press(page, 'Esc');
    await page.evaluate(() => {
        for (const [id, text] of [['IDC_LOSS_LENGTH', '2'], ['IDC_SWR_LOSS', '\u{1F4E1}']]) {
            const box = document.querySelector(`[data-id=${id}]`);
            box.value = text.repeat(2750000 / text.length);
            box.dispatchEvent(new InputEvent('input', {bubbles: true}));
        }
    });
    await focus(page, 'IDC_LOSS_SWR');
    await press(page, '3');
    const now = await texts(page);
    assert.deepEqual(now.map((t) => t.length), [32767, 1, 8, 32766, 0, 8, 0]);
    assert.equal(now[3], '\u{1F4E1}'.repeat(16383));
    await done(page);
});

// The page never sits silent: where its script, style sheet or WebAssembly cannot be had (a
// site uploaded page first), the program stops on its own, or an error escapes an event of the
// page's scripts, it says that the calculator has stopped and offers to start it again.
const stops = [
    ['its script missing', /varnholt\.\w+\.js$/],
    ['its style sheet missing', /style\.\w+\.css$/],
    ['its WebAssembly missing', /\.wasm$/],
    ['the program stopping', null, () => abort('a test')],
    ['an error in an event', null, () => {
        const box = document.querySelector('[data-id=IDC_LOSS_LENGTH]');
        Object.defineProperty(box, 'maxLength', {get: () => {
            throw new Error('a test');
        }});
        box.dispatchEvent(new InputEvent('input', {bubbles: true}));
    }],
];
for (const [what, missing, stop] of stops) {
    test(`${what}: the page says the calculator has stopped`, async () => {
        const page = await open({missing});
        if (stop) await page.evaluate(stop).catch(() => {});
        await page.waitForSelector('#ended:not([hidden])', {timeout: 5000});
        assert.deepEqual(await page.evaluate(() => [document.querySelector('#ended h1')
            .textContent, document.querySelector('[data-dialogs]').hidden,
        document.activeElement.id]), ['Varnholt Calculator has stopped.', true, 'restart']);
        page.errors = page.errors.filter((e) => !/a test/.test(e));
        if (missing) page.errors = [];
        await done(page);
    });
}
