// Every device pixel of both canvases against the session's pictures: each picture pixel is
// exactly k x k device pixels, k = max(1, floor(devicePixelRatio)), at the ratios a school's
// screens have, in Chromium and Firefox.
import { describe, it, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { ENGINES, starte, oeffne } from './lib/browser.mjs';
import { lesePng } from './lib/png.mjs';
import { vergleiche } from './lib/raster.mjs';
import { waehle, schluessel, bild, gemalt } from './lib/seite.mjs';

const VERHAELTNISSE = [1, 1.25, 1.5, 2, 2.25, 2.625, 3]; // 2.25: a tablet; 2.625, 3: phones
const ANSICHT = { width: 904, height: 600 }; // whole device pixels at every ratio

async function foto(page, dpr) {
  await gemalt(page);
  const png = lesePng(await page.screenshot({ type: 'png' }));
  assert.equal(png.breite, Math.round(ANSICHT.width * dpr), 'screenshot in device pixels');
  return png;
}

// Hides the default text and shows the red low-bit plane, so that Picture2 differs from Picture1.
async function veraendere(page) {
  await waehle(page, 'M_text_einfuegen');
  await schluessel(page);
  await waehle(page, 'M_Positionen_ermitteln');
  await waehle(page, 'M_Text_verschluesseln');
  await waehle(page, 'M_letztes_Bit_anzeigen');
}

for (const engine of ENGINES) {
  describe(`pictures in ${engine}`, () => {
    let browser;
    before(async () => { browser = await starte(engine); });
    after(async () => { await browser?.close(); });

    for (const dpr of VERHAELTNISSE) {
      it(`shows both pictures exactly at device pixel ratio ${dpr}`, async () => {
        const page = await oeffne(browser, { viewport: { ...ANSICHT, deviceScaleFactor: dpr } });
        try {
          const p1 = await vergleiche(page, 'Picture1', await foto(page, dpr), dpr);
          const p2 = await vergleiche(page, 'Picture2', await foto(page, dpr), dpr);
          assert.ok(p1.equals(p2), 'the working copy starts as the Originalbild');
          await veraendere(page);
          const f = await foto(page, dpr);
          const q1 = await vergleiche(page, 'Picture1', f, dpr);
          const q2 = await vergleiche(page, 'Picture2', f, dpr);
          assert.ok(q1.equals(p1), 'Picture1 stays the Originalbild');
          assert.ok(!q2.equals(q1), 'the low-bit view changes Picture2');
          for (let i = 0; i < q2.length; i += 4) {
            assert.ok((q2[i] === 0 || q2[i] === 255) && q2[i] === q2[i + 1] && q2[i] === q2[i + 2], 'black or white');
          }
        } finally { await page.close(); }
      });
    }

    it('stays exact when the ratio changes under an open page (another screen, zoom)', async () => {
      const page = await oeffne(browser, { viewport: { ...ANSICHT, deviceScaleFactor: 1 } });
      try {
        await veraendere(page);
        // The ratio alone changes: Chromium's emulation fires neither a resize nor a media-query
        // change for it, so the page must notice the ratio by itself.
        for (const dpr of [2, 1.25, 1.5, 1]) {
          await page.setViewport({ ...ANSICHT, deviceScaleFactor: dpr });
          await page.waitForFunction(() => ['Picture1', 'Picture2'].every(
            (id) => document.getElementById(id).dataset.ratio === String(window.devicePixelRatio)));
          await gemalt(page);
          await gemalt(page);
          const f = await foto(page, dpr);
          await vergleiche(page, 'Picture1', f, dpr);
          await vergleiche(page, 'Picture2', f, dpr);
        }
      } finally { await page.close(); }
    });
  });
}
