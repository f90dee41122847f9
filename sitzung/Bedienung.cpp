#include "sitzung/Bedienung.h"

#include <algorithm>
#include <vector>

namespace sitzung {
namespace {

bool istTitel(Eintrag e) {
    const Art art = eintrag(e).art;
    return art == Art::Menue || art == Art::Leiste;
}

std::vector<Eintrag> titelListe() {
    std::vector<Eintrag> t;
    for (const Menueeintrag& e : kMenue) {
        if (istTitel(e.eintrag)) {
            t.push_back(e.eintrag);
        }
    }
    return t;
}

// The items of a title's menu, separators left out.
std::vector<Eintrag> eintraege(Eintrag titel) {
    std::vector<Eintrag> t;
    for (std::size_t i = nummer(titel) + 1; i < kMenue.size() && !istTitel(kMenue[i].eintrag);
         ++i) {
        if (kMenue[i].art == Art::Eintrag) {
            t.push_back(kMenue[i].eintrag);
        }
    }
    return t;
}

// The element `schritt` places on from `von`, going round; the first (or for
// a step back the last) when `von` is not in the list.
Eintrag weiter(const std::vector<Eintrag>& liste, std::optional<Eintrag> von, int schritt) {
    const auto n = static_cast<std::ptrdiff_t>(liste.size());
    const auto stelle = von ? std::find(liste.begin(), liste.end(), *von) - liste.begin() : n;
    if (stelle == n) {
        return schritt > 0 ? liste.front() : liste.back();
    }
    return liste[static_cast<std::size_t>(((stelle + schritt) % n + n) % n)];
}

// The title highlighted, its menu open if it can be, no item ready.
Menuestand nurTitel(Eintrag titel, const Menuezustaende& z) {
    Menuestand s;
    s.titel = titel;
    s.offen = oeffenbar(z, titel);
    return s;
}

// The same with the first (or last) item ready.
Menuestand auf(Eintrag titel, const Menuezustaende& z, bool letztes = false) {
    Menuestand s = nurTitel(titel, z);
    if (s.offen) {
        const std::vector<Eintrag> liste = eintraege(titel);
        s.eintrag = letztes ? liste.back() : liste.front();
    }
    return s;
}

Menueschritt schritt(Menuestand s) {
    return {s, std::nullopt, false, true};
}

Menueschritt verlassen(std::optional<Eintrag> waehlen = std::nullopt) {
    return {{}, waehlen, true, true};
}

Menueschritt waehlenOderBleiben(const Menuestand& stand, Eintrag e, const Menuezustaende& z) {
    if (waehlbar(z, e)) {
        return verlassen(e);
    }
    return schritt(stand);
}

} // namespace

Menueschritt menueTaste(const Menuestand& stand, Taste taste, const Menuezustaende& z) {
    const std::vector<Eintrag> titel = titelListe();
    if (!stand.titel) {
        if (taste == Taste::Menuetaste) {
            return schritt(auf(titel.front(), z));
        }
        return {stand, std::nullopt, false, false};
    }
    const Eintrag t = *stand.titel;
    const bool offen = stand.offen && oeffenbar(z, t);
    switch (taste) {
    case Taste::Links:
    case Taste::Rechts:
        return schritt(auf(weiter(titel, t, taste == Taste::Rechts ? 1 : -1), z));
    case Taste::Tab:
    case Taste::TabZurueck:
    case Taste::Hoch:
    case Taste::Runter: {
        const bool vor = taste == Taste::Tab || taste == Taste::Runter;
        if (offen) {
            Menuestand s = stand;
            s.eintrag = weiter(eintraege(t), stand.eintrag, vor ? 1 : -1);
            return schritt(s);
        }
        if (taste == Taste::Tab || taste == Taste::TabZurueck) {
            return schritt(auf(weiter(titel, t, vor ? 1 : -1), z));
        }
        if (oeffenbar(z, t)) { // a menu shut by a click opens from its title
            return schritt(auf(t, z, !vor));
        }
        return schritt(stand);
    }
    case Taste::Pos1:
    case Taste::Ende: {
        const bool erstes = taste == Taste::Pos1;
        if (offen) {
            const std::vector<Eintrag> liste = eintraege(t);
            Menuestand s = stand;
            s.eintrag = erstes ? liste.front() : liste.back();
            return schritt(s);
        }
        return schritt(auf(erstes ? titel.front() : titel.back(), z));
    }
    case Taste::Eingabe:
    case Taste::Leertaste:
        if (offen && stand.eintrag) {
            return waehlenOderBleiben(stand, *stand.eintrag, z);
        }
        if (eintrag(t).art == Art::Leiste) {
            return waehlenOderBleiben(stand, t, z);
        }
        if (oeffenbar(z, t)) {
            return schritt(auf(t, z));
        }
        return schritt(stand);
    case Taste::Escape:
    case Taste::Menuetaste:
        return verlassen();
    case Taste::BildAuf:
    case Taste::BildAb:
    case Taste::Andere:
        break;
    }
    return schritt(stand); // the menus hold the keyboard: nothing reaches a text box
}

Menueschritt titelKlick(const Menuestand& stand, Eintrag titel, const Menuezustaende& z) {
    if (!istTitel(titel)) {
        return {stand, std::nullopt, false, false};
    }
    if (eintrag(titel).art == Art::Leiste) {
        return waehlbar(z, titel) ? verlassen(titel) : schritt(stand);
    }
    if (stand.titel == titel && stand.offen) {
        return verlassen();
    }
    return schritt(nurTitel(titel, z));
}

Menueschritt titelZeigen(const Menuestand& stand, Eintrag titel, const Menuezustaende& z) {
    if (!istTitel(titel) || !stand.offen || stand.titel == titel) {
        return {stand, std::nullopt, false, false};
    }
    return schritt(nurTitel(titel, z));
}

Menueschritt eintragKlick(const Menuestand& stand, Eintrag e, const Menuezustaende& z) {
    if (!stand.offen || titelVon(e) != stand.titel || istTitel(e)) {
        return {stand, std::nullopt, false, false};
    }
    if (eintrag(e).art == Art::Trenner) {
        return schritt(stand);
    }
    return waehlenOderBleiben(stand, e, z);
}

std::int64_t ganzSichtbar(double hoehe, double zeilenhoehe) {
    if (!(zeilenhoehe > 0) || !(hoehe / zeilenhoehe >= 1)) {
        return 1;
    }
    return static_cast<std::int64_t>(std::min(hoehe / zeilenhoehe, 1e15));
}

std::int64_t sichtFolgt(std::int64_t erste, std::int64_t zeile, std::int64_t sichtbar,
                        std::int64_t zeilen) {
    sichtbar = std::max<std::int64_t>(1, sichtbar);
    if (zeile < erste) {
        erste = zeile;
    } else if (zeile >= erste + sichtbar) {
        erste = zeile - sichtbar + 1;
    }
    return std::clamp<std::int64_t>(erste, 0, std::max<std::int64_t>(0, zeilen - sichtbar));
}

Listenstand listenTaste(Listenstand stand, Taste taste, std::int64_t zeilen,
                        std::int64_t sichtbar) {
    if (zeilen <= 0) {
        return {stand.zeile, stand.erste, false};
    }
    sichtbar = std::max<std::int64_t>(1, sichtbar);
    const std::int64_t seite = std::max<std::int64_t>(1, sichtbar - 1);
    const std::int64_t z = std::max<std::int64_t>(0, stand.zeile);
    std::int64_t neu = z;
    switch (taste) {
    case Taste::Runter:
        neu = stand.zeile < 0 ? 0 : z + 1;
        break;
    case Taste::Hoch:
        neu = z - 1;
        break;
    case Taste::BildAb:
        neu = z + seite;
        break;
    case Taste::BildAuf:
        neu = z - seite;
        break;
    case Taste::Pos1:
        neu = 0;
        break;
    case Taste::Ende:
        neu = zeilen - 1;
        break;
    default:
        return {stand.zeile, stand.erste, false};
    }
    Listenstand s;
    s.behandelt = true;
    s.zeile = std::clamp<std::int64_t>(neu, 0, zeilen - 1);
    s.erste = sichtFolgt(stand.erste, s.zeile, sichtbar, zeilen);
    return s;
}

} // namespace sitzung
