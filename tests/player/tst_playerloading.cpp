// The sound engine's process: the program never maps GStreamer, the engine
// starts on activation and ends when idle or closed, and a process that
// crashes, hangs or talks nonsense fails its sound and nothing more, with
// no process left behind.
#include "ProcessInfo.h"
#include "TestFiles.h"
#include "TestWav.h"

#include "app/ErrorBox.h"
#include "engine/protocol/EngineCodes.h"
#include "player/EDirectShowException.h"
#include "player/AudioHelperProcess.h"
#include "player/PlayerRuntime.h"
#include "player/RemotePlaybackEngine.h"
#include "player/TDSTrackBar.h"
#include "player/TFilterGraph.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Longer than any test waits: a deadline that must not pass.
constexpr int kLong = 120000;

QString Mappings()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(maps.readAll()) : QString();
}

QString Run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QString();
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// This process's children, zombies included, by their names.
QStringList Children()
{
    return ChildrenOfThisProcess().names;
}

bool NoChildrenWithin(int ms)
{
    return QTest::qWaitFor([] { return Children().isEmpty(); }, ms);
}

// A player pair started as the windows start a sound.
struct Player {
    TFilterGraph graph;
    TDSTrackBar bar;
    QSignalSpy failed{&graph, &TFilterGraph::Failed};
    QList<uint32_t> positions;

    Player()
    {
        bar.SetFilterGraph(&graph);
        bar.SetTimerInterval(100);
        bar.SetOnTimer([this](TDSTrackBar *, uint32_t current, uint32_t) { positions << current; });
    }
    void Start(const QString &path)
    {
        graph.Stop();
        graph.SetActive(true);
        graph.ClearGraph();
        graph.RenderFile(path);
        graph.Play();
    }
};

} // namespace

