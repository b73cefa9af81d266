#include "app/ProgramFolder.h"
#include "app/Now.h"
#include "app/Exception.h"
#include "schedule/AlarmPass.h"

#include "TestProgramFolder.h"

#include <QDir>
#include <QTest>

#include <optional>

// The pass with a fake clock. Firing "opens a reminder": the fake clock moves
// on by however long the user keeps that reminder open.
class TestAlarmPass : public QObject {
    Q_OBJECT

    std::optional<TestProgramFolder> folder_;
    TDateTime clock_ = 0;
    AlarmStore store_;
    QList<int> fired_;

    void SetClock(int y, int mo, int d, int h, int mi, int s, int ms = 0)
    {
        clock_ = EncodeDateTime(y, mo, d, h, mi, s, ms);
    }
    void Advance(int ms) { clock_ += ms / 86400000.0; }

    // Fires and keeps the reminder open for openMs.
    AlarmPass::FireFunction Reminder(int openMs)
    {
        return [this, openMs](int id) {
            fired_.append(id);
            Advance(openMs);
        };
    }

    // Ticks every 100 ms for the given time.
    void TickFor(AlarmPass &pass, int ms, const AlarmPass::FireFunction &fire)
    {
        for (int t = 0; t < ms; t += 100) {
            pass.Run(store_, fire);
            Advance(100);
        }
    }

private slots:
    void init()
    {
        folder_.emplace([this] { return clock_; });
        store_ = AlarmStore();
        fired_.clear();
    }
    void cleanup()
    {
        folder_.reset();
    }

    void dailyAlarmFiresOnceAtItsSecond()
    {
        store_.Append(5, {"wake", "Daily"}, {2027, 1, 1, 7, 0, 0});
        AlarmPass pass;
        SetClock(2027, 3, 1, 6, 59, 58, 950);
        TickFor(pass, 1000, Reminder(10000)); // nothing before 07:00:00
        QVERIFY(fired_.isEmpty());
        TickFor(pass, 200, Reminder(10000));
        QCOMPARE(fired_, QList<int>({5}));
        TickFor(pass, 60000, Reminder(10000));
        QCOMPARE(fired_, QList<int>({5}));
    }

    void reminderClosedWithinItsSecondDoesNotRingTwice()
    {
        store_.Append(1, {"pill", "Daily"}, {2027, 1, 1, 8, 0, 0});
        AlarmPass pass;
        SetClock(2027, 3, 1, 8, 0, 0, 0);
        TickFor(pass, 1000, Reminder(150)); // closed after 150 ms, still 08:00:00
        QCOMPARE(fired_, QList<int>({1}));
        // The next day it rings again.
        SetClock(2027, 3, 2, 8, 0, 0, 0);
        TickFor(pass, 1000, Reminder(150));
        QCOMPARE(fired_, QList<int>({1, 1}));
    }

    void twoAlarmsInOneSecond()
    {
        store_.Append(1, {"upper", "Daily"}, {2027, 1, 1, 9, 0, 0});
        store_.Append(2, {"lower", "Daily"}, {2027, 1, 1, 9, 0, 0});
        AlarmPass pass;
        // The upper reminder stays open past the second: the lower is missed.
        SetClock(2027, 3, 1, 9, 0, 0, 0);
        TickFor(pass, 3000, Reminder(5000));
        QCOMPARE(fired_, QList<int>({1}));
        // Both closed quickly: each rings once, upper first.
        fired_.clear();
        SetClock(2027, 3, 2, 9, 0, 0, 0);
        TickFor(pass, 1000, Reminder(100));
        QCOMPARE(fired_, QList<int>({1, 2}));
    }

    void alarmWhoseSecondPassesDuringAnotherReminderIsMissed()
    {
        store_.Append(1, {"first", "Daily"}, {2027, 1, 1, 9, 0, 0});
        store_.Append(2, {"second", "Daily"}, {2027, 1, 1, 9, 0, 5});
        AlarmPass pass;
        SetClock(2027, 3, 1, 8, 59, 59, 0);
        TickFor(pass, 20000, Reminder(30000));
        QCOMPARE(fired_, QList<int>({1}));
    }

    void laterRowsSeeTheClockAfterTheReminder()
    {
        // The lower alarm's second arrives while the upper reminder is open and
        // is still current when it closes: the same pass fires it.
        store_.Append(1, {"a", "Daily"}, {2027, 1, 1, 9, 0, 0});
        store_.Append(2, {"b", "Daily"}, {2027, 1, 1, 9, 0, 2});
        AlarmPass pass;
        SetClock(2027, 3, 1, 9, 0, 0, 0);
        pass.Run(store_, Reminder(2100));
        QCOMPARE(fired_, QList<int>({1, 2}));
    }

