// Helper of tst_index_crash: rewrites one of the program's files in a tight
// loop, until it is killed.
//
// Usage: file_writer <kind> <program folder> <log file> <seed>
//   kind "index": adds and removes alarms, so the alarm index is rewritten;
//   kind "settings", "message", "options": rewrites that file (WriterStates).
//
// Before each change it appends to the log what the file will hold once the
// change is written, one line per change:
//   <step> <id>,<id>,...      (index: the identifiers listed)
//   <step> <step>             (the other kinds)
// so whoever kills it knows that the file on disk must be either the last
// logged state or the one before it.
#include "WriterStates.h"

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

// One write() per line, unbuffered, so a kill never holds back a logged state.
void Announce(int log, const QByteArray &line)
{
    if (::write(log, line.constData(), line.size()) != line.size()) {
        std::perror("log");
        ::_exit(2);
    }
}

void RewriteIndex(int log, QRandomGenerator &random)
{
    AlarmStore store;
    store.Load();
    for (qint64 step = 1;; ++step) {
        QList<int> ids = Ids(store);
        // Keep at least one alarm, so an empty index is always a fault, and
        // drift towards a half-full store, so the file is of some size.
        const int n = store.Count();
        const bool add = n <= 1 || (n < AlarmStore::Capacity && random.bounded(AlarmStore::Capacity) >= n);
        int row = -1, id = 0;
        if (add) {
            id = store.AllocateId();
            ids << id;
        } else {
            row = random.bounded(n);
            ids.removeAt(row);
        }
        Announce(log, StateLine(step, ids));
        if (add)
            store.Append(id, AlarmRow{QStringLiteral("Alarm %1").arg(id), QStringLiteral("Daily")},
                         AlarmTime{2027, 3, 1, 7, 0, 0});
        else
            store.Remove(row);
    }
}

void RewriteFile(const QString &kind, int log)
{
    for (qint64 step = 1;; ++step) {
        Announce(log, QByteArray::number(step) + ' ' + QByteArray::number(step) + '\n');
        WriterStates::Write(kind, step);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString kind = argc == 5 ? QString::fromLatin1(argv[1]) : QString();
    if (kind != QLatin1String("index") && !WriterStates::IsKnownKind(kind)) {
        std::fprintf(stderr, "usage: file_writer index|settings|message|options <program folder> <log file> <seed>\n");
        return 2;
    }
    SetProgramFolderOverride(QString::fromLocal8Bit(argv[2]));
    const int log = ::open(argv[3], O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (log < 0) {
        std::perror(argv[3]);
        return 2;
    }
    QRandomGenerator random(QByteArray(argv[4]).toUInt());
    try {
        if (kind == QLatin1String("index"))
            RewriteIndex(log, random);
        else
            RewriteFile(kind, log);
    } catch (const Exception &e) {
        std::fprintf(stderr, "file_writer: %s\n", qPrintable(e.Message()));
        return 1;
    }
}
