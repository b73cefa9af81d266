#include "engine/LandlockRuleSet.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <linux/landlock.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// Debian 12's kernel headers stop at Landlock 2; the later rights and the
// longer ruleset attribute, as the kernel defines them.
constexpr uint64_t kFsTruncate = 1ULL << 14;  // Landlock 3
constexpr uint64_t kFsIoctlDev = 1ULL << 15;  // Landlock 5
constexpr uint64_t kNetBindTcp = 1ULL << 0;   // Landlock 4
constexpr uint64_t kNetConnectTcp = 1ULL << 1;
constexpr uint64_t kScopeAbstractUnixSocket = 1ULL << 0; // Landlock 6
constexpr uint64_t kScopeSignal = 1ULL << 1;

struct RulesetAttr {
    uint64_t handledAccessFs;
    uint64_t handledAccessNet; // Landlock 4
    uint64_t scoped;           // Landlock 6
};

constexpr uint64_t kFsRightsAbi1 = (1ULL << 13) - 1; // EXECUTE .. MAKE_SYM

constexpr uint64_t kRead = LANDLOCK_ACCESS_FS_READ_FILE | LANDLOCK_ACCESS_FS_READ_DIR;
// Writing to what is there: a device such as a sound card. Creating,
// removing and renaming stay forbidden everywhere.
constexpr uint64_t kReadWrite = kRead | LANDLOCK_ACCESS_FS_WRITE_FILE | kFsTruncate | kFsIoctlDev;
// The rights a rule on a single file (not a folder) may carry.
constexpr uint64_t kFileRights =
    LANDLOCK_ACCESS_FS_EXECUTE | LANDLOCK_ACCESS_FS_WRITE_FILE | LANDLOCK_ACCESS_FS_READ_FILE | kFsTruncate | kFsIoctlDev;

uint64_t FsRights(int abi)
{
    uint64_t rights = kFsRightsAbi1;
    if (abi >= 2)
        rights |= LANDLOCK_ACCESS_FS_REFER;
    if (abi >= 3)
        rights |= kFsTruncate;
    if (abi >= 5)
        rights |= kFsIoctlDev;
    return rights;
}

QString Errno(const char *what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

void LandlockRuleSet::Allow(const QString &path, Access access)
{
    rules_.push_back(Rule{path, access});
}

int LandlockRuleSet::KernelAbi()
{
    const long abi = ::syscall(SYS_landlock_create_ruleset, nullptr, 0, LANDLOCK_CREATE_RULESET_VERSION);
    return abi < 0 ? 0 : int(abi);
}

bool LandlockRuleSet::Enforce(QString &why) const
{
    const int abi = KernelAbi();
    if (abi == 0) {
        why = QStringLiteral("this kernel has no Landlock, or it is switched off");
        return false;
    }
    RulesetAttr attr{FsRights(abi), 0, 0};
    size_t size = sizeof attr.handledAccessFs;
    if (abi >= 4) {
        attr.handledAccessNet = kNetBindTcp | kNetConnectTcp; // no rule allows any port
        size += sizeof attr.handledAccessNet;
    }
    if (abi >= 6) {
        attr.scoped = kScopeAbstractUnixSocket | kScopeSignal;
        size += sizeof attr.scoped;
    }
    const int ruleset = int(::syscall(SYS_landlock_create_ruleset, &attr, size, 0));
    if (ruleset < 0) {
        why = Errno("Landlock refused the rule set");
        return false;
    }
    bool done = true;
    for (const Rule &rule : rules_) {
        const int fd = ::open(QFile::encodeName(rule.path).constData(), O_PATH | O_CLOEXEC);
        if (fd < 0)
            continue; // not on this system
        struct stat info {};
        const bool folder = ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode);
        landlock_path_beneath_attr beneath{};
        beneath.allowed_access = (rule.access == Access::Read ? kRead : kReadWrite) & attr.handledAccessFs;
        if (!folder)
            beneath.allowed_access &= kFileRights;
        beneath.parent_fd = fd;
        const long added = ::syscall(SYS_landlock_add_rule, ruleset, LANDLOCK_RULE_PATH_BENEATH, &beneath, 0);
        ::close(fd);
        if (added != 0) {
            why = Errno("Landlock refused a rule") + QStringLiteral(" (") + rule.path + QLatin1Char(')');
            done = false;
            break;
        }
    }
    if (done && ::syscall(SYS_landlock_restrict_self, ruleset, 0) != 0) {
        why = Errno("Landlock could not be enforced");
        done = false;
    }
    ::close(ruleset);
    return done;
}
