// The alarm editor: loading an alarm from its files and the fallback to the
// defaults, what the pickers show in each mode, "Now", the caption the
// manager takes, saving and its failures, the keys that must not close the
// window, the sound dialog's filter and the preview's half-second skip.
#include "app/DateTime.h"
#include "player/TDSTrackBar.h"
#include "player/TFilterGraph.h"
#include "store/AlarmFiles.h"
#include "windows/FileFilter.h"
#include "windows/TFormAlarm.h"
#include "windows/WindowPlayer.h"

#include "ErrorBoxCapture.h"
#include "TestFiles.h"
#include "TestProgramFolder.h"
#include "TestWav.h"

#include <QDateTimeEdit>
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
const QByteArray kSixFalses = "[AlarmMode]\r\nOnce=0\r\nHourly=0\r\nDaily=0\r\nWeekly=0\r\nMonthly=0\r\nYearly=0\r\n";
} // namespace

class TestAlarmEditor : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgramFolder> dir_;
    TFormAlarm *w = nullptr;
    ErrorBoxCapture errors_;
    TDateTime clock_ = 0;

    QString AlarmPath(const QString &name) const { return dir_->filePath("alarm/" + name); }

    // Opens the editor through its entry point; `inside` runs while it is
    // shown, and the editor is cancelled afterwards if still open.
    void Open(bool isNew, int id, const std::function<void()> &inside)
    {
        QTimer::singleShot(0, w, [this, inside] {
            QVERIFY(w->isVisible());
            inside();
            if (w->isVisible())
                w->Button2->click();
        });
        w->AlarmId = id;
        isNew ? w->ButtonNewClick() : w->ButtonEditClick();
    }

    QString Shown(QDateTimeEdit *picker) const { return picker->text(); }

