#include "app/TIniFile.h"
#include "windows/AlarmListModel.h"
#include "windows/AlarmListView.h"
#include "windows/AutoRun.h"
#include "windows/Options.h"
#include "player/TFilterGraph.h"
#include "windows/TFormMain.h"

#include "ErrorBoxCapture.h"
#include "TestFiles.h"
#include "TestProgramFolder.h"
#include "TestWav.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>
#include <QTreeView>

#include <memory>

namespace {
QString EntryValue(const QString &key)
{
    for (const QByteArray &line : ReadBytes(AutoRun::EntryPath()).split('\n'))
        if (line.startsWith(key.toUtf8() + "="))
            return QString::fromUtf8(line.mid(key.size() + 1));
    return {};
}
} // namespace

class TestOptions : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgramFolder> dir_;
    QTemporaryDir *config_ = nullptr;
    ErrorBoxCapture errors_;

    QString OptionsPath() const { return dir_->filePath("Options.ini"); }

private slots:
    void init()
    {
        dir_ = std::make_unique<TestProgramFolder>();
        config_ = new QTemporaryDir;
        qputenv("XDG_CONFIG_HOME", config_->path().toUtf8());
        errors_.shown.clear();
    }
    void cleanup()
    {
        delete FormMain;
        FormMain = nullptr;
        dir_.reset();
        delete config_;
    }

    void fileDefaultsAndTheIntervalRule()
    {
        QCOMPARE(OptionsFile::Read(OptionsPath()), Options{});
        WriteBytes(OptionsPath(), "[Chimes]\r\nHalfHourly=1\r\nQuartaHourly=1\r\nChimeSound=4\r\n[General]\r\nAMPM=0\r\n"
                                  "[Alarm]\r\nSnooze=0\r\n");
        Options o = OptionsFile::Read(OptionsPath());
        QCOMPARE(o.SnoozeMinutes, 1);
        QCOMPARE(o.Interval, ChimeInterval::QuarterHourly);
        QCOMPARE(o.ChimeSound, 4);
        QVERIFY(!o.AMPM);
        QVERIFY(o.AutoRun && o.AutoHide && o.Repeat && o.EnableChimes);
        WriteBytes(OptionsPath(), "[Chimes]\r\nHourly=0\r\nHalfHourly=0\r\nQuartaHourly=0\r\nChimeSound=x\r\n"
                                  "[Alarm]\r\nSnooze=999\r\n");
        o = OptionsFile::Read(OptionsPath());
        QCOMPARE(o.SnoozeMinutes, 60);
        QCOMPARE(o.Interval, ChimeInterval::None);
        QCOMPARE(o.ChimeSound, 0);
    }

    void fileHasElevenKeysInOrder()
    {
        Options o;
        o.AutoHide = false;
        o.ShowMissed = false;
        o.SnoozeMinutes = 25;
        o.Interval = ChimeInterval::HalfHourly;
        o.ChimeSound = -1;
        OptionsFile::Write(OptionsPath(), o);
        QCOMPARE(ReadBytes(OptionsPath()),
                 QByteArray("[General]\r\nAutoRun=1\r\nAutoHide=0\r\nAMPM=1\r\n[Alarm]\r\nRepeat=1\r\nShowMissed=0\r\nSnooze=25\r\n"
                            "[Chimes]\r\nEnableChimes=1\r\nHourly=0\r\nHalfHourly=1\r\nQuartaHourly=0\r\nChimeSound=-1\r\n"));
        QCOMPARE(OptionsFile::Read(OptionsPath()), o);
    }

    void pageFollowsTheFileAndSavesOnClose()
    {
        WriteBytes(OptionsPath(), "[General]\r\nAMPM=0\r\nAutoHide=0\r\n[Chimes]\r\nHourly=0\r\nChimeSound=9\r\n"
                                  "[Alarm]\r\nShowMissed=0\r\nSnooze=25\r\n");
        FormMain = new TFormMain;
        QVERIFY(!FormMain->chkShowMissed->isChecked());
        QCOMPARE(FormMain->EditSnooze->value(), 25);
        QVERIFY(FormMain->rb24Hours->isChecked());
        QVERIFY(!FormMain->rbAMPM->isChecked());
        QVERIFY(!FormMain->chkAutoHide->isChecked());
        QVERIFY(!FormMain->rbHourly->isChecked() && !FormMain->rbHalfHourly->isChecked()
                && !FormMain->rbQuartarHourly->isChecked());
        QCOMPARE(FormMain->cbChime->currentIndex(), -1);
        QCOMPARE(FormMain->cbChime->currentText(), QString());

        // A change on the page is live at once and reaches the file on close.
        FormMain->show();
        FormMain->rbQuartarHourly->click();
        FormMain->chkRepeat->click();
        QVERIFY(OptionsFile::Read(OptionsPath()).Repeat);
        FormMain->accept();
        QVERIFY(!FormMain->isVisible());
        const Options saved = OptionsFile::Read(OptionsPath());
        QCOMPARE(saved.Interval, ChimeInterval::QuarterHourly);
        QVERIFY(!saved.Repeat);
        QVERIFY(!saved.AMPM);
        QVERIFY(!saved.ShowMissed);
        QCOMPARE(saved.SnoozeMinutes, 25);
        QCOMPARE(TIniFile(OptionsPath()).ReadString("Chimes", "ChimeSound", ""), QString("-1"));
        QVERIFY(QFile::exists(dir_->filePath("alarm/Alarms.ini")) == false); // no alarms, no index
        QVERIFY(errors_.shown.isEmpty());
    }

    void showReloadsTheFile()
    {
        FormMain = new TFormMain;
        QVERIFY(FormMain->rbAMPM->isChecked());
        QCOMPARE(FormMain->cbChime->currentText(), QString("Chime"));
        WriteBytes(OptionsPath(), "[General]\r\nAMPM=0\r\n[Chimes]\r\nChimeSound=4\r\n");
        FormMain->show();
        QVERIFY(FormMain->rb24Hours->isChecked());
        QCOMPARE(FormMain->cbChime->currentText(), QString("Yee Haa"));
        FormMain->hide();
    }

    void failedSaveKeepsTheWindowOpenAndTheIndexUnwritten()
    {
        WriteBytes(dir_->filePath("alarm/Alarms.ini"), "[Alarms]\r\nAlarm1=1\r\n");
        FormMain = new TFormMain;
        QDir(dir_->path()).mkdir("Options.ini"); // a folder where the file should go
        FormMain->show();
        FormMain->accept();
        QVERIFY(FormMain->isVisible());
        QCOMPARE(errors_.shown, QStringList({"Unable to write to " + OptionsPath() + "."}));
        QCOMPARE(ReadBytes(dir_->filePath("alarm/Alarms.ini")), QByteArray("[Alarms]\r\nAlarm1=1\r\n"));
        QDir(dir_->path()).rmdir("Options.ini");
        FormMain->reject();
        QVERIFY(!FormMain->isVisible());
    }

    void createLoadsOptionsThenAlarms()
    {
        WriteBytes(dir_->filePath("alarm/Alarms.ini"), "[Alarms]\r\nAlarm1=2\r\n");
        WriteBytes(dir_->filePath("alarm/2Memo.ini"), "Dentist\r\nbring the card");
        WriteBytes(dir_->filePath("alarm/2.ini"), "[AlarmMode]\r\nWeekly=1\r\n");
        FormMain = new TFormMain;
        QVERIFY(FormMain->Timer->isActive());
        // The list view shows the rows once the window shows.
        QVERIFY(FormMain->AlarmsList->model() != FormMain->AlarmsModel);
        FormMain->show();
        QAbstractItemModel *rows = FormMain->AlarmsList->model();
        QCOMPARE(rows, FormMain->AlarmsModel);
        QCOMPARE(rows->rowCount(), 1);
        QCOMPARE(rows->index(0, 0).data().toString(), QString("Dentist"));
        QCOMPARE(rows->index(0, 1).data().toString(), QString("Weekly"));
        QCOMPARE(rows->headerData(0, Qt::Horizontal).toString(), QString("Caption"));
        QCOMPARE(rows->headerData(1, Qt::Horizontal).toString(), QString("Mode"));
        QCOMPARE(FormMain->AlarmsList->columnWidth(0), 200);
        QCOMPARE(FormMain->AlarmsList->columnWidth(1), 80);
        // Only the columns that show: a screen reader reads no empty "ID".
        QCOMPARE(rows->columnCount(), 2);

        // Closing writes the options, then the index.
        QFile::remove(dir_->filePath("alarm/Alarms.ini"));
        FormMain->accept();
        QCOMPARE(ReadBytes(dir_->filePath("alarm/Alarms.ini")), QByteArray("[Alarms]\r\nAlarm1=2\r\n"));
        QVERIFY(QFile::exists(OptionsPath()));
    }

    void autorunEntryFollowsTheBox()
    {
        const QString exe = QDir::homePath() + QString::fromUtf8("/My Programs/Wecker ü/$HOME `y` \"x\" 100%/tocsimo");
        AutoRun::Update(true, exe);
        QCOMPARE(EntryValue("Hidden"), QString("false"));
        QCOMPARE(EntryValue("Name"), QString("Tocsimo"));
        // Quoted, with the quote's escapes, then the value's own: "\\" and "%%".
        QCOMPARE(EntryValue("Exec"), '"' + QDir::homePath() + QString::fromUtf8("/My Programs/Wecker ü/\\\\$HOME \\\\`y\\\\` \\\\\"x\\\\\" 100%%/tocsimo\""));
        QCOMPARE(EntryValue("TryExec"), exe);
        AutoRun::Update(false, exe);
        QCOMPARE(EntryValue("Hidden"), QString("true"));
        QVERIFY(QFile::exists(AutoRun::EntryPath()));

        // The page: loading writes the entry, unchecking hides it, checking brings it back.
        FormMain = new TFormMain;
        QCOMPARE(EntryValue("Hidden"), QString("false"));
        QCOMPARE(EntryValue("TryExec"), QCoreApplication::applicationFilePath());
        FormMain->chkAutoRun->click();
        QCOMPARE(EntryValue("Hidden"), QString("true"));
        FormMain->chkAutoRun->click();
        QCOMPARE(EntryValue("Hidden"), QString("false"));
        QVERIFY(errors_.shown.isEmpty());
    }

    void autorunFailures()
    {
        // The folder cannot be made: nothing, silently, from the page too.
        WriteBytes(config_->filePath("autostart"), "a file in the way");
        AutoRun::Update(true, "/x/tocsimo");
        FormMain = new TFormMain;
        FormMain->chkAutoRun->click();
        FormMain->chkAutoRun->click();
        QVERIFY(errors_.shown.isEmpty());
        QCOMPARE(ReadBytes(config_->filePath("autostart")), QByteArray("a file in the way"));
        delete FormMain;
        FormMain = nullptr;
        QDir().remove(config_->filePath("autostart"));
        // The entry cannot be written: the registry-style error.
        QDir().mkpath(AutoRun::EntryPath());
        try {
            AutoRun::Update(true, "/x/tocsimo");
            QFAIL("no error");
        } catch (const Exception &e) {
            QCOMPARE(e.Message(), QString("Failed to set data for 'Tocsimo'"));
        }
    }

    void chimePreviewPlaysThroughAndComesBackToIdle()
    {
        FormMain = new TFormMain;
        // Missing sound folder: nothing plays and nothing is said.
        FormMain->ButtonPlay->click();
        QTRY_VERIFY_WITH_TIMEOUT(!FormMain->FilterGraph->Active(), 10000);
        QVERIFY(!FormMain->ButtonPlay->isHidden());
        QVERIFY(FormMain->ButtonStop->isHidden());
        QVERIFY(errors_.shown.isEmpty());

        // A 0.4 s tone as "Yee Haa": the blank in the name is part of the file name.
        QDir(dir_->path()).mkdir("sound");
        QVERIFY(TestWav::WriteTone(dir_->filePath("sound/Yee Haa.wav"), 400));

        FormMain->cbChime->setCurrentIndex(4);
        FormMain->ButtonPlay->click();
        QVERIFY(FormMain->ButtonPlay->isHidden());
        QVERIFY(!FormMain->ButtonStop->isHidden());
        QVERIFY(FormMain->FilterGraph->Active());
        QTRY_VERIFY_WITH_TIMEOUT(!FormMain->ButtonPlay->isHidden(), 10000);
        QVERIFY(FormMain->ButtonStop->isHidden());

        // No chime selected: the preview does nothing.
        FormMain->cbChime->setCurrentIndex(-1);
        FormMain->ButtonPlay->click();
        QVERIFY(!FormMain->ButtonPlay->isHidden());
        QVERIFY(errors_.shown.isEmpty());
    }

    void unwritableAutorunEntryLosesNoOptionsAndNoAlarms()
    {
        QDir().mkpath(AutoRun::EntryPath()); // a folder where the entry should go
        WriteBytes(OptionsPath(), "[General]\r\nAutoRun=0\r\nAMPM=0\r\n[Chimes]\r\nChimeSound=3\r\n");
        WriteBytes(dir_->filePath("alarm/Alarms.ini"), "[Alarms]\r\nAlarm1=2\r\n");
        FormMain = new TFormMain;
        QCOMPARE(errors_.shown, QStringList({"Failed to set data for 'Tocsimo'"})); // a quote mark sorts before the full stop
        QVERIFY(!FormMain->chkAutoRun->isChecked());
        QVERIFY(FormMain->rb24Hours->isChecked());
        QCOMPARE(FormMain->cbChime->currentIndex(), 3);
        QCOMPARE(FormMain->Alarms.Count(), 1);

        FormMain->show();
        FormMain->accept();
        const Options saved = OptionsFile::Read(OptionsPath());
        QVERIFY(!saved.AMPM);
        QCOMPARE(saved.ChimeSound, 3);
        QCOMPARE(ReadBytes(dir_->filePath("alarm/Alarms.ini")), QByteArray("[Alarms]\r\nAlarm1=2\r\n"));
    }
};

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
