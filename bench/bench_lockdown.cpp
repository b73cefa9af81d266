// What the sound engine's lock-down costs, as its process pays it: the time
// to find the folders playback reads (GStreamer's plug-in folders, the sound
// font's), then to apply it (no new privileges, Landlock's rules, the seccomp
// filter), and the resident memory each adds. Run by hand:
//
//   build/bench/bench_lockdown
//
// Each round runs in a fresh child process (a lock-down is for good), after
// GStreamer has started, as in the engine; the child's memory is read from
// outside, since a locked-down process may not read /proc. It prints the
// median and the longest of 20 rounds.
#include "engine/GstRuntime.h"
#include "engine/LockDown.h"

#include <QElapsedTimer>
#include <QString>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace {

long ResidentKb(const QString &pid)
{
    FILE *status = std::fopen(QStringLiteral("/proc/%1/status").arg(pid).toLocal8Bit().constData(), "r");
    char line[256];
    long kb = -1;
    while (status && std::fgets(line, sizeof line, status) && std::sscanf(line, "VmRSS: %ld", &kb) != 1) {
    }
    if (status)
        std::fclose(status);
    return kb;
}

void Report(const char *what, std::vector<double> values, const char *unit)
{
    std::sort(values.begin(), values.end());
    std::printf("%-22s median %7.1f  max %7.1f %s\n", what, values[values.size() / 2], values.back(), unit);
}

struct Round {
    double findUs = 0;
    double applyUs = 0;
    long residentBeforeKb = 0;
    long residentFoundKb = 0;
    bool complete = false;
};

} // namespace

int main()
{
    constexpr int kRounds = 20;
    std::vector<double> findUs, applyUs, foundKb, appliedKb;
    for (int i = 0; i < kRounds; ++i) {
        int channel[2];
        if (::pipe(channel) != 0)
            return 1;
        const pid_t child = ::fork();
        if (child == 0) {
            QString error;
            if (!StartGStreamer(error))
                ::_exit(1);
            Round round;
            round.residentBeforeKb = ResidentKb(QStringLiteral("self"));
            QElapsedTimer timer;
            timer.start();
            const QStringList folders = PlaybackFolders();
            round.findUs = double(timer.nsecsElapsed()) / 1000.0;
            round.residentFoundKb = ResidentKb(QStringLiteral("self"));
            timer.restart();
            round.complete = LockDown::Apply(folders).isEmpty();
            round.applyUs = double(timer.nsecsElapsed()) / 1000.0;
            [[maybe_unused]] const ssize_t n = ::write(channel[1], &round, sizeof round);
            ::pause(); // until the parent has read our memory
            ::_exit(0);
        }
        ::close(channel[1]);
        Round round;
        const bool got = ::read(channel[0], &round, sizeof round) == sizeof round;
        ::close(channel[0]);
        const long after = ResidentKb(QString::number(child));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        if (!got || !round.complete) {
            std::fprintf(stderr, "the lock-down was not applied in full on this machine\n");
            return 1;
        }
        findUs.push_back(round.findUs);
        applyUs.push_back(round.applyUs);
        foundKb.push_back(double(round.residentFoundKb - round.residentBeforeKb));
        appliedKb.push_back(double(after - round.residentFoundKb));
    }
    Report("finding the folders", findUs, "us");
    Report("  memory added", foundKb, "kB");
    Report("applying the lock-down", applyUs, "us");
    Report("  memory added", appliedKb, "kB");
    return 0;
}
