#include "windows/AutoRun.h"

#include "app/AtomicFile.h"
#include "app/Exception.h"
#include "app/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString AutoRun::EntryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/autostart/Tocsimo.desktop");
}

QString AutoRun::LaunchedPath(const QString &argv0, const QString &executable)
{
    // The working directory is the one the program started in: nothing changes it.
    const QString launched = argv0.contains(QLatin1Char('/')) ? QFileInfo(argv0).absoluteFilePath()
                                                                : QStandardPaths::findExecutable(argv0);
    const QString target = QFileInfo(executable).canonicalFilePath();
    if (launched.isEmpty() || target.isEmpty() || QFileInfo(launched).canonicalFilePath() != target)
        return executable;
    return QDir::cleanPath(launched);
}

QString AutoRun::LaunchedPath()
{
    const QStringList arguments = QCoreApplication::arguments();
    const QString executable = QCoreApplication::applicationFilePath();
    return arguments.isEmpty() ? executable : LaunchedPath(arguments.first(), executable);
}

QString AutoRun::ExecValue(const QString &executablePath)
{
    // Inside a quoted argument ", `, $ and \ take a backslash; then the value as a
    // whole escapes its backslashes again, and a lone % is a field code.
    QString quoted;
    for (QChar c : executablePath) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    QString value = QLatin1Char('"') + quoted + QLatin1Char('"');
    value.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    value.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    value.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    value.replace(QLatin1Char('%'), QLatin1String("%%"));
    return value;
}

QString AutoRun::EntryText(bool on, const QString &executablePath)
{
    // TryExec: once the program is removed (a package taken away), the
    // session skips the entry instead of failing to start it at every login.
    QString path = executablePath;
    path.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    path.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    path.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    path.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Tocsimo\n"
                          "Comment=Desktop alarm clock\n"
                          "TryExec=%3\n"
                          "Exec=%1\n"
                          "Terminal=false\n"
                          "Hidden=%2\n")
        .arg(ExecValue(executablePath), on ? QStringLiteral("false") : QStringLiteral("true"), path);
}

void AutoRun::Update(bool on, const QString &executablePath)
{
    const QString path = EntryPath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return;
    const QByteArray text = EntryText(on, executablePath).toUtf8();
    // Read as any file that may be anything: never a FIFO, never without bound.
    QByteArray current;
    if (RegularFile::Read(path, 64 * 1024, current) == RegularFile::Status::Ok && current == text)
        return;
    if (!WriteFileAtomically(path, text))
        throw Exception(QCoreApplication::translate("AutoRun", "Failed to set data for 'Tocsimo'"));
}
