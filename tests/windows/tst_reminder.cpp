// The reminder window: its look, its labels, loading an alarm, playback with
// and without repetition, the silent fallbacks and the missing-message error,
// and the rule that only "Close" closes it.
#include "BlockingEngine.h"

#include "app/DateTime.h"
#include "app/Exception.h"
#include "app/Now.h"
#include "app/ProgramFolder.h"
#include "player/AsyncEngine.h"
#include "player/PlayerRuntime.h"
#include "player/TDSTrackBar.h"
#include "player/TFilterGraph.h"
#include "store/AlarmFiles.h"
#include "windows/TFormMain.h"
#include "windows/TFormReminder.h"
#include "windows/WindowPlayer.h"

#include "ErrorBoxCapture.h"
#include "ShowCounter.h"
#include "TestFiles.h"
#include "TestProgramFolder.h"
#include "TestWav.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

namespace {

void SetClock(int year, int month, int day, int hour, int minute, int second, int msec = 0)
{
    const TDateTime t = EncodeDateTime(year, month, day, hour, minute, second, msec);
    SetNowOverride([t] { return t; });
}

// One position report as the window's handler saw it.
struct Report {
    int position = 0;
    int max = 0;
    uint32_t currentPos = 0;
    bool ended() const { return position >= max; }
};

} // namespace

class TestReminder : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void lookAndControls();
    void withoutOptionsPageTheTimeIsTwelveHour();
    void refreshRunsOnlyWhileShown();
    void entryShowsMessageAndFreshLabels_data();
    void entryShowsMessageAndFreshLabels();
    void missingMessageRaisesBeforeAnything();
    void missingMessageThroughButtonGoesToErrorBox();
    void silentFallbacks_data();
    void silentFallbacks();
    void repeatRestartsEveryPassAtHalfASecond();
    void withoutRepeatPlaysOnceAndStaysOpen();
    void tinySound_data();
    void tinySound();
    void keysCloseAsCloseDoes_data();
    void keysCloseAsCloseDoes();
    void typingChangesNothingOnDisk();
    void soundSlowToOpenJoinsWhenReady();

private:
    // Calls Button1Click; once the window is shown, `delayMs` has passed and
    // `ready` holds (sound errors arrive from the engine's thread, late on a
    // busy machine), runs `inside` and then presses "Close". A watchdog ends
    // a window that never closes, so a broken build fails instead of hanging.
    void RunAlarm(int delayMs, const std::function<void()> &inside,
                  const std::function<bool()> &ready = [] { return true; });
    // Replaces the window's position report with one that records each report
    // and then runs the window's own handler.
    void RecordReports();
    QString AlarmPath(const QString &name) const { return ProgramFolder() + QStringLiteral("alarm/") + name; }
    // Writes alarm `id`'s files and makes it the one the window opens next.
    void SetAlarm(int id, const QString &soundFile, const QByteArray &message);
    // The same for an alarm that sounds a tone `ms` long; returns the tone's path.
    QString SetToneAlarm(int id, int ms, const QByteArray &message);

    std::unique_ptr<TestProgramFolder> folder_;
    TFormReminder *w = nullptr;
    QList<Report> reports_;
    ErrorBoxCapture errors_;
    bool closedByTest_ = false;
};

void TestReminder::initTestCase()
{
    folder_ = std::make_unique<TestProgramFolder>();
    // The options page that the reminder reads; its files go to the temporary folder.
    FormMain = new TFormMain;
}

void TestReminder::cleanupTestCase()
{
    delete FormMain;
    FormMain = nullptr;
    QVERIFY(BlockingEngine::WaitForEnginesToClose());
    folder_.reset();
}

void TestReminder::init()
{
    SetNowOverride({});
    FormMain->rbAMPM->setChecked(true);
    reports_.clear();
    errors_.shown.clear();
    closedByTest_ = false;
    w = new TFormReminder;
}

void TestReminder::cleanup()
{
    delete w;
    w = nullptr;
}