    void failingReminderIsNotRetriedWithinItsSecond()
    {
        store_.Append(1, {"broken", "Daily"}, {2027, 1, 1, 9, 0, 0});
        store_.Append(2, {"after", "Daily"}, {2027, 1, 1, 9, 0, 0});
        AlarmPass pass;
        int errors = 0;
        const AlarmPass::FireFunction failing = [&](int id) {
            fired_.append(id);
            if (id == 1)
                throw EFOpenError("Cannot open file x");
        };
        SetClock(2027, 3, 1, 9, 0, 0, 0);
        for (int t = 0; t < 10; ++t) {
            try {
                pass.Run(store_, failing);
            } catch (const Exception &) {
                ++errors;
            }
            Advance(100);
        }
        // One error; the row after the failing one still rings in that second.
        QCOMPARE(errors, 1);
        QCOMPARE(fired_, QList<int>({1, 2}));
        // The next occurrence tries again.
        SetClock(2027, 3, 2, 9, 0, 0, 0);
        try {
            pass.Run(store_, failing);
        } catch (const Exception &) {
            ++errors;
        }
        QCOMPARE(errors, 2);
    }

    void onceAlarmStaysAndNeverRingsAgain()
    {
        store_.Append(3, {"train", "Once"}, {2027, 3, 1, 17, 45, 0});
        AlarmPass pass;
        SetClock(2027, 3, 1, 17, 44, 59, 500);
        TickFor(pass, 3000, Reminder(100));
        QCOMPARE(fired_, QList<int>({3}));
        QCOMPARE(store_.Count(), 1);
        QCOMPARE(store_.Row(0).ModeText, QString("Once"));
        SetClock(2028, 3, 1, 17, 44, 59, 500);
        TickFor(pass, 3000, Reminder(100));
        QCOMPARE(fired_, QList<int>({3}));
    }

    void onceInThePastNeverRings()
    {
        store_.Append(1, {"old", "Once"}, {2020, 1, 1, 0, 0, 0});
        AlarmPass pass;
        SetClock(2027, 1, 1, 0, 0, 0);
        TickFor(pass, 2000, Reminder(100));
        QVERIFY(fired_.isEmpty());
    }

    void rowsWithoutModeNeverRing()
    {
        store_.Append(1, {"no mode", ""}, {2027, 3, 1, 9, 0, 0});
        store_.Append(2, {"ok", "Hourly"}, {2027, 3, 1, 9, 0, 0});
        AlarmPass pass;
        SetClock(2027, 3, 1, 9, 0, 0);
        TickFor(pass, 1000, Reminder(100));
        QCOMPARE(fired_, QList<int>({2}));
    }

    void lookingAheadFiresNothing()
    {
        store_.Append(1, {"a", "Daily"}, {2027, 1, 1, 9, 0, 0});
        store_.Append(2, {"b", ""}, {2027, 1, 1, 9, 0, 2});
        store_.Append(3, {"c", "Hourly"}, {2027, 1, 1, 9, 0, 0});
        QCOMPARE(AlarmPass::FirstDue(store_, {2027, 3, 1, 9, 0, 0, 0}), 1);
        QCOMPARE(AlarmPass::FirstDue(store_, {2027, 3, 1, 10, 0, 0, 0}), 3);
        QCOMPARE(AlarmPass::FirstDue(store_, {2027, 3, 1, 9, 0, 1, 0}), 0);
        QCOMPARE(AlarmPass::FirstDue(store_, {2027, 3, 1, 9, 0, 2, 0}), 0); // no mode: never due
        QCOMPARE(AlarmPass::FirstDue(AlarmStore(), {2027, 3, 1, 9, 0, 0, 0}), 0);
        // Looking ahead took nothing from the pass: both still ring in their second.
        AlarmPass pass;
        SetClock(2027, 3, 1, 9, 0, 0);
        QCOMPARE(AlarmPass::FirstDue(store_, DecodeDateTime(clock_)), 1);
        pass.Run(store_, Reminder(100));
        QCOMPARE(fired_, QList<int>({1, 3}));
    }

    void hourlyRingsEveryHour()
    {
        store_.Append(1, {"stretch", "Hourly"}, {2004, 7, 14, 20, 30, 25});
        AlarmPass pass;
        for (int h = 0; h < 24; ++h) {
            SetClock(2027, 6, 30, h, 30, 24, 900);
            TickFor(pass, 1500, Reminder(200));
        }
        QCOMPARE(fired_.size(), 24);
    }
};

QTEST_GUILESS_MAIN(TestAlarmPass)
#include "tst_alarmpass.moc"
