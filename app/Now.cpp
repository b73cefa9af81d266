#include "app/Now.h"

namespace {
std::function<TDateTime()> &Override()
{
    static std::function<TDateTime()> clock;
    return clock;
}

std::function<timespec()> &RealTimeOverride()
{
    static std::function<timespec()> clock;
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

SecondCache &Cache()
{
    static SecondCache cache;
    return cache;
}

DateTimeParts ZoneTimeAt(time_t second)
{
    // localtime_r reads the zone once per process; tzset reads it again
    // when TZ is unset and /etc/localtime has changed (glibc compares the
    // file's device, inode and modification time: one stat). With TZ set,
    // and unchanged, it returns at once.
    tzset();
    tm local{};
    localtime_r(&second, &local);
    const int s = local.tm_sec > 59 ? 59 : local.tm_sec; // a leap second is held at 59
    return DateTimeParts{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, s, 0};
}

const SecondCache &LocalSecond(const timespec &ts)
{
    SecondCache &cache = Cache();
    if (ts.tv_sec != cache.second) {
        cache.second = ts.tv_sec;
        cache.parts = ZoneTimeAt(ts.tv_sec);
        cache.base = EncodeDateTime(cache.parts.year, cache.parts.month, cache.parts.day,
                                    cache.parts.hour, cache.parts.minute, cache.parts.second, 0);
    }
    return cache;
}

timespec RealTime()
{
    if (RealTimeOverride())
        return RealTimeOverride()();
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return ts;
}
} // namespace

TDateTime Now()
{
    if (Override())
        return Override()();
    const timespec ts = RealTime();
    const SecondCache &s = LocalSecond(ts);
    const int ms = static_cast<int>(ts.tv_nsec / 1000000);
    return s.base + ms / 86400000.0;
}

DateTimeParts NowParts()
{
    return ReadClock().local;
}

ClockReading ReadClock()
{
    if (Override()) {
        const DateTimeParts p = DecodeDateTime(Override()());
        return {p, SecondCount(p)};
    }
    const timespec ts = RealTime();
    ClockReading r{LocalSecond(ts).parts, ts.tv_sec};
    r.local.msec = static_cast<int>(ts.tv_nsec / 1000000);
    return r;
}

DateTimeParts LocalTimeAt(int64_t utcSecond)
{
    if (!Override())
        return ZoneTimeAt(static_cast<time_t>(utcSecond));
    // A replaced clock has no zone: its real time is its local time (ReadClock).
    return PartsOfSecondCount(utcSecond);
}

void SetNowOverride(std::function<TDateTime()> clock)
{
    Override() = std::move(clock);
}

void SetRealTimeOverride(std::function<timespec()> clock)
{
    RealTimeOverride() = std::move(clock);
    Cache().second = -1; // the next reading goes through the zone as it is now
}