void TestReminder::RunAlarm(int delayMs, const std::function<void()> &inside, const std::function<bool()> &ready)
{
    constexpr int readyWaitMs = 20000;
    QTimer poll;
    poll.setInterval(10);
    QElapsedTimer sinceShown;
    connect(&poll, &QTimer::timeout, this, [&] {
        if (!w->isVisible())
            return;
        if (!sinceShown.isValid())
            sinceShown.start();
        if (sinceShown.elapsed() < delayMs || (!ready() && sinceShown.elapsed() < delayMs + readyWaitMs))
            return;
        poll.stop();
        inside();
        closedByTest_ = true;
        QTest::mouseClick(w->ButtonClose, Qt::LeftButton);
    });
    poll.start();
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, w, [this] { w->done(QDialog::Rejected); });
    watchdog.start(delayMs + readyWaitMs + 10000);

    w->Button1Click();
    QVERIFY2(watchdog.isActive(), "the reminder did not close with \"Close\"");
}

void TestReminder::RecordReports()
{
    w->DSTrackBar->SetOnTimer([this](TDSTrackBar *sender, uint32_t currentPos, uint32_t stopPos) {
        reports_.append({sender->Position(), sender->Max(), currentPos});
        w->DSTrackBarTimer(sender, currentPos, stopPos);
    });
}

QString TestReminder::SetToneAlarm(int id, int ms, const QByteArray &message)
{
    const QString sound = folder_->filePath(QStringLiteral("tone%1.wav").arg(id));
    if (!TestWav::WriteTone(sound, ms))
        qFatal("cannot write %s", qPrintable(sound));
    SetAlarm(id, sound, message);
    return sound;
}

void TestReminder::SetAlarm(int id, const QString &soundFile, const QByteArray &message)
{
    w->AlarmId = id;
    WriteBytes(AlarmPath(QStringLiteral("%1.ini").arg(id)),
               "[AlarmMode]\r\nDaily=1\r\n[AlarmSound]\r\nFile=" + soundFile.toLocal8Bit() + "\r\n");
    WriteBytes(AlarmPath(QStringLiteral("%1Memo.ini").arg(id)), message);
}

void TestReminder::lookAndControls()
{
    // What a user sees: the whole clock face, a time larger than the bold
    // date, the message and the Close button, each inside the window and
    // none over another, once the labels show a time.
    SetClock(2004, 12, 31, 23, 59, 59);
    w->TimerTimer();
    const QPixmap face = w->Image1->pixmap();
    QVERIFY(!face.isNull());
    QVERIFY(w->Image1->width() >= face.width() && w->Image1->height() >= face.height());
    QVERIFY(w->LabelDate->font().bold());
    QVERIFY(QFontInfo(w->LabelTime->font()).pixelSize() > QFontInfo(w->LabelDate->font()).pixelSize());
    const QList<QWidget *> shown = {w->Image1, w->LabelTime, w->LabelDate, w->Memo, w->ButtonClose};
    for (QWidget *a : shown) {
        QVERIFY2(w->rect().contains(a->geometry()), qPrintable(a->objectName()));
        for (QWidget *b : shown)
            QVERIFY2(a == b || !a->geometry().intersects(b->geometry()),
                     qPrintable(a->objectName() + " overlaps " + b->objectName()));
    }
}

void TestReminder::withoutOptionsPageTheTimeIsTwelveHour()
{
    TFormMain *const options = FormMain;
    options->rb24Hours->setChecked(true);
    FormMain = nullptr;
    SetClock(2004, 7, 14, 0, 5, 9);
    w->TimerTimer();
    FormMain = options;
    QCOMPARE(w->LabelTime->text(), QStringLiteral("12:05:09 AM"));
    // The label is sized to its text.
    QCOMPARE(w->LabelTime->size(), w->LabelTime->sizeHint());
}

