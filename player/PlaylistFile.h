#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// Reads a playlist whole, on the engine's thread. Only a regular file is
// read (a FIFO or a device named .wax would block or never end), it is opened
// without waiting, and no more than kMaxBytes are taken: a playlist names a
// few files, so anything larger is not one.
namespace PlaylistFile {

constexpr qint64 kMaxBytes = 1024 * 1024;

// S_OK with the file's bytes, or a failure code with a text naming the file.
int32_t Read(const QString &path, QByteArray &bytes, QString &text);

} // namespace PlaylistFile
