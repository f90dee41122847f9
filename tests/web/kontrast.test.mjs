// Contrast themes: under forced colours every state of the menus, the list, the focus and the
// boxes shows in the system's colours, in Chromium (emulated through its DevTools protocol) and
// Firefox (a profile that always takes the system's colours). Each row takes the page to a place,
// takes a screenshot, adds the state and takes another: the state's element must look different.
// TARNBILD_FOTOS=folder keeps both screenshots of every row.
import { describe, it, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { writeFileSync } from 'node:fs';
import { ENGINES, starte, oeffne } from './lib/browser.mjs';
import { lesePng } from './lib/png.mjs';
import { waehle, schluessel, insMenue, drueckeBis, warteDialog } from './lib/seite.mjs';

const tasten = (...namen) => async (page) => { for (const t of namen) await page.keyboard.press(t); };
const nacheinander = (...schritte) => async (page) => { for (const s of schritte) await s(page); };
const befehl = (id) => (page) => waehle(page, id);
const box = (id, befehlId) => nacheinander(befehl(befehlId), (page) => warteDialog(page, id));
const anzeige = (page) => insMenue(page, 'M_anzeige');
const positionen = nacheinander(befehl('M_text_einfuegen'), schluessel, befehl('M_Positionen_ermitteln'));
const nichts = async () => {};

// [state, the element that shows it, to a place without it, on to the state, the first
// screenshot's place for the element (a separator against the menu 2 px above it)]
const ZUSTAENDE = [
  ['highlighted title', 'M_Ende', tasten('F10'), tasten('ArrowLeft')],
  ['highlighted item', 'M_den_Schluessel_festlegen', tasten('F10'), tasten('ArrowDown')],
  ['open menu', 'M_Text_im_Fenster_verschluesseln_Liste', nichts, tasten('F10')],
  ['enabled title', 'M_entschluesseln', nichts, nacheinander(positionen, befehl('M_Text_verschluesseln'))],
  ['disabled title highlighted', 'M_entschluesseln', tasten('F10'), tasten('ArrowRight')],
  ['enabled item', 'M_Positionen_anzeigen', anzeige, nacheinander(tasten('F10'), positionen, anzeige)],
  ['disabled item highlighted', 'M_Bits_anzeigen', anzeige, (p) => drueckeBis(p, 'ArrowDown', 'M_Bits_anzeigen', 20)],
  ['check mark', 'M_den_Schluessel_festlegen', tasten('F10'), nacheinander(tasten('F10'), schluessel, tasten('F10'))],
  ['separator', 'M_Trenner5', tasten('F10'), nichts, -2],
  // Away from List1, so that its focus ring plays no part.
  ['current line of List1', 'List1', positionen, nacheinander((p) => p.focus('#List1'), tasten('ArrowDown', 'Tab'))],
  ['focused control', 'List1', nichts, (p) => p.focus('#List1')],
  ['message box', 'Meldung', nichts, box('Meldung', 'M_Info_zum_Bild')],
  ['key box', 'Schluesseldialog', nichts, box('Schluesseldialog', 'M_den_Schluessel_festlegen')],
  ['default button', 'Schluessel_OK', nacheinander(box('Schluesseldialog', 'M_den_Schluessel_festlegen'),
    tasten('Tab', 'Tab')), tasten('Tab')],
];

// Chromium emulates a contrast theme per page; Firefox takes it from its profile.
const KONTRAST = { chromium: {}, firefox: { prefs: { 'browser.display.document_color_use': 2 } } };
// (puppeteer's emulateMediaFeatures knows no forced-colors).
const mitKontrast = async (page) => (await page.createCDPSession())
  .send('Emulation.setEmulatedMedia', { features: [{ name: 'forced-colors', value: 'active' }] });

// The element's pixels in a screenshot, moved by dy.
function ausschnitt(png, r, dy = 0) {
  const zeilen = [];
  for (let y = r.y + dy; y < r.y + dy + r.h; y++) {
    zeilen.push(png.rgba.subarray((y * png.breite + r.x) * 4, (y * png.breite + r.x + r.w) * 4));
  }
  return Buffer.concat(zeilen);
}

for (const engine of Object.keys(KONTRAST)) {
  describe(`forced colours in ${engine}`, { skip: !ENGINES.includes(engine) && `no ${engine}` }, () => {
    let browser;
    before(async () => { browser = await starte(engine, KONTRAST[engine]); });
    after(async () => { await browser?.close(); });

    for (const [zustand, id, hin, dazu, dy] of ZUSTAENDE) {
      it(`shows the ${zustand} in system colours`, async () => {
        const page = await oeffne(browser, { vorher: engine === 'chromium' ? mitKontrast : undefined });
        try {
          assert.ok(await page.evaluate(() => matchMedia('(forced-colors: active)').matches), 'forced colours');
          await hin(page);
          const ohne = await page.screenshot();
          await dazu(page);
          const mit = await page.screenshot();
          if (process.env.TARNBILD_FOTOS) {
            for (const [n, f] of [['ohne', ohne], ['mit', mit]]) writeFileSync(`${process.env.TARNBILD_FOTOS}/${engine}-${zustand.replaceAll(' ', '-')}-${n}.png`, f);
          }
          const r = await page.$eval(`#${id}`, (e) => {
            const b = e.getBoundingClientRect();
            const x = Math.floor(b.left);
            const y = Math.floor(b.top);
            return { x, y, w: Math.ceil(b.right) - x, h: Math.ceil(b.bottom) - y };
          });
          assert.ok(r.w > 0 && r.h > 0, `${id} is shown`);
          assert.ok(!ausschnitt(lesePng(ohne), r, dy).equals(ausschnitt(lesePng(mit), r)), `${id} looks the same without and with the ${zustand}`);
        } finally { await page.close(); }
      });
    }
  });
}
