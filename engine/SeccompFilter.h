#pragma once

#include <QString>

// A seccomp filter (through libseccomp) that refuses, with EPERM, the system
// calls a sound never needs and an attacker in a decoder would reach for
// first: the network, running programs, reaching into other processes, new
// namespaces, and the kernel's rarest and most attacked interfaces. It binds
// every thread of the process, and everything the process does afterwards.
namespace SeccompFilter {

// NO_NEW_PRIVS must already be set. False, with why, when the kernel cannot
// do it; the process is then as it was.
bool Load(QString &why);

} // namespace SeccompFilter
