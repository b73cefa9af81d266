#include "schedule/ChimeTest.h"

#include <QTest>

// The chime rule: which seconds call for a chime under each option, and that
// a chime starts once in its second however often the scheduler looks.
class TestChimeTest : public QObject {
    Q_OBJECT

    static DateTimeParts At(int hour, int minute, int second, int day = 1)
    {
        return {2027, 3, day, hour, minute, second, 0};
    }

private slots:
    void chimeMinutesOfEachInterval_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("hourly");
        QTest::addColumn<bool>("halfHourly");
        QTest::addColumn<bool>("quarterHourly");
        QTest::addColumn<QList<int>>("minutes");
        QTest::newRow("hourly") << true << true << false << false << QList<int>{0};
        QTest::newRow("half hourly") << true << false << true << false << QList<int>{0, 30};
        QTest::newRow("quarter hourly") << true << false << false << true << QList<int>{0, 15, 30, 45};
        QTest::newRow("chimes off") << false << true << true << true << QList<int>{};
        QTest::newRow("no interval selected") << true << false << false << false << QList<int>{};
    }
    void chimeMinutesOfEachInterval()
    {
        QFETCH(bool, enabled);
        QFETCH(bool, hourly);
        QFETCH(bool, halfHourly);
        QFETCH(bool, quarterHourly);
        QFETCH(QList<int>, minutes);
        const ChimeSettings settings{enabled, hourly, halfHourly, quarterHourly};
        QList<int> chimed;
        for (int minute = 0; minute < 60; ++minute)
            for (int second = 0; second < 60; ++second)
                if (IsChimeSecond(settings, minute, second)) {
                    QCOMPARE(second, 0);
                    chimed << minute;
                }
        QCOMPARE(chimed, minutes);
    }

    void startsOnceInItsSecond()
    {
        const ChimeSettings quarter{true, false, false, true};
        ChimeTest test;
        QVERIFY(test.Due(quarter, At(14, 0, 0)));
        QVERIFY(!test.Due(quarter, At(14, 0, 0))); // a second look in the same second
        QVERIFY(!test.Due(quarter, At(14, 0, 1)));
        // The next chime, even when no tick came between.
        QVERIFY(test.Due(quarter, At(14, 15, 0)));
        QVERIFY(!test.Due(quarter, At(14, 15, 0)));
        // The same minute of another day.
        QVERIFY(test.Due(quarter, At(14, 15, 0, 2)));

        // The clock set back an hour (end of summer time): the hour chimes again.
        const ChimeSettings hourly{true, true, false, false};
        ChimeTest again;
        QVERIFY(again.Due(hourly, At(2, 0, 0)));
        QVERIFY(!again.Due(hourly, At(2, 0, 1)));
        QVERIFY(again.Due(hourly, At(2, 0, 0)));
    }
};

QTEST_GUILESS_MAIN(TestChimeTest)
#include "tst_chimetest.moc"
