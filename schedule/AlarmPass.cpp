#include "schedule/AlarmPass.h"

#include "app/Now.h"
#include "schedule/DueRule.h"

namespace {
int64_t SecondKey(const DateTimeParts &p)
{
    return ((((static_cast<int64_t>(p.year) * 13 + p.month) * 32 + p.day) * 24 + p.hour) * 60 + p.minute) * 60
        + p.second;
}
} // namespace

void AlarmPass::Run(const AlarmStore &store, const FireFunction &fire)
{
    const int rows = store.Count();
    for (int r = 0; r < rows && r < store.Count(); ++r) {
        const DateTimeParts now = NowParts();
        const int64_t second = SecondKey(now);
        if (second != second_) {
            second_ = second;
            fired_.reset();
        }
        const AlarmSlot &slot = store.Slot(r + 1);
        if (!IsDue(store.Row(r).ModeText, slot.Time, now) || fired_[slot.Id])
            continue;
        fired_[slot.Id] = true; // before firing, so a failing reminder is not retried this second
        fire(slot.Id);
    }
}

int AlarmPass::FirstDue(const AlarmStore &store, const DateTimeParts &at)
{
    for (int r = 0; r < store.Count(); ++r)
        if (IsDue(store.Row(r).ModeText, store.Slot(r + 1).Time, at))
            return store.Slot(r + 1).Id;
    return 0;
}
