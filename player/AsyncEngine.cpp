#include "player/AsyncEngine.h"

#include "engine/protocol/EngineCodes.h"
#include "engine/protocol/SoundLog.h"
#include "player/EDirectShowException.h"
#include "player/PlayerRuntime.h"

#include <QDeadlineTimer>
#include <QMetaObject>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <utility>

namespace {

enum CommandCode { kRender, kClear, kRun, kStop, kSeek, kVolume };

struct Command {
    uint64_t serial = 0;
    uint64_t epoch = 0;
    int code = kRender;
    QString path;
    int64_t a = 0;
    int64_t b = 0;
    bool flag = false;
};

// While a sound plays the engine's position is sampled this often; between
// samples it is carried forward by the time since, for at most
// kMaxCarryMs (a sample that old means the engine's thread is busy).
constexpr auto kSampleInterval = std::chrono::milliseconds(25);
constexpr qint64 kMaxCarryMs = 60;
constexpr int64_t kUnitsPerMs = 10000;

qint64 MonotonicMs()
{
    return QDeadlineTimer::current().deadline();
}

} // namespace

struct AsyncEngine::Report {
    uint64_t serial = 0; // the last command carried out
    uint64_t epoch = 0;  // of the sound the engine holds
    bool opened = false; // the engine exists
    bool loaded = false;
    bool running = false;
    bool advancing = false; // playing, and the position moved since the sample before
    bool durationKnown = false;
    bool positionKnown = false;
    bool stopKnown = false;
    int64_t duration = 0;
    int64_t position = 0;
    int64_t stop = 0;
    qint64 sampledAtMs = 0;
    double gain = 1.0;
};

// What the user-interface thread and the engine's thread share. The lock is
// held only to pass commands and reports, never during an engine call.
struct AsyncEngine::Worker {
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<Command> commands;
    bool quit = false;
    bool messages = false; // the engine asked to Dispatch
    bool inRender = false; // a render is being carried out now
    AsyncEngine *owner = nullptr; // cleared when the owner goes or gives up on this thread
    Report report;

    // Under the lock. Qt drops the call if the owner is destroyed before it runs.
    template <class F>
    void Post(F call)
    {
        if (owner)
            QMetaObject::invokeMethod(owner, std::move(call), Qt::QueuedConnection);
    }
};

// The engine's thread: opens the engine, then waits for work, carries it
// out and reports the engine's state, until told to quit.
struct AsyncEngine::Loop {
    std::shared_ptr<Worker> w;
    std::unique_ptr<PlaybackEngine> engine;
    bool running = false;
    int64_t lastPosition = -1;
    uint64_t engineEpoch = 0; // of the last render or clear carried out
    uint64_t failedEpoch = 0; // its failure was reported
    uint64_t done = 0;

    // call(owner) on the owner's thread.
    template <class F>
    void Post(F call)
    {
        std::lock_guard<std::mutex> lock(w->mutex);
        AsyncEngine *owner = w->owner;
        w->Post([owner, call] { call(owner); });
    }

    void Fail(uint64_t epoch, Operation operation, int32_t code)
    {
        const QString message = EDirectShowException::MessageFor(code, engine->ErrorText(code));
        qCInfo(lcSound).noquote() << "The sound stays silent:" << message;
        Post([epoch, operation, code, message](AsyncEngine *owner) { owner->OnFailed(epoch, operation, code, message); });
    }

    bool Open()
    {
        try {
            engine = OpenPlaybackEngine();
        } catch (const EDirectShowException &e) {
            qCInfo(lcSound).noquote() << "The sound engine cannot be opened:" << e.Message();
            std::lock_guard<std::mutex> lock(w->mutex);
            AsyncEngine *owner = w->owner;
            const uint64_t epoch = w->report.epoch;
            const int32_t code = e.Code();
            const QString message = e.Message();
            w->Post([owner, epoch, code, message] { owner->OnFailed(epoch, Operation::Open, code, message); });
            return false;
        }
        Worker *raw = w.get(); // outlives the engine, which is destroyed on this thread
        engine->SetWakeup([raw] {
            std::lock_guard<std::mutex> lock(raw->mutex);
            raw->messages = true;
            raw->wake.notify_one();
        });
        std::lock_guard<std::mutex> lock(w->mutex);
        engineEpoch = w->report.epoch;
        done = w->report.serial;
        w->report.opened = true;
        return true;
    }

