#pragma once

#include "store/AlarmTime.h"

#include <QList>
#include <QString>

#include <cstdint>

// The seconds at which one alarm fell due in a stretch of local time, as the
// list of missed alarms shows them: the latest few, and how many in all.
// Seconds are local, on the running count of SecondCount (app/DateTime.h).
struct Occurrences {
    QList<int64_t> latest; // oldest first
    int total = 0;
};

// The occurrences of an alarm of the given mode text in the seconds
// [from, to), by the same rule that makes it due (a text that is no mode, or
// a time that no clock shows, never falls due), keeping the last `keep`.
// The work grows with the days the stretch touches: the caller keeps it short.
Occurrences OccurrencesIn(const QString &modeText, const AlarmTime &alarm, int64_t from, int64_t to, int keep);
