#include "PlayToEnd.h"

#include "engine/protocol/EngineCodes.h"
#include "engine/protocol/PlaybackEngine.h"

#include <QDeadlineTimer>

#include <condition_variable>
#include <functional>
#include <mutex>

namespace {

// Plays what render opened.
bool Play(PlaybackEngine &engine, const std::function<int32_t()> &render, int timeoutMs)
{
    std::mutex mutex;
    std::condition_variable woken;
    bool wakeup = false;
    engine.SetWakeup([&] {
        std::lock_guard<std::mutex> lock(mutex);
        wakeup = true;
        woken.notify_one();
    });
    bool ended = false;
    bool failed = Failed(render()) || Failed(engine.Run());
    const QDeadlineTimer deadline(timeoutMs);
    while (!ended && !failed && !deadline.hasExpired()) {
        {
            std::unique_lock<std::mutex> lock(mutex);
            woken.wait_for(lock, std::chrono::milliseconds(deadline.remainingTime()), [&] { return wakeup; });
            wakeup = false;
        }
        engine.Dispatch();
        PlaybackEngine::Event event;
        while (engine.GetEvent(event)) {
            ended = ended || event.code == EngineEventCode::Complete;
            failed = failed || event.code == EngineEventCode::ErrorAbort;
        }
    }
    engine.SetWakeup(nullptr);
    return ended && !failed;
}

} // namespace

bool PlayToEnd(PlaybackEngine &engine, const QString &path, int timeoutMs)
{
    return Play(engine, [&] { return engine.RenderFile(path); }, timeoutMs);
}

bool PlayOpenFileToEnd(PlaybackEngine &engine, FileDescriptor file, int timeoutMs)
{
    return Play(engine, [&] { return engine.RenderOpenFile(std::move(file), QStringLiteral("the open file")); },
                timeoutMs);
}
