// The page's pure helpers (web/hilfen.js), loaded as the page loads them: a plain script.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import vm from 'node:vm';

const ordner = process.env.TARNBILD_SKRIPTE ?? new URL('../../../web', import.meta.url).pathname;
const kontext = vm.createContext({ Intl });
vm.runInContext(readFileSync(join(ordner, 'hilfen.js'), 'utf8'), kontext);
const S = vm.runInContext('Tarnbildseite', kontext);

test('geraetepixel lands on the nearest whole device pixel that is a quarter CSS pixel', () => {
  // [p, ratio, expected]; at 2.25 only every ninth device pixel is such a place
  const faelle = [[0, 1, 0], [10.3, 1, 10], [10, 1.5, 10], [10.1, 1.5, 10], [7, 1.25, 8],
    [7.3, 1.75, 8], [3.2, 2, 3], [3.5, 2, 3.5], [5, 3, 5], [596 / 2.25, 2.25, 264], [10 / 2.25, 2.25, 4]];
  for (const [p, r, erwartet] of faelle) {
    const x = S.geraetepixel(p, r);
    assert.equal(x + 0, erwartet, `p ${p} at ${r}`); // + 0: -0 is the same place
    assert.ok(Math.abs(x * r - Math.round(x * r)) < 1e-9, `${x} is no device pixel at ${r}`);
  }
});

test('key events become the model\'s key names; other keys and modifiers are left alone', () => {
  const k = (key, mehr = {}) => S.tastenname({ key, code: '', altKey: false, ctrlKey: false, metaKey: false, shiftKey: false, ...mehr });
  const faelle = [
    [k('ArrowDown'), 'Runter'], [k('Tab'), 'Tab'], [k('Tab', { shiftKey: true }), 'TabZurueck'],
    [k('F10'), 'Menuetaste'], [k('m', { code: 'KeyM', altKey: true }), 'Menuetaste'],
    [k('µ', { code: 'KeyM', altKey: true }), 'Menuetaste'], [k('PageDown'), 'BildAb'], [k(' '), 'Leertaste'],
    [k('F10', { shiftKey: true }), null], [k('ArrowDown', { ctrlKey: true }), null], [k('a'), null],
    [k('Enter', { isComposing: true }), null], [k('Unidentified', { code: 'Tab', shiftKey: true }), 'TabZurueck'],
    [k('Tab', { ctrlKey: true }), null],
  ];
  faelle.forEach(([ist, soll], i) => assert.equal(ist, soll, `case ${i}`));
});

test('the decimal separator comes from the language, a comma when it has none', () => {
  assert.equal(S.dezimaltrenner(new Intl.NumberFormat('de-DE')), ',');
  assert.equal(S.dezimaltrenner(new Intl.NumberFormat('en-US')), '.');
  assert.equal(S.dezimaltrenner({ formatToParts: () => [{ type: 'integer', value: '1' }] }), ',');
});

test('the scaled scroll range reaches the last line of a list taller than any element', () => {
  const zh = 13;
  const hoehe = 221;
  for (const zeilen of [0, 10, 1344, 1039360]) {
    const m = S.rollmass(zeilen, zh, hoehe);
    assert.ok(m.scroll <= S.GRENZE, `${zeilen}: scroll range ${m.scroll}`);
    assert.equal(m.obenAus(m.scroll), m.virtuell, `${zeilen}: the bottom of the bar shows the last line`);
    assert.equal(m.scrollAus(m.virtuell), m.scroll);
    assert.equal(m.obenAus(0), 0);
    const unten = m.sicht(m.virtuell);
    assert.equal(unten.letzte, zeilen, `${zeilen}: the last line is drawn at the bottom`);
    // Without scaling, scrollTop and the list's pixel are one.
    if (m.gesamt <= S.GRENZE) assert.equal(m.obenAus(40), Math.min(40, m.virtuell));
  }
});
