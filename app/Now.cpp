#include "app/Now.h"

#include <ctime>

namespace {
std::function<TDateTime()> &Override()
{
    static std::function<TDateTime()> clock;
    return clock;
}

// localtime_r is the costly part of a reading; the local date and time of one
// whole second are kept, so reading the clock for every row of every tick
// costs a clock_gettime and a little arithmetic.
struct SecondCache {
    time_t second = -1;
    DateTimeParts parts;
    TDateTime base = 0;
};

const SecondCache &LocalSecond(const timespec &ts)
{
    static SecondCache cache;
    if (ts.tv_sec != cache.second) {
        tm local{};
        localtime_r(&ts.tv_sec, &local);
        cache.second = ts.tv_sec;
        const int second = local.tm_sec > 59 ? 59 : local.tm_sec; // a leap second is held at 59
        cache.parts = DateTimeParts{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                                    local.tm_hour, local.tm_min, second, 0};
        cache.base = EncodeDateTime(cache.parts.year, cache.parts.month, cache.parts.day,
                                    cache.parts.hour, cache.parts.minute, second, 0);
    }
    return cache;
}
} // namespace

TDateTime Now()
{
    if (Override())
        return Override()();
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    const SecondCache &s = LocalSecond(ts);
    const int ms = static_cast<int>(ts.tv_nsec / 1000000);
    return s.base + ms / 86400000.0;
}

DateTimeParts NowParts()
{
    if (Override())
        return DecodeDateTime(Override()());
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    DateTimeParts p = LocalSecond(ts).parts;
    p.msec = static_cast<int>(ts.tv_nsec / 1000000);
    return p;
}

void SetNowOverride(std::function<TDateTime()> clock)
{
    Override() = std::move(clock);
}
