#include "player/PlayerRuntime.h"

#include "engine/protocol/EngineCodes.h"
#include "engine/protocol/PlaybackEngine.h"
#include "player/EDirectShowException.h"
#include "player/RemotePlaybackEngine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <list>
#include <mutex>
#include <thread>

namespace {

const char kHelperName[] = "tocsimo-audio";

struct EngineThread {
    std::thread thread;
    bool finished = false; // its body has returned: only the thread's own end is left
};

// What the engine threads share with the rest, under one lock. It lives as
// long as the process, never destroyed: a thread still running as the
// program exits (see main) may yet use it.
struct Runtime {
    std::mutex mutex;
    std::condition_variable threadEnded;
    std::list<EngineThread> threads; // joined once finished
    int running = 0;
    PlaybackEngineFactory factory;
    QString helperOverride;
};

Runtime &State()
{
    static Runtime *const runtime = new Runtime;
    return *runtime;
}

std::atomic<bool> started{false};
std::atomic<bool> shutDown{false};

// Under the lock: takes the finished threads out of the list.
std::list<EngineThread> TakeFinished()
{
    std::list<EngineThread> finished;
    for (auto it = State().threads.begin(); it != State().threads.end();) {
        const auto next = std::next(it);
        if (it->finished)
            finished.splice(finished.end(), State().threads, it);
        it = next;
    }
    return finished;
}

void Join(std::list<EngineThread> finished)
{
    for (EngineThread &t : finished)
        t.thread.join();
}

bool IsInside(const QString &path, const QString &folder)
{
    const QString base = QDir::cleanPath(folder) + QLatin1Char('/');
    return (QDir::cleanPath(path) + QLatin1Char('/')).startsWith(base);
}

[[noreturn]] void ThrowShutDown()
{
    throw EDirectShowException(EngineCode::EngineUnavailable, QStringLiteral("The sound engine was already shut down"));
}

} // namespace

QString AudioHelperPath()
{
    {
        std::lock_guard<std::mutex> lock(State().mutex);
        if (!State().helperOverride.isEmpty())
            return State().helperOverride;
    }
    const QString folder = QCoreApplication::applicationDirPath();
    const QString own = folder + QStringLiteral("/lib/") + QLatin1String(kHelperName);
#ifdef TOCSIMO_BUILD_TREE
    // Tests and benchmarks are built beside the program, not inside its
    // folder. A copy of the program elsewhere never looks here.
    if (!QFileInfo::exists(own) && IsInside(folder, QStringLiteral(TOCSIMO_BUILD_TREE)))
        return QStringLiteral(TOCSIMO_BUILD_AUDIO_HELPER);
#endif
    return own;
}

void SetAudioHelperPath(const QString &path)
{
    std::lock_guard<std::mutex> lock(State().mutex);
    State().helperOverride = path;
}

void StartEngineThread(std::function<void()> body)
{
    std::list<EngineThread> finished;
    {
        std::lock_guard<std::mutex> lock(State().mutex);
        finished = TakeFinished();
        EngineThread &entry = State().threads.emplace_back();
        ++State().running;
        // The new thread cannot mark itself finished before entry.thread is
        // set: it needs the lock, held here until then.
        entry.thread = std::thread([&entry, body = std::move(body)]() mutable {
            body();
            body = nullptr; // what it holds goes before the thread counts as ended
            std::lock_guard<std::mutex> lock(State().mutex);
            entry.finished = true;
            --State().running;
            State().threadEnded.notify_all();
        });
    }
    Join(std::move(finished));
}

int EngineThreadsRunning()
{
    std::lock_guard<std::mutex> lock(State().mutex);
    return State().running;
}

std::unique_ptr<PlaybackEngine> OpenPlaybackEngine()
{
    PlaybackEngineFactory made;
    {
        std::lock_guard<std::mutex> lock(State().mutex);
        if (shutDown)
            ThrowShutDown();
        made = State().factory;
    }
    if (made) {
        if (std::unique_ptr<PlaybackEngine> engine = made())
            return engine;
        throw EDirectShowException(EngineCode::EngineUnavailable, EngineCodeText(EngineCode::EngineUnavailable));
    }
    auto engine = std::make_unique<RemotePlaybackEngine>(AudioHelperPath());
    QString error;
    if (!engine->Start(error))
        throw EDirectShowException(EngineCode::EngineUnavailable,
                                   QStringLiteral("The sound engine cannot be started: ") + error);
    started = true;
    return engine;
}

bool PlayerRuntimeStarted()
{
    return started;
}

bool PlayerRuntimeShutDown()
{
    return shutDown;
}

bool ShutdownPlayerRuntime(int waitMs)
{
    std::unique_lock<std::mutex> lock(State().mutex);
    shutDown = true;
    started = false;
    const bool allEnded = State().threadEnded.wait_for(lock, std::chrono::milliseconds(waitMs), [] { return State().running == 0; });
    std::list<EngineThread> finished = TakeFinished();
    lock.unlock();
    Join(std::move(finished));
    return allEnded;
}

void SetPlaybackEngineFactory(PlaybackEngineFactory made)
{
    std::lock_guard<std::mutex> lock(State().mutex);
    State().factory = std::move(made);
}
