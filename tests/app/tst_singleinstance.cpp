#include "app/SingleInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
sockaddr_un Address(const QString &path)
{
    sockaddr_un a{};
    a.sun_family = AF_UNIX;
    const QByteArray bytes = QFile::encodeName(path);
    std::memcpy(a.sun_path, bytes.constData(), static_cast<size_t>(bytes.size()));
    return a;
}

// A connected client socket, or -1; EAGAIN when the backlog is full.
int Connect(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    const sockaddr_un a = Address(path);
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&a), sizeof a) == 0)
        return fd;
    const int error = errno;
    ::close(fd);
    errno = error;
    return -1;
}

// Whether the other end still holds the connection.
bool PeerHolds(int fd)
{
    pollfd p{fd, POLLIN | POLLRDHUP, 0};
    return ::poll(&p, 1, 0) == 0;
}

// Runs child() in a forked process, keeping this one's event loop going, and
// gives its exit status. The child may use system calls only.
template <class F>
int RunForked(F child)
{
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(child());
    int status = 0;
    if (!QTest::qWaitFor([&] { return ::waitpid(pid, &status, WNOHANG) == pid; }, 10000))
        return -2;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool BecomeNobody()
{
    const gid_t nobody = 65534;
    return ::setgroups(1, &nobody) == 0 && ::setresgid(nobody, nobody, nobody) == 0 &&
           ::setresuid(65534, 65534, 65534) == 0;
}
} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT

    QTemporaryDir dir_; // made private to the user, as a runtime folder is