void TestReminder::refreshRunsOnlyWhileShown()
{
    // Hidden, the window does not wake up.
    QVERIFY(!w->isVisible());
    QVERIFY(!w->Timer->isActive());

    SetAlarm(5, QString(), "Tea");
    SetClock(2026, 12, 31, 23, 59, 59, 900);
    QString date, time12;
    bool ticking = false;
    RunAlarm(0, [&] {
        ticking = w->Timer->isActive();
        // In German, as this test's system locale is.
        date = w->LabelDate->text();
        time12 = w->LabelTime->text();
        // The option is read afresh: switching it changes the label at a next tick.
        FormMain->rb24Hours->setChecked(true);
        QTRY_COMPARE_WITH_TIMEOUT(w->LabelTime->text(), QStringLiteral("23:59:59"), 10000);
        // The window's own timer keeps running inside its modal loop, past midnight.
        SetClock(2027, 1, 1, 0, 0, 0, 100);
        QTRY_COMPARE_WITH_TIMEOUT(w->LabelDate->text(), QStringLiteral("Fr., Jan. 01, 2027"), 10000);
        QCOMPARE(w->LabelTime->text(), QStringLiteral("00:00:00"));
    });
    QVERIFY(ticking);
    QCOMPARE(date, QStringLiteral("Do., Dez. 31, 2026"));
    QCOMPARE(time12, QStringLiteral("11:59:59 PM"));
    QVERIFY(!w->Timer->isActive());
}

void TestReminder::entryShowsMessageAndFreshLabels_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("shown");
    QTest::newRow("two lines") << QByteArray("Dentist\r\nbring the card") << "Dentist\nbring the card";
    QTest::newRow("lone line feeds") << QByteArray("one\ntwo\nthree") << "one\ntwo\nthree";
    QTest::newRow("empty file") << QByteArray() << "";
}

void TestReminder::entryShowsMessageAndFreshLabels()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, shown);

    SetAlarm(3, QString(), file);
    // The window's timer is not running while it is hidden: only the entry itself can refresh the labels.
    SetClock(2026, 3, 1, 6, 59, 58);

    bool visible = false, modal = false, active = false;
    QString memo, time, date;
    QPoint centre;
    QSize frameSlack;
    RunAlarm(0, [&] {
        visible = w->isVisible();
        modal = w->isModal();
        active = QApplication::activeWindow() == w;
        memo = w->Memo->toPlainText();
        time = w->LabelTime->text();
        date = w->LabelDate->text();
        centre = w->frameGeometry().center();
        frameSlack = (w->frameGeometry().size() - w->size()) / 2;
    }, [this] { return QApplication::activeWindow() == w; }); // activation follows the showing
    QVERIFY(closedByTest_);
    QVERIFY(visible);
    QVERIFY(modal);
    QVERIFY(active);
    QCOMPARE(memo, shown);
    QCOMPARE(time, QStringLiteral("06:59:58 AM"));
    QCOMPARE(date, QStringLiteral("So., März 01, 2026"));
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    // Before its first showing the window cannot know its frame, so it may be
    // off by up to half the frame's thickness.
    const QPoint off = centre - screenCentre;
    QVERIFY2(qAbs(off.x()) <= frameSlack.width() + 1 && qAbs(off.y()) <= frameSlack.height() + 1,
             qPrintable(QStringLiteral("centre %1,%2 on a screen centred at %3,%4")
                            .arg(centre.x()).arg(centre.y()).arg(screenCentre.x()).arg(screenCentre.y())));

    QVERIFY(!w->isVisible());
    // The message stays until the next alarm replaces it.
    QCOMPARE(w->Memo->toPlainText(), shown);
    QVERIFY(errors_.shown.isEmpty());
}

