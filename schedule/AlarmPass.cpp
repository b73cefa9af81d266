#include "schedule/AlarmPass.h"

#include "app/Now.h"
#include "schedule/DueRule.h"
#include "schedule/Occurrences.h"
#include "schedule/ScheduleLog.h"

#include <QScopeGuard>

#include <algorithm>
#include <utility>

namespace {
QString Shown(const DateTimeParts &p)
{
    return QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day, p.hour, p.minute, p.second);
}
} // namespace

int64_t AlarmPass::Read()
{
    const ClockReading r = ReadClock();
    lastRead_ = SecondCount(r.local);
    lastUtc_ = r.utcSecond;
    return lastRead_;
}

void AlarmPass::Run(const AlarmStore &store, const FireFunction &fire)
{
    const int64_t previous = lastRead_;
    const int64_t previousUtc = lastUtc_;
    const int64_t from = from_;
    const int64_t present = Read();
    const int64_t first = present;
    const int64_t firstUtc = lastUtc_;
    firedInPass_ = false;
    ++passes_;
    // The local time leapt ahead while the real time did not.
    const bool leapt = previous != kNone && present - previous > MaxCatchUpSeconds
        && firstUtc - previousUtc <= MaxCatchUpSeconds;
    neverWereBefore_ = leapt ? present : kNone;
    passStart_ = present;
    // However the pass ends (a reminder that fails to open ends it early), the
    // next one knows where this one stopped. Its last second counts as seen
    // only if every row saw it and no reminder was open in the pass.
    const auto finish = qScopeGuard([this, first] { from_ = !firedInPass_ && lastRead_ == first ? lastRead_ + 1 : lastRead_; });

    // Forget what fired for seconds the clock has moved well away from, unless
    // the local time may still come back to them without the real time going
    // back: summer time ending, or a move to a zone further west.
    std::erase_if(fired_, [present, firstUtc](const Fired &f) {
        const bool near = f.second >= present - MaxCatchUpSeconds && f.second <= present + MaxCatchUpSeconds;
        const bool mayRepeat = firstUtc >= f.utc && firstUtc - f.utc <= MaxRepeatedSeconds;
        return !near && !mayRepeat;
    });

    const int rows = store.Count();
    if (previous != kNone && present - previous >= 1 && present - previous <= MaxCatchUpSeconds) {
        for (int64_t s = from; s < present; ++s) {
            const DateTimeParts at = PartsOfSecondCount(s);
            for (int r = 0; r < rows && r < store.Count(); ++r)
                Examine(store, r, at, s, fire);
        }
    }
    for (int r = 0; r < rows && r < store.Count(); ++r) {
        const ClockReading now = ReadClock();
        lastRead_ = SecondCount(now.local);
        lastUtc_ = now.utcSecond;
        Examine(store, r, now.local, lastRead_, fire);
    }
    seenThroughUtc_ = firstUtc;
}

void AlarmPass::NoteSeen(const AlarmStore &store, int row, int64_t second)
{
    const AlarmSlot &slot = store.Slot(row + 1);
    if (slot.Id < 1 || slot.Id > AlarmStore::SlotCount)
        return;
    Watermark &w = seen_[slot.Id];
    // An alarm the previous pass did not see is new to the list (its
    // identifier may have been a deleted alarm's): nothing before now is its.
    if (w.pass < passes_ - 1)
        w.next = kNone;
    w.pass = passes_;
    // New to the list, it counts from this pass on (a reminder opened above
    // it in this pass may yet hide its second); after the clock was set back,
    // from here.
    if (w.next == kNone)
        w.next = passStart_;
    else if (w.next - second > MaxCatchUpSeconds)
        w.next = second;
    if (second < w.next)
        return; // examined already
    const int64_t from = std::max({w.next, second - MissedLookBackSeconds, neverWereBefore_});
    w.next = second + 1;
    if (from >= second)
        return;
    const AlarmRow &alarm = store.Row(row);
    const Occurrences when = OccurrencesIn(alarm.ModeText, slot.Time, from, second, MissedList::MaxListed);
    if (when.total == 0)
        return;
    qCInfo(lcSchedule).noquote() << QStringLiteral("alarm %1 (%2) missed %3 time(s), the last due %4")
                                        .arg(slot.Id)
                                        .arg(alarm.ModeText)
                                        .arg(when.total)
                                        .arg(Shown(PartsOfSecondCount(when.latest.last())));
    missed_.append({slot.Id, alarm.Caption, when});
}

QList<MissedAlarm> AlarmPass::TakeMissed()
{
    return std::exchange(missed_, {});
}

void AlarmPass::ListMissedSince(int64_t lastRunUtc)
{
    const int64_t next = SecondCount(LocalTimeAt(lastRunUtc)) + 1;
    for (Watermark &w : seen_)
        w = {next, passes_};
}

void AlarmPass::ReminderClosed()
{
    if (lastRead_ == kNone)
        return;
    from_ = Read();
}

void AlarmPass::Examine(const AlarmStore &store, int row, const DateTimeParts &at, int64_t second,
                        const FireFunction &fire)
{
    NoteSeen(store, row, second);
    const AlarmSlot &slot = store.Slot(row + 1);
    if (!IsDue(store.Row(row).ModeText, slot.Time, at))
        return;
    const auto same = [&](const Fired &f) { return f.id == slot.Id && f.second == second; };
    if (std::any_of(fired_.begin(), fired_.end(), same))
        return;
    fired_.push_back({slot.Id, second, lastUtc_}); // before firing, so a failing reminder is not retried for this second
    firedInPass_ = true;
    const DateTimeParts now = NowParts();
    qCInfo(lcSchedule).noquote() << QStringLiteral("alarm %1 (%2) due %3 fired at %4.%5")
                                        .arg(slot.Id)
                                        .arg(store.Row(row).ModeText, Shown(at), Shown(now))
                                        .arg(now.msec, 3, 10, QLatin1Char('0'));
    lastRead_ = SecondCount(now);
    fire(slot.Id);
    // The reminder was open until now: what passed meanwhile is not caught up.
    Read();
}

int AlarmPass::FirstDue(const AlarmStore &store, const DateTimeParts &at)
{
    for (int r = 0; r < store.Count(); ++r)
        if (IsDue(store.Row(r).ModeText, store.Slot(r + 1).Time, at))
            return store.Slot(r + 1).Id;
    return 0;
}
