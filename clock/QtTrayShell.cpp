#include "clock/QtTrayShell.h"

#include "clock/TSysTray.h"

#include <QCursor>
#include <QMenu>
#include <QWidget>

void QtTrayShell::NotifyIcon(TNotifyCommand command, const TNotifyIconData &data)
{
    if (command == TNotifyCommand::Delete) {
        wanted_ = false;
        if (icon_)
            icon_->hide();
        return;
    }
    if (!icon_) {
        icon_ = new QSystemTrayIcon(this);
        connect(icon_, &QSystemTrayIcon::activated, this, &QtTrayShell::Activated);
    }
    if (command == TNotifyCommand::Add)
        wanted_ = true;
    icon_->setIcon(data.Icon);
    icon_->setToolTip(data.Tip);
    // Qt shows no icon without a picture: an icon added before its picture
    // is set comes up with the picture.
    if (wanted_ && !data.Icon.isNull() && !icon_->isVisible())
        icon_->show();
}

void QtTrayShell::Activated(QSystemTrayIcon::ActivationReason reason)
{
    // A double click comes after a Trigger for its first press.
    switch (reason) {
    case QSystemTrayIcon::Trigger: Deliver(0, TSysTray::LeftButtonDown); break;
    case QSystemTrayIcon::Context: Deliver(0, TSysTray::RightButtonDown); break;
    case QSystemTrayIcon::DoubleClick: Deliver(0, TSysTray::LeftDoubleClick); break;
    default: break;
    }
}

QPoint QtTrayShell::CursorPos() const
{
    return QCursor::pos();
}

void QtTrayShell::SetForeground(QWidget *owner)
{
    if (owner && owner->isVisible()) {
        owner->raise();
        owner->activateWindow();
    }
}

void QtTrayShell::Popup(QMenu *menu, QPoint at, TPopupAlign align)
{
    PopupMenuAt(menu, at, align);
}

void PopupMenuAt(QMenu *menu, QPoint at, TPopupAlign align)
{
    const int width = menu->sizeHint().width();
    if (align == paRight)
        at.rx() -= width;
    else if (align == paCenter)
        at.rx() -= width / 2;
    menu->exec(at);
}

bool QtTrayShell::Available() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}
