#include "player/RemotePlaybackEngine.h"

#include "engine/protocol/EngineCodes.h"
#include "engine/protocol/EngineSocket.h"
#include "engine/protocol/SoundLog.h"
#include "engine/protocol/SoundFile.h"
#include "player/PlaylistFile.h"
#include "player/WaxPlaylist.h"

#include <QDeadlineTimer>

#include <atomic>

using EngineProtocol::Kind;
using EngineProtocol::Message;

namespace {

Message Request(Kind kind)
{
    Message m;
    m.kind = kind;
    return m;
}

QString Quoted(const QString &name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

std::atomic<int> renderDeadlineOverride{0};
std::atomic<int> answerDeadlineOverride{0};

} // namespace

void RemotePlaybackEngine::SetDeadlines(int renderMs, int answerMs)
{
    renderDeadlineOverride = renderMs;
    answerDeadlineOverride = answerMs;
}

RemotePlaybackEngine::RemotePlaybackEngine(QString executable)
    : renderDeadlineMs_(renderDeadlineOverride ? renderDeadlineOverride.load() : kRenderDeadlineMs),
      answerDeadlineMs_(answerDeadlineOverride ? answerDeadlineOverride.load() : kAnswerDeadlineMs),
      executable_(std::move(executable))
{
}

RemotePlaybackEngine::~RemotePlaybackEngine()
{
    process_.SetOnEnded(nullptr);
    process_.Close();
}

bool RemotePlaybackEngine::Start(QString &error)
{
    if (!process_.Start(executable_, error))
        return false;
    ready_ = false;
    process_.SetOnEnded(wakeup_);
    return true;
}

bool RemotePlaybackEngine::StartProcess()
{
    QString error;
    if (!Start(error)) {
        failure_.Set(EngineCode::EngineUnavailable, QStringLiteral("The sound engine cannot be started: ") + error);
        return false;
    }
    Message volume = Request(Kind::Volume);
    volume.code = volume_;
    Message reply;
    return Call(volume, reply, answerDeadlineMs_) == Outcome::Answered;
}

RemotePlaybackEngine::Outcome RemotePlaybackEngine::Drain()
{
    for (;;) {
        Message m;
        const EngineSocket::Received got = EngineSocket::Receive(process_.Socket(), m, 0, receiveBuffer_);
        if (got == EngineSocket::Received::Message && m.kind == Kind::Event) {
            events_.Push(Event{long(m.code), intptr_t(m.a), intptr_t(m.b)});
            continue;
        }
        if (got == EngineSocket::Received::Message && m.kind == Kind::Bye) {
            process_.Close();
            ready_ = false;
            return Outcome::Gone;
        }
        Lose(QStringLiteral("stopped"), EngineCode::PlaybackFailed);
        return Outcome::Lost;
    }
}

void RemotePlaybackEngine::SetWakeup(std::function<void()> wakeup)
{
    wakeup_ = std::move(wakeup);
    process_.SetOnEnded(wakeup_);
}

QString RemotePlaybackEngine::ErrorText(int32_t code) const
{
    return failure_.TextFor(code);
}

void RemotePlaybackEngine::Lose(const QString &what, int32_t code)
{
    process_.Kill();
    const QString text = QStringLiteral("The sound engine %1%2 (%3)")
                             .arg(what, file_.isEmpty() ? QString() : QStringLiteral(" with ") + Quoted(file_),
                                  process_.HowItEnded());
    qCInfo(lcSound).noquote() << text;
    if (state_.loaded)
        pendingFailure_ = code;
    failure_.Set(code, text);
    ready_ = false;
    state_ = EngineProtocol::State();
    file_.clear();
}

bool RemotePlaybackEngine::AwaitReady()
{
    const QDeadlineTimer deadline(kStartDeadlineMs);
    for (;;) {
        Message m;
        switch (EngineSocket::Receive(process_.Socket(), m, int(deadline.remainingTime()), receiveBuffer_)) {
        case EngineSocket::Received::Message:
            if (m.kind != Kind::Ready) {
                Lose(QStringLiteral("answered nonsense"), EngineCode::EngineUnavailable);
                return false;
            }
            if (Failed(m.code)) {
                process_.Kill();
                failure_.Set(EngineCode::EngineUnavailable, m.text);
                return false;
            }
            ready_ = true;
            return true;
        case EngineSocket::Received::Timeout:
            Lose(QStringLiteral("did not start in time"), EngineCode::EngineUnavailable);
            return false;
        case EngineSocket::Received::Closed:
            Lose(QStringLiteral("ended as it started"), EngineCode::EngineUnavailable);
            return false;
        case EngineSocket::Received::Garbage:
            Lose(QStringLiteral("answered nonsense"), EngineCode::EngineUnavailable);
            return false;
        }
    }
}

RemotePlaybackEngine::Outcome RemotePlaybackEngine::Call(Message request, Message &reply, int deadlineMs, int file)
{
    if (!process_.Running())
        return Outcome::Gone;
    if (process_.Ended())
        return Drain();
    if (!ready_ && !AwaitReady())
        return Outcome::Lost;
    const int32_t failing = EngineCode::PlaybackFailed;
    if (!EngineSocket::Send(process_.Socket(), request, answerDeadlineMs_, file)) {
        Lose(QStringLiteral("stopped"), EngineCode::PlaybackFailed);
        return Outcome::Lost;
    }
    const QDeadlineTimer deadline(deadlineMs);
    bool queued = false;
    Outcome outcome = Outcome::Lost;
    for (bool waiting = true; waiting;) {
        Message m;
        switch (EngineSocket::Receive(process_.Socket(), m, int(deadline.remainingTime()), receiveBuffer_)) {
        case EngineSocket::Received::Message:
            if (m.kind == Kind::Event) {
                events_.Push(Event{long(m.code), intptr_t(m.a), intptr_t(m.b)});
                queued = true;
            } else if (m.kind == Kind::Reply) {
                reply = m;
                state_ = m.state;
                outcome = Outcome::Answered;
                waiting = false;
            } else if (m.kind == Kind::Bye) {
                // Idle long enough, it ended just as we asked.
                process_.Close();
                ready_ = false;
                outcome = Outcome::Gone;
                waiting = false;
            } else {
                Lose(QStringLiteral("answered nonsense"), failing);
                waiting = false;
            }
            break;
        case EngineSocket::Received::Timeout:
            if (request.kind == Kind::Render)
                Lose(QStringLiteral("did not open the sound in time"), EngineCode::OpenTimeout);
            else
                Lose(QStringLiteral("stopped answering"), failing);
            waiting = false;
            break;
        case EngineSocket::Received::Closed:
            Lose(QStringLiteral("stopped"), failing);
            waiting = false;
            break;
        case EngineSocket::Received::Garbage:
            Lose(QStringLiteral("answered nonsense"), failing);
            waiting = false;
            break;
        }
    }
    if (queued && wakeup_)
        wakeup_();
    return outcome;
}

RemotePlaybackEngine::Outcome RemotePlaybackEngine::CallStarting(const Message &request, Message &reply,
                                                                 int deadlineMs, bool restore, int file)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!process_.Running()) {
            // Taken before the new process's first answer replaces it.
            const int64_t position = state_.position;
            if (!StartProcess())
                return Outcome::Lost;
            if (restore && !Restore(position))
                return Outcome::Lost;
        }
        const Outcome outcome = Call(request, reply, deadlineMs, file);
        if (outcome != Outcome::Gone)
            return outcome;
    }
    return Outcome::Lost;
}

