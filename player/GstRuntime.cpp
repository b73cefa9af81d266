#include "player/GstRuntime.h"

#include "player/EDirectShowException.h"
#include "player/EngineCodes.h"

#include <QFileInfo>

#include <gst/gst.h>

namespace {
enum class RuntimeState { NotStarted, Started, ShutdownPending, ShutDown };
RuntimeState state = RuntimeState::NotStarted;
int activePlayers = 0;
} // namespace

void EnsurePlayerRuntime()
{
    if (state == RuntimeState::Started)
        return;
    if (state == RuntimeState::ShutdownPending || state == RuntimeState::ShutDown)
        throw EDirectShowException(EngineCode::EngineUnavailable,
                                   QStringLiteral("The sound engine was already shut down"));
    GError *error = nullptr;
    if (!gst_init_check(nullptr, nullptr, &error)) {
        const QString reason = error ? QString::fromUtf8(error->message) : QString();
        g_clear_error(&error);
        throw EDirectShowException(EngineCode::EngineUnavailable,
                                   QStringLiteral("The sound engine (GStreamer) cannot be started: ") + reason);
    }
    state = RuntimeState::Started;
}

bool PlayerRuntimeStarted()
{
    return state == RuntimeState::Started;
}

void ShutdownPlayerRuntime()
{
    if (state != RuntimeState::Started)
        return;
    if (activePlayers > 0) {
        state = RuntimeState::ShutdownPending;
        return;
    }
    gst_deinit();
    state = RuntimeState::ShutDown;
}

void RetainPlayerRuntime()
{
    ++activePlayers;
}

void ReleasePlayerRuntime()
{
    if (--activePlayers == 0 && state == RuntimeState::ShutdownPending) {
        gst_deinit();
        state = RuntimeState::ShutDown;
    }
}

QString GeneralMidiSoundFont()
{
    static const QString found = [] {
        // default-GM.sf2 is Debian's alternative for "the" GM font; the others
        // are the fonts that Debian's packages install under their own names.
        const char *const candidates[] = {
            "/usr/share/sounds/sf2/default-GM.sf2",
            "/usr/share/sounds/sf2/TimGM6mb.sf2",
            "/usr/share/sounds/sf2/FluidR3_GM.sf2",
            "/usr/share/soundfonts/default.sf2",
            "/usr/share/soundfonts/FluidR3_GM.sf2",
        };
        for (const char *candidate : candidates) {
            const QFileInfo info(QString::fromLatin1(candidate));
            if (info.isFile() && info.isReadable())
                return info.canonicalFilePath();
        }
        return QString();
    }();
    return found;
}
