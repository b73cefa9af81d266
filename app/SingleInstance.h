#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;

// One copy of the program per user. The first copy listens on a Unix socket in
// the abstract namespace (nothing on disk, gone with the process); a later copy
// finds it there, asks it to raise its clock, and ends before making any window.
// Plain sockets rather than Qt's network module, which the program would load
// at every start for this alone.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QString name = DefaultName(), QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this process is now the one copy; false when another copy
    // answered (and was asked to raise its clock).
    bool Claim();

    static QString DefaultName();

signals:
    // Another copy was started.
    void RaiseRequested();

private:
    bool AskRunningCopy() const;
    bool Listen();
    void Accept();

    QString name_;
    int listener_ = -1;
    QSocketNotifier *notifier_ = nullptr;
};
