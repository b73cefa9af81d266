#include "schedule/DueRule.h"

bool IsDue(AlarmMode mode, const AlarmTime &a, const DateTimeParts &now)
{
    const bool minuteSecond = a.Minute == now.minute && a.Second == now.second;
    if (!minuteSecond)
        return false;
    const bool time = a.Hour == now.hour;
    switch (mode) {
    case AlarmMode::Once:
        return time && a.Year == now.year && a.Month == now.month && a.Day == now.day;
    case AlarmMode::Hourly:
        return true;
    case AlarmMode::Daily:
        return time;
    case AlarmMode::Weekly:
        // A stored date that is no real date (a damaged file) has no weekday.
        return time && IsValidDate(a.Year, a.Month, a.Day)
            && DayOfWeek(a.Year, a.Month, a.Day) == DayOfWeek(now.year, now.month, now.day);
    case AlarmMode::Monthly:
        return time && a.Day == now.day;
    case AlarmMode::Yearly:
        return time && a.Month == now.month && a.Day == now.day;
    }
    return false;
}

bool IsDue(const QString &modeText, const AlarmTime &alarm, const DateTimeParts &now)
{
    // Every mode wants the minute and the second: most rows end here, before
    // their mode text is looked at.
    if (alarm.Minute != now.minute || alarm.Second != now.second)
        return false;
    AlarmMode mode;
    return AlarmModeFromText(modeText, mode) && IsDue(mode, alarm, now);
}
