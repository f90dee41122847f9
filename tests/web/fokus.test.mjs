// Where the keyboard focus goes when the mouse presses on what is no control, in all three
// engines: it stays where it was, and an open menu keeps its keyboard.
import { describe, it, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { ENGINES, starte, oeffne } from './lib/browser.mjs';
import { starteWebkit, webkitFehlt } from './lib/webkit.mjs';
import { wo, drueckeBis, punkt, offen } from './lib/seite.mjs';

const offeneMenues = (page) => page.evaluate(() => [...document.querySelectorAll('[role=menu]')]
  .filter((m) => m.getClientRects().length > 0).map((m) => m.id));

async function insAnzeigeMenue(page) {
  await page.keyboard.press('F10');
  assert.ok(await drueckeBis(page, 'ArrowRight', 'M_anzeige', 6), 'F10 and Right reach "Anzeige"');
  assert.ok(await drueckeBis(page, 'ArrowDown', 'M_letztes_Bit_anzeigen', 2), `Down reaches the first item, not ${await wo(page)}`);
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

function faelle(seite) {
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
