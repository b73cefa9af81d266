#include "BlockingEngine.h"

#include "app/DateTime.h"
#include "player/AsyncEngine.h"
#include "player/PlayerRuntime.h"
#include "player/TFilterGraph.h"
#include "store/AlarmFiles.h"
#include "windows/TFormMain.h"
#include "windows/TFormMissed.h"
#include "windows/TFormReminder.h"

#include "ErrorBoxCapture.h"
#include "TestFiles.h"
#include "TestProgramFolder.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <memory>

// The manager's scheduler with the real reminder window, a fake clock and a
// stand-in sound engine. The test plays both the timer, ticking when it
// chooses (the tick is the timer's own handler), and the user, who notes each
// reminder that opens and closes it.
class TestScheduler : public QObject {
    Q_OBJECT

    struct Seen {
        int alarmId;
        bool repeat;
        bool schedulerRunning;
        QString message;
        TDateTime clock;
        int slowRendersDone;
    };

    std::unique_ptr<TestProgramFolder> dir_;
    TDateTime clock_ = 0;
    QList<Seen> seen_;
    ErrorBoxCapture errors_;
    // Run when a reminder shows, before it is closed (the user reading it).
    std::function<void()> whileShown_;
    // The user closes reminders with "Snooze" rather than "Close".
    bool snooze_ = false;

    void AddAlarm(int id, AlarmMode mode, const AlarmTime &t, const QStringList &message, bool withMessage = true,
                  const QString &sound = QString())
    {
        AlarmFiles::WriteSettings(id, mode, t, sound);
        if (withMessage)
            AlarmFiles::WriteMessage(id, message);
        FormMain->Alarms.Append(id, {AlarmStore::CaptionOf(message), AlarmModeName(mode)}, t);
    }
    void Daily(int id, int h, int m, int s, const QString &sound = QString())
    {
        AddAlarm(id, AlarmMode::Daily, {2027, 1, 1, uint16_t(h), uint16_t(m), uint16_t(s)}, {QString::number(id)}, true, sound);
    }
    void SetClock(int h, int m, int s, int ms = 0, int day = 1) { clock_ = EncodeDateTime(2027, 3, day, h, m, s, ms); }
    void Advance(int seconds) { clock_ += seconds / 86400.0; }
    // One tick of the scheduler's timer, as the timer itself runs it.
    void Tick() { QVERIFY(QMetaObject::invokeMethod(FormMain->Timer, "timeout")); }
    // The manager and the reminder made anew, as a restart of the program makes them.
    void Restart()
    {
        delete FormReminder;
        delete FormMain;
        FormMain = new TFormMain;
        FormMain->chkChimes->setChecked(false);
        FormReminder = new TFormReminder;
        FormReminder->installEventFilter(this);
    }
    // The rows of the "Missed alarms" window while it shows: "<due> | <message>".
    static QStringList MissedRows()
    {
        QStringList rows;
        if (FormMissed && FormMissed->isVisible())
            for (int i = 0; i < FormMissed->ListMissed->topLevelItemCount(); ++i)
                rows << FormMissed->ListMissed->topLevelItem(i)->text(0) + " | "
                        + FormMissed->ListMissed->topLevelItem(i)->text(1);
        return rows;
    }
    QList<int> Fired() const
    {
        QList<int> ids;
        for (const Seen &s : seen_)
            ids << s.alarmId;
        return ids;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == FormReminder && event->type() == QEvent::Show) {
            seen_.append({FormReminder->AlarmId, FormReminder->RepeatFlag, FormMain->Timer->isActive(),
                          FormReminder->Memo->toPlainText(), clock_, BlockingEngine::Shared().slowRendersDone});
            if (whileShown_)
                whileShown_();
            QTimer::singleShot(0, snooze_ ? FormReminder->ButtonSnooze : FormReminder->ButtonClose, &QPushButton::click);
        }
        return false;
    }