bool RemotePlaybackEngine::Restore(int64_t position)
{
    if (file_.isEmpty())
        return true;
    FileDescriptor file;
    QString text;
    if (const int32_t opened = SoundFile::Open(file_, file, text); Failed(opened)) {
        failure_.Set(opened, text);
        file_.clear();
        return false;
    }
    Message reply;
    Message render = Request(Kind::Render);
    render.text = file_;
    if (Call(render, reply, renderDeadlineMs_, file.Get()) != Outcome::Answered)
        return false;
    if (Failed(reply.code)) {
        failure_.Set(reply.code, reply.text);
        file_.clear();
        return false;
    }
    Message seek = Request(Kind::Seek);
    seek.a = position;
    return Call(seek, reply, answerDeadlineMs_) == Outcome::Answered;
}

int32_t RemotePlaybackEngine::LostCode() const
{
    return Failed(failure_.Code()) ? failure_.Code() : EngineCode::PlaybackFailed;
}

int32_t RemotePlaybackEngine::Answer(const Message &reply)
{
    if (Failed(reply.code))
        return failure_.Set(reply.code, reply.text);
    return reply.code;
}

int32_t RemotePlaybackEngine::RenderFile(const QString &fileName)
{
    // A render replaces whatever was held, in this process or a lost one.
    state_ = EngineProtocol::State();
    pendingFailure_ = 0;
    file_.clear();
    // A playlist is read here, and the sound opened: the engine's process is
    // given the open file and reads nothing by its name.
    QString target = fileName;
    QString text;
    if (const int32_t followed = PlaylistFile::Follow(target, text); Failed(followed))
        return failure_.Set(followed, text);
    // The engine's process may not reach the network: a web address fails
    // its sound, as any sound that cannot be played.
    if (WaxPlaylist::IsRemoteUri(target)) {
        const QString named = target == fileName ? QString() : QStringLiteral(" (named by %1)").arg(Quoted(fileName));
        return failure_.Set(EngineCode::CannotOpen,
                            QStringLiteral("Only sound files are played, not web addresses: ") + Quoted(target) + named);
    }
    FileDescriptor file;
    if (const int32_t opened = SoundFile::Open(target, file, text); Failed(opened))
        return failure_.Set(opened, text);
    return RenderOpenFile(std::move(file), target);
}

