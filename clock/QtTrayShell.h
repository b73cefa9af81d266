#pragma once

#include "clock/TrayShell.h"

#include <QObject>
#include <QSystemTrayIcon>

// The notification area through QSystemTrayIcon, which speaks the desktop's
// status-notifier protocol or the older X system tray, whichever it offers,
// and puts the icon up by itself when a notification area appears later.
class QtTrayShell : public QObject, public ITrayShell {
    Q_OBJECT
public:
    QtTrayShell() = default;

    void NotifyIcon(TNotifyCommand command, const TNotifyIconData &data) override;
    QPoint CursorPos() const override;
    void SetForeground(QWidget *owner) override;
    void Popup(QMenu *menu, QPoint at, TPopupAlign align) override;
    bool Available() const override;

private:
    void Activated(QSystemTrayIcon::ActivationReason reason);

    // Made at the first add: it starts Qt's D-Bus connection.
    QSystemTrayIcon *icon_ = nullptr;
    bool wanted_ = false;
};
