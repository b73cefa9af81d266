#include "app/SingleInstance.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
const char kRaise[] = "raise\n";
constexpr int kAnswerTimeoutMs = 500;

// An address in the abstract namespace: a leading NUL, then the name.
socklen_t AbstractAddress(const QString &name, sockaddr_un &address)
{
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    const QByteArray bytes = name.toUtf8().left(sizeof address.sun_path - 1);
    std::memcpy(address.sun_path + 1, bytes.constData(), static_cast<size_t>(bytes.size()));
    return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + bytes.size());
}
} // namespace

SingleInstance::SingleInstance(QString name, QObject *parent) : QObject(parent), name_(std::move(name)) {}

SingleInstance::~SingleInstance()
{
    if (listener_ >= 0)
        ::close(listener_);
}

QString SingleInstance::DefaultName()
{
    return QStringLiteral("Tocsimo-%1").arg(getuid());
}

bool SingleInstance::AskRunningCopy() const
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    sockaddr_un address;
    const socklen_t length = AbstractAddress(name_, address);
    bool answered = false;
    if (::connect(fd, reinterpret_cast<sockaddr *>(&address), length) == 0) {
        answered = ::send(fd, kRaise, sizeof kRaise - 1, MSG_NOSIGNAL) > 0;
        // Wait until the first copy has read the request and hung up, so it has
        // been told before this copy ends.
        pollfd p{fd, POLLIN, 0};
        ::poll(&p, 1, kAnswerTimeoutMs);
    }
    ::close(fd);
    return answered;
}

bool SingleInstance::Listen()
{
    listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (listener_ < 0)
        return false;
    sockaddr_un address;
    const socklen_t length = AbstractAddress(name_, address);
    if (::bind(listener_, reinterpret_cast<sockaddr *>(&address), length) != 0 || ::listen(listener_, 8) != 0) {
        ::close(listener_);
        listener_ = -1;
        return false;
    }
    notifier_ = new QSocketNotifier(listener_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SingleInstance::Accept);
    return true;
}

bool SingleInstance::Claim()
{
    if (AskRunningCopy())
        return false;
    if (Listen())
        return true;
    // Another copy started at the same moment and took the name first.
    if (AskRunningCopy())
        return false;
    // No socket to be had at all: run without the guard rather than not at all.
    return true;
}

void SingleInstance::Accept()
{
    for (;;) {
        const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            return; // EAGAIN: nothing more waiting
        // The request is a few bytes sent right after connecting; wait briefly for them.
        char buffer[16];
        pollfd p{fd, POLLIN, 0};
        ssize_t n = 0;
        if (::poll(&p, 1, kAnswerTimeoutMs) > 0)
            n = ::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
        ::close(fd);
        if (n >= 5 && std::memcmp(buffer, "raise", 5) == 0)
            emit RaiseRequested();
    }
}