private slots:
    void secondCopyAsksTheFirstToRaiseAndEnds()
    {
        SingleInstance first(dir_.path());
        QVERIFY(first.Claim());
        QSignalSpy raised(&first, &SingleInstance::RaiseRequested);
        for (int copy = 1; copy <= 2; ++copy) {
            SingleInstance second(dir_.path());
            QVERIFY(!second.Claim());
            QTRY_COMPARE_WITH_TIMEOUT(raised.count(), copy, 10000);
        }
    }

    // A folder whose path is too long for a socket's address: the copy runs
    // all the same, the one copy, and says why no later copy can reach it.
    void copyThatCannotListenRunsAndSaysSo()
    {
        const QString folder = dir_.filePath(QString(120, QLatin1Char('f')));
        QVERIFY(QDir().mkdir(folder) && QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QLoggingCategory::setFilterRules(QStringLiteral("tocsimo.store.warning=true"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot reach this copy")));
        SingleInstance first(folder);
        QVERIFY(first.Claim());
        QLoggingCategory::setFilterRules(QString());
        QVERIFY(!SingleInstance(folder).Claim());
    }

    // A copy killed while it ran leaves its lock file and its socket file:
    // neither keeps the next copy from starting and guarding.
    void crashedCopyNeverBlocksAStart()
    {
        const QString folder = dir_.path();
        const QString socketPath = SingleInstance(folder).SocketPath();
        QCOMPARE(RunForked([&] {
                     const int lock = ::open(QFile::encodeName(folder + "/tocsimo.lock").constData(),
                                             O_RDWR | O_CREAT, 0600);
                     const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
                     const sockaddr_un a = Address(socketPath);
                     if (::flock(lock, LOCK_EX) != 0 || ::bind(s, reinterpret_cast<const sockaddr *>(&a), sizeof a) != 0 ||
                         ::listen(s, 1) != 0)
                         return 1;
                     return 0; // ends holding both, as a crash would
                 }),
                 0);
        QVERIFY(QFile::exists(socketPath));

        SingleInstance next(folder);
        QVERIFY(next.Claim());
        QSignalSpy raised(&next, &SingleInstance::RaiseRequested);
        QVERIFY(!SingleInstance(folder).Claim());
        QTRY_COMPARE_WITH_TIMEOUT(raised.count(), 1, 10000);
    }

    // Connections that send nothing, or too much, neither delay a real
    // request nor pile up: at most MaxPending are held, each for a moment.
    void peersThatSendNothingCannotHoldTheFirstCopy()
    {
        SingleInstance first(dir_.path());
        QVERIFY(first.Claim());
        QSignalSpy raised(&first, &SingleInstance::RaiseRequested);

        // Queued all at once, so the request below waits behind every one of them.
        QList<int> silent;
        while (silent.size() < 40) {
            const int fd = Connect(first.SocketPath());
            QVERIFY2(fd >= 0, std::strerror(errno));
            silent << fd;
        }
        const int chatty = Connect(first.SocketPath());
        QVERIFY(chatty >= 0);
        const QByteArray junk(4096, 'x');
        QCOMPARE(::send(chatty, junk.constData(), junk.size(), MSG_NOSIGNAL), junk.size());
        silent << chatty;

        // A real request still gets through, and the event loop never stalls
        // on the way: the old accept loop waited half a second on each silent
        // peer, 20 s for these. (The bound is a hang check, not a speed target.)
        QElapsedTimer sinceTick;
        qint64 longestStall = 0;
        QTimer ticker;
        ticker.setInterval(5);
        connect(&ticker, &QTimer::timeout, [&] { longestStall = qMax(longestStall, sinceTick.restart()); });
        sinceTick.start();
        ticker.start();
        QVERIFY(!SingleInstance(dir_.path()).Claim());
        QTRY_COMPARE_WITH_TIMEOUT(raised.count(), 1, 10000);
        QVERIFY2(longestStall < 3000, qPrintable(QStringLiteral("stalled for %1 ms").arg(longestStall)));
        // Every connection before the request has been taken by now.
        const auto held = [&] { return std::count_if(silent.begin(), silent.end(), PeerHolds); };
        QVERIFY2(held() <= SingleInstance::MaxPending, qPrintable(QString::number(held())));
        QTRY_COMPARE_WITH_TIMEOUT(held(), 0, 10000);
        for (int fd : silent)
            ::close(fd);
        QCOMPARE(raised.count(), 1);
    }

    // Another account can neither reach the first copy, nor claim the name
    // ahead of it, nor be heard should the folder be opened up.
    void otherUsersCannotReachTheFirstCopy()
    {
        if (::geteuid() != 0)
            QSKIP("becoming another user (nobody) needs root");
        SingleInstance first(dir_.path());
        QVERIFY(first.Claim());
        QSignalSpy raised(&first, &SingleInstance::RaiseRequested);
        const QString socketPath = first.SocketPath();
        const QByteArray squat = QFile::encodeName(dir_.path() + "/squat");

        QCOMPARE(RunForked([&] {
                     if (!BecomeNobody())
                         return 10;
                     const int fd = Connect(socketPath);
                     if (fd >= 0 || errno != EACCES)
                         return 11;
                     if (::open(squat.constData(), O_WRONLY | O_CREAT, 0666) >= 0 || errno != EACCES)
                         return 12;
                     return 0;
                 }),
                 0);

        // Opened up by mistake: the peer's user is checked before a byte is read.
        QVERIFY(::chmod(QFile::encodeName(dir_.path()).constData(), 0755) == 0);
        QVERIFY(::chmod(QFile::encodeName(socketPath).constData(), 0666) == 0);
        const int status = RunForked([&] {
            if (!BecomeNobody())
                return 10;
            const int fd = Connect(socketPath);
            if (fd < 0 || ::send(fd, "raise\n", 6, MSG_NOSIGNAL) != 6)
                return 11;
            pollfd p{fd, POLLIN | POLLRDHUP, 0};
            char c;
            return ::poll(&p, 1, 5000) == 1 && ::recv(fd, &c, 1, 0) <= 0 ? 0 : 12; // hung up on, unread
        });
        QVERIFY(::chmod(QFile::encodeName(dir_.path()).constData(), 0700) == 0);
        QCOMPARE(status, 0);
        // Hung up on: the first copy decided, and would have asked to raise, before that.
        QCOMPARE(raised.count(), 0);
    }

    void defaultFolderIsPrivateToTheUser()
    {
        const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
        QTemporaryDir open;
        QVERIFY(QFile::setPermissions(open.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                       QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                       QFileDevice::ExeOther));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(open.path()));
        const QString fallback = SingleInstance::DefaultFolder();
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir_.path()));
        const QString runtime = SingleInstance::DefaultFolder();
        qputenv("XDG_RUNTIME_DIR", saved);

        QCOMPARE(runtime, dir_.path());
        QVERIFY(!fallback.isEmpty());
        QVERIFY(fallback != open.path());
        struct stat st {};
        QVERIFY(::lstat(QFile::encodeName(fallback).constData(), &st) == 0);
        QCOMPARE(st.st_uid, ::geteuid());
        QCOMPARE(st.st_mode & 077, 0u);
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
