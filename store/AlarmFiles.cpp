#include "store/AlarmFiles.h"

#include "app/Exception.h"
#include "app/ProgramFolder.h"
#include "app/RegularFile.h"
#include "app/TIniFile.h"
#include "app/TextCodec.h"
#include "app/TextFile.h"
#include "store/AlarmFilePair.h"

#include <QCoreApplication>

namespace {
const QString kModeSection = QStringLiteral("AlarmMode");
const QString kTimeSection = QStringLiteral("AlarmDateTime");
const QString kSoundSection = QStringLiteral("AlarmSound");
const QString kFileKey = QStringLiteral("File");

QList<TIniFile::Entry> SettingsEntries(std::optional<AlarmMode> mode, const AlarmTime &time, const QString &soundFile)
{
    QList<TIniFile::Entry> entries;
    for (AlarmMode m : kAllAlarmModes)
        entries.append({kModeSection, AlarmModeName(m), m == mode ? QStringLiteral("1") : QStringLiteral("0")});
    const auto number = [](int v) { return QString::number(v); };
    entries.append({kTimeSection, QStringLiteral("Year"), number(time.Year)});
    entries.append({kTimeSection, QStringLiteral("Month"), number(time.Month)});
    entries.append({kTimeSection, QStringLiteral("Day"), number(time.Day)});
    entries.append({kTimeSection, QStringLiteral("Hour"), number(time.Hour)});
    entries.append({kTimeSection, QStringLiteral("Minute"), number(time.Minute)});
    entries.append({kTimeSection, QStringLiteral("Second"), number(time.Second)});
    entries.append({kSoundSection, kFileKey, soundFile});
    return entries;
}
} // namespace

QString AlarmFiles::IndexPath()
{
    return UserFolder() + RelPath::AlarmIndex;
}

QString AlarmFiles::SettingsPath(const QString &idText)
{
    return UserFolder() + RelPath::AlarmFolder + idText + QStringLiteral(".ini");
}

QString AlarmFiles::MessagePath(const QString &idText)
{
    return UserFolder() + RelPath::AlarmFolder + idText + QStringLiteral("Memo.ini");
}

QString AlarmFiles::SettingsPath(int id)
{
    return SettingsPath(QString::number(id));
}

QString AlarmFiles::MessagePath(int id)
{
    return MessagePath(QString::number(id));
}

void AlarmFiles::WriteSettings(int id, std::optional<AlarmMode> mode, const AlarmTime &time, const QString &soundFile)
{
    TIniFile(SettingsPath(id)).WriteEntries(SettingsEntries(mode, time, soundFile));
}

void AlarmFiles::WriteAlarm(int id, std::optional<AlarmMode> mode, const AlarmTime &time, const QString &soundFile,
                            const QStringList &lines)
{
    const QString settingsPath = SettingsPath(id);
    // As a profile file is edited: its other keys stay, and a file that is
    // there but cannot be read is not written over.
    QByteArray old;
    const RegularFile::Status status = RegularFile::Read(settingsPath, TIniFile::MaxFileSize, old);
    if (status != RegularFile::Status::Ok && status != RegularFile::Status::Missing)
        throw EIniFileException(QCoreApplication::translate("TIniFile", "Unable to write to %1").arg(settingsPath));
    IniDocument settings(status == RegularFile::Status::Ok ? DecodeFileText(old) : QString());
    for (const TIniFile::Entry &e : SettingsEntries(mode, time, soundFile))
        settings.WriteString(e.section, e.key, e.value);
    AlarmFilePair().Write(settingsPath, EncodeFileText(settings.ToText()), MessagePath(id),
                          EncodeFileText(lines.join(QStringLiteral("\r\n"))));
}

AlarmFiles::Settings AlarmFiles::ReadSettings(const QString &idText, bool modeDefault)
{
    const IniDocument ini = TIniFile(SettingsPath(idText)).Snapshot();
    Settings s;
    for (AlarmMode m : kAllAlarmModes)
        if (ini.ReadBool(kModeSection, AlarmModeName(m), modeDefault))
            s.modes.append(AlarmModeName(m));
    s.time.Year = ini.ReadInteger(kTimeSection, QStringLiteral("Year"), 0);
    s.time.Month = ini.ReadInteger(kTimeSection, QStringLiteral("Month"), 0);
    s.time.Day = ini.ReadInteger(kTimeSection, QStringLiteral("Day"), 0);
    s.time.Hour = static_cast<uint16_t>(ini.ReadInteger(kTimeSection, QStringLiteral("Hour"), 0));
    s.time.Minute = static_cast<uint16_t>(ini.ReadInteger(kTimeSection, QStringLiteral("Minute"), 0));
    s.time.Second = static_cast<uint16_t>(ini.ReadInteger(kTimeSection, QStringLiteral("Second"), 0));
    s.soundFile = ini.ReadString(kSoundSection, kFileKey, QString());
    return s;
}

AlarmFiles::Settings AlarmFiles::ReadSettings(int id, bool modeDefault)
{
    return ReadSettings(QString::number(id), modeDefault);
}

QString AlarmFiles::ReadSoundFile(int id)
{
    return TIniFile(SettingsPath(id)).ReadString(kSoundSection, kFileKey, QString());
}

QStringList AlarmFiles::ReadMessage(int id)
{
    return TextFile::ReadLines(MessagePath(id));
}

void AlarmFiles::WriteMessage(int id, const QStringList &lines)
{
    TextFile::WriteLines(MessagePath(id), lines);
}
