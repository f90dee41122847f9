// No WCAG 2.1 AA violation that axe-core finds: on the page, with the key box open, with a
// message box open.
import { describe, it, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { ENGINES, starte, oeffne } from './lib/browser.mjs';
import { waehle, warteDialog, setzeText } from './lib/seite.mjs';

const AXE = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

async function pruefe(page) {
  // Injected through the driver, which the page's own CSP does not restrict.
  await page.evaluate(AXE);
  return page.evaluate(async () => {
    const r = await window.axe.run(document, { runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'] } });
    if (r.passes.length < 10) return [`axe passed only ${r.passes.length} rules: did it run?`];
    return r.violations.map((x) => `${x.id} (${x.impact}): ${x.nodes.map((n) => n.target.join(' ')).join(', ')}`);
  });
}

const zustaende = [
  ['the page at start', async () => {}],
  ['the page after the road, with a long list', async (page) => {
    await page.keyboard.type('axe');
    await waehle(page, 'M_Positionen_ermitteln');
    await waehle(page, 'M_Text_verschluesseln');
    await waehle(page, 'M_Bild_entschluesseln');
    await page.focus('#List1');
    await page.keyboard.press('End');
  }],
  ['an open menu', async (page) => { await page.keyboard.press('F10'); await page.keyboard.press('ArrowDown'); }],
  ['the key box', async (page) => { await waehle(page, 'M_den_Schluessel_festlegen'); await warteDialog(page, 'Schluesseldialog'); }],
  ['the picture information', async (page) => { await waehle(page, 'M_Info_zum_Bild'); await warteDialog(page, 'Meldung'); }],
  ['a refusal', async (page) => { await setzeText(page, 'z'.repeat(9999)); await waehle(page, 'M_Positionen_ermitteln'); await warteDialog(page, 'Meldung'); }],
];

for (const engine of ENGINES) {
  describe(`accessibility in ${engine}`, () => {
    let browser;
    before(async () => { browser = await starte(engine); });
    after(async () => { await browser?.close(); });

    for (const [name, hin] of zustaende) {
      it(`axe finds nothing at WCAG 2.1 AA on ${name}`, async () => {
        const page = await oeffne(browser);
        try {
          await hin(page);
          assert.deepEqual(await pruefe(page), []);
        } finally { await page.close(); }
      });
    }
  });
}
