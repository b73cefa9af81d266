#pragma once

#include <QList>
#include <QString>

#include <cstdint>

// A reminder put off with "Snooze": the same alarm's reminder, with the same
// repeat setting, opens again at its due time.
struct SnoozedReminder {
    int alarmId = 0;
    int64_t due = 0; // real time, seconds since 1970 UTC
    bool repeat = true;

    bool operator==(const SnoozedReminder &) const = default;
};

// The snoozed reminders, kept in a file of the user's folder ("Snoozed.ini")
// so that they survive a restart; the alarms' own files are never touched.
// The file is a profile file, one section per reminder:
//
//   [Reminder1]
//   Alarm=3
//   Due=2027-03-01T07:10:00Z
//   Repeat=1
//
// A damaged or hand-edited file loses only the entries that cannot be read.
class SnoozeList {
public:
    // The longest snooze the options offer.
    static constexpr int64_t MaxSnoozeSeconds = 60 * 60;

    explicit SnoozeList(QString path) : path_(std::move(path)) {}

    void Load();
    // The whole list, in one atomic replace. Raises "Unable to write to %s".
    void Save() const;

    void Add(const SnoozedReminder &reminder);
    // Takes the reminder that fell due first, by the real time `now`, off the
    // list; false when none is due. A reminder due further ahead than the
    // longest snooze (the clock was set back) is brought that near first.
    bool TakeDue(int64_t now, SnoozedReminder &reminder);
    // Drops the reminders of an alarm; true when there were any.
    bool DropAlarm(int alarmId);

    const QList<SnoozedReminder> &Reminders() const { return reminders_; }

private:
    QString path_;
    QList<SnoozedReminder> reminders_;
};
