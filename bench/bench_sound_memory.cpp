// The program's memory over many alarms' worth of sound, without a window or
// faked time: each cycle does what the scheduler and the reminder do with a
// sound (render it twice ahead, render and play it for 300 ms, stop, clear).
// Every 25 cycles it prints the resident memory, the heap in use (what the
// program holds), the heap the allocator keeps but is not in use, and the
// threads. A leak shows as heap in use that keeps growing; a resident size
// that grows while the heap in use does not is the allocator's own keeping.
// Run by hand:
//
//   scripts/x11-session --sound -- build/bench/bench_sound_memory [cycles]
//   (QT_QPA_PLATFORM=offscreen build/bench/bench_sound_memory also works, with any sound output)
#include "PlayerDriver.h"
#include "ProcessInfo.h"
#include "SoundSamples.h"

#include "player/AsyncEngine.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstdlib>

#include <malloc.h>

namespace {

long StatusKb(const char *field)
{
    return ProcStatusValue(QStringLiteral("self"), field);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int cycles = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
    QTemporaryDir dir;
    SoundSamples::StartGStreamer(); // for making the sample only
    const QString wav = dir.filePath(QStringLiteral("tone.wav"));
    if (!SoundSamples::EncodeTone(wav, 250, QStringLiteral("wavenc"))) {
        std::fprintf(stderr, "cannot make the sample sound\n");
        return 1;
    }

    PlayerDriver d;
    const auto settle = [&d] { (void)QTest::qWaitFor([&d] { return !d.graph.Active() || d.graph.Engine()->Idle(); }, 10000); };
    std::printf("%6s %10s %12s %12s %8s\n", "cycle", "RSS kB", "heap used kB", "heap free kB", "threads");
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        for (int ahead = 0; ahead < 2; ++ahead) {
            if (!d.graph.Active())
                d.graph.SetActive(true);
            d.graph.ClearGraph();
            d.graph.RenderFile(wav);
            settle();
        }
        if (!d.Start(wav))
            std::fprintf(stderr, "cycle %d: %s\n", cycle, qPrintable(d.errorMessage));
        QTest::qWait(300);
        d.graph.Stop();
        d.graph.ClearGraph();
        settle();
        if (cycle == 1 || cycle % 25 == 0) {
            const struct mallinfo2 heap = mallinfo2();
            std::printf("%6d %10ld %12zu %12zu %8ld\n", cycle, StatusKb("VmRSS:"), heap.uordblks / 1024,
                        heap.fordblks / 1024, StatusKb("Threads:"));
            std::fflush(stdout);
        }
    }
    return 0;
}
