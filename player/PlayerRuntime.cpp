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
std::mutex mutex;
std::condition_variable closed;
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
        std::lock_guard<std::mutex> lock(mutex);
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
    std::lock_guard<std::mutex> lock(mutex);
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

void ShutdownPlayerRuntime(int waitMs)
{
    std::unique_lock<std::mutex> lock(mutex);
    if (state != RuntimeState::Started)
        return; // never started: nothing to release, and nothing is loaded
    shutDown = true;
    closed.wait_for(lock, std::chrono::milliseconds(waitMs), [] { return openEngines == 0; });
    if (openEngines > 0) {
        state = RuntimeState::ShutdownPending;
        started = false;
        return;
    }
    ShutDownNow();
}

void SetPlaybackEngineFactory(PlaybackEngineFactory made)
{
    std::lock_guard<std::mutex> lock(mutex);
    factory = std::move(made);
}
