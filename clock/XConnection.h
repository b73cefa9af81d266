#pragma once

#include <xcb/xcb.h>

// Qt's connection to the X server, or null on other platforms (Qt's
// offscreen platform has the X interface, without a connection).
xcb_connection_t *XConnection();
