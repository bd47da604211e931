// Renders the site on a phone for the README: upright (390 x 844) while the second conversion is
// typed, the page shrunk by a keyboard of 290 pixels, whose band is drawn below it; and on its
// side (844 x 390), both conversions filled.
//   NODE_PATH=build-web/tests/web/npm/node_modules node docs/render_site.mjs SITE UPRIGHT.png \
//       SIDEWAYS.png
import {idle, launch, press} from '../tools/browser.mjs';
import {serve} from '../tools/serve.mjs';

const [site, upright, sideways] = process.argv.slice(2);
if (!site || !upright || !sideways) {
    console.error('usage: node render_site.mjs SITE UPRIGHT.png SIDEWAYS.png');
    process.exit(2);
}
const served = await serve(site);
const {browser, close} = await launch();
const phone = {isMobile: true, hasTouch: true, deviceScaleFactor: 1};
try {
    const page = await browser.newPage();
    await page.setViewport({width: 390, height: 844, ...phone});
    await page.goto(served.url);
    await page.waitForSelector('#IDD_CALCULATOR:not([hidden])');
    await idle(page);
    await press(page, '1, 0, Tab, 1, ., 5');
    await page.tap('[data-id=IDC_SWR_LOSS]');
    await page.setViewport({width: 390, height: 844 - 290, ...phone});
    await press(page, '5, Tab, 2, 0');
    const shown = await page.screenshot({encoding: 'base64'});
    // The screen as the reader sees it: the page above, the keyboard's band below.
    const screen = await browser.newPage();
    await screen.setViewport({width: 390, height: 844, ...phone});
    await screen.setContent(`<meta name="viewport" content="width=device-width">
        <body style="margin:0;background:#555;font:16px sans-serif">
        <img src="data:image/png;base64,${shown}" style="display:block">
        <p style="margin:0;height:290px;display:grid;place-items:center;color:#fff;
            background:repeating-linear-gradient(45deg,#555 0 12px,#666 12px 24px)">
            the keyboard, 290 pixels</p></body>`);
    await screen.screenshot({path: upright});

    await page.setViewport({width: 844, height: 390, ...phone});
    await page.goto(served.url);
    await page.waitForSelector('#IDD_CALCULATOR:not([hidden])');
    await idle(page);
    await press(page, '1, 0, Tab, 1, ., 5, Tab, Tab, 5, Tab, 2, 0');
    await page.evaluate(() => window.scrollTo(0, 0));
    await page.screenshot({path: sideways});
} finally {
    await close();
    served.server.close();
}
