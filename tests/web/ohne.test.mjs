// A browser that cannot run the program (no WebAssembly with SIMD and exceptions, as Safari
// before 16.4) shows a German notice instead of an empty window; so does a session that fails to start.
import { describe, it, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { ENGINES, starte, seitenUrl } from './lib/browser.mjs';

for (const engine of ENGINES) {
  describe(`a browser without the needed WebAssembly, ${engine}`, () => {
    let browser;
    before(async () => { browser = await starte(engine); });
    after(async () => { await browser?.close(); });

    it('says in German that the program cannot run here, and shows no window', async () => {
      const page = await browser.newPage();
      try {
        await page.evaluateOnNewDocument(() => { WebAssembly.validate = () => false; });
        await page.goto(seitenUrl(), { waitUntil: 'load' });
        await page.waitForFunction(() => !document.getElementById('Ohne').hidden, { timeout: 30000 });
        const stand = await page.evaluate(() => ({
          text: document.getElementById('Ohne').textContent,
          fenster: document.querySelector('main').hidden,
          bereit: document.documentElement.dataset.bereit,
        }));
        assert.match(stand.text, /^Tarnbild läuft in diesem Browser nicht/);
        assert.equal(stand.fenster, true);
        assert.equal(stand.bereit, undefined);
      } finally { await page.close(); }
    });

    it('says in German that the program could not start when the session fails, and shows no window', async () => {
      const page = await browser.newPage();
      try {
        // The page's Module gets a session class that throws, as a session that cannot start.
        await page.evaluateOnNewDocument(() => {
          window.Module = new Proxy({}, {
            get: (m, k) => (k === 'Tarnbild' && k in m ? function () { throw new Error('kein Speicher'); } : m[k]),
          });
        });
        await page.goto(seitenUrl(), { waitUntil: 'load' });
        await page.waitForFunction(() => !document.getElementById('Gescheitert').hidden, { timeout: 30000 });
        const stand = await page.evaluate(() => ({
          text: document.getElementById('Gescheitert').textContent,
          fenster: document.querySelector('main').hidden,
          ohne: document.getElementById('Ohne').hidden,
        }));
        assert.match(stand.text, /^Tarnbild konnte nicht starten/);
        assert.deepEqual([stand.fenster, stand.ohne], [true, true]);
      } finally { await page.close(); }
    });
  });
}
