#pragma once

#include <QList>

class QWidget;

// The windows are laid out for their English captions; in another language a
// caption may be longer. FitCaptions widens each captioned control (a button,
// check box, radio button or label) inside `container`, and inside the panels
// and group boxes within it, to hold its caption. A control grows to the
// right: a captioned control it would reach moves right with it; anything
// else (a field, a list, the container's edge) stops it. Controls that lie
// over others by design (buttons on a picture) are not neighbours.
// A hidden control takes no room, unless it is one of `shownInTurn` (twins
// at one place, one shown at a time). Call it once the captions are set.
void FitCaptions(QWidget *container, const QList<const QWidget *> &shownInTurn = {});

// Whether the control shows a caption FitCaptions makes room for, and the
// width that caption needs.
bool HasCaption(const QWidget *control);
int CaptionWidth(const QWidget *control);
