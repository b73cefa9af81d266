#include "windows/Options.h"

#include "app/ProgramFolder.h"
#include "app/TIniFile.h"

#include <algorithm>

namespace {
const QString kGeneral = QStringLiteral("General");
const QString kAlarm = QStringLiteral("Alarm");
const QString kChimes = QStringLiteral("Chimes");

QString Bool(bool b)
{
    return b ? QStringLiteral("1") : QStringLiteral("0");
}
} // namespace

QString OptionsFile::Path()
{
    return UserFolder() + RelPath::Options;
}

Options OptionsFile::Read(const QString &path)
{
    const IniDocument ini = TIniFile(path).Snapshot();
    Options o;
    o.AutoRun = ini.ReadBool(kGeneral, QStringLiteral("AutoRun"), true);
    o.AutoHide = ini.ReadBool(kGeneral, QStringLiteral("AutoHide"), true);
    o.AMPM = ini.ReadBool(kGeneral, QStringLiteral("AMPM"), true);
    o.Repeat = ini.ReadBool(kAlarm, QStringLiteral("Repeat"), true);
    o.ShowMissed = ini.ReadBool(kAlarm, QStringLiteral("ShowMissed"), true);
    o.SnoozeMinutes = std::clamp(ini.ReadInteger(kAlarm, QStringLiteral("Snooze"), Options::DefaultSnoozeMinutes),
                                 Options::MinSnoozeMinutes, Options::MaxSnoozeMinutes);
    o.EnableChimes = ini.ReadBool(kChimes, QStringLiteral("EnableChimes"), true);
    o.Interval = ChimeInterval::None;
    if (ini.ReadBool(kChimes, QStringLiteral("Hourly"), true))
        o.Interval = ChimeInterval::Hourly;
    if (ini.ReadBool(kChimes, QStringLiteral("HalfHourly"), false))
        o.Interval = ChimeInterval::HalfHourly;
    if (ini.ReadBool(kChimes, QStringLiteral("QuartaHourly"), false))
        o.Interval = ChimeInterval::QuarterHourly;
    o.ChimeSound = ini.ReadInteger(kChimes, QStringLiteral("ChimeSound"), 0);
    return o;
}

void OptionsFile::Write(const QString &path, const Options &o)
{
    TIniFile(path).WriteEntries({
        {kGeneral, QStringLiteral("AutoRun"), Bool(o.AutoRun)},
        {kGeneral, QStringLiteral("AutoHide"), Bool(o.AutoHide)},
        {kGeneral, QStringLiteral("AMPM"), Bool(o.AMPM)},
        {kAlarm, QStringLiteral("Repeat"), Bool(o.Repeat)},
        {kAlarm, QStringLiteral("ShowMissed"), Bool(o.ShowMissed)},
        {kAlarm, QStringLiteral("Snooze"), QString::number(o.SnoozeMinutes)},
        {kChimes, QStringLiteral("EnableChimes"), Bool(o.EnableChimes)},
        {kChimes, QStringLiteral("Hourly"), Bool(o.Interval == ChimeInterval::Hourly)},
        {kChimes, QStringLiteral("HalfHourly"), Bool(o.Interval == ChimeInterval::HalfHourly)},
        {kChimes, QStringLiteral("QuartaHourly"), Bool(o.Interval == ChimeInterval::QuarterHourly)},
        {kChimes, QStringLiteral("ChimeSound"), QString::number(o.ChimeSound)},
    });
}
