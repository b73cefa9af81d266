// Child of bench_player: one fresh process that, like the program, links no
// GStreamer, so the first activation pays for starting the sound engine's
// process, and GStreamer in it.
//   bench_player_first --first FILE   prints "activation_ms render_ms"
//   bench_player_first --memory FILE  prints "rss_kb_before rss_kb_after"
#include "player_bench_steps.h"

#include "player/TDSTrackBar.h"

#include <QApplication>

#include <cstdio>

namespace {

int FirstRender(const QString &file)
{
    QElapsedTimer clock;
    clock.start();
    TFilterGraph graph;
    graph.SetActive(true);
    const double activation = clock.nsecsElapsed() / 1e6;
    const double render = RenderToSoundMs(graph, file);
    std::printf("%.1f %.1f\n", activation, render);
    return render < 0 ? 1 : 0;
}

// Memory of one player, before its activation and active and idle after a sound.
int Memory(const QString &file)
{
    TFilterGraph graph;
    TDSTrackBar bar;
    bar.SetFilterGraph(&graph);
    bar.SetTimerInterval(100);
    const long before = RssKb();
    graph.SetActive(true);
    RenderToSoundMs(graph, file);
    graph.Stop();
    graph.ClearGraph();
    std::printf("%ld %ld\n", before, RssKb());
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--first"))
        return FirstRender(args[2]);
    if (args.size() == 3 && args[1] == QLatin1String("--memory"))
        return Memory(args[2]);
    std::fprintf(stderr, "usage: bench_player_first --first|--memory FILE\n");
    return 2;
}
