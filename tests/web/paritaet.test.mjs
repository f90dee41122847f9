// The page against the table of key roads it shares with the window (tests/paritaet.json):
// after each road the highlighted menu title and item, or the current line of List1.
import { describe, it, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { ENGINES, starte, oeffne } from './lib/browser.mjs';
import { gemalt } from './lib/seite.mjs';

const TABELLE = JSON.parse(readFileSync(new URL('../paritaet.json', import.meta.url), 'utf8'));
const TASTEN = TABELLE.tastennamen.puppeteer;

async function druecken(page, tasten) {
  for (const t of tasten) {
    if (t === 'Shift+Tab') {
      await page.keyboard.down('Shift');
      await page.keyboard.press('Tab');
      await page.keyboard.up('Shift');
    } else {
      await page.keyboard.press(TASTEN[t] ?? t);
    }
    await gemalt(page);
  }
}

// Where the keyboard is: [title, item] in the menus (item null on a title), or the current
// line of List1 (0-based) and its text with spaces collapsed.
const wo = (page) => page.evaluate(() => {
  const beschriftung = (el) => {
    const kopie = el.cloneNode(true);
    for (const v of kopie.querySelectorAll('[aria-hidden=true]')) v.remove();
    return kopie.textContent.replace(/\s+/g, ' ').trim();
  };
  const a = document.activeElement;
  if (a?.id === 'List1') {
    const option = document.getElementById(a.getAttribute('aria-activedescendant'));
    return option && { zeile: Number(option.getAttribute('aria-posinset')) - 1, text: beschriftung(option) };
  }
  if (!a?.matches('[role^=menuitem]')) return a?.id ?? null;
  const menue = a.closest('[role=menu]');
  if (!menue) return [beschriftung(a), null];
  return [beschriftung(document.getElementById(menue.getAttribute('aria-labelledby'))), beschriftung(a)];
});

for (const engine of ENGINES) {
  describe(`the window's key roads in ${engine}`, () => {
    let browser;
    let page;
    before(async () => {
      browser = await starte(engine);
      page = await oeffne(browser);
    });
    after(async () => { await browser?.close(); });

    for (const weg of TABELLE.menue) {
      it(weg.tasten.join(' '), async () => {
        await druecken(page, weg.tasten);
        const ist = await wo(page);
        await druecken(page, ['Escape']);
        assert.deepEqual(ist, [weg.titel, weg.eintrag]);
      });
    }

    it('List1 after "Text einfügen", the default key and the positions', async () => {
      // Each road ends with its box open, or with none.
      for (const { tasten, box } of TABELLE.liste.vorher) {
        await druecken(page, tasten);
        await page.waitForFunction((b) => {
          const offen = document.querySelector('dialog[open]');
          return (offen ? document.getElementById(offen.getAttribute('aria-labelledby'))?.textContent : null) === (b ?? null);
        }, { timeout: 10000 }, box);
      }
      const gefahren = [];
      const erwartet = [];
      for (const { taste, zeile, text } of TABELLE.liste.schritte) {
        await druecken(page, [taste]);
        gefahren.push([taste, await wo(page)]);
        erwartet.push([taste, { zeile, text }]);
      }
      assert.deepEqual(gefahren, erwartet);
    });
  });
}
