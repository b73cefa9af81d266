#include "player/PlaylistFile.h"

#include "engine/protocol/EngineCodes.h"
#include "engine/protocol/SoundFile.h"
#include "player/WaxPlaylist.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace PlaylistFile {

namespace {

QString Quoted(const QString &name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

int32_t TooLarge(const QString &path, QString &text)
{
    text = EngineCodeText(EngineCode::PlaylistTooLarge) + QStringLiteral(" (more than 1 MiB): ") + Quoted(path);
    return EngineCode::PlaylistTooLarge;
}

} // namespace

int32_t Read(const QString &path, QByteArray &bytes, QString &text)
{
    bytes.clear();
    FileDescriptor file;
    if (const int32_t opened = SoundFile::Open(path, file, text); Failed(opened))
        return opened;
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0 || info.st_size > kMaxBytes)
        return TooLarge(path, text);

    // One byte past the limit tells a file that grew since it was opened.
    bytes.resize(kMaxBytes + 1);
    qint64 total = 0;
    while (total < bytes.size()) {
        const ssize_t n = ::read(file.Get(), bytes.data() + total, size_t(bytes.size() - total));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            bytes.clear();
            text = EngineCodeText(EngineCode::CannotOpen) + QStringLiteral(" (") +
                   QString::fromLocal8Bit(strerror(error)) + QStringLiteral("): ") + Quoted(path);
            return EngineCode::CannotOpen;
        }
        if (n == 0)
            break;
        total += n;
    }
    if (total > kMaxBytes) {
        bytes.clear();
        return TooLarge(path, text);
    }
    bytes.resize(total);
    if (bytes.isEmpty()) {
        text = EngineCodeText(EngineCode::EmptyFile) + QStringLiteral(": ") + Quoted(path);
        return EngineCode::EmptyFile;
    }
    return S_OK;
}

int32_t Follow(QString &path, QString &text)
{
    constexpr int kMaxNesting = 4;
    for (int depth = 0; WaxPlaylist::IsPlaylistPath(path); ++depth) {
        const QString playlist = path;
        if (depth == kMaxNesting) {
            text = QStringLiteral("The playlists refer to each other too deeply: ") + Quoted(playlist);
            return EngineCode::BadPlaylist;
        }
        QByteArray bytes;
        const int32_t read = Read(playlist, bytes, text);
        if (Failed(read))
            return read;
        const std::optional<QString> href = WaxPlaylist::FirstEntryRef(WaxPlaylist::DecodeText(bytes));
        if (!href) {
            text = EngineCodeText(EngineCode::BadPlaylist) + QStringLiteral(": ") + Quoted(playlist);
            return EngineCode::BadPlaylist;
        }
        path = WaxPlaylist::ResolveRef(*href, QFileInfo(playlist).absolutePath());
        if (WaxPlaylist::IsRemoteUri(path))
            return S_OK;
        if (!QFileInfo::exists(path)) {
            text = QStringLiteral("The playlist %1 names a sound file that cannot be found: %2")
                       .arg(Quoted(playlist), Quoted(path));
            return EngineCode::PlaylistEntryMissing;
        }
    }
    return S_OK;
}

} // namespace PlaylistFile
