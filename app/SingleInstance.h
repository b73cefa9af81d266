#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One copy of the program per user. The first copy listens on a local socket in
// the abstract namespace (nothing on disk, gone with the process); a later copy
// finds it there, asks it to raise its clock, and ends before making any window.
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
    bool AskRunningCopy();
    void OnNewConnection();

    QString name_;
    QLocalServer *server_ = nullptr;
};
