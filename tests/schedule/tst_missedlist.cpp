#include "schedule/MissedList.h"

#include <QTest>

namespace {
MissedAlarm Missed(int id, int64_t first, int count, int total)
{
    MissedAlarm m{id, QStringLiteral("alarm %1").arg(id), {}};
    for (int i = 0; i < count; ++i)
        m.when.latest << first + i * 3600;
    m.when.total = total;
    return m;
}
} // namespace

// The window's list: one entry per alarm, its latest ten occurrences and how
// many in all, the entries in the order of their earliest listed occurrence.
class TestMissedList : public QObject {
    Q_OBJECT

private slots:
    void oneEntryPerAlarmWithItsLatestTen()
    {
        MissedList list;
        list.Add(Missed(7, 50000, 1, 1));
        list.Add(Missed(3, 10000, 8, 8));
        // The same alarm missed again while listed: its entry grows, its
        // oldest occurrences go beyond ten, the count keeps them.
        list.Add(Missed(3, 40000, 5, 5));
        list.Add(Missed(9, 0, 0, 0)); // nothing missed: nothing listed
        QCOMPARE(list.Entries().size(), 2);
        const MissedAlarm &three = list.Entries()[0];
        QCOMPARE(three.alarmId, 3);
        QCOMPARE(three.when.total, 13);
        QCOMPARE(three.when.latest.size(), MissedList::MaxListed);
        QCOMPARE(three.when.latest.first(), 10000 + 3 * 3600);
        QCOMPARE(three.when.latest.last(), 40000 + 4 * 3600);
        // Alarm 3's earliest listed one is now later than alarm 7's.
        list.Add(Missed(3, 60000, 10, 10));
        QCOMPARE(list.Entries()[0].alarmId, 7);
        QCOMPARE(list.Entries()[1].when.total, 23);
        list.Clear();
        QVERIFY(list.IsEmpty());
    }
};

QTEST_GUILESS_MAIN(TestMissedList)
#include "tst_missedlist.moc"
