#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QSocketNotifier;
class QTimer;

// One copy of the program per user. The copy that holds a lock on a file in
// the user's private runtime folder is the one copy; it listens on a Unix
// socket beside the lock. A later copy finds the lock taken, asks the first,
// through the socket, to raise its clock, and ends before making any window.
//
// Only the user's own processes can reach the folder, and the first copy
// checks each peer's user before it reads a byte. The lock goes with the
// process that held it, so a crashed copy never blocks the next start; its
// socket file is replaced. A starting copy waits a moment at most, and no
// peer can hold the first copy's user-interface thread: everything there is
// non-blocking, a peer that sends nothing is dropped after RequestTimeoutMs,
// and at most MaxPending peers are kept.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // folder: where the lock and the socket live; it must be private to the user.
    explicit SingleInstance(QString folder = DefaultFolder(), QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this process is now the one copy; false when another copy
    // runs (and was asked to raise its clock).
    bool Claim();

    // The user's runtime folder ($XDG_RUNTIME_DIR, else /run/user/<uid>),
    // or else a folder of the program's own in the user's cache folder;
    // only a folder the user owns and no one else may enter. Empty when there
    // is none, and then the program runs unguarded rather than not at all.
    static QString DefaultFolder();
    QString SocketPath() const;

    static constexpr int MaxPending = 8;
    static constexpr int RequestTimeoutMs = 1000;
    static constexpr int AskTimeoutMs = 250;

signals:
    // Another copy was started.
    void RaiseRequested();

private:
    struct Peer {
        int fd;
        QSocketNotifier *notifier;
        qint64 deadline; // ms since the epoch of QDeadlineTimer's clock
        QByteArray received;
    };

    bool AskRunningCopy() const;
    bool Listen();
    void Accept();
    void Read(int fd);
    void Drop(qsizetype index);
    void DropExpired();

    QString folder_;
    int lock_ = -1;
    int listener_ = -1;
    QSocketNotifier *notifier_ = nullptr;
    QTimer *expiry_ = nullptr;
    QList<Peer> peers_;
};