class TestPlayerLoading : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString wav_;

    void UseFake(const QByteArray &mode, int idleMs = 60000)
    {
        SetAudioHelperPath(QStringLiteral(TOCSIMO_FAKE_HELPER));
        qputenv("TOCSIMO_FAKE_MODE", mode);
        qputenv("TOCSIMO_FAKE_IDLE_MS", QByteArray::number(idleMs));
        qputenv("TOCSIMO_FAKE_LOG", QFile::encodeName(dir_.filePath(QStringLiteral("log"))));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        wav_ = dir_.filePath(QStringLiteral("tone.wav"));
        QVERIFY(TestWav::WriteTone(wav_, 3000));
    }

    // No deadline passes by itself on a busy machine, unless a test says so.
    void init() { RemotePlaybackEngine::SetDeadlines(kLong, kLong); }

    void cleanup()
    {
        SetAudioHelperPath(QString());
        QFile::remove(dir_.filePath(QStringLiteral("log")));
        QVERIFY(NoChildrenWithin(10000));
    }

    void executableNeedsNoGStreamer()
    {
        // ldd lists what the loader maps at start, dependencies of
        // dependencies included.
        const QString needed = Run(QStringLiteral("ldd"), {QStringLiteral(TOCSIMO_EXECUTABLE)});
        QVERIFY2(needed.contains(QLatin1String("libQt6Core")), qPrintable(needed));
        QVERIFY2(!needed.contains(QLatin1String("libgst")), qPrintable(needed));
        QVERIFY2(!needed.contains(QLatin1String("liborc")), qPrintable(needed));
    }

    void soundPlaysInItsOwnProcess()
    {
        {
            Player p;
            QCOMPARE(p.graph.RenderFile(wav_), S_FALSE);
            QCOMPARE(Children(), QStringList()); // nothing before activation
            p.Start(wav_);
            QTRY_VERIFY_WITH_TIMEOUT(!p.positions.isEmpty() && p.positions.last() > 200, 10000);
            QCOMPARE(Children(), QStringList{QStringLiteral("tocsimo-audio")});
            QVERIFY(PlayerRuntimeStarted());
            QVERIFY2(!Mappings().contains(QLatin1String("libgst")), "the program mapped GStreamer");
        }
        // Deactivated: the process is gone (cleanup waits for it).
    }

    void missingEngineIsAClearError()
    {
        const QString path = dir_.filePath(QStringLiteral("lib/tocsimo-audio"));
        SetAudioHelperPath(path);
        Player p;
        p.Start(wav_);
        QVERIFY(p.failed.wait(10000));
        QCOMPARE(p.failed.first().at(0).toInt(), EngineCode::EngineUnavailable);
        const QString message = p.failed.first().at(1).toString();
        QVERIFY2(message.contains(QStringLiteral("\"%1\"").arg(path)) && message.contains(QLatin1String("missing")),
                 qPrintable(message));
        QVERIFY(!p.graph.Active());
    }

    void failingEngineFailsItsSoundOnly_data()
    {
        QTest::addColumn<QByteArray>("mode");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("textHas");
        // The deadlines, for opening a sound and for any other answer: a hang
        // is found by its own deadline, well before the other's.
        QTest::addColumn<int>("renderMs");
        QTest::addColumn<int>("answerMs");
        constexpr int kShort = 1500;
        QTest::newRow("crash while opening") << QByteArray("crash-on-render") << int(EngineCode::PlaybackFailed)
                                             << "signal 11" << kLong << kLong;
        QTest::newRow("hang while opening") << QByteArray("hang-on-render") << int(EngineCode::OpenTimeout)
                                            << "in time" << kShort << kLong;
        QTest::newRow("nonsense answer") << QByteArray("garbage-on-render") << int(EngineCode::PlaybackFailed)
                                         << "nonsense" << kLong << kLong;
        QTest::newRow("hang when told to play") << QByteArray("hang-on-run") << int(EngineCode::PlaybackFailed)
                                               << "stopped answering" << kLong << kShort;
        QTest::newRow("killed while playing") << QByteArray("crash-while-playing") << int(EngineCode::PlaybackFailed)
                                              << "signal 9" << kLong << kLong;
    }
    void failingEngineFailsItsSoundOnly()
    {
        QFETCH(QByteArray, mode);
        QFETCH(int, code);
        QFETCH(QString, textHas);
        QFETCH(int, renderMs);
        QFETCH(int, answerMs);
        RemotePlaybackEngine::SetDeadlines(renderMs, answerMs);
        UseFake(mode);
        Player p;
        p.Start(wav_);
        QVERIFY(p.failed.wait(30000));
        QCOMPARE(p.failed.size(), 1);
        QCOMPARE(p.failed.first().at(0).toInt(), code);
        const QString message = p.failed.first().at(1).toString();
        QVERIFY2(message.contains(textHas) && message.contains(wav_), qPrintable(message));
        QVERIFY2(message.endsWith(QStringLiteral("($%1).").arg(quint32(code), 0, 16).toUpper()), qPrintable(message));
        QVERIFY(!p.graph.Active());
        QVERIFY(NoChildrenWithin(10000)); // reaped

        // The next sound gets a new process.
        UseFake("good");
        p.Start(wav_);
        QTRY_VERIFY_WITH_TIMEOUT(!p.positions.isEmpty(), 10000);
        QCOMPARE(p.failed.size(), 1);
    }

    // The engine's process holds its socket and the standard descriptors,
    // none of the program's files, and may map only so much.
    void engineProcessGetsItsSocketAndALimit()
    {
        QFile marker(dir_.filePath(QStringLiteral("marker")));
        QVERIFY(marker.open(QIODevice::WriteOnly));
        const int inheritable = ::open(QFile::encodeName(marker.fileName()).constData(), O_RDONLY); // no O_CLOEXEC
        QVERIFY(inheritable >= 0);
        UseFake("good");
        Player p;
        p.Start(wav_);
        QTRY_VERIFY_WITH_TIMEOUT(!p.positions.isEmpty(), 10000);
        const QString engine = ChildrenOfThisProcess().pids.value(0);
        const QMap<int, QString> fds = OpenDescriptors(engine);
        ::close(inheritable);
        QCOMPARE(fds.value(0), QStringLiteral("/dev/null"));
        QVERIFY2(fds.value(3).startsWith(QLatin1String("socket:")), qPrintable(fds.value(3)));
        QVERIFY2(!fds.values().contains(marker.fileName()), qPrintable(QStringList(fds.values()).join(' ')));
        QCOMPARE(AddressSpaceLimit(engine), QString::number(AudioHelperProcess::kAddressSpaceBytes));
    }

    void idleEngineEndsAndItsSoundOpensAgain()
    {
        UseFake("good", 300);
        Player p;
        // The warm-up before an alarm: rendered and moved, not played.
        p.graph.SetActive(true);
        p.graph.ClearGraph();
        p.graph.RenderFile(wav_);
        p.bar.SeekTo(5);
        const QString log = dir_.filePath(QStringLiteral("log"));
        const QByteArray rendered = "render " + QFile::encodeName(wav_);
        const QByteArray moved = "seek 5000000\n";
        QTRY_COMPARE_WITH_TIMEOUT(ReadBytes(log).count(moved), 1, 10000);
        QVERIFY(NoChildrenWithin(10000)); // ended by itself, reaped
        // Opened again, and back where it was.
        p.graph.Play();
        QTRY_VERIFY_WITH_TIMEOUT(!p.positions.isEmpty(), 10000);
        QCOMPARE(ReadBytes(log).count(rendered), 2);
        QCOMPARE(ReadBytes(log).count(moved), 2);
        QVERIFY(p.positions.first() >= 500);
        QCOMPARE(p.failed.size(), 0);
        QVERIFY(p.graph.Active());
    }

    // Run on its own, in a process of its own, so that nothing has started.
    void shutdownBeforeAnySoundLetsNoneStart()
    {
        if (PlayerRuntimeStarted()) {
            QProcess self;
            self.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(QTest::currentTestFunction())});
            QVERIFY(self.waitForFinished(30000));
            QVERIFY2(self.exitCode() == 0, self.readAllStandardOutput().constData());
            return;
        }
        QVERIFY(ShutdownPlayerRuntime(0));
        QVERIFY(PlayerRuntimeShutDown());
        TFilterGraph graph;
        QVERIFY_THROWS_EXCEPTION(EDirectShowException, graph.SetActive(true));
        QVERIFY(!graph.Active());
        QCOMPARE(Children(), QStringList());
    }
};

QTEST_MAIN(TestPlayerLoading)
#include "tst_playerloading.moc"
