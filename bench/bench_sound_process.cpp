// The sound engine's process, as the program meets it. Run by hand:
//
//   scripts/x11-session --sound -- build/bench/bench_sound_process
//   (QT_QPA_PLATFORM=offscreen build/bench/bench_sound_process works with any sound output)
//
// Like the program it links no GStreamer. It prints: this process's resident
// memory before any sound, while one plays and 30 s after (the player still
// active, stopped and empty, as the windows leave it); the engine process's;
// render-to-sound (RenderFile until the engine reports a position above 0)
// for wav, mp3 and MIDI with a cold engine (a new process: start, GStreamer,
// plug-ins) and a warm one; and the longest the user-interface thread went
// without running its event loop while those sounds started.
#include "ProcessInfo.h"
#include "player_bench_steps.h"
#include "TestWav.h"

#include "player/AsyncEngine.h"
#include "player/TFilterGraph.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <unistd.h>

namespace {

long StatusKb(const QString &pid, const char *field)
{
    return ProcStatusValue(pid, field);
}

// The engine processes of this one.
QStringList Engines()
{
    const ChildProcesses children = ChildrenOfThisProcess();
    QStringList pids;
    for (int i = 0; i < children.pids.size(); ++i) {
        if (children.names.at(i) == QLatin1String("tocsimo-audio"))
            pids << children.pids.at(i);
    }
    return pids;
}

// A standard MIDI file: an A major piano chord, 1.5 s.
QByteArray Chord()
{
    const QByteArray track("\x00\xFF\x51\x03\x07\xA1\x20" "\x00\xC0\x00"
                           "\x00\x90\x45\x6E" "\x00\x90\x49\x6E" "\x00\x90\x4C\x6E"
                           "\x8B\x20\x80\x45\x40" "\x00\x80\x49\x40" "\x00\x80\x4C\x40" "\x00\xFF\x2F\x00",
                           41);
    QByteArray smf("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x01\xE0MTrk", 18);
    smf += char(0) + QByteArray(1, 0) + char(0) + char(track.size());
    return smf + track;
}

// The user-interface thread's longest gap between two runs of its event
// loop, sampled by a 1 ms timer.
struct BlockWatch {
    QTimer timer;
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 worst = 0;
    BlockWatch()
    {
        timer.setInterval(1);
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            const qint64 now = clock.nsecsElapsed();
            worst = std::max(worst, now - last);
            last = now;
        });
        clock.start();
        timer.start();
    }
};

void Spin(int ms)
{
    const QDeadlineTimer until(ms);
    while (!until.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

void Silence(TFilterGraph &graph)
{
    graph.Stop();
    graph.ClearGraph();
    QDeadlineTimer until(5000);
    while (graph.Active() && !graph.Engine()->Idle() && !until.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

void WaitForNoEngine()
{
    QDeadlineTimer until(20000);
    while (!Engines().isEmpty() && !until.hasExpired())
        Spin(50);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString wav = dir.filePath(QStringLiteral("tone.wav"));
    const QString mp3 = dir.filePath(QStringLiteral("tone.mp3"));
    const QString mid = dir.filePath(QStringLiteral("chord.mid"));
    QFile midi(mid);
    const bool made = TestWav::WriteTone(wav, 1500, 44100) && midi.open(QIODevice::WriteOnly) &&
                      midi.write(Chord()) > 0 &&
                      QProcess::execute(QStringLiteral("gst-launch-1.0"),
                                        {QStringLiteral("-q"), QStringLiteral("filesrc"), QStringLiteral("location=") + wav,
                                         QStringLiteral("!"), QStringLiteral("wavparse"), QStringLiteral("!"),
                                         QStringLiteral("audioconvert"), QStringLiteral("!"), QStringLiteral("lamemp3enc"),
                                         QStringLiteral("!"), QStringLiteral("filesink"), QStringLiteral("location=") + mp3}) == 0;
    midi.close();
    if (!made) {
        std::fprintf(stderr, "cannot make the sample sounds\n");
        return 1;
    }
    const QString self = QString::number(::getpid());
    Spin(500);
    const long before = StatusKb(self, "VmRSS:");

    // The same watch with nothing happening: what the machine itself costs.
    qint64 idleBlockUs = 0;
    {
        BlockWatch idle;
        Spin(5000);
        idleBlockUs = idle.worst / 1000;
    }
    BlockWatch watch;
    struct Row {
        const char *name;
        QString file;
        double cold = 0;
        std::vector<double> warm;
    };
    std::vector<Row> rows{{"wav", wav, 0, {}}, {"mp3", mp3, 0, {}}, {"MIDI", mid, 0, {}}};
    long during = 0, engineDuring = 0, enginePeak = 0, engineSpace = 0;
    for (Row &row : rows) {
        WaitForNoEngine();
        auto graph = std::make_unique<TFilterGraph>();
        row.cold = RenderToSoundMs(*graph, row.file);
        Spin(300);
        for (const QString &pid : Engines()) {
            during = std::max(during, StatusKb(self, "VmRSS:"));
            engineDuring = std::max(engineDuring, StatusKb(pid, "VmRSS:"));
            enginePeak = std::max(enginePeak, StatusKb(pid, "VmHWM:"));
            engineSpace = std::max(engineSpace, StatusKb(pid, "VmPeak:"));
        }
        for (int i = 0; i < 10; ++i) {
            row.warm.push_back(RenderToSoundMs(*graph, row.file));
            Spin(50);
        }
        Silence(*graph);
        graph.reset();
    }
    const qint64 worstBlockUs = watch.worst / 1000;

    // As the windows leave a player: active, stopped and empty.
    TFilterGraph graph;
    RenderToSoundMs(graph, wav);
    Spin(300);
    Silence(graph);
    Spin(30000);
    const long after = StatusKb(self, "VmRSS:");
    const qsizetype enginesAfter = Engines().size();

    std::printf("Render to sound, ms: cold (new engine process) and warm (median, max of 10)\n");
    for (const Row &row : rows) {
        std::vector<double> w = row.warm;
        std::sort(w.begin(), w.end());
        std::printf("  %-5s cold %7.1f   warm %6.1f  %6.1f\n", row.name, row.cold, w[w.size() / 2], w.back());
    }
    std::printf("Program resident memory, kB: %ld before any sound, %ld during one, %ld 30 s after\n", before, during,
                after);
    std::printf("Engine process, kB: %ld resident while playing, %ld at its peak, %ld address space at its peak; "
                "%lld engine processes 30 s after\n",
                engineDuring, enginePeak, engineSpace, static_cast<long long>(enginesAfter));
    std::printf("Longest user-interface thread block while sounds started: %.1f ms (%.1f ms in 5 s with nothing to do)\n",
                worstBlockUs / 1000.0, idleBlockUs / 1000.0);
    return 0;
}
