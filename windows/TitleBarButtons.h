#pragma once

class QWidget;

// Asks the window manager for a title bar with no buttons (no close,
// minimise or maximise box, no window menu) on a window that only its own
// controls may close: the window can still be moved by its title. It asks
// through the Motif hints, which most X11 window managers follow; Qt itself
// cannot ask for "move only". Call before each showing. Nothing happens on
// other platforms, nor where the window manager chooses to offer them anyway.
void AskForTitleBarWithoutButtons(QWidget *window);
