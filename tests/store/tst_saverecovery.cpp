// At start, a save that a kill cut short is completed or undone, so that an
// alarm's two files always come from one save, and what cut-short writes
// left is removed, unless no write of ours leaves it.
#include "TestFiles.h"
#include "TestProgramFolder.h"

#include "store/AlarmFilePair.h"
#include "store/SaveRecovery.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

namespace {
constexpr int kStopped = 42;

// A save that stops dead once `stopAfter` is done, as under a kill: no
// clean-up of any kind runs. Used in a child process only.
class StoppedPair : public AlarmFilePair {
public:
    explicit StoppedPair(int stopAfter) : stopAfter_(stopAfter) {}

protected:
    bool Run(Step step, const std::function<bool()> &write) override
    {
        const bool ok = write();
        if (step == stopAfter_)
            ::_exit(kStopped);
        return ok;
    }

private:
    int stopAfter_;
};

QStringList Names(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}
} // namespace

class TestSaveRecovery : public QObject {
    Q_OBJECT

private slots:
    // One row per point at which a save can stop.
    void saveStoppedAnywhereIsCompletedOrUndone_data()
    {
        QTest::addColumn<bool>("existed");
        QTest::addColumn<bool>("linked"); // the settings file is a link into another folder
        QTest::addColumn<int>("stopAfter");
        QTest::addColumn<bool>("completed");
        QTest::newRow("settings staged") << true << false << int(AlarmFilePair::StageSettings) << false;
        QTest::newRow("message staged") << true << false << int(AlarmFilePair::StageMessage) << false;
        QTest::newRow("settings placed") << true << false << int(AlarmFilePair::PlaceSettings) << true;
        QTest::newRow("message placed") << true << false << int(AlarmFilePair::PlaceMessage) << true;
        QTest::newRow("new alarm, settings placed") << false << false << int(AlarmFilePair::PlaceSettings) << true;
        QTest::newRow("linked settings, message staged") << true << true << int(AlarmFilePair::StageMessage) << false;
    }
    void saveStoppedAnywhereIsCompletedOrUndone()
    {
        QFETCH(bool, existed);
        QFETCH(bool, linked);
        QFETCH(int, stopAfter);
        QFETCH(bool, completed);
        TestProgramFolder folder;
        QVERIFY(QDir(folder.path()).mkdir("kept"));
        const QString settings = folder.filePath("alarm/4.ini"), message = folder.filePath("alarm/4Memo.ini");
        if (existed) {
            WriteBytes(linked ? folder.filePath("kept/4.ini") : settings, "settings of save 1");
            if (linked)
                QVERIFY(QFile::link("../kept/4.ini", settings));
            WriteBytes(message, "message of save 1");
        }

        const pid_t child = ::fork();
        if (child == 0) {
            StoppedPair(stopAfter).Write(settings, "settings of save 2", message, "message of save 2");
            ::_exit(0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == kStopped, "the save did not stop where it should");

        RecoverCutShortSaves();
        const QByteArray save = completed ? "2" : "1";
        QCOMPARE(ReadBytes(settings), "settings of save " + save);
        QCOMPARE(ReadBytes(message), "message of save " + save);
        QCOMPARE(Names(folder.filePath("alarm")), QStringList({"4.ini", "4Memo.ini"}));
        QCOMPARE(Names(folder.filePath("kept")), linked ? QStringList{"4.ini"} : QStringList());
    }

    // A leftover is removed only when it is a regular file of ours under a name
    // our writes use; anything else is left alone, said in the log, and never
    // put in place of an alarm's file.
    void leftoversAreRemovedOnlyWhenOurs_data()
    {
        QTest::addColumn<QString>("name"); // in the user's folder
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("removed");
        QTest::newRow("index temporary") << "alarm/.Alarms.ini.tmp" << "file" << true;
        QTest::newRow("options temporary") << ".Options.ini.tmp" << "file" << true;
        QTest::newRow("another user's temporary") << ".Options.ini.tmp" << "other user's" << false;
        QTest::newRow("a link as a staged message") << "alarm/.5Memo.ini.new" << "link" << false;
        QTest::newRow("a name no save makes") << "alarm/.007.ini.new" << "file" << false;
    }
    void leftoversAreRemovedOnlyWhenOurs()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(bool, removed);
        if (kind == "other user's" && ::geteuid() != 0)
            QSKIP("giving a file to another user needs root");
        TestProgramFolder folder;
        const QString path = folder.filePath(name);
        WriteBytes(folder.filePath("alarm/5.ini"), "settings");
        WriteBytes(folder.filePath("alarm/5Memo.ini"), "message");
        if (kind == "link") {
            WriteBytes(folder.filePath("planted"), "planted");
            QVERIFY(QFile::link(folder.filePath("planted"), path));
        } else {
            WriteBytes(path, "left");
            if (kind == "other user's")
                QCOMPARE(::chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
        }

        QLoggingCategory::setFilterRules(QStringLiteral("tocsimo.store=true"));
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression((removed ? "^removed .*/" : "^left alone: .*/") +
                                                           QRegularExpression::escape(QFileInfo(name).fileName())));
        RecoverCutShortSaves();
        QLoggingCategory::setFilterRules(QString());
        QCOMPARE(QFileInfo(path).exists() || QFileInfo(path).isSymLink(), !removed);
        QCOMPARE(ReadBytes(folder.filePath("alarm/5.ini")), QByteArray("settings"));
        QCOMPARE(ReadBytes(folder.filePath("alarm/5Memo.ini")), QByteArray("message"));
    }
};

QTEST_GUILESS_MAIN(TestSaveRecovery)
#include "tst_saverecovery.moc"
