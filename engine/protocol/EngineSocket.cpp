#include "engine/protocol/EngineSocket.h"

#include <cerrno>

#include <poll.h>
#include <sys/socket.h>

namespace EngineSocket {

namespace {

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

} // namespace

bool Send(int fd, const EngineProtocol::Message &message, int timeoutMs)
{
    const QByteArray bytes = EngineProtocol::Encode(message);
    for (;;) {
        const ssize_t n = ::send(fd, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n == bytes.size())
            return true;
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && WaitFor(fd, POLLOUT, timeoutMs))
            continue;
        return false;
    }
}

Received Receive(int fd, EngineProtocol::Message &message, int timeoutMs, QByteArray &buffer)
{
    if (!WaitFor(fd, POLLIN, timeoutMs))
        return Received::Timeout;
    // One byte more than a message may hold tells one that is too long.
    if (buffer.size() != EngineProtocol::kMaxMessageBytes + 1)
        buffer.resize(EngineProtocol::kMaxMessageBytes + 1);
    ssize_t n = -1;
    do
        n = ::recv(fd, buffer.data(), size_t(buffer.size()), MSG_DONTWAIT | MSG_TRUNC);
    while (n < 0 && errno == EINTR);
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
