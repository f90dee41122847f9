// The page's view of the session: embind bindings that hand the session's
// tables, texts, answers and interaction model to the page's script as plain
// JavaScript values. An entry is its number in the menu table. The texts of
// the page's boxes cross as std::u16string, unit for unit as JavaScript holds
// them; what the session answers crosses as UTF-8. The page's script is the
// Oberflaeche of a Steuerung: a JavaScript object with its functions, called
// with controls and boxes by name.
#include "sitzung/Bedienung.h"
#include "sitzung/Einwaende.h"
#include "sitzung/Fensterlayout.h"
#include "sitzung/Menue.h"
#include "sitzung/Sitzung.h"
#include "sitzung/Steuerung.h"
#include "sitzung/Texte.h"

#include <emscripten/bind.h>
#include <malloc.h>
#include <emscripten/val.h>

#include <array>
#include <cstddef>
#include <memory>
#include <string>

namespace {

using emscripten::val;

const char* artName(sitzung::Art art) {
    switch (art) {
    case sitzung::Art::Menue:
        return "Menue";
    case sitzung::Art::Eintrag:
        return "Eintrag";
    case sitzung::Art::Trenner:
        return "Trenner";
    case sitzung::Art::Leiste:
        return "Leiste";
    }
    return "";
}

void setzen(val& ziel, const char* name, const std::optional<std::string>& wert) {
    if (wert) {
        ziel.set(name, *wert);
    }
}

val alsObjekt(const sitzung::Antwort& a) {
    val o = val::object();
    o.set("meldung", a.meldung);
    o.set("warnung", a.warnung);
    o.set("bildGeaendert", a.bildGeaendert);
    o.set("neueZeilen", static_cast<double>(a.neueZeilen));
    setzen(o, "titel", a.titel);
    setzen(o, "tooltip", a.tooltip);
    setzen(o, "text2", a.text2);
    setzen(o, "text3", a.text3);
    o.set("ansage", a.ansage);
    o.set("gewaehlt", a.gewaehlt);
    return o;
}

val rechteck(const sitzung::Pixelrechteck& r) {
    val o = val::object();
    o.set("left", r.left);
    o.set("top", r.top);
    o.set("width", r.width);
    o.set("height", r.height);
    return o;
}

// The window laid out for a device pixel ratio, in device pixels: as the
// desktop program lays it out on a screen of 96 × ratio dpi.
val layout(int breite, int hoehe, double ratio) {
    const sitzung::Geraetelayout f = sitzung::geraetelayout(ratio, breite, hoehe);
    val o = val::object();
    o.set("k", f.k);
    o.set("Picture1", rechteck(f.Picture1));
    o.set("Picture2", rechteck(f.Picture2));
    o.set("Label1", rechteck(f.Label1));
    o.set("Label2", rechteck(f.Label2));
    o.set("List1", rechteck(f.List1));
    o.set("Text2", rechteck(f.Text2));
    o.set("Text3", rechteck(f.Text3));
    o.set("Width", f.Width);
    o.set("Height", f.Height);
    return o;
}

bool gueltig(int index) {
    return index >= 0 && static_cast<std::size_t>(index) < sitzung::kMenue.size();
}

sitzung::Eintrag eintrag(int index) {
    return sitzung::kMenue[static_cast<std::size_t>(index)].eintrag;
}

// A JavaScript number for an entry, -1 for none.
int zahl(std::optional<sitzung::Eintrag> e) {
    return e ? static_cast<int>(sitzung::nummer(*e)) : -1;
}

std::optional<sitzung::Eintrag> eintragOder(const val& v) {
    if (!v.isNumber()) {
        return std::nullopt;
    }
    const int i = v.as<int>();
    return gueltig(i) ? std::optional(eintrag(i)) : std::nullopt;
}

// {titel, eintrag, offen}, entries as numbers and -1 for none; anything
// unknown is no entry, so a damaged state leaves the menus.
sitzung::Menuestand standAus(const val& v) {
    sitzung::Menuestand s;
    if (v.isUndefined() || v.isNull()) {
        return s;
    }
    s.titel = eintragOder(v["titel"]);
    s.eintrag = eintragOder(v["eintrag"]);
    s.offen = v["offen"].isTrue();
    return s;
}

val alsObjekt(const sitzung::Menueschritt& m) {
    val stand = val::object();
    stand.set("titel", zahl(m.stand.titel));
    stand.set("eintrag", zahl(m.stand.eintrag));
    stand.set("offen", m.stand.offen);
    val o = val::object();
    o.set("stand", stand);
    o.set("waehlen", zahl(m.waehlen));
    o.set("verlassen", m.verlassen);
    o.set("behandelt", m.behandelt);
    return o;
}

// The position list after a key, in a view `hoehe` CSS pixels high:
// {zeile, erste, behandelt}.
val listenTaste(const val& stand, sitzung::Taste taste, double zeilen, double hoehe) {
    sitzung::Listenstand s;
    if (stand["zeile"].isNumber() && stand["erste"].isNumber()) {
        s.zeile = static_cast<std::int64_t>(stand["zeile"].as<double>());
        s.erste = static_cast<std::int64_t>(stand["erste"].as<double>());
    }
    const sitzung::Listenstand n = sitzung::listenTaste(
        s, taste, static_cast<std::int64_t>(zeilen),
        sitzung::ganzSichtbar(hoehe, sitzung::kListenzeilePx));
    val o = val::object();
    o.set("zeile", static_cast<double>(n.zeile));
    o.set("erste", static_cast<double>(n.erste));
    o.set("behandelt", n.behandelt);
    return o;
}

// The menu tree in the order of kMenue; an entry's index is its number in
// every other call.
val menue() {
    val liste = val::array();
    for (const sitzung::Menueeintrag& e : sitzung::kMenue) {
        val o = val::object();
        o.set("art", std::string(artName(e.art)));
        o.set("name", std::string(e.name));
        o.set("titel", std::string(e.titel));
        o.set("abhakbar", e.abhakbar);
        liste.call<void>("push", o);
    }
    return liste;
}

val texte() {
    val o = val::object();
    o.set("programmtitel", std::string(sitzung::kProgrammtitel));
    o.set("schluesselFrage", std::string(sitzung::kSchluesselFrage));
    o.set("schluesselTitel", std::string(sitzung::kSchluesselTitel));
    o.set("schluesselVorgabe", std::string(sitzung::kSchluesselVorgabe));
    o.set("ok", std::string(sitzung::kOk));
    o.set("abbrechen", std::string(sitzung::kAbbrechen));
    o.set("label1", std::string(sitzung::kLabel1));
    o.set("label2", std::string(sitzung::kLabel2));
    o.set("tooltipOriginal", std::string(sitzung::kTooltipOriginal));
    o.set("nameOriginal", std::string(sitzung::kNameOriginal));
    o.set("nameKopie", std::string(sitzung::kNameKopie));
    o.set("nameListe", std::string(sitzung::kNameListe));
    return o;
}

constexpr std::array<const char*, 6> kOrte = {"List1", "Text2", "Text3", "Menue", "Schluessel",
                                               "Meldung"};

std::string ortName(sitzung::Ort o) {
    return kOrte[static_cast<std::size_t>(o)];
}

// A control by its name; anything else is Text2.
sitzung::Ort ortAus(const std::string& name) {
    for (std::size_t i = 0; i < kOrte.size(); ++i) {
        if (name == kOrte[i]) {
            return static_cast<sitzung::Ort>(i);
        }
    }
    return sitzung::Ort::Text2;
}

val standObjekt(const sitzung::Menuestand& s) {
    val o = val::object();
    o.set("titel", zahl(s.titel));
    o.set("eintrag", zahl(s.eintrag));
    o.set("offen", s.offen);
    return o;
}

// The page's script as a Steuerung's Oberflaeche.
class Seite final : public sitzung::Oberflaeche {
  public:
    explicit Seite(val ziel) : ziel_(std::move(ziel)) {}

