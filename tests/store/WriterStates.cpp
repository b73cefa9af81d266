#include "WriterStates.h"

#include "app/Exception.h"
#include "store/AlarmFiles.h"
#include "windows/Options.h"

#include <QFile>
#include <QStringList>

namespace {
const QString kSoundMark = QStringLiteral("/music/save %1.mp3");
const QString kMessageMark = QStringLiteral("Save %1");

// The n that `text` carries as `mark` writes it, or -1.
qint64 MarkIn(const QString &text, const QString &mark)
{
    const qsizetype at = mark.indexOf(QLatin1String("%1"));
    if (!text.startsWith(mark.left(at)) || !text.endsWith(mark.mid(at + 2)))
        return -1;
    bool ok = false;
    const qint64 n = text.mid(at, text.size() - (mark.size() - 2)).toLongLong(&ok);
    return ok ? n : -1;
}
} // namespace

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

void WriterStates::SaveAlarm(int id, qint64 n)
{
    const AlarmTime time{2000 + int(n % 100), 1 + int(n % 12), 1 + int(n % 28), static_cast<uint16_t>(n % 24),
                         static_cast<uint16_t>(n % 60), static_cast<uint16_t>((n * 7) % 60)};
    QStringList lines{kMessageMark.arg(n)};
    for (int i = 0; i < 50; ++i)
        lines << QStringLiteral("line %1 of save %2").arg(i).arg(n);
    AlarmFiles::WriteAlarm(id, kAllAlarmModes[n % 6], time, kSoundMark.arg(n), lines);
}

WriterStates::Saves WriterStates::SavesOf(int id)
{
    Saves saves;
    if (QFile::exists(AlarmFiles::SettingsPath(id)))
        saves.settings = MarkIn(AlarmFiles::ReadSoundFile(id), kSoundMark);
    try {
        saves.message = MarkIn(AlarmFiles::ReadMessage(id).value(0), kMessageMark);
    } catch (const EFOpenError &) {
    }
    return saves;
}
