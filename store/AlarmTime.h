#pragma once

#include <cstdint>

// The date and time set for one alarm. All six fields are always kept; the
// alarm's mode decides which of them the scheduler compares.
struct AlarmTime {
    int32_t Year = 0, Month = 0, Day = 0;
    uint16_t Hour = 0, Minute = 0, Second = 0;

    bool operator==(const AlarmTime &) const = default;
};

// One slot of the alarm table; identifier 0 marks a free slot.
struct AlarmSlot {
    int32_t Id = 0;
    AlarmTime Time;

    bool operator==(const AlarmSlot &) const = default;
};
