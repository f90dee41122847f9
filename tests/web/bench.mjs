// Browser benchmark of tarnbild.html (not a test): full-capacity determination with its list
// and repaint, time from opening the file to the first complete paint, and the file's size.
// usage: node bench.mjs TARNBILD.HTML [--runden N] [--engines chromium,firefox]
import { readFileSync } from 'node:fs';
import { gzipSync } from 'node:zlib';
import { resolve } from 'node:path';
import { parseArgs } from 'node:util';

const { values, positionals } = parseArgs({
  allowPositionals: true,
  options: { runden: { type: 'string', default: '11' }, engines: { type: 'string', default: 'chromium,firefox' } },
});
if (!positionals[0]) {
  console.error('usage: node bench.mjs TARNBILD.HTML [--runden N] [--engines chromium,firefox]');
  process.exit(2);
}
process.env.TARNBILD_HTML = resolve(positionals[0]);
process.env.TARNBILD_ENGINES = values.engines;
// --runden 1 is a smoke run (CI): it checks that the benchmark still runs, not its figures.
const RUNDEN = Math.max(1, Number(values.runden));
const { ENGINES, starte, oeffne } = await import('./lib/browser.mjs');
const { zumEintrag, setzeText, zeilen } = await import('./lib/seite.mjs');

const ms = (v) => v.toFixed(1);
function spanne(werte) {
  const s = [...werte].sort((a, b) => a - b);
  const mitte = s.length % 2 ? s[(s.length - 1) / 2] : (s[s.length / 2 - 1] + s[s.length / 2]) / 2;
  return `median ${ms(mitte)} ms (min ${ms(s[0])}, max ${ms(s.at(-1))}, n=${s.length})`;
}

// Frames as fast as the page can make them, so that a frame boundary does not round the figure up to 16.7 ms.
const OHNE_VSYNC = {
  chromium: { args: ['--disable-gpu-vsync', '--disable-frame-rate-limit'] },
  firefox: { prefs: { 'layout.frame_rate': 1000, 'privacy.reduceTimerPrecision': false } },
};

// Arms the page: the Return that chooses the item starts the clock (capture phase, before the
// page's own handler). Two clocks stop: "gemalt" at the first task after the frame that shows the
// grown list, when the page's thread has laid it out, painted it and handed it to the compositor
// (what the desktop benchmark's repaint measures), and "naechstes" at the animation frame after
// it, which adds the browser's wait for another frame.
const scharf = (page) => page.evaluate(() => {
  const t = window.tarnbildTest;
  const vorher = t.zeilen();
  window.messung = new Promise((fertig) => {
    addEventListener('keydown', function start(e) {
      if (e.key !== 'Enter') return;
      removeEventListener('keydown', start, true);
      const t0 = performance.now();
      requestAnimationFrame(function bild() {
        if (t.zeilen() === vorher) { requestAnimationFrame(bild); return; }
        const kanal = new MessageChannel();
        kanal.port1.onmessage = () => {
          const gemalt = performance.now() - t0;
          requestAnimationFrame(() => fertig({ gemalt, naechstes: performance.now() - t0 }));
        };
        kanal.port2.postMessage(0);
      });
    }, true);
  });
});

async function ermittlung(engine) {
  const browser = await starte(engine, OHNE_VSYNC[engine]);
  try {
    const page = await oeffne(browser);
    await setzeText(page, 'e'.repeat(8120));
    const gemalt = [];
    const naechstes = [];
    const belegtVorher = await page.evaluate(() => window.tarnbildTest.belegt());
    for (let i = 0; i <= RUNDEN; i++) {
      // Walk to the item first; only the Return is timed.
      await zumEintrag(page, 'M_Positionen_ermitteln');
      await scharf(page);
      await page.keyboard.press('Enter');
      const r = await page.evaluate(() => window.messung);
      if (i === 0) console.log(`${engine}: first determination (cold, not counted): ${ms(r.gemalt)} ms`);
      else { gemalt.push(r.gemalt); naechstes.push(r.naechstes); }
    }
    const n = await zeilen(page);
    if (n !== (RUNDEN + 1) * 64960) throw new Error(`${n} lines after ${RUNDEN + 1} determinations`);
    console.log(`${engine}: full-capacity determination (8120 characters, 64960 lines), Return to the painted frame that shows them: ${spanne(gemalt)}; to the next frame after it: ${spanne(naechstes)}`);
    const belegt = await page.evaluate(() => window.tarnbildTest.belegt()) - belegtVorher;
    const dom = await page.evaluate(() => document.querySelectorAll('#List1 [role=option]').length);
    console.log(`${engine}: memory per listed line: ${(belegt / n).toFixed(2)} bytes of the module's heap over ${n} lines (the table of the last determination included), ${dom} list lines in the DOM`);
  } finally { await browser.close(); }
}

async function laden(engine) {
  const browser = await starte(engine);
  try {
    const zeiten = [];
    await (await oeffne(browser)).close(); // the first start of a content process is not the page's
    for (let i = 0; i < RUNDEN; i++) {
      const page = await oeffne(browser);
      zeiten.push(await page.evaluate(() => performance.getEntriesByName('tarnbild-gemalt')[0].startTime));
      await page.close();
    }
    console.log(`${engine}: opening the file to the first complete paint (mark tarnbild-gemalt): ${spanne(zeiten)}`);
  } finally { await browser.close(); }
}

const datei = readFileSync(process.env.TARNBILD_HTML);
console.log(`file: ${datei.length} bytes (${(datei.length / 1024).toFixed(1)} KiB) raw, `
  + `${gzipSync(datei, { level: 9 }).length} bytes (${(gzipSync(datei, { level: 9 }).length / 1024).toFixed(1)} KiB) gzip -9`);
for (const engine of ENGINES) {
  await ermittlung(engine);
  await laden(engine);
}
