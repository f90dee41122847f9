// Where the keyboard focus goes, in all three engines: a press on what is no control leaves it
// where it was, an open menu keeps its keyboard, closing a menu gives it back, and Tab and
// Shift+Tab stay inside an open box.
import { describe, it, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { ENGINES, starte, oeffne } from './lib/browser.mjs';
import { starteWebkit, webkitFehlt } from './lib/webkit.mjs';
import { wo, drueckeBis, punkt, offen, waehle, insMenue, warteDialog, warteZu, wert, offeneMenues } from './lib/seite.mjs';


async function insAnzeigeMenue(page) {
  await insMenue(page, 'M_anzeige');
  assert.equal(await wo(page), 'M_letztes_Bit_anzeigen', 'the menu opens with its first item');
}

// [what is pressed, its point] in the open "Anzeige" menu: the press leaves the menu open, the
// keyboard on the item, and Down, Escape working.
const imMenue = [
  ['a separator', (page) => punkt(page, 'M_Trenner4')],
  ['the menu\'s top padding', (page) => punkt(page, 'M_anzeige_Liste', 40, 1.5)],
  ['the menu\'s bottom padding', async (page) => {
    const p = await punkt(page, 'M_anzeige_Liste');
    const h = await page.evaluate(() => document.getElementById('M_anzeige_Liste').getBoundingClientRect().height);
    return { x: p.x, y: p.y + h / 2 - 2 };
  }],
];

// A point of element id where the element itself, none of its children, is hit.
const leererPunkt = (page, id) => page.evaluate((i) => {
  const e = document.getElementById(i);
  const r = e.getBoundingClientRect();
  for (let y = r.top + 2; y < r.bottom - 1; y += 3) {
    for (let x = r.right - 3; x > r.left + 1; x -= 3) if (document.elementFromPoint(x, y) === e) return { x, y };
  }
  return null;
}, id);

// [what is pressed, its point]: a press there leaves the keyboard in Text3.
const keineSteuerung = [
  ['Picture1', (page) => punkt(page, 'Picture1')],
  ['Picture2', (page) => punkt(page, 'Picture2')],
  ['the window\'s background', (page) => leererPunkt(page, 'Form1')],
  ['the empty part of the menu bar', (page) => leererPunkt(page, 'Menueleiste')],
];

async function inText3(page) {
  await page.keyboard.press('Tab');
  assert.equal(await wo(page), 'Text3');
}

// Tab and Shift+Tab, three times each, in the open box: the keyboard stays in it.
async function bleibtImDialog(page, id) {
  for (const taste of ['Tab', 'Tab', 'Tab', 'ShiftTab', 'ShiftTab', 'ShiftTab']) {
    if (taste === 'ShiftTab') {
      await page.keyboard.down('Shift');
      await page.keyboard.press('Tab');
      await page.keyboard.up('Shift');
    } else await page.keyboard.press(taste);
    const drin = await page.evaluate((i) => document.getElementById(i).contains(document.activeElement)
      && document.activeElement.matches('input, button'), id);
    assert.ok(drin, `${taste} left the box ${id} for ${await wo(page)}`);
  }
}

function faelle(seite) {
  for (const [was, wohin] of keineSteuerung) {
    it(`a press on ${was} leaves the keyboard where it was, also with a menu open`, async () => {
      const page = await seite();
      await inText3(page);
      const p = await wohin(page);
      assert.ok(p, `no free point on ${was}`);
      await page.mouse.click(p.x, p.y);
      assert.equal(await wo(page), 'Text3');
      await page.keyboard.type('q');
      assert.equal(await wert(page, 'Text3'), 'q');
      // A menu opened with the mouse, closed by the press.
      const kopf = await punkt(page, 'M_anzeige');
      await page.mouse.click(kopf.x, kopf.y);
      assert.deepEqual(await offeneMenues(page), ['M_anzeige_Liste']);
      await page.mouse.click(p.x, p.y);
      assert.deepEqual(await offeneMenues(page), []);
      assert.equal(await wo(page), 'Text3');
    });
  }

  it('Tab, Shift+Tab and presses outside stay inside the key box and the message box; closing gives the focus back', async () => {
    const page = await seite();
    await inText3(page);
    for (const [befehl, box, schliessen] of [['M_den_Schluessel_festlegen', 'Schluesseldialog', 'Escape'],
      ['M_Info_zum_Bild', 'Meldung', 'Enter']]) {
      await waehle(page, befehl);
      await warteDialog(page, box);
      for (const ziel of ['Text2', 'M_anzeige']) {
        const p = await punkt(page, ziel);
        await page.mouse.click(p.x, p.y);
        assert.ok(await page.evaluate((i) => document.getElementById(i).contains(document.activeElement), box),
          `a press on ${ziel} took the keyboard out of ${box} to ${await wo(page)}`);
        assert.deepEqual(await offeneMenues(page), []);
      }
      await bleibtImDialog(page, box);
      await page.keyboard.press(schliessen);
      await warteZu(page, box);
      assert.equal(await wo(page), 'Text3', `after ${box}`);
    }
  });

  for (const [was, wo_] of imMenue) {
    it(`a press on ${was} of an open menu keeps the menu and its keyboard`, async () => {
      const page = await seite();
      await insAnzeigeMenue(page);
      const p = await wo_(page);
      await page.mouse.click(p.x, p.y);
      assert.deepEqual(await offeneMenues(page), ['M_anzeige_Liste']);
      assert.equal(await wo(page), 'M_letztes_Bit_anzeigen');
      await page.keyboard.press('ArrowDown');
      assert.equal(await wo(page), 'M_letztes_Bit_auf_0');
      await page.keyboard.press('Escape');
      assert.ok(await drueckeBis(page, 'Escape', 'Text2', 2), `Escape leaves the menus, keyboard on ${await wo(page)}`);
      assert.deepEqual(await offeneMenues(page), []);
      assert.equal(await offen(page, 'Meldung'), false);
    });
  }
}

for (const engine of ENGINES) {
  describe(`focus under the mouse in ${engine}`, () => {
    let browser;
    let page;
    before(async () => { browser = await starte(engine); });
    after(async () => { await browser?.close(); });
    faelle(async () => { await page?.close(); page = await oeffne(browser); return page; });
  });
}

describe('focus under the mouse in WebKitGTK', { skip: webkitFehlt() ?? false }, () => {
  let page;
  before(async () => { page = await starteWebkit(); });
  after(async () => { await page?.schliessen(); });
  faelle(async () => { await page.oeffne(); return page; });
});
