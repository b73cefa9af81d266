#pragma once

#include "clock/StatusNotifierWatch.h"
#include "clock/TrayShell.h"
#include "clock/XEmbedTrayWatch.h"

#include <QObject>
#include <QSystemTrayIcon>

#include <memory>

// The notification area through QSystemTrayIcon, which speaks either the
// desktop's status-notifier protocol (a D-Bus service that panels show, with
// the menu exported for the panel to draw) or the older X system tray
// (XEmbed: the icon is a small window of ours inside the tray).
//
// Qt chooses between the two once per process, when the first icon is made,
// by whether a status-notifier host is registered at that moment. So the icon
// is made only once a tray is there, as the two watches tell: a panel that
// starts after the program still gets it. Which kind the icon lives in decides
// what a click means and whether the icon can be seen.
class QtTrayShell : public QObject, public ITrayShell {
    Q_OBJECT
public:
    QtTrayShell();

    void NotifyIcon(TNotifyCommand command, const TNotifyIconData &data) override;
    QPoint CursorPos() const override;
    void SetForeground(QWidget *owner) override;
    void Popup(QMenu *menu, QPoint at, TPopupAlign align) override;
    void SetMenu(QMenu *menu) override;
    bool Available() const override;

private:
    enum class Kind { None, StatusNotifier, XEmbed };

    // A watch told of a tray coming or going.
    void TrayChanged();
    void UpdateAvailable();
    void MakeIcon();
    // Gives the icon its menu, and learns from Qt's handling of it which kind
    // of tray the icon is in.
    void GiveMenu();
    void Activated(QSystemTrayIcon::ActivationReason reason);

    StatusNotifierWatch statusNotifier_;
    std::unique_ptr<XEmbedTrayWatch> xembed_;
    QSystemTrayIcon *icon_ = nullptr;
    Kind kind_ = Kind::None;
    TNotifyIconData data_;
    bool wanted_ = false;
    QMenu *menu_ = nullptr;
    bool available_ = false;
};
