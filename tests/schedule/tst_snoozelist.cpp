#include "app/Exception.h"
#include "schedule/RealTimeText.h"
#include "schedule/SnoozeList.h"

#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {
const int64_t k0700 = *RealTimeFromText(QStringLiteral("2027-03-01T07:00:00Z"));
} // namespace

// The snoozed reminders: their file, damaged or not, and which comes back when.
class TestSnoozeList : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString Path() const { return dir_.filePath("Snoozed.ini"); }

private slots:
    void keptAcrossARestart()
    {
        SnoozeList list(Path());
        list.Add({3, k0700 + 600, false});
        list.Add({12, k0700 + 60, true});
        list.Save();
        QVERIFY(ReadBytes(Path()).contains("Due=2027-03-01T07:10:00Z\r\n"));
        SnoozeList again(Path());
        again.Load();
        QCOMPARE(again.Reminders(), list.Reminders());
        // Nothing left: an empty list, not the old one.
        again.DropAlarm(3);
        again.DropAlarm(12);
        again.Save();
        list.Load();
        QVERIFY(list.Reminders().isEmpty());
    }

    void damagedFileLosesOnlyWhatCannotBeRead()
    {
        WriteBytes(Path(), "[Reminder1]\r\nAlarm=4\r\nDue=2027-03-01T07:10:00Z\r\n"
                           "[Reminder2]\r\nAlarm=300\r\nDue=2027-03-01T07:10:00Z\r\n"
                           "[Reminder3]\r\nAlarm=5\r\nDue=tomorrow\r\n"
                           "[Reminder4]\r\nAlarm=6\r\nDue=2027-03-01T07:10:00\r\n" // no zone
                           "[Reminder5]\r\nAlarm=x\r\nDue=2027-03-01T07:10:00Z\r\n"
                           "[Other]\r\nAlarm=8\r\nDue=2027-03-01T07:10:00Z\r\n"
                           "\x01\xff garbage line\r\n"
                           "[reminder6]\r\nAlarm=9\r\nDue=2027-03-01T08:10:00+01:00\r\nRepeat=0\r\n");
        SnoozeList list(Path());
        list.Load();
        QCOMPARE(list.Reminders(), QList<SnoozedReminder>({{4, k0700 + 600, true}, {9, k0700 + 600, false}}));
        // Not a file at all: nothing, and no crash.
        QDir(dir_.path()).mkdir("folder.ini");
        SnoozeList folder(dir_.filePath("folder.ini"));
        folder.Load();
        QVERIFY(folder.Reminders().isEmpty());
    }

    void dueInTheOrderOfTheirTimes()
    {
        SnoozeList list(Path());
        list.Add({1, k0700 + 600, true});
        list.Add({2, k0700 + 300, false});
        SnoozedReminder r;
        QVERIFY(!list.TakeDue(k0700 + 299, r));
        QVERIFY(list.TakeDue(k0700 + 3600, r)); // both due: the earlier first
        QCOMPARE(r, SnoozedReminder({2, k0700 + 300, false}));
        QVERIFY(list.TakeDue(k0700 + 3600, r));
        QCOMPARE(r.alarmId, 1);
        QVERIFY(!list.TakeDue(k0700 + 3600, r));
    }

    void clockSetBackWaitsNoLongerThanTheLongestSnooze()
    {
        SnoozeList list(Path());
        list.Add({1, k0700 + 600, true});
        SnoozedReminder r;
        const int64_t setBack = k0700 - 86400;
        QVERIFY(!list.TakeDue(setBack, r));
        QVERIFY(!list.TakeDue(setBack + SnoozeList::MaxSnoozeSeconds - 1, r));
        QVERIFY(list.TakeDue(setBack + SnoozeList::MaxSnoozeSeconds, r));
    }

    void unwritableFileRaises()
    {
        const QString path = dir_.filePath("unwritable/Snoozed.ini");
        QDir(dir_.path()).mkpath("unwritable/Snoozed.ini");
        SnoozeList list(path);
        list.Add({1, k0700, true});
        try {
            list.Save();
            QFAIL("no error");
        } catch (const EIniFileException &e) {
            QCOMPARE(e.Message(), "Unable to write to " + path);
        }
    }
};

QTEST_GUILESS_MAIN(TestSnoozeList)
#include "tst_snoozelist.moc"
