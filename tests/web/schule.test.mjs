// The folder for a school's web server, served by a real nginx: the manifest and the service
// worker load, the page starts and runs the road with the server gone, and a new build on the
// server replaces the old one whole. Chromium and Firefox through puppeteer, WebKitGTK through
// WebKitWebDriver.
import { describe, it, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import {
  cpSync, existsSync, mkdtempSync, readFileSync, readdirSync, rmSync, statSync, utimesSync, writeFileSync,
} from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { ENGINES, starte, oeffne, bereit, seitenPfad } from './lib/browser.mjs';
import { starteNginx, nginxFehlt } from './lib/nginx.mjs';
import { strasse } from './lib/seite.mjs';
import { starteWebkit, webkitFehlt } from './lib/webkit.mjs';

const quellen = join(dirname(fileURLToPath(import.meta.url)), '..', '..');
// TARNBILD_MAPPE names another folder, such as a release's zip unpacked.
const mappeA = resolve(process.env.TARNBILD_MAPPE || join(dirname(seitenPfad()), 'tarnbild'));
const fehlt = nginxFehlt() ?? (existsSync(join(mappeA, 'sw.js')) ? null : `${mappeA} is missing (scripts/web.sh)`);
const TEXT = 'Grüße ohne Netz';
const cacheName = (mappe) => readFileSync(join(mappe, 'sw.js'), 'utf8').match(/const CACHE = '([^']+)'/)[1];

// Build B: the same page with a marker, through the build's own script.
function baueB(ziel) {
  const seite = join(ziel, '..', 'b.html');
  writeFileSync(seite, readFileSync(seitenPfad(), 'utf8').replace('<head>', '<head>\n<meta name="fassung" content="B">'));
  execFileSync(process.execPath, [join(quellen, 'web/schule/mappe.mjs'), seite, join(quellen, 'data/icons'),
    join(quellen, 'docs/LEHRKRAEFTE.md'), ziel, 'B']);
  // An hour newer than A, as an upload is: nginx's ETag is a file's time and size, and sw.js
  // has the same size in every build, so a copy made in the same second would revalidate as A.
  const spaeter = statSync(join(mappeA, 'sw.js')).mtimeMs / 1000 + 3600;
  for (const datei of readdirSync(ziel, { recursive: true })) utimesSync(join(ziel, datei), spaeter, spaeter);
}

// What the page runs: its build, whether a worker controls it, the caches it sees.
const zustand = (page) => page.evaluate(async () => ({
  fassung: document.querySelector('meta[name=fassung]')?.content ?? 'A',
  gesteuert: !!navigator.serviceWorker.controller,
  caches: await caches.keys(),
}));
// Waits until the worker has filled its cache and controls the page.
const gehalten = (page) => page.waitForFunction(() => !!navigator.serviceWorker.controller, { timeout: 20000 });

describe('school folder on nginx', { skip: fehlt ?? false }, () => {
  let ort;
  let server;
  before(async () => {
    ort = mkdtempSync(join(tmpdir(), 'tarnbild-schule-'));
    baueB(join(ort, 'B'));
  });
  after(async () => {
    await server?.schliesse();
    rmSync(ort, { recursive: true, force: true });
  });
  // The server's folder holds build A (or B) afresh, and the server runs.
  async function serviere(mappe) {
    const wurzel = join(ort, 'www');
    rmSync(wurzel, { recursive: true, force: true });
    cpSync(mappe, wurzel, { recursive: true, preserveTimestamps: true });
    server ??= await starteNginx(wurzel);
    await server.starte();
  }

  // Each engine behind the same few calls; WebKitWebDriver passes no console messages.
  const FAHRER = [
    ...ENGINES.map((engine) => [engine, null, async () => {
      const browser = await starte(engine);
      const fehler = [];
      return {
        fehler,
        oeffne: (url) => oeffne(browser, { url, vorher: (p) => {
          p.on('console', (m) => { if (m.type() === 'error') fehler.push(`${m.text()} ${m.location()?.url ?? ''}`); });
          p.on('pageerror', (e) => fehler.push(String(e)));
        } }),
        neuLaden: (page) => page.reload({ waitUntil: 'load' }),
        zu: (page) => page.close(),
        ende: () => browser.close(),
      };
    }]),
    ['webkit', webkitFehlt(), async () => {
      const page = await starteWebkit();
      return {
        fehler: [],
        oeffne: async (url) => { await page.oeffne(url); return page; },
        neuLaden: () => page.driver.navigate().refresh(),
        zu: async () => {},
        ende: () => page.schliessen(),
      };
    }],
  ];

  for (const [engine, ohne, fahrer] of FAHRER) {
    describe(engine, { skip: ohne ?? false }, () => {
      let f;
      before(async () => { f = await fahrer(); });
      after(async () => { await f?.ende(); await server?.stoppe(); });
      const neuLaden = async (page) => { await f.neuLaden(page); await bereit(page); };

      it('loads manifest and worker with no error, and with the server gone starts and runs the road', async () => {
        await serviere(mappeA);
        const page = await f.oeffne(server.url);
        await gehalten(page);
        const a = { fassung: 'A', gesteuert: true, caches: [cacheName(mappeA)] };
        assert.deepEqual(await zustand(page), a);
        if (engine === 'chromium') {
          const cdp = await page.createCDPSession();
          const manifest = await cdp.send('Page.getAppManifest');
          assert.deepEqual(manifest.errors, []);
          assert.equal(JSON.parse(manifest.data).name, 'Tarnbild - Demo');
          assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);
        }
        await server.stoppe();
        await neuLaden(page);
        assert.deepEqual(await zustand(page), a);
        assert.equal(await strasse(page, TEXT), TEXT);
        assert.deepEqual(f.fehler, []);
        await f.zu(page);
      });

      it('takes a new build from the server on the next start, whole, and keeps it offline', async () => {
        const b = join(ort, 'B');
        await serviere(mappeA);
        const page = await f.oeffne(server.url);
        await gehalten(page);
        await serviere(b);
        await neuLaden(page);
        assert.equal((await zustand(page)).fassung, 'B', 'the next start runs build B');
        await page.waitForFunction((n) => caches.keys().then((k) => k.length === 1 && k[0] === n),
          { timeout: 20000 }, cacheName(b));
        await server.stoppe();
        await neuLaden(page);
        assert.deepEqual(await zustand(page), { fassung: 'B', gesteuert: true, caches: [cacheName(b)] });
        assert.deepEqual(f.fehler, []);
        await f.zu(page);
      });
    });
  }
});
