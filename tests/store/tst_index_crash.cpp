// A process killed while it rewrites one of the program's files never leaves
// a torn or empty file behind: file_writer rewrites the alarm index (adding
// and removing alarms), an alarm's settings or message, or the options, in a
// tight loop, is killed with SIGKILL at random moments, and after each kill
// the file must be, byte for byte, what the program writes for either the
// last state the writer announced or the one before it. Some kills must land
// in the middle of a write, or the run proves nothing. Writes cut short must
// not leave temporary files piling up either.
#include "WriterStates.h"

#include "app/AtomicFile.h"
#include "app/ProgramFolder.h"
#include "store/AlarmStore.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#ifndef FILE_WRITER
#error "FILE_WRITER must name the file_writer executable"
#endif

namespace {

QString IdsText(const QList<int> &ids)
{
    QStringList parts;
    for (int id : ids)
        parts << QString::number(id);
    return QLatin1Char('[') + parts.join(QLatin1Char(',')) + QLatin1Char(']');
}

// The identifiers the store in `folder` lists, as the program loads them.
QList<int> LoadIds(const QString &folder)
{
    SetProgramFolderOverride(folder);
    AlarmStore store;
    store.Load();
    QList<int> ids;
    for (int k = 1; k <= store.Count(); ++k)
        ids << store.Slot(k).Id;
    SetProgramFolderOverride({});
    return ids;
}

QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

// The complete lines of the writer's log: the states it announced, in order.
QList<QList<int>> LoggedStates(const QByteArray &log)
{
    QList<QList<int>> states;
    qsizetype start = 0;
    for (qsizetype end = log.indexOf('\n'); end >= 0; start = end + 1, end = log.indexOf('\n', start)) {
        const QByteArray line = log.mid(start, end - start);
        const qsizetype blank = line.indexOf(' ');
        QList<int> ids;
        if (blank >= 0)
            for (const QByteArray &id : line.mid(blank + 1).split(','))
                if (!id.isEmpty())
                    ids << id.toInt();
        states << ids;
    }
    return states;
}

} // namespace

class TestIndexCrash : public QObject {
    Q_OBJECT

    QTemporaryDir *folder_ = nullptr; // the program folder the writer works on
    QTemporaryDir scratch_;           // where the expected index texts are made
    QRandomGenerator random_;

    QString IndexPath() const { return folder_->filePath(QStringLiteral("alarm/Alarms.ini")); }

    // What the store writes for the list `ids`: a hand-made index of it is
    // loaded and written back by the store in the scratch folder.
    QByteArray ExpectedIndex(const QList<int> &ids)
    {
        QByteArray text = "[Alarms]\n";
        for (int i = 0; i < ids.size(); ++i)
            text += "Alarm" + QByteArray::number(i + 1) + '=' + QByteArray::number(ids[i]) + '\n';
        const QString path = scratch_.filePath(QStringLiteral("alarm/Alarms.ini"));
        WriteAll(path, text);
        SetProgramFolderOverride(scratch_.path());
        AlarmStore store;
        store.Load();
        store.WriteIndex();
        SetProgramFolderOverride({});
        return ReadAll(path);
    }

    QByteArray Expected(const QString &kind, const QList<int> &state)
    {
        if (kind == QLatin1String("index"))
            return ExpectedIndex(state);
        SetProgramFolderOverride(scratch_.path());
        WriterStates::Write(kind, state.value(0));
        const QByteArray bytes = ReadAll(WriterStates::PathOf(kind));
        SetProgramFolderOverride({});
        return bytes;
    }

    QString PathOf(const QString &kind) const
    {
        if (kind == QLatin1String("index"))
            return IndexPath();
        SetProgramFolderOverride(folder_->path());
        const QString path = WriterStates::PathOf(kind);
        SetProgramFolderOverride({});
        return path;
    }

    // Starts the writer on the program folder and kills it with SIGKILL at a
    // random moment: mostly after some changes, at a random point of one;
    // now and then at a random time from its start, which may fall in its
    // load. Returns the states it announced, in order.
    QList<QList<int>> RunAndKillWriter(const QString &kind, int round)
    {
        const QString logPath = scratch_.filePath(QStringLiteral("writer.log"));
        QFile::remove(logPath);
        QProcess writer;
        writer.start(QStringLiteral(FILE_WRITER),
                     {kind, folder_->path(), logPath, QString::number(random_.generate())});
        if (!writer.waitForStarted(10000)) {
            QTest::qFail(qPrintable(writer.errorString()), __FILE__, __LINE__);
            return {};
        }
        if (random_.bounded(5) == 0) {
            QThread::usleep(random_.bounded(40000));
        } else {
            const int steps = 1 + random_.bounded(40);
            QDeadlineTimer deadline(20000);
            while (LoggedStates(ReadAll(logPath)).size() < steps && writer.state() == QProcess::Running &&
                   !deadline.hasExpired())
                QThread::usleep(200);
            QThread::usleep(random_.bounded(3000));
        }
        writer.kill(); // SIGKILL
        writer.waitForFinished(10000);
        if (writer.exitStatus() != QProcess::CrashExit) {
            const QString why = QStringLiteral("round %1: the writer ended by itself: %2")
                                    .arg(round)
                                    .arg(QString::fromLocal8Bit(writer.readAllStandardError()));
            QTest::qFail(qPrintable(why), __FILE__, __LINE__);
            return {};
        }
        return LoggedStates(ReadAll(logPath));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(scratch_.isValid());
        QVERIFY(QDir(scratch_.path()).mkdir(QStringLiteral("alarm")));
        QVERIFY2(QFile::exists(QStringLiteral(FILE_WRITER)), FILE_WRITER);
        const quint32 seed = qEnvironmentVariableIsSet("TOCSIMO_CRASH_SEED")
                                 ? qEnvironmentVariableIntValue("TOCSIMO_CRASH_SEED")
                                 : QRandomGenerator::global()->generate();
        qInfo("seed %u (set TOCSIMO_CRASH_SEED to repeat a run)", seed);
        random_.seed(seed);
    }

