#pragma once

#include "app/DateTime.h"

#include <cstdint>
#include <ctime>
#include <functional>

// The current local date and time. Every reading of the clock goes through here.
// A change of the machine's time zone (its /etc/localtime replaced) is
// followed from the next second on; a zone the user set in TZ holds.
TDateTime Now();

// The current local time, already decomposed (cheap: safe to call per alarm row).
DateTimeParts NowParts();

// One reading: the local time, and the real time it stands for in seconds
// since 1970 UTC, which keeps going forward when summer time ends or the
// zone changes while the local time goes back.
struct ClockReading {
    DateTimeParts local;
    int64_t utcSecond = 0;
};
ClockReading ReadClock();

// The local date and time at a real time in seconds since 1970 UTC, in the
// machine's zone as it is now.
DateTimeParts LocalTimeAt(int64_t utcSecond);

// Tests replace the clock; an empty function restores the real one. A local
// clock has no zone: its real time is its local time.
void SetNowOverride(std::function<TDateTime()> clock);
// Tests replace only the real time; it reaches local time through the zone, as the real one does.
void SetRealTimeOverride(std::function<timespec()> clock);
