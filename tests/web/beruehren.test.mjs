// The page by touch alone, on emulated tablets and phones: the whole road by taps, one tap to
// switch menus, the list moved by a swipe, targets a finger can hit, and the window laid out on
// whole device pixels. A phone held sideways fits the window at scale 1; held upright, it shows a
// hint to turn it below the window. Chromium emulates the devices; Firefox takes a finger from its
// profile (a coarse pointer) and the size and ratio from WebDriver BiDi.
import { describe, it, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { KnownDevices } from 'puppeteer-core';
import { ENGINES, starte, oeffne } from './lib/browser.mjs';
import { STANDARDTEXT, punkt, wert, zeilen, warteDialog, warteZu, offeneMenues } from './lib/seite.mjs';

const ANDROID = { width: 740, height: 360, deviceScaleFactor: 2.625, isMobile: true, hasTouch: true, isLandscape: true };
const EIGENE = { 'Android phone landscape': ANDROID, 'Android phone': { ...ANDROID, width: 360, height: 740, isLandscape: false } };
const ansicht = (name) => KnownDevices[name]?.viewport ?? EIGENE[name];
// [engine, device, held upright as a phone]; 'Android phone' is 360 x 740 at ratio 2.625.
const GERAETE = [['chromium', 'iPad landscape'], ['chromium', 'iPad'], ['chromium', 'Galaxy Tab S4 landscape'],
  ['chromium', 'iPhone 13 landscape'], ['chromium', 'Android phone landscape'],
  ['chromium', 'iPhone 13', true], ['chromium', 'Android phone', true],
  ['firefox', 'iPhone 13 landscape'], ['firefox', 'Android phone landscape']];
const FINGER = { chromium: {}, firefox: { prefs: { 'ui.primaryPointerCapabilities': 1, 'ui.allPointerCapabilities': 1 } } };

const tippe = async (page, id) => { const p = await punkt(page, id); await page.touchscreen.tap(p.x, p.y); };

// Every title and every item of an open menu is a target a finger can hit.
const ziele = (page) => page.$$eval('#Menueleiste .kopf, .menue:not([hidden]) > [role^=menuitem], dialog[open] button',
  (e) => e.map((x) => x.getBoundingClientRect().height));

async function tippeBefehl(page, menue, eintrag) {
  await tippe(page, menue);
  assert.deepEqual(await offeneMenues(page), [`${menue}_Liste`], `one tap on ${menue} opens it`);
  assert.ok((await ziele(page)).every((h) => h >= 44), `targets of ${menue}: ${await ziele(page)}`);
  await tippe(page, eintrag);
}

// Whether every control lies on whole device pixels, the window fits the width at scale 1, and
// the hint (its text, if shown) lies below the window as a note, not a live region that repeats.
const lage = (page) => page.evaluate(() => {
  const [form, hinweis] = ['Form1', 'Drehen'].map((n) => document.getElementById(n).getBoundingClientRect());
  const orte = [form.left, form.top, ...['Picture1', 'Picture2', 'Label1', 'Label2', 'List1', 'Text2', 'Text3']
    .flatMap((n) => { const r = document.getElementById(n).getBoundingClientRect(); return [r.left - form.left, r.top - form.top, r.width, r.height]; })];
  const h = document.getElementById('Drehen');
  return { ganz: orte.every((v) => Math.abs(v * devicePixelRatio - Math.round(v * devicePixelRatio)) < 0.05),
    passt: visualViewport.scale === 1 && document.documentElement.scrollWidth <= innerWidth,
    hinweis: h.getClientRects().length > 0 && hinweis.top >= form.bottom && h.textContent,
    still: h.getAttribute('role') === 'note' && !h.closest('[aria-live]') };
});

for (const engine of Object.keys(FINGER)) {
  describe(`touch in ${engine}`, { skip: !ENGINES.includes(engine) && `no ${engine}` }, () => {
    let browser;
    before(async () => { browser = await starte(engine, FINGER[engine]); });
    after(async () => { await browser?.close(); });

    for (const [, geraet, hochkant] of GERAETE.filter(([e]) => e === engine)) {
      it(`takes the whole road by taps alone on ${geraet}, and switches menus with one tap`, async () => {
        const page = await oeffne(browser, { viewport: ansicht(geraet) });
        try {
          assert.ok(await page.evaluate(() => matchMedia('(pointer: coarse)').matches), 'a coarse pointer');
          const l = await lage(page);
          assert.ok(l.ganz, 'every control on whole device pixels');
          assert.ok(l.still, 'the hint is read once, as a note');
          if (hochkant) assert.equal(l.hinweis, 'Bitte das Telefon quer halten.', 'the hint, below the window');
          else assert.ok(l.passt && !l.hinweis, `the window fits at scale 1 with no hint (${JSON.stringify(l)})`);
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
          assert.ok((await ziele(page)).every((h) => h >= 44), "the box's buttons");
          await tippe(page, 'Schluessel_OK');
          await warteZu(page, 'Schluesseldialog');
          assert.equal(await page.title(), 'Der Schlüssel hat den Wert 709');
          await tippeBefehl(page, V, 'M_Positionen_ermitteln');
          assert.equal(await zeilen(page), 1344);
          await tippeBefehl(page, V, 'M_Text_verschluesseln');
          await tippeBefehl(page, 'M_entschluesseln', 'M_Bild_entschluesseln');
          await page.waitForFunction(() => document.getElementById('Text3').value !== '', { timeout: 10000 });
          assert.equal(await wert(page, 'Text3'), STANDARDTEXT);

          // A swipe up moves the list (Firefox scrolls by no touch that WebDriver BiDi sends).
          if (engine === 'firefox') return;
          const p = await punkt(page, 'List1');
          await page.touchscreen.touchStart(p.x, p.y + 60);
          for (let i = 1; i <= 10; i++) await page.touchscreen.touchMove(p.x, p.y + 60 - 12 * i);
          await page.touchscreen.touchEnd();
          await page.waitForFunction(() => document.getElementById('List1').scrollTop > 0, { timeout: 5000 });
        } finally { await page.close(); }
      });
    }
  });
}