int32_t RemotePlaybackEngine::RenderOpenFile(FileDescriptor file, const QString &name)
{
    state_ = EngineProtocol::State();
    pendingFailure_ = 0;
    file_ = name; // named in the texts of a failure while opening, and opened again in a new process
    Message request = Request(Kind::Render);
    request.text = name;
    Message reply;
    if (CallStarting(request, reply, renderDeadlineMs_, false, file.Get()) != Outcome::Answered) {
        file_.clear();
        return LostCode();
    }
    if (Failed(reply.code))
        file_.clear();
    return Answer(reply);
}

int32_t RemotePlaybackEngine::Clear()
{
    file_.clear();
    pendingFailure_ = 0;
    if (!process_.Running()) {
        state_ = EngineProtocol::State();
        return S_OK;
    }
    Message reply;
    if (Call(Request(Kind::Clear), reply, answerDeadlineMs_) != Outcome::Answered) {
        state_ = EngineProtocol::State();
        pendingFailure_ = 0; // the sound was being let go anyway
        return S_OK; // nothing is held any more, which is what was asked
    }
    return Answer(reply);
}

int32_t RemotePlaybackEngine::Run()
{
    if (!state_.loaded)
        return S_OK;
    Message reply;
    if (CallStarting(Request(Kind::Run), reply, answerDeadlineMs_, true) != Outcome::Answered) {
        pendingFailure_ = 0; // reported by this call
        return LostCode();
    }
    return Answer(reply);
}

int32_t RemotePlaybackEngine::Stop()
{
    if (!process_.Running() || !state_.loaded)
        return S_OK; // an engine that ended by itself was not playing
    Message reply;
    if (Call(Request(Kind::Stop), reply, answerDeadlineMs_) != Outcome::Answered)
        return S_OK; // silent now, and the lost sound is reported by TakeFailure
    return Answer(reply);
}

bool RemotePlaybackEngine::GetDuration(int64_t &duration)
{
    if (!state_.loaded || !state_.durationKnown)
        return false;
    duration = state_.duration;
    return true;
}

bool RemotePlaybackEngine::GetCurrentPosition(int64_t &position) const
{
    if (!state_.loaded || !state_.positionKnown)
        return false;
    position = state_.position;
    return true;
}

bool RemotePlaybackEngine::GetStopPosition(int64_t &stop)
{
    if (!state_.loaded || !state_.stopKnown)
        return false;
    stop = state_.stop;
    return true;
}

int32_t RemotePlaybackEngine::SetPositions(int64_t current, int64_t stop, bool positionStop)
{
    if (!state_.loaded)
        return failure_.Set(EngineCode::NothingLoaded, EngineCodeText(EngineCode::NothingLoaded));
    Message request = Request(Kind::Seek);
    request.a = current;
    request.b = stop;
    request.flag = positionStop;
    Message reply;
    if (CallStarting(request, reply, answerDeadlineMs_, true) != Outcome::Answered)
        return LostCode();
    return Answer(reply);
}

void RemotePlaybackEngine::SetVolume(int hundredthsOfDecibel)
{
    volume_ = hundredthsOfDecibel;
    if (!process_.Running())
        return; // sent to the next process as it starts
    Message request = Request(Kind::Volume);
    request.code = hundredthsOfDecibel;
    Message reply;
    Call(request, reply, answerDeadlineMs_);
}

bool RemotePlaybackEngine::GetEvent(Event &event)
{
    return events_.Take(event);
}

void RemotePlaybackEngine::Dispatch()
{
    // Woken because the process ended: take what it said last (a Bye, or
    // nothing at all) and settle what that means for the sound.
    if (process_.Running() && process_.Ended())
        Drain();
}

void RemotePlaybackEngine::Refresh()
{
    if (!process_.Running() || !state_.loaded)
        return;
    Message reply;
    Call(Request(Kind::Sample), reply, answerDeadlineMs_);
}

int32_t RemotePlaybackEngine::TakeFailure()
{
    return std::exchange(pendingFailure_, 0);
}