    // Under the lock: waits for a command or a wake-up. False when told to quit.
    bool Wait(std::unique_lock<std::mutex> &lock, bool &dispatch, std::optional<Command> &command)
    {
        const auto ready = [&] { return w->quit || w->messages || !w->commands.empty(); };
        if (running)
            w->wake.wait_for(lock, kSampleInterval, ready);
        else
            w->wake.wait(lock, ready);
        if (w->quit)
            return false;
        dispatch = std::exchange(w->messages, false);
        command.reset();
        if (!w->commands.empty()) {
            command.emplace(std::move(w->commands.front()));
            w->commands.pop_front();
            w->inRender = command->code == kRender;
        }
        return true;
    }

    void Dispatch()
    {
        engine->Dispatch();
        std::deque<PlaybackEngine::Event> events;
        PlaybackEngine::Event event;
        while (engine->GetEvent(event)) {
            events.push_back(event);
            if (event.code == EngineEventCode::Complete || event.code == EngineEventCode::ErrorAbort)
                running = false;
        }
        if (events.empty())
            return;
        const uint64_t epoch = engineEpoch;
        Post([epoch, events](AsyncEngine *owner) { owner->OnEvents(epoch, events); });
    }

    void Execute(const Command &c)
    {
        done = c.serial;
        if (c.code == kRender || c.code == kClear)
            engineEpoch = c.epoch;
        switch (c.code) {
        case kRender: {
            running = false;
            const int32_t code = engine->RenderFile(c.path);
            if (::Failed(code)) {
                failedEpoch = c.epoch;
                Fail(c.epoch, Operation::Render, code);
            } else {
                const uint64_t epoch = c.epoch;
                Post([epoch](AsyncEngine *owner) { owner->OnRendered(epoch); });
            }
            break;
        }
        case kClear: {
            running = false;
            const int32_t code = engine->Clear();
            if (::Failed(code))
                Fail(c.epoch, Operation::Clear, code);
            break;
        }
        case kRun: {
            const int32_t code = engine->Run();
            running = !::Failed(code) && engine->HasSound();
            if (::Failed(code)) {
                failedEpoch = c.epoch;
                Fail(c.epoch, Operation::Run, code);
            }
            break;
        }
        case kStop: {
            running = false;
            const int32_t code = engine->Stop();
            if (::Failed(code))
                Fail(c.epoch, Operation::Stop, code);
            break;
        }
        case kSeek:
            engine->SetPositions(c.a, c.b, c.flag); // its result is not used
            break;
        case kVolume:
            engine->SetVolume(static_cast<int>(c.a));
            break;
        }
    }

    Report Sample()
    {
        engine->Refresh();
        // The engine lost its sound on its own (its process died): the sound
        // has failed as if it had failed to start.
        if (const int32_t lost = engine->TakeFailure(); ::Failed(lost) && engineEpoch != failedEpoch) {
            running = false;
            failedEpoch = engineEpoch;
            Fail(engineEpoch, Operation::Run, lost);
        }
        Report report;
        report.opened = true;
        report.serial = done;
        report.epoch = engineEpoch;
        report.running = running;
        report.loaded = engine->HasSound();
        if (report.loaded) {
            report.durationKnown = engine->GetDuration(report.duration);
            report.positionKnown = engine->GetCurrentPosition(report.position);
            report.stopKnown = engine->GetStopPosition(report.stop);
        }
        const int64_t position = report.positionKnown ? report.position : -1;
        report.advancing = running && lastPosition >= 0 && position > lastPosition;
        lastPosition = position;
        report.sampledAtMs = MonotonicMs();
        report.gain = engine->OutputGain();
        return report;
    }
};

void AsyncEngine::RunWorker(std::shared_ptr<Worker> w)
{
    Loop loop;
    loop.w = std::move(w);
    if (!loop.Open())
        return;
    Worker &worker = *loop.w;
    bool dispatch = false;
    std::optional<Command> command;
    std::unique_lock<std::mutex> lock(worker.mutex);
    while (loop.Wait(lock, dispatch, command)) {
        lock.unlock();
        if (dispatch)
            loop.Dispatch();
        if (command)
            loop.Execute(*command);
        const Report report = loop.Sample();
        lock.lock();
        worker.inRender = false;
        worker.report = report;
    }
    lock.unlock();
    loop.engine->SetWakeup(nullptr);
    loop.engine.reset(); // ends the engine's process, on this thread
}

AsyncEngine::AsyncEngine(QObject *parent) : QObject(parent)
{
    epoch_ = 1;
    Start();
}

AsyncEngine::~AsyncEngine()
{
    GiveUpWorker();
}

void AsyncEngine::Start()
{
    worker_ = std::make_shared<Worker>();
    worker_->owner = this;
    // A fresh engine holds nothing, which is what the present epoch asks for.
    worker_->report.serial = issued_;
    worker_->report.epoch = epoch_;
    StartEngineThread([worker = worker_] { RunWorker(worker); });
}

