#include "app/Anzeigepruefung.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QPluginLoader>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string_view>

namespace app {
namespace {

std::string umgebung(const char* name) {
    const char* wert = std::getenv(name);
    return wert != nullptr ? wert : "";
}

// The value of one of Qt's own options; Qt reads "--platform" as "-platform".
std::string option(int argc, char* argv[], std::string_view name) {
    for (int i = 1; i + 1 < argc; ++i) {
        std::string_view argument = argv[i];
        if (argument.starts_with("--")) {
            argument.remove_prefix(1);
        }
        if (argument == name) {
            return argv[i + 1];
        }
    }
    return {};
}

std::string klein(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

// The keys of the installed platform plugins, from their metadata: the
// plugins are not loaded.
std::set<std::string> plattformen(const std::string& pluginOption) {
    QStringList ordner{QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms"};
    for (const QString& pfad : qEnvironmentVariable("QT_PLUGIN_PATH").split(':', Qt::SkipEmptyParts)) {
        ordner << pfad + "/platforms";
    }
    for (const QString& pfad : {qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH"),
                                QString::fromLocal8Bit(pluginOption)}) {
        if (!pfad.isEmpty()) {
            ordner << pfad;
        }
    }
    std::set<std::string> schluessel;
    for (const QString& o : ordner) {
        const QDir verzeichnis(o);
        for (const QString& datei : verzeichnis.entryList(QDir::Files)) {
            const QJsonObject daten = QPluginLoader(verzeichnis.filePath(datei)).metaData();
            for (const auto& k : daten.value("MetaData").toObject().value("Keys").toArray()) {
                schluessel.insert(klein(k.toString().toStdString()));
            }
        }
    }
    return schluessel;
}

std::string xGrund(const std::string& anzeige) {
    if (anzeige.empty()) {
        return "DISPLAY ist nicht gesetzt.";
    }
    xcb_connection_t* verbindung = xcb_connect(anzeige.c_str(), nullptr);
    const bool erreicht = xcb_connection_has_error(verbindung) == 0;
    xcb_disconnect(verbindung);
    return erreicht ? "" : "Der X-Server " + anzeige + " antwortet nicht.";
}

// Follows libwayland-client: WAYLAND_SOCKET is a connection already open;
// WAYLAND_DISPLAY (wayland-0 when unset) is a socket in XDG_RUNTIME_DIR, or
// an absolute path.
std::string waylandGrund() {
    if (!umgebung("WAYLAND_SOCKET").empty()) {
        return "";
    }
    std::string name = umgebung("WAYLAND_DISPLAY");
    if (name.empty()) {
        name = "wayland-0";
    }
    std::string pfad = name;
    if (!name.starts_with('/')) {
        const std::string laufzeit = umgebung("XDG_RUNTIME_DIR");
        if (laufzeit.empty()) {
            return "XDG_RUNTIME_DIR ist nicht gesetzt, so ist " + name + " nicht zu finden.";
        }
        pfad = laufzeit + "/" + name;
    }
    sockaddr_un adresse{};
    adresse.sun_family = AF_UNIX;
    bool erreicht = false;
    if (pfad.size() < sizeof adresse.sun_path) {
        std::memcpy(adresse.sun_path, pfad.c_str(), pfad.size() + 1);
        const int s = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        erreicht = s >= 0 && connect(s, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse) == 0;
        if (s >= 0) {
            close(s);
        }
    }
    return erreicht ? "" : "Der Wayland-Server " + name + " antwortet nicht (" + pfad + ").";
}

} // namespace

std::string anzeigeHindernis(int argc, char* argv[]) {
    std::string liste = option(argc, argv, "-platform");
    std::string vorgabe;
    if (!liste.empty()) {
        vorgabe = "-platform " + liste;
    } else if (liste = umgebung("QT_QPA_PLATFORM"); !liste.empty()) {
        vorgabe = "QT_QPA_PLATFORM=" + liste;
    } else {
        const bool wayland = std::getenv("WAYLAND_DISPLAY") != nullptr ||
                             umgebung("XDG_SESSION_TYPE") == "wayland";
        liste = wayland ? "wayland;xcb" : "xcb";
    }

    const std::set<std::string> vorhanden = plattformen(option(argc, argv, "-platformpluginpath"));
    std::string gruende;
    for (std::size_t anfang = 0; anfang <= liste.size();) {
        const std::size_t ende = std::min(liste.find(';', anfang), liste.size());
        const std::string eintrag = liste.substr(anfang, ende - anfang);
        anfang = ende + 1;
        const std::string name = klein(eintrag.substr(0, eintrag.find(':')));
        if (name.empty()) {
            continue;
        }
        std::string grund;
        if (!vorhanden.contains(name)) {
            grund = name.starts_with("wayland")
                        ? "Qt fehlt das Wayland-Modul (Paket qt6-wayland)."
                        : "Diese Plattform kennt Qt nicht.";
        } else if (name == "xcb") {
            const std::string anzeige = option(argc, argv, "-display");
            grund = xGrund(anzeige.empty() ? umgebung("DISPLAY") : anzeige);
        } else if (name.starts_with("wayland")) {
            grund = waylandGrund();
        }
        if (grund.empty()) {
            return {};
        }
        gruende += "  " + name + ": " + grund + "\n";
    }

    std::string hinweis = "punktgarten: Keine grafische Anzeige erreichbar.\n" + gruende;
    if (!vorgabe.empty()) {
        std::string alle;
        for (const std::string& p : vorhanden) {
            alle += (alle.empty() ? "" : ", ") + p;
        }
        hinweis += "Die Plattform ist mit " + vorgabe +
                   " vorgegeben; ohne diese Vorgabe wählt Qt selbst. Vorhanden sind: " + alle +
                   ".\n";
    }
    return hinweis + "Ohne Bildschirm startet das Programm in einem virtuellen X-Server:\n" +
           "    xvfb-run -a " + (argc > 0 ? argv[0] : "punktgarten") + "\n";
}

} // namespace app
