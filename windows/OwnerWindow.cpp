#include "windows/OwnerWindow.h"

#include "windows/FrameExtents.h"

#include <QScreen>
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
    window->setWindowModality(Qt::WindowModal);
    // A placed window is not moved over its owner when it shows.
    if (const QScreen *screen = owner->screen()) {
        const QRect area = screen->availableGeometry();
        const QMargins margins = ExpectedFrameMargins(window);
        const QSize frame = window->size().grownBy(margins);
        QPoint at(area.x() + (area.width() - frame.width()) / 2, area.y() + (area.height() - frame.height()) / 2);
        // Qt places the frame where it knows it, else the window itself.
        if (window->frameGeometry() == window->geometry())
            at += QPoint(margins.left(), margins.top());
        window->move(at);
    }
}
