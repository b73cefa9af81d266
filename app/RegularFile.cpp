#include "app/RegularFile.h"

#include "app/FileDescriptor.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

RegularFile::Status RegularFile::Read(const QString &path, qint64 limit, QByteArray &bytes)
{
    bytes.clear();
    const QByteArray name = QFile::encodeName(path);
    // Look before opening: opening a device or FIFO may block or act.
    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        return errno == ENOENT || errno == ENOTDIR ? Status::Missing : Status::Unreadable;
    if (!S_ISREG(st.st_mode))
        return Status::NotRegular;

    const FileDescriptor file{::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (!file.IsOpen())
        return errno == ENOENT ? Status::Missing : Status::Unreadable;
    // Swapped for something else between the look and the open.
    if (::fstat(file.Get(), &st) != 0 || !S_ISREG(st.st_mode))
        return Status::NotRegular;
    if (st.st_size > limit)
        return Status::TooLarge;

    // The file may grow while it is read: read at most one byte past the limit.
    QByteArray data(qMin<qint64>(st.st_size, limit) + 1, Qt::Uninitialized);
    qint64 got = 0;
    for (;;) {
        if (got == data.size()) {
            if (got > limit)
                return Status::TooLarge;
            data.resize(qMin<qint64>(got * 2 + 4096, limit + 1));
        }
        const ssize_t n = ::read(file.Get(), data.data() + got, static_cast<size_t>(data.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return Status::Unreadable;
        if (n == 0)
            break;
        got += n;
    }
    if (got > limit)
        return Status::TooLarge;
    data.truncate(got);
    bytes = std::move(data);
    return Status::Ok;
}

QString RegularFile::Reason(Status status, qint64 limit)
{
    switch (status) {
    case Status::Ok:
        return {};
    case Status::Missing:
        return QCoreApplication::translate("RegularFile", "no such file");
    case Status::NotRegular:
        return QCoreApplication::translate("RegularFile", "not a regular file");
    case Status::TooLarge:
        return QCoreApplication::translate("RegularFile", "larger than %1 MiB").arg(limit / (1024 * 1024));
    case Status::Unreadable:
        break;
    }
    return QCoreApplication::translate("RegularFile", "cannot be read");
}
