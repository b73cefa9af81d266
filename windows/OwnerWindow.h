#pragma once

class QWidget;

// Makes `owner` the window `window` belongs to, before `window` shows: the
// window manager then keeps it above its owner, as a dialog stays above the
// window that opened it. The clock floats above other windows; the manager
// it opens, and the editor the manager opens, must not go beneath it.
// Shown modally, the window blocks only its owner and the owner's owners, so
// the tray icon's menu still works. It is placed in the middle of the screen
// its owner is on, not over its owner.
void SetOwnerWindow(QWidget *window, QWidget *owner);
