// The road of a message from the keyboard, the menu states and check marks through ARIA,
// and every refusal message, in Chromium and Firefox.
import { describe, it, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { ENGINES, starte, oeffne } from './lib/browser.mjs';
import {
  STANDARDTEXT, zuLang, fehlen, wo, menuezustand, zustaende, waehle,
  meldung, schluessel, setzeText, wert, zeilen, bild, gemalt, warteDialog, warteZu,
} from './lib/seite.mjs';

const START_AUS = ['M_Bits_anzeigen', 'M_Positionen_anzeigen', 'M_entschluesseln'];

// Pixels of Picture2 that differ from Picture1, each checked to differ only in the red low bit.
function geaendertePunkte(p1, p2, breite) {
  const punkte = [];
  for (let i = 0; i < p1.length; i += 4) {
    if (p1[i] === p2[i] && p1[i + 1] === p2[i + 1] && p1[i + 2] === p2[i + 2]) continue;
    assert.equal(p1[i] >> 1, p2[i] >> 1, `pixel ${i / 4}: more than the red low bit changed`);
    assert.deepEqual([p1[i + 1], p1[i + 2]], [p2[i + 1], p2[i + 2]], `pixel ${i / 4}: green or blue changed`);
    punkte.push(`${(i / 4) % breite},${Math.floor(i / 4 / breite)}`);
  }
  return punkte;
}

for (const engine of ENGINES) {
  describe(`road and menus in ${engine}`, () => {
    let browser;
    let page;
    before(async () => { browser = await starte(engine); });
    after(async () => { await browser?.close(); });
    const frisch = async () => { await page?.close(); page = await oeffne(browser); };

    it('starts as the window does: caption, focus in Text2, menu tree, states, no check mark', async () => {
      await frisch();
      assert.equal(await page.title(), 'Tarnbild - Demo');
      assert.equal(await wo(page), 'Text2');
      const z = await menuezustand(page);
      assert.deepEqual(await zustaende(page), { aus: START_AUS, haken: [] });
      assert.equal(z.M_den_Schluessel_festlegen.text, 'den Schlüssel festlegen');
      assert.equal(z.M_entschluesseln.text, 'Entschlüsseln');
      assert.equal(z.M_letztes_Bit_auf_Zufall_setzen.text, 'letztes Bit auf Zufall setzen');
      // The four commands that set a check mark carry one that a screen reader can read.
      for (const id of ['M_text_einfuegen', 'M_den_Schluessel_festlegen', 'M_Positionen_ermitteln', 'M_Text_verschluesseln']) {
        assert.equal(z[id].rolle, 'menuitemcheckbox', id);
      }
      const beschriftung = await page.evaluate(() => ['Label1', 'Label2', 'Picture1', 'Picture2'].map((id) => {
        const e = document.getElementById(id);
        return e.tagName === 'CANVAS' ? [e.title, e.getAttribute('role'), !!e.getAttribute('aria-label')] : e.textContent.trim();
      }));
      assert.deepEqual(beschriftung, ['zu verschlüsselnder Text', 'entschlüsselter Text',
        ['Originalbild', 'img', true], ['Kopie', 'img', true]]);
      const p1 = await bild(page, 'Picture1');
      assert.equal(p1.length, 290 * 224 * 4);
      assert.ok(p1.equals(await bild(page, 'Picture2')), 'the working copy starts as the Originalbild');
    });

    it('takes the whole road from the keyboard and reads the text back', async () => {
      await frisch();
      // A line break counts as two characters; umlauts and ß are single-byte characters.
      const text = 'Grüße aus Waldsee!\nÄpfel & Öl: 1 ß';
      await page.keyboard.type(text);
      assert.equal(await wert(page, 'Text2'), text);
      const laenge = text.length + 1;

      const vorgabe = await schluessel(page);
      assert.equal(vorgabe, 'Waldsee');
      assert.equal(await page.title(), 'Der Schlüssel hat den Wert 709');
      assert.deepEqual(await zustaende(page), { aus: START_AUS, haken: ['M_den_Schluessel_festlegen'] });
      assert.equal(await wo(page), 'Text2', 'the key box gives the focus back');

      await waehle(page, 'M_Positionen_ermitteln');
      await gemalt(page);
      assert.equal(await zeilen(page), 8 * laenge);
      // The live region tells a screen reader how many positions were determined.
      await page.waitForFunction((n) => new RegExp(`\\b${n}\\b`).test(document.getElementById('Ansage').textContent),
        { timeout: 3000 }, 8 * laenge);
      assert.deepEqual(await zustaende(page), {
        aus: ['M_Bits_anzeigen', 'M_entschluesseln'],
        haken: ['M_Positionen_ermitteln', 'M_den_Schluessel_festlegen'],
      });
      const liste = await page.evaluate(() => {
        const t = window.tarnbildTest;
        return Array.from({ length: t.zeilen() }, (_, i) => t.zeile(i));
      });
      for (const l of liste) assert.match(l, /^\d{3}   \d{3}$/);
      const positionen = liste.map((l) => l.split('   ').map(Number).join(','));
      assert.equal(new Set(positionen).size, positionen.length, 'positions are distinct');
      for (const p of positionen) {
        const [x, y] = p.split(',').map(Number);
        assert.ok(x < 290 && y < 224, p);
      }
      // The options that the list shows are the session's lines.
      const sichtbar = await page.$$eval('#List1 [role=option]', (o) => o.map((e) => [e.id, e.textContent.trim()]));
      assert.ok(sichtbar.length > 0 && sichtbar.length < 100, `${sichtbar.length} options in the DOM`);
      for (const [, t] of sichtbar) assert.ok(liste.includes(t), t);
      assert.equal(sichtbar[0][1], liste[0]);

      const p1 = await bild(page, 'Picture1');
      await waehle(page, 'M_Text_verschluesseln');
      await gemalt(page);
      assert.deepEqual(await zustaende(page), {
        aus: [],
        haken: ['M_Positionen_ermitteln', 'M_Text_verschluesseln', 'M_den_Schluessel_festlegen'],
      });
      assert.equal(await page.$eval('#Picture2', (e) => e.title), 'In diesem Bild ist eine Nachricht versteckt');
      const geaendert = geaendertePunkte(p1, await bild(page, 'Picture2'), 290);
      assert.ok(geaendert.length > 0, 'hiding changed no pixel');
      for (const p of geaendert) assert.ok(positionen.includes(p), `pixel ${p} changed but is no listed position`);
      assert.ok((await bild(page, 'Picture1')).equals(p1), 'Picture1 stays the Originalbild');

      await waehle(page, 'M_Bild_entschluesseln');
      await page.waitForFunction(() => document.getElementById('Text3').value !== '', { timeout: 10000 });
      assert.equal(await wert(page, 'Text3'), text);
      assert.equal(await zeilen(page), 8 * laenge, 'decoding adds no line');

      // Tab cycles List1 -> Text2 -> Text3 and types no tab.
      const folge = [];
      for (let i = 0; i < 3; i++) { await page.keyboard.press('Tab'); folge.push(await wo(page)); }
      assert.deepEqual(folge, ['Text3', 'List1', 'Text2']);
      assert.equal(await wert(page, 'Text2'), text);
      assert.equal(await wert(page, 'Text3'), text);
    });

    it('asks for the key in a box at the top-left corner and values it afresh each time', async () => {
      await frisch();
      const prefix = 'Der Schlüssel hat den Wert ';
      // [how the box is answered, caption afterwards]
      const faelle = [
        [async () => page.keyboard.press('Enter'), `${prefix}709`],
        [async () => { await page.$eval('#Schluessel', (e) => e.select()); await page.keyboard.type('A'); await page.keyboard.press('Enter'); }, `${prefix}65`],
        [async () => page.keyboard.press('Escape'), prefix],
        [async () => { await page.$eval('#Schluessel', (e) => e.select()); await page.keyboard.type('12'); await page.keyboard.press('Enter'); }, `${prefix}99`],
        [async () => page.click('#Schluessel_Abbrechen'), prefix],
        [async () => { await page.$eval('#Schluessel', (e) => e.select()); await page.keyboard.press('Backspace'); await page.keyboard.press('Enter'); }, prefix],
        [async () => page.click('#Schluessel_OK'), `${prefix}709`],
      ];
      for (const [antwort, titel] of faelle) {
        await waehle(page, 'M_den_Schluessel_festlegen');
        await warteDialog(page, 'Schluesseldialog');
        const box = await page.evaluate(() => {
          const d = document.getElementById('Schluesseldialog');
          const r = d.getBoundingClientRect();
          return { x: r.left, y: r.top, titel: document.getElementById(d.getAttribute('aria-labelledby'))?.textContent.trim(),
            frage: d.textContent.includes('Mit der Eingabe einer Zahl wird der Zufallsgenerator auf einen festen Startpunkt festgelegt. Beim Dekodieren benötigt man diesen Schlüssel wieder.'),
            wert: document.getElementById('Schluessel').value, fokus: document.activeElement.id, modal: d.matches(':modal') || (d.matches('.selbst') && d.getAttribute('aria-modal') === 'true') };
        });
        assert.deepEqual(box, { x: 0, y: 0, titel: 'Eingabe des privaten Schlüssels', frage: true, wert: 'Waldsee', fokus: 'Schluessel', modal: true });
        await antwort();
        await warteZu(page, 'Schluesseldialog');
        // document.title drops a trailing space; the title element keeps the caption as set.
        assert.equal(await page.$eval('title', (e) => e.textContent), titel);
        assert.deepEqual(await zustaende(page), { aus: START_AUS, haken: ['M_den_Schluessel_festlegen'] });
      }
    });

    it('"Text einfügen" puts the default text in, and a checked command stays checked when chosen again', async () => {
      await frisch();
      await page.keyboard.type('weg damit');
      for (let i = 0; i < 2; i++) {
        await waehle(page, 'M_text_einfuegen');
        assert.equal(await wert(page, 'Text2'), STANDARDTEXT);
        assert.deepEqual((await zustaende(page)).haken, ['M_text_einfuegen']);
      }
      await waehle(page, 'M_Positionen_ermitteln');
      assert.equal(await zeilen(page), 8 * 168);
      await waehle(page, 'M_Positionen_ermitteln');
      assert.equal(await zeilen(page), 2 * 8 * 168, 'the list is never cleared');
      const a = await page.evaluate(() => [window.tarnbildTest.zeile(0), window.tarnbildTest.zeile(1344)]);
      assert.equal(a[0], a[1], 'same key and length give the same block again');
      // "Ende" and "Info zum Bild" change no state.
      const vorher = await zustaende(page);
      await waehle(page, 'M_Ende');
      assert.deepEqual(await zustaende(page), vorher);
      await waehle(page, 'M_Info_zum_Bild');
      const m = await meldung(page);
      assert.deepEqual([m.rolle, m.titel, m.text], ['alertdialog', 'punktgarten',
        'Das Bild hat 290 * 224 = 64960 Bildpunkte Damit könnte man theortsch eine Nachricht mit 8120 Buchstaben verschlüsseln']);
      assert.ok(m.fokusDrin, 'the message box takes the focus');
      assert.deepEqual(await zustaende(page), vorher);
    });

    it('takes a lone surrogate in Text2 and in the key box as one character outside the code page', async () => {
      await frisch();
      const setze = (id) => page.evaluate((i) => {
        const e = document.getElementById(i);
        e.value = 'x' + String.fromCharCode(0xD800) + 'ab';
        e.dispatchEvent(new InputEvent('input', { bubbles: true }));
      }, id);
      await setze('Text2');
      await schluessel(page);
      await waehle(page, 'M_Positionen_ermitteln');
      assert.equal(await zeilen(page), 32, 'four characters');
      await waehle(page, 'M_Text_verschluesseln');
      await waehle(page, 'M_Bild_entschluesseln');
      await page.waitForFunction(() => document.getElementById('Text3').value !== '', { timeout: 10000 });
      assert.equal(await wert(page, 'Text3'), 'x?ab');
      // The key box: the same value as "x?ab", not as "x?b".
      const titelFuer = async (eingabe) => {
        await waehle(page, 'M_den_Schluessel_festlegen');
        await warteDialog(page, 'Schluesseldialog');
        if (eingabe === null) await setze('Schluessel');
        else await page.$eval('#Schluessel', (e, v) => { e.value = v; }, eingabe);
        await page.keyboard.press('Enter');
        await warteZu(page, 'Schluesseldialog');
        return page.$eval('title', (e) => e.textContent);
      };
      const [einsam, fragezeichen, ohneA] = [await titelFuer(null), await titelFuer('x?ab'), await titelFuer('x?b')];
      assert.equal(einsam, fragezeichen);
      assert.notEqual(einsam, ohneA);
    });

    // Each case: how to get there, the command, the message; afterwards nothing may have changed.
    const ablehnungen = [
      {
        fall: 'a text over the capacity, when determining',
        vorbereiten: async () => setzeText(page, 'a'.repeat(8121)),
        befehle: ['M_Positionen_ermitteln', 'M_Text_verschluesseln'],
        text: zuLang(8121),
      },
      {
        fall: 'a text over the capacity, for every command that reads the table',
        vorbereiten: async () => {
          await page.keyboard.type('ab');
          await waehle(page, 'M_Positionen_ermitteln');
          await waehle(page, 'M_Text_verschluesseln');
          await setzeText(page, 'ä'.repeat(9000));
        },
        befehle: ['M_Positionen_ermitteln', 'M_Text_verschluesseln', 'M_Bild_entschluesseln', 'M_Positionen_anzeigen', 'M_Bits_anzeigen'],
        text: zuLang(9000),
      },
      {
        fall: 'no table before hiding',
        vorbereiten: async () => page.keyboard.type('abc'),
        befehle: ['M_Text_verschluesseln'],
        text: fehlen(24, 0),
      },
      {
        fall: 'a text grown after determination',
        vorbereiten: async () => {
          await page.keyboard.type('abc');
          await waehle(page, 'M_Positionen_ermitteln');
          await page.keyboard.type('d');
        },
        befehle: ['M_Text_verschluesseln'],
        text: fehlen(32, 24),
      },
      {
        fall: 'decoding and markers with a text grown after hiding',
        vorbereiten: async () => {
          await page.keyboard.type('abc');
          await waehle(page, 'M_Positionen_ermitteln');
          await waehle(page, 'M_Text_verschluesseln');
          await page.keyboard.type('\nd'); // the line break counts two
        },
        befehle: ['M_Bild_entschluesseln', 'M_Positionen_anzeigen', 'M_Bits_anzeigen', 'M_Text_verschluesseln'],
        text: fehlen(48, 24),
      },
    ];
    for (const { fall, vorbereiten, befehle, text } of ablehnungen) {
      it(`refuses ${fall}, with the exact message and no change`, async () => {
        await frisch();
        await vorbereiten();
        const vorher = {
          zustand: await zustaende(page), zeilen: await zeilen(page), bild: await bild(page, 'Picture2'),
          text2: await wert(page, 'Text2'), text3: await wert(page, 'Text3'), titel: await page.title(),
        };
        for (const befehl of befehle) {
          await waehle(page, befehl);
          const m = await meldung(page);
          assert.equal(m.text, text, befehl);
          assert.equal(m.titel, 'punktgarten', befehl);
          assert.equal(m.rolle, 'alertdialog', befehl);
          assert.ok(m.fokusDrin, `${befehl}: the message box takes the focus`);
          await gemalt(page);
          assert.deepEqual(await zustaende(page), vorher.zustand, befehl);
          assert.equal(await zeilen(page), vorher.zeilen, befehl);
          assert.ok((await bild(page, 'Picture2')).equals(vorher.bild), `${befehl} changed Picture2`);
          assert.equal(await wert(page, 'Text2'), vorher.text2, befehl);
          assert.equal(await wert(page, 'Text3'), vorher.text3, befehl);
          assert.equal(await page.title(), vorher.titel, befehl);
        }
      });
    }
  });
}
