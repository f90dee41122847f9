// On a touch screen (Chromium's touch emulation: pointer coarse) every menu title, menu item and
// button of a box is at least 44 CSS px high, and the client area keeps its height under the
// taller menu bar; with a mouse everything keeps its size.
import { describe, it, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { ENGINES, starte, oeffne } from './lib/browser.mjs';
import { waehle, warteDialog } from './lib/seite.mjs';

// [pointer, touch emulation, smallest height of titles, items and buttons]; headless Chromium
// without touch has no pointer at all, which looks as a mouse does.
const FAELLE = [['none', false, 20], ['coarse', true, 44]];

describe('target sizes in chromium', { skip: ENGINES.includes('chromium') ? false : 'no chromium' }, () => {
  let browser;
  before(async () => { browser = await starte('chromium'); });
  after(async () => { await browser?.close(); });

  const hoehen = (page, selektor) => page.$$eval(selektor, (e) => e.map((x) => x.getBoundingClientRect().height));
  let clientFein;
  for (const [zeiger, hasTouch, mindestens] of FAELLE) {
    it(`pointer ${zeiger}: targets at least ${mindestens} px, the client area whole`, async () => {
      const page = await oeffne(browser, { viewport: { width: 1024, height: 768, deviceScaleFactor: 1, hasTouch } });
      try {
        assert.equal(await page.evaluate((z) => matchMedia(`(pointer: ${z})`).matches, zeiger), true);
        const client = await page.$eval('#Form1', (e) => e.getBoundingClientRect().height);
        clientFein ??= client;
        assert.equal(client, clientFein, 'the client area has the layout height');
        await page.keyboard.press('F10');
        await page.keyboard.press('ArrowDown');
        const ziele = [...await hoehen(page, '#Menueleiste .kopf'),
          ...await hoehen(page, '.menue:not([hidden]) > [role^=menuitem]')];
        await page.keyboard.press('Escape');
        await page.keyboard.press('Escape');
        await waehle(page, 'M_den_Schluessel_festlegen');
        await warteDialog(page, 'Schluesseldialog');
        ziele.push(...await hoehen(page, '#Schluesseldialog button'));
        assert.ok(ziele.length > 8 && ziele.every((h) => h >= mindestens && h < mindestens + 5), `${ziele}`);
      } finally { await page.close(); }
    });
  }
});
