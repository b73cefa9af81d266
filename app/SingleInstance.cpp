#include "app/SingleInstance.h"

#include "app/StoreLog.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTimer>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
const char kRaise[] = "raise\n";
constexpr int kRequestBytes = 16;      // more than a request ever holds
constexpr int kAcceptsPerWakeUp = 16;  // then the event loop gets its turn
constexpr int kBacklog = 64;           // queued in the kernel, costing the program nothing

bool IsPrivateFolder(const QString &path)
{
    struct stat st {};
    return !path.isEmpty() && QDir::isAbsolutePath(path) && ::lstat(QFile::encodeName(path).constData(), &st) == 0 &&
           S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 077) == 0;
}

bool MakeAddress(const QString &path, sockaddr_un &address)
{
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    const QByteArray bytes = QFile::encodeName(path);
    if (bytes.size() >= static_cast<qsizetype>(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, bytes.constData(), static_cast<size_t>(bytes.size()));
    return true;
}

qint64 NowMs()
{
    return QDeadlineTimer::current().deadline();
}
} // namespace

SingleInstance::SingleInstance(QString folder, QObject *parent) : QObject(parent), folder_(std::move(folder)) {}

SingleInstance::~SingleInstance()
{
    while (!peers_.isEmpty())
        Drop(0);
    if (listener_ >= 0) {
        ::close(listener_);
        ::unlink(QFile::encodeName(SocketPath()).constData());
    }
    if (lock_ >= 0)
        ::close(lock_);
}

QString SingleInstance::DefaultFolder()
{
    for (const QString &runtime : {qEnvironmentVariable("XDG_RUNTIME_DIR"),
                                   QStringLiteral("/run/user/%1").arg(::geteuid())})
        if (IsPrivateFolder(runtime))
            return runtime;
    // No runtime folder (a bare session): a folder of our own in the cache,
    // per machine, since a home folder may be shared by several.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty())
        return {};
    const QString own = cache + QStringLiteral("/tocsimo-") + QSysInfo::machineHostName();
    QDir().mkpath(cache);
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    return IsPrivateFolder(own) ? own : QString();
}

QString SingleInstance::SocketPath() const
{
    return folder_ + QStringLiteral("/tocsimo.socket");
}

bool SingleInstance::Claim()
{
    if (!IsPrivateFolder(folder_))
        return true;
    // The lock decides who is the one copy; it is released with its process.
    const QByteArray lockPath = QFile::encodeName(folder_ + QStringLiteral("/tocsimo.lock"));
    lock_ = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (lock_ < 0)
        return true;
    if (::flock(lock_, LOCK_EX | LOCK_NB) != 0) {
        ::close(lock_);
        lock_ = -1;
        // A copy that has not begun listening yet is starting up and shows its
        // clock anyway: this copy ends either way.
        AskRunningCopy();
        return false;
    }
    // Without a listener this copy is still the one copy: later copies end
    // at the lock, but cannot raise its clock.
    if (!Listen())
        qCWarning(lcStore).noquote() << "Later starts cannot reach this copy: no socket at" << SocketPath();
    return true;
}

bool SingleInstance::AskRunningCopy() const
{
    sockaddr_un address;
    if (!MakeAddress(SocketPath(), address))
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    bool told = false;
    if (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 &&
        ::send(fd, kRaise, sizeof kRaise - 1, MSG_NOSIGNAL | MSG_DONTWAIT) == sizeof kRaise - 1) {
        told = true;
        // Wait, briefly, for the first copy to read the request and hang up.
        pollfd p{fd, POLLIN, 0};
        ::poll(&p, 1, AskTimeoutMs);
    }
    ::close(fd);
    return told;
}

bool SingleInstance::Listen()
{
    sockaddr_un address;
    if (!MakeAddress(SocketPath(), address))
        return false;
    // Holding the lock, this copy owns the name: a socket file there is a
    // crashed copy's leftover.
    ::unlink(address.sun_path);
    listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (listener_ < 0)
        return false;
    if (::bind(listener_, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 ||
        ::listen(listener_, kBacklog) != 0) {
        ::close(listener_);
        listener_ = -1;
        return false;
    }
    ::chmod(address.sun_path, 0600);
    notifier_ = new QSocketNotifier(listener_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SingleInstance::Accept);
    expiry_ = new QTimer(this);
    expiry_->setInterval(RequestTimeoutMs / 4);
    connect(expiry_, &QTimer::timeout, this, &SingleInstance::DropExpired);
    return true;
}

void SingleInstance::Accept()
{
    for (int i = 0; i < kAcceptsPerWakeUp; ++i) {
        const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0)
            return; // EAGAIN: nothing more waiting
        ucred peer{};
        socklen_t length = sizeof peer;
        if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &length) != 0 || peer.uid != ::geteuid()) {
            ::close(fd);
            continue;
        }
        if (peers_.size() >= MaxPending)
            Drop(0); // the oldest: a well-behaved copy is done within microseconds
        auto *notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this, fd] { Read(fd); });
        peers_.append(Peer{fd, notifier, NowMs() + RequestTimeoutMs, {}});
        expiry_->start();
        Read(fd); // the request is usually there already
    }
}

void SingleInstance::Read(int fd)
{
    qsizetype index = 0;
    while (index < peers_.size() && peers_[index].fd != fd)
        ++index;
    if (index == peers_.size())
        return;
    Peer &peer = peers_[index];
    char buffer[kRequestBytes];
    const ssize_t n = ::recv(fd, buffer, sizeof buffer - peer.received.size(), MSG_DONTWAIT);
    if (n < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    if (n > 0)
        peer.received.append(buffer, n);
    const bool raise = peer.received.startsWith(QByteArrayView(kRaise, 5));
    if (raise || n <= 0 || peer.received.size() >= kRequestBytes ||
        !QByteArrayView(kRaise).startsWith(peer.received)) {
        Drop(index);
        if (raise)
            emit RaiseRequested();
    }
}

void SingleInstance::Drop(qsizetype index)
{
    const Peer peer = peers_.takeAt(index);
    // Possibly inside its own signal: switched off now, deleted later.
    peer.notifier->setEnabled(false);
    peer.notifier->deleteLater();
    ::close(peer.fd);
    if (peers_.isEmpty() && expiry_)
        expiry_->stop();
}

void SingleInstance::DropExpired()
{
    const qint64 now = NowMs();
    for (qsizetype i = peers_.size() - 1; i >= 0; --i)
        if (peers_[i].deadline <= now)
            Drop(i);
}