void TestReminder::missingMessageRaisesBeforeAnything()
{
    const QString sound = SetToneAlarm(5, 1000, "never shown");
    QVERIFY(QFile::remove(AlarmPath(QStringLiteral("5Memo.ini"))));
    w->Memo->setPlainText(QStringLiteral("previous alarm"));
    SetClock(2026, 3, 1, 7, 0, 0);
    ShowCounter counter;
    w->installEventFilter(&counter);

    QString message;
    try {
        w->Button1Click();
    } catch (const EFOpenError &e) {
        message = e.Message();
    }
    QCOMPARE(message, QStringLiteral("Cannot open file ") + ProgramFolder() + QStringLiteral("alarm/5Memo.ini"));
    // Labels refreshed and sound file read before the failure...
    QCOMPARE(w->LabelTime->text(), QStringLiteral("07:00:00 AM"));
    QCOMPARE(w->SoundFile, sound);
    // ...but nothing played and nothing appeared.
    QVERIFY(!w->FilterGraph->Active());
    QCOMPARE(w->Player->SkipPending, false);
    QCOMPARE(counter.shows, 0);
    QVERIFY(!w->isVisible());
    QCOMPARE(w->Memo->toPlainText(), QStringLiteral("previous alarm"));
}

void TestReminder::missingMessageThroughButtonGoesToErrorBox()
{
    w->AlarmId = 77; // no files at all
    w->Button1->click();
    QCOMPARE(errors_.shown, QStringList{QStringLiteral("Cannot open file ") + ProgramFolder()
                                      + QStringLiteral("alarm/77Memo.ini.")});
    QVERIFY(!w->isVisible());
}

void TestReminder::silentFallbacks_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("settings"); // written as the alarm's settings file; "-" for none
    QTest::newRow("no settings file") << "none" << "-";
    QTest::newRow("no sound section") << "none" << "[AlarmMode]\r\nDaily=1\r\n";
    QTest::newRow("empty sound file name") << "none" << "[AlarmSound]\r\nFile=\r\n";
    QTest::newRow("sound file missing") << "failed" << "[AlarmSound]\r\nFile=%1/nowhere.wav\r\n";
    QTest::newRow("empty sound file") << "failed" << "[AlarmSound]\r\nFile=%1/empty.wav\r\n";
    QTest::newRow("not a sound") << "failed" << "[AlarmSound]\r\nFile=%1/garbage.wav\r\n";
}

void TestReminder::silentFallbacks()
{
    QFETCH(QString, kind);
    QFETCH(QString, settings);
    WriteBytes(folder_->filePath(QStringLiteral("empty.wav")), QByteArray());
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(static_cast<char>((i * 7919) % 251));
    WriteBytes(folder_->filePath(QStringLiteral("garbage.wav")), garbage);

    QFile::remove(AlarmPath(QStringLiteral("6.ini")));
    if (settings != QLatin1String("-"))
        WriteBytes(AlarmPath(QStringLiteral("6.ini")), QString(settings).replace(QStringLiteral("%1"), folder_->path()).toLocal8Bit());
    WriteBytes(AlarmPath(QStringLiteral("6Memo.ini")), "Still here");
    w->AlarmId = 6;
    RecordReports();

    bool visible = false;
    QString memo;
    RunAlarm(400, [&] {
        visible = w->isVisible();
        memo = w->Memo->toPlainText();
    }, [&] { return !w->FilterGraph->Active(); });
    QVERIFY(visible);
    QCOMPARE(memo, QStringLiteral("Still here"));
    QVERIFY(errors_.shown.isEmpty());
    QVERIFY(reports_.isEmpty());
    QVERIFY(!w->FilterGraph->Active());
    // The skip is armed even when there is nothing to play.
    QVERIFY(w->Player->SkipPending);
    if (kind == QLatin1String("none"))
        QVERIFY(w->SoundFile.isEmpty());
    else
        QVERIFY(w->SoundFile.startsWith(folder_->path()));
}

