#pragma once

#include "app/DateTime.h"

#include <cstdint>

// The options that decide the chimes, as the options page shows them.
struct ChimeSettings {
    bool enabled = false;
    bool hourly = false;
    bool halfHourly = false;
    bool quarterHourly = false;
};

// Whether a chime is called for at this minute and second: only at second 0
// of minute 0 (hourly), 0 and 30 (half hourly), or 0, 15, 30 and 45 (quarter
// hourly), and only while chimes are enabled.
bool IsChimeSecond(const ChimeSettings &settings, int minute, int second);

// The chime test run at the end of each scheduler tick. A chime starts once in
// its second: a second tick that reads the same chime second (a tick that came
// early or was repeated) does not start it again from the beginning.
class ChimeTest {
public:
    bool Due(const ChimeSettings &settings, const DateTimeParts &now);

private:
    int64_t lastChime_ = -1; // the minute last chimed in, while its second lasts
};
