// The page by touch alone in Chromium, on an emulated iPad (landscape and portrait) and an
// Android tablet: the whole road by taps, one tap to switch menus, the list moved by a swipe,
// and targets a finger can hit.
import { describe, it, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { KnownDevices } from 'puppeteer-core';
import { ENGINES, starte, oeffne } from './lib/browser.mjs';
import { STANDARDTEXT, punkt, wert, zeilen, warteDialog, warteZu } from './lib/seite.mjs';

const GERAETE = ['iPad landscape', 'iPad', 'Galaxy Tab S4 landscape'];

const tippe = async (page, id) => { const p = await punkt(page, id); await page.touchscreen.tap(p.x, p.y); };
const offeneMenues = (page) => page.evaluate(() => [...document.querySelectorAll('[role=menu]')]
  .filter((m) => m.getClientRects().length > 0).map((m) => m.id));

async function tippeBefehl(page, menue, eintrag) {
  await tippe(page, menue);
  assert.deepEqual(await offeneMenues(page), [`${menue}_Liste`], `one tap on ${menue} opens it`);
  await tippe(page, eintrag);
}

describe('touch in chromium', { skip: !ENGINES.includes('chromium') && 'Chromium only' }, () => {
  let browser;
  before(async () => { browser = await starte('chromium'); });
  after(async () => { await browser?.close(); });
  const oeffneAuf = (geraet) => oeffne(browser, { viewport: null, vorher: (page) => page.emulate(KnownDevices[geraet]) });

  for (const geraet of GERAETE) {
    it(`takes the whole road by taps alone on ${geraet}, and switches menus with one tap`, async () => {
      const page = await oeffneAuf(geraet);
      try {
        assert.ok(await page.evaluate(() => matchMedia('(pointer: coarse)').matches), 'a coarse pointer');
        const V = 'M_Text_im_Fenster_verschluesseln';
        await tippe(page, V);
        await tippe(page, 'M_anzeige');
        assert.deepEqual(await offeneMenues(page), ['M_anzeige_Liste'], 'one tap on another title switches menus');
        await tippe(page, 'M_anzeige');
        assert.deepEqual(await offeneMenues(page), [], 'a tap on the open title closes it');

        await tippeBefehl(page, V, 'M_text_einfuegen');
        assert.equal(await wert(page, 'Text2'), STANDARDTEXT);
        await tippeBefehl(page, V, 'M_den_Schluessel_festlegen');
        await warteDialog(page, 'Schluesseldialog');
        await tippe(page, 'Schluessel_OK');
        await warteZu(page, 'Schluesseldialog');
        assert.equal(await page.title(), 'Der Schlüssel hat den Wert 709');
        await tippeBefehl(page, V, 'M_Positionen_ermitteln');
        assert.equal(await zeilen(page), 1344);
        await tippeBefehl(page, V, 'M_Text_verschluesseln');
        await tippeBefehl(page, 'M_entschluesseln', 'M_Bild_entschluesseln');
        await page.waitForFunction(() => document.getElementById('Text3').value !== '', { timeout: 10000 });
        assert.equal(await wert(page, 'Text3'), STANDARDTEXT);

        // A swipe up moves the list.
        const l = await punkt(page, 'List1');
        await page.touchscreen.touchStart(l.x, l.y + 60);
        for (let i = 1; i <= 10; i++) await page.touchscreen.touchMove(l.x, l.y + 60 - 12 * i);
        await page.touchscreen.touchEnd();
        await page.waitForFunction(() => document.getElementById('List1').scrollTop > 0, { timeout: 5000 });
      } finally { await page.close(); }
    });
  }
});
