#include "WriterStates.h"

#include "store/AlarmFiles.h"
#include "windows/Options.h"

#include <QStringList>

bool WriterStates::IsKnownKind(const QString &kind)
{
    return kind == QLatin1String("settings") || kind == QLatin1String("message") || kind == QLatin1String("options");
}

QString WriterStates::PathOf(const QString &kind)
{
    if (kind == QLatin1String("settings"))
        return AlarmFiles::SettingsPath(1);
    if (kind == QLatin1String("message"))
        return AlarmFiles::MessagePath(1);
    return OptionsFile::Path();
}

void WriterStates::Write(const QString &kind, qint64 step)
{
    const int n = static_cast<int>(step);
    if (kind == QLatin1String("settings")) {
        const AlarmTime time{2000 + n % 100, 1 + n % 12, 1 + n % 28, static_cast<uint16_t>(n % 24),
                             static_cast<uint16_t>(n % 60), static_cast<uint16_t>((n * 7) % 60)};
        AlarmFiles::WriteSettings(1, kAllAlarmModes[n % 6], time, QStringLiteral("/music/step %1.mp3").arg(n));
    } else if (kind == QLatin1String("message")) {
        // Long enough that a write takes a while to land.
        QStringList lines{QStringLiteral("Step %1").arg(n)};
        for (int i = 0; i < 400; ++i)
            lines << QStringLiteral("line %1 of the message written at step %2").arg(i).arg(n);
        AlarmFiles::WriteMessage(1, lines);
    } else {
        Options o;
        o.AutoRun = n & 1;
        o.AutoHide = n & 2;
        o.AMPM = n & 4;
        o.Repeat = n & 8;
        o.EnableChimes = n & 16;
        o.Interval = static_cast<ChimeInterval>(n % 4);
        o.ChimeSound = n;
        OptionsFile::Write(OptionsFile::Path(), o);
    }
}
