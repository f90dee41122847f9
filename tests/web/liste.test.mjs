// A position list of more than a million lines, scrolled to its end from the keyboard.
import { describe, it, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { ENGINES, starte, oeffne } from './lib/browser.mjs';
import { waehle, setzeText, zeilen, wo, gemalt } from './lib/seite.mjs';

// The picture holds 64,960 positions; 16 full determinations give 1,039,360 lines.
const ZEICHEN = 8120;
const RUNDEN = 16;

// The line the list shows as current: the option that aria-activedescendant names, its text,
// and whether it lies inside the visible part of the list.
const aktuelleZeile = (page) => page.evaluate(() => {
  const liste = document.getElementById('List1');
  const id = liste.getAttribute('aria-activedescendant');
  const option = id && document.getElementById(id);
  if (!option) return { id };
  const o = option.getBoundingClientRect();
  const l = liste.getBoundingClientRect();
  return {
    id, rolle: option.getAttribute('role'), text: option.textContent.trim(),
    nr: Number(option.getAttribute('aria-posinset')), von: Number(option.getAttribute('aria-setsize')),
    sichtbar: o.top >= l.top - 0.5 && o.bottom <= l.bottom + 0.5 && o.height > 0,
    optionen: liste.querySelectorAll('[role=option]').length,
    imListenfeld: liste.contains(option),
  };
});

for (const engine of ENGINES) {
  describe(`long list in ${engine}`, () => {
    let browser;
    before(async () => { browser = await starte(engine); });
    after(async () => { await browser?.close(); });

    it(`lists ${RUNDEN * ZEICHEN * 8} lines and reads the last one after End`, async () => {
      const page = await oeffne(browser);
      try {
        await setzeText(page, 'x'.repeat(ZEICHEN));
        for (let i = 0; i < RUNDEN; i++) await waehle(page, 'M_Positionen_ermitteln');
        await gemalt(page);
        const n = await zeilen(page);
        assert.equal(n, RUNDEN * ZEICHEN * 8);
        const [letzte, blockende, vorletzte, erste] = await page.evaluate((m, block) => {
          const t = window.tarnbildTest;
          return [t.zeile(m - 1), t.zeile(block - 1), t.zeile(m - 2), t.zeile(0)];
        }, n, ZEICHEN * 8);
        assert.match(letzte, /^\d{3}   \d{3}$/);
        assert.equal(letzte, blockende, 'every full determination under one key lists the same block');

        // Shift+Tab from Text2 reaches List1.
        await page.keyboard.down('Shift');
        await page.keyboard.press('Tab');
        await page.keyboard.up('Shift');
        assert.equal(await wo(page), 'List1');
        // [key, expected line, its number from 1]
        const fahrten = [['End', letzte, n], ['ArrowUp', vorletzte, n - 1], ['ArrowDown', letzte, n],
          ['Home', erste, 1], ['PageDown'], ['End', letzte, n], ['PageUp']];
        for (const [taste, erwartet, nr] of fahrten) {
          await page.keyboard.press(taste);
          await gemalt(page);
          const z = await aktuelleZeile(page);
          // A screen reader hears the line's place in the whole list, not in the few rows the DOM holds.
          assert.equal(z.von, n, `after ${taste}: aria-setsize`);
          if (nr) assert.equal(z.nr, nr, `after ${taste}: aria-posinset`);
          else assert.ok(z.nr > (taste === 'PageDown' ? 2 : n - 200) && z.nr < (taste === 'PageDown' ? 200 : n - 1), `${taste} moved to line ${z.nr}`);
          assert.equal(z.text, erwartet ?? await page.evaluate((i) => window.tarnbildTest.zeile(i), z.nr - 1), `after ${taste}`);
          assert.equal(z.rolle, 'option', `after ${taste}`);
          assert.ok(z.imListenfeld && z.sichtbar, `after ${taste} the current line is not shown: ${JSON.stringify(z)}`);
          assert.ok(z.optionen < 200, `${z.optionen} options in the DOM: the list is not virtual`);
        }
        // The page keeps its list below a few bytes a line, far from one element per line.
        const elemente = await page.evaluate(() => document.getElementsByTagName('*').length);
        assert.ok(elemente < 2000, `${elemente} elements in the page`);
      } finally { await page.close(); }
    });
  });
}
