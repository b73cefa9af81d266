#include "engine/EngineServer.h"

#include "engine/protocol/EngineCodes.h"
#include "engine/protocol/EngineSocket.h"

#include <QDeadlineTimer>

#include <cerrno>

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

using EngineProtocol::Kind;
using EngineProtocol::Message;

namespace {
// The program waits for every answer; one that cannot be sent in this time
// means the program is not reading any more.
constexpr int kSendDeadlineMs = 5000;
} // namespace

EngineServer::EngineServer(int socket, PlaybackEngine *engine, const QString &startError)
    : socket_(socket), engine_(engine), startError_(startError)
{
    wake_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (engine_ && wake_ >= 0) {
        const int fd = wake_;
        engine_->SetWakeup([fd] {
            const uint64_t one = 1;
            [[maybe_unused]] const ssize_t n = ::write(fd, &one, sizeof one);
        });
    }
}

EngineServer::~EngineServer()
{
    if (engine_)
        engine_->SetWakeup(nullptr);
    if (wake_ >= 0)
        ::close(wake_);
}

int EngineServer::Run(int idleExitMs)
{
    Message ready;
    ready.kind = Kind::Ready;
    if (!engine_ || wake_ < 0) {
        ready.code = EngineCode::EngineUnavailable;
        ready.text = startError_.isEmpty() ? EngineCodeText(EngineCode::EngineUnavailable) : startError_;
        EngineSocket::Send(socket_, ready, kSendDeadlineMs);
        return 1;
    }
    if (!EngineSocket::Send(socket_, ready, kSendDeadlineMs))
        return 1;
    QDeadlineTimer idle(idleExitMs);
    for (;;) {
        pollfd fds[2] = {{socket_, POLLIN, 0}, {wake_, POLLIN, 0}};
        const int timeout = playing_ ? -1 : int(idle.remainingTime());
        const int n = ::poll(fds, 2, timeout);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return 1;
        if (n == 0) {
            Message bye;
            bye.kind = Kind::Bye;
            EngineSocket::Send(socket_, bye, kSendDeadlineMs);
            return 0;
        }
        if (fds[1].revents & POLLIN) {
            uint64_t count = 0;
            [[maybe_unused]] const ssize_t r = ::read(wake_, &count, sizeof count);
            engine_->Dispatch();
            if (!SendEvents())
                return 0;
            if (!playing_)
                idle.setRemainingTime(idleExitMs); // the sound just ended
        }
        if (fds[0].revents & (POLLIN | POLLHUP | POLLERR)) {
            Message request;
            FileDescriptor file;
            switch (EngineSocket::Receive(socket_, request, 0, receiveBuffer_, &file)) {
            case EngineSocket::Received::Message:
                break;
            case EngineSocket::Received::Timeout:
                continue;
            case EngineSocket::Received::Closed:
                return 0; // the program closed us or is gone
            case EngineSocket::Received::Garbage:
                return 2;
            }
            const Message reply = Handle(request, std::move(file));
            if (!SendEvents() || !EngineSocket::Send(socket_, reply, kSendDeadlineMs))
                return 0;
            idle.setRemainingTime(idleExitMs);
        }
    }
}

bool EngineServer::SendEvents()
{
    PlaybackEngine::Event event;
    while (engine_->GetEvent(event)) {
        if (event.code == EngineEventCode::Complete || event.code == EngineEventCode::ErrorAbort)
            playing_ = false;
        Message m;
        m.kind = Kind::Event;
        m.code = int32_t(event.code);
        m.a = event.param1;
        m.b = event.param2;
        if (!EngineSocket::Send(socket_, m, kSendDeadlineMs))
            return false;
    }
    return true;
}

Message EngineServer::Handle(const Message &request, FileDescriptor file)
{
    Message reply;
    reply.kind = Kind::Reply;
    switch (request.kind) {
    case Kind::Render:
        playing_ = false;
        reply.code = engine_->RenderOpenFile(std::move(file), request.text);
        break;
    case Kind::Clear:
        playing_ = false;
        reply.code = engine_->Clear();
        break;
    case Kind::Run:
        reply.code = engine_->Run();
        playing_ = !Failed(reply.code) && engine_->HasSound();
        break;
    case Kind::Stop:
        playing_ = false;
        reply.code = engine_->Stop();
        break;
    case Kind::Seek:
        reply.code = engine_->SetPositions(request.a, request.b, request.flag);
        break;
    case Kind::Volume:
        engine_->SetVolume(request.code);
        break;
    case Kind::Sample:
        break;
    default:
        reply.code = EngineCode::PlaybackFailed;
        break;
    }
    if (Failed(reply.code))
        reply.text = engine_->ErrorText(reply.code);
    EngineProtocol::State &s = reply.state;
    s.loaded = engine_->HasSound();
    if (s.loaded) {
        s.durationKnown = engine_->GetDuration(s.duration);
        s.positionKnown = engine_->GetCurrentPosition(s.position);
        s.stopKnown = engine_->GetStopPosition(s.stop);
    }
    s.gain = engine_->OutputGain();
    return reply;
}
