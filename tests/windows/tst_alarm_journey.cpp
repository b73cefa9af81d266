// One alarm's life, driven as a user drives it: mouse clicks and key presses
// on the real manager, editor, file dialog and reminder. A daily alarm is
// added with a chosen sound and a two-line message, edited, goes off through
// the scheduler's own timer on a fake clock, and is deleted; the files on
// disk are checked after each step.
#include "app/DateTime.h"
#include "windows/AlarmListView.h"
#include "windows/TFormAlarm.h"
#include "windows/TFormMain.h"
#include "windows/TFormReminder.h"

#include "ErrorBoxCapture.h"
#include "TestFiles.h"
#include "TestProgramFolder.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

namespace {
void Click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
}

// Runs `step` once `window` shows, from inside its modal loop.
void WhenShown(QWidget *window, std::function<void()> step)
{
    QTimer::singleShot(0, window, [window, step] {
        QTRY_VERIFY_WITH_TIMEOUT(window->isVisible(), 10000);
        window->activateWindow();
        (void)QTest::qWaitForWindowActive(window);
        step();
    });
}

// Runs a step each time a window shows, from inside its modal loop.
class OnShow : public QObject {
public:
    OnShow(QWidget *window, std::function<void()> step) : window_(window), step_(std::move(step))
    {
        window_->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            QTimer::singleShot(0, window_, step_);
        return false;
    }

private:
    QWidget *window_;
    std::function<void()> step_;
};

// Replaces the whole message with lines typed one after another.
void TypeMessage(QPlainTextEdit *memo, const QStringList &lines)
{
    QTest::mouseClick(memo->viewport(), Qt::LeftButton);
    QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(memo, Qt::Key_Delete);
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClicks(memo, lines[i]);
    }
}
} // namespace

class TestAlarmJourney : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgramFolder> dir_;
    TDateTime clock_ = 0;
    ErrorBoxCapture errors_;

    QString AlarmPath(const QString &name) const { return dir_->filePath("alarm/" + name); }

    QPoint RowPoint(int row) const
    {
        return FormMain->AlarmsList->visualRect(FormMain->AlarmsList->model()->index(row, 0)).center();
    }