private slots:
    void init()
    {
        dir_ = std::make_unique<TestProgramFolder>([this] { return clock_; });
        qputenv("XDG_CONFIG_HOME", dir_->filePath("config").toUtf8());
        BlockingEngine::Reset(QStringLiteral("/mnt/hung/slow.wav"), 10000);
        SetPlaybackEngineFactory([] { return std::make_unique<BlockingEngine>(); });
        SetClock(6, 0, 0);
        seen_.clear();
        errors_.shown.clear();
        whileShown_ = nullptr;
        snooze_ = false;
        FormMain = new TFormMain;
        // These tests listen to the reminder's sound alone: no chime at the full hour.
        FormMain->chkChimes->setChecked(false);
        FormReminder = new TFormReminder;
        FormReminder->installEventFilter(this);
    }
    void cleanupTestCase() { QVERIFY(BlockingEngine::WaitForEnginesToClose()); }
    void cleanup()
    {
        BlockingEngine::ReleaseAll();
        delete FormMissed;
        delete FormReminder;
        delete FormMain;
        FormMissed = nullptr;
        FormReminder = nullptr;
        FormMain = nullptr;
        SetPlaybackEngineFactory({});
        dir_.reset();
    }

    void firesOnceInItsSecondWithTheRepeatOptionOfTheMoment()
    {
        AddAlarm(4, AlarmMode::Daily, {2027, 1, 1, 7, 0, 0}, {"Pill", "with water"});
        Tick();
        QVERIFY(seen_.isEmpty());

        // Closed within its second: the next ticks in that second ring nothing.
        SetClock(7, 0, 0);
        Tick();
        QCOMPARE(seen_.size(), 1);
        Tick();
        Tick();
        QCOMPARE(seen_.size(), 1);
        QCOMPARE(seen_[0].alarmId, 4);
        QVERIFY(seen_[0].repeat);
        QVERIFY(!seen_[0].schedulerRunning);
        QCOMPARE(seen_[0].message, QString("Pill\nwith water"));
        QVERIFY(!FormReminder->isVisible());
        QVERIFY(FormMain->Timer->isActive());

        // "Repeat alarm sound" changed on the page: the next firing takes it.
        FormMain->chkRepeat->setChecked(false);
        SetClock(7, 0, 0, 0, 2);
        Tick();
        QCOMPARE(seen_.size(), 2);
        QVERIFY(!seen_[1].repeat);
        QVERIFY(errors_.shown.isEmpty());
    }

    void tickComesJustAfterEachSecondBegins()
    {
        // Created at 06:00:00.000: the first tick is due at 06:00:01.003.
        QCOMPARE(FormMain->Timer->interval(), 1003);
        SetClock(6, 0, 0, 750);
        QTRY_COMPARE_WITH_TIMEOUT(FormMain->Timer->interval(), 253, 10000);
        QVERIFY(FormMain->Timer->isActive());
    }

    void failingReminderShowsOneErrorAndTheSchedulerGoesOn()
    {
        AddAlarm(3, AlarmMode::Daily, {2027, 1, 1, 10, 0, 0}, {"lost"}, false);
        AddAlarm(5, AlarmMode::Daily, {2027, 1, 1, 10, 0, 1}, {"next"});
        SetClock(10, 0, 0);
        Tick();
        Tick();
        QCOMPARE(errors_.shown, QStringList({"Cannot open file " + AlarmFiles::MessagePath(3) + "."}));
        QVERIFY(seen_.isEmpty());
        QVERIFY(FormMain->Timer->isActive());
        SetClock(10, 0, 1);
        Tick();
        QCOMPARE(Fired(), QList<int>({5}));
        QCOMPARE(errors_.shown.size(), 1);
    }

    void soundIsReadiedJustBeforeItsAlarmOnly()
    {
        AddAlarm(6, AlarmMode::Hourly, {2027, 1, 1, 0, 30, 0}, {"stretch"}, true, "/music/tone.wav");
        AddAlarm(7, AlarmMode::Hourly, {2027, 1, 1, 0, 40, 0}, {"silent"});
        TFilterGraph *graph = FormReminder->FilterGraph;
        // The tick queues the readying: running the posted events runs it.
        SetClock(6, 20, 0);
        Tick();
        QCoreApplication::sendPostedEvents();
        QVERIFY(!graph->Active()); // nothing near: nothing loaded
        // Two seconds before the silent alarm: no engine for it.
        SetClock(6, 39, 58);
        Tick();
        QCoreApplication::sendPostedEvents();
        QVERIFY(!graph->Active());
        // Two seconds before the alarm with a sound: loaded, not playing.
        SetClock(6, 29, 58);
        Tick();
        QTRY_VERIFY_WITH_TIMEOUT(graph->Active() && graph->Engine()->HasSound(), 10000);
        QCOMPARE(BlockingEngine::LastRendered(), QString("/music/tone.wav"));
        QCOMPARE(BlockingEngine::Shared().playing.load(), 0);
        QVERIFY(seen_.isEmpty());
    }

    void soundThatBlocksDelaysNeitherItsReminderNorTheNextAlarm()
    {
        // The first alarm's sound takes 10 s to open (a hung network mount);
        // the second alarm, five seconds later, has a sound that opens at once.
        AddAlarm(1, AlarmMode::Daily, {2027, 1, 1, 11, 0, 0}, {"slow"}, true, "/mnt/hung/slow.wav");
        AddAlarm(2, AlarmMode::Daily, {2027, 1, 1, 11, 0, 5}, {"quick"}, true, "/music/quick.wav");
        SetClock(10, 59, 58); // its sound is readied now, and blocks
        Tick();
        QTRY_COMPARE_WITH_TIMEOUT(BlockingEngine::Shared().rendersStarted.load(), 1, 10000);
        for (int s = 59; s <= 60; ++s) {
            SetClock(10, 59, 0);
            Advance(s);
            Tick();
        }
        SetClock(11, 0, 3);
        Tick();
        SetClock(11, 0, 5);
        Tick();
        QCOMPARE(Fired(), QList<int>({1, 2}));
        // Each reminder opened in its own second, while the slow sound was
        // still opening.
        QCOMPARE(seen_[0].clock, EncodeDateTime(2027, 3, 1, 11, 0, 0, 0));
        QCOMPARE(seen_[1].clock, EncodeDateTime(2027, 3, 1, 11, 0, 5, 0));
        QCOMPARE(seen_[0].slowRendersDone, 0);
        QCOMPARE(seen_[1].slowRendersDone, 0);
        QVERIFY(errors_.shown.isEmpty());

        // A sound that does open plays although the slow one is still stuck.
        whileShown_ = [this] {
            QVERIFY(QTest::qWaitFor([] { return BlockingEngine::Shared().playing.load() == 1; }, 10000));
            QCOMPARE(BlockingEngine::LastRendered(), QString("/music/quick.wav"));
        };
        SetClock(11, 0, 5, 0, 2);
        Tick();
        QCOMPARE(Fired(), QList<int>({1, 2, 2}));
        QCOMPARE(BlockingEngine::Shared().slowRendersDone.load(), 0);
    }

    void missedAlarmsAreListedWhenTheReminderCloses()
    {
        AddAlarm(1, AlarmMode::Once, {2027, 3, 1, 9, 0, 0}, {"First"});
        AddAlarm(2, AlarmMode::Once, {2027, 3, 1, 9, 0, 5}, {"Second", "line two"});
        AddAlarm(3, AlarmMode::Daily, {2027, 1, 1, 9, 0, 30}, {"Third"});
        AddAlarm(4, AlarmMode::Once, {2027, 3, 1, 9, 0, 35}, {""});
        whileShown_ = [this] { Advance(FormReminder->AlarmId == 1 ? 20 : 10); };
        SetClock(9, 0, 0);
        Tick();
        QCOMPARE(Fired(), QList<int>({1}));
        const QStringList second{"Mon, Mar 01, 2027  09:00:05 AM | Second"};
        QCOMPARE(MissedRows(), second);
        QVERIFY(!FormMissed->isModal());

        // Open, it holds up no later alarm, and takes in what that one hides.
        SetClock(9, 0, 30);
        Tick();
        QCOMPARE(Fired(), QList<int>({1, 3}));
        QCOMPARE(MissedRows(), second + QStringList{"Mon, Mar 01, 2027  09:00:35 AM | (no message)"});

        // Esc closes it; the next missed alarm starts a new list.
        QTest::keyClick(FormMissed->ListMissed, Qt::Key_Escape);
        QVERIFY(!FormMissed->isVisible());
        SetClock(9, 0, 0, 0, 2);
        Tick();
        SetClock(9, 1, 31, 0, 2); // asleep for 91 s
        Tick();
        QCOMPARE(MissedRows(), QStringList({"Tue, Mar 02, 2027  09:00:30 AM | Third"}));

        // Not wanted: not shown.
        FormMissed->ButtonClose->click();
        FormMain->chkShowMissed->setChecked(false);
        SetClock(9, 0, 0, 0, 3);
        Tick();
        SetClock(9, 1, 31, 0, 3);
        Tick();
        QVERIFY(!FormMissed->isVisible());
        QVERIFY(errors_.shown.isEmpty());
    }

    void startListsWhatFellDueWhileNotRunning()
    {
        Daily(1, 6, 0, 30);
        SetClock(6, 0, 0);
        Tick();
        // It rings; a start a moment later does not list it.
        SetClock(6, 0, 30);
        Tick();
        SetClock(6, 0, 40);
        Restart();
        Tick();
        QCOMPARE(MissedRows(), QStringList());
        // A start the next day lists the occurrence it missed.
        SetClock(7, 0, 0, 0, 2);
        Restart();
        Tick();
        QCOMPARE(MissedRows(), QStringList({"Tue, Mar 02, 2027  06:00:30 AM | 1"}));
        QCOMPARE(Fired(), QList<int>({1}));
    }

    void snoozedReminderComesBackAsItWas()
    {
        const QString snoozed = dir_->filePath("Snoozed.ini");
        AddAlarm(4, AlarmMode::Daily, {2027, 1, 1, 7, 0, 0}, {"Pill"});
        Daily(5, 7, 9, 50);
        Daily(6, 7, 10, 25);
        FormMain->chkRepeat->setChecked(false);
        whileShown_ = [this] {
            snooze_ = FormReminder->AlarmId == 4;
            Advance(FormReminder->AlarmId == 5 ? 30 : 10);
        };
        SetClock(7, 0, 0);
        Tick();
        // Due while another reminder is open, it opens once that one is
        // closed, with its own repeat setting; what falls due while it is
        // open is missed. Snoozed again.
        FormMain->chkRepeat->setChecked(true);
        SetClock(7, 9, 49);
        Tick();
        SetClock(7, 9, 50);
        Tick();
        Tick();
        QCOMPARE(Fired(), QList<int>({4, 5, 4}));
        QVERIFY(!seen_[2].repeat);
        QCOMPARE(MissedRows(), QStringList({"Mon, Mar 01, 2027  07:10:25 AM | 6"}));

        // The program ends and the computer sleeps through its time: it opens
        // at the next start. One added by hand for an alarm no longer listed
        // never opens.
        WriteBytes(snoozed, ReadBytes(snoozed) + "[Reminder9]\r\nAlarm=7\r\nDue=2027-03-01T07:05:00Z\r\n");
        AlarmFiles::WriteMessage(7, {"deleted"});
        SetClock(8, 0, 0);
        Restart();
        Tick();
        Tick();
        QCOMPARE(Fired(), QList<int>({4, 5, 4, 4}));
        QVERIFY(!seen_[3].repeat);
        QVERIFY(!ReadBytes(snoozed).contains("Alarm=7"));
        // Snoozed once more, then its alarm is deleted: it never comes back.
        QVERIFY(ReadBytes(snoozed).contains("Alarm=4"));
        FormMain->SetItemIndex(0);
        FormMain->ButtonDel->click();
        QVERIFY(!ReadBytes(snoozed).contains("Alarm=4"));
        SetClock(9, 0, 0);
        Tick();
        QCOMPARE(Fired(), QList<int>({4, 5, 4, 4}));
        QVERIFY(errors_.shown.isEmpty());
    }
};

QTEST_MAIN(TestScheduler)
#include "tst_scheduler.moc"
