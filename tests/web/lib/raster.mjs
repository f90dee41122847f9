// Checks a canvas on a screenshot against the session's picture, device pixel by device pixel.
import assert from 'node:assert/strict';
import { bild } from './seite.mjs';

// Compares the canvas's device pixels on a screenshot with the RGBA of the picture.
export async function vergleiche(page, name, foto, dpr) {
  const r = await page.$eval(`#${name}`, (c) => {
    const b = c.getBoundingClientRect();
    const s = getComputedStyle(c);
    return { x: b.left + c.clientLeft + parseFloat(s.paddingLeft), y: b.top + c.clientTop + parseFloat(s.paddingTop),
      w: c.clientWidth - parseFloat(s.paddingLeft) - parseFloat(s.paddingRight),
      h: c.clientHeight - parseFloat(s.paddingTop) - parseFloat(s.paddingBottom),
      bw: b.width, bh: b.height, dpr: devicePixelRatio };
  });
  assert.equal(r.dpr, dpr, 'the page sees the ratio');
  const soll = await bild(page, name);
  const { breite: W, hoehe: H } = await page.evaluate(() => ({ breite: window.tarnbildTest.breite, hoehe: window.tarnbildTest.hoehe }));
  const k = Math.max(1, Math.floor(dpr));
  const x0 = r.x * dpr;
  const y0 = r.y * dpr;
  const ganz = (v) => Math.abs(v - Math.round(v)) < 0.02;
  assert.ok(ganz(x0) && ganz(y0), `${name} starts at device pixel (${x0}, ${y0}), not on a whole one`);
  // The canvas may be padded beyond the picture, by whole device pixels.
  assert.ok(ganz(r.bw * dpr) && ganz(r.bh * dpr) && r.bw * dpr > W * k - 0.02 && r.bh * dpr > H * k - 0.02,
    `${name} covers ${r.bw * dpr} x ${r.bh * dpr} device pixels, not at least ${W * k} x ${H * k}`);
  const X0 = Math.round(x0);
  const Y0 = Math.round(y0);
  assert.ok(X0 + W * k <= foto.breite && Y0 + H * k <= foto.hoehe, `${name} lies outside the screenshot`);
  let falsch = 0;
  const beispiele = [];
  for (let y = 0; y < H; y++) {
    for (let x = 0; x < W; x++) {
      const s = (y * W + x) * 4;
      for (let dy = 0; dy < k; dy++) {
        for (let dx = 0; dx < k; dx++) {
          const i = ((Y0 + y * k + dy) * foto.breite + X0 + x * k + dx) * 4;
          if (foto.rgba[i] !== soll[s] || foto.rgba[i + 1] !== soll[s + 1] || foto.rgba[i + 2] !== soll[s + 2]) {
            if (falsch++ < 3) beispiele.push(`(${x},${y})+(${dx},${dy}) shows ${foto.rgba.subarray(i, i + 3).join('/')}, is ${soll.subarray(s, s + 3).join('/')}`);
          }
        }
      }
    }
  }
  assert.equal(falsch, 0, `${name} at ${dpr}: ${falsch} wrong device pixels, e.g. ${beispiele.join('; ')}`);
  return soll;
}
