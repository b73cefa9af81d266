#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// Landlock (Linux 5.13 and later): once enforced, this process and its
// threads made afterwards may open only what the rules allow, and may not
// create, remove or rename anything anywhere else. Where the kernel knows
// them it also takes away TCP (Landlock 4), connecting to abstract Unix
// sockets and signalling processes outside (Landlock 6).
//
// Enforce it while the process has one thread: Landlock binds the calling
// thread and the threads it starts, not those already running.
class LandlockRuleSet {
public:
    enum class Access { Read, ReadWrite };

    // A folder (and everything beneath it) or a single file; one that does
    // not exist is left out.
    void Allow(const QString &path, Access access);

    // The kernel's Landlock version, 0 when it has none (or it is switched off).
    static int KernelAbi();

    // NO_NEW_PRIVS must already be set. False, with why, when the kernel
    // cannot do it; the process is then as it was.
    bool Enforce(QString &why) const;

private:
    struct Rule {
        QString path;
        Access access;
    };
    std::vector<Rule> rules_;
};
