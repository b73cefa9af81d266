#include "app/DateTime.h"
#include "schedule/Occurrences.h"

#include <QTest>

Q_DECLARE_METATYPE(AlarmTime)

// Which occurrences of an alarm a stretch of time holds, for the list of
// missed alarms: by the due rule of each mode, the stretch's first second in
// and its last out, the latest two kept.
class TestOccurrences : public QObject {
    Q_OBJECT

    static int64_t At(int d, int h, int mi = 0, int s = 0, int mo = 3) { return SecondCount({2027, mo, d, h, mi, s, 0}); }

private slots:
    void occurrencesOfEachMode_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<AlarmTime>("alarm");
        QTest::addColumn<int64_t>("from");
        QTest::addColumn<int64_t>("to");
        QTest::addColumn<QList<int64_t>>("latest");
        QTest::addColumn<int>("total");
        const auto row = [](const char *name, const char *mode, AlarmTime alarm, int64_t from, int64_t to,
                            QList<int64_t> latest, int total) {
            QTest::newRow(name) << QString(mode) << alarm << from << to << latest << total;
        };
        row("once, first second in", "Once", {2027, 3, 1, 6, 0, 0}, At(1, 6), At(1, 12), {At(1, 6)}, 1);
        row("once, last second out", "Once", {2027, 3, 1, 12, 0, 0}, At(1, 6), At(1, 12), {}, 0);
        row("hourly, a whole day", "Hourly", {2004, 7, 14, 20, 30, 25}, At(1, 9), At(2, 9),
            {At(2, 7, 30, 25), At(2, 8, 30, 25)}, 24);
        row("daily, over midnight", "Daily", {1999, 1, 1, 23, 59, 59}, At(1, 0), At(2, 23), {At(1, 23, 59, 59)}, 1);
        row("weekly, its weekday only", "Weekly", {2025, 3, 5, 18, 0, 0}, At(1, 0), At(10, 0), {At(3, 18)}, 1);
        row("monthly, no 31 April", "Monthly", {2027, 1, 31, 8, 0, 0}, At(30, 0), At(2, 0, 0, 0, 5), {At(31, 8)}, 1);
        row("yearly, 29 February of 2028", "Yearly", {2024, 2, 29, 8, 0, 0}, SecondCount({2028, 2, 28, 0, 0, 0, 0}),
            SecondCount({2028, 3, 1, 0, 0, 0, 0}), {SecondCount({2028, 2, 29, 8, 0, 0, 0})}, 1);
        row("no mode", "", {2027, 3, 1, 7, 0, 0}, At(1, 6), At(1, 12), {}, 0);
        row("a minute no clock shows", "Hourly", {2027, 3, 1, 7, 75, 0}, At(1, 6), At(1, 12), {}, 0);
    }
    void occurrencesOfEachMode()
    {
        QFETCH(QString, mode);
        QFETCH(AlarmTime, alarm);
        QFETCH(int64_t, from);
        QFETCH(int64_t, to);
        QFETCH(QList<int64_t>, latest);
        QFETCH(int, total);
        const Occurrences found = OccurrencesIn(mode, alarm, from, to, 2);
        QCOMPARE(found.latest, latest);
        QCOMPARE(found.total, total);
    }
};

QTEST_GUILESS_MAIN(TestOccurrences)
#include "tst_occurrences.moc"
