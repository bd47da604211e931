// What the page adds to the dialogs' behaviour, which the headless test checks on its own: the
// site in headless Chromium, served on 127.0.0.1 as a static host serves it. Its input and keys
// carried to the program and the write-back, the About box as a modal <dialog> with the
// browser's clipboard, its elements however often it opens, and the ended page.
//   node tests/web/test_site.mjs    with SITE naming the built site (build-web/site) and NODE_PATH
//                                   the folder that holds puppeteer-core
import assert from 'node:assert/strict';
import {after, before, describe, test} from 'node:test';

import {idle, press} from '../../tools/browser.mjs';
import {address, at, boxes, done, focus, focused, open, start, texts, where} from './site.mjs';

// The input reaches the program and the write-back writes only the outputs whose text changed,
// each once, so that the others (and the box typed into) keep caret, selection and undo.
test('typing and pasting: only changed outputs are written, once', async () => {
    const page = await open();
    const steps = [['IDC_LOSS_LENGTH', '5'], ['IDC_LOSS_SWR', '1'], [null, '.'], [null, '5'],
        ['IDC_SWR_LOSS', 'paste:2,5 µ'], ['IDC_SWR_LENGTH', 'paste:10']];
    for (const [box, keys] of steps) {
        if (box) await focus(page, box);
        const before = await texts(page);
        await page.evaluate(() => { window.writes = {}; });
        if (keys.startsWith('paste:')) {
            await page.keyboard.sendCharacter(keys.slice(6));
            await idle(page);
        } else {
            await press(page, keys);
        }
        const now = await texts(page);
        const written = Object.fromEntries(boxes.filter((id, i) => now[i] !== before[i] &&
            !id.match(/LENGTH|LOSS_SWR|SWR_LOSS/)).map((id) => [id, 1]));
        assert.deepEqual(await page.evaluate(() => window.writes), written, `after ${keys}`);
    }
    assert.deepEqual(await texts(page),
        ['5', '1.5', '139.794001', '2,5 µ', '10', '43.437123', '']);
    await done(page);
});