    void boxZeigen(const sitzung::Boxinhalt& b) override {
        ziel_.call<void>("boxZeigen", std::string(b.art == sitzung::Box::Schluessel ? "Schluessel"
                                                                                    : "Meldung"),
                         b.text, b.warnung);
    }
    void fokusSetzen(sitzung::Ort ort) override { ziel_.call<void>("fokusSetzen", ortName(ort)); }
    void ansagen(const std::string& satz) override { ziel_.call<void>("ansagen", satz); }
    void menueZeigen(const sitzung::Menuezustaende&, const sitzung::Menuestand& s) override {
        ziel_.call<void>("menueZeigen", standObjekt(s));
    }
    void bildMalen() override { ziel_.call<void>("bildMalen"); }
    void zeilenAnhaengen(std::int64_t zeilen) override {
        ziel_.call<void>("zeilenAnhaengen", static_cast<double>(zeilen));
    }
    void textSetzen(sitzung::Textziel ziel, const std::string& text) override {
        constexpr std::array<const char*, 4> namen = {"Titel", "Tooltip", "Text2", "Text3"};
        ziel_.call<void>("textSetzen", std::string(namen[static_cast<std::size_t>(ziel)]), text);
    }
    std::u16string text2() override { return ziel_.call<std::u16string>("text2"); }

