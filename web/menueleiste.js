// The menu bar, built from the session's menu tree, with the states the
// session holds. In the menus the arrows move (wrapping), Return and Space
// choose, Escape closes them and gives the focus back to the control that had
// it.
(function (S) {
  'use strict';

  // menue: the session's tree; waehlen(index): runs an entry; fokus: the
  // manager's memory of the control that had the focus.
  S.menueleiste = function ({ sitzung, menue, waehlen, fokus, $ }) {
    const leiste = $('Menueleiste');
    const oben = [];   // the entries of the menu bar: {index, el, liste, kinder}
    let aktiv = false; // the menu bar has the keyboard
    let offen = -1;    // the open menu, by its place in the menu bar

    function bauen() {
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
    }

    function beginnen() {
      if (!aktiv) fokus.merken();
      aktiv = true;
    }

    // Closes every menu; the focus goes back to the control that had it.
    function beenden() {
      schliessen();
      aktiv = false;
      fokus.zurueck();
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

    function waehlenAus(index) {
      if (!sitzung.waehlbar(index)) return; // a disabled item stays open and does nothing
      beenden();
      waehlen(index);
    }

    function leistenTaste(e) {
      const i = oben.findIndex((o) => o.el === e.target);
      if (i < 0) return;
      const o = oben[i];
      switch (e.key) {
      case 'ArrowRight': oben[S.rund(i + 1, oben.length)].el.focus(); break;
      case 'ArrowLeft': oben[S.rund(i - 1, oben.length)].el.focus(); break;
      case 'Home': oben[0].el.focus(); break;
      case 'End': oben[oben.length - 1].el.focus(); break;
      case 'ArrowDown': case 'Enter': case ' ':
        if (o.liste) oeffnen(i, 'erst'); else waehlenAus(o.index);
        break;
      case 'ArrowUp':
        if (o.liste) oeffnen(i, 'letzt');
        break;
      case 'Escape': case 'Tab': beenden(); break;
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
      case 'ArrowDown': o.kinder[S.rund(k + 1, n)].el.focus(); break;
      case 'ArrowUp': o.kinder[S.rund(k - 1, n)].el.focus(); break;
      case 'Home': o.kinder[0].el.focus(); break;
      case 'End': o.kinder[n - 1].el.focus(); break;
      case 'ArrowRight': oeffnen(S.rund(offen + 1, oben.length), 'erst'); break;
      case 'ArrowLeft': oeffnen(S.rund(offen - 1, oben.length), 'erst'); break;
      case 'Enter': case ' ': if (k >= 0) waehlenAus(o.kinder[k].index); break;
      case 'Escape': case 'Tab': beenden(); break;
      default: return;
      }
      e.preventDefault();
      e.stopPropagation();
    }

    // Only what changed is written, so that an unchanged menu costs the next
    // frame nothing.
    function attribut(el, name, wert) {
      if (el.getAttribute(name) !== wert) el.setAttribute(name, wert);
    }

    function mausEinrichten() {
      // No press in the menu bar or an open menu moves the focus: a separator,
      // a menu's padding or the empty bar would otherwise take it to the
      // document and leave the menu open without a keyboard.
      // A press on the bar's empty part closes the menus.
      leiste.addEventListener('mousedown', (e) => {
        e.preventDefault();
        if (aktiv && e.target === leiste) beenden();
      });
      oben.forEach((o, i) => {
        o.el.addEventListener('click', () => {
          if (!o.liste) { beenden(); waehlen(o.index); return; }
          if (offen === i) { beenden(); return; }
          beginnen();
          oeffnen(i, null);
        });
        // Hover follows a mouse only: a tap's emulated mouse move would open
        // the tapped menu, and its click then close it again.
        o.el.addEventListener('pointerenter', (e) => {
          if (e.pointerType === 'mouse' && offen >= 0 && offen !== i) oeffnen(i, null);
        });
        for (const k of o.kinder) {
          k.el.addEventListener('click', () => waehlenAus(k.index));
          k.el.addEventListener('pointerenter', (e) => { if (e.pointerType === 'mouse' && aktiv) k.el.focus(); });
        }
      });
      // A press outside closes the menus and gives the focus back; a control
      // pressed takes it after that.
      document.addEventListener('mousedown', (e) => {
        if (aktiv && !leiste.contains(e.target)) beenden();
      });
    }

    return {
      einrichten() {
        bauen();
        mausEinrichten();
        leiste.addEventListener('keydown', leistenTaste);
        // Leaving the menus with the focus ends menu mode.
        document.addEventListener('focusin', (e) => {
          if (aktiv && !leiste.contains(e.target)) {
            schliessen();
            aktiv = false;
          }
        });
      },

      // The menu key: into the menu bar, or out of it.
      umschalten() {
        if (aktiv) { beenden(); return; }
        beginnen();
        oben[0].el.focus();
      },

      // The check marks and enabled states as the session holds them.
      zustaende() {
        const z = sitzung.zustaende();
        menue.forEach((e, i) => {
          if (e.art === 'Trenner') return;
          const el = $(e.name);
          attribut(el, 'aria-disabled', z[i].aktiv ? 'false' : 'true');
          if (e.abhakbar) attribut(el, 'aria-checked', z[i].abgehakt ? 'true' : 'false');
        });
      },
    };
  };
})(Tarnbildseite);
