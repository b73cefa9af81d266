#include "app/Exception.h"
#include "app/TIniFile.h"
#include "app/StoreLog.h"
#include "store/AlarmFilePair.h"
#include "store/AlarmFiles.h"
#include "store/AlarmStore.h"

#include "TestFiles.h"
#include "TestProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <memory>

// A save whose write at one step fails (none: -1).
class FailingPair : public AlarmFilePair {
public:
    explicit FailingPair(int failAt) : failAt_(failAt) {}

protected:
    bool Run(Step step, const std::function<bool()> &write) override
    {
        return step != failAt_ && AlarmFilePair::Run(step, write);
    }

private:
    int failAt_;
};

// Each test gets a fresh program folder.
class TestAlarmStore : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgramFolder> dir_;

    QString AlarmPath(const QString &name) const { return dir_->filePath("alarm/" + name); }
    void WriteRaw(const QString &name, const QByteArray &bytes) const { WriteBytes(AlarmPath(name), bytes); }
    QByteArray ReadRaw(const QString &name) const { return ReadBytes(AlarmPath(name)); }

    // An alarm as the editor writes it.
    void WriteAlarm(int id, AlarmMode mode, const AlarmTime &t, const QStringList &message) const
    {
        AlarmFiles::WriteSettings(id, mode, t, "/sounds/a.mp3");
        AlarmFiles::WriteMessage(id, message);
    }

    static QStringList Ids(const AlarmStore &s)
    {
        QStringList ids;
        for (int k = 1; k <= s.Count(); ++k)
            ids << QString::number(s.Slot(k).Id);
        return ids;
    }

    static void CheckParallel(const AlarmStore &s)
    {
        for (int k = s.Count() + 1; k <= AlarmStore::SlotCount; ++k)
            QCOMPARE(s.Slot(k).Id, 0);
        for (int k = 1; k <= s.Count(); ++k)
            QVERIFY(s.Slot(k).Id != 0);
    }

    QStringList IndexOnDisk() const
    {
        QStringList keys, values;
        TIniFile ini(AlarmFiles::IndexPath());
        ini.ReadSection("Alarms", keys);
        for (const QString &k : keys)
            values << k + "=" + ini.ReadString("Alarms", k, "");
        return values;
    }

