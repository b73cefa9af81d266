#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <memory>

// Whether the X screen has an X system tray (XEmbed): a window owns the
// screen's _NET_SYSTEM_TRAY_S<n> selection. The X server tells of every change
// of that owner (XFixes selection notices); nothing is asked twice.
class XEmbedTrayWatch : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // None where the program does not run on X11.
    static std::unique_ptr<XEmbedTrayWatch> Create();

    bool Present() const { return present_; }

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

signals:
    void Changed();

private:
    XEmbedTrayWatch(quint32 selection, quint8 notifyEvent, bool present);

    const quint32 selection_;
    const quint8 notifyEvent_;
    bool present_;
};
