#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Windows Media .wax files are ASX playlists (loose XML) that no GStreamer
// element reads, so the player finds what they name itself.
namespace WaxPlaylist {

// True for the playlist extensions the player opens itself (.wax, .asx, .wvx).
bool IsPlaylistPath(const QString &path);

// The file's bytes as text: UTF-16 or UTF-8 with a byte-order mark, UTF-8, or
// else Latin-1 (old playlists were written in a single-byte code page).
QString DecodeText(const QByteArray &bytes);

// The href of the first <ref> inside the first <entry>, entities decoded.
// Tags and attribute names are matched without regard to case; attribute
// values may be in double quotes, single quotes or none.
std::optional<QString> FirstEntryRef(const QString &asxText);

// Where an href points: a file:// URI becomes a local path, another URI
// (http://...) is kept, a path with Windows separators is turned around, and a
// relative path is taken from the playlist's folder.
QString ResolveRef(const QString &href, const QString &playlistFolder);

// True when ResolveRef gave a URI rather than a local path.
bool IsRemoteUri(const QString &target);

} // namespace WaxPlaylist
