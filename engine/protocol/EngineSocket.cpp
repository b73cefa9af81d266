#include "engine/protocol/EngineSocket.h"

#include <cerrno>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>

namespace EngineSocket {

namespace {

constexpr size_t kMaxFiles = 4;

bool WaitFor(int fd, short events, int timeoutMs)
{
    pollfd p{fd, events, 0};
    for (;;) {
        const int n = ::poll(&p, 1, timeoutMs);
        if (n < 0 && errno == EINTR)
            continue; // a rare signal; the deadline restarts, which only lengthens it
        return n > 0;
    }
}

// Keeps the first file that came with a message in file (if asked for),
// closes any other.
void TakeFiles(msghdr &header, FileDescriptor *file)
{
    for (cmsghdr *c = CMSG_FIRSTHDR(&header); c; c = CMSG_NXTHDR(&header, c)) {
        if (c->cmsg_level != SOL_SOCKET || c->cmsg_type != SCM_RIGHTS)
            continue;
        const size_t count = (c->cmsg_len - CMSG_LEN(0)) / sizeof(int);
        for (size_t i = 0; i < count; ++i) {
            int received = -1;
            std::memcpy(&received, CMSG_DATA(c) + i * sizeof(int), sizeof(int));
            FileDescriptor taken(received);
            if (file && !file->IsValid())
                *file = std::move(taken);
        }
    }
}

} // namespace

bool Send(int fd, const EngineProtocol::Message &message, int timeoutMs, int file)
{
    const QByteArray bytes = EngineProtocol::Encode(message);
    iovec data{const_cast<char *>(bytes.constData()), size_t(bytes.size())};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))] = {};
    msghdr header{};
    header.msg_iov = &data;
    header.msg_iovlen = 1;
    if (file >= 0) {
        header.msg_control = control;
        header.msg_controllen = sizeof control;
        cmsghdr *rights = CMSG_FIRSTHDR(&header);
        rights->cmsg_level = SOL_SOCKET;
        rights->cmsg_type = SCM_RIGHTS;
        rights->cmsg_len = CMSG_LEN(sizeof(int));
        std::memcpy(CMSG_DATA(rights), &file, sizeof(int));
    }
    for (;;) {
        const ssize_t n = ::sendmsg(fd, &header, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n == bytes.size())
            return true;
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && WaitFor(fd, POLLOUT, timeoutMs))
            continue;
        return false;
    }
}

Received Receive(int fd, EngineProtocol::Message &message, int timeoutMs, QByteArray &buffer, FileDescriptor *file)
{
    if (!WaitFor(fd, POLLIN, timeoutMs))
        return Received::Timeout;
    // One byte more than a message may hold tells one that is too long.
    if (buffer.size() != EngineProtocol::kMaxMessageBytes + 1)
        buffer.resize(EngineProtocol::kMaxMessageBytes + 1);
    iovec data{buffer.data(), size_t(buffer.size())};
    // Room for a few files: whatever a confused sender adds is taken and closed.
    alignas(cmsghdr) char control[CMSG_SPACE(kMaxFiles * sizeof(int))];
    msghdr header{};
    header.msg_iov = &data;
    header.msg_iovlen = 1;
    header.msg_control = control;
    header.msg_controllen = sizeof control;
    ssize_t n = -1;
    do
        n = ::recvmsg(fd, &header, MSG_DONTWAIT | MSG_TRUNC | MSG_CMSG_CLOEXEC);
    while (n < 0 && errno == EINTR);
    if (n >= 0)
        TakeFiles(header, file);
    if (n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK))
        return Received::Closed;
    if (n < 0)
        return Received::Timeout; // woken for nothing
    if (n > EngineProtocol::kMaxMessageBytes)
        return Received::Garbage;
    const QByteArray bytes = QByteArray::fromRawData(buffer.constData(), n);
    return EngineProtocol::Decode(bytes, message) ? Received::Message : Received::Garbage;
}

} // namespace EngineSocket
