#pragma once

class QWidget;

// Two controls that take turns at one place (play and stop, a page button and
// its pressed twin): shows `shown` and hides `hidden`. When the hidden one had
// the keyboard focus, the shown one takes it, so the keyboard stays where it was.
void ShowInPlaceOf(QWidget *shown, QWidget *hidden);
