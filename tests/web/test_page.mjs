// The page for each reader: the layout on each screen (a phone's reflowed, a desktop's classic),
// forced colours, dark, what a screen reader finds and hears, the keypad, touch, a copy the
// browser refuses, input beyond a box's size, and the program stopping.
//   node tests/web/test_page.mjs    with SITE and NODE_PATH as for test_site.mjs
import assert from 'node:assert/strict';
import {createRequire} from 'node:module';
import {test} from 'node:test';

import {idle, press} from '../../tools/browser.mjs';
import {at, done, focus, open, start, texts} from './site.mjs';

const axe = createRequire(import.meta.url).resolve('axe-core/axe.min.js');

// What a reader of the open window meets, measured in the page: its targets, the text size in
// its boxes, whether the page scrolls sideways, the static texts that overflow their boxes, and
// where the push buttons are.
const measure = (page) => page.evaluate(() => {
    const win = document.querySelector('dialog[open]') || document.getElementById('IDD_CALCULATOR');
    const rect = (el) => el.getBoundingClientRect();
    const buttons = [...win.querySelectorAll('.client > .button')].map(rect);
    return {
        small: [...win.querySelectorAll('input, textarea, button')].filter((el) =>
            rect(el).width > 0 && (rect(el).width < 44 || rect(el).height < 44))
            .map((el) => el.dataset.id || el.className),
        text: Math.min(...[...win.querySelectorAll('.edit')].map((el) =>
            parseFloat(getComputedStyle(el).fontSize))),
        sideways: document.documentElement.scrollWidth > innerWidth,
        width: rect(win).width / innerWidth,
        overflowing: [...win.querySelectorAll('.static')].filter((el) =>
            el.scrollHeight > el.clientHeight + 1 || el.scrollWidth > el.clientWidth + 1)
            .map((el) => el.id),
        tops: [...win.querySelectorAll('.edit')].map((el) => rect(el).top),
        buttons: buttons.map((r) =>
            [Math.round(r.left), Math.round(r.right), r.bottom <= innerHeight]),
        classic: getComputedStyle(win.querySelector('.edit')).position === 'absolute',
    };
});

// The boxes ask for the keypad of digits and a point where the browser's language writes a
// point (as on the phones above), for the text keyboard where it writes a comma, which would end
// the number.
const keypads = (page) => page.evaluate(() => [...document.querySelectorAll('input.edit')]
    .map((el) => el.readOnly || el.inputMode).join());
// A phone reflows each window into the screen's width, every target large enough for a finger,
// the boxes' text large enough that no phone zooms in, in template order, the push buttons apart
// at the bottom; a desktop keeps the classic window, every static text within its box.
const screens = [
    ['360 x 640 phone', {width: 360, height: 640, mobile: true, scale: 3}],
    ['390 x 844 phone', {width: 390, height: 844, mobile: true, scale: 3}],
    ['640 x 360 phone on its side', {width: 640, height: 360, mobile: true, scale: 3}],
    ['800 x 600 desktop', {width: 800, height: 600}],
];
for (const [name, screen] of screens) {
    test(`the layout on a ${name}`, async () => {
        const page = await open(screen);
        for (const window of ['calculator', 'About box']) {
            if (window === 'About box') {
                await page.click(at('IDC_ABOUT'));
                await idle(page);
            }
            const m = await measure(page);
            const where = `${window}: ${JSON.stringify(m)}`;
            assert.equal(m.sideways, false, where);
            assert.deepEqual(m.overflowing, [], where);
            assert.equal(m.classic, !screen.mobile, where);
            if (!screen.mobile) continue;
            assert.deepEqual(m.small, [], where);
            assert.ok(m.text >= 16 && m.width > 0.99, where);
            assert.deepEqual(m.tops, [...m.tops].sort((a, b) => a - b), where);
            const [[, firstRight, firstShown], [secondLeft, , secondShown]] = m.buttons;
            assert.ok(secondLeft - firstRight >= 16 && firstShown && secondShown, where);
        }
        if (screen.mobile) { // a finger types, reaches the window menu, long-presses a label
            await press(page, 'Esc');
            assert.equal(await keypads(page), 'decimal,decimal,true,decimal,decimal,true');
            await page.tap(at('IDC_SWR_LOSS'));
            await press(page, '5, Tab, 2, 0');
            assert.equal((await texts(page))[5], '8.724232');
            await page.setViewport({...page.viewport(), height: 300}); // the keyboard shown
            await press(page, 'Shift+Tab, Tab'); // the box typed into stays above it and the bar
            assert.ok(await page.$eval(at('IDC_SWR_LENGTH'), (box) =>
                box.getBoundingClientRect().bottom <= innerHeight - 56));
            await page.tap('#IDD_CALCULATOR .sysicon');
            assert.deepEqual(await page.$$eval('#IDD_CALCULATOR .menu [role=menuitem]', (items) =>
                items.map((item) => item.getBoundingClientRect().height >= 44)), [true, true]);
            await page.tap('#IDD_CALCULATOR .caption');
            assert.equal(await page.evaluate(() => {
                const label = document.querySelector('#IDD_CALCULATOR label');
                label.dispatchEvent(new PointerEvent('pointerdown', {pointerType: 'touch',
                    bubbles: true}));
                label.dispatchEvent(new MouseEvent('contextmenu', {bubbles: true}));
                return document.querySelector('#IDD_CALCULATOR .menu').hidden;
            }), true);
        }
        await done(page);
    });
}

