#pragma once

#include <QDBusConnection>
#include <QObject>

// Whether the desktop has a status-notifier tray: the watcher service
// (org.kde.StatusNotifierWatcher) on the session bus, with a panel registered
// with it as a host. Learnt from the bus's notices (the watcher's name coming
// and going, hosts registering and leaving) and from calls whose answers are
// awaited in the event loop, never by asking again and again.
class StatusNotifierWatch : public QObject {
    Q_OBJECT
public:
    StatusNotifierWatch();

    // False until the watcher's first answer.
    bool Present() const { return present_; }

signals:
    void Changed();

private slots:
    // Asks the watcher whether a host is registered; the latest answer counts.
    void Ask();

private:
    void Set(bool present);

    QDBusConnection bus_;
    bool present_ = false;
    quint64 asked_ = 0;
};
