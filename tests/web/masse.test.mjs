// The window at the display scalings of school laptops: at device pixel ratio r the page shows
// the session's layout for r (the desktop's at 96 × r dpi), every control on whole device
// pixels, in Chromium.
import { describe, it, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { ENGINES, starte, oeffne } from './lib/browser.mjs';

// Every how many device pixels a whole device pixel lies on a quarter CSS pixel.
const schritt = (r) => { let d = 1; while (Math.abs(d * 4 / r - Math.round(d * 4 / r)) > 1e-9) d++; return d; };

describe('layout at every ratio in chromium', { skip: !ENGINES.includes('chromium') && 'Chromium only' }, () => {
  let browser;
  before(async () => { browser = await starte('chromium'); });
  after(async () => { await browser?.close(); });

  for (const r of [1, 1.25, 1.5, 1.75, 2, 2.25, 2.625, 3]) { // 2.25: an Android tablet; 2.625, 3: phones
    it(`lays the window out at ratio ${r} as the session lays it out, on whole device pixels`, async () => {
      const page = await oeffne(browser, { viewport: { width: 900, height: 600, deviceScaleFactor: 1 } });
      try {
        // Opened at 1 and changed: a ratio change lays the window out again.
        await page.setViewport({ width: 900, height: 600, deviceScaleFactor: r });
        await page.waitForFunction(() => document.getElementById('Picture1').dataset.ratio === String(devicePixelRatio));
        const ist = await page.evaluate(() => {
          const d = devicePixelRatio;
          const form = document.getElementById('Form1').getBoundingClientRect();
          const orte = {};
          for (const n of ['Picture1', 'Picture2', 'Label1', 'Label2', 'List1', 'Text2', 'Text3']) {
            const e = document.getElementById(n).getBoundingClientRect();
            orte[n] = [e.left - form.left, e.top - form.top, e.width, e.height].map((v) => v * d);
          }
          return { orte, ecke: [form.left * d, form.top * d] };
        });
        for (const v of ist.ecke) assert.ok(Math.abs(v - Math.round(v)) < 0.05, `client area corner at ${ist.ecke}`);
        // The session's layout for this ratio, whose figures its own tests pin.
        const soll = await page.evaluate((q) => {
          const l = Module.layout(290, 224, q);
          return Object.fromEntries(['Picture1', 'Picture2', 'Label1', 'Label2', 'List1', 'Text2', 'Text3']
            .map((n) => [n, [l[n].left, l[n].top, l[n].width, l[n].height]]));
        }, r);
        for (const [n, werte] of Object.entries(ist.orte)) {
          werte.forEach((v, i) => {
            assert.ok(Math.abs(v - Math.round(v)) < 0.05, `${n}[${i}] = ${v} is no whole device pixel`);
            // A picture may move to the nearest place every engine paints exactly (a quarter
            // CSS pixel): every 5th, 3rd, 7th, 9th or 21st device pixel at 1.25, 1.5, 1.75, 2.25,
            // 2.625, so up to 10 device pixels on a phone at 2.625; its canvas may be padded to
            // such a size, so up to 20 device pixels larger.
            const s = Math.max(r > 2 ? 4 : 3, Math.floor(schritt(r) / 2));
            const [von, bis] = !n.startsWith('Picture') ? [0, 0] : i < 2 ? [-s, s] : [0, schritt(r) - 1];
            const d = Math.round(v) - soll[n][i];
            assert.ok(d >= von && d <= bis, `${n}[${i}]: ${Math.round(v)} device pixels, the session says ${soll[n][i]}`);
          });
        }
        const [p2, liste] = [ist.orte.Picture2, ist.orte.List1];
        assert.ok(p2[0] + soll.Picture2[2] <= liste[0] + 0.05, `Picture2 (${p2}) runs under List1 (${liste})`);
      } finally { await page.close(); }
    });
  }
});
