// A stand-in for a hung network mount, for the end-to-end tests: preloaded
// into the program (LD_PRELOAD), it makes every open() of the one file named
// by TOCSIMO_TEST_SLOW_OPEN block for TOCSIMO_TEST_SLOW_SECONDS (30 by
// default) before it goes ahead. The file itself is a regular sound file.
#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/types.h>

namespace {

void WaitIfSlow(const char *path)
{
    const char *slow = std::getenv("TOCSIMO_TEST_SLOW_OPEN");
    if (!slow || !path || std::strcmp(slow, path) != 0)
        return;
    const char *seconds = std::getenv("TOCSIMO_TEST_SLOW_SECONDS");
    timespec left{seconds ? std::atoi(seconds) : 30, 0};
    while (nanosleep(&left, &left) == -1 && errno == EINTR) {
    }
}

mode_t ModeOf(int flags, va_list args)
{
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? va_arg(args, mode_t) : 0;
}

template <class F>
F Next(const char *name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" {

int open(const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = ModeOf(flags, args);
    va_end(args);
    WaitIfSlow(path);
    static const auto real = Next<int (*)(const char *, int, ...)>("open");
    return real(path, flags, mode);
}

int open64(const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = ModeOf(flags, args);
    va_end(args);
    WaitIfSlow(path);
    static const auto real = Next<int (*)(const char *, int, ...)>("open64");
    return real(path, flags, mode);
}

int openat(int dir, const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = ModeOf(flags, args);
    va_end(args);
    WaitIfSlow(path);
    static const auto real = Next<int (*)(int, const char *, int, ...)>("openat");
    return real(dir, path, flags, mode);
}

int openat64(int dir, const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = ModeOf(flags, args);
    va_end(args);
    WaitIfSlow(path);
    static const auto real = Next<int (*)(int, const char *, int, ...)>("openat64");
    return real(dir, path, flags, mode);
}

} // extern "C"
