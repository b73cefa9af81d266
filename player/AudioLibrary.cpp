#include "player/AudioLibrary.h"

#include "player/EDirectShowException.h"
#include "player/EngineCodes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <atomic>

#include <dlfcn.h>

namespace {

const char kFileName[] = "libtocsimo-audio.so";

AudioLibrary loaded;
std::atomic<bool> isLoaded{false}; // read by any thread; set under the runtime lock
QString pathOverride;

[[noreturn]] void FailToLoad(const QString &path, const QString &reason)
{
    throw EDirectShowException(EngineCode::EngineUnavailable,
                               QStringLiteral("The sound engine library cannot be loaded: \"%1\": %2").arg(path, reason));
}

bool IsInside(const QString &path, const QString &folder)
{
    const QString base = QDir::cleanPath(folder) + QLatin1Char('/');
    return (QDir::cleanPath(path) + QLatin1Char('/')).startsWith(base);
}

} // namespace

QString AudioLibraryPath()
{
    if (!pathOverride.isEmpty())
        return pathOverride;
    const QString folder = QCoreApplication::applicationDirPath();
    const QString own = folder + QStringLiteral("/lib/") + QLatin1String(kFileName);
#ifdef TOCSIMO_BUILD_TREE
    // Tests and benchmarks are built beside the program, not inside its
    // folder. A copy of the program elsewhere never looks here.
    if (!QFileInfo::exists(own) && IsInside(folder, QStringLiteral(TOCSIMO_BUILD_TREE)))
        return QStringLiteral(TOCSIMO_BUILD_AUDIO_LIBRARY);
#endif
    return own;
}

void SetAudioLibraryPath(const QString &path)
{
    pathOverride = path;
}

bool AudioLibraryLoaded()
{
    return isLoaded;
}

const AudioLibrary &LoadAudioLibrary()
{
    if (isLoaded)
        return loaded;
    const QString path = AudioLibraryPath();
    if (!QFileInfo::exists(path))
        FailToLoad(path, QStringLiteral("the file is missing"));
    // Never closed: GStreamer cannot be unloaded once it ran.
    void *handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        // dlerror names a missing dependency, e.g. libgstreamer-1.0.so.0.
        const char *reason = dlerror();
        FailToLoad(path, QString::fromLocal8Bit(reason ? reason : "unknown reason"));
    }
    AudioLibrary library;
    library.start = reinterpret_cast<TocsimoAudioStartFunction>(dlsym(handle, "TocsimoAudioStart"));
    library.shutdown = reinterpret_cast<TocsimoAudioShutdownFunction>(dlsym(handle, "TocsimoAudioShutdown"));
    library.createEngine = reinterpret_cast<TocsimoAudioCreateEngineFunction>(dlsym(handle, "TocsimoAudioCreateEngine"));
    if (!library.start || !library.shutdown || !library.createEngine) {
        dlclose(handle);
        FailToLoad(path, QStringLiteral("it is not the sound engine library (an entry point is missing)"));
    }
    loaded = library;
    isLoaded = true;
    return loaded;
}
