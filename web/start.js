// The page of the browser edition: the manager that starts the session and
// holds one part per component (menu bar, list, pictures, boxes). It builds
// the window from the session's tables (layout, menu tree, texts) and is the
// Oberflaeche of the session's Steuerung: it hands each key, click, Tab and
// box answer to it and does what it asks; it decides no refusal, no step of a
// command, no place of the keyboard, and writes no text of its own.
//
// Keyboard: F10 or Alt+M opens the menu bar, as F10 does in the desktop window:
// a real F10 (an X11 key press, not only a script's event) reaches the page
// in Chromium, Firefox and WebKitGTK, which keep it for themselves only when
// the page does not take it.
(function (S) {
  'use strict';

  const $ = (id) => document.getElementById(id);
  const RING = ['List1', 'Text2', 'Text3'];
  const PAUSEN = () => Module.pausen();

  function beschriften(t, sitzung) {
    $('Label1').textContent = t.label1;
    $('Label2').textContent = t.label2;
    $('Picture1').title = t.tooltipOriginal;
    $('Picture1').setAttribute('aria-label', t.nameOriginal);
    $('Picture2').title = sitzung.tooltip();
    $('Picture2').setAttribute('aria-label', t.nameKopie);
    $('List1').setAttribute('aria-label', t.nameListe);
    $('Schluessel_Titel').textContent = t.schluesselTitel;
    $('Schluessel_Frage').textContent = t.schluesselFrage;
    $('Schluessel').dataset.vorgabe = t.schluesselVorgabe;
    $('Schluessel_OK').textContent = t.ok;
    $('Schluessel_Abbrechen').textContent = t.abbrechen;
    $('Meldung_Titel').textContent = t.programmtitel;
    $('Meldung_OK').textContent = t.ok;
  }

  // Lays the window out for the device pixel ratio dpr from the session's
  // layout in device pixels: every control on whole device pixels from the
  // client area's top-left corner, which lies on a whole device pixel too.
  function anordnen(l, dpr, bilder) {
    const css = (v) => v / dpr + 'px';
    for (const name of ['Label1', 'Label2', 'List1', 'Text2', 'Text3']) {
      const s = $(name).style;
      s.left = css(l[name].left);
      s.top = css(l[name].top);
      s.width = css(l[name].width);
      s.height = css(l[name].height);
    }
    for (const bild of ['Picture1', 'Picture2']) {
      const p = l[bild];
      bilder.platz[bild] = { left: p.left / dpr, top: p.top / dpr };
    }
    // The layout gives the window's outer size, its menu bar included.
    const leiste = $('Menueleiste');
    const form = $('Form1').style;
    form.width = css(l.Width);
    form.height = css(Math.max(0, l.Height - leiste.offsetHeight * dpr));
    leiste.style.width = css(l.Width);
    const unten = leiste.getBoundingClientRect().bottom + window.scrollY;
    form.top = (Math.ceil(unten * dpr - 1e-6) / dpr - unten) + 'px';
  }

  // Calls neu() whenever the device pixel ratio changes (zoom, another
  // screen). Not every engine fires a resize for it; a media query for the
  // current ratio does. Chromium changes the ratio under emulation (and so
  // under the browser tests) without either event: a look five times a
  // second catches that and every other way too; a look at every frame would
  // keep an idle page making frames, which a tablet pays for in battery.
  function ratioBeobachten(neu) {
    let ratio = window.devicePixelRatio;
    const pruefen = () => {
      if (window.devicePixelRatio === ratio) return;
      ratio = window.devicePixelRatio;
      neu();
    };
    const abfrage = () => matchMedia('(resolution: ' + window.devicePixelRatio + 'dppx)')
      .addEventListener('change', () => { pruefen(); abfrage(); }, { once: true });
    abfrage();
    setInterval(pruefen, 200);
  }

  // The live region. Emptied first, so that the same sentence twice is read
  // twice; emptied with nothing after it before a box opens.
  let ansageZeit = 0;
  function ansagen(text) {
    const region = $('Ansage');
    region.textContent = '';
    clearTimeout(ansageZeit);
    if (text) ansageZeit = setTimeout(() => { region.textContent = text; }, PAUSEN().ansage);
  }

  // The controls the Steuerung names, each by the element that takes the keyboard.
  const ELEMENT = { Schluessel: 'Schluessel', Meldung: 'Meldung_OK' };
  function fokusSetzen(ort) {
    const el = $(ELEMENT[ort] ?? ort);
    if (!el || ort === 'Menue') return;
    // A control that has the focus already (a box closed gives it back) gets
    // it anew: a screen reader hears where the keyboard is, and over a list
    // it stays in focus mode, where the next Down moves the list's line.
    if (document.activeElement === el) el.blur();
    el.focus();
  }

  // Every way a text reaches a box (typed, pasted, dropped) asks the
  // Steuerung first; a refused one leaves the box as it was.
  function begrenzen(sitzung, el, ort) {
    const pruefen = (e, neu) => {
      if (!neu) return;
      const a = el.selectionStart;
      const b = el.selectionEnd;
      const laenge = el.value.length - (b - a) + neu.length;
      if (!sitzung.nimmt(ort, laenge, el.value, a, b, neu)) {
        e.preventDefault();
        e.stopImmediatePropagation();
      }
    };
    el.addEventListener('paste', (e) => pruefen(e, e.clipboardData && e.clipboardData.getData('text/plain')));
    el.addEventListener('drop', (e) => pruefen(e, e.dataTransfer && e.dataTransfer.getData('text/plain')));
    el.addEventListener('beforeinput', (e) => {
      const t = e.inputType;
      if (!t.startsWith('insert') || t === 'insertFromPaste' || t === 'insertFromDrop') return;
      pruefen(e, t === 'insertLineBreak' || t === 'insertParagraph' ? '\n' : e.data);
    });
  }

  function starten() {
    const sitzung = new Module.Tarnbild(S.dezimaltrenner());
    const menue = Module.menue();
    const dialoge = S.dialoge($, PAUSEN().box, () => ansagen(''));
    const bilder = S.bilder(sitzung, $);
    const liste = S.liste(sitzung, $);
    const menueleiste = S.menueleiste({ sitzung, menue, $ });
    const TEXTE = {
      Titel: (t) => { document.title = t; },
      Tooltip: (t) => { $('Picture2').title = t; },
      Text2: (t) => { $('Text2').value = t; },
      Text3: (t) => { $('Text3').value = t; },
    };

    sitzung.steuern({
      boxZeigen(art, text, warnung) {
        const box = art === 'Schluessel' ? dialoge.schluessel() : dialoge.meldung(text, warnung);
        box.then((wert) => sitzung.boxGeschlossen(art, wert ?? ''));
      },
      fokusSetzen,
      ansagen,
      menueZeigen(stand) {
        menueleiste.darstellen(stand);
        menueleiste.zustaende();
      },
      bildMalen: () => bilder.malen(1),
      zeilenAnhaengen: () => liste.gewachsen(),
      textSetzen: (ziel, text) => TEXTE[ziel](text),
      text2: () => $('Text2').value,
    });

    // A press on what is no control (a picture, the background, a box's
    // text) leaves the focus where it was, instead of on the document.
    function mausEinrichten() {
      document.addEventListener('mousedown', (e) => {
        if (!e.target.closest('textarea, input, button, label, [tabindex]')) e.preventDefault();
      });
    }

    function tastaturEinrichten() {
      for (const name of RING) $(name).addEventListener('focus', () => sitzung.fokusBekommen(name));
      document.addEventListener('keydown', (e) => {
        if (dialoge.offen()) return;
        if (menueleiste.taste(e)) return;
        if (S.istTab(e) && RING.includes(e.target.id)) {
          // No tab is typed into the text boxes: Tab always moves on.
          e.preventDefault();
          sitzung.tab(!e.shiftKey);
        }
      });
      begrenzen(sitzung, $('Text2'), 'Text2');
      begrenzen(sitzung, $('Text3'), 'Text3');
      begrenzen(sitzung, $('Schluessel'), 'Schluessel');
    }

    const auslegen = (nur) => {
      const dpr = window.devicePixelRatio || 1;
      anordnen(Module.layout(sitzung.breite(), sitzung.hoehe(), dpr), dpr, bilder);
      liste.vermessen();
      bilder.malen(nur);
    };

    document.title = sitzung.titel();
    beschriften(Module.texte(), sitzung);
    menueleiste.einrichten();
    menueleiste.zustaende();
    liste.einrichten();
    tastaturEinrichten();
    mausEinrichten();
    auslegen(0);
    sitzung.starten(); // the activation step gives Picture2 its picture; the keyboard goes to Text2
    window.addEventListener('resize', () => bilder.malen());
    ratioBeobachten(auslegen);
    window.tarnbildTest = testzugang(sitzung);
    // After the first frame with both pictures has been painted.
    requestAnimationFrame(() => setTimeout(() => {
      performance.mark('tarnbild-gemalt');
      document.documentElement.dataset.bereit = '1';
    }, 0));
  }

  // Read-only access for the browser tests.
  function testzugang(sitzung) {
    return Object.freeze({
      breite: sitzung.breite(),
      hoehe: sitzung.hoehe(),
      bildRGBA: (id) => sitzung.bild(id === 'Picture1' ? 0 : 1).slice(),
      zeilen: () => sitzung.zeilen(),
      zeile: (i) => sitzung.zeile(i),
      belegt: () => Module.belegt(),
    });
  }

  // A session that cannot start leaves a German notice, not an empty window.
  function gescheitert(fehler) {
    const fenster = document.querySelector('main');
    if (fenster) fenster.hidden = true;
    $('Gescheitert').hidden = false;
    console.error(fehler);
  }

  Module['onRuntimeInitialized'] = () => {
    try {
      starten();
    } catch (fehler) {
      gescheitert(fehler);
    }
  };
})(Tarnbildseite);
