#include "app/AtomicFile.h"

#include "app/FileDescriptor.h"
#include "app/StoreLog.h"

#include <QFile>

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr int kMaxLinks = 40; // as the kernel's own limit on links in a path

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

QByteArray FolderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

QByteArray BaseOf(const QByteArray &path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

// The file a write of path really replaces: path itself, or what its chain of
// symbolic links ends in (which may not exist yet). Empty on a loop.
QByteArray ResolveLinks(QByteArray path)
{
    for (int hops = 0; hops < kMaxLinks; ++hops) {
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        char buffer[PATH_MAX];
        const ssize_t n = ::readlink(path.constData(), buffer, sizeof buffer);
        if (n <= 0 || n == sizeof buffer)
            return {};
        QByteArray target(buffer, n);
        if (!target.startsWith('/'))
            target = FolderOf(path) + '/' + target;
        path = target;
    }
    return {};
}

bool Fail(const QString &fileName, const char *why)
{
    qCInfo(lcStore, "not written: %s: %s", qUtf8Printable(fileName), why);
    return false;
}

// Whether the owner's (or our) write permission allows replacing the file.
// Root passes every permission check, so a file root owns and made
// read-only is judged by its mode alone.
bool MayWrite(int folder, const char *base, const struct stat &st)
{
    if (st.st_uid == ::geteuid())
        return (st.st_mode & S_IWUSR) != 0;
    return ::faccessat(folder, base, W_OK, AT_EACCESS) == 0;
}
} // namespace

QString TemporaryFileFor(const QString &fileName)
{
    const QByteArray target = ResolveLinks(QFile::encodeName(fileName));
    const QByteArray path = target.isEmpty() ? QFile::encodeName(fileName) : target;
    return QFile::decodeName(FolderOf(path) + "/." + BaseOf(path) + ".tmp");
}

bool WriteFileAtomically(const QString &fileName, const QByteArray &contents)
{
    const QByteArray target = ResolveLinks(QFile::encodeName(fileName));
    if (target.isEmpty())
        return Fail(fileName, "too many symbolic links");
    const QByteArray base = BaseOf(target);
    const QByteArray temporary = "." + base + ".tmp";

    const FileDescriptor folder{::open(FolderOf(target).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (!folder.IsOpen())
        return Fail(fileName, "the folder cannot be opened");

    mode_t mode = 0666; // a new file: as the umask allows
    struct stat st {};
    const bool exists = ::fstatat(folder.Get(), base.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0;
    if (exists) {
        if (!S_ISREG(st.st_mode))
            return Fail(fileName, "not a regular file");
        if (!MayWrite(folder.Get(), base.constData(), st))
            return Fail(fileName, "the file is read-only");
        mode = (st.st_mode & 0777) | S_IRUSR;
    }

    // Whatever holds the temporary's name (a killed write's leftover, or a
    // link or file someone planted) is removed, never written through or reused.
    if (::unlinkat(folder.Get(), temporary.constData(), 0) != 0 && errno != ENOENT)
        return Fail(fileName, "a leftover temporary cannot be removed");
    FileDescriptor file{::openat(folder.Get(), temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                 exists ? S_IRUSR | S_IWUSR : mode)};
    if (!file.IsOpen())
        return Fail(fileName, "the temporary cannot be created");

    bool ok = WriteAll(file.Get(), contents);
    if (ok && exists) {
        // Keep the owner where we may (root rewriting a user's file), then the mode.
        if (st.st_uid != ::geteuid() || st.st_gid != ::getegid())
            (void)::fchown(file.Get(), st.st_uid, st.st_gid);
        ok = ::fchmod(file.Get(), mode) == 0;
    }
    ok = ok && ::fsync(file.Get()) == 0;
    ok = file.Close() && ok;
    if (!ok || ::renameat(folder.Get(), temporary.constData(), folder.Get(), base.constData()) != 0) {
        ::unlinkat(folder.Get(), temporary.constData(), 0);
        return Fail(fileName, std::strerror(errno));
    }
    // The rename itself reaches the disk only with the folder. The new file is
    // in place whatever this says, so a failure here is only logged.
    if (::fsync(folder.Get()) != 0)
        qCInfo(lcStore, "folder not flushed after writing %s: %s", qUtf8Printable(fileName), std::strerror(errno));
    return true;
}
