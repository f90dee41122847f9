// List1, a virtual list: only the lines in view are elements, each formatted
// by the session when it is shown.
(function (S) {
  'use strict';

  S.liste = function (sitzung, $) {
    const el = $('List1');
    const sicht = el.querySelector('.sicht');
    const abstand = el.querySelector('.abstand');
    const zh = Module.LISTENZEILE; // line height, CSS pixels
    let n = 0;
    let oben = 0;    // the first shown pixel of the whole list
    let aktuell = -1;
    let gesetzt = -1; // the scrollTop this script set last
    let h = -1;      // the inner height, CSS pixels; read again after a resize only,
                     // so that a command does not wait for a layout to read it

    sicht.style.setProperty('--zeile', zh + 'px');
    const hoehe = () => { if (h < 0) h = el.clientHeight; return h; };
    const mass = () => S.rollmass(n, zh, hoehe());

    function masse() {
      sicht.style.height = hoehe() + 'px';
      abstand.style.height = mass().scroll + 'px';
      malen();
    }

    function gescrollt() {
      const st = el.scrollTop;
      if (Math.abs(st - gesetzt) < 1) return;
      oben = mass().obenAus(st);
      malen();
    }

    function rollen(neu) {
      const m = mass();
      oben = Math.max(0, Math.min(m.virtuell, neu));
      gesetzt = m.scrollAus(oben);
      el.scrollTop = gesetzt;
      gesetzt = el.scrollTop;
      malen();
    }

    function rad(e) {
      if (mass().gesamt <= S.GRENZE || e.ctrlKey) return; // the browser scrolls exactly
      e.preventDefault();
      const faktor = e.deltaMode === 1 ? zh : e.deltaMode === 2 ? hoehe() : 1;
      rollen(oben + e.deltaY * faktor);
    }

    // The keys go to the session's interaction model, which answers the
    // current line and the first line shown.
    function taste(e) {
      const name = S.tastenname(e);
      // A typed character does nothing here, and starts no quick find of
      // Firefox, which would take the focus out of the page.
      if (S.tippt(e)) e.preventDefault();
      if (!name || n === 0) return;
      const erste = Math.floor(oben / zh);
      const r = Module.listenTaste({ zeile: aktuell, erste }, Module.Taste[name], n, hoehe());
      if (!r.behandelt) return;
      e.preventDefault();
      aktuell = r.zeile;
      if (r.erste !== erste) rollen(r.erste * zh);
      else malen();
    }

    // Each shown line keeps its own element while it stays in view, and the
    // current line always moves to another element than the one before: a
    // screen reader hears a new active descendant, where a reused element
    // whose text changed would say nothing.
    const frei = [];
    const zeilenEl = new Map(); // line -> element
    let vorige = null;          // the element of the last current line

    function fuellen(z, i, top) {
      if (z.dataset.i !== String(i)) {
        z.dataset.i = String(i);
        z.id = 'List1_z' + i;
        z.textContent = sitzung.zeile(i);
        z.setAttribute('aria-posinset', String(i + 1));
      }
      z.setAttribute('aria-setsize', String(n));
      z.setAttribute('aria-selected', i === aktuell ? 'true' : 'false');
      z.style.top = top + 'px';
      z.hidden = false;
    }

    function neuesEl(i) {
      const nimm = frei.findIndex((z) => i !== aktuell || z !== vorige);
      if (nimm >= 0) return frei.splice(nimm, 1)[0];
      const z = document.createElement('div');
      z.className = 'zeile';
      z.setAttribute('role', 'option');
      sicht.appendChild(z);
      return z;
    }

    function malen() {
      const { erste, versatz, letzte } = mass().sicht(oben);
      // The current line stays an element while it is scrolled out of view,
      // so that the list can name it to a screen reader.
      const zeigen = (i) => (i >= erste && i < letzte) || i === aktuell;
      zeilenEl.forEach((z, i) => {
        if (zeigen(i)) return;
        zeilenEl.delete(i);
        z.hidden = true;
        z.removeAttribute('id');
        delete z.dataset.i;
        frei.push(z);
      });
      const setzen = (i, top) => {
        if (!zeilenEl.has(i)) zeilenEl.set(i, neuesEl(i));
        fuellen(zeilenEl.get(i), i, top);
      };
      for (let i = erste; i < letzte; ++i) setzen(i, (i - erste) * zh - versatz);
      if (aktuell >= 0 && !(aktuell >= erste && aktuell < letzte)) setzen(aktuell, -10 * zh);
      if (aktuell >= 0) {
        vorige = zeilenEl.get(aktuell);
        el.setAttribute('aria-activedescendant', vorige.id);
      } else {
        el.removeAttribute('aria-activedescendant');
      }
    }

    return {
      einrichten() {
        el.addEventListener('scroll', gescrollt);
        el.addEventListener('wheel', rad, { passive: false });
        el.addEventListener('keydown', taste);
        el.addEventListener('focus', () => {
          if (aktuell < 0 && n > 0) { aktuell = 0; malen(); }
        });
        el.addEventListener('mousedown', (e) => {
          const z = e.target.closest('.zeile');
          if (z) { aktuell = Number(z.dataset.i); malen(); }
        });
        addEventListener('resize', () => { h = -1; });
      },
      // The list got its size from a new layout.
      vermessen() {
        h = -1;
        masse();
      },
      // The session's list grew.
      gewachsen() {
        n = sitzung.zeilen();
        // Its name carries its size, said when it gets the focus.
        el.setAttribute('aria-label', sitzung.listenname());
        masse();
      },
    };
  };
})(Tarnbildseite);
