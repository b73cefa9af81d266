#include "app/ErrorBox.h"
#include "app/Now.h"
#include "app/ProgramFolder.h"
#include "store/AlarmFiles.h"
#include "player/PlaybackEngine.h"
#include "player/TFilterGraph.h"
#include "windows/TFormMain.h"
#include "windows/TFormReminder.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The manager's timer with the real reminder window and a fake clock. The test
// plays the user: it notes each reminder that opens and closes it.
class TestScheduler : public QObject {
    Q_OBJECT

    struct Seen {
        int alarmId;
        bool repeat;
        bool schedulerRunning;
        QString message;
    };

    QTemporaryDir *dir_ = nullptr;
    TDateTime clock_ = 0;
    QList<Seen> seen_;
    QStringList errors_;

    void AddAlarm(int id, AlarmMode mode, const AlarmTime &t, const QStringList &message, bool withMessage = true,
                  const QString &sound = QString())
    {
        AlarmFiles::WriteSettings(id, mode, t, sound);
        if (withMessage)
            AlarmFiles::WriteMessage(id, message);
        FormMain->Alarms.Append(id, {AlarmStore::CaptionOf(message), AlarmModeName(mode)}, t);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == FormReminder && event->type() == QEvent::Show) {
            seen_.append({FormReminder->AlarmId, FormReminder->RepeatFlag, FormMain->Timer->isActive(),
                          FormReminder->Memo->toPlainText()});
            QTimer::singleShot(0, FormReminder->ButtonClose, &QPushButton::click);
        }
        return false;
    }

