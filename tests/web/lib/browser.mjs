// Starts Debian's browsers through puppeteer-core and opens tarnbild.html from file://.
import { mkdtempSync, rmSync, existsSync, writeFileSync } from 'node:fs';
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

// The browser as a person starts it, with a window, on the page alone, in a fresh profile, for a
// screen reader to hear (tests/x11/orca.sh): prints its command line, one argument a line.
const FIREFOX_PREFS = {
  'browser.shell.checkDefaultBrowser': false, 'browser.startup.homepage_override.mstone': 'ignore',
  'browser.aboutwelcome.enabled': false, 'datareporting.policy.dataSubmissionEnabled': false,
  'toolkit.telemetry.reportingpolicy.firstRun': false, 'trailhead.firstrun.didSeeAboutWelcome': true,
  'browser.tabs.warnOnClose': false, 'accessibility.force_disabled': -1,
};
export function befehlszeile(engine, url, profil) {
  if (engine === 'chromium') {
    return [PROGRAMME.chromium, ...CHROMIUM_ARGS, '--no-default-browser-check', `--user-data-dir=${profil}`,
      '--force-renderer-accessibility', `--app=${url}`];
  }
  writeFileSync(join(profil, 'user.js'), Object.entries(FIREFOX_PREFS)
    .map(([k, v]) => `user_pref(${JSON.stringify(k)}, ${JSON.stringify(v)});\n`).join(''));
  return [PROGRAMME.firefox, '--no-remote', '--profile', profil, '--kiosk', url];
}
if (process.argv[2] === 'befehlszeile') {
  console.log(befehlszeile(process.argv[3], pathToFileURL(resolve(process.argv[4])).href, process.argv[5]).join('\n'));
}

// prefs: Firefox preferences for a fresh profile (e.g. layout.css.devPixelsPerPx).
// A loaded machine may take long to start a browser: puppeteer waits for its endpoint that long.
export const starte = (engine, { prefs = {}, args = [] } = {}) => starteEinmal(engine, prefs, args);

async function starteEinmal(engine, prefs, args) {
  const profil = mkdtempSync(join(tmpdir(), `tarnbild-${engine}-`));
  const gemeinsam = { headless: true, userDataDir: profil, protocolTimeout: 120000, timeout: 120000 };
  let browser;
  try {
    browser = engine === 'chromium'
      ? await puppeteer.launch({ ...gemeinsam, executablePath: PROGRAMME.chromium,
        args: [...CHROMIUM_ARGS, ...args] })
      // A Firefox that crashes ends: its crash reporter would wait for a person to answer it.
      : await puppeteer.launch({ ...gemeinsam, browser: 'firefox', executablePath: PROGRAMME.firefox,
        env: { ...process.env, MOZ_CRASHREPORTER_DISABLE: '1' }, extraPrefsFirefox: { 'gfx.color_management.mode': 0, ...prefs }, args });
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
