// Shared by the site's tests, its benchmarks and the README's picture: Debian's Chromium,
// headless, in a profile of its own that is removed afterwards, with nothing of its own going to
// the network; keys pressed by name, waiting until the calculator has carried them out.
import {mkdtempSync, rmSync} from 'node:fs';
import {createRequire} from 'node:module';
import {tmpdir} from 'node:os';
import {join} from 'node:path';

const require = createRequire(import.meta.url);
const puppeteer = require('puppeteer-core');

export async function launch() {
    const profile = mkdtempSync(join(tmpdir(), 'varnholt-chromium-'));
    const browser = await puppeteer.launch({
        executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
        headless: true,
        protocolTimeout: 30000,
        args: [
            ...(process.getuid && process.getuid() === 0 ? ['--no-sandbox'] : []),
            `--user-data-dir=${profile}`,
            '--disable-gpu',
            '--disable-quic',
            '--disable-background-networking',
            '--disable-component-update',
            '--disable-sync',
            '--no-first-run',
        ],
    });
    const removeProfile = () => rmSync(profile, {recursive: true, force: true});
    // Also when the process is ended early (puppeteer closes the browser on SIGINT and SIGTERM).
    process.once('exit', removeProfile);
    const close = async () => {
        await browser.close().catch(() => {});
        removeProfile();
    };
    return {browser, close};
}

// Waits until every event so far has been carried out and the calculator waits for the next.
export function idle(page) {
    return page.evaluate(() => (window.Module && Module.whenIdle ? Module.whenIdle() : null));
}

// Presses keys one after another, as the desktop test writes them: "5", "Tab", "Shift+Tab",
// "Ctrl+A, Delete", "Return", "Num+Enter", "Esc", "Alt+C", "Alt+Space".
export async function press(page, keys) {
    const names = {Return: 'Enter', 'Num+Enter': 'NumpadEnter', Esc: 'Escape', Space: ' '};
    const modifiers = {Ctrl: 'Control', Shift: 'Shift', Alt: 'Alt'};
    for (const key of keys.split(', ').filter(Boolean)) {
        const parts = names[key] ? [names[key]] : key.split('+');
        const held = parts.slice(0, -1).map((m) => modifiers[m]);
        let last = parts[parts.length - 1];
        last = names[last] || (held.length && /^[A-Z]$/.test(last) ? `Key${last}` : last);
        for (const m of held) await page.keyboard.down(m);
        await page.keyboard.press(last === ' ' && held.length ? 'Space' : last);
        for (const m of held.reverse()) await page.keyboard.up(m);
        await idle(page);
    }
}

// Takes a test server (tools/serve.mjs) off the network for every page and service worker alike
// (a page's own offline mode leaves its service worker's requests alone): while its `offline` is
// set, each new connection is dropped at once.
export function refuseWhileOffline(served) {
    served.server.on('connection', (socket) => {
        if (served.offline) socket.destroy();
    });
}
