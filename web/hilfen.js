// The page's script is cut by component, one file each, every file a factory
// on the namespace Tarnbildseite; start.js holds the manager that wires them
// to the session. This first file holds the small pure helpers the parts
// share: no DOM and no session, so node tests them on their own.
var Tarnbildseite = {};

(function (S) {
  'use strict';

  S.rund = (i, n) => ((i % n) + n) % n;

  // The decimal separator of the browser's language, for the session's
  // numbers.
  S.dezimaltrenner = (format = new Intl.NumberFormat()) => {
    const teil = format.formatToParts(1.5).find((t) => t.type === 'decimal');
    return teil ? teil.value : ',';
  };

  // The key that opens and leaves the menu bar: F10 as in the desktop window,
  // or Alt+M for keyboards without function keys (iPad) and for browsers or
  // desktops that keep F10. Alt+M is no shortcut of Chromium, Firefox or
  // Safari; on a Mac, where Option+M types a character, it is matched by its
  // key position.
  S.istMenuetaste = (e) =>
    (e.key === 'F10' && !e.altKey && !e.ctrlKey && !e.metaKey && !e.shiftKey) ||
    (e.code === 'KeyM' && e.altKey && !e.ctrlKey && !e.metaKey);

  // Tab, with or without Shift: WebKitGTK names Shift+Tab (ISO_Left_Tab)
  // "Unidentified", and only its key position says Tab.
  S.istTab = (e) => (e.key === 'Tab' || e.code === 'Tab') && !e.altKey && !e.ctrlKey && !e.metaKey;

  // A key that types a character (Space aside, which presses a button).
  S.tippt = (e) => e.key.length === 1 && e.key !== ' ' && !e.altKey && !e.ctrlKey && !e.metaKey && !e.isComposing;

  // A key event as the name of the interaction model's key (Module.Taste),
  // or null for a key that the menus and the list leave to the browser.
  const NAMEN = {
    ArrowLeft: 'Links', ArrowRight: 'Rechts', ArrowUp: 'Hoch', ArrowDown: 'Runter',
    Home: 'Pos1', End: 'Ende', Enter: 'Eingabe', ' ': 'Leertaste', Escape: 'Escape',
    PageUp: 'BildAuf', PageDown: 'BildAb',
  };
  S.tastenname = (e) => {
    if (e.isComposing) return null;
    if (S.istMenuetaste(e)) return 'Menuetaste';
    if (S.istTab(e)) return e.shiftKey ? 'TabZurueck' : 'Tab';
    if (e.altKey || e.ctrlKey || e.metaKey) return null;
    return NAMEN[e.key] ?? null;
  };

  // Whether d device pixels are a length that every engine's layout holds
  // exactly: Chromium places in 1/64 CSS pixel, Firefox in 1/60, so a
  // multiple of 1/4 CSS pixel.
  const exakt = (d, dpr) => Math.abs(d / dpr * 4 - Math.round(d / dpr * 4)) < 1e-6;

  // The page position nearest p (CSS pixels) that is a whole device pixel
  // and exakt.
  S.geraetepixel = (p, dpr) => {
    const mitte = Math.round(p * dpr);
    for (let abstand = 0; abstand < 200; ++abstand) {
      for (const d of abstand ? [mitte - abstand, mitte + abstand] : [mitte]) {
        if (exakt(d, dpr)) return Math.round(d / dpr * 4) / 4;
      }
    }
    return mitte / dpr;
  };

  // The least exakt length of at least d device pixels.
  S.geraetepixelAb = (d, dpr) => {
    for (let n = d; n < d + 200; ++n) if (exakt(n, dpr)) return n;
    return d;
  };

  // The scroll geometry of the virtual list. Past GRENZE pixels the scroll
  // range is scaled, so that lists taller than any browser lets an element be
  // still scroll from the first to the last line; `oben`, the first shown
  // pixel of the whole list, is kept apart from scrollTop, so that the keys
  // move by exact lines.
  S.GRENZE = 1000000;
  S.rollmass = (zeilen, zh, hoehe) => {
    const gesamt = zeilen * zh;
    const virtuell = Math.max(0, gesamt - hoehe);
    const scroll = Math.max(0, Math.min(gesamt, S.GRENZE) - hoehe);
    return {
      gesamt,
      virtuell, // the largest `oben`
      scroll,   // the largest scrollTop, and the height of the spacer below the view
      obenAus: (st) => (scroll > 0 ? Math.min(1, st / scroll) * virtuell : 0),
      scrollAus: (oben) => (virtuell > 0 ? Math.round(oben / virtuell * scroll) : 0),
      // The lines [erste, letzte) that are at least partly in view, and how
      // far the first is cut off at the top.
      sicht: (oben) => {
        const erste = Math.floor(oben / zh);
        return { erste, versatz: oben - erste * zh, letzte: Math.min(zeilen, erste + Math.ceil(hoehe / zh) + 1) };
      },
    };
  };
})(Tarnbildseite);
