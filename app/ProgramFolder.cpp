#include "app/ProgramFolder.h"

#include <QCoreApplication>
#include <QFile>

#include <climits>

#include <unistd.h>

namespace {
QString &Override()
{
    static QString folder;
    return folder;
}
} // namespace

QString ProgramFolder()
{
    if (!Override().isEmpty())
        return Override();
    // applicationDirPath resolves /proc/self/exe, so the working directory plays no part.
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

void SetProgramFolderOverride(const QString &folder)
{
    Override() = folder.isEmpty() || folder.endsWith(QLatin1Char('/')) ? folder
                                                                        : folder + QLatin1Char('/');
}

QByteArray UnusableProgramFolder()
{
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
    if (length <= 0 || length >= static_cast<ssize_t>(sizeof buffer))
        return QByteArray(); // nothing better to go by than Qt's own answer
    QByteArray folder(buffer, length);
    folder.truncate(folder.lastIndexOf('/') + 1);
    if (QFile::encodeName(QFile::decodeName(folder)) == folder)
        return QByteArray();
    return folder;
}