  private:
    val ziel_;
};

// One run of the program, as the page holds it.
class Tarnbild {
  public:
    explicit Tarnbild(const std::string& dezimaltrenner)
        : sitzung_(sitzung::eingebautesOriginalbild(), dezimaltrenner) {}

    val aktivieren() { return alsObjekt(sitzung_.aktivieren()); }

    bool waehlbar(int index) const { return gueltig(index) && sitzung_.waehlbar(eintrag(index)); }
    bool oeffenbar(int index) const {
        return gueltig(index) && sitzung_.oeffenbar(eintrag(index));
    }
    bool fragtSchluessel(int index) const {
        return gueltig(index) && sitzung::fragtSchluessel(eintrag(index));
    }
    bool liestText(int index) const {
        return gueltig(index) && sitzung::liestText(eintrag(index));
    }

    // Chooses entry `index`: the session refuses what cannot be chosen
    // ({gewaehlt: false}) and runs the rest. text2 and schluessel are the
    // page's boxes as they are.
    val waehlen(int index, const std::u16string& text2, const std::u16string& schluessel) {
        if (!gueltig(index)) {
            sitzung::Antwort a;
            a.gewaehlt = false;
            return alsObjekt(a);
        }
        return alsObjekt(sitzung_.waehlen(eintrag(index), text2, schluessel));
    }

    // The interaction model on this run's menu states.
    val menueTaste(const val& stand, sitzung::Taste taste) const {
        return alsObjekt(sitzung::menueTaste(standAus(stand), taste, sitzung_.menue()));
    }
    val titelKlick(const val& stand, int index) const {
        return zeiger(stand, index, &sitzung::titelKlick);
    }
    val titelZeigen(const val& stand, int index) const {
        return zeiger(stand, index, &sitzung::titelZeigen);
    }
    val eintragKlick(const val& stand, int index) const {
        return zeiger(stand, index, &sitzung::eintragKlick);
    }

    // The states of all entries, in the order of kMenue.
    val zustaende() const {
        val liste = val::array();
        for (const sitzung::Menuezustand& z : sitzung_.menue()) {
            val o = val::object();
            o.set("abgehakt", z.abgehakt);
            o.set("aktiv", z.aktiv);
            liste.call<void>("push", o);
        }
        return liste;
    }

    std::string titel() const { return sitzung_.titel(); }
    std::string tooltip() const { return sitzung_.tooltip(); }
    int breite() const { return sitzung_.originalbild().breite(); }
    int hoehe() const { return sitzung_.originalbild().hoehe(); }

    // The pixels of the Originalbild (0) or the working copy (1) as bytes R,
    // G, B, 255, row by row: a view into the module's memory, valid until the
    // next call into the module.
    val bild(int nummer) const {
        const picture::Bildflaeche& b =
            nummer == 0 ? sitzung_.originalbild() : sitzung_.arbeitsbild();
        const auto bytes =
            static_cast<std::size_t>(b.breite()) * static_cast<std::size_t>(b.hoehe()) * 4;
        return val(emscripten::typed_memory_view(bytes, b.rgbx()));
    }

