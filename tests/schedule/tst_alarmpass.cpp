#include "app/Exception.h"
#include "app/Now.h"
#include "schedule/AlarmPass.h"

#include "TestProgramFolder.h"

#include <QDate>
#include <QTest>

#include <ctime>
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

    // The fake clock gives the real time (UTC, in ms), which reaches local time through the zone TZ names.
    void UseRealTime(const QByteArray &zone, const qint64 &ms)
    {
        qputenv("TZ", zone);
        SetNowOverride({});
        SetRealTimeOverride([&ms] { return timespec{time_t(ms / 1000), long(ms % 1000 * 1000000)}; });
    }

    // What the pass noted as missed: "<id> at <last due>, <total> in all", joined by "; ".
    static QString Missed(AlarmPass &pass)
    {
        QStringList out;
        for (const MissedAlarm &m : pass.TakeMissed()) {
            const DateTimeParts p = PartsOfSecondCount(m.when.latest.last());
            out << QString::asprintf("%d at %02d:%02d:%02d, %d in all", m.alarmId, p.hour, p.minute, p.second, m.when.total);
        }
        return out.join("; ");
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
        SetRealTimeOverride({});
        qunsetenv("TZ");
        folder_.reset();
    }

    // A pass that comes late fires what fell due in the seconds it missed, in
    // order of second then row, when it is at most a minute late. Later (the
    // computer asleep, the clock stepped forward) that is listed as missed,
    // from the last 24 hours at most.
    void lateTickCatchesUp_data()
    {
        QTest::addColumn<int>("late"); // seconds between the two passes, after any reminder closed
        QTest::addColumn<QList<int>>("dueAfter"); // per row, seconds after the first pass
        QTest::addColumn<QList<int>>("rings");
        QTest::addColumn<QString>("missed");
        QTest::addColumn<int>("openMs"); // how long a reminder of the first pass stays open
        QTest::newRow("in order of second") << 10 << QList<int>{5, 3} << QList<int>{2, 1} << "" << 100;
        QTest::newRow("a minute late") << 60 << QList<int>{59} << QList<int>{1} << "" << 100;
        QTest::newRow("more than a minute late") << 61 << QList<int>{60, 61} << QList<int>{2} << "1 at 09:01:00, 1 in all" << 100;
        QTest::newRow("three days late") << 3 * 86400 << QList<int>{5} << QList<int>{} << "1 at 09:00:05, 1 in all" << 100;
        // Open 30 s: the next pass starts from the second it was closed in.
        QTest::newRow("reminder open") << 1 << QList<int>{10, 30, 31, 0} << QList<int>{4, 2, 3} << "1 at 09:00:10, 1 in all" << 30000;
    }
    void lateTickCatchesUp()
    {
        QFETCH(int, late);
        QFETCH(QList<int>, dueAfter);
        QFETCH(QList<int>, rings);
        QFETCH(QString, missed);
        QFETCH(int, openMs);
        for (int r = 0; r < dueAfter.size(); ++r)
            store_.Append(r + 1, {"", "Daily"}, {2027, 1, 1, 9, uint16_t(dueAfter[r] / 60), uint16_t(dueAfter[r] % 60)});
        AlarmPass pass;
        SetClock(2027, 3, 1, 9, 0, 0);
        pass.Run(store_, Reminder(openMs));
        Advance(late * 1000);
        pass.Run(store_, Reminder(100));
        QCOMPARE(fired_, rings);
        QCOMPARE(Missed(pass), missed);
    }

    // Where summer time ends, an alarm in the repeated hour rings once; where
    // it begins, one in the skipped hour does not ring. Real time runs from an
    // hour before the change to an hour after it, through the zone's rules.
    void summerTimeChange_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<qint64>("change"); // UTC
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("hour"); // of the repeated or skipped hour
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("rings");
        struct Change {
            const char *name, *zone;
            qint64 utc;
            QDate date;
            int hour;
            bool repeats;
        };
        const Change changes[] = {
            {"Berlin, autumn", "Europe/Berlin", 1792890000, {2026, 10, 25}, 2, true},
            {"Berlin, spring", "Europe/Berlin", 1774746000, {2026, 3, 29}, 2, false},
            {"New York, autumn", "America/New_York", 1793512800, {2026, 11, 1}, 1, true},
            {"New York, spring", "America/New_York", 1772953200, {2026, 3, 8}, 2, false},
        };
        for (const Change &c : changes)
            for (const char *mode : {"Once", "Hourly", "Daily", "Weekly", "Monthly", "Yearly"}) {
                // An hourly alarm also rings in the hours around the skipped one.
                const int rings = c.repeats ? 1 : QByteArray(mode) == "Hourly" ? 2 : 0;
                QTest::addRow("%s, %s", c.name, mode) << QByteArray(c.zone) << c.utc << c.date << c.hour
                                                      << QString(mode) << rings;
            }
    }
    void summerTimeChange()
    {
        QFETCH(QByteArray, zone);
        QFETCH(qint64, change);
        QFETCH(QDate, date);
        QFETCH(int, hour);
        QFETCH(QString, mode);
        QFETCH(int, rings);
        // Each mode's other fields differ from the day's, so only the ones it compares match.
        const QDate stored = mode == "Once" ? date : mode == "Weekly" ? date.addDays(-14)
                           : mode == "Monthly"                        ? date.addMonths(-1)
                                                                      : date.addYears(-3);
        store_.Append(1, {"", mode}, {stored.year(), stored.month(), stored.day(), uint16_t(hour), 30, 0});
        qint64 ms = (change - 3900) * 1000;
        UseRealTime(zone, ms);
        AlarmPass pass;
        for (; ms < (change + 3900) * 1000; ms += 500)
            pass.Run(store_, [&](int id) {
                fired_.append(id);
                ms += 2000; // the reminder is closed two seconds later
            });
        QCOMPARE(fired_.size(), rings);
        // An hour that never was holds nothing missed.
        QCOMPARE(Missed(pass), "");
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
        // The clock set back a little, into the second that rang, or late ticks: no second ring.
        for (int s : {0, 2, -2, 0, 1}) {
            SetClock(2027, 3, 1, 8, 0, 0, 100);
            Advance(s * 1000);
            pass.Run(store_, Reminder(150));
        }
        QCOMPARE(fired_, QList<int>({1}));
        // An hour set back by hand rings it again, and so does the next day.
        SetClock(2027, 3, 1, 7, 0, 0);
        pass.Run(store_, Reminder(150));
        SetClock(2027, 3, 1, 8, 0, 0);
        pass.Run(store_, Reminder(150));
        SetClock(2027, 3, 2, 8, 0, 0, 0);
        TickFor(pass, 1000, Reminder(150));
        QCOMPARE(fired_, QList<int>({1, 1, 1}));
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
        QCOMPARE(Missed(pass), "2 at 09:00:00, 1 in all");
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
        QCOMPARE(Missed(pass), "2 at 09:00:05, 1 in all");
        // Listed once: later passes find nothing more.
        TickFor(pass, 3000, Reminder(100));
        QCOMPARE(Missed(pass), "");
    }

    void aReusedIdentifierHasNoPast()
    {
        store_.Append(1, {"old", "Hourly"}, {2027, 1, 1, 0, 30, 0});
        AlarmPass pass;
        SetClock(2027, 3, 1, 9, 0, 0);
        pass.Run(store_, Reminder(100));
        store_.Remove(0);
        for (int s = 0; s < 7200; ++s) { // two hours without it
            Advance(1000);
            pass.Run(store_, Reminder(100));
        }
        store_.Append(1, {"new", "Hourly"}, {2027, 1, 1, 0, 30, 0});
        Advance(1000);
        pass.Run(store_, Reminder(100));
        QCOMPARE(Missed(pass), "");
    }

    void clockSetBackStillListsWhatAReminderHid()
    {
        store_.Append(1, {"a", "Daily"}, {2027, 1, 1, 9, 0, 0});
        store_.Append(2, {"b", "Daily"}, {2027, 1, 1, 9, 0, 5});
        AlarmPass pass;
        SetClock(2027, 3, 1, 10, 0, 0);
        pass.Run(store_, Reminder(100));
        SetClock(2027, 3, 1, 8, 59, 59); // set back by hand
        TickFor(pass, 3000, Reminder(30000));
        QCOMPARE(fired_, QList<int>({1}));
        QCOMPARE(Missed(pass), "2 at 09:00:05, 1 in all");
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
