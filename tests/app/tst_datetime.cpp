#include "app/DateTime.h"
#include "app/Exception.h"
#include "app/Now.h"

#include <QDateTime>
#include <QTest>

class TestDateTime : public QObject {
    Q_OBJECT

private slots:
    void knownDays()
    {
        QCOMPARE(EncodeDate(1899, 12, 30), 0.0);
        QCOMPARE(EncodeDate(1900, 1, 1), 2.0);
        QCOMPARE(EncodeDate(2004, 7, 14), 38182.0);
        QCOMPARE(EncodeDate(1, 1, 1), -693593.0);
        QCOMPARE(DayOfWeek(2004, 7, 14), 4);  // a Wednesday
        QCOMPARE(DayOfWeek(1899, 12, 30), 7); // a Saturday
        QCOMPARE(DayOfWeek(2026, 12, 6), 1);  // a Sunday
        QCOMPARE(DayOfWeek(1, 1, 1), 2);      // a Monday (proleptic)
    }

    void roundTripsAgreeWithQt()
    {
        // Every 17th day over four centuries, at awkward times of day.
        const QDate base(1600, 1, 1);
        for (int i = 0; i < 146097; i += 17) {
            const QDate d = base.addDays(i);
            const int ms = (i * 7919) % 86400000;
            const TDateTime v = EncodeDateTime(d.year(), d.month(), d.day(), ms / 3600000, ms / 60000 % 60,
                                               ms / 1000 % 60, ms % 1000);
            const DateTimeParts p = DecodeDateTime(v);
            QCOMPARE(QDate(p.year, p.month, p.day), d);
            QCOMPARE(((p.hour * 60 + p.minute) * 60 + p.second) * 1000 + p.msec, ms);
            QCOMPARE(DayOfWeek(v), d.dayOfWeek() % 7 + 1);
        }
    }

    void lastMillisecondOfTheDayStaysInIt()
    {
        const DateTimeParts p = DecodeDateTime(EncodeDateTime(2027, 2, 28, 23, 59, 59, 999));
        QCOMPARE(p.day, 28);
        QCOMPARE(p.msec, 999);
    }

    void impossibleDatesAndTimesRaise_data()
    {
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("d");
        QTest::addColumn<int>("h");
        QTest::newRow("month 0") << 2027 << 0 << 1 << 0;
        QTest::newRow("month 13") << 2027 << 13 << 1 << 0;
        QTest::newRow("31 April") << 2027 << 4 << 31 << 0;
        QTest::newRow("29 Feb common") << 2027 << 2 << 29 << 0;
        QTest::newRow("29 Feb 1900") << 1900 << 2 << 29 << 0;
        QTest::newRow("day 0") << 2027 << 1 << 0 << 0;
        QTest::newRow("year 0") << 0 << 1 << 1 << 0;
        QTest::newRow("hour 24") << 2027 << 1 << 1 << 24;
    }
    void impossibleDatesAndTimesRaise()
    {
        QFETCH(int, y);
        QFETCH(int, m);
        QFETCH(int, d);
        QFETCH(int, h);
        QVERIFY_THROWS_EXCEPTION(EConvertError, EncodeDateTime(y, m, d, h, 0, 0, 0));
        QVERIFY(EncodeDate(2028, 2, 29) > 0); // a leap day is fine
        QVERIFY(EncodeDate(2000, 2, 29) > 0);
    }

    void nowFollowsTheSystemClockOrTheFake()
    {
        const QDateTime before = QDateTime::currentDateTime();
        const DateTimeParts p = NowParts();
        const DateTimeParts q = DecodeDateTime(Now());
        const QDateTime after = QDateTime::currentDateTime();
        const QDateTime seen(QDate(p.year, p.month, p.day), QTime(p.hour, p.minute, p.second, p.msec));
        QVERIFY(seen >= before.addMSecs(-1) && seen <= after);
        QVERIFY(QDate(q.year, q.month, q.day) == seen.date() || QDate(q.year, q.month, q.day) == after.date());

        SetNowOverride([] { return EncodeDateTime(2027, 3, 1, 6, 59, 58, 0); });
        QCOMPARE(NowParts().minute, 59);
        QCOMPARE(DecodeDateTime(Now()).hour, 6);
        SetNowOverride({});
        QCOMPARE(NowParts().year, QDate::currentDate().year());
    }
};

QTEST_GUILESS_MAIN(TestDateTime)
#include "tst_datetime.moc"
