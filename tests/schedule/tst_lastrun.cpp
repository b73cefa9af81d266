#include "schedule/LastRun.h"
#include "schedule/RealTimeText.h"

#include "TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

// The last run's time on disk: how often it is written, and what a damaged
// file reads as.
class TestLastRun : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString Path() const { return dir_.filePath("LastRun.ini"); }

    std::optional<int64_t> Written(LastRun &lastRun)
    {
        lastRun.WaitForWrites();
        return lastRun.Read();
    }

private slots:
    void writtenOnceAMinuteOrAtOnce()
    {
        const int64_t t = *RealTimeFromText("2027-03-01T07:00:00Z");
        LastRun lastRun(Path());
        QCOMPARE(lastRun.Read(), std::nullopt);
        lastRun.Note(t, false);
        QCOMPARE(Written(lastRun), t);
        QVERIFY(ReadBytes(Path()) == "[LastRun]\r\nTime=2027-03-01T07:00:00Z\r\n");
        lastRun.Note(t + 59, false);
        QCOMPARE(Written(lastRun), t);
        lastRun.Note(t + 60, false);
        QCOMPARE(Written(lastRun), t + 60);
        lastRun.Note(t + 61, true); // an alarm's news
        QCOMPARE(Written(lastRun), t + 61);
        lastRun.Note(t - 3600, false); // the clock set back
        QCOMPARE(Written(lastRun), t - 3600);
    }

    void damagedFileReadsAsNoRun()
    {
        for (const QByteArray &text : {QByteArray("[LastRun]\r\nTime=yesterday\r\n"), QByteArray("\xff\xfe\x00garbage"),
                                       QByteArray("[LastRun]\r\nTime=2027-03-01T07:00:00\r\n")}) {
            WriteBytes(Path(), text);
            QCOMPARE(LastRun(Path()).Read(), std::nullopt);
        }
    }
};

QTEST_GUILESS_MAIN(TestLastRun)
#include "tst_lastrun.moc"
