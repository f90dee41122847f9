// Contrast themes: under forced colours every state of the menus, the list, the focus and the boxes
// shows, in Chromium (emulated through its DevTools protocol) and Firefox (a profile that always
// takes the system's colours): the state's element looks different without and with the state.
import { describe, it, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { ENGINES, starte, oeffne } from './lib/browser.mjs';
import { lesePng } from './lib/png.mjs';
import { waehle, schluessel, insMenue, drueckeBis, warteDialog } from './lib/seite.mjs';

const tasten = (...namen) => async (page) => { for (const t of namen) await page.keyboard.press(t); };
const folge = (...schritte) => async (page) => { for (const s of schritte) await s(page); };
const befehl = (id) => (page) => waehle(page, id);
const schluesselBox = folge(befehl('M_den_Schluessel_festlegen'), (p) => warteDialog(p, 'Schluesseldialog'));
const anzeige = (page) => insMenue(page, 'M_anzeige');
const positionen = folge(befehl('M_text_einfuegen'), schluessel, befehl('M_Positionen_ermitteln'));
const bisP = (page) => drueckeBis(page, 'ArrowDown', 'M_Positionen_anzeigen', 20);
const nichts = async () => {};

// [state, its element, to a place without the state, on to the state, the first screenshot's place
// for the element (a separator against the menu 2 px above it)]; a highlighted entry, disabled and
// enabled, differs by its colour alone.
const ZUSTAENDE = [
  ['highlighted title', 'M_Ende', tasten('F10'), tasten('ArrowLeft')],
  ['highlighted item', 'M_den_Schluessel_festlegen', tasten('F10'), tasten('ArrowDown')],
  ['open menu', 'M_Text_im_Fenster_verschluesseln_Liste', nichts, tasten('F10')],
  ['enabled title', 'M_entschluesseln', nichts, folge(positionen, befehl('M_Text_verschluesseln'))],
  ['disabled title highlighted', 'M_entschluesseln', tasten('F10', 'ArrowRight'),
    folge(tasten('F10'), positionen, befehl('M_Text_verschluesseln'), tasten('F10', 'ArrowRight'))],
  ['enabled item', 'M_Positionen_anzeigen', anzeige, folge(tasten('F10'), positionen, anzeige)],
  ['disabled item highlighted', 'M_Positionen_anzeigen', folge(anzeige, bisP), folge(tasten('F10'), positionen, anzeige, bisP)],
  ['check mark', 'M_den_Schluessel_festlegen', tasten('F10'), folge(tasten('F10'), schluessel, tasten('F10'))],
  ['separator', 'M_Trenner5', tasten('F10'), nichts, -2],
  // Away from List1, so that its focus ring plays no part.
  ['current line of List1', 'List1', positionen, folge((p) => p.focus('#List1'), tasten('ArrowDown', 'Tab'))],
  ['focused control', 'List1', nichts, (p) => p.focus('#List1')],
  ['message box', 'Meldung', nichts, folge(befehl('M_Info_zum_Bild'), (p) => warteDialog(p, 'Meldung'))],
  ['key box', 'Schluesseldialog', nichts, schluesselBox],
  ['default button', 'Schluessel_OK', folge(schluesselBox, tasten('Tab', 'Tab')), tasten('Tab')],
];

// Chromium emulates a contrast theme per page (puppeteer's emulateMediaFeatures knows no
// forced-colors); Firefox takes it from its profile.
const KONTRAST = { chromium: {}, firefox: { prefs: { 'browser.display.document_color_use': 2 } } };
const mitKontrast = async (page) => (await page.createCDPSession())
  .send('Emulation.setEmulatedMedia', { features: [{ name: 'forced-colors', value: 'active' }] });

// The pixels of rectangle r (CSS pixels at ratio 1) in a screenshot, moved down by dy.
const ausschnitt = (foto, r, dy = 0) => Buffer.concat(Array.from({ length: r.h }, (_, i) =>
  foto.rgba.subarray(((r.y + dy + i) * foto.breite + r.x) * 4, ((r.y + dy + i) * foto.breite + r.x + r.w) * 4)));

for (const engine of Object.keys(KONTRAST)) {
  describe(`forced colours in ${engine}`, { skip: !ENGINES.includes(engine) && `no ${engine}` }, () => {
    let browser;
    before(async () => { browser = await starte(engine, KONTRAST[engine]); });
    after(async () => { await browser?.close(); });

    for (const [zustand, id, hin, dazu, dy] of ZUSTAENDE) {
      it(`shows the ${zustand}`, async () => {
        const page = await oeffne(browser, { vorher: engine === 'chromium' ? mitKontrast : undefined });
        try {
          assert.ok(await page.evaluate(() => matchMedia('(forced-colors: active)').matches), 'forced colours');
          await hin(page);
          const ohne = lesePng(await page.screenshot());
          await dazu(page);
          const mit = lesePng(await page.screenshot());
          const r = await page.$eval(`#${id}`, (e) => {
            const b = e.getBoundingClientRect();
            return { x: Math.floor(b.left), y: Math.floor(b.top), w: Math.ceil(b.right) - Math.floor(b.left), h: Math.ceil(b.bottom) - Math.floor(b.top) };
          });
          assert.ok(r.w > 0 && r.h > 0, `${id} is shown`);
          assert.ok(!ausschnitt(ohne, r, dy).equals(ausschnitt(mit, r)), `${id} looks the same without and with the ${zustand}`);
        } finally { await page.close(); }
      });
    }
  });
}
