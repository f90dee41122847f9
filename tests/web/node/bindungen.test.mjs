// The embind layer under node: the menu table, the session's refusals, the road, texts.
import { test, before } from 'node:test';
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { MENUE } from '../lib/seite.mjs';

const pfad = process.env.TARNBILD_NODE;
let M;
before(async () => { M = await createRequire(import.meta.url)(pfad)(); });

const nummer = (name) => M.menue().findIndex((e) => e.name === name);
const neu = () => new M.Tarnbild(',');
const waehle = (t, name, text2 = '', schluessel = '') => t.ausfuehren(nummer(name), text2, schluessel);

test('the menu table: every entry in the window\'s order, with its kind and check-mark flag', () => {
  const menue = M.menue();
  assert.deepEqual(menue.map((e) => e.name), MENUE.flatMap(([m, items]) => [m, ...items]));
  const arten = Object.fromEntries(menue.map((e) => [e.name, e.art]));
  assert.deepEqual([arten.M_anzeige, arten.M_Ende, arten.M_Trenner4, arten.M_Info_zum_Bild],
    ['Menue', 'Leiste', 'Trenner', 'Eintrag']);
  assert.deepEqual(menue.filter((e) => e.abhakbar).map((e) => e.name),
    ['M_text_einfuegen', 'M_den_Schluessel_festlegen', 'M_Positionen_ermitteln', 'M_Text_verschluesseln']);
  assert.equal(menue.find((e) => e.name === 'M_den_Schluessel_festlegen').titel, 'den Schlüssel festlegen');
});

test('a disabled entry is refused by the session and changes nothing', () => {
  const t = neu();
  t.aktivieren();
  const vorher = JSON.stringify(t.zustaende());
  for (const name of ['M_entschluesseln', 'M_Bild_entschluesseln', 'M_Bits_anzeigen', 'M_Positionen_anzeigen']) {
    assert.equal(t.waehlbar(nummer(name)), false, name);
  }
  const a = waehle(t, 'M_Bild_entschluesseln');
  assert.equal(a.text3, undefined);
  assert.equal(a.meldung, '');
  assert.equal(JSON.stringify(t.zustaende()), vorher);
  assert.equal(t.waehlbar(-1) || t.waehlbar(9999), false, 'numbers outside the table');
  t.delete();
});

test('the whole road: key, positions, hiding, decoding give the text back', () => {
  const t = neu();
  t.aktivieren();
  const text = 'Grüße aus Waldsee!\nÄpfel & Öl: 1 ß';
  waehle(t, 'M_den_Schluessel_festlegen', '', 'Waldsee');
  assert.equal(t.titel(), 'Der Schlüssel hat den Wert 709');
  const p = waehle(t, 'M_Positionen_ermitteln', text);
  assert.equal(p.neueZeilen, 8 * (text.length + 1));
  assert.equal(t.zeilen(), 8 * (text.length + 1));
  assert.match(t.zeile(0), /^\d{3}   \d{3}$/);
  const original = t.bild(0).slice();
  assert.equal(waehle(t, 'M_Text_verschluesseln', text).bildGeaendert, true);
  assert.ok(!Buffer.from(t.bild(1)).equals(Buffer.from(original)), 'hiding changes the working copy');
  assert.equal(waehle(t, 'M_Bild_entschluesseln', text).text3, text);
  assert.equal(t.zustaende().every((z) => z.aktiv), true, 'every entry is enabled at the end');
  t.delete();
});

test('a lone surrogate is one character not in the code page, and its neighbours survive', { todo: 'texts still cross as UTF-8' }, () => {
  const t = neu();
  t.aktivieren();
  const text = 'x\uD800ab';
  waehle(t, 'M_den_Schluessel_festlegen', '', 'Waldsee');
  assert.equal(waehle(t, 'M_Positionen_ermitteln', text).neueZeilen, 32);
  waehle(t, 'M_Text_verschluesseln', text);
  assert.equal(waehle(t, 'M_Bild_entschluesseln', text).text3, 'x?ab');
  t.delete();
});
