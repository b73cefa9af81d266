#include "app/ProgramFolder.h"

#include <QCoreApplication>

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
