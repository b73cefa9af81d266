// GStreamer stays out of the program until the first sound: the executable
// does not need it, the player maps it only on activation, failures to load
// the sound engine library are clear errors, and errors made from the
// library's results are caught as the program's own.
#include "app/ErrorBox.h"
#include "player/AudioLibrary.h"
#include "player/EDirectShowException.h"
#include "player/EngineCodes.h"
#include "player/PlayerRuntime.h"
#include "player/TDSTrackBar.h"
#include "player/TFilterGraph.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString Mappings()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLocal8Bit(maps.readAll());
}

// The first mapped file whose name contains part; empty when none is.
QString MappedFile(const QString &part)
{
    const QStringList lines = Mappings().split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const qsizetype slash = line.indexOf(QLatin1Char('/'));
        if (slash >= 0 && line.mid(slash).contains(part))
            return line.mid(slash);
    }
    return QString();
}

QString Run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QString();
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// Activates a fresh graph and returns the error its engine's thread found
// (code 0: none), once the graph has deactivated itself.
EDirectShowException ActivationError()
{
    TFilterGraph graph;
    int32_t code = 0;
    QString message = QStringLiteral("no error");
    QObject::connect(&graph, &TFilterGraph::Failed, [&](int32_t c, const QString &m) {
        code = c;
        message = m;
    });
    graph.SetActive(true);
    if (!QTest::qWaitFor([&] { return !graph.Active(); }, 30000))
        return EDirectShowException(0, QStringLiteral("still active"));
    return EDirectShowException(code, message);
}

} // namespace

