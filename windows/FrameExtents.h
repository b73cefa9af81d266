#pragma once

#include <QMargins>

class QWidget;

// The frame the window manager will put around a top-level window that has
// not been shown yet (its title bar and borders), so it can be placed by its
// outer size before it shows. Qt knows the frame only once the window has
// been shown; before that this asks an X11 window manager that supports
// _NET_REQUEST_FRAME_EXTENTS and waits a moment for its answer. No frame
// where it cannot be known.
QMargins ExpectedFrameMargins(QWidget *window);
