#include "app/XConnection.h"

#include <QGuiApplication>

#include <xcb/xcb.h>
// Last: Xlib's macros clash with Qt's names.
#include <X11/Xlib.h>

#include <cstdlib>

namespace {
QNativeInterface::QX11Application *X11()
{
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
}
} // namespace

xcb_connection_t *XConnection()
{
    QNativeInterface::QX11Application *x11 = X11();
    return x11 ? x11->connection() : nullptr;
}

int XScreenNumber()
{
    QNativeInterface::QX11Application *x11 = X11();
    return x11 && x11->display() ? DefaultScreen(x11->display()) : 0;
}

uint32_t XAtom(const QByteArray &name)
{
    xcb_connection_t *connection = XConnection();
    if (!connection)
        return XCB_ATOM_NONE;
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(name.size()), name.constData()), nullptr);
    if (!reply)
        return XCB_ATOM_NONE;
    const xcb_atom_t atom = reply->atom;
    std::free(reply);
    return atom;
}
