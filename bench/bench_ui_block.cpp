// How long the user-interface thread is held while alarms fire and their
// sounds start. A watchdog timer, due every 2 ms, records how late each of its
// ticks comes; its worst lateness is the longest the thread was blocked.
// Each round sets the clock two seconds before an alarm (the scheduler gets
// the sound ready), then to the alarm's second (the reminder opens and plays
// for 1.5 s, then "Close"). The first round of the run also starts the sound
// engine's process. Run by hand (no display needed):
//
//   QT_QPA_PLATFORM=offscreen build/bench/bench_ui_block [rounds] [--trace N]
//
// For the worst tick of each format (or the N worst with --trace) it tells
// where the time went: the thread on a CPU, waiting for one (other threads or
// processes had the cores), or asleep (a lock, a file, the X server), and the
// longest events the thread handled meanwhile. "worst ready" is the worst
// tick of the 300 ms while the sound is got ready (the user-interface thread
// has next to nothing to do then: a late tick there is a busy machine);
// "worst alarm" of the rest, from the alarm to the close. "CPU at alarm" is the median
// CPU time (ms) the whole program used in an alarm's first 300 ms: the work
// done while the reminder maps, which a busy machine turns into lateness.
#include "SoundSamples.h"

#include "app/Now.h"
#include "app/ProgramFolder.h"
#include "store/AlarmFiles.h"
#include "windows/TFormMain.h"
#include "windows/TFormReminder.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <QEvent>
#include <QEventLoop>
#include <QMetaEnum>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <deque>
#include <vector>

#include <fcntl.h>
#include <time.h>
#include <unistd.h>

namespace {

QElapsedTimer benchClock; // started once; all times below are on it, in microseconds
qint64 benchClockBaseUs = 0; // CLOCK_MONOTONIC when it started, to line a trace up with perf's

qint64 NowUs()
{
    return benchClock.nsecsElapsed() / 1000;
}

// The main thread's time on a CPU and waiting for one, from the scheduler's
// own account (/proc/thread-self/schedstat, nanoseconds).
struct SchedStat {
    int fd = -1;
    SchedStat() { fd = ::open("/proc/thread-self/schedstat", O_RDONLY | O_CLOEXEC); }
    ~SchedStat()
    {
        if (fd >= 0)
            ::close(fd);
    }
    bool Read(qint64 &cpuUs, qint64 &waitUs) const
    {
        char text[128];
        const ssize_t n = fd >= 0 ? ::pread(fd, text, sizeof text - 1, 0) : -1;
        if (n <= 0)
            return false;
        text[n] = 0;
        unsigned long long cpu = 0, wait = 0;
        if (std::sscanf(text, "%llu %llu", &cpu, &wait) != 2)
            return false;
        cpuUs = static_cast<qint64>(cpu / 1000);
        waitUs = static_cast<qint64>(wait / 1000);
        return true;
    }
};

qint64 ProcessCpuUs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000000 + t.tv_nsec / 1000;
}

// Each event the main thread handles at the outermost level, with how long.
struct HandledEvent {
    qint64 startUs = 0;
    qint64 endUs = 0;
    QEvent::Type type = QEvent::None;
    QByteArray receiver;
};

class TracingApplication : public QApplication {
public:
    using QApplication::QApplication;
    std::deque<HandledEvent> events; // the last few seconds
    bool notify(QObject *receiver, QEvent *event) override
    {
        if (depth_++ > 0) {
            const bool handled = QApplication::notify(receiver, event);
            --depth_;
            return handled;
        }
        HandledEvent record;
        record.startUs = NowUs();
        record.type = event->type();
        record.receiver = QByteArray(receiver->metaObject()->className()) + ' ' + receiver->objectName().toUtf8();
        const bool handled = QApplication::notify(receiver, event);
        --depth_;
        record.endUs = NowUs();
        events.push_back(std::move(record));
        while (events.size() > 20000)
            events.pop_front();
        return handled;
    }

private:
    int depth_ = 0;
};

struct Tick {
    qint64 lateUs = 0;
    qint64 fromUs = 0, toUs = 0; // the interval since the tick before
    qint64 cpuUs = 0, waitUs = 0;
    QByteArray longest; // the longest events handled in it
};