    double zeilen() const { return static_cast<double>(sitzung_.liste().zeilen()); }
    std::string listenname() const { return sitzung::listenname(sitzung_.liste().zeilen()); }
    std::string zeile(double i) const {
        if (!(i >= 0 && i < zeilen())) {
            return {};
        }
        return sitzung_.liste().zeile(static_cast<std::int64_t>(i));
    }

    // The Steuerung of this run, with the page's script as its Oberflaeche;
    // the calls below go to it.
    void steuern(val oberflaeche) {
        seite_ = std::make_unique<Seite>(std::move(oberflaeche));
        steuerung_ = std::make_unique<sitzung::Steuerung>(sitzung_, *seite_, false);
    }
    void starten() { steuerung_->starten(); }
    bool befehl(int index) { return gueltig(index) && steuerung_->waehlen(eintrag(index)); }
    bool laeuft() const { return steuerung_->laeuft(); }
    bool boxOffen() const { return steuerung_->boxOffen(); }
    void boxGeschlossen(const std::string& art, const std::u16string& eingabe) {
        steuerung_->boxGeschlossen(art == "Schluessel" ? sitzung::Box::Schluessel
                                                       : sitzung::Box::Meldung,
                                   eingabe);
    }
    // Whether a box takes a text of `laenge` units whose new part is
    // `neu`, placed at [anfang, ende) of its text `alt`; refused with the
    // message box otherwise. The length is judged first, so a paste of
    // megabytes is not copied into the module.
    bool nimmt(const std::string& feld, double laenge, const val& alt, double anfang, double ende,
               const val& neu) {
        const sitzung::Ort ort = ortAus(feld);
        const std::string zuLang = sitzung::laengenEinwand(ort, static_cast<std::int64_t>(laenge));
        if (!zuLang.empty()) {
            steuerung_->abweisen(ort, zuLang);
            return false;
        }
        const std::u16string a = alt.as<std::u16string>();
        const auto von = static_cast<std::size_t>(anfang);
        const auto bis = static_cast<std::size_t>(ende);
        return steuerung_->nimmt(ort, a.substr(0, von) + neu.as<std::u16string>() + a.substr(bis));
    }
    void fokusBekommen(const std::string& ort) { steuerung_->fokusBekommen(ortAus(ort)); }
    std::string fokus() const { return ortName(steuerung_->fokus()); }
    void tab(bool vor) { steuerung_->tab(vor); }
    val taste(sitzung::Taste t) { return alsObjekt(steuerung_->menueTaste(t)); }
    val klickTitel(int index) {
        return gueltig(index) ? alsObjekt(steuerung_->titelKlick(eintrag(index))) : val::null();
    }
    val zeigeTitel(int index) {
        return gueltig(index) ? alsObjekt(steuerung_->titelZeigen(eintrag(index))) : val::null();
    }
    val klickEintrag(int index) {
        return gueltig(index) ? alsObjekt(steuerung_->eintragKlick(eintrag(index))) : val::null();
    }
    void menueVerlassen() { steuerung_->menueVerlassen(); }
    val menuestand() const { return standObjekt(steuerung_->menuestand()); }

  private:
    using Zeiger = sitzung::Menueschritt (*)(const sitzung::Menuestand&, sitzung::Eintrag,
                                             const sitzung::Menuezustaende&);
    val zeiger(const val& stand, int index, Zeiger f) const {
        const sitzung::Menuestand s = standAus(stand);
        if (!gueltig(index)) {
            return alsObjekt(sitzung::Menueschritt{s, std::nullopt, false, false});
        }
        return alsObjekt(f(s, eintrag(index), sitzung_.menue()));
    }

    sitzung::Sitzung sitzung_;
    std::unique_ptr<Seite> seite_;
    std::unique_ptr<sitzung::Steuerung> steuerung_;
};

} // namespace

