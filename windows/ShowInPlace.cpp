#include "windows/ShowInPlace.h"

#include <QWidget>

void ShowInPlaceOf(QWidget *shown, QWidget *hidden)
{
    // The window's focus widget, which it keeps also while another window is active.
    const bool hadFocus = hidden->window()->focusWidget() == hidden;
    shown->show();
    if (hadFocus)
        shown->setFocus(Qt::OtherFocusReason);
    hidden->hide();
}
