// How long the user-interface thread is held while alarms fire and their
// sounds start. A watchdog timer, due every 2 ms, records how late each of its
// ticks comes; its worst lateness is the longest the thread was blocked.
// Each round sets the clock two seconds before an alarm (the scheduler gets
// the sound ready), then to the alarm's second (the reminder opens and plays
// for 1.5 s, then "Close"). The first round of the run also loads the sound
// engine library and starts GStreamer. Run by hand (no display needed):
//
//   QT_QPA_PLATFORM=offscreen build/bench/bench_ui_block [rounds]
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

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Watchdog {
    QTimer timer;
    QElapsedTimer clock;
    qint64 last = 0;
    std::vector<qint64> lateUs;

    Watchdog()
    {
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(2);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            const qint64 now = clock.nsecsElapsed() / 1000;
            lateUs.push_back(std::max<qint64>(0, now - last - 2000));
            last = now;
        });
    }
    void Start()
    {
        lateUs.clear();
        clock.start();
        last = 0;
        timer.start();
    }
    void Stop() { timer.stop(); }
};

void Pump(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

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

    std::printf("UI thread blocked while alarms fire and their sounds start (watchdog lateness, ms)\n");
    std::printf("%-5s %8s %8s %8s %8s %14s\n", "", "worst", "p99", "median", "ticks", "worst getting ready");
    int id = 0;
    for (const auto &format : formats) {
        std::vector<qint64> all;
        qint64 worstReady = 0;
        for (int round = 0; round < rounds; ++round) {
            ++id;
            const int minute = id % 60, hour = 7 + id / 60;
            AlarmFiles::WriteSettings(id, AlarmMode::Daily, {2027, 1, 1, hour, minute, 0}, format.file);
            AlarmFiles::WriteMessage(id, {QStringLiteral("Round %1").arg(round)});
            FormMain->Alarms.Append(id, {QStringLiteral("Round"), QStringLiteral("Daily")}, {2027, 1, 1, hour, minute, 0});

            watchdog.Start();
            clock = EncodeDateTime(2027, 3, 1, hour, minute, 0, 0) - 2.0 / 86400;
            QMetaObject::invokeMethod(FormMain->Timer, "timeout");
            Pump(300);
            for (qint64 late : watchdog.lateUs)
                worstReady = std::max(worstReady, late);
            clock = EncodeDateTime(2027, 3, 1, hour, minute, 0, 0);
            QTimer::singleShot(1500, FormReminder->ButtonClose, &QPushButton::click);
            QMetaObject::invokeMethod(FormMain->Timer, "timeout");
            Pump(200);
            watchdog.Stop();
            all.insert(all.end(), watchdog.lateUs.begin(), watchdog.lateUs.end());
        }
        std::sort(all.begin(), all.end());
        std::printf("%-5s %8.2f %8.2f %8.2f %8zu %14.2f\n", format.name, all.back() / 1000.0,
                    all[all.size() * 99 / 100] / 1000.0, all[all.size() / 2] / 1000.0, all.size(), worstReady / 1000.0);
    }
    delete FormReminder;
    delete FormMain;
    return 0;
}
