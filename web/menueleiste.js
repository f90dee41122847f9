// The menu bar, built from the session's menu tree, with the states the
// session holds. Every key and click in the menus goes to the session's
// interaction model, and the bar shows the state it answers; leaving the menus
// gives the focus back to the control that had it.
(function (S) {
  'use strict';

  // menue: the session's tree; waehlen(index): runs an entry; fokus: the
  // manager's memory of the control that had the focus.
  S.menueleiste = function ({ sitzung, menue, waehlen, fokus, $ }) {
    const leiste = $('Menueleiste');
    const oben = [];   // the entries of the menu bar: {index, el, liste, kinder}

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
        }
        aktuell.kinder.push({ index, el });
        aktuell.liste.appendChild(el);
      });
    }

    // Where the keyboard is in the menus, as the interaction model keeps it:
    // entry numbers, titel -1 when the menus do not have the keyboard.
    const AUS = { titel: -1, eintrag: -1, offen: false };
    let stand = AUS;
    let offen = null; // the open menu's entry of the bar
    const kopfVon = (index) => oben.find((o) => o.index === index);

    // Shows the model's step: the open menu and the focus follow its state;
    // then the menus are left and an entry chosen, if the step says so.
    function anwenden(schritt) {
      if (stand.titel < 0 && schritt.stand.titel >= 0) fokus.merken();
      stand = schritt.stand;
      const kopf = kopfVon(stand.titel);
      const neu = stand.offen && kopf && kopf.liste ? kopf : null;
      if (offen !== neu) {
        zeigen(offen, false);
        zeigen(neu, true);
        offen = neu;
      }
      if (schritt.verlassen || !kopf) {
        beenden();
      } else {
        (stand.eintrag >= 0 ? $(menue[stand.eintrag].name) : kopf.el).focus();
      }
      if (schritt.waehlen >= 0) waehlen(schritt.waehlen);
      return schritt.behandelt;
    }

    // Closes every menu; the focus goes back to the control that had it.
    function beenden() {
      schliessen();
      fokus.zurueck();
    }

    function schliessen() {
      stand = AUS;
      zeigen(offen, false);
      offen = null;
    }

    // Shows or hides the menu of an entry of the bar (none: nothing).
    function zeigen(kopf, an) {
      if (!kopf) return;
      kopf.liste.hidden = !an;
      kopf.el.setAttribute('aria-expanded', an ? 'true' : 'false');
    }

    // Only what changed is written, so that an unchanged menu costs the next
    // frame nothing.
    function attribut(el, name, wert) {
      if (el.getAttribute(name) !== wert) el.setAttribute(name, wert);
    }

    function mausEinrichten() {
      // No press in the menu bar or an open menu moves the focus: a separator,
      // a menu's padding or the empty bar would otherwise take it to the
      // document and leave the menu open without a keyboard. A press on the
      // bar's empty part closes the menus.
      leiste.addEventListener('mousedown', (e) => {
        e.preventDefault();
        if (stand.titel >= 0 && e.target === leiste) beenden();
      });
      for (const o of oben) {
        o.el.addEventListener('click', () => anwenden(sitzung.titelKlick(stand, o.index)));
        // Hover follows a mouse only: a tap's emulated mouse move would open
        // the tapped menu, and its click then close it again.
        o.el.addEventListener('pointerenter', (e) => {
          if (e.pointerType === 'mouse' && stand.titel >= 0) anwenden(sitzung.titelZeigen(stand, o.index));
        });
        for (const k of o.kinder) {
          k.el.addEventListener('click', () => anwenden(sitzung.eintragKlick(stand, k.index)));
        }
      }
      // A press outside closes the menus and gives the focus back; a control
      // pressed takes it after that.
      document.addEventListener('mousedown', (e) => {
        if (stand.titel >= 0 && !leiste.contains(e.target)) beenden();
      });
    }

    return {
      einrichten() {
        bauen();
        mausEinrichten();
        // Leaving the menus with the focus ends menu mode.
        document.addEventListener('focusin', (e) => {
          if (stand.titel >= 0 && !leiste.contains(e.target)) schliessen();
        });
      },

      // A key while the menus have the keyboard, or the menu key: true if the
      // menus used it.
      taste(e) {
        const name = S.tastenname(e);
        if (stand.titel < 0 && name !== 'Menuetaste') return false;
        const schritt = sitzung.menueTaste(stand, Module.Taste[name ?? 'Andere']);
        if (schritt.behandelt) { e.preventDefault(); e.stopPropagation(); }
        return anwenden(schritt);
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
