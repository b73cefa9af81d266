#pragma once

#include "app/DateTime.h"
#include "store/AlarmStore.h"

#include <bitset>
#include <cstdint>
#include <functional>

// One pass of the scheduler over the alarm list: each row is compared with a
// fresh reading of the clock, and a due alarm is fired at once. Firing opens
// the reminder and returns when it is closed, so later rows see a later clock.
//
// An alarm fires at most once in any given second: closing its reminder within
// the second it fired in, or a reminder that fails to open, does not set it off
// again in that second.
class AlarmPass {
public:
    using FireFunction = std::function<void(int alarmId)>;

    // Errors raised by fire end the pass and reach the caller.
    void Run(const AlarmStore &store, const FireFunction &fire);

    // The first alarm that falls due at the given second, or 0 (nothing is fired).
    static int FirstDue(const AlarmStore &store, const DateTimeParts &at);

private:
    int64_t second_ = -1;                           // the second fired_ is about
    std::bitset<AlarmStore::SlotCount + 1> fired_;  // alarms fired in that second
};
