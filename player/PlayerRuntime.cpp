#include "player/PlayerRuntime.h"

#include "player/AudioLibrary.h"
#include "player/EDirectShowException.h"
#include "player/EngineCodes.h"
#include "player/PlaybackEngine.h"

namespace {
enum class RuntimeState { NotStarted, Started, ShutdownPending, ShutDown };
RuntimeState state = RuntimeState::NotStarted;
int activePlayers = 0;

void ShutDownNow()
{
    LoadAudioLibrary().shutdown();
    state = RuntimeState::ShutDown;
}
} // namespace

void EnsurePlayerRuntime()
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
}

bool PlayerRuntimeStarted()
{
    return state == RuntimeState::Started;
}

std::unique_ptr<PlaybackEngine> CreatePlaybackEngine()
{
    return std::unique_ptr<PlaybackEngine>(LoadAudioLibrary().createEngine());
}

void ShutdownPlayerRuntime()
{
    if (state != RuntimeState::Started)
        return;
    if (activePlayers > 0) {
        state = RuntimeState::ShutdownPending;
        return;
    }
    ShutDownNow();
}

void RetainPlayerRuntime()
{
    ++activePlayers;
}

void ReleasePlayerRuntime()
{
    if (--activePlayers == 0 && state == RuntimeState::ShutdownPending)
        ShutDownNow();
}
