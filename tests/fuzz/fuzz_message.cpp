// The message reader: any file of bytes reads as lines, through the same
// path the program takes (a regular file on disk, size-checked).
#include "FuzzCheck.h"

#include "app/Exception.h"
#include "app/TextFile.h"

#include <QString>

#include <sys/mman.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // One file in memory, rewritten for each input.
    static const int fd = ::memfd_create("message", MFD_CLOEXEC);
    static const QString path = QStringLiteral("/proc/self/fd/%1").arg(fd);
    if (fd < 0 || ::ftruncate(fd, 0) != 0 || ::pwrite(fd, data, size, 0) != static_cast<ssize_t>(size))
        return 0;
    try {
        const QStringList lines = TextFile::ReadLines(path);
        FUZZ_CHECK(size <= static_cast<size_t>(TextFile::MaxFileSize));
        FUZZ_CHECK(size > 0 || lines.isEmpty());
        for (const QString &line : lines)
            FUZZ_CHECK(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')));
    } catch (const EFOpenError &) {
        FUZZ_CHECK(size > static_cast<size_t>(TextFile::MaxFileSize));
    }
    return 0;
}
