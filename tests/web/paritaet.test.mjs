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

// Where the keyboard is, as the table's "wo" names it.
const ort = (page) => page.evaluate(() => {
  const a = document.activeElement;
  if (a?.id === 'Meldung_OK') return 'Meldung';
  if (!a?.matches('[role^=menuitem]')) return a?.id ?? null;
  const text = (el) => el.textContent.replace(/\s+/g, ' ').trim();
  const menue = a.closest('[role=menu]');
  return menue ? `${text(document.getElementById(menue.getAttribute('aria-labelledby')))}/${text(a)}` : `${text(a)}/`;
});

// A step of the walk: a key, a press or the mouse on an entry (caption or name) or a picture, or
// N letters into the box that has the keyboard, announced as the browser announces an insertion
// (Firefox gives a script's paste event no data); true if the page took them, where a refusal
// cancels the event.
async function gehen(page, schritt) {
  const [art, ziel] = schritt.split(/:(.*)/s);
  if (art === 'einfuegen') {
    return page.evaluate((n) => document.activeElement.dispatchEvent(new InputEvent('beforeinput',
      { inputType: 'insertText', data: 'x'.repeat(n), bubbles: true, cancelable: true })), Number(ziel));
  } else if (ziel !== undefined) {
    const el = await page.evaluateHandle((z) => document.getElementById(z)
      ?? [...document.querySelectorAll('[role^=menuitem]')].find((e) => e.textContent.trim() === z), ziel);
    await (art === 'zeigen' ? el.hover() : el.click());
  } else {
    await druecken(page, [schritt]);
  }
}

// Waits until the keyboard is where the row says, or the deadline passes; returns where it is.
async function warten(page, soll, ms = 3000) {
  const ende = Date.now() + ms;
  let ist = await ort(page);
  while (ist !== soll && Date.now() < ende) {
    await new Promise((r) => setTimeout(r, 50));
    ist = await ort(page);
  }
  return ist;
}

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

    it('the walk of the table, from a fresh page', async () => {
      page = await oeffne(browser);
      const gefahren = [];
      for (const { schritte, wo } of TABELLE.wege) {
        let abweisung = null;
        for (const s of schritte) {
          // A paste goes into the box the row ends in, once the keyboard is there (a box opens late).
          if (s.startsWith('einfuegen:')) await warten(page, wo);
          const vorher = await page.evaluate(() => document.activeElement.value ?? null);
          const genommen = await gehen(page, s);
          if (!s.startsWith('einfuegen:')) continue;
          // The refusal shows the box's message; closed, the box holds what it had.
          const meldung = await warten(page, 'Meldung') === 'Meldung' && await page.$eval('#Meldung_Text', (e) => e.textContent);
          await druecken(page, ['Return']);
          const nachher = await page.$eval(`#${wo}`, (e) => e.value);
          abweisung = !genommen && /^Der (Text|Schlüssel) wäre 1\.000\.\d{3} Zeichen lang/.test(meldung) && nachher === vorher;
        }
        gefahren.push([schritte.join(' '), await warten(page, wo)]);
        if (abweisung !== null) gefahren.push(['abgewiesen', abweisung]);
      }
      const erwartet = TABELLE.wege.flatMap(({ schritte, wo, abgewiesen }) =>
        [[schritte.join(' '), wo], ...(abgewiesen ? [['abgewiesen', true]] : [])]);
      assert.deepEqual(gefahren, erwartet);
    });
  });
}
