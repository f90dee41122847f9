// What a screen reader is given: every line the list moves to is another element, the list's
// size, the boxes' titles and messages, check marks as states and not as characters, and no old
// announcement when a box opens. Chromium's accessibility tree is read where it tells more.
import { describe, it, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { ENGINES, starte, oeffne } from './lib/browser.mjs';
import { waehle, warteDialog, warteZu, wo, gemalt } from './lib/seite.mjs';

// The accessibility node of an element (Chromium): role, name, description, checked.
async function knoten(page, id) {
  const e = await page.$(`#${id}`);
  const k = await page.accessibility.snapshot({ root: e, interestingOnly: false });
  return { rolle: k.role, name: k.name, beschreibung: k.description ?? '', haken: k.checked };
}

for (const engine of ENGINES) {
  describe(`what is read in ${engine}`, () => {
    let browser;
    before(async () => { browser = await starte(engine); });
    after(async () => { await browser?.close(); });
    const chromium = engine === 'chromium';

    it('moves the current line to another element on every key, each the session\'s line, and says the size', async () => {
      const page = await oeffne(browser);
      try {
        await waehle(page, 'M_text_einfuegen');
        await waehle(page, 'M_Positionen_ermitteln');
        await page.keyboard.down('Shift');
        await page.keyboard.press('Tab');
        await page.keyboard.up('Shift');
        assert.equal(await wo(page), 'List1');
        if (chromium) assert.equal((await knoten(page, 'List1')).beschreibung, '1344');
        const tasten = [...Array(24).fill('ArrowDown'), ...Array(20).fill('ArrowUp'), 'PageDown', 'PageDown',
          'End', 'ArrowUp', 'Home', 'PageDown', 'PageUp'];
        let zuvor = await page.evaluateHandle(() => document.getElementById(
          document.getElementById('List1').getAttribute('aria-activedescendant')));
        for (const [k, taste] of tasten.entries()) {
          await page.keyboard.press(taste);
          await gemalt(page);
          const jetzt = await page.evaluateHandle(() => document.getElementById(
            document.getElementById('List1').getAttribute('aria-activedescendant')));
          const z = await page.evaluate((a, b) => ({
            anderes: a !== b, text: a.textContent, nr: Number(a.getAttribute('aria-posinset')),
            gewaehlt: a.getAttribute('aria-selected'),
          }), jetzt, zuvor);
          assert.ok(z.anderes, `key ${k} (${taste}): the current line kept its element`);
          assert.equal(z.text, await page.evaluate((i) => window.tarnbildTest.zeile(i), z.nr - 1), `key ${k}`);
          assert.equal(z.gewaehlt, 'true');
          await zuvor.dispose();
          zuvor = jetzt;
        }
      } finally { await page.close(); }
    });

    it('gives the boxes\' titles and messages to their first focus, and clears old announcements', async () => {
      const page = await oeffne(browser);
      try {
        await waehle(page, 'M_text_einfuegen');
        await waehle(page, 'M_Positionen_ermitteln');
        await page.waitForFunction(() => document.getElementById('Ansage').textContent !== '');
        await waehle(page, 'M_Info_zum_Bild');
        await warteDialog(page, 'Meldung');
        assert.equal(await page.$eval('#Ansage', (e) => e.textContent), '', 'an old announcement waits in the live region');
        const text = await page.$eval('#Meldung_Text', (e) => e.textContent);
        assert.equal(await wo(page), 'Meldung_OK');
        if (chromium) {
          assert.deepEqual(await knoten(page, 'Meldung_OK'), { rolle: 'button', name: 'OK', beschreibung: `punktgarten ${text}`, haken: undefined });
          assert.equal((await knoten(page, 'Meldung')).name, 'punktgarten');
        }
        await page.keyboard.press('Enter');
        await warteZu(page, 'Meldung');
        assert.equal(await page.$eval('#Ansage', (e) => e.textContent), '');

        await waehle(page, 'M_den_Schluessel_festlegen');
        await warteDialog(page, 'Schluesseldialog');
        assert.equal(await wo(page), 'Schluessel');
        if (chromium) {
          const k = await knoten(page, 'Schluessel');
          assert.match(k.name, /^Eingabe des privaten Schlüssels Mit der Eingabe einer Zahl/);
        }
        await page.keyboard.press('Escape');
        await warteZu(page, 'Schluesseldialog');
      } finally { await page.close(); }
    });

    it('names menu items without their check mark, which is a state', { skip: !chromium && 'Chromium\'s tree only' }, async () => {
      const page = await oeffne(browser);
      try {
        await waehle(page, 'M_text_einfuegen');
        await page.keyboard.press('F10');
        await page.keyboard.press('ArrowDown');
        const marke = await page.$eval('#M_text_einfuegen', (e) => getComputedStyle(e, '::before').content);
        assert.match(marke, /✓|\\2713/, 'the check mark is drawn');
        const k = await knoten(page, 'M_text_einfuegen');
        assert.deepEqual([k.rolle, k.name, k.haken], ['menuitemcheckbox', 'Text einfügen', true]);
        await page.keyboard.press('Escape');
      } finally { await page.close(); }
    });
  });
}