// The bytes the module's allocator holds now, for the benchmark's figure of
// what a listed line costs.
double belegt() {
    return static_cast<double>(mallinfo().uordblks);
}

// The pauses a screen reader needs, in milliseconds.
val pausen() {
    val o = val::object();
    o.set("titel", sitzung::kTitelPauseMs);
    o.set("box", sitzung::kBoxPauseMs);
    o.set("ansage", sitzung::kAnsagePauseMs);
    return o;
}

EMSCRIPTEN_BINDINGS(tarnbild) {
    emscripten::enum_<sitzung::Taste>("Taste")
        .value("Links", sitzung::Taste::Links)
        .value("Rechts", sitzung::Taste::Rechts)
        .value("Hoch", sitzung::Taste::Hoch)
        .value("Runter", sitzung::Taste::Runter)
        .value("Tab", sitzung::Taste::Tab)
        .value("TabZurueck", sitzung::Taste::TabZurueck)
        .value("Pos1", sitzung::Taste::Pos1)
        .value("Ende", sitzung::Taste::Ende)
        .value("Eingabe", sitzung::Taste::Eingabe)
        .value("Leertaste", sitzung::Taste::Leertaste)
        .value("Escape", sitzung::Taste::Escape)
        .value("Menuetaste", sitzung::Taste::Menuetaste)
        .value("BildAuf", sitzung::Taste::BildAuf)
        .value("BildAb", sitzung::Taste::BildAb)
        .value("Andere", sitzung::Taste::Andere);
    emscripten::function("belegt", &belegt);
    emscripten::function("listenTaste", &listenTaste);
    emscripten::constant("LISTENZEILE", sitzung::kListenzeilePx);
    emscripten::function("layout", &layout);
    emscripten::function("menue", &menue);
    emscripten::function("texte", &texte);
    emscripten::function("pausen", &pausen);
    emscripten::class_<Tarnbild>("Tarnbild")
        .constructor<const std::string&>()
        .function("aktivieren", &Tarnbild::aktivieren)
        .function("waehlbar", &Tarnbild::waehlbar)
        .function("oeffenbar", &Tarnbild::oeffenbar)
        .function("fragtSchluessel", &Tarnbild::fragtSchluessel)
        .function("liestText", &Tarnbild::liestText)
        .function("waehlen", &Tarnbild::waehlen)
        .function("menueTaste", &Tarnbild::menueTaste)
        .function("titelKlick", &Tarnbild::titelKlick)
        .function("titelZeigen", &Tarnbild::titelZeigen)
        .function("eintragKlick", &Tarnbild::eintragKlick)
        .function("zustaende", &Tarnbild::zustaende)
        .function("titel", &Tarnbild::titel)
        .function("tooltip", &Tarnbild::tooltip)
        .function("breite", &Tarnbild::breite)
        .function("hoehe", &Tarnbild::hoehe)
        .function("bild", &Tarnbild::bild)
        .function("zeilen", &Tarnbild::zeilen)
        .function("listenname", &Tarnbild::listenname)
        .function("zeile", &Tarnbild::zeile)
        .function("steuern", &Tarnbild::steuern)
        .function("starten", &Tarnbild::starten)
        .function("befehl", &Tarnbild::befehl)
        .function("laeuft", &Tarnbild::laeuft)
        .function("boxOffen", &Tarnbild::boxOffen)
        .function("boxGeschlossen", &Tarnbild::boxGeschlossen)
        .function("nimmt", &Tarnbild::nimmt)
        .function("fokusBekommen", &Tarnbild::fokusBekommen)
        .function("fokus", &Tarnbild::fokus)
        .function("tab", &Tarnbild::tab)
        .function("taste", &Tarnbild::taste)
        .function("klickTitel", &Tarnbild::klickTitel)
        .function("zeigeTitel", &Tarnbild::zeigeTitel)
        .function("klickEintrag", &Tarnbild::klickEintrag)
        .function("menueVerlassen", &Tarnbild::menueVerlassen)
        .function("menuestand", &Tarnbild::menuestand);
}
