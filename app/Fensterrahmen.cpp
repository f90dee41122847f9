#include "app/Fensterrahmen.h"

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace app {
namespace {

struct Freigeben {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using Antwort = std::unique_ptr<T, Freigeben>;

// _NET_FRAME_EXTENTS of the window: left, right, top, bottom.
bool rahmenAusX11(QWindow* fenster, QMargins& rahmen) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
        return false;
    }
    xcb_connection_t* verbindung = x11->connection();
    static constexpr const char* kName = "_NET_FRAME_EXTENTS";
    const Antwort<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
        verbindung,
        xcb_intern_atom(verbindung, 1, static_cast<std::uint16_t>(std::strlen(kName)), kName),
        nullptr));
    if (!atom || atom->atom == XCB_ATOM_NONE) {
        return false;
    }
    const Antwort<xcb_get_property_reply_t> wert(xcb_get_property_reply(
        verbindung,
        xcb_get_property(verbindung, 0, static_cast<xcb_window_t>(fenster->winId()), atom->atom,
                         XCB_ATOM_CARDINAL, 0, 4),
        nullptr));
    if (!wert || wert->format != 32 || xcb_get_property_value_length(wert.get()) != 16) {
        return false;
    }
    const auto* v = static_cast<const std::uint32_t*>(xcb_get_property_value(wert.get()));
    rahmen = QMargins(static_cast<int>(v[0]), static_cast<int>(v[2]), static_cast<int>(v[1]),
                      static_cast<int>(v[3]));
    return true;
}

} // namespace

QMargins rahmenInGeraetepixeln(QWindow* fenster) {
    QMargins rahmen;
    if (rahmenAusX11(fenster, rahmen)) {
        return rahmen;
    }
    const qreal k = fenster->devicePixelRatio();
    const QMargins m = fenster->frameMargins();
    return QMargins(qRound(m.left() * k), qRound(m.top() * k), qRound(m.right() * k),
                    qRound(m.bottom() * k));
}

} // namespace app
