#pragma once

class QWidget;

// Before the window manager is asked to move a window from the pointer, Qt's
// idea of where the window is must be right: Qt's X platform can keep the
// place a window had before the window manager framed it (0, 0), and the move
// then jumps by that much. This sets Qt's record from where the X server
// says the window is. Does nothing on other platforms.
void SyncWindowPosition(QWidget *window);

// Whether the left mouse button is down now, as the X server has it rather
// than as the events still queued say. True on other platforms.
bool LeftButtonHeld();
