#include "windows/OwnerWindow.h"

#include <QWidget>
#include <QWindow>

void SetOwnerWindow(QWidget *window, QWidget *owner)
{
    if (!window || !owner || window->isVisible())
        return;
    // Both platform windows must exist; creating them maps nothing.
    window->winId();
    owner->winId();
    window->windowHandle()->setTransientParent(owner->windowHandle());
}
