// Loading a store of 255 alarms from disk, one scheduler pass over them, and
// a pass that finds a whole day unseen (the computer asleep) and lists what
// every alarm missed in it.
// Run by hand: build/bench/bench_store [rounds]
#include "app/Now.h"
#include "app/ProgramFolder.h"
#include "schedule/AlarmPass.h"
#include "store/AlarmFiles.h"
#include "store/AlarmStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void Report(const char *what, const std::vector<double> &us)
{
    std::printf("%-44s median %9.2f us   min %9.2f us   max %9.2f us   (%zu runs)\n", what, Median(us),
                *std::min_element(us.begin(), us.end()), *std::max_element(us.begin(), us.end()), us.size());
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 50;

    QTemporaryDir dir;
    QDir(dir.path()).mkdir("alarm");
    SetProgramFolderOverride(dir.path());
    {
        AlarmStore writer;
        static const AlarmMode modes[] = {AlarmMode::Once, AlarmMode::Hourly, AlarmMode::Daily,
                                          AlarmMode::Weekly, AlarmMode::Monthly, AlarmMode::Yearly};
        for (int i = 0; i < AlarmStore::Capacity; ++i) {
            const int id = writer.AllocateId();
            const AlarmMode mode = modes[i % 6];
            const AlarmTime t{2027, 1 + i % 12, 1 + i % 28, uint16_t(i % 24), uint16_t(i % 60), uint16_t((i * 7) % 60)};
            AlarmFiles::WriteSettings(id, mode, t, QStringLiteral("/home/user/Music/alarm %1.mp3").arg(id));
            AlarmFiles::WriteMessage(id, {QStringLiteral("Alarm number %1").arg(id), QStringLiteral("second line")});
            writer.Append(id, {QStringLiteral("Alarm number %1").arg(id), AlarmModeName(mode)}, t);
        }
    }

    std::vector<double> load;
    AlarmStore store;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer timer;
        timer.start();
        store.Load();
        load.push_back(timer.nsecsElapsed() / 1000.0);
    }
    if (store.Count() != AlarmStore::Capacity) {
        std::fprintf(stderr, "loaded %d alarms, expected %d\n", store.Count(), AlarmStore::Capacity);
        return 1;
    }
    Report("load 255 alarms (index, settings, messages)", load);

    // A pass at a second when nothing is due, with the real clock.
    AlarmPass pass;
    int fired = 0;
    const AlarmPass::FireFunction fire = [&](int) { ++fired; };
    std::vector<double> passes;
    for (int r = 0; r < rounds * 200; ++r) {
        QElapsedTimer timer;
        timer.start();
        pass.Run(store, fire);
        passes.push_back(timer.nsecsElapsed() / 1000.0);
    }
    Report("one alarm pass over 255 alarms", passes);
    std::printf("(alarms fired during the passes: %d)\n", fired);

    // Two days asleep between two passes: the last 24 hours of every alarm
    // are looked through (255 alarms, 43 of them hourly).
    TDateTime clock = EncodeDateTime(2027, 3, 1, 12, 0, 0, 0);
    SetNowOverride([&clock] { return clock; });
    std::vector<double> wakes;
    int listed = 0;
    for (int r = 0; r < rounds * 10; ++r) {
        AlarmPass asleep;
        clock = EncodeDateTime(2027, 3, 1, 12, 0, 0, 0);
        asleep.Run(store, fire);
        clock += 2;
        QElapsedTimer timer;
        timer.start();
        asleep.Run(store, fire);
        listed = static_cast<int>(asleep.TakeMissed().size());
        wakes.push_back(timer.nsecsElapsed() / 1000.0);
    }
    SetNowOverride({});
    Report("the pass after two days asleep, listing", wakes);
    std::printf("(alarms listed as missed: %d)\n", listed);
    return 0;
}
