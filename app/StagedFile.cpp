#include "app/StagedFile.h"

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

StagedFile::StagedFile(const QString &fileName)
    : fileName_(fileName), target_(ResolveLinks(QFile::encodeName(fileName)))
{
    base_ = BaseOf(target_);
    temporary_ = "." + base_ + ".tmp";
    previous_ = "." + base_ + ".old";
}

StagedFile::~StagedFile()
{
    if (staged_)
        ::unlinkat(folder_.Get(), temporary_.constData(), 0);
    if (keptPrevious_)
        ::unlinkat(folder_.Get(), previous_.constData(), 0);
}

QString StagedFile::TemporaryPath() const
{
    const QByteArray path = target_.isEmpty() ? QFile::encodeName(fileName_) : target_;
    return QFile::decodeName(FolderOf(path) + "/." + BaseOf(path) + ".tmp");
}

bool StagedFile::Fail(const char *why) const
{
    qCInfo(lcStore, "not written: %s: %s", qUtf8Printable(fileName_), why);
    return false;
}

bool StagedFile::Stage(const QByteArray &contents)
{
    if (target_.isEmpty())
        return Fail("too many symbolic links");
    folder_ = FileDescriptor{::open(FolderOf(target_).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (!folder_.IsOpen())
        return Fail("the folder cannot be opened");

    mode_t mode = 0666; // a new file: as the umask allows
    struct stat st {};
    exists_ = ::fstatat(folder_.Get(), base_.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0;
    if (exists_) {
        if (!S_ISREG(st.st_mode))
            return Fail("not a regular file");
        if (!MayWrite(folder_.Get(), base_.constData(), st))
            return Fail("the file is read-only");
        mode = (st.st_mode & 0777) | S_IRUSR;
    }

    // Whatever holds the temporary's name (a killed write's leftover, or a
    // link or file someone planted) is removed, never written through or reused.
    if (::unlinkat(folder_.Get(), temporary_.constData(), 0) != 0 && errno != ENOENT)
        return Fail("a leftover temporary cannot be removed");
    FileDescriptor file{::openat(folder_.Get(), temporary_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                 exists_ ? S_IRUSR | S_IWUSR : mode)};
    if (!file.IsOpen())
        return Fail("the temporary cannot be created");
    staged_ = true;

    bool ok = WriteAll(file.Get(), contents);
    if (ok && exists_) {
        // Keep the owner where we may (root rewriting a user's file), then the mode.
        if (st.st_uid != ::geteuid() || st.st_gid != ::getegid())
            (void)::fchown(file.Get(), st.st_uid, st.st_gid);
        ok = ::fchmod(file.Get(), mode) == 0;
    }
    ok = ok && ::fsync(file.Get()) == 0;
    ok = file.Close() && ok;
    return ok || Fail(std::strerror(errno));
}

bool StagedFile::Commit()
{
    if (!staged_)
        return false;
    if (::renameat(folder_.Get(), temporary_.constData(), folder_.Get(), base_.constData()) != 0)
        return Fail(std::strerror(errno));
    staged_ = false;
    // The rename itself reaches the disk only with the folder. The new file is
    // in place whatever this says, so a failure here is only logged.
    if (::fsync(folder_.Get()) != 0)
        qCInfo(lcStore, "folder not flushed after writing %s: %s", qUtf8Printable(fileName_), std::strerror(errno));
    return true;
}

bool StagedFile::KeepPrevious()
{
    if (!exists_)
        return true;
    ::unlinkat(folder_.Get(), previous_.constData(), 0);
    keptPrevious_ = ::linkat(folder_.Get(), base_.constData(), folder_.Get(), previous_.constData(), 0) == 0;
    if (!keptPrevious_)
        qCInfo(lcStore, "no link to the old %s: %s", qUtf8Printable(fileName_), std::strerror(errno));
    return keptPrevious_;
}

bool StagedFile::PutPreviousBack()
{
    const bool back = exists_ ? keptPrevious_ && ::renameat(folder_.Get(), previous_.constData(), folder_.Get(), base_.constData()) == 0
                              : ::unlinkat(folder_.Get(), base_.constData(), 0) == 0;
    if (back)
        keptPrevious_ = false;
    else
        qCInfo(lcStore, "%s could not be put back: %s", qUtf8Printable(fileName_), std::strerror(errno));
    return back;
}
