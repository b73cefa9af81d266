#pragma once

#include <QByteArray>

#include <cstdint>

struct xcb_connection_t;

// Qt's connection to the X server, which the windows use for what Qt itself
// cannot ask of the window manager or the tray. Null on other platforms (Qt's
// offscreen platform has the X interface, without a connection).
xcb_connection_t *XConnection();

// The number of the screen Qt's windows are on (0 without X).
int XScreenNumber();

// The X atom of name, through XConnection (0, "none", without X or on a
// failed request).
uint32_t XAtom(const QByteArray &name);
