#pragma once

#include "app/DateTime.h"
#include "schedule/MissedList.h"
#include "store/AlarmStore.h"

#include <array>
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
//
// No alarm passes unseen, though: every second that no pass examined for an
// alarm (a reminder was open, the computer slept, the clock was stepped
// forward further than the catch-up goes, the program was not running) is
// looked through for the alarm's occurrences, which are noted as missed.
// Only the last MissedLookBackSeconds of such a stretch count. Local seconds
// skipped while the real time went on as usual (summer time beginning, a move
// to a zone further east) never were, and hold nothing missed.
class AlarmPass {
public:
    using FireFunction = std::function<void(int alarmId)>;

    static constexpr int64_t MaxCatchUpSeconds = 60;
    // The longest repeat of local time when summer time ends (two hours, in
    // Antarctica/Troll; one hour almost everywhere).
    static constexpr int64_t MaxRepeatedSeconds = 2 * 3600;
    static constexpr int64_t MissedLookBackSeconds = 24 * 3600;

    // Errors raised by fire end the pass and reach the caller.
    void Run(const AlarmStore &store, const FireFunction &fire);

    // The alarms noted as missed since the last call, each with its latest
    // occurrences (at most MissedList::MaxListed) and how many in all.
    QList<MissedAlarm> TakeMissed();

    // Before the first pass: the real time (seconds since 1970 UTC) the
    // program last ran, so the first pass notes what fell due since then.
    void ListMissedSince(int64_t lastRunUtc);

    // A reminder opened outside the pass has been closed: the seconds it was
    // open are not caught up, and the next pass notes what fell due in them.
    void ReminderClosed();

    // The real time through which every alarm has been examined or noted as
    // missed, as of the last pass that ran to its end; 0 before the first.
    int64_t SeenThroughUtc() const { return seenThroughUtc_; }

    // The first alarm that falls due at the given second, or 0 (nothing is fired).
    static int FirstDue(const AlarmStore &store, const DateTimeParts &at);

private:
    static constexpr int64_t kNone = std::numeric_limits<int64_t>::min();

    void Examine(const AlarmStore &store, int row, const DateTimeParts &at, int64_t second, const FireFunction &fire);
    // Notes that the row's alarm has been examined at this second, and what it
    // missed in the seconds since it was last examined.
    void NoteSeen(const AlarmStore &store, int row, int64_t second);
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

    // Per alarm identifier: the first second not yet examined for it, and the
    // pass that last examined it (an alarm absent from a pass is forgotten).
    struct Watermark {
        int64_t next = kNone;
        int64_t pass = 0;
    };
    std::array<Watermark, AlarmStore::SlotCount + 1> seen_{};
    int64_t passes_ = 0;
    int64_t passStart_ = kNone; // the first reading of this pass
    int64_t neverWereBefore_ = kNone; // this pass: local seconds that never were end here
    int64_t seenThroughUtc_ = 0;
    QList<MissedAlarm> missed_;
};
