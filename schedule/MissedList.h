#pragma once

#include "schedule/Occurrences.h"

#include <QList>
#include <QString>

// One alarm that fell due without going off: a reminder was open, the
// computer slept, the clock jumped or the program was not running.
struct MissedAlarm {
    int alarmId = 0;
    QString caption;
    Occurrences when;
};

// What the "Missed alarms" window lists: one entry per alarm with its latest
// missed occurrences (at most MaxListed) and how many there were in all. An
// alarm missed again while it is listed joins its entry. Entries are in the
// order of their earliest listed occurrence.
class MissedList {
public:
    static constexpr int MaxListed = 10;

    void Add(const MissedAlarm &missed);
    void Clear() { entries_.clear(); }
    bool IsEmpty() const { return entries_.isEmpty(); }
    const QList<MissedAlarm> &Entries() const { return entries_; }

private:
    QList<MissedAlarm> entries_;
};
