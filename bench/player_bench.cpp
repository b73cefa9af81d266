// Sound player benchmark, run by hand:
//   build/bench/bench_player
// Reports, for each format, the time from RenderFile to a playing position
// above 0: for the first render in a fresh process (bench_player_first, which
// like the program links no GStreamer: starting the sound engine's process,
// GStreamer's start-up and plug-in loading there included) and for later renders in
// a warm process; the cost of one position poll; and the resident memory of
// one player before its activation and active and idle after a sound.
#include "PlayerDriver.h"
#include "SoundSamples.h"

#include "player/PlayerRuntime.h"
#include "player/TDSTrackBar.h"
#include "player_bench_steps.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Format {
    const char *name;
    const char *file;
};
const Format kFormats[] = {
    {"wav", "tone.wav"}, {"mp3", "tone.mp3"}, {"mp2", "tone.mp2"}, {"wma", "tone.wma"},
    {"au", "tone.au"},   {"mid", "chord.mid"}, {"rmi", "chord.rmi"}, {"wax", "list.wax"},
};

bool MakeSamples(const QString &dir)
{
    auto path = [&](const char *name) { return dir + QLatin1Char('/') + QLatin1String(name); };
    return SoundSamples::EncodeTone(path("tone.wav"), 1500, "wavenc") &&
           SoundSamples::EncodeTone(path("tone.mp3"), 1500, "lamemp3enc target=bitrate cbr=true bitrate=128 ! xingmux") &&
           SoundSamples::EncodeTone(path("tone.mp2"), 1500, "twolamemp2enc") &&
           SoundSamples::EncodeTone(path("tone.wma"), 1500, "avenc_wmav2 ! asfmux") &&
           SoundSamples::WriteAu(path("tone.au"), 1500, false) &&
           SoundSamples::WriteMidi(path("chord.mid"), 1500, false) &&
           SoundSamples::WriteMidi(path("chord.rmi"), 1500, true) &&
           SoundSamples::WriteBytes(path("list.wax"), "<asx version=\"3.0\"><entry><ref href=\"tone.mp3\"/></entry></asx>");
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    // The fresh-process figures come from a child that, like the program,
    // does not link GStreamer (this benchmark does, to make its samples).
    const QString child = QCoreApplication::applicationDirPath() + QStringLiteral("/bench_player_first");

    QTemporaryDir dir;
    SoundSamples::StartGStreamer();
    if (!dir.isValid() || !MakeSamples(dir.path())) {
        std::fprintf(stderr, "cannot make the sample sounds\n");
        return 1;
    }

    std::printf("Render to sound (RenderFile .. position > 0), ms\n");
    std::printf("%-5s %22s %12s %12s %12s\n", "", "first: activate+render", "later: med", "later: max", "later: n");
    TFilterGraph graph;
    graph.SetActive(true);
    for (const Format &format : kFormats) {
        const QString file = dir.filePath(QLatin1String(format.file));
        QProcess fresh;
        fresh.setProcessChannelMode(QProcess::SeparateChannels);
        fresh.start(child, {QStringLiteral("--first"), file});
        fresh.waitForFinished(30000);
        const QString first = QString::fromLatin1(fresh.readAllStandardOutput()).trimmed();
        const QStringList parts = first.split(QLatin1Char(' '));

        RenderToSoundMs(graph, file); // warm this format's plug-ins
        std::vector<double> later;
        for (int i = 0; i < 15; ++i)
            later.push_back(RenderToSoundMs(graph, file));
        std::printf("%-5s %10s + %9s %12.1f %12.1f %12zu\n", format.name,
                    qPrintable(parts.value(0)), qPrintable(parts.value(1)), Median(later),
                    *std::max_element(later.begin(), later.end()), later.size());
    }

    // One poll: what a tick of the bar reads, while a sound plays.
    {
        TDSTrackBar bar;
        bar.SetFilterGraph(&graph);
        bar.SetTimerInterval(100);
        long reports = 0;
        bar.SetOnTimer([&](TDSTrackBar *, uint32_t, uint32_t) { ++reports; });
        RenderToSoundMs(graph, dir.filePath(QStringLiteral("tone.wav")));
        QTimer *timer = bar.findChild<QTimer *>(QStringLiteral("PositionTimer"));
        constexpr int kPolls = 100000;
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < kPolls; ++i)
            QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
        const double tickUs = clock.nsecsElapsed() / 1e3 / kPolls;
        AsyncEngine *engine = graph.Engine();
        int64_t value = 0;
        clock.restart();
        for (int i = 0; i < kPolls; ++i) {
            engine->GetDuration(value);
            engine->GetCurrentPosition(value);
        }
        const double engineUs = clock.nsecsElapsed() / 1e3 / kPolls;
        std::printf("\nOne position poll: %.2f us for the whole tick (%ld reports), %.2f us in the engine's two reads\n",
                    tickUs, reports, engineUs);
        graph.Stop();
        graph.ClearGraph();
    }

    QProcess memory;
    memory.start(child, {QStringLiteral("--memory"), dir.filePath(QStringLiteral("tone.wav"))});
    memory.waitForFinished(30000);
    const QStringList rss = QString::fromLatin1(memory.readAllStandardOutput()).trimmed().split(QLatin1Char(' '));
    if (rss.size() == 2) {
        std::printf("Resident memory: %s kB with a player not yet activated, %s kB once active and idle (+%ld kB)\n",
                    qPrintable(rss[0]), qPrintable(rss[1]), rss[1].toLong() - rss[0].toLong());
    }
    return 0;
}
