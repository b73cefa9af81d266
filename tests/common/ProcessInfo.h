#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// What /proc tells of a process, for tests and benchmarks that watch the
// sound engine's processes come and go.

// A "Name: value kB" (or plain number) line of /proc/<pid>/status; -1 when
// the process or the field is not there. pid "self" is this process.
long ProcStatusValue(const QString &pid, const char *field);

// The process ids of this process's children, zombies included, and their
// names (the command name /proc/<pid>/stat gives), in the same order.
struct ChildProcesses {
    QStringList pids;
    QStringList names;
};
ChildProcesses ChildrenOfThisProcess();

// What each open descriptor of a process refers to ("/dev/null",
// "socket:[123]"...), by number.
QMap<int, QString> OpenDescriptors(const QString &pid);

// The address space a process may map, as /proc/<pid>/limits gives it (a
// number of bytes, or "unlimited"); empty when it cannot be read.
QString AddressSpaceLimit(const QString &pid);
