// How much a flood of connections to the one-copy socket delays an alarm.
// The first copy runs here with a timer armed for every 100 ms boundary, as
// the scheduler arms its own; a child process floods the socket (connections
// held open silent, connections that send junk, connections dropped at once,
// as fast as it can). Reported: how late the timer fired, without and with
// the flood.
// Run by hand: build/bench/bench_singleinstance [seconds per phase]
#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {
// Runs until killed, writing its count of connections to report now and then.
[[noreturn]] void Flood(const QByteArray &path, int report)
{
    sockaddr_un a{};
    a.sun_family = AF_UNIX;
    std::memcpy(a.sun_path, path.constData(), static_cast<size_t>(path.size()));
    std::vector<int> held;
    long made = 0;
    for (long i = 0;; ++i) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
        if (::connect(fd, reinterpret_cast<sockaddr *>(&a), sizeof a) != 0) {
            ::close(fd);
            continue;
        }
        ++made;
        switch (i % 3) {
        case 0: // silent, held
            held.push_back(fd);
            break;
        case 1: // junk
            (void)::send(fd, "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxx", 30, MSG_NOSIGNAL);
            ::close(fd);
            break;
        default: // gone at once
            ::close(fd);
        }
        if (held.size() > 200) {
            for (int h : held)
                ::close(h);
            held.clear();
        }
        if (made % 1000 == 0)
            (void)::write(report, &made, sizeof made);
    }
}

struct Lateness {
    std::vector<double> ms;
    void Print(const char *phase)
    {
        std::sort(ms.begin(), ms.end());
        std::printf("%-10s %6zu ticks   median %6.2f ms   p99 %6.2f ms   worst %6.2f ms\n", phase, ms.size(),
                    ms[ms.size() / 2], ms[ms.size() * 99 / 100], ms.back());
    }
};

// Timer ticks at each 100 ms boundary for `seconds`; how late each came.
Lateness Measure(int seconds)
{
    Lateness result;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    qint64 due = 0;
    const auto arm = [&] {
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        due = (now / 100 + 1) * 100;
        timer.start(static_cast<int>(due - now));
    };
    QObject::connect(&timer, &QTimer::timeout, [&] {
        result.ms.push_back(static_cast<double>(QDateTime::currentMSecsSinceEpoch() - due));
        arm();
    });
    arm();
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < seconds * 1000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return result;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
    QTemporaryDir folder;
    SingleInstance first(folder.path());
    if (!first.Claim()) {
        std::fprintf(stderr, "could not claim\n");
        return 1;
    }
    int raises = 0;
    QObject::connect(&first, &SingleInstance::RaiseRequested, [&] { ++raises; });

    Measure(seconds).Print("idle");

    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return 1;
    const pid_t flooder = ::fork();
    if (flooder == 0)
        Flood(QFile::encodeName(first.SocketPath()), pipeFds[1]);
    ::close(pipeFds[1]);
    Lateness flooded = Measure(seconds);
    ::kill(flooder, SIGKILL);
    ::waitpid(flooder, nullptr, 0);
    long made = 0, last = 0;
    while (::read(pipeFds[0], &last, sizeof last) == sizeof last)
        made = last;
    flooded.Print("flooded");
    std::printf("%ld connections in %d s (%.0f per second); raise requests seen: %d\n", made, seconds,
                made / double(seconds), raises);
    return 0;
}
