#include "clock/QtTrayShell.h"

#include "clock/TSysTray.h"

#include <QCursor>
#include <QMenu>
#include <QWidget>

QtTrayShell::QtTrayShell() : xembed_(XEmbedTrayWatch::Create())
{
    connect(&statusNotifier_, &StatusNotifierWatch::Changed, this, &QtTrayShell::TrayChanged);
    if (xembed_)
        connect(xembed_.get(), &XEmbedTrayWatch::Changed, this, &QtTrayShell::TrayChanged);
    available_ = Available();
}

bool QtTrayShell::Available() const
{
    const bool statusNotifier = statusNotifier_.Present();
    const bool xembed = xembed_ && xembed_->Present();
    switch (kind_) {
    case Kind::StatusNotifier: return statusNotifier;
    case Kind::XEmbed: return xembed;
    case Kind::None: break;
    }
    return statusNotifier || xembed;
}

void QtTrayShell::TrayChanged()
{
    MakeIcon();
    UpdateAvailable();
}

void QtTrayShell::UpdateAvailable()
{
    const bool available = Available();
    if (available != available_) {
        available_ = available;
        AvailableChanged();
    }
}

void QtTrayShell::MakeIcon()
{
    // Qt shows no icon without a picture: an icon added before its picture
    // is set is made with the picture.
    if (icon_ || !wanted_ || data_.Icon.isNull())
        return;
    // The kind Qt is about to choose, as far as the watches know: it looks at
    // the bus itself (a host registered now) as it makes the icon.
    if (statusNotifier_.Present())
        kind_ = Kind::StatusNotifier;
    else if (xembed_ && xembed_->Present())
        kind_ = Kind::XEmbed;
    else
        return;
    icon_ = new QSystemTrayIcon(this);
    // Handled after the panel's call has its answer: what a click opens may
    // run an event loop of its own (the menu, the alarm manager).
    connect(icon_, &QSystemTrayIcon::activated, this, &QtTrayShell::Activated, Qt::QueuedConnection);
    GiveMenu();
    icon_->setIcon(data_.Icon);
    icon_->setToolTip(data_.Tip);
    icon_->show();
}

void QtTrayShell::NotifyIcon(TNotifyCommand command, const TNotifyIconData &data)
{
    if (command == TNotifyCommand::Delete) {
        wanted_ = false;
        if (icon_)
            icon_->hide();
        return;
    }
    if (command == TNotifyCommand::Add)
        wanted_ = true;
    data_ = data;
    if (!icon_) {
        MakeIcon();
        return;
    }
    icon_->setIcon(data.Icon);
    icon_->setToolTip(data.Tip);
    if (wanted_ && !icon_->isVisible())
        icon_->show();
}

void QtTrayShell::SetMenu(QMenu *menu)
{
    menu_ = menu;
    GiveMenu();
    UpdateAvailable();
}

void QtTrayShell::GiveMenu()
{
    if (!icon_ || !menu_)
        return;
    icon_->setContextMenu(menu_);
    // Qt gives the menu a platform menu only to export it to a panel: that
    // tells which kind of tray Qt chose, whatever the watches said a moment before.
    kind_ = menu_->platformMenu() ? Kind::StatusNotifier : Kind::XEmbed;
    // On an X tray the menu is ours to pop up (at the pointer, by its right
    // edge); left with Qt, it would pop up a second time.
    if (kind_ == Kind::XEmbed)
        icon_->setContextMenu(nullptr);
}

void QtTrayShell::Activated(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        // A panel has one click for an icon (Activate) and no double click:
        // it does what the X tray's double click does. On the X tray it is a
        // press, also the first press of a double click.
        Deliver(0, kind_ == Kind::StatusNotifier ? TSysTray::LeftDoubleClick : TSysTray::LeftButtonDown);
        break;
    case QSystemTrayIcon::DoubleClick: Deliver(0, TSysTray::LeftDoubleClick); break;
    // A panel that draws no menu of its own asks for ours.
    case QSystemTrayIcon::Context: Deliver(0, TSysTray::RightButtonDown); break;
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