describe('keys', () => {
    const rows = [
        ['IDC_LOSS_SWR', 'Return', 'IDC_LOSS_SWR'],
        ['IDC_LOSS_LENGTH', 'Esc', 'ended'],
        ['IDC_SWR_LOSS', 'close', 'ended'],
        ['IDC_SWR_LENGTH', 'Alt+Space, c', 'ended'],
        ['IDC_ABOUT', 'Return', 'IDD_ABOUT'],
        ['IDC_SWR_LENGTH', 'Alt+C', 'IDC_LOSS_LENGTH'],
        ['IDC_SWR_LENGTH', 'Alt+Shift+C', 'IDC_LOSS_LENGTH'],
        ['IDC_ABOUT', 'Tab', 'IDC_LOSS_LENGTH'],
        ['IDC_LOSS_RESULT', '9, Backspace, Ctrl+X, Ctrl+V', 'IDC_LOSS_RESULT'],
    ];
    // Where the focus goes, or what opens or ends; no text changes. One page for the rows that
    // leave the calculator running, a fresh one after each that ends it.
    let page;
    before(async () => { page = await open(); });
    after(async () => { await done(page); });
    for (const [from, keys, after] of rows) {
        test(`${keys} in ${from} -> ${after}`, async () => {
            await focus(page, 'IDC_LOSS_LENGTH');
            await press(page, 'Ctrl+A, 5, Tab, 2');
            const before = await texts(page);
            await focus(page, from);
            await (keys === 'close' ? page.click('#IDD_CALCULATOR .close') : press(page, keys));
            await idle(page);
            assert.equal(await where(page), after);
            if (after === 'ended') {
                // The page offers to start the calculator again, which opens as at first.
                assert.equal(await page.evaluate(() => document.activeElement.id), 'restart');
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

// The page takes Alt with the characters that the markup lists as reaching a mnemonic, by the
// C++ rule (both cases of A-Z, any other character as it stands), and with no others.
test('mnemonic keys as the markup lists them', async () => {
    const page = await open();
    const taken = () => page.evaluate(() => ['c', 'C', '\u00c4', '\u00e4'].map((key) => {
        const press = new KeyboardEvent('keydown', {key, altKey: true, bubbles: true,
            cancelable: true});
        document.activeElement.dispatchEvent(press);
        return press.defaultPrevented;
    }));
    assert.deepEqual(await taken(), [true, true, false, false]);
    await page.evaluate(() => {
        document.querySelector('#IDD_CALCULATOR label').dataset.keys = '\u00c4';
    });
    assert.deepEqual(await taken(), [false, false, true, false]);
    await done(page);
});

describe('About box', () => {
    // How the box is opened (the About button, the window menu from the title bar's icon or
    // from a right-click on the background) and where the focus then comes back to; what is
    // done in it ("click": Copy clicked with part of the address selected; "disabled": Enter
    // with OK disabled); whether it stays open, and copies.
    const rows = [
        ['button', 'IDC_ABOUT', 'Esc', false, false],
        ['icon', 'IDC_LOSS_SWR', 'Tab, Tab, Return', true, true],
        ['right-click', 'IDC_LOSS_SWR', 'Esc', false, false],
        ['button', 'IDC_ABOUT', 'click', true, true],
        ['button', 'IDC_ABOUT', 'disabled', true, false],
    ];
    const opens = {
        'button': (page) => page.click(at('IDC_ABOUT')),
        'icon': async (page) => {
            await page.click('#IDD_CALCULATOR .sysicon');
            await page.click('#IDD_CALCULATOR .menu [role=menuitem]:last-child');
        },
        'right-click': async (page) => {
            await page.click('#IDD_CALCULATOR .client', {button: 'right', offset: {x: 4, y: 4}});
            await press(page, 'End, Return');
        },
    };
    // Modal over the calculator, which takes no input meanwhile; Copy puts the whole address on
    // the browser's clipboard; closed, it gives the focus back. One page for all the rows: however
    // often the box opens, every id in the page is there once, each label names a box of its own
    // window, and the calculator keeps one window menu with its three items.
    let page;
    before(async () => { page = await open(); });
    after(async () => {
        const found = await page.evaluate(() => ({
            ids: [...document.querySelectorAll('[id]')].map((e) => e.id),
            labels: [...document.querySelectorAll('label[for]')].every((l) =>
                l.closest('.window') === document.getElementById(l.htmlFor).closest('.window')),
            menus: document.querySelectorAll('#IDD_CALCULATOR .menu').length,
            items: document.querySelectorAll('#IDD_CALCULATOR .menu > *').length,
        }));
        assert.equal(new Set(found.ids).size, found.ids.length, found.ids.join());
        assert.deepEqual([found.labels, found.menus, found.items], [true, 1, 3]);
        await done(page);
    });
    for (const [how, returnsTo, keys, stays, copies] of rows) {
        test(`opened by ${how}, ${keys}`, async () => {
            await focus(page, 'IDC_LOSS_LENGTH');
            await press(page, 'Ctrl+A, 2, 5, Tab, Ctrl+A, 1, 2');
            const before = await texts(page);
            await page.evaluate(() => navigator.clipboard.writeText('before'));
            await opens[how](page);
            await idle(page);
            assert.deepEqual([await where(page), await focused(page)], ['IDD_ABOUT', 'IDOK']);
            await page.click(at('IDC_ABOUT')).catch(() => {});
            await idle(page);
            assert.deepEqual(await texts(page), before);
            if (keys === 'click') {
                await page.evaluate(() => document.querySelector('[data-id=IDC_WEB_ADDRESS]')
                    .setSelectionRange(8, 15));
                await page.click(at('IDC_COPY'));
                await idle(page);
            } else if (keys === 'disabled') {
                await page.$eval(at('IDOK'), (ok) => { ok.disabled = true; });
                await press(page, 'Return');
            } else {
                await press(page, keys);
            }
            assert.equal(await page.$$eval('dialog[open]', (open) => open.length > 0), stays);
            assert.equal(await page.evaluate(() => navigator.clipboard.readText()),
                copies ? address : 'before');
            if (copies) { // and says so, seen and heard
                assert.deepEqual(await page.$eval('#IDD_ABOUT .tell', (tell) =>
                    [tell.hidden, tell.getAttribute('role'), tell.textContent]),
                [false, 'status', 'Copied to the clipboard.']);
            }
            if (stays) await press(page, 'Esc');
            assert.equal(await where(page), returnsTo);
        });
    }
});
