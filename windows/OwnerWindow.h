#pragma once

class QWidget;

// Makes `owner` the window `window` belongs to, before `window` shows: the
// window manager then keeps it above its owner, as a dialog stays above the
// window that opened it. The clock floats above other windows; the manager
// it opens, and the editor the manager opens, must not go beneath it.
void SetOwnerWindow(QWidget *window, QWidget *owner);