// Forced colours keep the layout (the font is measured as well there) and show the menu's
// focused item in the system's colours. Text has 4.5:1 contrast and the boxes' edges 3:1
// against what they stand on, light and dark.
test('forced colours, light and dark', async () => {
    const page = await open({bypassCSP: true});
    const session = await page.createCDPSession();
    const layout = () => page.evaluate(() => [...document.querySelectorAll('#IDD_CALCULATOR *')]
        .map((el) => el.getBoundingClientRect()).map((r) => [r.left, r.top, r.width, r.height]));
    const classic = await layout();
    await session.send('Emulation.setEmulatedMedia',
        {features: [{name: 'forced-colors', value: 'active'}]});
    await start(page, () => page.reload());
    assert.deepEqual(await layout(), classic);
    assert.deepEqual((await measure(page)).overflowing, []);
    await press(page, 'Alt+Space');
    assert.deepEqual(await page.evaluate(() => {
        const item = getComputedStyle(document.activeElement);
        const probe = document.body.appendChild(document.createElement('i'));
        probe.style.background = 'Highlight';
        return [item.outlineStyle,
            item.backgroundColor === getComputedStyle(probe).backgroundColor];
    }), ['solid', true]);
    for (const scheme of ['light', 'dark']) {
        await session.send('Emulation.setEmulatedMedia',
            {features: [{name: 'prefers-color-scheme', value: scheme}]});
        await start(page, () => page.reload());
        await page.addScriptTag({path: axe});
        const result = await page.evaluate(async () => {
            const contrast = await axe.run('#IDD_CALCULATOR', {runOnly: ['color-contrast']});
            const luminance = (color) => {
                const [r, g, b] = color.match(/[\d.]+/g).slice(0, 3).map((v) => {
                    const c = v / 255;
                    return c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
                });
                return 0.2126 * r + 0.7152 * g + 0.0722 * b + 0.05;
            };
            const ratio = (a, b) => Math.max(a, b) / Math.min(a, b);
            const face = luminance(getComputedStyle(document.getElementById('IDD_CALCULATOR'))
                .backgroundColor);
            return {violations: contrast.violations.map((v) => v.nodes.length),
                edges: [...document.querySelectorAll('#IDD_CALCULATOR .edit')].map((el) => {
                    const style = getComputedStyle(el);
                    const edge = luminance(style.borderTopColor);
                    const field = luminance(style.backgroundColor);
                    return Math.min(ratio(edge, face), ratio(edge, field));
                })};
        });
        assert.deepEqual(result.violations, [], scheme);
        assert.ok(result.edges.every((r) => r >= 3), `${scheme}: ${result.edges}`);
    }
    await done(page);
});

// A box is named after its label (or frame) and described by its group, a button by its text,
// the picture in words. Each result or message shown is said once through the window's polite
// live region, and a change that leaves the boxes as they were says nothing. A static text that
// names no box is no label; the ended page is a main landmark with a heading.
test('what a screen reader finds and hears', async () => {
    const page = await open();
    const loss = 'Cable Loss from SWR', swr = 'SWR from Cable Loss';
    for (const [selector, name, description] of [
        [at('IDC_LOSS_LENGTH'), 'Cable Length (m):', loss], [at('IDC_SWR_RESULT'), 'SWR:', swr],
        [at('IDC_MESSAGES'), 'Program messages', ''], [at('IDC_ABOUT'), 'About', ''],
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

test('the keypad where the language writes a comma', async () => {
    const page = await open({locale: 'de-DE'});
    assert.equal(await keypads(page), ',,true,,,true');
    await done(page);
});

// Where the browser refuses both ways of copying, the address stays selected and the box says
// how to copy it by hand. Text beyond a box's 32,767 characters is cut, and the program goes on;
// should it ever stop, the page says so and offers to start it again.
test('a refused copy, too much text, the program stopping', async () => {
    const page = await open({refuseCopy: true});
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
        const box = document.querySelector('[data-id=IDC_LOSS_LENGTH]');
        box.value = '2'.repeat(2750000);
        box.dispatchEvent(new InputEvent('input', {bubbles: true}));
    });
    await focus(page, 'IDC_LOSS_SWR');
    await press(page, '3');
    assert.deepEqual((await texts(page)).map((t) => t.length), [32767, 1, 8, 0, 0, 0, 0]);
    await page.evaluate(() => abort('a test')).catch(() => {});
    assert.deepEqual(await page.evaluate(() => [document.querySelector('#ended h1').textContent,
        document.getElementById('ended').hidden, document.activeElement.id]),
    ['Varnholt Calculator has stopped.', false, 'restart']);
    page.errors = page.errors.filter((e) => !/a test/.test(e));
    await done(page);
});