private slots:
    void init()
    {
        dir_ = std::make_unique<TestProgramFolder>();
    }
    void cleanup()
    {
        dir_.reset();
    }

    void emptyStoreThenFirstAdd()
    {
        AlarmStore s;
        s.Load();
        QCOMPARE(s.Count(), 0);
        QCOMPARE(s.AllocateId(), 1);
        QVERIFY(!QFile::exists(AlarmFiles::IndexPath()));
        s.Append(1, {"Pill", "Daily"}, {2027, 3, 1, 7, 0, 0});
        QCOMPARE(ReadRaw("Alarms.ini"), QByteArray("[Alarms]\r\nAlarm1=1\r\n"));
    }

    void loadReadsCaptionModeAndTime()
    {
        WriteAlarm(3, AlarmMode::Weekly, {2004, 7, 14, 20, 30, 25}, {"Dentist", "bring the card"});
        WriteAlarm(1, AlarmMode::Once, {2027, 1, 2, 3, 4, 5}, {});
        WriteRaw("Alarms.ini", "[Alarms]\r\nAlarm1=3\r\nAlarm2=1\r\n");
        AlarmStore s;
        s.Load();
        QCOMPARE(Ids(s), QStringList({"3", "1"}));
        QCOMPARE(s.Row(0), (AlarmRow{"Dentist", "Weekly"}));
        QCOMPARE(s.Row(1), (AlarmRow{"", "Once"}));
        QCOMPARE(s.Slot(1).Time, (AlarmTime{2004, 7, 14, 20, 30, 25}));
        QCOMPARE(s.Slot(2).Time, (AlarmTime{2027, 1, 2, 3, 4, 5}));
        CheckParallel(s);
    }

    void removeThenReuseTheFreedIdentifier()
    {
        AlarmStore s;
        s.Load();
        for (int id = 1; id <= 3; ++id) {
            QCOMPARE(s.AllocateId(), id);
            WriteAlarm(id, AlarmMode::Daily, {2027, 1, 1, 8, 0, uint16_t(id)}, {QString("alarm %1").arg(id)});
            s.Append(id, {QString("alarm %1").arg(id), "Daily"}, {2027, 1, 1, 8, 0, uint16_t(id)});
        }
        s.Remove(1);
        QCOMPARE(Ids(s), QStringList({"1", "3"}));
        QCOMPARE(s.Slot(2).Time.Second, uint16_t(3)); // the time moved down with its alarm
        QCOMPARE(IndexOnDisk(), QStringList({"Alarm1=1", "Alarm2=3"}));
        CheckParallel(s);
        // The removed alarm's files stay until its identifier is reused.
        QVERIFY(QFile::exists(AlarmPath("2.ini")));
        QCOMPARE(s.AllocateId(), 2);
        s.Append(2, {"new", "Once"}, {});
        QCOMPARE(IndexOnDisk(), QStringList({"Alarm1=1", "Alarm2=3", "Alarm3=2"}));

        s.Replace(0, {"changed", "Hourly"}, {2030, 5, 6, 7, 8, 9});
        QCOMPARE(s.Row(0), (AlarmRow{"changed", "Hourly"}));
        QCOMPARE(s.Slot(1), (AlarmSlot{1, {2030, 5, 6, 7, 8, 9}}));
        QCOMPARE(IndexOnDisk(), QStringList({"Alarm1=1", "Alarm2=3", "Alarm3=2"}));

        s.Remove(2);
        s.Remove(0);
        s.Remove(0);
        QCOMPARE(s.Count(), 0);
        QCOMPARE(IndexOnDisk(), QStringList());
        CheckParallel(s);
        QVERIFY_THROWS_EXCEPTION(Exception, s.Remove(0));
    }

    void damagedIndexEntriesAreSkippedAndLaterOnesKept()
    {
        for (int id : {1, 2, 5, 7, 9})
            WriteAlarm(id, AlarmMode::Daily, {2027, 1, 1, 1, 1, 1}, {QString::number(id)});
        WriteRaw("Alarms.ini", "[Alarms]\nAlarm1=5\nAlarm2=abc\nAlarm3=0\nAlarm4=257\nAlarm5=-1\n"
                               "Alarm6=5\nAlarm7= 2 \nAlarm8=0x9\nAlarm9=+9\nAlarm10=007\nAlarm11=1\n");
        AlarmStore s;
        s.Load();
        QCOMPARE(Ids(s), QStringList({"5", "2", "7", "1"}));
        QCOMPARE(s.Row(2).Caption, QString()); // "007" names 007Memo.ini, which does not exist
        CheckParallel(s);
        s.WriteIndex();
        QCOMPARE(IndexOnDisk(), QStringList({"Alarm1=5", "Alarm2=2", "Alarm3=7", "Alarm4=1"}));
        QCOMPARE(s.AllocateId(), 3);

        // Silent by default; with the store's log on, each skip says why.
        QVERIFY(!lcStore().isInfoEnabled());
        WriteRaw("Alarms.ini", "[Alarms]\nAlarm1=5\nAlarm2=abc\nAlarm3=0\nAlarm4=257\nAlarm5=-1\n"
                               "Alarm6=5\nAlarm7= 2 \nAlarm8=0x9\nAlarm9=+9\nAlarm10=007\n");
        QLoggingCategory::setFilterRules(QStringLiteral("tocsimo.store=true"));
        QTest::ignoreMessage(QtInfoMsg, "index entry Alarm2=abc skipped: not an identifier from 1 to 256");
        QTest::ignoreMessage(QtInfoMsg, "index entry Alarm6=5 skipped: a repeat of an earlier entry");
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression("^alarm 7 has no caption: Cannot open file .*/007Memo.ini$"));
        QTest::ignoreMessage(QtInfoMsg, "alarm 7 names no mode: it never goes off");
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression("^index entry Alarm[3-8]=.* skipped"));
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression("^index entry Alarm[3-8]=.* skipped"));
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression("^index entry Alarm[3-8]=.* skipped"));
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression("^index entry Alarm[3-8]=.* skipped"));
        QTest::ignoreMessage(QtInfoMsg, "index entry Alarm9=+9 skipped: not an identifier from 1 to 256");
        s.Load();
        QLoggingCategory::setFilterRules(QString());
    }

    void leadingZerosNameTheFilesAsWritten()
    {
        WriteRaw("007.ini", "[AlarmMode]\r\nMonthly=1\r\n[AlarmDateTime]\r\nDay=31\r\n");
        WriteRaw("007Memo.ini", "from 007");
        WriteAlarm(7, AlarmMode::Once, {}, {"from 7"});
        WriteRaw("Alarms.ini", "[Alarms]\r\nAlarm1=007\r\n");
        AlarmStore s;
        s.Load();
        QCOMPARE(s.Slot(1).Id, 7);
        QCOMPARE(s.Row(0), (AlarmRow{"from 007", "Monthly"}));
        QCOMPARE(s.Slot(1).Time.Day, 31);
        s.WriteIndex();
        QCOMPARE(IndexOnDisk(), QStringList({"Alarm1=7"}));
    }

    void gapEndsTheListAndTheNextWriteDropsTheRest()
    {
        WriteRaw("Alarms.ini", "[Alarms]\r\nAlarm1=4\r\nAlarm3=6\r\n");
        AlarmStore s;
        s.Load();
        QCOMPARE(Ids(s), QStringList({"4"}));
        s.WriteIndex();
        QCOMPARE(IndexOnDisk(), QStringList({"Alarm1=4"}));
    }

    void missingOrDamagedAlarmFiles()
    {
        WriteRaw("Alarms.ini", "[Alarms]\r\nAlarm1=1\r\nAlarm2=2\r\nAlarm3=3\r\n");
        // 1: nothing at all. 2: both Once and Daily set, LF-only message. 3: a folder in place of the message.
        WriteRaw("2.ini", "[AlarmMode]\nOnce=1\nDaily=1\n[AlarmDateTime]\nYear=x\nHour=25\n");
        WriteRaw("2Memo.ini", "first\nsecond\n");
        QDir(dir_->path()).mkpath("alarm/3Memo.ini");
        AlarmStore s;
        s.Load();
        QCOMPARE(s.Count(), 3);
        QCOMPARE(s.Row(0), (AlarmRow{"", ""}));
        QCOMPARE(s.Slot(1).Time, AlarmTime{});
        QCOMPARE(s.Row(1), (AlarmRow{"first", "Once"}));
        QCOMPARE(s.Slot(2).Time.Year, 0);
        QCOMPARE(s.Slot(2).Time.Hour, uint16_t(25));
        QCOMPARE(s.Row(2).Caption, QString());
        CheckParallel(s);
    }

    void captionIsTheFirstLineCut()
    {
        QCOMPARE(AlarmStore::CaptionOf({}), QString());
        QCOMPARE(AlarmStore::CaptionOf({"a", "b"}), QString("a"));
        QCOMPARE(AlarmStore::CaptionOf({QString(5000, 'x')}).size(), 4096);
    }

    void fullListRefusesTheNextAlarm()
    {
        AlarmStore s;
        s.Load();
        for (int i = 1; i <= 255; ++i)
            s.Append(s.AllocateId(), {"x", "Daily"}, {});
        QVERIFY(s.IsFull());
        QCOMPARE(s.AllocateId(), 256);
        try {
            s.Append(256, {"one too many", "Daily"}, {});
            QFAIL("a 256th alarm was taken");
        } catch (const Exception &e) {
            QVERIFY(e.Message().contains("255"));
        }
        QCOMPARE(s.Count(), 255);
        QCOMPARE(s.Slot(256).Id, 0);
        QCOMPARE(IndexOnDisk().size(), 255);
        QCOMPARE(IndexOnDisk().last(), QString("Alarm255=255"));

        AlarmStore again;
        again.Load();
        QCOMPARE(again.Count(), 255);
        s.Remove(254);
        QCOMPARE(s.AllocateId(), 255);
    }

    void identifiersStayUnique()
    {
        AlarmStore s;
        s.Load();
        s.Append(1, {}, {});
        QVERIFY_THROWS_EXCEPTION(Exception, s.Append(1, {}, {}));
        QVERIFY_THROWS_EXCEPTION(Exception, s.Append(0, {}, {}));
        QVERIFY_THROWS_EXCEPTION(Exception, s.Append(257, {}, {}));
        QCOMPARE(s.Count(), 1);
    }

    void failedIndexWriteKeepsTheChangeInMemory()
    {
        AlarmStore s;
        s.Load();
        QDir(dir_->path()).rename("alarm", "moved");
        try {
            s.Append(1, {"kept", "Daily"}, {});
            QFAIL("no error");
        } catch (const EIniFileException &e) {
            QCOMPARE(e.Message(), "Unable to write to " + dir_->path() + "/alarm/Alarms.ini");
        }
        QCOMPARE(s.Count(), 1);
        QCOMPARE(s.Row(0).Caption, QString("kept"));
    }

    // An alarm's two files are replaced together or not at all, with the
    // failing file's error; nothing the save made is left behind.
    void saveFailingAtAnyWriteKeepsBothFiles_data()
    {
        QTest::addColumn<bool>("existed");
        QTest::addColumn<int>("failAt");
        QTest::newRow("no failure") << true << -1;
        QTest::newRow("staging the settings") << true << int(AlarmFilePair::StageSettings);
        QTest::newRow("staging the message") << true << int(AlarmFilePair::StageMessage);
        QTest::newRow("placing the settings") << true << int(AlarmFilePair::PlaceSettings);
        QTest::newRow("placing the message") << true << int(AlarmFilePair::PlaceMessage);
        QTest::newRow("placing a new alarm's message") << false << int(AlarmFilePair::PlaceMessage);
    }
    void saveFailingAtAnyWriteKeepsBothFiles()
    {
        QFETCH(bool, existed);
        QFETCH(int, failAt);
        const QByteArray oldSettings = "[AlarmMode]\r\nDaily=1\r\n", oldMessage = "old";
        if (existed) {
            WriteRaw("4.ini", oldSettings);
            WriteRaw("4Memo.ini", oldMessage);
            QFile::setPermissions(AlarmPath("4.ini"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        }
        const QFileDevice::Permissions mode = QFile::permissions(AlarmPath("4.ini"));
        const QStringList before = QDir(AlarmPath("")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        QString error;
        try {
            FailingPair(failAt).Write(AlarmPath("4.ini"), "[AlarmMode]\r\nMonthly=1\r\n", AlarmPath("4Memo.ini"), "new");
        } catch (const Exception &e) {
            error = e.Message();
        }
        const bool settingsFailed = failAt == AlarmFilePair::StageSettings || failAt == AlarmFilePair::PlaceSettings;
        QCOMPARE(error, failAt < 0        ? QString()
                        : settingsFailed ? "Unable to write to " + AlarmPath("4.ini")
                                         : "Cannot create file " + AlarmPath("4Memo.ini"));
        QCOMPARE(QDir(AlarmPath("")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 failAt < 0 ? QStringList({"4.ini", "4Memo.ini"}) : before);
        if (failAt < 0) {
            QCOMPARE(ReadRaw("4.ini"), QByteArray("[AlarmMode]\r\nMonthly=1\r\n"));
            QCOMPARE(ReadRaw("4Memo.ini"), QByteArray("new"));
            QCOMPARE(QFile::permissions(AlarmPath("4.ini")), mode);
        } else if (existed) {
            QCOMPARE(ReadRaw("4.ini"), oldSettings);
            QCOMPARE(ReadRaw("4Memo.ini"), oldMessage);
        }
    }

    // A settings file that is a link is written through; the link stays.
    void saveWritesThroughALink()
    {
        QVERIFY(QDir(dir_->path()).mkdir("kept"));
        WriteRaw("../kept/4.ini", "old");
        QVERIFY(QFile::link("../kept/4.ini", AlarmPath("4.ini")));
        AlarmFilePair().Write(AlarmPath("4.ini"), "new", AlarmPath("4Memo.ini"), "message");
        QCOMPARE(QFileInfo(AlarmPath("4.ini")).symLinkTarget(), dir_->filePath("kept/4.ini"));
        QCOMPARE(ReadRaw("../kept/4.ini"), QByteArray("new"));
    }

    // A delete whose index write failed leaves the alarm named on disk: a new
    // alarm takes another identifier, so its files are kept.
    void newAlarmAvoidsIdentifiersTheIndexOnDiskNames()
    {
        AlarmStore s;
        s.Load();
        s.Append(1, {"one", "Daily"}, {});
        s.Append(2, {"two", "Daily"}, {});
        QFile::setPermissions(AlarmPath("Alarms.ini"), QFile::ReadOwner);
        QVERIFY_THROWS_EXCEPTION(EIniFileException, s.Remove(0));
        QCOMPARE(s.AllocateId(), 3);
    }

    void settingsFileHasAllThirteenKeysInOrder()
    {
        AlarmFiles::WriteSettings(12, AlarmMode::Yearly, {2028, 2, 29, 6, 5, 4}, "/home/u/Music/Yee Haa.wav");
        QCOMPARE(ReadRaw("12.ini"),
                 QByteArray("[AlarmMode]\r\nOnce=0\r\nHourly=0\r\nDaily=0\r\nWeekly=0\r\nMonthly=0\r\nYearly=1\r\n"
                            "[AlarmDateTime]\r\nYear=2028\r\nMonth=2\r\nDay=29\r\nHour=6\r\nMinute=5\r\nSecond=4\r\n"
                            "[AlarmSound]\r\nFile=/home/u/Music/Yee Haa.wav\r\n"));
        QCOMPARE(AlarmFiles::ReadSoundFile(12), QString("/home/u/Music/Yee Haa.wav"));
        const AlarmFiles::Settings back = AlarmFiles::ReadSettings(12);
        QCOMPARE(back.modes, QStringList({"Yearly"}));
        QCOMPARE(back.time, (AlarmTime{2028, 2, 29, 6, 5, 4}));
        // Rewriting replaces every key of an older alarm of the same identifier.
        AlarmFiles::WriteSettings(12, AlarmMode::Once, {}, "");
        QCOMPARE(AlarmFiles::ReadSettings(12).modes, QStringList({"Once"}));
        QCOMPARE(AlarmFiles::ReadSoundFile(12), QString());
    }
};

QTEST_GUILESS_MAIN(TestAlarmStore)
#include "tst_alarmstore.moc"