private slots:
    void init()
    {
        dir_ = std::make_unique<TestProgramFolder>([this] { return clock_; });
        clock_ = EncodeDateTime(2027, 3, 1, 14, 25, 37, 789);
        errors_.shown.clear();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        w = new TFormAlarm;
    }
    void cleanup()
    {
        delete w;
        w = nullptr;
        QLocale::setDefault(QLocale::system());
        dir_.reset();
    }

    void loadsTheAlarmOrFallsBackToTheDefaults_data()
    {
        QTest::addColumn<QByteArray>("settings"); // "-" for no file
        QTest::addColumn<QByteArray>("message");  // "-" for no file
        QTest::addColumn<QString>("mode");        // "" for none selected
        QTest::addColumn<QString>("date");        // as the Once picker shows it
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("sound");
        QTest::addColumn<QString>("memo");
        const QByteArray time = "[AlarmDateTime]\r\nYear=2026\r\nMonth=4\r\nDay=30\r\nHour=18\r\nMinute=5\r\nSecond=9\r\n"
                                "[AlarmSound]\r\nFile=/music/a b.mp3\r\n";
        const QByteArray twoLines = "Dentist\r\nbring the card";
        QTest::newRow("weekly") << "[AlarmMode]\r\nWeekly=1\r\nOnce=0\r\nHourly=0\r\nDaily=0\r\nMonthly=0\r\nYearly=0\r\n" + time
                                << twoLines << "Weekly" << "" << "06:05:09 PM" << "/music/a b.mp3" << "Dentist\nbring the card";
        // Each missing mode key reads as set; the last one applied wins.
        QTest::newRow("no mode section") << time << twoLines << "Yearly" << "" << "06:05:09 PM" << "/music/a b.mp3"
                                         << "Dentist\nbring the card";
        // No mode is selected, so the pickers keep the look of the last one.
        QTest::newRow("all six modes off") << kSixFalses + time << QByteArray("x") << "" << "30" << "06:05:09 PM"
                                           << "/music/a b.mp3" << "x";
        QTest::newRow("31 April") << "[AlarmMode]\r\nDaily=1\r\n" + QByteArray(time).replace("Day=30", "Day=31") << twoLines
                                  << "Once" << "03/01/2027" << "02:25:37 PM" << "" << "It is time to...";
        QTest::newRow("hour 24") << "[AlarmMode]\r\nDaily=1\r\n" + QByteArray(time).replace("Hour=18", "Hour=24") << twoLines
                                 << "Once" << "03/01/2027" << "02:25:37 PM" << "" << "It is time to...";
        QTest::newRow("no settings file") << QByteArray("-") << twoLines << "Once" << "03/01/2027" << "02:25:37 PM" << ""
                                          << "It is time to...";
        QTest::newRow("no message file") << "[AlarmMode]\r\nDaily=1\r\n" + time << QByteArray("-") << "Once" << "03/01/2027"
                                         << "02:25:37 PM" << "" << "It is time to...";
    }
    void loadsTheAlarmOrFallsBackToTheDefaults()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QByteArray, message);
        QFETCH(QString, mode);
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(QString, sound);
        QFETCH(QString, memo);
        if (settings != "-")
            WriteBytes(AlarmPath("4.ini"), settings);
        if (message != "-")
            WriteBytes(AlarmPath("4Memo.ini"), message);
        // What an earlier alarm left in the controls must not survive.
        w->rbMonthly->setChecked(true);
        w->EditAlarmSound->setText("/old.mp3");
        w->Memo->setPlainText("old");
        Open(false, 4, [&] {
            QCOMPARE(w->CheckedModeText(), mode);
            QCOMPARE(w->rbOnce->isChecked() + w->rbHourly->isChecked() + w->rbDaily->isChecked()
                         + w->rbWeekly->isChecked() + w->rbMonthly->isChecked() + w->rbYearly->isChecked(),
                     mode.isEmpty() ? 0 : 1);
            if (!date.isEmpty())
                QCOMPARE(Shown(w->DatePicker), date);
            QCOMPARE(Shown(w->TimePicker), time);
            QCOMPARE(w->EditAlarmSound->text(), sound);
            QCOMPARE(w->Memo->toPlainText(), memo);
            QVERIFY(!w->Accepted);
        });
        QVERIFY(errors_.shown.isEmpty());
    }

    void noModeSelectedSavesSixFalses()
    {
        WriteBytes(AlarmPath("2.ini"), kSixFalses + "[AlarmDateTime]\r\nYear=2026\r\nMonth=1\r\nDay=2\r\n");
        WriteBytes(AlarmPath("2Memo.ini"), "");
        Open(false, 2, [&] { QTest::mouseClick(w->ButtonOk, Qt::LeftButton); });
        QVERIFY(w->Accepted);
        QCOMPARE(ReadBytes(AlarmPath("2.ini")),
                 kSixFalses + "[AlarmDateTime]\r\nYear=2026\r\nMonth=1\r\nDay=2\r\nHour=0\r\nMinute=0\r\nSecond=0\r\n"
                              "[AlarmSound]\r\nFile=\r\n");
        // An empty message is an empty file.
        QCOMPARE(ReadBytes(AlarmPath("2Memo.ini")), QByteArray());
        QCOMPARE(w->MemoFirstLine(), QString());
        QCOMPARE(w->CheckedModeText(), QString());
    }

    void picturesShowWhatEachModeNeeds()
    {
        // Names from the user's language; the order of the fields stays fixed.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        delete w;
        w = new TFormAlarm;
        WriteBytes(AlarmPath("1.ini"), "[AlarmMode]\r\nOnce=1\r\nHourly=0\r\nDaily=0\r\nWeekly=0\r\nMonthly=0\r\nYearly=0\r\n"
                                      "[AlarmDateTime]\r\nYear=2027\r\nMonth=3\r\nDay=5\r\nHour=21\r\nMinute=7\r\nSecond=3\r\n");
        WriteBytes(AlarmPath("1Memo.ini"), "x");
        Open(false, 1, [&] {
            struct Step {
                QRadioButton *button;
                bool dateEnabled;
                QString date, time;
            };
            const QList<Step> steps = {
                {w->rbOnce, true, "03/05/2027", "09:07:03 PM"},
                {w->rbWeekly, true, "Freitag", "09:07:03 PM"},
                {w->rbDaily, false, "Freitag", "09:07:03 PM"}, // the weekday stays, greyed
                {w->rbHourly, false, "Freitag", "07:03"},
                {w->rbMonthly, true, "05", "09:07:03 PM"},
                {w->rbYearly, true, "05 März", "09:07:03 PM"},
                {w->rbOnce, true, "03/05/2027", "09:07:03 PM"},
            };
            for (const Step &s : steps) {
                QTest::mouseClick(s.button, Qt::LeftButton, {}, QPoint(6, s.button->height() / 2));
                QVERIFY2(s.button->isChecked(), qPrintable(s.button->text()));
                QCOMPARE(w->DatePicker->isEnabled(), s.dateEnabled);
                QCOMPARE(Shown(w->DatePicker).remove(QLatin1Char('.')), s.date);
                QCOMPARE(Shown(w->TimePicker), s.time);
                // Whatever is shown, the whole date and time are kept.
                QCOMPARE(w->PickedTime(), (AlarmTime{2027, 3, 5, 21, 7, 3}));
            }
        });
    }

    void nowIsSavedToTheSecond()
    {
        // Left by an earlier alarm of the same identifier: not read, but its keys keep their places.
        WriteBytes(AlarmPath("3.ini"), "[AlarmMode]\r\nMonthly=1\r\n");
        Open(true, 3, [&] {
            QVERIFY(w->rbOnce->isChecked());
            QCOMPARE(w->Memo->toPlainText(), QString("It is time to..."));
            w->rbWeekly->click();
            clock_ = EncodeDateTime(2028, 2, 29, 23, 59, 58, 999);
            QTest::mouseClick(w->Button1, Qt::LeftButton);
            QVERIFY(w->rbWeekly->isChecked()); // "Now" leaves the mode
            QTest::mouseClick(w->ButtonOk, Qt::LeftButton);
        });
        QVERIFY(w->Accepted);
        QVERIFY(!w->isVisible());
        QCOMPARE(ReadBytes(AlarmPath("3.ini")),
                 QByteArray("[AlarmMode]\r\nMonthly=0\r\nOnce=0\r\nHourly=0\r\nDaily=0\r\nWeekly=1\r\nYearly=0\r\n"
                            "[AlarmDateTime]\r\nYear=2028\r\nMonth=2\r\nDay=29\r\nHour=23\r\nMinute=59\r\nSecond=58\r\n"
                            "[AlarmSound]\r\nFile=\r\n"));
        QCOMPARE(ReadBytes(AlarmPath("3Memo.ini")), QByteArray("It is time to..."));
    }

    void captionIsTheFirstLineAsTheBoxShowsIt()
    {
        const QString longLine = "Call the garage about the winter tyres and ask whether they can also look at the brakes";
        Open(true, 1, [&] {
            w->Memo->setPlainText(longLine + "\nsecond line");
            const QString caption = w->MemoFirstLine();
            QVERIFY2(caption.size() < longLine.size() && caption.size() > 10, qPrintable(caption));
            QVERIFY(longLine.startsWith(caption));
            QVERIFY(w->Memo->fontMetrics().horizontalAdvance(caption.trimmed()) <= w->Memo->viewport()->width());
            w->Memo->setPlainText("Short\nsecond line");
            QCOMPARE(w->MemoFirstLine(), QString("Short"));
        });
    }

    void failedSavesKeepTheWindowOpenAndLoseNothing()
    {
        WriteBytes(AlarmPath("5.ini"), "[AlarmSound]\r\nFile=/old.mp3\r\n");
        WriteBytes(AlarmPath("5Memo.ini"), "old message");
        QDir(dir_->path()).rename("alarm", "elsewhere");
        bool stillOpen = false;
        Open(false, 5, [&] {
            w->Memo->setPlainText("new message");
            QTest::mouseClick(w->ButtonOk, Qt::LeftButton);
            stillOpen = w->isVisible() && !w->Accepted;
            QVERIFY(QDir(dir_->path()).rename("elsewhere", "alarm"));
            // The message file cannot be replaced: a folder is in its way.
            QVERIFY(QFile::remove(AlarmPath("5Memo.ini")));
            QVERIFY(QDir().mkdir(AlarmPath("5Memo.ini")));
            QTest::mouseClick(w->ButtonOk, Qt::LeftButton);
            stillOpen = stillOpen && w->isVisible() && !w->Accepted;
        });
        QVERIFY(stillOpen);
        QVERIFY(!w->Accepted);
        QCOMPARE(errors_.shown, QStringList({"Unable to write to " + dir_->path() + "/alarm/5.ini.",
                                       "Cannot create file " + AlarmPath("5Memo.ini") + "."}));
        // The settings file is kept as it was, since its message could not follow it.
        QCOMPARE(ReadBytes(AlarmPath("5.ini")), QByteArray("[AlarmSound]\r\nFile=/old.mp3\r\n"));
    }

    void enterAndEscCloseNothing()
    {
        Open(true, 1, [&] {
            w->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(w));
            QTest::keyClick(w, Qt::Key_Escape);
            QVERIFY(w->isVisible());
            w->ButtonOk->setFocus();
            QTest::keyClick(w->ButtonOk, Qt::Key_Return);
            QTest::keyClick(w->ButtonOk, Qt::Key_Enter);
            QVERIFY(w->isVisible());
            w->Memo->setFocus();
            w->Memo->moveCursor(QTextCursor::End);
            QTest::keyClick(w->Memo, Qt::Key_Return);
            QTest::keyClicks(w->Memo, "then go");
            QVERIFY(w->isVisible());
            QCOMPARE(w->Memo->toPlainText(), QString("It is time to...\nthen go"));

        });
        QVERIFY(!w->Accepted);
    }

    void soundDialogOffersAudioFilesFirst()
    {
        QCOMPARE(QtNameFilters(QString::fromLatin1(TFormAlarm::OpenDialogFilter)),
                 QStringList({"Audio files (*.mp3 *.mp2 *.wma *.wax *.wav *.mid *.midi *.rmi *.au *.snd)",
                              "All files (*.*) (*)"}));
        const QString chosen = dir_->filePath("tune.ogg.mp3");
        WriteBytes(chosen, "x");
        Open(true, 1, [&] {
            QString filter, shownName;
            QTimer::singleShot(0, w, [&] {
                QTRY_VERIFY_WITH_TIMEOUT(w->OpenDialog && w->OpenDialog->isVisible(), 10000);
                filter = w->OpenDialog->selectedNameFilter();
                auto *name = w->OpenDialog->findChild<QLineEdit *>("fileNameEdit");
                QVERIFY(name);
                name->setText(chosen);
                QTest::keyClick(name, Qt::Key_Return);
            });
            QTest::mouseClick(w->ButtonOpen, Qt::LeftButton);
            QCOMPARE(filter, QString("Audio files")); // shown without its patterns
            QCOMPARE(w->EditAlarmSound->text(), chosen);
            // Cancelling the dialog leaves the field as it was.
            QTimer::singleShot(0, w, [&] {
                QTRY_VERIFY_WITH_TIMEOUT(w->OpenDialog->isVisible(), 10000);
                w->OpenDialog->reject();
            });
            QTest::mouseClick(w->ButtonOpen, Qt::LeftButton);
            QCOMPARE(w->EditAlarmSound->text(), chosen);
        });
    }

    void previewSkipsHalfASecondOnlyAfterAStop()
    {
        // The flag alone, with no sound: reports as the bar makes them.
        QVERIFY(w->Player->SkipPending);
        w->DSTrackBar->SetMax(10);
        w->DSTrackBar->SetPosition(1);
        w->DSTrackBarTimer(w->DSTrackBar, 0, 0);
        QVERIFY(!w->Player->SkipPending); // the first report of the first preview skips
        w->DSTrackBar->SetPosition(10);
        w->DSTrackBarTimer(w->DSTrackBar, 0, 0);
        QVERIFY(!w->Player->SkipPending); // the end stops, and the same report uses the skip up
        QVERIFY(!w->ButtonPlay->isHidden());
        w->ButtonStop->click();
        QVERIFY(w->Player->SkipPending); // a stop by the user arms it again
        // No sound chosen: nothing starts, not even the player.
        w->ButtonPlay->click();
        QVERIFY(!w->ButtonPlay->isHidden() && !w->FilterGraph->Active());

        // A real preview: a stop makes the next one start half a second in.
        const QString sound = dir_->filePath("tone.wav");
        QVERIFY(TestWav::WriteTone(sound, 1500));
        w->EditAlarmSound->setText(sound);
        QList<int> positions;
        w->DSTrackBar->SetOnTimer([&](TDSTrackBar *bar, uint32_t current, uint32_t stop) {
            positions << bar->Position();
            w->DSTrackBarTimer(bar, current, stop);
        });
        w->ButtonPlay->click();
        QVERIFY(w->ButtonPlay->isHidden() && !w->ButtonStop->isHidden());
        QTRY_VERIFY_WITH_TIMEOUT(positions.size() >= 3, 10000);
        QVERIFY2(positions.at(1) >= 5, qPrintable(QString::number(positions.at(1))));
        // Played to its end: back to idle, and the next preview starts at the beginning.
        QTRY_VERIFY_WITH_TIMEOUT(!w->ButtonPlay->isHidden(), 10000);
        QVERIFY(w->ButtonStop->isHidden());
        positions.clear();
        w->ButtonPlay->click();
        QTRY_VERIFY_WITH_TIMEOUT(positions.size() >= 2, 10000);
        QVERIFY2(positions.at(1) < 5, qPrintable(QString::number(positions.at(1))));
        w->ButtonStop->click();
        QVERIFY(w->Player->SkipPending);
    }
};

QTEST_MAIN(TestAlarmEditor)
#include "tst_alarmeditor.moc"
