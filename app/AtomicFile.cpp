#include "app/AtomicFile.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
bool WriteAll(int fd, const QByteArray &bytes)
{
    const char *p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        left -= n;
    }
    return true;
}
} // namespace

QString TemporaryFileFor(const QString &fileName)
{
    const QFileInfo info(fileName);
    return info.path() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".tmp");
}

bool WriteFileAtomically(const QString &fileName, const QByteArray &contents)
{
    // One fixed temporary name per file: a write cut short by a kill leaves at
    // most one stale temporary, which the next write reuses.
    const QByteArray target = QFile::encodeName(fileName);
    const QByteArray temporary = QFile::encodeName(TemporaryFileFor(fileName));

    // Keep the permissions of the file being replaced.
    mode_t mode = 0666;
    struct stat st {};
    if (::stat(target.constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode))
            return false;
        mode = st.st_mode & 07777;
    }

    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0)
        return false;
    if (!WriteAll(fd, contents) || ::fsync(fd) != 0) {
        ::close(fd);
        ::unlink(temporary.constData());
        return false;
    }
    if (::close(fd) != 0 || ::rename(temporary.constData(), target.constData()) != 0) {
        ::unlink(temporary.constData());
        return false;
    }
    return true;
}
