#include "engine/LockDown.h"

#include "engine/LandlockRuleSet.h"
#include "engine/SeccompFilter.h"
#include "engine/protocol/SoundLog.h"

#include <QDir>
#include <QStandardPaths>

#include <sys/prctl.h>

namespace LockDown {

QStringList Apply(const QStringList &folders)
{
    QStringList missing;
    if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0) {
        // Neither Landlock nor seccomp can be had without it.
        missing << QStringLiteral("no-new-privileges was refused");
    } else {
        LandlockRuleSet rules;
        using Access = LandlockRuleSet::Access;
        // Libraries, GStreamer's plug-ins, the sound fonts, ALSA's settings.
        rules.Allow(QStringLiteral("/usr"), Access::Read);
        // Libraries where /usr is not merged into /.
        rules.Allow(QStringLiteral("/lib"), Access::Read);
        rules.Allow(QStringLiteral("/lib64"), Access::Read);
        // The dynamic linker's cache, the sound server's client settings, ALSA's.
        rules.Allow(QStringLiteral("/etc"), Access::Read);
        // The sound server's client (libpulse) checks its folder in the
        // user's runtime folder before it connects to the socket there, and
        // without it takes the server for gone; it reads the user's settings
        // and cookie. ALSA reads the user's settings too.
        if (const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR"); !runtime.isEmpty())
            rules.Allow(runtime + QStringLiteral("/pulse"), Access::Read);
        rules.Allow(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/pulse"),
                    Access::Read);
        rules.Allow(QDir::homePath() + QStringLiteral("/.asoundrc"), Access::Read);
        // Random numbers, for the sound server's client.
        rules.Allow(QStringLiteral("/dev/urandom"), Access::Read);
        // The sound card itself, when ALSA plays without a sound server.
        rules.Allow(QStringLiteral("/dev/snd"), Access::ReadWrite);
        for (const QString &folder : folders)
            rules.Allow(folder, Access::Read);
        QString why;
        if (!rules.Enforce(why))
            missing << why;
        if (!SeccompFilter::Load(why))
            missing << why;
    }
    if (!missing.isEmpty())
        qCInfo(lcSound).noquote() << "The sound engine plays without all of its lock-down:" << missing.join(QStringLiteral("; "));
    return missing;
}

} // namespace LockDown