    // A fresh program folder whose store holds one alarm, and whose other
    // files stand as the writer leaves them at step 0.
    void init()
    {
        folder_ = new QTemporaryDir;
        QVERIFY(folder_->isValid());
        QVERIFY(QDir(folder_->path()).mkdir(QStringLiteral("alarm")));
        WriteAll(IndexPath(), ExpectedIndex({1}));
        for (const QString kind : {"settings", "message", "options"})
            WriteAll(PathOf(kind), Expected(kind, {0}));
    }
    void cleanup()
    {
        delete folder_;
        folder_ = nullptr;
    }

    void killedWriterNeverLeavesATornFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QList<int>>("start");
        QTest::addColumn<int>("rounds");
        QTest::newRow("index") << "index" << QList<int>{1} << 150;
        QTest::newRow("settings") << "settings" << QList<int>{0} << 80;
        QTest::newRow("message") << "message" << QList<int>{0} << 80;
        QTest::newRow("options") << "options" << QList<int>{0} << 80;
    }
    void killedWriterNeverLeavesATornFile()
    {
        QFETCH(QString, kind);
        QFETCH(QList<int>, start);
        QFETCH(int, rounds);
        const QString path = PathOf(kind);
        QList<int> current = start;
        qint64 totalSteps = 0;
        int caughtMidWrite = 0;
        for (int round = 0; round < rounds; ++round) {
            QList<QList<int>> states = RunAndKillWriter(kind, round);
            if (QTest::currentTestFailed())
                return;
            // A temporary left behind means the kill came between its creation and the rename.
            const bool temporaryLeft = QFileInfo::exists(TemporaryFileFor(path));
            totalSteps += states.size();
            states.prepend(current);
            const QList<int> &announced = states.last();
            const QList<int> &before = states[qMax(0, states.size() - 2)];

            const QByteArray onDisk = ReadAll(path);
            QVERIFY2(!onDisk.isEmpty(), qPrintable(QStringLiteral("round %1: the file is empty or gone").arg(round)));
            const QByteArray *match = nullptr;
            const QByteArray announcedBytes = Expected(kind, announced), beforeBytes = Expected(kind, before);
            if (onDisk == announcedBytes)
                match = &announcedBytes;
            else if (onDisk == beforeBytes)
                match = &beforeBytes;
            QVERIFY2(match, qPrintable(QStringLiteral("round %1: the file is neither state %2 nor %3:\n%4")
                                           .arg(round)
                                           .arg(IdsText(announced), IdsText(before), QString::fromUtf8(onDisk.left(2000)))));
            if (kind == QLatin1String("index"))
                QCOMPARE(LoadIds(folder_->path()), match == &announcedBytes ? announced : before);
            if (temporaryLeft || (states.size() > 1 && match == &beforeBytes && announced != before))
                ++caughtMidWrite;
            current = match == &announcedBytes ? announced : before;
        }
        qInfo("%s: %d rounds, %lld changes, %d kills in the middle of a write", qPrintable(kind), rounds, totalSteps,
              caughtMidWrite);
        // Without changes, and kills that land inside writes, the run would prove nothing.
        QVERIFY2(totalSteps >= rounds, qPrintable(QStringLiteral("only %1 changes made").arg(totalSteps)));
        QVERIFY2(caughtMidWrite > 0, "no kill landed in the middle of a write");
    }

    // However often a write is cut short, at most one file besides the alarm
    // files is left in the alarm folder: a killed write's temporary is removed
    // by the next write, never piling up.
    void killedWritesLeaveNoPileOfTemporaries()
    {
        constexpr int rounds = 300;
        for (int round = 0; round < rounds; ++round) {
            RunAndKillWriter(QStringLiteral("index"), round);
            if (QTest::currentTestFailed())
                return;
        }
        QStringList left = QDir(folder_->filePath(QStringLiteral("alarm")))
                               .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString file : {"Alarms.ini", "1.ini", "1Memo.ini"}) // what init() made
            QVERIFY(left.removeOne(file));
        QVERIFY2(left.size() <= 1, qPrintable(QStringLiteral("after %1 kills, %2 files beside the index: %3")
                                                  .arg(rounds)
                                                  .arg(left.size())
                                                  .arg(left.mid(0, 10).join(QStringLiteral(", ")))));
    }
};

QTEST_GUILESS_MAIN(TestIndexCrash)
#include "tst_index_crash.moc"