class TestPlayerLoading : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void executableNeedsNoGStreamer()
    {
        // ldd lists what the loader maps at start, dependencies of
        // dependencies included.
        const QString needed = Run(QStringLiteral("ldd"), {QStringLiteral(TOCSIMO_EXECUTABLE)});
        QVERIFY2(needed.contains(QLatin1String("libQt6Core")), qPrintable(needed));
        QVERIFY2(!needed.contains(QLatin1String("libgst")), qPrintable(needed));
        QVERIFY2(!needed.contains(QLatin1String("liborc")), qPrintable(needed));
        QVERIFY2(!needed.contains(QLatin1String("tocsimo-audio")), qPrintable(needed));
    }

    void libraryHoldsNoneOfTheProgramsState()
    {
        // A second copy of the error box, clock or program folder inside the
        // library would not see what the program (or a test) set.
        const QString symbols = Run(QStringLiteral("nm"), {QStringLiteral("-D"), QStringLiteral("-C"),
                                                           QStringLiteral(TOCSIMO_AUDIO_LIBRARY)});
        QVERIFY2(symbols.contains(QLatin1String("TocsimoAudioCreateEngine")), qPrintable(symbols));
        for (const char *name : {"ErrorBox", "NowOverride", "ProgramFolder", "Exception::Exception", "Guarded"})
            QVERIFY2(!symbols.contains(QLatin1String(name)), name);
    }

    void nothingIsLoadedBeforeActivation()
    {
        QVERIFY(!Mappings().isEmpty());
        TFilterGraph graph;
        TDSTrackBar bar;
        bar.SetFilterGraph(&graph);
        graph.SetVolume(5000);
        QCOMPARE(graph.RenderFile(QStringLiteral("/nowhere.wav")), S_FALSE);
        QVERIFY(!graph.Play());
        // Shutting down a runtime that never started loads nothing either.
        ShutdownPlayerRuntime();
        QVERIFY(!AudioLibraryLoaded());
        QCOMPARE(MappedFile(QStringLiteral("libgst")), QString());
        QCOMPARE(MappedFile(QStringLiteral("tocsimo-audio")), QString());
    }

    void missingLibraryIsAClearError()
    {
        QVERIFY(dir_.isValid());
        const QString path = dir_.filePath(QStringLiteral("lib/libtocsimo-audio.so"));
        SetAudioLibraryPath(path);
        const EDirectShowException e = ActivationError();
        QCOMPARE(e.Code(), EngineCode::EngineUnavailable);
        QVERIFY2(e.Message().contains(QStringLiteral("\"%1\"").arg(path)), qPrintable(e.Message()));
        QVERIFY2(e.Message().contains(QLatin1String("missing")), qPrintable(e.Message()));
        QVERIFY(!AudioLibraryLoaded());
        QVERIFY(!PlayerRuntimeStarted());
    }

    void damagedLibraryIsAClearError()
    {
        const QString path = dir_.filePath(QStringLiteral("libtocsimo-audio.so"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
        file.close();
        SetAudioLibraryPath(path);
        const EDirectShowException e = ActivationError();
        QCOMPARE(e.Code(), EngineCode::EngineUnavailable);
        QVERIFY2(e.Message().contains(path), qPrintable(e.Message()));
        QVERIFY(!AudioLibraryLoaded());
    }

    void otherLibraryIsAClearError()
    {
        // A real library, already mapped, that is not ours.
        const QString qtCore = MappedFile(QStringLiteral("libQt6Core"));
        QVERIFY(!qtCore.isEmpty());
        SetAudioLibraryPath(qtCore);
        const EDirectShowException e = ActivationError();
        QCOMPARE(e.Code(), EngineCode::EngineUnavailable);
        QVERIFY2(e.Message().contains(QLatin1String("entry point")), qPrintable(e.Message()));
        QVERIFY(!AudioLibraryLoaded());
        QVERIFY(!MappedFile(QStringLiteral("libQt6Core")).isEmpty());
    }

    void activationMapsGStreamer()
    {
        SetAudioLibraryPath(QString());
        {
            TFilterGraph graph;
            graph.SetActive(true);
            QVERIFY(graph.Active());
            QVERIFY(graph.Engine());
            QTRY_VERIFY_WITH_TIMEOUT(PlayerRuntimeStarted(), 30000);
        }
        QVERIFY(AudioLibraryLoaded());
        QVERIFY(PlayerRuntimeStarted());
        QVERIFY(!MappedFile(QStringLiteral("libgstreamer-1.0")).isEmpty());
        QCOMPARE(MappedFile(QStringLiteral("tocsimo-audio")), QString(TOCSIMO_AUDIO_LIBRARY));
    }

    void failedRenderIsTheProgramsOwnError_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes"); // empty: no file
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("missing") << "gone.wav" << QByteArray() << int(EngineCode::FileNotFound)
                                 << "The sound file cannot be found";
        QTest::newRow("damaged") << "notes.wav" << QByteArray(2000, 'a') << int(EngineCode::BadFormat)
                                 << "The sound file is damaged";
    }
    void failedRenderIsTheProgramsOwnError()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(int, code);
        QFETCH(QString, text);
        const QString path = dir_.filePath(name);
        if (!bytes.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        TFilterGraph graph;
        int32_t failedCode = 0;
        QString failedMessage;
        QObject::connect(&graph, &TFilterGraph::Failed, [&](int32_t c, const QString &m) {
            failedCode = c;
            failedMessage = m;
        });
        graph.SetActive(true);
        QCOMPARE(graph.RenderFile(path), S_OK);
        QTRY_VERIFY_WITH_TIMEOUT(!graph.Active(), 10000);
        QCOMPARE(failedCode, int32_t(code));
        // The text made inside the library, with the file it names and the code.
        QVERIFY2(failedMessage.startsWith(text), qPrintable(failedMessage));
        QVERIFY2(failedMessage.contains(path), qPrintable(failedMessage));
        QVERIFY2(failedMessage.endsWith(QStringLiteral("($%1).").arg(quint32(code), 0, 16).toUpper()),
                 qPrintable(failedMessage));
    }
};

QTEST_MAIN(TestPlayerLoading)
#include "tst_playerloading.moc"
