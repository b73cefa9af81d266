#include "store/AlarmFilePair.h"

#include "app/AtomicFile.h"
#include "app/Exception.h"
#include "app/StoreLog.h"

#include <QFile>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// One of the two files: where it really is (the end of its links), and the
// names used beside it while it is replaced.
struct Target {
    QByteArray path, staged, backup;
    bool exists = false;
    struct stat st {};
    bool staging = false, backedUp = false;

    explicit Target(const QString &fileName) : path(QFile::encodeName(fileName))
    {
        // A link is written through: the file it ends in is replaced, in its own folder.
        if (::lstat(path.constData(), &st) == 0 && S_ISLNK(st.st_mode)) {
            if (char *real = ::realpath(path.constData(), nullptr)) {
                path = real;
                ::free(real);
            }
        }
        const qsizetype slash = path.lastIndexOf('/');
        const QByteArray folder = path.left(slash + 1), base = path.mid(slash + 1);
        staged = folder + '.' + base + ".new";
        backup = folder + '.' + base + ".old";
        // A link that ends nowhere stays a link here, and is refused.
        exists = ::lstat(path.constData(), &st) == 0;
    }

    // What an atomic write refuses to replace.
    bool Replaceable() const
    {
        if (!exists)
            return true;
        if (!S_ISREG(st.st_mode))
            return false;
        if (st.st_uid == ::geteuid())
            return (st.st_mode & S_IWUSR) != 0;
        return ::access(path.constData(), W_OK) == 0;
    }

    // The staged file takes the permissions and owner of the one it replaces.
    bool KeepPermissions() const
    {
        if (!exists)
            return true;
        if (st.st_uid != ::geteuid() || st.st_gid != ::getegid())
            (void)::chown(staged.constData(), st.st_uid, st.st_gid);
        return ::chmod(staged.constData(), (st.st_mode & 0777) | S_IRUSR) == 0;
    }

    void CleanUp() const
    {
        if (staging)
            ::unlink(staged.constData());
        if (backedUp)
            ::unlink(backup.constData());
    }
};

void FlushFolderOf(const QByteArray &path)
{
    const int fd = ::open(path.left(path.lastIndexOf('/') + 1).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    if (::fsync(fd) != 0)
        qCInfo(lcStore, "folder not flushed after writing %s: %s", path.constData(), std::strerror(errno));
    ::close(fd);
}
} // namespace

bool AlarmFilePair::Run(Step, const std::function<bool()> &write)
{
    return write();
}

void AlarmFilePair::Write(const QString &settingsFile, const QByteArray &settings, const QString &messageFile,
                          const QByteArray &message)
{
    Target s(settingsFile), m(messageFile);
    struct CleanUp {
        Target &s, &m;
        ~CleanUp()
        {
            s.CleanUp();
            m.CleanUp();
        }
    } cleanUp{s, m};
    const auto failSettings = [&] {
        throw EIniFileException(QStringLiteral("Unable to write to %1").arg(settingsFile));
    };
    const auto failMessage = [&] {
        throw EFCreateError(QStringLiteral("Cannot create file %1").arg(messageFile));
    };
    const auto stage = [this](Step step, Target &t, const QByteArray &bytes) {
        // A leftover of an earlier save, or whatever holds the name, is removed, never written through.
        if (::unlink(t.staged.constData()) != 0 && errno != ENOENT)
            return false;
        t.staging = true;
        return t.Replaceable() && Run(step, [&] { return WriteFileAtomically(QFile::decodeName(t.staged), bytes); })
            && t.KeepPermissions();
    };

    if (!stage(StageSettings, s, settings))
        failSettings();
    if (!stage(StageMessage, m, message))
        failMessage();

    // The old settings stay reachable until the message is in place too. Where
    // the file system has no hard links, a failed rename of the message (rare:
    // both files are written by then) cannot put them back.
    if (s.exists) {
        ::unlink(s.backup.constData());
        s.backedUp = ::link(s.path.constData(), s.backup.constData()) == 0;
        if (!s.backedUp)
            qCInfo(lcStore, "no link to the old %s: %s", s.path.constData(), std::strerror(errno));
    }
    const auto place = [this](Step step, Target &t) {
        return Run(step, [&] { return ::rename(t.staged.constData(), t.path.constData()) == 0; });
    };
    if (!place(PlaceSettings, s))
        failSettings();
    s.staging = false;
    if (!place(PlaceMessage, m)) {
        const bool restored = s.exists ? s.backedUp && ::rename(s.backup.constData(), s.path.constData()) == 0
                                       : ::unlink(s.path.constData()) == 0;
        if (restored)
            s.backedUp = false;
        else
            qCInfo(lcStore, "%s could not be put back: %s", s.path.constData(), std::strerror(errno));
        failMessage();
    }
    m.staging = false;
    FlushFolderOf(s.path);
    if (m.path.left(m.path.lastIndexOf('/')) != s.path.left(s.path.lastIndexOf('/')))
        FlushFolderOf(m.path);
}
