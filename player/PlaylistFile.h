#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// Playlists (.wax, .asx, .wvx) are read by the program, on the engine's
// thread, and the engine is given the sound they name. Only a regular file is
// read (a FIFO or a device named .wax would block or never end), it is opened
// without waiting, and no more than kMaxBytes are taken: a playlist names a
// few files, so anything larger is not one.
namespace PlaylistFile {

constexpr qint64 kMaxBytes = 1024 * 1024;

// S_OK with the file's bytes, or a failure code with a text naming the file.
int32_t Read(const QString &path, QByteArray &bytes, QString &text);

// Follows a playlist to the sound its first entry names, through playlists
// that name playlists (a few deep). S_OK with path now the sound's path or
// web address; a path that is no playlist is left as it is. Otherwise a
// failure code and a text naming the playlist.
int32_t Follow(QString &path, QString &text);

} // namespace PlaylistFile
