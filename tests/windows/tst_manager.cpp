// The alarm manager: its page switch and strip, the alarm list's add, edit,
// delete and selection rules with the real editor, a full list, and the
// chimes its scheduler tick starts.
#include "app/DateTime.h"
#include "app/TIniFile.h"
#include "player/TFilterGraph.h"
#include "store/AlarmFiles.h"
#include "windows/AlarmListView.h"
#include "windows/TFormAlarm.h"
#include "windows/TFormMain.h"

#include "ShowCounter.h"
#include "ErrorBoxCapture.h"
#include "TestFiles.h"
#include "TestProgramFolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

class TestManager : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgramFolder> dir_;
    ErrorBoxCapture errors_;
    TDateTime clock_ = 0;

    QString AlarmPath(const QString &name) const { return dir_->filePath("alarm/" + name); }

    // Alarms as the editor and the manager leave them, before the manager is made.
    void WriteAlarms(const QList<int> &ids)
    {
        for (int id : ids) {
            AlarmFiles::WriteSettings(id, AlarmMode::Daily, {2027, 3, 1, 7, 0, uint16_t(id % 60)}, QString());
            AlarmFiles::WriteMessage(id, {QString("Alarm %1").arg(id)});
        }
        QList<TIniFile::Entry> index;
        for (int i = 0; i < ids.size(); ++i)
            index.append({"Alarms", QString("Alarm%1").arg(i + 1), QString::number(ids[i])});
        TIniFile(AlarmFiles::IndexPath()).ReplaceSection("Alarms", index);
    }

    void Start()
    {
        FormMain = new TFormMain;
        FormMain->Timer->stop(); // the tests tick it themselves
        FormMain->show();
        FormMain->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(FormMain));
    }

    QStringList Captions() const
    {
        QStringList result;
        for (int r = 0; r < FormMain->Alarms.Count(); ++r)
            result << FormMain->Alarms.Row(r).Caption;
        return result;
    }

    // A point in the list's viewport on row `row`, or below the rows for -1.
    QPoint RowPoint(int row) const
    {
        QAbstractItemView *list = FormMain->AlarmsList;
        if (row < 0)
            return {20, list->viewport()->height() - 5};
        return list->visualRect(list->model()->index(row, 0)).center();
    }

    // Runs `inside` while the editor is shown, once it opens.
    void WhenEditorOpens(const std::function<void()> &inside)
    {
        QTimer::singleShot(0, FormAlarm, [inside] {
            QTRY_VERIFY_WITH_TIMEOUT(FormAlarm->isVisible(), 10000);
            inside();
        });
    }

