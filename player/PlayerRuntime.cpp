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
#include <mutex>

namespace {

const char kHelperName[] = "tocsimo-audio";

std::mutex mutex;
std::condition_variable closed;
std::atomic<bool> started{false};
std::atomic<bool> shutDown{false};
int openEngines = 0;
PlaybackEngineFactory factory;
QString helperOverride;

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
        std::lock_guard<std::mutex> lock(mutex);
        if (!helperOverride.isEmpty())
            return helperOverride;
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
    std::lock_guard<std::mutex> lock(mutex);
    helperOverride = path;
}

std::unique_ptr<PlaybackEngine> OpenPlaybackEngine()
{
    PlaybackEngineFactory made;
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (shutDown)
            ThrowShutDown();
        made = factory;
        ++openEngines; // counted until this engine closes
    }
    if (made) {
        std::unique_ptr<PlaybackEngine> engine = made();
        if (engine)
            return engine;
        ClosePlaybackEngine(nullptr);
        throw EDirectShowException(EngineCode::EngineUnavailable, EngineCodeText(EngineCode::EngineUnavailable));
    }
    auto engine = std::make_unique<RemotePlaybackEngine>(AudioHelperPath());
    QString error;
    if (!engine->Start(error)) {
        ClosePlaybackEngine(std::move(engine));
        throw EDirectShowException(EngineCode::EngineUnavailable,
                                   QStringLiteral("The sound engine cannot be started: ") + error);
    }
    started = true;
    return engine;
}

void ClosePlaybackEngine(std::unique_ptr<PlaybackEngine> engine)
{
    engine.reset();
    std::lock_guard<std::mutex> lock(mutex);
    if (--openEngines == 0)
        closed.notify_all();
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
    std::unique_lock<std::mutex> lock(mutex);
    shutDown = true;
    started = false;
    return closed.wait_for(lock, std::chrono::milliseconds(waitMs), [] { return openEngines == 0; });
}

void SetPlaybackEngineFactory(PlaybackEngineFactory made)
{
    std::lock_guard<std::mutex> lock(mutex);
    factory = std::move(made);
}
