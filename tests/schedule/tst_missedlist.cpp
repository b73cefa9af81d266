#include "schedule/MissedList.h"

#include <QTest>

// The window's list: one entry per alarm, its latest ten occurrences and how
// many in all, the entries in the order of their earliest listed occurrence.
class TestMissedList : public QObject {
    Q_OBJECT

    static MissedAlarm Missed(int id, int64_t first, int count)
    {
        MissedAlarm m{id, QString(), {{}, count}};
        for (int i = 0; i < count; ++i)
            m.when.latest << first + i;
        return m;
    }

private slots:
    void oneEntryPerAlarmWithItsLatestTen()
    {
        MissedList list;
        list.Add(Missed(7, 50, 1));
        list.Add(Missed(3, 10, 8));
        list.Add(Missed(3, 40, 5)); // missed again while listed
        list.Add(Missed(9, 0, 0));  // nothing missed: not listed
        QCOMPARE(list.Entries().size(), 2);
        QCOMPARE(list.Entries()[0].when.latest, QList<int64_t>({13, 14, 15, 16, 17, 40, 41, 42, 43, 44}));
        QCOMPARE(list.Entries()[0].when.total, 13);
        // Alarm 3's earliest listed occurrence is now later than alarm 7's.
        list.Add(Missed(3, 60, 10));
        QCOMPARE(list.Entries()[0].alarmId, 7);
        QCOMPARE(list.Entries()[1].when.total, 23);
    }
};

QTEST_GUILESS_MAIN(TestMissedList)
#include "tst_missedlist.moc"