private slots:
    void init()
    {
        dir_ = std::make_unique<TestProgramFolder>([this] { return clock_; });
        qputenv("XDG_CONFIG_HOME", dir_->filePath("config").toUtf8());
        clock_ = EncodeDateTime(2027, 3, 1, 13, 59, 50, 0);
        errors_.shown.clear();
        FormAlarm = new TFormAlarm;
    }
    void cleanup()
    {
        delete FormMain;
        delete FormAlarm;
        FormMain = nullptr;
        FormAlarm = nullptr;
        dir_.reset();
    }

    void pagesSwitchAsMirrorImages()
    {
        // The strip is a JPEG, read through Qt's JPEG reader.
        QImageReader reader(":/pictures/ManagerStrip.jpg");
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        QCOMPARE(reader.read().size(), QSize(80, 351));
        Start();
        QCOMPARE(FormMain->Image2->pixmap().size(), QSize(80, 351));

        const auto shows = [] {
            return QList<bool>{FormMain->ButtonAlarms->isVisible(), FormMain->FButtonAlarms->isVisible(),
                               FormMain->ButtonOptions->isVisible(), FormMain->FButtonOptions->isVisible(),
                               FormMain->PanelAlarms->isVisible(), FormMain->PanelOptions->isVisible()};
        };
        const QList<bool> alarmsPage{false, true, true, false, true, false};
        const QList<bool> optionsPage{true, false, false, true, false, true};
        QCOMPARE(shows(), alarmsPage);
        QTest::mouseClick(FormMain->ButtonOptions, Qt::LeftButton);
        QCOMPARE(shows(), optionsPage);
        QTest::mouseClick(FormMain->FButtonOptions, Qt::LeftButton); // the page already shown
        QCOMPARE(shows(), optionsPage);
        QTest::mouseClick(FormMain->ButtonAlarms, Qt::LeftButton);
        QCOMPARE(shows(), alarmsPage);
        QTest::mouseClick(FormMain->FButtonAlarms, Qt::LeftButton);
        QCOMPARE(shows(), alarmsPage);
        // Pressed from code, as the clock's menu does, with the window hidden.
        FormMain->hide();
        FormMain->ButtonOptions->click();
        FormMain->show();
        QCOMPARE(shows(), optionsPage);
    }

    void selectionFollowsClicksAndDeletes()
    {
        WriteAlarms({1, 2, 3});
        Start();
        ShowCounter editor;
        FormAlarm->installEventFilter(&editor);

        // "Del" with nothing selected removes nothing but still writes the index.
        QCOMPARE(FormMain->ItemIndex(), -1);
        const QByteArray index = ReadBytes(AlarmFiles::IndexPath());
        QVERIFY(QFile::remove(AlarmFiles::IndexPath()));
        QTest::mouseClick(FormMain->ButtonDel, Qt::LeftButton);
        QCOMPARE(ReadBytes(AlarmFiles::IndexPath()), index);
        QCOMPARE(FormMain->Alarms.Count(), 3);
        QCOMPARE(FormMain->ItemIndex(), -1);
        // "Edit" with nothing selected opens nothing.
        QTest::mouseClick(FormMain->ButtonEdit, Qt::LeftButton);
        QCOMPARE(editor.shows, 0);
        // A click below the rows selects the last row.
        QTest::mouseClick(FormMain->AlarmsList->viewport(), Qt::LeftButton, {}, RowPoint(-1));
        QCOMPARE(FormMain->ItemIndex(), 2);
        QTest::mouseClick(FormMain->AlarmsList->viewport(), Qt::LeftButton, {}, RowPoint(1));
        QCOMPARE(FormMain->ItemIndex(), 1);
        // Enter in the list edits the row (cancelled here), and keeps it selected.
        QTimer::singleShot(0, FormAlarm, [] { FormAlarm->Button2->click(); });
        QTest::keyClick(FormMain->AlarmsList, Qt::Key_Return);
        QCOMPARE(editor.shows, 1);
        QCOMPARE(FormAlarm->AlarmId, FormMain->Alarms.Slot(2).Id);
        QCOMPARE(FormMain->ItemIndex(), 1);

        // The middle row goes, by the Delete key as by "Del": the one that
        // moved up is selected; files stay.
        QTest::keyClick(FormMain->AlarmsList, Qt::Key_Delete);
        QCOMPARE(Captions(), QStringList({"Alarm 1", "Alarm 3"}));
        QCOMPARE(FormMain->ItemIndex(), 1);
        QCOMPARE(FormMain->Alarms.Slot(2).Id, 3);
        QCOMPARE(FormMain->Alarms.Slot(3).Id, 0);
        QCOMPARE(ReadBytes(AlarmFiles::IndexPath()), QByteArray("[Alarms]\r\nAlarm1=1\r\nAlarm2=3\r\n"));
        QVERIFY(QFile::exists(AlarmPath("2.ini")) && QFile::exists(AlarmPath("2Memo.ini")));
        // The bottom row goes: the new bottom row is selected.
        QTest::mouseClick(FormMain->ButtonDel, Qt::LeftButton);
        QCOMPARE(Captions(), QStringList({"Alarm 1"}));
        QCOMPARE(FormMain->ItemIndex(), 0);
        QCOMPARE(FormMain->focusWidget(), FormMain->AlarmsList);
        // The only row goes: nothing left, nothing selected.
        QTest::mouseClick(FormMain->ButtonDel, Qt::LeftButton);
        QCOMPARE(FormMain->Alarms.Count(), 0);
        QCOMPARE(FormMain->ItemIndex(), -1);
        QCOMPARE(ReadBytes(AlarmFiles::IndexPath()), QByteArray());
        QVERIFY(errors_.shown.isEmpty());
    }

    void cancelledAddChangesNothingAddAppendsAndAnEditKeepsItsPlace()
    {
        // Identifier 2 was deleted earlier: its files are still there.
        WriteAlarms({1, 2, 3});
        WriteAlarms({1, 3});
        Start();
        const QByteArray index = ReadBytes(AlarmFiles::IndexPath());
        const QByteArray settings2 = ReadBytes(AlarmPath("2.ini")), message2 = ReadBytes(AlarmPath("2Memo.ini"));

        int offered = 0;
        WhenEditorOpens([&] {
            offered = FormAlarm->AlarmId;
            FormAlarm->Memo->setPlainText("never kept");
            FormAlarm->rbYearly->click();
            QTest::mouseClick(FormAlarm->Button2, Qt::LeftButton);
        });
        QTest::mouseClick(FormMain->ButtonAdd, Qt::LeftButton);
        QCOMPARE(offered, 2);
        QCOMPARE(ReadBytes(AlarmFiles::IndexPath()), index);
        QCOMPARE(ReadBytes(AlarmPath("2.ini")), settings2);
        QCOMPARE(ReadBytes(AlarmPath("2Memo.ini")), message2);
        QCOMPARE(Captions(), QStringList({"Alarm 1", "Alarm 3"}));

        // An accepted add: a last row, under the identifier offered.
        WhenEditorOpens([] {
            FormAlarm->Memo->setPlainText("Added");
            QTest::mouseClick(FormAlarm->ButtonOk, Qt::LeftButton);
        });
        QTest::mouseClick(FormMain->ButtonAdd, Qt::LeftButton);
        QCOMPARE(Captions(), QStringList({"Alarm 1", "Alarm 3", "Added"}));
        QCOMPARE(ReadBytes(AlarmFiles::IndexPath()), index + "Alarm3=2\r\n");
        QCOMPARE(ReadBytes(AlarmPath("2Memo.ini")), QByteArray("Added"));

        // An accepted edit of the first row: same place, same identifier, new values.
        QTest::mouseClick(FormMain->AlarmsList->viewport(), Qt::LeftButton, {}, RowPoint(0));
        WhenEditorOpens([&] {
            QCOMPARE(FormAlarm->Memo->toPlainText(), QString("Alarm 1"));
            FormAlarm->Memo->setPlainText("Water the plants\nthe big ones too");
            QTest::mouseClick(FormAlarm->rbMonthly, Qt::LeftButton, {}, QPoint(6, 8));
            QTest::mouseClick(FormAlarm->ButtonOk, Qt::LeftButton);
        });
        QTest::mouseDClick(FormMain->AlarmsList->viewport(), Qt::LeftButton, {}, RowPoint(0));
        QCOMPARE(Captions(), QStringList({"Water the plants", "Alarm 3", "Added"}));
        QCOMPARE(FormMain->Alarms.Row(0).ModeText, QString("Monthly"));
        QCOMPARE(FormMain->Alarms.Slot(1), (AlarmSlot{1, {2027, 3, 1, 7, 0, 1}}));
        QCOMPARE(FormMain->ItemIndex(), 0);
        QCOMPARE(FormMain->AlarmsList->model()->index(0, 1).data().toString(), QString("Monthly"));
        QCOMPARE(ReadBytes(AlarmFiles::IndexPath()), index + "Alarm3=2\r\n");
        QCOMPARE(ReadBytes(AlarmPath("1Memo.ini")), QByteArray("Water the plants\r\nthe big ones too"));
        QVERIFY(errors_.shown.isEmpty());
    }

    void aFullListRefusesAdd()
    {
        QList<int> ids;
        for (int id = 1; id <= 255; ++id)
            ids << id;
        WriteAlarms(ids);
        Start();
        QCOMPARE(FormMain->Alarms.Count(), 255);
        const QByteArray index = ReadBytes(AlarmFiles::IndexPath());
        ShowCounter editor;
        FormAlarm->installEventFilter(&editor);
        // Should it open after all, it is closed again so the test ends.
        QTimer::singleShot(0, FormAlarm, [] { FormAlarm->Button2->click(); });
        QTest::mouseClick(FormMain->ButtonAdd, Qt::LeftButton);
        QCOMPARE(editor.shows, 0);
        QCOMPARE(errors_.shown, QStringList({"The alarm list is full: Tocsimo keeps at most 255 alarms. "
                                       "Delete an alarm before adding another."}));
        QCOMPARE(FormMain->Alarms.Count(), 255);
        QCOMPARE(ReadBytes(AlarmFiles::IndexPath()), index);
        QVERIFY(!QFile::exists(AlarmPath("256.ini")));
    }

    void chimesAtTheirSeconds()
    {
        // The chime the build made, under its name with the blank.
        QDir(dir_->path()).mkdir("sound");
        QVERIFY(QFile::copy(TOCSIMO_SOUND_DIR "/Yee Haa.wav", dir_->filePath("sound/Yee Haa.wav")));
        FormMain = new TFormMain;
        FormMain->Timer->stop();
        FormMain->cbChime->setCurrentIndex(4);

        // True when a tick at the given time starts a chime. The rule of each
        // interval is the chime test's; here, that each option reaches it.
        const auto chimesAt = [this](int minute, int second) {
            FormMain->ButtonStop->click();
            clock_ = EncodeDateTime(2027, 3, 1, 14, minute, second, 2);
            FormMain->TimerTimer();
            return !FormMain->ButtonStop->isHidden();
        };
        FormMain->rbHourly->click();
        QVERIFY(chimesAt(0, 0));
        QVERIFY(!chimesAt(30, 0));
        FormMain->rbHalfHourly->click();
        QVERIFY(chimesAt(30, 0));
        QVERIFY(!chimesAt(15, 0));
        FormMain->rbQuartarHourly->click();
        QVERIFY(chimesAt(15, 0));
        FormMain->chkChimes->click(); // off
        QVERIFY(!chimesAt(0, 0));
        QVERIFY(errors_.shown.isEmpty());
    }
};

QTEST_MAIN(TestManager)
#include "tst_manager.moc"
