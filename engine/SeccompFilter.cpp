#include "engine/SeccompFilter.h"

#include <cerrno>
#include <cstring>

#include <sched.h>
#include <seccomp.h>
#include <sys/ioctl.h>
#include <sys/socket.h>

namespace {

// Refused outright. What playback does, measured with strace while every
// format played with and without a sound server, needs none of them.
const char *const kRefused[] = {
    // Running another program: the way out of every other rule.
    "execve", "execveat",
    // Reading or steering other processes, or taking their open files.
    "ptrace", "process_vm_readv", "process_vm_writev", "pidfd_getfd",
    // Namespaces (a private user namespace opens much of the kernel to
    // attack) and changing what the file system looks like.
    "unshare", "setns", "mount", "umount2", "pivot_root", "chroot", "fsopen", "fsconfig", "fsmount", "fspick",
    "move_mount", "open_tree", "mount_setattr",
    // Interfaces that exploits use against the kernel itself: BPF programs,
    // performance counters, page-fault handling in user space, the kernel's
    // key store, and io_uring, whose operations a filter cannot see.
    "bpf", "perf_event_open", "userfaultfd", "keyctl", "add_key", "request_key", "io_uring_setup",
    "io_uring_enter", "io_uring_register",
};

QString Failure(const char *what, int result)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(-result)));
}

} // namespace

namespace SeccompFilter {

bool Load(QString &why)
{
    scmp_filter_ctx filter = seccomp_init(SCMP_ACT_ALLOW);
    if (!filter) {
        why = QStringLiteral("the seccomp filter cannot be made");
        return false;
    }
    const uint32_t refuse = SCMP_ACT_ERRNO(EPERM);
    int result = 0; // the first failure
    const auto check = [&result](int step) {
        if (result == 0)
            result = step;
    };
    // A 32-bit system call made from this 64-bit process would pass by every
    // rule below: the process is killed instead.
    check(seccomp_attr_set(filter, SCMP_FLTATR_ACT_BADARCH, SCMP_ACT_KILL_PROCESS));
    // Every thread, GStreamer's included, not only the calling one.
    check(seccomp_attr_set(filter, SCMP_FLTATR_CTL_TSYNC, 1));
    for (const char *name : kRefused) {
        const int number = seccomp_syscall_resolve_name(name);
        if (number != __NR_SCMP_ERROR)
            check(seccomp_rule_add(filter, refuse, number, 0));
    }
    // Sockets only to this machine's Unix sockets: the program's socket
    // pair, and the sound server's.
    check(seccomp_rule_add(filter, refuse, SCMP_SYS(socket), 1, SCMP_A0_32(SCMP_CMP_NE, AF_UNIX)));
    check(seccomp_rule_add(filter, refuse, SCMP_SYS(socketpair), 1, SCMP_A0_32(SCMP_CMP_NE, AF_UNIX)));
    // Threads, yes; a new user namespace by way of clone, no. clone3 passes
    // its flags in memory a filter cannot read: answered "not implemented",
    // the C library falls back to clone.
    check(seccomp_rule_add(filter, refuse, SCMP_SYS(clone), 1,
                           SCMP_A0_64(SCMP_CMP_MASKED_EQ, CLONE_NEWUSER, CLONE_NEWUSER)));
    check(seccomp_rule_add(filter, SCMP_ACT_ERRNO(ENOSYS), SCMP_SYS(clone3), 0));
    // Typing into the terminal the program was started from, which runs
    // whatever is typed outside every rule here.
    check(seccomp_rule_add(filter, refuse, SCMP_SYS(ioctl), 1, SCMP_A1_32(SCMP_CMP_EQ, TIOCSTI)));
    check(seccomp_rule_add(filter, refuse, SCMP_SYS(ioctl), 1, SCMP_A1_32(SCMP_CMP_EQ, TIOCLINUX)));
    if (result != 0)
        why = Failure("the seccomp filter cannot be made", result);
    else if ((result = seccomp_load(filter)) != 0)
        why = Failure("the kernel refused the seccomp filter", result);
    seccomp_release(filter);
    return result == 0;
}

} // namespace SeccompFilter
