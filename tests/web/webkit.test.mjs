// The road of a message from the keyboard in WebKitGTK, Safari's engine (run under xvfb-run).
import { describe, it, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { starteWebkit, webkitFehlt } from './lib/webkit.mjs';
import { waehle, schluessel, zustaende, wo, wert, zeilen, meldung, fehlen, gemalt } from './lib/seite.mjs';
import { lesePng } from './lib/png.mjs';
import { vergleiche } from './lib/raster.mjs';

const fehlt = webkitFehlt();

describe('road in WebKitGTK', { skip: fehlt ?? false }, () => {
  let page;
  before(async () => { page = await starteWebkit(); });
  after(async () => { await page?.schliessen(); });

  it('takes the whole road from the keyboard and reads the text back', async () => {
    await page.oeffne();
    assert.equal(await page.title(), 'Tarnbild - Demo');
    assert.equal(await wo(page), 'Text2');
    assert.deepEqual(await zustaende(page), { aus: ['M_Bits_anzeigen', 'M_Positionen_anzeigen', 'M_entschluesseln'], haken: [] });
    const text = 'Grüße aus Waldsee!\nÄpfel';
    await page.keyboard.type(text);
    assert.equal(await wert(page, 'Text2'), text);

    await waehle(page, 'M_Text_verschluesseln');
    assert.equal((await meldung(page)).text, fehlen(8 * (text.length + 1), 0));

    assert.equal(await schluessel(page), 'Waldsee');
    assert.equal(await page.title(), 'Der Schlüssel hat den Wert 709');
    await waehle(page, 'M_Positionen_ermitteln');
    assert.equal(await zeilen(page), 8 * (text.length + 1));
    assert.deepEqual(await zustaende(page), {
      aus: ['M_Bits_anzeigen', 'M_entschluesseln'], haken: ['M_Positionen_ermitteln', 'M_den_Schluessel_festlegen'],
    });
    await waehle(page, 'M_Text_verschluesseln');
    assert.deepEqual(await zustaende(page), {
      aus: [], haken: ['M_Positionen_ermitteln', 'M_Text_verschluesseln', 'M_den_Schluessel_festlegen'],
    });
    await waehle(page, 'M_Bild_entschluesseln');
    await page.waitForFunction(() => document.getElementById('Text3').value !== '');
    assert.equal(await wert(page, 'Text3'), text);

    const folge = [];
    for (let i = 0; i < 3; i++) { await page.keyboard.press('Tab'); folge.push(await wo(page)); }
    assert.deepEqual(folge, ['Text3', 'List1', 'Text2']);
    assert.equal(await wert(page, 'Text2'), text);
  });

  it('shows both pictures pixel for pixel, also after "letztes Bit anzeigen"', async () => {
    await page.oeffne();
    const dpr = await page.evaluate(() => devicePixelRatio);
    for (const schritt of [null, 'M_letztes_Bit_anzeigen']) {
      if (schritt) await waehle(page, schritt);
      await gemalt(page);
      const foto = lesePng(await page.screenshot());
      await vergleiche(page, 'Picture1', foto, dpr);
      await vergleiche(page, 'Picture2', foto, dpr);
    }
  });
});
