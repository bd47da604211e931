// The site's benchmarks, each beside a baseline measured in the same browser run:
//   - the site's bytes over the wire, gzipped as the test server sends them (goal: 64 KB);
//   - first contentful paint of the calculator against a bare static page with the same 21
//     controls and style sheet, served the same way (goal: 1.2 times);
//   - one keystroke's input event until the calculator's write-back is done, against a bare
//     input handler on that page that sets another box (goal: 3 times).
//   node bench/web/bench_site.mjs SITE [ROUNDS]     (NODE_PATH names puppeteer-core's folder)
import {mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync, copyFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {gzipSync} from 'node:zlib';

import {idle, launch} from '../../tools/browser.mjs';
import {serve} from '../../tools/serve.mjs';

const site = process.argv[2];
const rounds = Number(process.argv[3] || 15);
if (!site) {
    console.error('usage: node bench_site.mjs SITE [ROUNDS]');
    process.exit(2);
}

const median = (values) => {
    const sorted = [...values].sort((a, b) => a - b);
    return sorted[Math.floor(sorted.length / 2)];
};
const row = (what, value, baseline, unit, goal) => {
    const ratio = value / baseline;
    console.log(`${what}: ${value.toFixed(unit === 'KB' ? 1 : 3)} ${unit}, baseline ` +
        `${baseline.toFixed(unit === 'KB' ? 1 : 3)} ${unit}, ratio ${ratio.toFixed(2)} ` +
        `(goal ${goal})`);
};

// The bare page: the calculator's window as the program made it, copied as static HTML with the
// site's style sheet, and a script whose input handler sets another box.
async function makeBarePage(page) {
    const [html, style] = await page.evaluate(() => {
        const window = document.getElementById('IDD_CALCULATOR').cloneNode(true);
        window.removeAttribute('hidden');
        return [window.outerHTML, document.querySelector('link[rel=stylesheet]').getAttribute('href')];
    });
    const dir = mkdtempSync(join(tmpdir(), 'varnholt-bare-'));
    copyFileSync(join(site, style), join(dir, 'style.css'));
    writeFileSync(join(dir, 'bare.js'), `
const result = document.querySelector('[data-id=IDC_LOSS_RESULT]');
document.querySelector('[data-id=IDC_LOSS_LENGTH]').addEventListener('input', (e) => {
    result.value = e.target.value + '.000000';
});`);
    writeFileSync(join(dir, 'index.html'), `<!DOCTYPE html><html lang="en"><head>
<meta charset="utf-8"><meta name="viewport" content="width=device-width, initial-scale=1">
<title>bare</title><link rel="stylesheet" href="style.css"><script src="bare.js" defer></script>
</head><body>${html}</body></html>`);
    return dir;
}

// First contentful paint of a fresh load of `url`, in milliseconds.
async function firstPaint(browser, url, ready) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.setBypassServiceWorker(true);
    await page.goto(url);
    await page.waitForSelector(ready);
    const paint = await page.evaluate(() => new Promise((resolve) => {
        const found = () => performance.getEntriesByName('first-contentful-paint')[0];
        if (found()) return resolve(found().startTime);
        new PerformanceObserver(() => found() && resolve(found().startTime))
            .observe({type: 'paint', buffered: true});
    }));
    await context.close();
    return paint;
}

// Microseconds from an input event in the first length until its handling is done (for the
// calculator: until it waits for the next event), averaged over a batch: the page's clock is
// too coarse for one.
function keystroke(page, calculator) {
    return page.evaluate(async (calculator) => {
        const box = document.querySelector('[data-id=IDC_LOSS_LENGTH]');
        const settle = calculator ? () => Module.whenIdle() : () => Promise.resolve();
        const count = 2000;
        const start = performance.now();
        for (let i = 0; i < count; ++i) {
            box.value = String(i % 100);
            box.dispatchEvent(new InputEvent('input', {bubbles: true}));
            await settle();
        }
        return (performance.now() - start) * 1000 / count;
    }, calculator);
}

const wire = readdirSync(site).reduce((sum, file) =>
    sum + gzipSync(readFileSync(join(site, file)), {level: 9}).length, 0) / 1024;

const served = await serve(site);
const {browser, close} = await launch();
let bareDir;
let bare;
try {
    const page = await browser.newPage();
    await page.goto(served.url);
    await page.waitForSelector('#IDD_CALCULATOR:not([hidden])');
    await idle(page);
    bareDir = await makeBarePage(page);
    bare = await serve(bareDir);
    const bareWire = readdirSync(bareDir).reduce((sum, file) =>
        sum + gzipSync(readFileSync(join(bareDir, file)), {level: 9}).length, 0) / 1024;
    row('site over the wire (gzip)', wire, bareWire, 'KB', 'at most 64 KB');

    const paints = [[], []];
    for (let i = 0; i < rounds; ++i) { // interleaved, so that both see the same machine
        paints[0].push(await firstPaint(browser, served.url, '#IDD_CALCULATOR:not([hidden])'));
        paints[1].push(await firstPaint(browser, bare.url, '#IDD_CALCULATOR'));
    }
    row('first contentful paint', median(paints[0]), median(paints[1]), 'ms', '1.2x');

    const context = await browser.createBrowserContext();
    const calculator = await context.newPage();
    await calculator.goto(served.url);
    await calculator.waitForSelector('#IDD_CALCULATOR:not([hidden])');
    await idle(calculator);
    const barePage = await context.newPage();
    await barePage.goto(bare.url);
    await barePage.waitForSelector('#IDD_CALCULATOR');
    const keys = [[], []];
    for (let i = 0; i < 9; ++i) {
        keys[0].push(await keystroke(calculator, true));
        keys[1].push(await keystroke(barePage, false));
    }
    row('one keystroke until the write-back', median(keys[0]), median(keys[1]), 'us', '3x');
    await context.close();
} finally {
    await close();
    served.server.close();
    if (bare) bare.server.close();
    if (bareDir) rmSync(bareDir, {recursive: true, force: true});
}
