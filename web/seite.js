// The page of the browser edition. It builds the window from the session's
// tables (layout, menu tree, texts), hands each chosen menu item to the
// session and shows the answer; it decides no refusal and writes no text of
// its own.
//
// Keyboard: the focus starts in Text2; Tab and Shift+Tab cycle List1, Text2,
// Text3. F10 opens the menu bar, as in the desktop window: a real F10 (an X11
// key press, not only a script's event) reaches the page in Chromium, Firefox
// and WebKitGTK, which keep it for themselves only when the page does not take
// it. Alt+M does the same, for keyboards without function keys (iPad) and for
// browsers or desktops that keep F10; it is no shortcut of Chromium, Firefox
// or Safari, and on a Mac, where Option+M types a character, it is matched by
// its key position. In the menus the arrows move (wrapping), Return and Space
// choose, Escape closes them and gives the focus back to the control that had
// it.
'use strict';

(function () {
  const $ = (id) => document.getElementById(id);
  const RING = ['List1', 'Text2', 'Text3'];

  let sitzung = null;
  let menue = [];     // the session's menu tree: {art, name, titel, abhakbar}
  let oben = [];      // the entries of the menu bar: {index, el, liste, kinder}
  let letzteSteuerung = 'Text2';

  // ---------------------------------------------------------------- start
  function dezimaltrenner() {
    const teil = new Intl.NumberFormat().formatToParts(1.5).find((t) => t.type === 'decimal');
    return teil ? teil.value : ',';
  }

  function starten() {
    sitzung = new Module.Tarnbild(dezimaltrenner());
    menue = Module.menue();
    document.title = sitzung.titel();
    beschriften(Module.texte());
    anordnen(Module.layout(sitzung.breite(), sitzung.hoehe(), 1));
    menueleisteBauen();
    liste.einrichten();
    tastaturEinrichten();
    bilder.einrichten();
    bilder.malen(0);
    zeigen(sitzung.aktivieren()); // the activation step gives Picture2 its picture
    $('Text2').focus();
    window.tarnbildTest = testzugang();
    // After the first frame with both pictures has been painted.
    requestAnimationFrame(() => setTimeout(() => {
      performance.mark('tarnbild-gemalt');
      document.documentElement.dataset.bereit = '1';
    }, 0));
  }

  function beschriften(t) {
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

  function anordnen(l) {
    for (const name of ['Label1', 'Label2', 'List1', 'Text2', 'Text3']) {
      const s = $(name).style;
      s.left = l[name].left + 'px';
      s.top = l[name].top + 'px';
      s.width = l[name].width + 'px';
      s.height = l[name].height + 'px';
    }
    bilder.platz.Picture1 = l.Picture1;
    bilder.platz.Picture2 = l.Picture2;
    // The layout gives the window's outer size, its menu bar included.
    const form = $('Form1').style;
    form.width = l.Width + 'px';
    form.height = Math.max(0, l.Height - $('Menueleiste').offsetHeight) + 'px';
    $('Menueleiste').style.width = l.Width + 'px';
  }

  // ---------------------------------------------------------------- answers
  // Shows what a command answered; resolves once a message box is closed.
  function zeigen(a) {
    if (a.titel !== undefined) document.title = a.titel;
    if (a.tooltip !== undefined) $('Picture2').title = a.tooltip;
    if (a.text2 !== undefined) $('Text2').value = a.text2;
    if (a.text3 !== undefined) $('Text3').value = a.text3;
    if (a.neueZeilen > 0) liste.gewachsen();
    if (a.bildGeaendert) bilder.malen(1);
    menueZustaende();
    if (a.ansage) ansagen(a.ansage);
    return a.meldung ? meldung(a.meldung, a.warnung) : Promise.resolve();
  }

  function ansagen(text) {
    // Emptied first, so that the same sentence twice is read twice.
    const region = $('Ansage');
    region.textContent = '';
    setTimeout(() => { region.textContent = text; }, 30);
  }

  let laeuft = false;
  async function befehl(index) {
    if (laeuft || !sitzung.waehlbar(index)) return;
    laeuft = true;
    try {
      let schluessel = '';
      if (sitzung.fragtSchluessel(index)) schluessel = await schluesselAbfragen();
      const text2 = sitzung.liestText(index) ? $('Text2').value : '';
      await zeigen(sitzung.waehlen(index, text2, schluessel));
    } finally {
      laeuft = false;
      if (document.activeElement !== $(letzteSteuerung)) $(letzteSteuerung).focus();
    }
  }

  // ---------------------------------------------------------------- dialogs
  function offenerDialog() {
    return document.querySelector('dialog[open]') !== null;
  }

  // Shows a modal box and resolves with its value once it is closed, however
  // that happens: a button, Escape (Chromium closes without a cancel event
  // when Escape comes twice without a click between), or the browser.
  function modal(dialog, fokus, abschluss) {
    return new Promise((fertig) => {
      let offen = true;
      // Answers at once, so that the command runs before the next key press.
      const melden = (wert) => {
        if (!offen) return;
        offen = false;
        dialog.removeEventListener('cancel', abbruch);
        fertig(wert);
      };
      const schliessen = (wert) => { dialog.close(); melden(wert); };
      const abbruch = (e) => { e.preventDefault(); schliessen(abschluss.abbrechen()); };
      dialog.addEventListener('cancel', abbruch);
      dialog.addEventListener('close', () => melden(abschluss.abbrechen()), { once: true });
      abschluss.binden(schliessen);
      dialog.showModal();
      fokus.focus();
    });
  }

  // The key input box: OK (or Return) gives the entered text, Abbrechen (or
  // Escape) the empty text.
  function schluesselAbfragen() {
    const feld = $('Schluessel');
    feld.value = feld.dataset.vorgabe;
    const p = modal($('Schluesseldialog'), feld, {
      abbrechen: () => '',
      binden: (schliessen) => {
        const ok = () => schliessen(feld.value);
        const ab = () => schliessen('');
        const taste = (e) => {
          if (e.key === 'Enter' && !e.isComposing) { e.preventDefault(); ok(); }
        };
        $('Schluessel_OK').onclick = ok;
        $('Schluessel_Abbrechen').onclick = ab;
        feld.onkeydown = taste;
      },
    });
    feld.select();
    return p;
  }

  // The message box titled with the program's name and one OK button.
  function meldung(text, warnung) {
    const d = $('Meldung');
    $('Meldung_Text').textContent = text;
    d.classList.toggle('warnung', !!warnung);
    return modal(d, $('Meldung_OK'), {
      abbrechen: () => undefined,
      binden: (schliessen) => { $('Meldung_OK').onclick = () => schliessen(); },
    });
  }

  // ---------------------------------------------------------------- menus
  function menueleisteBauen() {
    const leiste = $('Menueleiste');
    let aktuell = null;
    menue.forEach((e, index) => {
      if (e.art === 'Menue' || e.art === 'Leiste') {
        // Each entry of the menu bar and its menu share a wrapper without a
        // role, so the menu opens right below its entry.
        const huelle = document.createElement('div');
        huelle.className = 'huelle';
        huelle.setAttribute('role', 'none');
        const el = document.createElement('div');
        el.id = e.name;
        el.className = 'kopf';
        el.setAttribute('role', 'menuitem');
        el.tabIndex = -1;
        el.textContent = e.titel;
        huelle.appendChild(el);
        leiste.appendChild(huelle);
        aktuell = { index, el, liste: null, kinder: [] };
        oben.push(aktuell);
        if (e.art === 'Menue') {
          const l = document.createElement('div');
          l.id = e.name + '_Liste';
          l.className = 'menue';
          l.setAttribute('role', 'menu');
          l.setAttribute('aria-labelledby', e.name);
          l.hidden = true;
          l.addEventListener('keydown', menueTaste);
          huelle.appendChild(l);
          el.setAttribute('aria-haspopup', 'menu');
          el.setAttribute('aria-expanded', 'false');
          el.setAttribute('aria-controls', l.id);
          aktuell.liste = l;
        } else {
          aktuell = null;
        }
        return;
      }
      const el = document.createElement('div');
      el.id = e.name;
      if (e.art === 'Trenner') {
        el.setAttribute('role', 'separator');
      } else {
        el.setAttribute('role', e.abhakbar ? 'menuitemcheckbox' : 'menuitem');
        el.tabIndex = -1;
        el.textContent = e.titel;
        aktuell.kinder.push({ index, el });
      }
      aktuell.liste.appendChild(el);
    });
    menueZustaende();

    oben.forEach((o, i) => {
      o.el.addEventListener('mousedown', (e) => e.preventDefault());
      o.el.addEventListener('click', () => {
        if (!o.liste) { menueBeenden(); befehl(o.index); return; }
        if (offen === i) { menueBeenden(); return; }
        menueBeginnen();
        oeffnen(i, null);
      });
      o.el.addEventListener('mouseenter', () => { if (offen >= 0 && offen !== i) oeffnen(i, null); });
      for (const k of o.kinder) {
        k.el.addEventListener('mousedown', (e) => e.preventDefault());
        k.el.addEventListener('click', () => waehlen(k.index));
        k.el.addEventListener('mouseenter', () => { if (aktiv) k.el.focus(); });
      }
    });
    leiste.addEventListener('keydown', leistenTaste);
    document.addEventListener('mousedown', (e) => {
      if (aktiv && !leiste.contains(e.target)) menueBeenden(false);
    });
  }

  // The check marks and enabled states as the session holds them.
  // Only what changed is written, so that an unchanged menu costs the next
  // frame nothing.
  function attribut(el, name, wert) {
    if (el.getAttribute(name) !== wert) el.setAttribute(name, wert);
  }

  function menueZustaende() {
    const z = sitzung.zustaende();
    menue.forEach((e, i) => {
      if (e.art === 'Trenner') return;
      const el = $(e.name);
      attribut(el, 'aria-disabled', z[i].aktiv ? 'false' : 'true');
      if (e.abhakbar) attribut(el, 'aria-checked', z[i].abgehakt ? 'true' : 'false');
    });
  }

  let aktiv = false; // the menu bar has the keyboard
  let offen = -1;    // the open menu, by its place in the menu bar

  function menueBeginnen() {
    if (!aktiv) {
      const fokus = document.activeElement;
      if (fokus && RING.includes(fokus.id)) letzteSteuerung = fokus.id;
    }
    aktiv = true;
  }

  // Closes every menu; the focus goes back to the control that had it.
  function menueBeenden(fokusZurueck = true) {
    schliessen();
    aktiv = false;
    if (fokusZurueck) $(letzteSteuerung).focus();
  }

  function schliessen() {
    if (offen >= 0) {
      oben[offen].liste.hidden = true;
      oben[offen].el.setAttribute('aria-expanded', 'false');
    }
    offen = -1;
  }

  // Opens menu i of the menu bar if it can be opened, and focuses its first
  // or last item ('erst', 'letzt'), or the menu bar entry (null).
  function oeffnen(i, wohin) {
    schliessen();
    const o = oben[i];
    if (!o.liste || !sitzung.oeffenbar(o.index)) { o.el.focus(); return; }
    o.liste.hidden = false;
    o.el.setAttribute('aria-expanded', 'true');
    offen = i;
    if (wohin === 'erst') o.kinder[0].el.focus();
    else if (wohin === 'letzt') o.kinder[o.kinder.length - 1].el.focus();
    else o.el.focus();
  }

  function waehlen(index) {
    if (!sitzung.waehlbar(index)) return; // a disabled item stays open and does nothing
    menueBeenden();
    befehl(index);
  }

  const rund = (i, n) => (i + n) % n;

  function leistenTaste(e) {
    const i = oben.findIndex((o) => o.el === e.target);
    if (i < 0) return;
    const o = oben[i];
    switch (e.key) {
    case 'ArrowRight': oben[rund(i + 1, oben.length)].el.focus(); break;
    case 'ArrowLeft': oben[rund(i - 1, oben.length)].el.focus(); break;
    case 'Home': oben[0].el.focus(); break;
    case 'End': oben[oben.length - 1].el.focus(); break;
    case 'ArrowDown': case 'Enter': case ' ':
      if (o.liste) oeffnen(i, 'erst'); else waehlen(o.index);
      break;
    case 'ArrowUp':
      if (o.liste) oeffnen(i, 'letzt');
      break;
    case 'Escape': case 'Tab': menueBeenden(); break;
    default: return;
    }
    e.preventDefault();
    e.stopPropagation();
  }

  function menueTaste(e) {
    if (offen < 0) return;
    const o = oben[offen];
    const k = o.kinder.findIndex((x) => x.el === e.target);
    const n = o.kinder.length;
    switch (e.key) {
    case 'ArrowDown': o.kinder[rund(k + 1, n)].el.focus(); break;
    case 'ArrowUp': o.kinder[rund(k - 1, n)].el.focus(); break;
    case 'Home': o.kinder[0].el.focus(); break;
    case 'End': o.kinder[n - 1].el.focus(); break;
    case 'ArrowRight': oeffnen(rund(offen + 1, oben.length), 'erst'); break;
    case 'ArrowLeft': oeffnen(rund(offen - 1, oben.length), 'erst'); break;
    case 'Enter': case ' ': if (k >= 0) waehlen(o.kinder[k].index); break;
    case 'Escape': case 'Tab': menueBeenden(); break;
    default: return;
    }
    e.preventDefault();
    e.stopPropagation();
  }

  function menuetaste(e) {
    return (e.key === 'F10' && !e.altKey && !e.ctrlKey && !e.metaKey && !e.shiftKey) ||
      (e.code === 'KeyM' && e.altKey && !e.ctrlKey && !e.metaKey);
  }

  // ---------------------------------------------------------------- keyboard
  function tastaturEinrichten() {
    for (const name of RING) {
      $(name).addEventListener('focus', () => { letzteSteuerung = name; });
    }
    document.addEventListener('keydown', (e) => {
      if (offenerDialog()) return;
      if (menuetaste(e)) {
        e.preventDefault();
        if (aktiv) { menueBeenden(); return; }
        menueBeginnen();
        oben[0].el.focus();
        return;
      }
      const i = RING.indexOf(e.target.id);
      if (e.key === 'Tab' && !e.ctrlKey && !e.altKey && !e.metaKey && i >= 0) {
        // No tab is typed into the text boxes: Tab always moves on.
        e.preventDefault();
        $(RING[rund(i + (e.shiftKey ? -1 : 1), RING.length)]).focus();
      }
    });
    // Leaving the menus with the mouse or the focus ends menu mode.
    document.addEventListener('focusin', (e) => {
      if (aktiv && !$('Menueleiste').contains(e.target)) {
        schliessen();
        aktiv = false;
      }
    });
  }

  // ---------------------------------------------------------------- pictures
  // Each picture pixel is exactly k x k device pixels, k = max(1,
  // floor(devicePixelRatio)): the canvas holds W*k x H*k pixels, is W*k/dpr CSS
  // pixels wide, and its top-left corner lies on a whole device pixel.
  const bilder = {
    platz: {},
    ratio: 0,
    einrichten() {
      window.addEventListener('resize', () => this.malen());
      this.ratioBeobachten();
      // Chromium changes the ratio under emulation (and so under the browser
      // tests) without either event. A look five times a second catches that
      // and every other way too; a look at every frame would keep an idle
      // page making frames, which a tablet pays for in battery.
      setInterval(() => {
        if (window.devicePixelRatio !== this.ratio) this.malen();
      }, 200);
    },
    // A change of the device pixel ratio (zoom, another screen) fires no
    // resize everywhere; a media query for the current ratio does.
    ratioBeobachten() {
      const abfrage = matchMedia('(resolution: ' + window.devicePixelRatio + 'dppx)');
      abfrage.addEventListener('change', () => { this.malen(); this.ratioBeobachten(); }, { once: true });
    },
    malen(nur) {
      for (const nr of nur === undefined ? [0, 1] : [nur]) this.bild(nr);
    },
    bild(nr) {
      const c = $(nr === 0 ? 'Picture1' : 'Picture2');
      const w = sitzung.breite();
      const h = sitzung.hoehe();
      const dpr = window.devicePixelRatio || 1;
      this.ratio = window.devicePixelRatio;
      c.dataset.ratio = String(dpr); // the ratio it is drawn for
      const k = Math.max(1, Math.floor(dpr));
      if (c.width !== w * k || c.height !== h * k) {
        c.width = w * k;
        c.height = h * k;
      }
      c.style.width = (w * k / dpr) + 'px';
      c.style.height = (h * k / dpr) + 'px';
      const platz = this.platz[c.id];
      const form = $('Form1').getBoundingClientRect();
      const x0 = form.left + window.scrollX;
      const y0 = form.top + window.scrollY;
      c.style.left = (geraetepixel(x0 + platz.left, dpr) - x0) + 'px';
      c.style.top = (geraetepixel(y0 + platz.top, dpr) - y0) + 'px';

      const ctx = c.getContext('2d');
      const daten = ctx.createImageData(w * k, h * k);
      const quelle = sitzung.bild(nr); // R, G, B, 255 per pixel
      if (k === 1) {
        daten.data.set(quelle);
      } else {
        const von = new Uint32Array(quelle.buffer, quelle.byteOffset, w * h);
        const nach = new Uint32Array(daten.data.buffer);
        const zeile = w * k;
        for (let y = 0; y < h; ++y) {
          const start = y * k * zeile;
          for (let x = 0; x < w; ++x) {
            const p = von[y * w + x];
            for (let i = 0; i < k; ++i) nach[start + x * k + i] = p;
          }
          for (let j = 1; j < k; ++j) nach.copyWithin(start + j * zeile, start, start + zeile);
        }
      }
      ctx.putImageData(daten, 0, 0);
    },
  };

  // The first page position at or right of p (CSS pixels) that is a whole
  // device pixel and that every engine's layout holds exactly: Chromium
  // places in 1/64 CSS pixel, Firefox in 1/60, so the position must be a
  // multiple of 1/4 CSS pixel too.
  function geraetepixel(p, dpr) {
    const erstes = Math.ceil(p * dpr - 1e-6);
    for (let d = erstes; d < erstes + 200; ++d) {
      const css = d / dpr;
      if (Math.abs(css * 4 - Math.round(css * 4)) < 1e-6) return Math.round(css * 4) / 4;
    }
    return erstes / dpr;
  }

  // ---------------------------------------------------------------- list
  // A virtual list: only the lines in view are elements, each formatted by
  // the session when it is shown. Past GRENZE pixels the scroll range is
  // scaled, so that lists taller than any browser lets an element be still
  // scroll from the first to the last line; `oben` (the first shown pixel of
  // the whole list) is then kept apart from scrollTop, so that the keys move
  // by exact lines.
  const GRENZE = 1000000;
  const liste = {
    el: null, sicht: null, abstand: null,
    zh: 13,        // line height, CSS pixels
    n: 0,
    oben: 0,
    aktuell: -1,
    gesetzt: -1,   // the scrollTop this script set last
    pool: [],
    einrichten() {
      this.el = $('List1');
      this.sicht = this.el.querySelector('.sicht');
      this.abstand = this.el.querySelector('.abstand');
      this.el.addEventListener('scroll', () => this.gescrollt());
      this.el.addEventListener('wheel', (e) => this.rad(e), { passive: false });
      this.el.addEventListener('keydown', (e) => this.taste(e));
      this.el.addEventListener('focus', () => {
        if (this.aktuell < 0 && this.n > 0) { this.aktuell = 0; this.malen(); }
      });
      this.el.addEventListener('mousedown', (e) => {
        const z = e.target.closest('.zeile');
        if (z) { this.aktuell = Number(z.dataset.i); this.malen(); }
      });
      this.masse();
      addEventListener('resize', () => { this.h = -1; });
    },
    h: -1,         // the list's inner height, CSS pixels; read again after a resize only,
                   // so that a command does not wait for a layout to read it
    hoehe() {
      if (this.h < 0) this.h = this.el.clientHeight;
      return this.h;
    },
    gesamt() { return this.n * this.zh; },
    virtuellMax() { return Math.max(0, this.gesamt() - this.hoehe()); },
    scrollMax() { return Math.max(0, Math.min(this.gesamt(), GRENZE) - this.hoehe()); },
    masse() {
      const h = this.hoehe();
      this.sicht.style.height = h + 'px';
      this.abstand.style.height = Math.max(0, Math.min(this.gesamt(), GRENZE) - h) + 'px';
      this.malen();
    },
    gewachsen() {
      this.n = sitzung.zeilen();
      this.masse();
    },
    gescrollt() {
      const st = this.el.scrollTop;
      if (Math.abs(st - this.gesetzt) < 1) return;
      const max = this.scrollMax();
      this.oben = max > 0 ? Math.min(1, st / max) * this.virtuellMax() : 0;
      this.malen();
    },
    rollen(oben) {
      this.oben = Math.max(0, Math.min(this.virtuellMax(), oben));
      const max = this.scrollMax();
      const v = this.virtuellMax();
      this.gesetzt = v > 0 ? Math.round(this.oben / v * max) : 0;
      this.el.scrollTop = this.gesetzt;
      this.gesetzt = this.el.scrollTop;
      this.malen();
    },
    rad(e) {
      if (this.gesamt() <= GRENZE || e.ctrlKey) return; // the browser scrolls exactly
      e.preventDefault();
      const faktor = e.deltaMode === 1 ? this.zh : e.deltaMode === 2 ? this.hoehe() : 1;
      this.rollen(this.oben + e.deltaY * faktor);
    },
    ganzSichtbar() { return Math.max(1, Math.floor(this.hoehe() / this.zh)); },
    taste(e) {
      if (e.altKey || e.ctrlKey || e.metaKey || this.n === 0) return;
      const seite = this.ganzSichtbar();
      let z = this.aktuell < 0 ? 0 : this.aktuell;
      switch (e.key) {
      case 'ArrowDown': z = this.aktuell < 0 ? 0 : z + 1; break;
      case 'ArrowUp': z -= 1; break;
      case 'PageDown': z += seite - 1 || 1; break;
      case 'PageUp': z -= seite - 1 || 1; break;
      case 'Home': z = 0; break;
      case 'End': z = this.n - 1; break;
      default: return;
      }
      e.preventDefault();
      this.aktuell = Math.max(0, Math.min(this.n - 1, z));
      const y = this.aktuell * this.zh;
      if (y < this.oben) this.rollen(y);
      else if (y + this.zh > this.oben + this.hoehe()) this.rollen(y + this.zh - this.hoehe());
      else this.malen();
    },
    zeileEl(platz) {
      while (this.pool.length <= platz) {
        const z = document.createElement('div');
        z.className = 'zeile';
        z.setAttribute('role', 'option');
        this.sicht.appendChild(z);
        this.pool.push(z);
      }
      return this.pool[platz];
    },
    fuellen(z, i, top) {
      if (z.dataset.i !== String(i)) {
        z.dataset.i = String(i);
        z.id = 'List1_z' + i;
        z.textContent = sitzung.zeile(i);
        z.setAttribute('aria-posinset', String(i + 1));
      }
      z.setAttribute('aria-setsize', String(this.n));
      z.setAttribute('aria-selected', i === this.aktuell ? 'true' : 'false');
      z.style.top = top + 'px';
      z.hidden = false;
    },
    malen() {
      const erste = Math.floor(this.oben / this.zh);
      const versatz = this.oben - erste * this.zh;
      const letzte = Math.min(this.n, erste + Math.ceil(this.hoehe() / this.zh) + 1);
      let platz = 0;
      for (let i = erste; i < letzte; ++i) this.fuellen(this.zeileEl(platz++), i, (i - erste) * this.zh - versatz);
      // The current line stays an element while it is scrolled out of view,
      // so that the list can name it to a screen reader.
      if (this.aktuell >= 0 && (this.aktuell < erste || this.aktuell >= letzte)) {
        this.fuellen(this.zeileEl(platz++), this.aktuell, -10 * this.zh);
      }
      for (let p = platz; p < this.pool.length; ++p) {
        this.pool[p].hidden = true;
        this.pool[p].removeAttribute('id');
        delete this.pool[p].dataset.i;
      }
      if (this.aktuell >= 0) this.el.setAttribute('aria-activedescendant', 'List1_z' + this.aktuell);
      else this.el.removeAttribute('aria-activedescendant');
    },
  };

  // ---------------------------------------------------------------- tests
  // Read-only access for the browser tests.
  function testzugang() {
    return Object.freeze({
      breite: sitzung.breite(),
      hoehe: sitzung.hoehe(),
      bildRGBA: (id) => sitzung.bild(id === 'Picture1' ? 0 : 1).slice(),
      zeilen: () => sitzung.zeilen(),
      zeile: (i) => sitzung.zeile(i),
      belegt: () => Module.belegt(),
    });
  }

  Module['onRuntimeInitialized'] = starten;
})();
