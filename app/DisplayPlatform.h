#pragma once

#include <QByteArray>

// The clock floats above other windows and is cut to the shape of its skin,
// which needs X: on a Wayland session the program runs through XWayland,
// unless the user has chosen a platform with QT_QPA_PLATFORM.

// The platform to ask Qt for, or empty to leave Qt's own choice; from the
// values of QT_QPA_PLATFORM, XDG_SESSION_TYPE, WAYLAND_DISPLAY and DISPLAY.
QByteArray PreferredPlatform(const QByteArray &qpaPlatform, const QByteArray &sessionType,
                             const QByteArray &waylandDisplay, const QByteArray &x11Display);

// Applies that choice to this process, and sends pictures to the X server
// through its socket rather than shared memory: a shared image must be synced
// with the server before every repaint, a round trip that would wake the
// program twice more for every blink of the clock's colon. Call before the
// application object exists.
void ChooseDisplayPlatform();
