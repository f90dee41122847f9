// The two modal boxes: the key input box and the message box titled with the
// program's name. Each resolves once it is closed, however that happens.
(function (S) {
  'use strict';

  // stille(): called as a box opens, so that nothing said before it is
  // said again while it is open or after it closes.
  const OEFFNEN_NACH = 150; // ms
  // Firefox takes the rest of the page out of the accessibility tree as a
  // modal box opens, and with it the control a screen reader heard last;
  // Orca then loses its place and says nothing of the box. So in Firefox
  // (Gecko, known by a property only it has) the box itself takes the focus
  // first, which Orca reads as a new start with title and message, and its
  // control a moment later. Chromium keeps the page's tree, and there the
  // extra step would leave Orca in browse mode.
  const ERST_DIE_BOX = CSS.supports('-moz-orient', 'inline');
  const FOKUS_NACH = 50; // ms

  S.dialoge = function ($, stille) {
    // Tab and Shift+Tab go round the box's own controls and never leave it.
    function falle(dialog) {
      dialog.addEventListener('keydown', (e) => {
        if (!S.istTab(e)) return;
        const ziele = [...dialog.querySelectorAll('input, button')];
        const i = ziele.indexOf(document.activeElement);
        e.preventDefault();
        ziele[S.rund(i + (e.shiftKey ? -1 : 1), ziele.length)].focus();
      });
    }
    falle($('Schluesseldialog'));
    falle($('Meldung'));

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
          dialog.showModal();
          const steuern = () => {
            if (!offen) return;
            fokus.focus();
            if (abschluss.geoeffnet) abschluss.geoeffnet();
          };
          if (!ERST_DIE_BOX) { steuern(); return; }
          dialog.focus();
          setTimeout(steuern, FOKUS_NACH);
        }, OEFFNEN_NACH);
      });
    }

    return {
      offen: () => document.querySelector('dialog[open]') !== null,

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
