#include "schedule/SnoozeList.h"

#include "app/AtomicFile.h"
#include "app/Exception.h"
#include "app/IniDocument.h"
#include "app/TIniFile.h"
#include "app/TextCodec.h"
#include "schedule/RealTimeText.h"
#include "schedule/ScheduleLog.h"
#include "store/AlarmStore.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
const QString kSectionPrefix = QStringLiteral("Reminder");
const QString kAlarm = QStringLiteral("Alarm");
const QString kDue = QStringLiteral("Due");
const QString kRepeat = QStringLiteral("Repeat");
} // namespace

void SnoozeList::Load()
{
    reminders_.clear();
    const IniDocument ini = TIniFile(path_).Snapshot();
    for (const QString &section : ini.ReadSections()) {
        if (!section.startsWith(kSectionPrefix, Qt::CaseInsensitive))
            continue;
        SnoozedReminder r;
        r.alarmId = ini.ReadInteger(section, kAlarm, 0);
        const std::optional<int64_t> due = RealTimeFromText(ini.ReadString(section, kDue, QString()));
        r.repeat = ini.ReadBool(section, kRepeat, true);
        if (r.alarmId < 1 || r.alarmId > AlarmStore::SlotCount || !due) {
            qCInfo(lcSchedule, "%s: [%s] names no snoozed reminder", qUtf8Printable(path_), qUtf8Printable(section));
            continue;
        }
        r.due = *due;
        reminders_.append(r);
    }
}

void SnoozeList::Save() const
{
    IniDocument ini;
    for (int i = 0; i < reminders_.size(); ++i) {
        const SnoozedReminder &r = reminders_[i];
        const QString section = kSectionPrefix + QString::number(i + 1);
        ini.WriteString(section, kAlarm, QString::number(r.alarmId));
        ini.WriteString(section, kDue, RealTimeText(r.due));
        ini.WriteString(section, kRepeat, r.repeat ? QStringLiteral("1") : QStringLiteral("0"));
    }
    if (!WriteFileAtomically(path_, EncodeFileText(ini.ToText())))
        throw EIniFileException(QCoreApplication::translate("TIniFile", "Unable to write to %1").arg(path_));
}

void SnoozeList::Add(const SnoozedReminder &reminder)
{
    reminders_.append(reminder);
}

bool SnoozeList::TakeDue(int64_t now, SnoozedReminder &reminder)
{
    if (reminders_.isEmpty())
        return false;
    for (SnoozedReminder &r : reminders_)
        r.due = std::min(r.due, now + MaxSnoozeSeconds);
    const auto first = std::min_element(reminders_.begin(), reminders_.end(),
                                        [](const SnoozedReminder &a, const SnoozedReminder &b) { return a.due < b.due; });
    if (first->due > now)
        return false;
    reminder = *first;
    reminders_.erase(first);
    return true;
}

bool SnoozeList::DropAlarm(int alarmId)
{
    return reminders_.removeIf([alarmId](const SnoozedReminder &r) { return r.alarmId == alarmId; }) > 0;
}
