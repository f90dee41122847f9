// The page makes no network request: opened from file://, through the whole road, and its
// Content-Security-Policy stops a request that a script tries.
import { describe, it, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { createServer } from 'node:http';
import { ENGINES, starte, oeffne, seitenUrl } from './lib/browser.mjs';
import { waehle, schluessel, meldung } from './lib/seite.mjs';

for (const engine of ENGINES) {
  describe(`network in ${engine}`, () => {
    let browser;
    before(async () => { browser = await starte(engine); });
    after(async () => { await browser?.close(); });

    it('requests nothing but its own file while it runs the road', async () => {
      const anfragen = [];
      const page = await oeffne(browser, {
        vorher: async (p) => {
          await p.setRequestInterception(true);
          p.on('request', (r) => { anfragen.push(r.url()); r.continue(); });
        },
      });
      try {
        assert.ok(page.url().startsWith('file://'), page.url());
        await page.keyboard.type('Netz');
        await schluessel(page);
        for (const id of ['M_Positionen_ermitteln', 'M_Text_verschluesseln', 'M_Bild_entschluesseln',
          'M_Positionen_anzeigen', 'M_Bits_anzeigen', 'M_letztes_Bit_auf_Zufall_setzen']) await waehle(page, id);
        await waehle(page, 'M_Info_zum_Bild');
        await meldung(page);
        const fremde = anfragen.filter((u) => u !== seitenUrl() && !u.startsWith('data:'));
        assert.deepEqual(fremde, []);
        // Firefox reports no network event for a file:// document; Chromium does.
        if (engine === 'chromium') assert.ok(anfragen.includes(seitenUrl()), `the document itself was not seen: ${anfragen}`);
      } finally { await page.close(); }
    });

    it('sees a request when a page makes one (the watch above works in this engine)', async () => {
      const server = createServer((_, res) => res.end('x'));
      await new Promise((r) => server.listen(0, '127.0.0.1', r));
      const url = `http://127.0.0.1:${server.address().port}/probe`;
      const page = await browser.newPage();
      try {
        const anfragen = [];
        await page.setRequestInterception(true);
        page.on('request', (r) => { anfragen.push(r.url()); r.continue(); });
        await page.goto(`http://127.0.0.1:${server.address().port}/`);
        await page.evaluate((u) => fetch(u).then((r) => r.text()), url);
        assert.ok(anfragen.includes(url), `seen: ${anfragen}`);
      } finally {
        await page.close();
        server.close();
      }
    });

    it("carries connect-src 'none', and a script's request never leaves the page", async () => {
      let treffer = 0;
      const server = createServer((_, res) => { treffer++; res.setHeader('Access-Control-Allow-Origin', '*'); res.end('x'); });
      await new Promise((r) => server.listen(0, '127.0.0.1', r));
      const page = await oeffne(browser);
      try {
        const csp = await page.evaluate(() => [...document.querySelectorAll('meta[http-equiv]')]
          .filter((m) => m.httpEquiv.toLowerCase() === 'content-security-policy').map((m) => m.content));
        assert.equal(csp.length, 1, 'one Content-Security-Policy meta');
        const connect = csp[0].split(';').map((s) => s.trim()).find((s) => s.startsWith('connect-src'));
        assert.equal(connect, "connect-src 'none'");
        const url = `http://127.0.0.1:${server.address().port}/`;
        const ergebnis = await page.evaluate(async (u) => {
          const versuche = {};
          try { await fetch(u); versuche.fetch = 'gesendet'; } catch { versuche.fetch = 'verweigert'; }
          versuche.xhr = await new Promise((r) => {
            const x = new XMLHttpRequest();
            x.onload = () => r('gesendet');
            x.onerror = () => r('verweigert');
            try { x.open('GET', u); x.send(); } catch { r('verweigert'); }
          });
          return versuche;
        }, url);
        assert.deepEqual(ergebnis, { fetch: 'verweigert', xhr: 'verweigert' });
        assert.equal(treffer, 0, 'the local server was reached');
      } finally {
        await page.close();
        server.close();
      }
    });
  });
}