void TestReminder::repeatRestartsEveryPassAtHalfASecond()
{
    const QString sound = SetToneAlarm(7, 1000, "Repeat");
    w->RepeatFlag = true;
    RecordReports();

    // Each pass lasts about half a second after the move: three of them.
    const auto ends = [this] {
        return std::count_if(reports_.cbegin(), reports_.cend(), [](const Report &r) { return r.ended(); });
    };
    int reportsWhenClosed = 0;
    RunAlarm(0, [&] { reportsWhenClosed = int(reports_.size()); }, [&] { return ends() >= 3; });
    QVERIFY2(ends() >= 3, qPrintable(QStringLiteral("only %1 passes ended").arg(ends())));

    for (qsizetype i = 0; i < reports_.size(); ++i) {
        const Report &r = reports_.at(i);
        QCOMPARE(r.max, 10);
        // Only the very first report comes before a move to 0.5 s: every pass,
        // restarts included, is moved there by the report that started it.
        if (i > 0)
            QVERIFY2(r.currentPos >= 500,
                     qPrintable(QStringLiteral("report %1 found the sound at %2 ms").arg(i).arg(r.currentPos)));
    }

    // "Close" silenced it: no more reports; the player stays active and the
    // sound file is kept. No event marks a report that never comes: let four
    // reports' worth of time pass.
    QTest::qWait(400);
    QCOMPARE(int(reports_.size()), reportsWhenClosed);
    QVERIFY(w->FilterGraph->Active());
    QCOMPARE(w->SoundFile, sound);
}

void TestReminder::withoutRepeatPlaysOnceAndStaysOpen()
{
    SetToneAlarm(8, 800, "Once");
    w->RepeatFlag = false;
    RecordReports();

    // Once the pass has ended, four reports' worth of time for one that must not come.
    bool stillShown = false;
    RunAlarm(0, [&] {
        QTest::qWait(400);
        stillShown = w->isVisible();
    }, [this] { return !reports_.isEmpty() && reports_.last().ended(); });
    QVERIFY(stillShown);
    QVERIFY(reports_.size() >= 2);
    // One pass, moved to 0.5 s at its first report, ended by its last report.
    QVERIFY(reports_.first().currentPos < 500);
    for (qsizetype i = 1; i < reports_.size(); ++i)
        QVERIFY(reports_.at(i).currentPos >= 500);
    for (qsizetype i = 0; i + 1 < reports_.size(); ++i)
        QVERIFY(!reports_.at(i).ended());
    QVERIFY(reports_.last().ended());
}

void TestReminder::tinySound_data()
{
    QTest::addColumn<bool>("repeat");
    QTest::newRow("repeated") << true;
    QTest::newRow("once") << false;
}

void TestReminder::tinySound()
{
    QFETCH(bool, repeat);
    SetToneAlarm(9, 50, "Blip");
    w->RepeatFlag = repeat;
    RecordReports();

    // Repeated, it restarts at every report: four reports come however busy
    // the machine. Once, no report follows the first: no event marks one that
    // never comes, so four reports' worth of time passes after it.
    RunAlarm(0, [repeat] {
        if (!repeat)
            QTest::qWait(400);
    }, [this, repeat] { return reports_.size() >= (repeat ? 4 : 1); });
    QVERIFY(!reports_.isEmpty());
    // Shorter than a tenth of a second: every report finds it ended.
    for (const Report &r : std::as_const(reports_)) {
        QCOMPARE(r.max, 0);
        QVERIFY(r.ended());
    }
    if (repeat)
        QVERIFY2(reports_.size() >= 4, "a repeated blip restarts at every report");
    else
        QCOMPARE(int(reports_.size()), 1);
}

void TestReminder::keysCloseAsCloseDoes_data()
{
    QTest::addColumn<std::function<void(TFormReminder *)>>("close");
    const auto key = [](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        return std::function<void(TFormReminder *)>([k, m](TFormReminder *r) { QTest::keyClick(r->focusWidget(), k, m); });
    };
    QTest::newRow("Esc") << key(Qt::Key_Escape);
    QTest::newRow("Enter") << key(Qt::Key_Return);
    QTest::newRow("Enter of the keypad") << key(Qt::Key_Enter, Qt::KeypadModifier);
    // What a window manager's close box (or Alt+F4) amounts to.
    QTest::newRow("close request") << std::function<void(TFormReminder *)>([](TFormReminder *r) { r->close(); });
}

