#include "schedule/AlarmPass.h"

#include "app/Now.h"
#include "schedule/DueRule.h"
#include "schedule/ScheduleLog.h"

#include <QScopeGuard>

#include <algorithm>

namespace {
constexpr int64_t kSecondsPerDay = 86400;

QString Shown(const DateTimeParts &p)
{
    return QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day, p.hour, p.minute, p.second);
}
} // namespace

int64_t AlarmPass::SecondOf(const DateTimeParts &p)
{
    return DaysFromCivil(p.year, p.month, p.day) * kSecondsPerDay + p.hour * 3600 + p.minute * 60 + p.second;
}

DateTimeParts AlarmPass::PartsOf(int64_t second)
{
    int64_t days = second / kSecondsPerDay;
    int64_t rest = second % kSecondsPerDay;
    if (rest < 0) {
        rest += kSecondsPerDay;
        --days;
    }
    DateTimeParts p;
    CivilFromDays(days, p.year, p.month, p.day);
    p.hour = static_cast<int>(rest / 3600);
    p.minute = static_cast<int>(rest / 60 % 60);
    p.second = static_cast<int>(rest % 60);
    return p;
}

int64_t AlarmPass::Read()
{
    const ClockReading r = ReadClock();
    lastRead_ = SecondOf(r.local);
    lastUtc_ = r.utcSecond;
    return lastRead_;
}

void AlarmPass::Run(const AlarmStore &store, const FireFunction &fire)
{
    const int64_t previous = lastRead_;
    const int64_t from = from_;
    const int64_t present = Read();
    const int64_t first = present;
    firedInPass_ = false;
    // However the pass ends (a reminder that fails to open ends it early), the
    // next one knows where this one stopped. Its last second counts as seen
    // only if every row saw it and no reminder was open in the pass.
    const auto finish = qScopeGuard([this, first] { from_ = !firedInPass_ && lastRead_ == first ? lastRead_ + 1 : lastRead_; });

    // Forget what fired for seconds the clock has moved well away from, unless
    // the local time may still come back to them without the real time going
    // back: summer time ending, or a move to a zone further west.
    const int64_t utc = lastUtc_;
    std::erase_if(fired_, [present, utc](const Fired &f) {
        const bool near = f.second >= present - MaxCatchUpSeconds && f.second <= present + MaxCatchUpSeconds;
        const bool mayRepeat = utc >= f.utc && utc - f.utc <= MaxRepeatedSeconds;
        return !near && !mayRepeat;
    });

    const int rows = store.Count();
    if (previous != kNone && present - previous >= 1 && present - previous <= MaxCatchUpSeconds) {
        for (int64_t s = from; s < present; ++s) {
            const DateTimeParts at = PartsOf(s);
            for (int r = 0; r < rows && r < store.Count(); ++r)
                Examine(store, r, at, s, fire);
        }
    }
    for (int r = 0; r < rows && r < store.Count(); ++r) {
        const ClockReading now = ReadClock();
        lastRead_ = SecondOf(now.local);
        lastUtc_ = now.utcSecond;
        Examine(store, r, now.local, lastRead_, fire);
    }
}

void AlarmPass::Examine(const AlarmStore &store, int row, const DateTimeParts &at, int64_t second,
                        const FireFunction &fire)
{
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
    lastRead_ = SecondOf(now);
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
