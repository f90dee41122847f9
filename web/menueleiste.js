// The menu bar, built from the session's menu tree, with the states the
// session holds. Every key and click in the menus goes to the session's
// Steuerung, which moves the menus by its interaction model, says where the
// keyboard goes when they are left, and runs the chosen entry; the bar shows
// the state it is given.
(function (S) {
  'use strict';

  // sitzung: the run with its Steuerung; menue: the session's tree.
  S.menueleiste = function ({ sitzung, menue, $ }) {
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

    let offen = null; // the open menu's entry of the bar
    const kopfVon = (index) => oben.find((o) => o.index === index);
    const imMenue = () => sitzung.menuestand().titel >= 0;

    // Shows where the Steuerung put the keyboard in the menus: the open menu,
    // and the focus on its ready item or on the title; no title: all shut.
    function darstellen(stand) {
      const kopf = kopfVon(stand.titel);
      const neu = stand.offen && kopf && kopf.liste ? kopf : null;
      if (offen !== neu) {
        zeigen(offen, false);
        zeigen(neu, true);
        offen = neu;
      }
      if (kopf) (stand.eintrag >= 0 ? $(menue[stand.eintrag].name) : kopf.el).focus();
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
        if (e.target === leiste) sitzung.menueVerlassen();
      });
      // Where the mouse was last seen: a browser sends a mouse that rests on
      // a title a move of its own when the menus change under it, and the
      // keyboard's road through the menus must not be taken back to that title.
      let ruht = null;
      const merken = (e) => { ruht = `${e.screenX},${e.screenY}`; };
      document.addEventListener('pointermove', merken, true);
      document.addEventListener('pointerdown', merken, true);
      for (const o of oben) {
        o.el.addEventListener('click', () => sitzung.klickTitel(o.index));
        // Hover follows a mouse only: a tap's emulated mouse move would open
        // the tapped menu, and its click then close it again.
        o.el.addEventListener('pointerenter', (e) => {
          const bewegt = ruht !== `${e.screenX},${e.screenY}`;
          if (e.pointerType === 'mouse' && bewegt && imMenue()) sitzung.zeigeTitel(o.index);
        });
        for (const k of o.kinder) {
          k.el.addEventListener('click', () => sitzung.klickEintrag(k.index));
        }
      }
      // A press outside closes the menus and gives the focus back; a control
      // pressed takes it after that.
      document.addEventListener('mousedown', (e) => {
        if (!leiste.contains(e.target)) sitzung.menueVerlassen();
      });
    }

    return {
      einrichten() {
        bauen();
        mausEinrichten();
      },

      darstellen,

      // A key while the menus have the keyboard, or the menu key: true if the
      // menus used it.
      taste(e) {
        const name = S.tastenname(e);
        if (!imMenue() && name !== 'Menuetaste') return false;
        const schritt = sitzung.taste(Module.Taste[name ?? 'Andere']);
        if (schritt.behandelt) { e.preventDefault(); e.stopPropagation(); }
        return schritt.behandelt;
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
