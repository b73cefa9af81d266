#include "clock/StatusNotifierWatch.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>

namespace {
const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");
} // namespace

StatusNotifierWatch::StatusNotifierWatch() : bus_(QDBusConnection::sessionBus())
{
    if (!bus_.isConnected())
        return;
    auto *name = new QDBusServiceWatcher(kWatcher, bus_, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(name, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString &, const QString &, const QString &owner) {
                if (!owner.isEmpty()) {
                    Ask();
                    return;
                }
                ++asked_; // an answer still on its way came from the watcher that left
                Set(false);
            });
    // A host leaving may leave others registered: ask rather than guess.
    bus_.connect(kWatcher, kWatcherPath, kWatcher, QStringLiteral("StatusNotifierHostRegistered"), this, SLOT(Ask()));
    bus_.connect(kWatcher, kWatcherPath, kWatcher, QStringLiteral("StatusNotifierHostUnregistered"), this, SLOT(Ask()));
    Ask();
}

void StatusNotifierWatch::Ask()
{
    QDBusMessage call = QDBusMessage::createMethodCall(kWatcher, kWatcherPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                       QStringLiteral("Get"));
    call << kWatcher << QStringLiteral("IsStatusNotifierHostRegistered");
    // No watcher is started for the question: one that is not there answers no.
    call.setAutoStartService(false);
    const quint64 question = ++asked_;
    auto *answer = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this, [this, question](QDBusPendingCallWatcher *call) {
        call->deleteLater();
        if (question != asked_)
            return;
        const QDBusPendingReply<QDBusVariant> reply = *call;
        Set(!reply.isError() && reply.value().variant().toBool());
    });
}

void StatusNotifierWatch::Set(bool present)
{
    if (present == present_)
        return;
    present_ = present;
    emit Changed();
}