private slots:
    void initTestCase()
    {
        dir_ = std::make_unique<TestProgramFolder>([this] { return clock_; });
        qputenv("XDG_CONFIG_HOME", dir_->filePath("config").toUtf8());
        clock_ = EncodeDateTime(2027, 3, 1, 7, 0, 5, 250);
        FormMain = new TFormMain;
        FormAlarm = new TFormAlarm;
        FormReminder = new TFormReminder;
        FormMain->chkChimes->setChecked(false);
        FormMain->show();
        QVERIFY(QTest::qWaitForWindowExposed(FormMain));
    }
    void cleanupTestCase()
    {
        delete FormReminder;
        delete FormAlarm;
        delete FormMain;
        dir_.reset();
    }

    void addADailyAlarm()
    {
        const QString sound = dir_->filePath("sounds/morning tune.mp3");
        QDir().mkpath(QFileInfo(sound).path());
        QFile(sound).open(QIODevice::WriteOnly);

        WhenShown(FormAlarm, [&] {
            QTest::mouseClick(FormAlarm->rbDaily, Qt::LeftButton, {}, QPoint(6, 8));
            Click(FormAlarm->Button1); // "Now": 07:00:05
            QTimer::singleShot(0, FormAlarm, [&] {
                QTRY_VERIFY_WITH_TIMEOUT(FormAlarm->OpenDialog && FormAlarm->OpenDialog->isVisible(), 10000);
                auto *name = FormAlarm->OpenDialog->findChild<QLineEdit *>("fileNameEdit");
                name->setText(sound); // pasted: typing would open the completer's list
                QTest::keyClick(name, Qt::Key_Return);
            });
            Click(FormAlarm->ButtonOpen);
            TypeMessage(FormAlarm->Memo, {"Feed the cat", "and the fish"});
            Click(FormAlarm->ButtonOk);
        });
        Click(FormMain->ButtonAdd);

        QVERIFY(!FormAlarm->isVisible());
        QCOMPARE(FormMain->AlarmsList->model()->rowCount(), 1);
        QCOMPARE(FormMain->AlarmsList->model()->index(0, 0).data().toString(), QString("Feed the cat"));
        QCOMPARE(FormMain->AlarmsList->model()->index(0, 1).data().toString(), QString("Daily"));
        QCOMPARE(ReadBytes(AlarmPath("Alarms.ini")), QByteArray("[Alarms]\r\nAlarm1=1\r\n"));
        QCOMPARE(ReadBytes(AlarmPath("1.ini")),
                 "[AlarmMode]\r\nOnce=0\r\nHourly=0\r\nDaily=1\r\nWeekly=0\r\nMonthly=0\r\nYearly=0\r\n"
                 "[AlarmDateTime]\r\nYear=2027\r\nMonth=3\r\nDay=1\r\nHour=7\r\nMinute=0\r\nSecond=5\r\n"
                 "[AlarmSound]\r\nFile=" + sound.toUtf8() + "\r\n");
        QCOMPARE(ReadBytes(AlarmPath("1Memo.ini")), QByteArray("Feed the cat\r\nand the fish"));
        QVERIFY(errors_.shown.isEmpty());
    }

    void editIt()
    {
        QTest::mouseClick(FormMain->AlarmsList->viewport(), Qt::LeftButton, {}, RowPoint(0));
        WhenShown(FormAlarm, [&] {
            QCOMPARE(FormAlarm->Memo->toPlainText(), QString("Feed the cat\nand the fish"));
            TypeMessage(FormAlarm->Memo, {"Feed the dog", "and the fish"});
            Click(FormAlarm->ButtonOk);
        });
        Click(FormMain->ButtonEdit);
        QCOMPARE(FormMain->AlarmsList->model()->index(0, 0).data().toString(), QString("Feed the dog"));
        QCOMPARE(ReadBytes(AlarmPath("1Memo.ini")), QByteArray("Feed the dog\r\nand the fish"));
        QVERIFY(ReadBytes(AlarmPath("1.ini")).contains("Daily=1\r\n"));
        QCOMPARE(ReadBytes(AlarmPath("Alarms.ini")), QByteArray("[Alarms]\r\nAlarm1=1\r\n"));
        QVERIFY(errors_.shown.isEmpty());
    }

    void itGoesOffTheNextMorning()
    {
        QString shown;
        OnShow closer(FormReminder, [&] {
            shown = FormReminder->Memo->toPlainText();
            QTest::mouseClick(FormReminder->ButtonClose, Qt::LeftButton);
        });
        clock_ = EncodeDateTime(2027, 3, 2, 7, 0, 5, 10);
        // The scheduler's own timer ticks within the second.
        QTRY_COMPARE_WITH_TIMEOUT(shown, QString("Feed the dog\nand the fish"), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!FormReminder->isVisible(), 10000);
    }

    void deleteIt()
    {
        QTest::mouseClick(FormMain->AlarmsList->viewport(), Qt::LeftButton, {}, RowPoint(0));
        Click(FormMain->ButtonDel);
        QCOMPARE(FormMain->AlarmsList->model()->rowCount(), 0);
        QCOMPARE(ReadBytes(AlarmPath("Alarms.ini")), QByteArray());
        // An alarm's own files stay until its identifier is used again.
        QVERIFY(QFile::exists(AlarmPath("1.ini")) && QFile::exists(AlarmPath("1Memo.ini")));
        Click(FormMain->Button3);
        QVERIFY(!FormMain->isVisible());
        QVERIFY(errors_.shown.isEmpty());
    }
};

QTEST_MAIN(TestAlarmJourney)
#include "tst_alarm_journey.moc"
