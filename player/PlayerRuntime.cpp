#include "player/PlayerRuntime.h"

#include "player/AudioLibrary.h"
#include "player/EDirectShowException.h"
#include "player/EngineCodes.h"
#include "player/PlaybackEngine.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace {
enum class RuntimeState { NotStarted, Started, ShutdownPending, ShutDown };

// One lock for the whole runtime: a second engine that needs GStreamer while
// the first is starting it waits here, on its own thread.
std::timed_mutex mutex;
std::condition_variable_any closed;
RuntimeState state = RuntimeState::NotStarted;
std::atomic<bool> started{false};
std::atomic<bool> shutDown{false};
int openEngines = 0; // real engines only
PlaybackEngineFactory factory;

void ShutDownNow()
{
    LoadAudioLibrary().shutdown();
    state = RuntimeState::ShutDown;
    started = false;
}

// Under the lock.
void StartIfNeeded()
{
    if (state == RuntimeState::Started)
        return;
    if (state == RuntimeState::ShutdownPending || state == RuntimeState::ShutDown)
        throw EDirectShowException(EngineCode::EngineUnavailable,
                                   QStringLiteral("The sound engine was already shut down"));
    const AudioLibrary &library = LoadAudioLibrary();
    QString reason;
    if (!library.start(&reason))
        throw EDirectShowException(EngineCode::EngineUnavailable,
                                   QStringLiteral("The sound engine (GStreamer) cannot be started: ") + reason);
    state = RuntimeState::Started;
    started = true;
}
} // namespace

std::unique_ptr<PlaybackEngine> OpenPlaybackEngine()
{
    PlaybackEngineFactory made;
    {
        std::lock_guard<std::timed_mutex> lock(mutex);
        if (shutDown)
            throw EDirectShowException(EngineCode::EngineUnavailable,
                                       QStringLiteral("The sound engine was already shut down"));
        made = factory;
        if (!made)
            StartIfNeeded();
        ++openEngines; // from here GStreamer stays until this engine closes
    }
    std::unique_ptr<PlaybackEngine> engine = made ? made() : std::unique_ptr<PlaybackEngine>(LoadAudioLibrary().createEngine());
    if (!engine) {
        ClosePlaybackEngine(nullptr);
        throw EDirectShowException(EngineCode::EngineUnavailable, EngineCodeText(EngineCode::EngineUnavailable));
    }
    return engine;
}

void ClosePlaybackEngine(std::unique_ptr<PlaybackEngine> engine)
{
    engine.reset();
    std::lock_guard<std::timed_mutex> lock(mutex);
    if (--openEngines == 0) {
        if (state == RuntimeState::ShutdownPending)
            ShutDownNow();
        closed.notify_all();
    }
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
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    std::unique_lock<std::timed_mutex> lock(mutex, std::defer_lock);
    if (!lock.try_lock_until(deadline)) {
        // GStreamer is still starting (a plug-in registry being rebuilt):
        // leave it, and let no engine open any more.
        shutDown = true;
        return false;
    }
    if (state != RuntimeState::Started)
        return state == RuntimeState::NotStarted || state == RuntimeState::ShutDown; // nothing to release
    shutDown = true;
    closed.wait_until(lock, deadline, [] { return openEngines == 0; });
    if (openEngines > 0) {
        state = RuntimeState::ShutdownPending;
        started = false;
        return false;
    }
    ShutDownNow();
    return true;
}

void SetPlaybackEngineFactory(PlaybackEngineFactory made)
{
    std::lock_guard<std::timed_mutex> lock(mutex);
    factory = std::move(made);
}
