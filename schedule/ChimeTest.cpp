#include "schedule/ChimeTest.h"

bool IsChimeSecond(const ChimeSettings &settings, int minute, int second)
{
    if (!settings.enabled || second != 0)
        return false;
    return (settings.hourly && minute == 0) || (settings.halfHourly && minute % 30 == 0)
        || (settings.quarterHourly && minute % 15 == 0);
}

bool ChimeTest::Due(const ChimeSettings &settings, const DateTimeParts &now)
{
    if (!IsChimeSecond(settings, now.minute, now.second)) {
        // Forgotten at once, so a wall clock set back an hour chimes that hour again.
        lastChime_ = -1;
        return false;
    }
    const int64_t minute = ((((now.year * 13LL + now.month) * 32 + now.day) * 24 + now.hour) * 60) + now.minute;
    if (minute == lastChime_)
        return false;
    lastChime_ = minute;
    return true;
}