struct Watchdog {
    QTimer timer;
    SchedStat sched;
    qint64 last = 0, lastCpu = 0, lastWait = 0;
    std::vector<qint64> lateUs;
    std::vector<Tick> worst; // of this round, late ones only
    TracingApplication *app = nullptr;

    Watchdog()
    {
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(2);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            const qint64 now = NowUs();
            qint64 cpu = 0, wait = 0;
            sched.Read(cpu, wait);
            const qint64 late = std::max<qint64>(0, now - last - 2000);
            lateUs.push_back(late);
            if (late >= 3000)
                worst.push_back(Tick{late, last, now, cpu - lastCpu, wait - lastWait, Longest(last, now)});
            last = now;
            lastCpu = cpu;
            lastWait = wait;
        });
    }
    QByteArray Longest(qint64 from, qint64 to) const
    {
        std::vector<const HandledEvent *> in;
        for (auto it = app->events.rbegin(); it != app->events.rend() && it->endUs >= from; ++it) {
            if (it->startUs <= to && it->endUs - it->startUs >= 500)
                in.push_back(&*it);
        }
        std::sort(in.begin(), in.end(), [](auto *a, auto *b) { return a->endUs - a->startUs > b->endUs - b->startUs; });
        QByteArray text;
        const QMetaEnum types = QMetaEnum::fromType<QEvent::Type>();
        for (size_t i = 0; i < in.size() && i < 3; ++i) {
            const char *name = in[i]->type == QEvent::None ? "call" : types.valueToKey(in[i]->type);
            text += QByteArray("  ") + (name ? name : QByteArray::number(in[i]->type).constData()) + " to " +
                    in[i]->receiver + ": " + QByteArray::number((in[i]->endUs - in[i]->startUs) / 1000.0, 'f', 2) + " ms\n";
        }
        return text;
    }
    void Start()
    {
        lateUs.clear();
        last = NowUs();
        sched.Read(lastCpu, lastWait);
        timer.start();
    }
    void Stop() { timer.stop(); }
};

