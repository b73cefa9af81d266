#include "app/DateTime.h"
#include "schedule/Occurrences.h"

#include <QTest>

namespace {
int64_t At(int y, int mo, int d, int h, int mi, int s)
{
    return SecondCount({y, mo, d, h, mi, s, 0});
}

QString Shown(int64_t second)
{
    const DateTimeParts p = PartsOfSecondCount(second);
    return QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day, p.hour, p.minute, p.second);
}
} // namespace

Q_DECLARE_METATYPE(AlarmTime)

// Which occurrences of an alarm a stretch of time holds, for the list of
// missed alarms: by the due rule of each mode, the stretch's first second in
// and its last out, the latest three kept.
class TestOccurrences : public QObject {
    Q_OBJECT

private slots:
    void occurrencesOfEachMode_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<AlarmTime>("alarm");
        QTest::addColumn<int64_t>("from");
        QTest::addColumn<int64_t>("to");
        QTest::addColumn<QStringList>("latest");
        QTest::addColumn<int>("total");

        const int64_t morning = At(2027, 3, 1, 6, 0, 0), noon = At(2027, 3, 1, 12, 0, 0);
        QTest::newRow("once, inside") << "Once" << AlarmTime{2027, 3, 1, 7, 0, 0} << morning << noon
                                      << QStringList{"2027-03-01 07:00:00"} << 1;
        QTest::newRow("once, another day") << "Once" << AlarmTime{2027, 3, 2, 7, 0, 0} << morning << noon
                                           << QStringList{} << 0;
        QTest::newRow("first second in") << "Once" << AlarmTime{2027, 3, 1, 6, 0, 0} << morning << noon
                                         << QStringList{"2027-03-01 06:00:00"} << 1;
        QTest::newRow("last second out") << "Once" << AlarmTime{2027, 3, 1, 12, 0, 0} << morning << noon
                                         << QStringList{} << 0;
        QTest::newRow("hourly, a whole day") << "Hourly" << AlarmTime{2004, 7, 14, 20, 30, 25}
                                             << At(2027, 3, 1, 9, 0, 0) << At(2027, 3, 2, 9, 0, 0)
                                             << QStringList{"2027-03-02 06:30:25", "2027-03-02 07:30:25",
                                                            "2027-03-02 08:30:25"}
                                             << 24;
        QTest::newRow("daily, over midnight") << "Daily" << AlarmTime{1999, 1, 1, 23, 59, 59}
                                              << At(2027, 3, 1, 0, 0, 0) << At(2027, 3, 2, 23, 0, 0)
                                              << QStringList{"2027-03-01 23:59:59"} << 1;
        QTest::newRow("weekly, its weekday only") << "Weekly" << AlarmTime{2025, 3, 5, 18, 0, 0} // a Wednesday
                                                  << At(2027, 3, 1, 0, 0, 0) << At(2027, 3, 10, 0, 0, 0)
                                                  << QStringList{"2027-03-03 18:00:00"} << 1;
        QTest::newRow("monthly, no 31 April") << "Monthly" << AlarmTime{2027, 1, 31, 8, 0, 0}
                                              << At(2027, 3, 30, 0, 0, 0) << At(2027, 5, 2, 0, 0, 0)
                                              << QStringList{"2027-03-31 08:00:00"} << 1;
        QTest::newRow("yearly, 29 February of a leap year") << "Yearly" << AlarmTime{2024, 2, 29, 8, 0, 0}
                                                            << At(2028, 2, 28, 12, 0, 0) << At(2028, 3, 1, 12, 0, 0)
                                                            << QStringList{"2028-02-29 08:00:00"} << 1;
        QTest::newRow("no mode") << "" << AlarmTime{2027, 3, 1, 7, 0, 0} << morning << noon << QStringList{} << 0;
        QTest::newRow("a minute no clock shows") << "Hourly" << AlarmTime{2027, 3, 1, 7, 75, 0} << morning << noon
                                                 << QStringList{} << 0;
        QTest::newRow("nothing between") << "Hourly" << AlarmTime{2027, 3, 1, 7, 0, 0} << noon << morning
                                         << QStringList{} << 0;
    }
    void occurrencesOfEachMode()
    {
        QFETCH(QString, mode);
        QFETCH(AlarmTime, alarm);
        QFETCH(int64_t, from);
        QFETCH(int64_t, to);
        QFETCH(QStringList, latest);
        QFETCH(int, total);
        const Occurrences found = OccurrencesIn(mode, alarm, from, to, 3);
        QStringList shown;
        for (const int64_t second : found.latest)
            shown << Shown(second);
        QCOMPARE(shown, latest);
        QCOMPARE(found.total, total);
    }
};

QTEST_GUILESS_MAIN(TestOccurrences)
#include "tst_occurrences.moc"