void AsyncEngine::GiveUpWorker()
{
    std::lock_guard<std::mutex> lock(worker_->mutex);
    worker_->quit = true;
    worker_->owner = nullptr;
    worker_->commands.clear();
    worker_->wake.notify_one();
}

void AsyncEngine::Queue(int code, const QString &path, int64_t a, int64_t b, bool flag)
{
    Command command{++issued_, epoch_, code, path, a, b, flag};
    std::lock_guard<std::mutex> lock(worker_->mutex);
    worker_->commands.push_back(std::move(command));
    worker_->wake.notify_one();
}

void AsyncEngine::RenderFile(const QString &fileName)
{
    ++epoch_;
    events_.Clear();
    Queue(kRender, fileName);
}

void AsyncEngine::Clear()
{
    ++epoch_;
    events_.Clear();
    // Past the cap, a clear waits behind the render, which ends by its deadline.
    const bool mayTakeOver = EngineThreadsRunning() < kMaxEngineThreads;
    {
        std::lock_guard<std::mutex> lock(worker_->mutex);
        if (!worker_->inRender || !mayTakeOver) {
            // Whatever is still waiting is undone by the clear anyway.
            worker_->commands.clear();
            worker_->commands.push_back(Command{++issued_, epoch_, kClear, QString(), 0, 0, false});
            worker_->wake.notify_one();
            return;
        }
    }
    // The file may take long to open (a hung mount): let that engine finish
    // on its own and go on with a fresh one, which holds nothing.
    qCInfo(lcSound) << "A sound is still opening; a new engine takes over";
    GiveUpWorker();
    Start();
}

void AsyncEngine::Run()
{
    Queue(kRun);
}

void AsyncEngine::Stop()
{
    Queue(kStop);
}

void AsyncEngine::SetPositions(int64_t current, int64_t stop, bool positionStop)
{
    Queue(kSeek, QString(), current, stop, positionStop);
    seekSerial_ = issued_;
    seekTarget_ = std::max<int64_t>(current, 0);
}

void AsyncEngine::SetVolume(int hundredthsOfDecibel)
{
    Queue(kVolume, QString(), hundredthsOfDecibel);
}

AsyncEngine::Report AsyncEngine::Snapshot() const
{
    std::lock_guard<std::mutex> lock(worker_->mutex);
    return worker_->report;
}

bool AsyncEngine::HasSound() const
{
    const Report r = Snapshot();
    return r.epoch == epoch_ && r.loaded;
}

bool AsyncEngine::GetDuration(int64_t &duration) const
{
    const Report r = Snapshot();
    if (r.epoch != epoch_ || !r.loaded || !r.durationKnown)
        return false;
    duration = r.duration;
    return true;
}

bool AsyncEngine::GetCurrentPosition(int64_t &position) const
{
    const Report r = Snapshot();
    if (r.epoch != epoch_ || !r.loaded)
        return false;
    if (r.serial < seekSerial_) {
        position = seekTarget_; // the move is on its way
        return true;
    }
    if (!r.positionKnown)
        return false;
    int64_t p = r.position;
    if (r.running && r.advancing) {
        p += std::clamp<qint64>(MonotonicMs() - r.sampledAtMs, 0, kMaxCarryMs) * kUnitsPerMs;
        if (r.durationKnown)
            p = std::min(p, std::max(r.duration, r.position));
    }
    position = p;
    return true;
}

bool AsyncEngine::GetStopPosition(int64_t &stop) const
{
    const Report r = Snapshot();
    if (r.epoch != epoch_ || !r.loaded || !r.stopKnown)
        return false;
    stop = r.stop;
    return true;
}

double AsyncEngine::OutputGain() const
{
    return Snapshot().gain;
}

bool AsyncEngine::Idle() const
{
    const Report r = Snapshot();
    return r.opened && r.serial >= issued_;
}

bool AsyncEngine::GetEvent(PlaybackEngine::Event &event)
{
    return events_.Take(event);
}

void AsyncEngine::OnEvents(uint64_t epoch, std::deque<PlaybackEngine::Event> events)
{
    if (epoch != epoch_)
        return;
    for (const PlaybackEngine::Event &event : events)
        events_.Push(event);
    emit EventsQueued();
}

void AsyncEngine::OnRendered(uint64_t epoch)
{
    if (epoch == epoch_)
        emit Rendered();
}

void AsyncEngine::OnFailed(uint64_t epoch, Operation operation, int32_t code, const QString &message)
{
    if (operation == Operation::Open || epoch == epoch_)
        emit Failed(operation, code, message);
}
