// The .wax reader: any bytes decode, the first entry's reference is found or
// not, and resolving it never fails.
#include "FuzzCheck.h"

#include "player/WaxPlaylist.h"

#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const std::optional<QString> href = WaxPlaylist::FirstEntryRef(WaxPlaylist::DecodeText(bytes));
    if (href) {
        FUZZ_CHECK(!href->trimmed().isEmpty());
        const QString target = WaxPlaylist::ResolveRef(*href, QStringLiteral("/music/lists"));
        FUZZ_CHECK(WaxPlaylist::IsRemoteUri(target) || target.isEmpty() || target.startsWith(QLatin1Char('/')));
    }
    return 0;
}
