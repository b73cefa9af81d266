#include "schedule/LastRun.h"
#include "schedule/RealTimeText.h"

#include "TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

// The last run's time on disk: written at most once a minute unless asked,
// and a damaged file reads as no run.
class TestLastRun : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void writtenOnceAMinuteOrAtOnce()
    {
        const int64_t t = *RealTimeFromText("2027-03-01T07:00:00Z");
        LastRun lastRun(dir_.filePath("LastRun.ini"));
        const auto noted = [&](int64_t utc, bool now) {
            lastRun.Note(utc, now);
            lastRun.WaitForWrites();
            return lastRun.Read();
        };
        QCOMPARE(noted(t, false), t);
        QCOMPARE(noted(t + 59, false), t);
        QCOMPARE(noted(t + 60, false), t + 60);
        QCOMPARE(noted(t + 61, true), t + 61);          // after an alarm's news
        QCOMPARE(noted(t - 3600, false), t - 3600); // the clock set back
        QCOMPARE(ReadBytes(dir_.filePath("LastRun.ini")), "[LastRun]\r\nTime=2027-03-01T06:00:00Z\r\n");
    }

    void damagedFileReadsAsNoRun()
    {
        for (const char *text : {"[LastRun]\r\nTime=yesterday\r\n", "[LastRun]\r\nTime=2027-03-01T07:00:00\r\n"}) {
            WriteBytes(dir_.filePath("LastRun.ini"), text);
            QCOMPARE(LastRun(dir_.filePath("LastRun.ini")).Read(), std::nullopt);
        }
    }
};

QTEST_GUILESS_MAIN(TestLastRun)
#include "tst_lastrun.moc"
