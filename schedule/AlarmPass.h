#pragma once

#include "app/DateTime.h"
#include "store/AlarmStore.h"

#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

// One pass of the scheduler over the alarm list: each row is compared with a
// fresh reading of the clock, and a due alarm is fired at once. Firing opens
// the reminder and returns when it is closed, so later rows see a later clock.
//
// An alarm fires at most once for any given local date and time: closing its
// reminder within the second it fired in, a reminder that fails to open, a
// clock set back a few seconds, or the hour repeated when summer time ends
// does not set it off again for that second. The memory lasts while the local
// time stays within MaxCatchUpSeconds of it, and while the real time has gone
// on from it by at most MaxRepeatedSeconds; a clock set back by hand further
// than MaxCatchUpSeconds moves the real time back too, and rings again.
//
// A pass that comes late (a busy machine, a process stopped for a moment, a
// clock stepped forward a few seconds) first fires, in order of second and
// then of row, the alarms due in the seconds no pass saw since the previous
// one, when that gap is at most MaxCatchUpSeconds. Seconds that passed while
// a reminder was open are not caught up: the next pass starts from the second
// in which the reminder closed.
class AlarmPass {
public:
    using FireFunction = std::function<void(int alarmId)>;

    static constexpr int64_t MaxCatchUpSeconds = 60;
    // The longest repeat of local time when summer time ends (two hours, in
    // Antarctica/Troll; one hour almost everywhere).
    static constexpr int64_t MaxRepeatedSeconds = 2 * 3600;

    // Errors raised by fire end the pass and reach the caller.
    void Run(const AlarmStore &store, const FireFunction &fire);

    // The first alarm that falls due at the given second, or 0 (nothing is fired).
    static int FirstDue(const AlarmStore &store, const DateTimeParts &at);

    // Seconds on one running count, and back (local wall-clock time).
    static int64_t SecondOf(const DateTimeParts &p);
    static DateTimeParts PartsOf(int64_t second);

private:
    static constexpr int64_t kNone = std::numeric_limits<int64_t>::min();

    void Examine(const AlarmStore &store, int row, const DateTimeParts &at, int64_t second, const FireFunction &fire);
    int64_t Read();

    // Alarms fired lately: the local second each fired for, and the real time it fired at.
    struct Fired {
        int id;
        int64_t second, utc;
    };
    std::vector<Fired> fired_;
    int64_t lastRead_ = kNone; // the last clock reading of the previous pass
    int64_t lastUtc_ = 0;      // and the real time of that reading
    int64_t from_ = kNone;     // the first second that pass did not fully examine
    bool firedInPass_ = false;
};