void TestReminder::keysCloseAsCloseDoes()
{
    QFETCH(std::function<void(TFormReminder *)>, close);
    // Long enough not to end (and let go of itself) while the test looks.
    SetToneAlarm(10, 30000, "Stay");
    const auto sounding = [this] { return w->FilterGraph->Engine() && w->FilterGraph->Engine()->HasSound(); };
    bool restored = false, onClose = false, closedByKey = false, silenced = false;
    RunAlarm(0, [&] {
        // Minimised (a window manager that offers it): it comes straight back.
        w->setWindowState(Qt::WindowMinimized);
        restored = QTest::qWaitFor([&] { return !w->isMinimized() && w->isVisible(); }, 10000);
        onClose = w->focusWidget() == w->ButtonClose;
        close(w);
        closedByKey = !w->isVisible();
        // Silenced as "Close" silences it: the sound let go.
        silenced = QTest::qWaitFor([&] { return !sounding(); }, 10000);
    }, sounding);
    QVERIFY(restored);
    QVERIFY2(onClose, "the keyboard is not on \"Close\"");
    QVERIFY(closedByKey); // and the scheduler's call returned
    QVERIFY(silenced);
}

void TestReminder::typingChangesNothingOnDisk()
{
    SetToneAlarm(11, 1000, "Call Bob");
    const QByteArray settingsBefore = ReadBytes(AlarmPath(QStringLiteral("11.ini")));
    const QByteArray messageBefore = ReadBytes(AlarmPath(QStringLiteral("11Memo.ini")));

    QString typed;
    RunAlarm(0, [&] {
        QTest::mouseClick(w->Memo->viewport(), Qt::LeftButton);
        w->Memo->moveCursor(QTextCursor::End);
        QTest::keyClicks(w->Memo, QStringLiteral(" back"));
        typed = w->Memo->toPlainText();
    });
    QCOMPARE(typed, QStringLiteral("Call Bob back"));
    QCOMPARE(ReadBytes(AlarmPath(QStringLiteral("11.ini"))), settingsBefore);
    QCOMPARE(ReadBytes(AlarmPath(QStringLiteral("11Memo.ini"))), messageBefore);
    QCOMPARE(QDir(ProgramFolder() + QStringLiteral("alarm")).entryList(QDir::Files).filter(QStringLiteral("11")),
             (QStringList{QStringLiteral("11.ini"), QStringLiteral("11Memo.ini")}));
}

int main(int argc, char *argv[])
{
    // The weekday and month names must come from the user's locale.
    qputenv("LC_ALL", "de_DE.UTF-8");
    // The options page writes an autostart entry: keep it out of the real profile.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    TestReminder test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_reminder.moc"

void TestReminder::soundSlowToOpenJoinsWhenReady()
{
    // A sound that takes long to open (a hung mount): the window is up at
    // once; the move to 0.5 s waits for the sound, then applies to it.
    const QString slow = QStringLiteral("/mnt/hung/alarm.wav");
    BlockingEngine::Reset(slow, 10000);
    SetPlaybackEngineFactory([] { return std::make_unique<BlockingEngine>(); });
    w->FilterGraph->SetActive(false);
    SetAlarm(12, slow, "Slow");
    w->RepeatFlag = true;
    bool shownWhileOpening = false, skipKept = false, skipApplied = false;
    RunAlarm(0, [&] {
        shownWhileOpening = BlockingEngine::Shared().slowRendersDone == 0;
        // No event marks a move that must not come yet: let four position
        // reports' worth of time pass while the sound still opens.
        QTest::qWait(400);
        skipKept = w->Player->SkipPending && BlockingEngine::Shared().lastMove == -1;
        BlockingEngine::ReleaseAll();
        skipApplied = QTest::qWaitFor([] { return BlockingEngine::Shared().lastMove == 5000000; }, 10000);
    });
    SetPlaybackEngineFactory({});
    w->FilterGraph->SetActive(false);
    QVERIFY(shownWhileOpening);
    QVERIFY(skipKept);
    QVERIFY(skipApplied);
    QVERIFY(!w->Player->SkipPending);
}
