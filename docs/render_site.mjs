// Renders the site at a phone's size for the README: the calculator with both conversions filled.
//   NODE_PATH=build-web/tests/web/npm/node_modules node docs/render_site.mjs SITE OUT.png
import {idle, launch, press} from '../tools/browser.mjs';
import {serve} from '../tools/serve.mjs';

const [site, out] = process.argv.slice(2);
if (!site || !out) {
    console.error('usage: node render_site.mjs SITE OUT.png');
    process.exit(2);
}
const served = await serve(site);
const {browser, close} = await launch();
try {
    const page = await browser.newPage();
    await page.setViewport({width: 360, height: 640, isMobile: true, hasTouch: true});
    await page.goto(served.url);
    await page.waitForSelector('#IDD_CALCULATOR:not([hidden])');
    await idle(page);
    await press(page, '1, 0, Tab, 1, ., 5, Tab, Tab, 5, Tab, 2, 0');
    const box = await page.evaluate(() => {
        const r = document.getElementById('IDD_CALCULATOR').getBoundingClientRect();
        return {x: 0, y: 0, width: 360, height: Math.ceil(r.bottom + 8)};
    });
    await page.screenshot({path: out, clip: box});
} finally {
    await close();
    served.server.close();
}
