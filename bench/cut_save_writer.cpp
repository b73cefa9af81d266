// Helper of bench_cut_saves: adds, edits and removes alarms through the store
// as the manager and the editor do (each alarm's two files saved together,
// then the index), in a loop, until it is killed.
//
// Usage: cut_save_writer <program folder> <number of its first save> <seed>
// Every save is marked with its own number (WriterStates::SaveAlarm).
#include "WriterStates.h"

#include "app/Exception.h"
#include "app/ProgramFolder.h"
#include "store/AlarmStore.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: cut_save_writer <program folder> <first save> <seed>\n");
        return 2;
    }
    SetProgramFolderOverride(QString::fromLocal8Bit(argv[1]));
    qint64 save = QByteArray(argv[2]).toLongLong();
    QRandomGenerator random(QByteArray(argv[3]).toUInt());
    try {
        AlarmStore store;
        store.Load();
        // About 40 alarms: mostly edits, now and then an add or a delete.
        for (;; ++save) {
            const int n = store.Count(), pick = random.bounded(10);
            const AlarmRow row{QStringLiteral("Save %1").arg(save), QStringLiteral("Daily")};
            if (n < 35 || (pick < 2 && n < 45)) {
                const int id = store.AllocateId();
                WriterStates::SaveAlarm(id, save);
                store.Append(id, row, {});
            } else if (pick < 8) {
                const int r = random.bounded(n);
                WriterStates::SaveAlarm(store.Slot(r + 1).Id, save);
                store.Replace(r, row, {});
            } else {
                store.Remove(random.bounded(n));
            }
        }
    } catch (const Exception &e) {
        std::fprintf(stderr, "cut_save_writer: %s\n", qPrintable(e.Message()));
        return 1;
    }
}
