import { starte, oeffne } from './lib/browser.mjs';
const engine = process.argv[2] || 'chromium';
const browser = await starte(engine);
for (let i = 0; i < 4; i++) {
const page = await oeffne(browser, { viewport: { width: 900, height: 600, deviceScaleFactor: 1 } });
await page.waitForFunction(() => document.documentElement.dataset.bereit === '1');
console.log(engine, await page.evaluate(() => { const n = performance.getEntriesByType('navigation')[0]; const m = performance.getEntriesByName('tarnbild-gemalt')[0];
  return { resp: n.responseEnd|0, domInteractive: n.domInteractive|0, dcl: n.domContentLoadedEventEnd|0, load: n.loadEventEnd|0, gemalt: m.startTime|0, marks: performance.getEntriesByType('mark').map(x => x.name + '@' + (x.startTime|0)).join(' ') }; }));
await page.close();
}
await browser.close();
