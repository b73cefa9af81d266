#include "app/StagedFile.h"

#include "app/FolderEntries.h"
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

// What a hidden name beside our files holds when a copy starts: nothing, what
// one of our writes leaves (a regular file of ours), or something else, which
// is never touched.
enum class Leftover { None, Ours, Unknown };

Leftover Inspect(int folder, const char *name)
{
    struct stat st {};
    if (::fstatat(folder, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? Leftover::None : Leftover::Unknown;
    return S_ISREG(st.st_mode) && st.st_uid == ::geteuid() ? Leftover::Ours : Leftover::Unknown;
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

StagedFile::StagedFile(const QString &fileName, Staging staging)
    : fileName_(fileName), target_(ResolveLinks(QFile::encodeName(fileName)))
{
    base_ = BaseOf(target_);
    stagedName_ = "." + base_ + (staging == Staging::Alone ? ".tmp" : ".new");
    previous_ = "." + base_ + ".old";
}

StagedFile::~StagedFile()
{
    if (staged_)
        ::unlinkat(folder_.Get(), stagedName_.constData(), 0);
    if (keptPrevious_)
        ::unlinkat(folder_.Get(), previous_.constData(), 0);
}

QString StagedFile::StagedPath() const
{
    const QByteArray path = target_.isEmpty() ? QFile::encodeName(fileName_) : target_;
    return QFile::decodeName(FolderOf(path) + '/' + stagedName_);
}

bool StagedFile::OpenFolder()
{
    if (!folder_.IsOpen())
        folder_ = FileDescriptor{::open(FolderOf(target_).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    return folder_.IsOpen();
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
    if (!OpenFolder())
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
    if (::unlinkat(folder_.Get(), stagedName_.constData(), 0) != 0 && errno != ENOENT)
        return Fail("a leftover temporary cannot be removed");
    FileDescriptor file{::openat(folder_.Get(), stagedName_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
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
    if (::renameat(folder_.Get(), stagedName_.constData(), folder_.Get(), base_.constData()) != 0)
        return Fail(std::strerror(errno));
    staged_ = false;
    // The rename itself reaches the disk only with the folder. The new file is
    // in place whatever this says, so a failure here is only logged.
    if (::fsync(folder_.Get()) != 0)
        qCInfo(lcStore, "folder not flushed after writing %s: %s", qUtf8Printable(fileName_), std::strerror(errno));
    return true;
}

bool StagedFile::FlushFolder()
{
    return ::fsync(folder_.Get()) == 0 || Fail(std::strerror(errno));
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

bool StagedFile::TakeOverLeftovers()
{
    if (target_.isEmpty() || !OpenFolder()) {
        qCInfo(lcStore, "left alone: %s: a loop of links, or a folder that cannot be opened", qUtf8Printable(fileName_));
        return false;
    }
    const Leftover staged = Inspect(folder_.Get(), stagedName_.constData());
    const Leftover kept = Inspect(folder_.Get(), previous_.constData());
    if (staged == Leftover::Unknown || kept == Leftover::Unknown) {
        const QByteArray &name = staged == Leftover::Unknown ? stagedName_ : previous_;
        qCInfo(lcStore, "left alone: %s/%s: not a regular file of ours", FolderOf(target_).constData(),
               name.constData());
        return false;
    }
    staged_ = staged == Leftover::Ours;
    keptPrevious_ = exists_ = kept == Leftover::Ours;
    return true;
}

void StagedFile::LetGo()
{
    staged_ = keptPrevious_ = false;
}

void StagedFile::RemoveLeftoverTemporaries(const QString &folder)
{
    const QByteArray path = QFile::encodeName(folder.endsWith(u'/') ? folder.chopped(1) : folder);
    const FileDescriptor dir{::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (!dir.IsOpen())
        return;
    for (const FolderEntry &entry : FolderEntries(folder)) {
        const QByteArray &name = entry.name;
        if (name.size() < 6 || !name.startsWith('.') || !name.endsWith(".tmp"))
            continue;
        const Leftover left = Inspect(dir.Get(), name.constData());
        if (left == Leftover::Ours && ::unlinkat(dir.Get(), name.constData(), 0) == 0)
            qCInfo(lcStore, "removed %s/%s, left by a write cut short", path.constData(), name.constData());
        else if (left != Leftover::None)
            qCInfo(lcStore, "left alone: %s/%s: %s", path.constData(), name.constData(),
                   left == Leftover::Ours ? std::strerror(errno) : "not a regular file of ours");
    }
}
