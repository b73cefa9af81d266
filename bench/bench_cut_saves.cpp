// Saves cut short by SIGKILL, completed or undone at the next start.
//
// Starts cut_save_writer (which adds, edits and removes alarms through the
// store) on a program folder, kills it with SIGKILL at a random moment, runs
// the recovery as the program does at start, and checks what is left: no
// alarm pairs one save's settings with another save's message, every alarm
// the index lists has both its files, and no hidden staging file is left.
// Over and over on the same folder.
//
// Usage: build/bench/bench_cut_saves [kills] [seed] [--keep DIR]
//   kills   how many times the writer is killed; 1200 by default
//   --keep  keeps a few folders the recovery had work on: DIR/<kill>/before
//           as the kill left it, DIR/<kill>/after as the recovery left it
//           (bench/cut_saves_real.sh starts the program on them)
// Exit status 1 when any check fails.
#include "WriterStates.h"

#include "app/ProgramFolder.h"
#include "store/AlarmStore.h"
#include "store/SaveRecovery.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

#ifndef CUT_SAVE_WRITER
#error "CUT_SAVE_WRITER must name the cut_save_writer executable"
#endif

namespace {

// What a look at the program folder finds.
struct Survey {
    QStringList hidden; // staging files, in the folder and its alarm folder
    int mixed = 0;      // alarms whose two files carry different saves, or only one file
    int listedNotWhole = 0;
};

QStringList Entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

Survey Look(const QString &folder)
{
    Survey s;
    for (const QString &sub : {QString(), QStringLiteral("alarm/")})
        for (const QString &name : Entries(folder + '/' + sub))
            if (name.startsWith(u'.'))
                s.hidden << sub + name;
    for (int id = 1; id <= AlarmStore::SlotCount; ++id) {
        const WriterStates::Saves saves = WriterStates::SavesOf(id);
        s.mixed += saves.settings != saves.message;
    }
    AlarmStore store;
    store.Load();
    for (int k = 1; k <= store.Count(); ++k) {
        const WriterStates::Saves saves = WriterStates::SavesOf(store.Slot(k).Id);
        s.listedNotWhole += saves.settings < 0 || saves.settings != saves.message;
    }
    return s;
}

void CopyAlarmFolder(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (const QString &name : Entries(from))
        QFile::copy(from + '/' + name, to + '/' + name);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString keep;
    if (const qsizetype at = args.indexOf(QStringLiteral("--keep")); at >= 0 && at + 1 < args.size()) {
        keep = args.at(at + 1);
        args.remove(at, 2);
    }
    const int kills = args.value(0, QStringLiteral("1200")).toInt();
    const quint32 seed = args.size() > 1 ? args.at(1).toUInt() : QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    std::printf("seed %u\n", seed);

    QTemporaryDir folder;
    QDir(folder.path()).mkdir(QStringLiteral("alarm"));
    SetProgramFolderOverride(folder.path());

    int leftStaging = 0, leftMixed = 0, failed = 0, keptMixed = 0, keptOther = 0;
    std::vector<double> recoveryUs, idleUs;
    for (int kill = 1; kill <= kills; ++kill) {
        QProcess writer;
        writer.start(QStringLiteral(CUT_SAVE_WRITER), {folder.path(), QString::number(kill * 1000000LL),
                                                         QString::number(random.generate())});
        if (!writer.waitForStarted(10000)) {
            std::fprintf(stderr, "writer: %s\n", qPrintable(writer.errorString()));
            return 1;
        }
        // Its start-up takes some tens of milliseconds, a save a few: some
        // kills land in the start, most in a save or an index write.
        QThread::usleep(random.bounded(5000, 120000));
        writer.kill();
        writer.waitForFinished(10000);
        if (writer.exitStatus() != QProcess::CrashExit) {
            std::fprintf(stderr, "the writer ended by itself: %s\n", writer.readAllStandardError().constData());
            return 1;
        }

        const Survey before = Look(folder.path());
        leftStaging += !before.hidden.isEmpty();
        leftMixed += before.mixed > 0;
        const bool keepThis = !keep.isEmpty() && (before.mixed > 0 ? keptMixed < 3 : !before.hidden.isEmpty() && keptOther < 3);
        const QString kept = QStringLiteral("%1/%2/").arg(keep).arg(kill);
        if (keepThis) {
            ++(before.mixed > 0 ? keptMixed : keptOther);
            CopyAlarmFolder(folder.filePath(QStringLiteral("alarm")), kept + QStringLiteral("before"));
        }

        QElapsedTimer timer;
        timer.start();
        RecoverCutShortSaves();
        recoveryUs.push_back(timer.nsecsElapsed() / 1000.0);
        // And as at an ordinary start, with nothing to do.
        timer.restart();
        RecoverCutShortSaves();
        idleUs.push_back(timer.nsecsElapsed() / 1000.0);

        if (keepThis)
            CopyAlarmFolder(folder.filePath(QStringLiteral("alarm")), kept + QStringLiteral("after"));
        const Survey after = Look(folder.path());
        if (after.mixed || after.listedNotWhole || !after.hidden.isEmpty()) {
            ++failed;
            std::fprintf(stderr, "kill %d: %d mixed, %d listed not whole, left: %s\n", kill, after.mixed,
                         after.listedNotWhole, qPrintable(after.hidden.join(u' ')));
        }
    }

    std::sort(recoveryUs.begin(), recoveryUs.end());
    std::sort(idleUs.begin(), idleUs.end());
    AlarmStore store;
    store.Load();
    std::printf("kills                                 %6d\n"
                "  that left staging files             %6d\n"
                "  that left a mixed pair              %6d  (one save's settings, another's message)\n"
                "after the recovery, kills leaving\n"
                "  a mixed pair, a listed alarm not\n"
                "  whole, or a staging file            %6d\n"
                "recovery time after a kill            median %.0f us, 99%% %.0f us, max %.0f us\n"
                "recovery time with nothing to do      median %.0f us, 99%% %.0f us, max %.0f us\n"
                "alarms listed at the end              %6d\n",
                kills, leftStaging, leftMixed, failed, recoveryUs[recoveryUs.size() / 2],
                recoveryUs[recoveryUs.size() * 99 / 100], recoveryUs.back(), idleUs[idleUs.size() / 2],
                idleUs[idleUs.size() * 99 / 100], idleUs.back(), store.Count());
    return failed ? 1 : 0;
}
