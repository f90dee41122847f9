// The embind layer under node: the menu table, the session's refusals, the road, texts.
import { test, before } from 'node:test';
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';

const pfad = process.env.TARNBILD_NODE;
let M;
before(async () => { M = await createRequire(import.meta.url)(pfad)(); });

const nummer = (name) => M.menue().findIndex((e) => e.name === name);
const neu = () => new M.Tarnbild(',');
const waehle = (t, name, text2 = '', schluessel = '') => t.waehlen(nummer(name), text2, schluessel);

test('the menu table: every entry with its kind and check-mark flag', () => {
  const menue = M.menue();
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
  for (const name of ['M_Bild_entschluesseln', 'M_Bits_anzeigen']) {
    const a = waehle(t, name, 'abc', '709');
    assert.deepEqual([a.gewaehlt, a.text3, a.meldung, a.bildGeaendert], [false, undefined, '', false], name);
  }
  assert.equal(t.waehlen(-1, '', '').gewaehlt, false);
  assert.equal(t.waehlen(9999, '', '').gewaehlt, false);
  assert.equal(JSON.stringify(t.zustaende()), vorher);
  assert.equal(t.waehlbar(-1) || t.waehlbar(9999), false, 'numbers outside the table');
  t.delete();
});

// The road under key 709 for a text: the session, and what each step answered.
function strasse(text) {
  const t = neu();
  t.aktivieren();
  waehle(t, 'M_den_Schluessel_festlegen', '', 'Waldsee');
  const titel = t.titel();
  const ermittelt = waehle(t, 'M_Positionen_ermitteln', text);
  const original = t.bild(0).slice();
  const versteckt = waehle(t, 'M_Text_verschluesseln', text);
  const geaendert = !Buffer.from(t.bild(1)).equals(Buffer.from(original));
  const text3 = waehle(t, 'M_Bild_entschluesseln', text).text3;
  return { t, titel, neueZeilen: ermittelt.neueZeilen, bildGeaendert: versteckt.bildGeaendert && geaendert, text3 };
}

test('the whole road: key, positions, hiding, decoding give the text back', () => {
  const text = 'Grüße aus Waldsee!\nÄpfel & Öl: 1 ß';
  const r = strasse(text);
  assert.equal(r.titel, 'Der Schlüssel hat den Wert 709');
  assert.equal(r.neueZeilen, 8 * (text.length + 1));
  assert.equal(r.t.zeilen(), 8 * (text.length + 1));
  assert.match(r.t.zeile(0), /^\d{3}   \d{3}$/);
  assert.equal(r.bildGeaendert, true, 'hiding changes the working copy');
  assert.equal(r.text3, text);
  assert.equal(r.t.zustaende().every((z) => z.aktiv), true, 'every entry is enabled at the end');
  r.t.delete();
});

test('the menus and the list move as the model says, through the bindings', () => {
  const t = neu();
  t.aktivieren();
  const T = M.Taste;
  // [state, key, expected state, chosen]
  const aus = { titel: -1, eintrag: -1, offen: false };
  const f10 = t.menueTaste(aus, T.Menuetaste);
  assert.deepEqual(f10.stand, { titel: nummer('M_Text_im_Fenster_verschluesseln'), eintrag: nummer('M_text_einfuegen'), offen: true });
  const rechts = t.menueTaste(f10.stand, T.Rechts);
  assert.deepEqual(rechts.stand, { titel: nummer('M_entschluesseln'), eintrag: -1, offen: false }, 'a disabled title stays shut');
  const zurueck = t.menueTaste(f10.stand, T.Hoch);
  assert.equal(zurueck.stand.eintrag, nummer('M_Text_verschluesseln'), 'Up wraps to the last item');
  const wahl = t.menueTaste(f10.stand, T.Eingabe);
  assert.deepEqual([wahl.waehlen, wahl.verlassen, wahl.behandelt], [nummer('M_text_einfuegen'), true, true]);
  assert.equal(t.menueTaste(f10.stand, T.Escape).verlassen, true);
  assert.equal(t.eintragKlick(f10.stand, nummer('m_trenner10')).waehlen, -1, 'a separator chooses nothing');
  // 1,344 lines, 17 shown: a page is 16 lines.
  assert.deepEqual(M.listenTaste({ zeile: 0, erste: 0 }, T.BildAb, 1344, 17.7 * M.LISTENZEILE), { zeile: 16, erste: 0, behandelt: true });
  assert.deepEqual(M.listenTaste({ zeile: 16, erste: 0 }, T.Runter, 1344, 17.7 * M.LISTENZEILE), { zeile: 17, erste: 1, behandelt: true });
  assert.deepEqual(M.listenTaste({ zeile: -1, erste: 0 }, T.Ende, 1344, 17.7 * M.LISTENZEILE), { zeile: 1343, erste: 1327, behandelt: true });
  t.delete();
});

test('a lone surrogate is one character not in the code page, and its neighbours survive', () => {
  const r = strasse('x\uD800ab');
  assert.deepEqual([r.neueZeilen, r.text3], [32, 'x?ab']);
  r.t.delete();
});
