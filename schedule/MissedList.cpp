#include "schedule/MissedList.h"

#include <algorithm>

void MissedList::Add(const MissedAlarm &missed)
{
    if (missed.when.latest.isEmpty())
        return;
    const auto same = [&](const MissedAlarm &m) { return m.alarmId == missed.alarmId; };
    auto entry = std::find_if(entries_.begin(), entries_.end(), same);
    if (entry == entries_.end()) {
        entries_.append(missed);
        entry = entries_.end() - 1;
    } else {
        // The scheduler never reports a second twice: the lists join end to end.
        entry->caption = missed.caption;
        entry->when.latest += missed.when.latest;
        entry->when.total += missed.when.total;
        std::sort(entry->when.latest.begin(), entry->when.latest.end());
    }
    QList<int64_t> &latest = entry->when.latest;
    if (latest.size() > MaxListed)
        latest.remove(0, latest.size() - MaxListed);
    std::stable_sort(entries_.begin(), entries_.end(), [](const MissedAlarm &a, const MissedAlarm &b) {
        return a.when.latest.first() < b.when.latest.first();
    });
}
