#pragma once

#include <QEvent>
#include <QObject>

// Counts a window's Show events (install it as the window's event filter),
// to prove a window appeared, or never did.
class ShowCounter : public QObject {
public:
    int shows = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            ++shows;
        return false;
    }
};
