// Starts Debian's browsers through puppeteer-core and opens tarnbild.html from file://.
import { mkdtempSync, rmSync, existsSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

export const PROGRAMME = {
  chromium: process.env.CHROMIUM || '/usr/bin/chromium',
  firefox: process.env.FIREFOX || '/usr/bin/firefox-esr',
};

// TARNBILD_ENGINES=chromium limits a run to some engines.
export const ENGINES = (process.env.TARNBILD_ENGINES || 'chromium,firefox')
  .split(',').map((e) => e.trim()).filter((e) => e && existsSync(PROGRAMME[e] || ''));

export function seitenPfad() {
  const pfad = process.env.TARNBILD_HTML;
  if (!pfad) throw new Error('TARNBILD_HTML must name tarnbild.html');
  return resolve(pfad);
}

export const seitenUrl = () => pathToFileURL(seitenPfad()).href;

const CHROMIUM_ARGS = ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
  '--disable-component-update', '--disable-sync', '--no-first-run',
  '--font-render-hinting=none'];

// prefs: Firefox preferences for a fresh profile (e.g. layout.css.devPixelsPerPx).
// A browser that fails to start (seen once in CI: Firefox, on a loaded machine) is tried again
// with a fresh profile; each failure is printed, so that a log shows what went wrong.
const STARTVERSUCHE = 3;

export async function starte(engine, { prefs = {}, args = [] } = {}) {
  for (let versuch = 1; ; versuch++) {
    try {
      return await starteEinmal(engine, prefs, args);
    } catch (fehler) {
      console.error(`# ${engine} did not start (try ${versuch} of ${STARTVERSUCHE}): ${fehler?.message ?? fehler}`);
      if (versuch >= STARTVERSUCHE) throw fehler;
    }
  }
}

async function starteEinmal(engine, prefs, args) {
  const profil = mkdtempSync(join(tmpdir(), `tarnbild-${engine}-`));
  const gemeinsam = { headless: true, userDataDir: profil, protocolTimeout: 120000, timeout: 60000 };
  let browser;
  try {
    browser = engine === 'chromium'
      ? await puppeteer.launch({ ...gemeinsam, executablePath: PROGRAMME.chromium,
        args: [...CHROMIUM_ARGS, ...args] })
      : await puppeteer.launch({ ...gemeinsam, browser: 'firefox', executablePath: PROGRAMME.firefox,
        extraPrefsFirefox: { 'gfx.color_management.mode': 0, ...prefs }, args });
  } catch (fehler) {
    rmSync(profil, { recursive: true, force: true });
    throw fehler;
  }
  const schliessen = browser.close.bind(browser);
  browser.close = async () => {
    try { await schliessen(); } finally { rmSync(profil, { recursive: true, force: true }); }
  };
  return browser;
}

// Opens the page (from file://, or url) and waits for its first complete paint.
export async function oeffne(browser, { viewport = { width: 900, height: 600, deviceScaleFactor: 1 }, vorher, url = seitenUrl() } = {}) {
  const page = await browser.newPage();
  if (viewport) await page.setViewport(viewport);
  if (vorher) await vorher(page);
  await page.goto(url, { waitUntil: 'load' });
  await bereit(page);
  return page;
}

export const bereit = (page) => page.waitForFunction(() => document.documentElement.dataset.bereit === '1', { timeout: 30000 });
