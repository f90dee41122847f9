// Screenshots of the page in Chromium, Firefox and WebKitGTK after a short road.
// usage: node bildschirmfotos.mjs TARNBILD.HTML OUTDIR   (WebKit needs a display: xvfb-run -a)
import { mkdirSync, writeFileSync } from 'node:fs';
import { join, resolve } from 'node:path';

const [html, ausgabe] = process.argv.slice(2);
if (!html || !ausgabe) {
  console.error('usage: node bildschirmfotos.mjs TARNBILD.HTML OUTDIR');
  process.exit(2);
}
process.env.TARNBILD_HTML = resolve(html);
const { ENGINES, starte, oeffne } = await import('./lib/browser.mjs');
const { waehle, schluessel, gemalt } = await import('./lib/seite.mjs');
const { starteWebkit, webkitFehlt } = await import('./lib/webkit.mjs');
const { lesePng, schreibePng } = await import('./lib/png.mjs');
mkdirSync(ausgabe, { recursive: true });

async function strasse(page) {
  await page.keyboard.type('Grüße aus dem Tarnbild!');
  await schluessel(page);
  for (const id of ['M_Positionen_ermitteln', 'M_Text_verschluesseln', 'M_Bild_entschluesseln', 'M_Positionen_anzeigen']) {
    await waehle(page, id);
  }
  await gemalt(page);
}

// The part of the page that holds the window: menu bar and client area.
const fensterRechteck = (page) => page.evaluate(() => {
  const r = ['[role=menubar]', '#Form1'].map((s) => document.querySelector(s).getBoundingClientRect());
  const x = Math.floor(Math.min(...r.map((b) => b.left)));
  const y = Math.floor(Math.min(...r.map((b) => b.top)));
  return { x, y, width: Math.ceil(Math.max(...r.map((b) => b.right))) - x, height: Math.ceil(Math.max(...r.map((b) => b.bottom))) - y };
});

let fehler = 0;
for (const engine of ENGINES) {
  const browser = await starte(engine);
  try {
    const page = await oeffne(browser);
    await strasse(page);
    const datei = join(ausgabe, `tarnbild-${engine}.png`);
    writeFileSync(datei, await page.screenshot({ type: 'png', clip: await fensterRechteck(page) }));
    console.log(datei);
  } catch (e) {
    fehler++;
    console.error(`${engine}: ${e.message}`);
  } finally { await browser.close(); }
}
const fehlt = webkitFehlt();
if (fehlt) {
  console.error(`webkit: ${fehlt}`);
} else {
  const page = await starteWebkit();
  try {
    await page.oeffne();
    await strasse(page);
    const datei = join(ausgabe, 'tarnbild-webkit.png');
    // WebDriver takes the whole viewport, in device pixels; the window's part is cut out here.
    const ganz = lesePng(await page.screenshot());
    const dpr = await page.evaluate(() => devicePixelRatio);
    const r = await fensterRechteck(page);
    const geraet = Object.fromEntries(Object.entries(r).map(([k, v]) => [k, Math.round(v * dpr)]));
    writeFileSync(datei, schreibePng(ganz, geraet));
    console.log(datei);
  } catch (e) {
    fehler++;
    console.error(`webkit: ${e.message}`);
  } finally { await page.schliessen(); }
}
process.exit(fehler ? 1 : 0);
