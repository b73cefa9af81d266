#include "engine/protocol/SoundFile.h"

#include "engine/protocol/EngineCodes.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>

namespace SoundFile {

namespace {

int32_t Fail(int32_t code, const QString &why, const QString &path, QString &text)
{
    text = why + QStringLiteral(": \"") + path + QLatin1Char('"');
    return code;
}

} // namespace

int32_t Open(const QString &path, FileDescriptor &file, QString &text)
{
    file.Reset(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.IsValid()) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            return Fail(EngineCode::FileNotFound, EngineCodeText(EngineCode::FileNotFound), path, text);
        if (error == EACCES || error == EPERM)
            return Fail(EngineCode::CannotOpen,
                        QStringLiteral("The sound file cannot be opened (no permission to read it)"), path, text);
        return Fail(EngineCode::CannotOpen,
                    EngineCodeText(EngineCode::CannotOpen) + QStringLiteral(" (") +
                        QString::fromLocal8Bit(std::strerror(error)) + QLatin1Char(')'),
                    path, text);
    }
    struct stat info {};
    int32_t code = S_OK;
    if (::fstat(file.Get(), &info) != 0 || (!S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode)))
        code = Fail(EngineCode::CannotOpen,
                    QStringLiteral("The sound file cannot be opened because it is not a regular file"), path, text);
    else if (S_ISDIR(info.st_mode))
        code = Fail(EngineCode::CannotOpen, QStringLiteral("The sound file cannot be opened because it is a folder"),
                    path, text);
    else if (info.st_size == 0)
        code = Fail(EngineCode::EmptyFile, EngineCodeText(EngineCode::EmptyFile), path, text);
    if (Failed(code)) {
        file.Reset();
        return code;
    }
    // The flag was for open() alone; whoever reads the file may wait for it.
    ::fcntl(file.Get(), F_SETFL, ::fcntl(file.Get(), F_GETFL) & ~O_NONBLOCK);
    return S_OK;
}

} // namespace SoundFile