private slots:
    void init()
    {
        dir_ = new QTemporaryDir;
        QDir(dir_->path()).mkdir("alarm");
        SetProgramFolderOverride(dir_->path());
        qputenv("XDG_CONFIG_HOME", dir_->filePath("config").toUtf8());
        SetNowOverride([this] { return clock_; });
        clock_ = EncodeDateTime(2027, 3, 1, 6, 0, 0, 0);
        seen_.clear();
        errors_.clear();
        SetErrorBoxHandler([this](const QString &text) { errors_ << text; });
        FormMain = new TFormMain;
        FormReminder = new TFormReminder;
        FormReminder->installEventFilter(this);
    }
    void cleanup()
    {
        delete FormReminder;
        delete FormMain;
        FormReminder = nullptr;
        FormMain = nullptr;
        SetErrorBoxHandler({});
        SetNowOverride({});
        SetProgramFolderOverride({});
        delete dir_;
    }

    void firesOnceInItsSecondWithTheRepeatOptionOfTheMoment()
    {
        AddAlarm(4, AlarmMode::Daily, {2027, 1, 1, 7, 0, 0}, {"Pill", "with water"});
        QTest::qWait(300);
        QVERIFY(seen_.isEmpty());

        // The clock stands still inside the alarm's second: one reminder only.
        clock_ = EncodeDateTime(2027, 3, 1, 7, 0, 0, 0);
        QTRY_COMPARE(seen_.size(), 1);
        QTest::qWait(800);
        QCOMPARE(seen_.size(), 1);
        QCOMPARE(seen_[0].alarmId, 4);
        QVERIFY(seen_[0].repeat);
        QVERIFY(!seen_[0].schedulerRunning);
        QCOMPARE(seen_[0].message, QString("Pill\nwith water"));
        QTRY_VERIFY(!FormReminder->isVisible());
        QVERIFY(FormMain->Timer->isActive());

        // "Repeat alarm sound" changed on the page: the next firing takes it.
        FormMain->chkRepeat->setChecked(false);
        clock_ = EncodeDateTime(2027, 3, 2, 7, 0, 0, 0);
        QTRY_COMPARE(seen_.size(), 2);
        QVERIFY(!seen_[1].repeat);
        QVERIFY(errors_.isEmpty());
    }

    void tickComesJustAfterEachSecondBegins()
    {
        // Created at 06:00:00.000: the first tick is due at 06:00:01.003.
        QCOMPARE(FormMain->Timer->interval(), 1003);
        clock_ = EncodeDateTime(2027, 3, 1, 6, 0, 0, 750);
        QTRY_COMPARE_WITH_TIMEOUT(FormMain->Timer->interval(), 253, 3000);
        QVERIFY(FormMain->Timer->isActive());
    }

    void soundEngineStartsJustBeforeAnAlarm()
    {
        // A 0.2 s tone, 8 kHz mono 16-bit.
        QByteArray pcm(3200, '\0');
        for (int i = 0; i < pcm.size(); i += 2)
            pcm[i + 1] = (i / 20) % 2 ? 0x20 : char(0xE0);
        QByteArray wav("RIFF");
        auto u32 = [&](quint32 v) { wav.append(reinterpret_cast<const char *>(&v), 4); };
        auto u16 = [&](quint16 v) { wav.append(reinterpret_cast<const char *>(&v), 2); };
        u32(36 + pcm.size());
        wav.append("WAVEfmt ");
        u32(16); u16(1); u16(1); u32(8000); u32(16000); u16(2); u16(16);
        wav.append("data");
        u32(pcm.size());
        wav.append(pcm);
        const QString sound = dir_->filePath("tone.wav");
        QFile file(sound);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(wav);
        file.close();

        AddAlarm(6, AlarmMode::Hourly, {2027, 1, 1, 0, 30, 0}, {"stretch"}, true, sound);
        clock_ = EncodeDateTime(2027, 3, 1, 6, 20, 0, 0);
        QTest::qWait(1200);
        QVERIFY(!FormReminder->FilterGraph->Active()); // nothing near: nothing loaded
        clock_ = EncodeDateTime(2027, 3, 1, 6, 29, 58, 500);
        QTRY_VERIFY_WITH_TIMEOUT(FormReminder->FilterGraph->Active(), 3000);
        // Its sound is loaded, not playing, and no reminder has opened.
        QVERIFY(FormReminder->FilterGraph->Engine()->HasSound());
        int64_t before = 0, after = 0;
        QVERIFY(FormReminder->FilterGraph->Engine()->GetCurrentPosition(before));
        QTest::qWait(300);
        QVERIFY(FormReminder->FilterGraph->Engine()->GetCurrentPosition(after));
        QCOMPARE(after, before);
        QVERIFY(seen_.isEmpty());
    }

    void alarmsInTheSameSecondRingUpperFirst()
    {
        AddAlarm(1, AlarmMode::Once, {2027, 3, 1, 9, 0, 0}, {"upper"});
        AddAlarm(2, AlarmMode::Daily, {2027, 1, 1, 9, 0, 0}, {"lower"});
        clock_ = EncodeDateTime(2027, 3, 1, 9, 0, 0, 0);
        QTRY_COMPARE(seen_.size(), 2);
        QCOMPARE(seen_[0].alarmId, 1);
        QCOMPARE(seen_[1].alarmId, 2);
        QTest::qWait(500);
        QCOMPARE(seen_.size(), 2);
    }

    void failingReminderShowsOneErrorAndTheSchedulerGoesOn()
    {
        AddAlarm(3, AlarmMode::Daily, {2027, 1, 1, 10, 0, 0}, {"lost"}, false);
        AddAlarm(5, AlarmMode::Daily, {2027, 1, 1, 10, 0, 1}, {"next"});
        clock_ = EncodeDateTime(2027, 3, 1, 10, 0, 0, 0);
        QTRY_COMPARE(errors_.size(), 1);
        QTest::qWait(700);
        QCOMPARE(errors_, QStringList({"Cannot open file " + AlarmFiles::MessagePath(3) + "."}));
        QVERIFY(seen_.isEmpty());
        QVERIFY(FormMain->Timer->isActive());
        clock_ = EncodeDateTime(2027, 3, 1, 10, 0, 1, 0);
        QTRY_COMPARE(seen_.size(), 1);
        QCOMPARE(seen_[0].alarmId, 5);
    }
};

QTEST_MAIN(TestScheduler)
#include "tst_scheduler.moc"
