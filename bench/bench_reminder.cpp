// The reminder window's 200 ms label refresh, which runs for the whole life of
// the program, shown or hidden. Run by hand:
//
//   build/bench/bench_reminder [rounds]
//       wall-clock cost of one tick
//   valgrind --tool=callgrind --collect-atstart=no
//            --toggle-collect='TFormReminder::TimerTimer()'
//            build/bench/bench_reminder --ticks 1000
//       instructions of 1000 idle ticks (callgrind's total, divided by 1000)
#include "app/Now.h"
#include "windows/TFormReminder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {
double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void Report(const char *what, const std::vector<double> &ns)
{
    std::printf("%-46s median %9.1f ns   min %9.1f ns   max %9.1f ns   (%zu runs)\n", what, Median(ns),
                *std::min_element(ns.begin(), ns.end()), *std::max_element(ns.begin(), ns.end()), ns.size());
}
} // namespace

int main(int argc, char *argv[])
{
    // No display needed.
    std::vector<char *> args(argv, argv + argc);
    char platformOption[] = "-platform";
    char platformName[] = "offscreen";
    args.insert(args.begin() + 1, {platformOption, platformName});
    int qtArgc = static_cast<int>(args.size());
    QApplication app(qtArgc, args.data());

    TFormReminder reminder;
    reminder.Timer->stop(); // the bench drives the ticks itself

    if (argc > 2 && std::strcmp(argv[1], "--ticks") == 0) {
        // Idle ticks on the real clock, for callgrind: they take a few
        // milliseconds, so at most one of them meets a new second.
        reminder.TimerTimer();
        const int ticks = std::max(1, atoi(argv[2]));
        for (int i = 0; i < ticks; ++i)
            reminder.TimerTimer();
        std::printf("%d idle ticks, label %s\n", ticks, qPrintable(reminder.LabelTime->text()));
        return 0;
    }

    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    const int perRound = 10000;

    // Idle: the real clock, mostly within the same second, nothing to redraw.
    std::vector<double> idle;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < perRound; ++i)
            reminder.TimerTimer();
        idle.push_back(double(t.nsecsElapsed()) / perRound);
    }
    Report("idle tick (same second)", idle);

    // A new second every tick: format and set the time label (once a second in use).
    std::vector<double> changing;
    TDateTime clock = Now();
    SetNowOverride([&clock] { return clock; });
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < perRound / 10; ++i) {
            clock += 1.0 / 86400.0;
            reminder.TimerTimer();
        }
        changing.push_back(double(t.nsecsElapsed()) / (perRound / 10));
    }
    Report("tick with a new second (label reformatted)", changing);
    SetNowOverride({});
    return 0;
}
