// The two modal boxes: the key input box and the message box titled with the
// program's name. Each resolves once it is closed, however that happens.
(function (S) {
  'use strict';

  // oeffnenNach: the session's pause before a box opens, in ms; stille():
  // called as a box opens, so that nothing said before it is said again
  // while it is open or after it closes.
  // Firefox takes the whole page behind a modal box out of the accessibility
  // tree, and with it the control a screen reader heard last; Orca 43 then
  // loses its place and says nothing of the box, or nothing at all from then
  // on. So in Firefox (Gecko, known by a property only it has) a box opens
  // as a plain dialog over the page, and the page keeps it modal itself:
  // Escape cancels, Tab stays inside, and a press outside the box does
  // nothing. Chromium and WebKit keep the page's tree and get a modal box.
  const SELBST_MODAL = CSS.supports('-moz-orient', 'inline');

  S.dialoge = function ($, oeffnenNach, stille) {
    for (const dialog of [$('Schluesseldialog'), $('Meldung')]) {
      if (SELBST_MODAL) dialog.classList.add('selbst');
    }
    // The box on top: a refused key's message sits over the key box.
    const offenerDialog = () => [...document.querySelectorAll('dialog[open]')].pop() ?? null;
    const ziele = (dialog) => [...dialog.querySelectorAll('input, button')];

    // Every key while a box is open is the box's, wherever the focus is, so
    // that a box stays modal even when the browser took the focus away.
    // Tab and Shift+Tab go round the box's own controls; Escape cancels a box
    // that the page keeps modal itself; a printable key outside a text field
    // types nothing, and so starts no quick find of Firefox ("/", "'"),
    // which would take the focus out of the page.
    document.addEventListener('keydown', (e) => {
      const dialog = offenerDialog();
      if (!dialog) return;
      if (!dialog.contains(document.activeElement)) ziele(dialog)[0].focus();
      if (e.key === 'Escape' && SELBST_MODAL) {
        e.preventDefault();
        dialog.dispatchEvent(new Event('cancel', { cancelable: true }));
      } else if (S.istTab(e)) {
        const z = ziele(dialog);
        const i = z.indexOf(document.activeElement);
        e.preventDefault();
        z[S.rund(i + (e.shiftKey ? -1 : 1), z.length)].focus();
      } else if (S.tippt(e) && !e.target.matches('input')) {
        e.preventDefault();
      }
    }, { capture: true });
    // A focus that leaves an open box, or falls to the document, comes back.
    document.addEventListener('focusout', (e) => {
      const dialog = offenerDialog();
      if (!dialog || (e.relatedTarget && dialog.contains(e.relatedTarget))) return;
      setTimeout(() => {
        const jetzt = offenerDialog();
        if (jetzt && !jetzt.contains(document.activeElement)) ziele(jetzt)[0].focus();
      }, 0);
    });

    // While a box that the page keeps modal is open, a press or click outside
    // it reaches nothing.
    const draussen = (e) => {
      const offen = offenerDialog();
      if (offen && !offen.contains(e.target)) { e.preventDefault(); e.stopPropagation(); }
    };
    const ZEIGER = ['pointerdown', 'mousedown', 'mouseup', 'click', 'dblclick', 'touchstart'];
    if (SELBST_MODAL) {
      for (const art of ZEIGER) document.addEventListener(art, draussen, { capture: true, passive: false });
    }

    // Shows a modal box and resolves with its value once it is closed: a
    // button, Escape (Chromium closes without a cancel event when Escape
    // comes twice without a click between), or the browser.
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
        stille();
        // A moment after the menus gave the focus back: a screen reader that
        // is still busy with the closing menu would take the box's first
        // focus as part of it and say nothing (Orca in Firefox).
        setTimeout(() => {
          if (!offen) return;
          if (SELBST_MODAL) dialog.show();
          else dialog.showModal();
          fokus.focus();
          if (abschluss.geoeffnet) abschluss.geoeffnet();
        }, oeffnenNach);
      });
    }

    return {
      offen: () => offenerDialog() !== null,

      // OK (or Return) gives the entered text, Abbrechen (or Escape) the
      // empty text.
      schluessel() {
        const feld = $('Schluessel');
        feld.value = feld.dataset.vorgabe;
        const p = modal($('Schluesseldialog'), feld, {
          abbrechen: () => '',
          binden: (schliessen) => {
            const ok = () => schliessen(feld.value);
            $('Schluessel_OK').onclick = ok;
            $('Schluessel_Abbrechen').onclick = () => schliessen('');
            feld.onkeydown = (e) => {
              if (e.key === 'Enter' && !e.isComposing) { e.preventDefault(); ok(); }
            };
          },
          geoeffnet: () => feld.select(),
        });
        return p;
      },

      meldung(text, warnung) {
        const d = $('Meldung');
        $('Meldung_Text').textContent = text;
        d.classList.toggle('warnung', !!warnung);
        return modal(d, $('Meldung_OK'), {
          abbrechen: () => undefined,
          binden: (schliessen) => { $('Meldung_OK').onclick = () => schliessen(); },
        });
      },
    };
  };
})(Tarnbildseite);
