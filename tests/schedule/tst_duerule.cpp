#include "schedule/DueRule.h"

#include <QTest>

namespace {
DateTimeParts At(int y, int mo, int d, int h, int mi, int s, int ms = 0)
{
    return DateTimeParts{y, mo, d, h, mi, s, ms};
}
} // namespace

class TestDueRule : public QObject {
    Q_OBJECT

private slots:
    void onceMatchesOnlyItsSecond()
    {
        const AlarmTime t{2027, 3, 1, 7, 0, 0};
        QVERIFY(IsDue("Once", t, At(2027, 3, 1, 7, 0, 0)));
        QVERIFY(IsDue("Once", t, At(2027, 3, 1, 7, 0, 0, 999)));
        QVERIFY(!IsDue("Once", t, At(2027, 3, 1, 7, 0, 1)));
        QVERIFY(!IsDue("Once", t, At(2028, 3, 1, 7, 0, 0)));
        QVERIFY(!IsDue("Once", t, At(2027, 3, 2, 7, 0, 0)));
        QVERIFY(!IsDue("Once", t, At(2027, 3, 1, 19, 0, 0)));
    }

    void hourlyIgnoresDateAndHour()
    {
        const AlarmTime t{2004, 7, 14, 20, 30, 25};
        for (int h = 0; h < 24; ++h)
            QVERIFY(IsDue("Hourly", t, At(2031, 12, 31, h, 30, 25)));
        QVERIFY(!IsDue("Hourly", t, At(2031, 12, 31, 20, 31, 25)));
        QVERIFY(!IsDue("Hourly", t, At(2031, 12, 31, 20, 30, 26)));
    }

    void dailyIgnoresTheDate()
    {
        const AlarmTime t{1999, 1, 1, 7, 0, 0};
        QVERIFY(IsDue("Daily", t, At(2027, 6, 15, 7, 0, 0)));
        QVERIFY(!IsDue("Daily", t, At(2027, 6, 15, 8, 0, 0)));
    }

    void weeklyFollowsTheStoredWeekday()
    {
        // 2024-12-04 was a Wednesday, two years before these Wednesdays.
        const AlarmTime t{2024, 12, 4, 9, 15, 0};
        QVERIFY(IsDue("Weekly", t, At(2026, 12, 2, 9, 15, 0)));
        QVERIFY(IsDue("Weekly", t, At(2026, 12, 9, 9, 15, 0)));
        QVERIFY(IsDue("Weekly", t, At(2030, 1, 2, 9, 15, 0))); // a future Wednesday too
        QVERIFY(!IsDue("Weekly", t, At(2026, 12, 3, 9, 15, 0)));
        QVERIFY(!IsDue("Weekly", t, At(2026, 12, 2, 9, 15, 1)));
        // A stored date that is no date is never due, whatever the weekday.
        for (int day = 1; day <= 7; ++day) {
            QVERIFY(!IsDue("Weekly", AlarmTime{2027, 2, 30, 9, 15, 0}, At(2026, 12, day, 9, 15, 0)));
            QVERIFY(!IsDue("Weekly", AlarmTime{0, 0, 0, 9, 15, 0}, At(2026, 12, day, 9, 15, 0)));
        }
    }

    void monthlySkipsMonthsWithoutTheDay()
    {
        const AlarmTime t{2027, 1, 31, 6, 0, 0};
        QVERIFY(IsDue("Monthly", t, At(2027, 1, 31, 6, 0, 0)));
        QVERIFY(IsDue("Monthly", t, At(2027, 3, 31, 6, 0, 0)));
        for (int d = 28; d <= 30; ++d)
            QVERIFY(!IsDue("Monthly", t, At(2027, 4, d, 6, 0, 0)));
        QVERIFY(!IsDue("Monthly", t, At(2027, 5, 1, 6, 0, 0)));
    }

    void yearlyLeapDay()
    {
        const AlarmTime t{2024, 2, 29, 12, 0, 0};
        QVERIFY(IsDue("Yearly", t, At(2028, 2, 29, 12, 0, 0)));
        QVERIFY(!IsDue("Yearly", t, At(2027, 2, 28, 12, 0, 0)));
        QVERIFY(!IsDue("Yearly", t, At(2027, 3, 1, 12, 0, 0)));
        QVERIFY(!IsDue("Yearly", t, At(2028, 3, 29, 12, 0, 0)));
    }

    void unknownModeTextsAreNeverDue()
    {
        const AlarmTime t{2027, 3, 1, 7, 0, 0};
        const auto now = At(2027, 3, 1, 7, 0, 0);
        for (const char *text : {"", "once", "DAILY", " Daily", "Daily ", "Fortnightly"})
            QVERIFY2(!IsDue(QString(text), t, now), text);
    }
};

QTEST_GUILESS_MAIN(TestDueRule)
#include "tst_duerule.moc"