// Runs the event loop for ms, asleep between events as the program's own is
// (a loop that spun would take a core from the sound engine's threads).
void Pump(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    benchClock.start();
    timespec base{};
    clock_gettime(CLOCK_MONOTONIC, &base);
    benchClockBaseUs = qint64(base.tv_sec) * 1000000 + base.tv_nsec / 1000;
    TracingApplication app(argc, argv);
    int rounds = 5;
    int traced = 0; // worst ticks explained per format
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--trace") == 0 && i + 1 < argc)
            traced = std::max(1, std::atoi(argv[++i]));
        else
            rounds = std::max(1, std::atoi(argv[i]));
    }

    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("alarm"));
    SetProgramFolderOverride(dir.path());
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
    SoundSamples::StartGStreamer(); // for making the samples only
    const struct {
        const char *name;
        QString file;
    } formats[] = {{"wav", dir.filePath("tone.wav")}, {"mp3", dir.filePath("tone.mp3")}, {"MIDI", dir.filePath("chord.mid")}};
    if (!SoundSamples::EncodeTone(formats[0].file, 3000, "wavenc") ||
        !SoundSamples::EncodeTone(formats[1].file, 3000, "lamemp3enc") ||
        !SoundSamples::WriteMidi(formats[2].file, 3000, false)) {
        std::fprintf(stderr, "cannot make the sample sounds\n");
        return 1;
    }

    TDateTime clock = EncodeDateTime(2027, 3, 1, 6, 0, 0, 0);
    SetNowOverride([&clock] { return clock; });
    FormMain = new TFormMain;
    FormReminder = new TFormReminder;
    QObject::connect(FormReminder, &QDialog::finished, [] {});
    Watchdog watchdog;
    watchdog.app = &app;
    QByteArray explained;

    std::printf("UI thread blocked while alarms fire and their sounds start (watchdog lateness, ms)\n");
    std::printf("%-5s %8s %8s %8s %8s %12s %12s %12s\n", "", "worst", "p99", "median", "ticks", "worst ready",
                "worst alarm", "CPU at alarm");
    int id = 0;
    for (const auto &format : formats) {
        std::vector<qint64> all;
        watchdog.worst.clear();
        qint64 worstReady = 0, worstAlarm = 0;
        std::vector<qint64> alarmCpuUs; // the whole program's, in the alarm's first 300 ms
        for (int round = 0; round < rounds; ++round) {
            ++id;
            const auto minute = uint16_t(id % 60), hour = uint16_t(7 + id / 60);
            AlarmFiles::WriteSettings(id, AlarmMode::Daily, {2027, 1, 1, hour, minute, 0}, format.file);
            AlarmFiles::WriteMessage(id, {QStringLiteral("Round %1").arg(round)});
            FormMain->Alarms.Append(id, {QStringLiteral("Round"), QStringLiteral("Daily")}, {2027, 1, 1, hour, minute, 0});

            watchdog.Start();
            clock = EncodeDateTime(2027, 3, 1, hour, minute, 0, 0) - 2.0 / 86400;
            QMetaObject::invokeMethod(FormMain->Timer, "timeout");
            Pump(300);
            for (qint64 late : watchdog.lateUs)
                worstReady = std::max(worstReady, late);
            const size_t readyTicks = watchdog.lateUs.size();
            clock = EncodeDateTime(2027, 3, 1, hour, minute, 0, 0);
            QTimer::singleShot(1500, FormReminder->ButtonClose, &QPushButton::click);
            qint64 cpuAtAlarm = 0;
            const qint64 firedAtUs = NowUs();
            // Runs once the reminder's own event loop does: the alarm's work
            // up to then (reading its files, starting the sound, showing the
            // window) is one call, not an event, so it is recorded here.
            QTimer::singleShot(0, [&app, &cpuAtAlarm, firedAtUs] {
                cpuAtAlarm = ProcessCpuUs();
                app.events.push_back({firedAtUs, NowUs(), QEvent::None, "the alarm, up to the reminder's event loop"});
            });
            QTimer::singleShot(300, [&cpuAtAlarm, &alarmCpuUs] { alarmCpuUs.push_back(ProcessCpuUs() - cpuAtAlarm); });
            QMetaObject::invokeMethod(FormMain->Timer, "timeout");
            Pump(200);
            watchdog.Stop();
            for (size_t i = readyTicks; i < watchdog.lateUs.size(); ++i)
                worstAlarm = std::max(worstAlarm, watchdog.lateUs[i]);
            all.insert(all.end(), watchdog.lateUs.begin(), watchdog.lateUs.end());
        }
        std::sort(all.begin(), all.end());
        std::sort(alarmCpuUs.begin(), alarmCpuUs.end());
        std::printf("%-5s %8.2f %8.2f %8.2f %8zu %12.2f %12.2f %12.1f\n", format.name, all.back() / 1000.0,
                    all[all.size() * 99 / 100] / 1000.0, all[all.size() / 2] / 1000.0, all.size(), worstReady / 1000.0,
                    worstAlarm / 1000.0,
                    alarmCpuUs.empty() ? 0.0 : alarmCpuUs[alarmCpuUs.size() / 2] / 1000.0);
        std::vector<Tick> &worst = watchdog.worst;
        std::sort(worst.begin(), worst.end(), [](const Tick &a, const Tick &b) { return a.lateUs > b.lateUs; });
        for (size_t i = 0; i < worst.size() && i < size_t(std::max(1, traced)); ++i) {
            const Tick &t = worst[i];
            const qint64 span = t.toUs - t.fromUs;
            explained += QByteArray(format.name) + ": " + QByteArray::number(span / 1000.0, 'f', 2) +
                         " ms between ticks: on a CPU " + QByteArray::number(t.cpuUs / 1000.0, 'f', 2) +
                         ", waiting for a CPU " + QByteArray::number(t.waitUs / 1000.0, 'f', 2) + ", asleep " +
                         QByteArray::number(std::max<qint64>(0, span - t.cpuUs - t.waitUs) / 1000.0, 'f', 2) +
                         (traced ? " (monotonic " + QByteArray::number((benchClockBaseUs + t.fromUs) / 1e6, 'f', 6) + " s)" : QByteArray()) + "\n" +
                         t.longest;
        }
    }
    if (!explained.isEmpty())
        std::printf("\nWhere the worst ticks' time went (ms):\n%s", explained.constData());
    delete FormReminder;
    delete FormMain;
    return 0;
}
