#include "app/Exception.h"
#include "schedule/RealTimeText.h"
#include "schedule/SnoozeList.h"

#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// The snoozed reminders: a damaged file, which comes back when, a failed write.
class TestSnoozeList : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    const int64_t t0700 = *RealTimeFromText("2027-03-01T07:00:00Z");

private slots:
    void damagedFileLosesOnlyWhatCannotBeRead()
    {
        const QString path = dir_.filePath("Snoozed.ini");
        WriteBytes(path, "[Reminder1]\r\nAlarm=4\r\nDue=2027-03-01T07:10:00Z\r\n"
                         "[Reminder2]\r\nAlarm=300\r\nDue=2027-03-01T07:10:00Z\r\n"
                         "[Reminder3]\r\nAlarm=5\r\nDue=tomorrow\r\n"
                         "[Reminder4]\r\nAlarm=6\r\nDue=2027-03-01T07:10:00\r\n" // no zone
                         "[Other]\r\nAlarm=8\r\nDue=2027-03-01T07:10:00Z\r\n"
                         "\x01\xff garbage\r\n"
                         "[reminder6]\r\nAlarm=9\r\nDue=2027-03-01T08:10:00+01:00\r\nRepeat=0\r\n");
        SnoozeList list(path);
        list.Load();
        QCOMPARE(list.Reminders(), QList<SnoozedReminder>({{4, t0700 + 600, true}, {9, t0700 + 600, false}}));
    }

    void dueInOrderAndNeverFurtherThanTheLongestSnooze()
    {
        SnoozeList list(dir_.filePath("order.ini"));
        list.Add({1, t0700 + 600, true});
        list.Add({2, t0700 + 300, false});
        SnoozedReminder r;
        QVERIFY(!list.TakeDue(t0700 + 299, r));
        QVERIFY(list.TakeDue(t0700 + 900, r)); // both due: the earlier first
        QCOMPARE(r, SnoozedReminder({2, t0700 + 300, false}));
        // The clock set back a day: it waits the longest snooze, no more.
        const int64_t setBack = t0700 - 86400;
        QVERIFY(!list.TakeDue(setBack, r));
        QVERIFY(!list.TakeDue(setBack + SnoozeList::MaxSnoozeSeconds - 1, r));
        QVERIFY(list.TakeDue(setBack + SnoozeList::MaxSnoozeSeconds, r));
        QCOMPARE(r.alarmId, 1);
    }

    void unwritableFileRaises()
    {
        const QString path = dir_.filePath("folder.ini");
        QDir(dir_.path()).mkdir("folder.ini");
        SnoozeList list(path);
        QVERIFY_THROWS_EXCEPTION(EIniFileException, list.Save());
    }
};

QTEST_GUILESS_MAIN(TestSnoozeList)
#include "tst_snoozelist.moc"
