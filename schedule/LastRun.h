#pragma once

#include <QString>
#include <QThreadPool>

#include <cstdint>
#include <limits>
#include <optional>

// The last real time the program ran, kept in a file of the user's folder
// ("LastRun.ini") so that the next start can list the alarms that fell due
// while it was not running:
//
//   [LastRun]
//   Time=2027-03-01T06:59:58Z
//
// Written at most once a minute while nothing happens, at once after an
// alarm went off or was missed (so a start soon after never lists it again),
// and always on a thread of its own: a slow disk never holds up an alarm.
class LastRun {
public:
    static constexpr int64_t WriteEverySeconds = 60;

    explicit LastRun(QString path);
    ~LastRun(); // waits for a write under way

    // The time the file holds; nothing when it is missing or damaged.
    std::optional<int64_t> Read() const;

    // The program has run through the real time `utc`: written when a minute
    // has passed since the last write, or at once when `now` is set.
    void Note(int64_t utc, bool now);

    // Waits until every write asked for has ended.
    void WaitForWrites();

private:
    static constexpr int64_t kNever = std::numeric_limits<int64_t>::min();

    QString path_;
    int64_t written_ = kNever;
    QThreadPool writer_;
};
