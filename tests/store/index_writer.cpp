// Helper of tst_index_crash: adds and removes alarms in a tight loop, so the
// alarm index of the given program folder is rewritten all the time, until
// it is killed.
//
// Usage: index_writer <program folder> <log file> <seed>
//
// Before each change it appends to the log the identifiers the index will
// list once the change is written, one line per change:
//   <step> <id>,<id>,...
// so whoever kills it knows that the index on disk must list either the
// last logged state or the one before it.
#include "app/Exception.h"
#include "app/ProgramFolder.h"
#include "store/AlarmStore.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QStringList>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

QByteArray StateLine(qint64 step, const QList<int> &ids)
{
    QStringList parts;
    for (int id : ids)
        parts << QString::number(id);
    return QByteArray::number(step) + ' ' + parts.join(',').toLatin1() + '\n';
}

QList<int> Ids(const AlarmStore &store)
{
    QList<int> ids;
    for (int k = 1; k <= store.Count(); ++k)
        ids << store.Slot(k).Id;
    return ids;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: index_writer <program folder> <log file> <seed>\n");
        return 2;
    }
    SetProgramFolderOverride(QString::fromLocal8Bit(argv[1]));
    // One write() per line, unbuffered, so a kill never holds back a logged state.
    const int log = ::open(argv[2], O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (log < 0) {
        std::perror(argv[2]);
        return 2;
    }
    QRandomGenerator random(QByteArray(argv[3]).toUInt());

    try {
        AlarmStore store;
        store.Load();
        for (qint64 step = 1;; ++step) {
            QList<int> ids = Ids(store);
            // Keep at least one alarm, so an empty index is always a fault, and
            // drift towards a half-full store, so the file is of some size.
            const int n = store.Count();
            const bool add = n <= 1 || (n < AlarmStore::Capacity &&
                                        random.bounded(AlarmStore::Capacity) >= n);
            int row = -1, id = 0;
            if (add) {
                id = store.AllocateId();
                ids << id;
            } else {
                row = random.bounded(n);
                ids.removeAt(row);
            }
            const QByteArray line = StateLine(step, ids);
            if (::write(log, line.constData(), line.size()) != line.size()) {
                std::perror("log");
                return 2;
            }
            if (add)
                store.Append(id, AlarmRow{QStringLiteral("Alarm %1").arg(id), QStringLiteral("Daily")},
                             AlarmTime{2027, 3, 1, 7, 0, 0});
            else
                store.Remove(row);
        }
    } catch (const Exception &e) {
        std::fprintf(stderr, "index_writer: %s\n", qPrintable(e.Message()));
        return 1;
    }
}
