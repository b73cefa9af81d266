#include "schedule/Occurrences.h"

#include "schedule/DueRule.h"

Occurrences OccurrencesIn(const QString &modeText, const AlarmTime &alarm, int64_t from, int64_t to, int keep)
{
    // Each day of the stretch, latest first, offers the alarm's time of day
    // (every hour of it, for an hourly alarm); the due rule, applied to the
    // time the candidate really is, says which count.
    Occurrences found;
    const bool hourly = modeText == AlarmModeName(AlarmMode::Hourly);
    const DateTimeParts last = PartsOfSecondCount(to - 1);
    const int64_t lastDay = SecondCount({last.year, last.month, last.day, 0, 0, 0, 0});
    for (int64_t day = lastDay; day + 86400 > from; day -= 86400) {
        for (int hour = hourly ? 23 : alarm.Hour; hour >= (hourly ? 0 : alarm.Hour); --hour) {
            const int64_t second = day + hour * 3600 + alarm.Minute * 60 + alarm.Second;
            if (second < from || second >= to)
                continue;
            if (!IsDue(modeText, alarm, PartsOfSecondCount(second)))
                continue;
            if (found.latest.size() < keep)
                found.latest.prepend(second);
            ++found.total;
        }
    }
    return found;
}
