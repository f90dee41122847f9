// WebKitGTK through WebKitWebDriver and selenium-webdriver, behind the few page calls that
// lib/seite.mjs makes of a puppeteer page, so that the same helpers drive Safari's engine.
import { spawn } from 'node:child_process';
import { existsSync } from 'node:fs';
import { createServer } from 'node:net';
import { Builder, Key, Capabilities } from 'selenium-webdriver';
import { seitenUrl } from './browser.mjs';

export const TREIBER = process.env.WEBKITWEBDRIVER || '/usr/bin/WebKitWebDriver';
const MINIBROWSER = [process.env.MINIBROWSER, '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser',
  '/usr/lib/aarch64-linux-gnu/webkit2gtk-4.1/MiniBrowser', '/usr/libexec/webkit2gtk-4.1/MiniBrowser']
  .find((p) => p && existsSync(p));

// Why WebKit cannot run here, or null.
export function webkitFehlt() {
  if (!existsSync(TREIBER)) return `${TREIBER} is missing (package webkit2gtk-driver)`;
  if (!MINIBROWSER) return 'MiniBrowser of webkit2gtk-4.1 is missing';
  if (!process.env.DISPLAY && !process.env.WAYLAND_DISPLAY) return 'no display: run under xvfb-run';
  return null;
}

const TASTEN = {
  F10: Key.F10, ArrowDown: Key.ARROW_DOWN, ArrowUp: Key.ARROW_UP, ArrowLeft: Key.ARROW_LEFT,
  ArrowRight: Key.ARROW_RIGHT, Enter: Key.ENTER, Tab: Key.TAB, Escape: Key.ESCAPE, End: Key.END,
  Home: Key.HOME, Shift: Key.SHIFT, PageDown: Key.PAGE_DOWN, PageUp: Key.PAGE_UP,
};
const taste = (t) => TASTEN[t] ?? t;

export const freierPort = () => new Promise((r) => {
  const s = createServer();
  s.listen(0, '127.0.0.1', () => { const { port } = s.address(); s.close(() => r(port)); });
});

export async function starteWebkit() {
  const port = await freierPort();
  const treiber = spawn(TREIBER, [`--port=${port}`], { stdio: 'ignore' });
  const caps = new Capabilities();
  caps.setBrowserName('MiniBrowser');
  caps.set('webkitgtk:browserOptions', { args: ['--automation'], binary: MINIBROWSER });
  let driver;
  for (let i = 0; i < 100 && !driver; i++) {
    try {
      driver = await new Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities(caps).build();
    } catch (e) {
      if (i === 99) { treiber.kill(); throw e; }
      await new Promise((r) => setTimeout(r, 100));
    }
  }
  const seite = new WebkitSeite(driver);
  seite.schliessen = async () => {
    try { await driver.quit(); } finally { treiber.kill(); }
  };
  return seite;
}

class WebkitSeite {
  constructor(driver) {
    this.driver = driver;
    const aktion = async (f) => { const a = driver.actions({ async: true }); f(a); await a.perform(); };
    this.keyboard = {
      press: (t) => aktion((a) => a.keyDown(taste(t)).keyUp(taste(t))),
      down: (t) => aktion((a) => a.keyDown(taste(t))),
      up: (t) => aktion((a) => a.keyUp(taste(t))),
      type: (text) => aktion((a) => a.sendKeys(...[...text].map((c) => (c === '\n' ? Key.ENTER : c)))),
    };
  }

  get mouse() {
    return {
      click: (x, y) => this.driver.actions({ async: true })
        .move({ x: Math.round(x), y: Math.round(y), origin: 'viewport' }).press().release().perform(),
    };
  }

  async oeffne(url = seitenUrl()) {
    await this.driver.manage().window().setRect({ width: 920, height: 640 });
    await this.driver.get(url);
    await this.waitForFunction(() => document.documentElement.dataset.bereit === '1', { timeout: 30000 });
  }

  evaluate(fn, ...args) {
    return this.driver.executeScript(`return (${fn}).apply(null, arguments)`, ...args);
  }

  $eval(selektor, fn, ...args) {
    return this.driver.executeScript(`return (${fn}).apply(null, [document.querySelector(arguments[0]), ...[].slice.call(arguments, 1)])`, selektor, ...args);
  }

  title() { return this.driver.getTitle(); }

  async waitForFunction(fn, { timeout = 10000 } = {}, ...args) {
    const ende = Date.now() + timeout;
    for (;;) {
      if (await this.evaluate(fn, ...args)) return;
      if (Date.now() > ende) throw new Error(`waited ${timeout} ms in vain for ${fn}`);
      await new Promise((r) => setTimeout(r, 50));
    }
  }

  async screenshot() { return Buffer.from(await this.driver.takeScreenshot(), 'base64'); }
}
