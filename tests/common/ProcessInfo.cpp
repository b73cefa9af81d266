#include "ProcessInfo.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

long ProcStatusValue(const QString &pid, const char *field)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').first().toLong();
    }
    return -1;
}

ChildProcesses ChildrenOfThisProcess()
{
    ChildProcesses children;
    const QString self = QString::number(::getpid());
    for (const QString &pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid ...": the name may hold blanks and parentheses.
        const QString text = QString::fromLocal8Bit(stat.readAll());
        const qsizetype open = text.indexOf(QLatin1Char('('));
        const qsizetype close = text.lastIndexOf(QLatin1Char(')'));
        const QStringList after = text.mid(close + 2).split(QLatin1Char(' '));
        if (open < 0 || after.size() < 2 || after.at(1) != self)
            continue;
        children.pids << pid;
        children.names << text.mid(open + 1, close - open - 1);
    }
    return children;
}

QMap<int, QString> OpenDescriptors(const QString &pid)
{
    QMap<int, QString> targets;
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QString &fd : fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        char target[4096];
        const ssize_t n = ::readlink(QFile::encodeName(fds.filePath(fd)).constData(), target, sizeof target);
        targets.insert(fd.toInt(), QFile::decodeName(QByteArray(target, n > 0 ? int(n) : 0)));
    }
    return targets;
}

QString AddressSpaceLimit(const QString &pid)
{
    QFile limits(QStringLiteral("/proc/%1/limits").arg(pid));
    if (!limits.open(QIODevice::ReadOnly))
        return QString();
    for (const QByteArray &line : limits.readAll().split('\n')) {
        if (line.startsWith("Max address space"))
            return QString::fromLatin1(line.mid(17).simplified().split(' ').first());
    }
    return QString();
}
