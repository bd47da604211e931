// Renders the site on a phone's screen (390 x 844) for the README: the calculator with both
// conversions filled.
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
    await page.setViewport({width: 390, height: 844, isMobile: true, hasTouch: true});
    await page.goto(served.url);
    await page.waitForSelector('#IDD_CALCULATOR:not([hidden])');
    await idle(page);
    await press(page, '1, 0, Tab, 1, ., 5, Tab, Tab, 5, Tab, 2, 0');
    await page.evaluate(() => window.scrollTo(0, 0));
    await page.screenshot({path: out});
} finally {
    await close();
    served.server.close();
}
