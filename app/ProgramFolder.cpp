#include "app/ProgramFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <climits>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace {
QString &Override()
{
    static QString folder;
    return folder;
}

QString &Chosen()
{
    static QString folder;
    return folder;
}

// Makes FOLDER and each missing folder above it with mode 0700, as the XDG
// rules ask for a missing data home. Empty on success, else why not.
QString MakePrivatePath(const QString &folder)
{
    struct stat info {};
    const QByteArray name = QFile::encodeName(folder);
    if (::stat(name.constData(), &info) == 0)
        return S_ISDIR(info.st_mode) ? QString() : QCoreApplication::translate("ProgramFolder", "%1 is not a folder").arg(folder);
    const int parentEnd = folder.lastIndexOf(QLatin1Char('/'), folder.endsWith(QLatin1Char('/')) ? -2 : -1);
    if (parentEnd > 0) {
        const QString why = MakePrivatePath(folder.left(parentEnd));
        if (!why.isEmpty())
            return why;
    }
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
        return folder + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
    return QString();
}
} // namespace

QString ProgramFolder()
{
    if (!Override().isEmpty())
        return Override();
    // applicationDirPath resolves /proc/self/exe, so the working directory plays no part.
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

QString UserFolderFor(const QString &programFolder, bool writable, const QString &dataHome)
{
    if (writable && !programFolder.startsWith(QLatin1String("/usr/")))
        return programFolder;
    return dataHome + QStringLiteral("/Tocsimo/");
}

QString UserFolder()
{
    if (!Override().isEmpty())
        return Override();
    return Chosen().isEmpty() ? ProgramFolder() : Chosen();
}

QString ChooseUserFolder()
{
    const QString program = ProgramFolder();
    const bool writable = ::access(QFile::encodeName(program).constData(), W_OK) == 0;
    Chosen() = UserFolderFor(program, writable,
                             QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    return Chosen() == program ? QString() : MakeUserFolder(Chosen());
}

QString MakeUserFolder(const QString &folder)
{
    const QString alarms = folder + RelPath::AlarmFolder;
    const QString why = MakePrivatePath(alarms);
    if (why.isEmpty())
        return QString();
    return QCoreApplication::translate("ProgramFolder", "Unable to create the folder %1 for your alarms and options: %2").arg(alarms, why);
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
