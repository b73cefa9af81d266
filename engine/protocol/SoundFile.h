#pragma once

#include "engine/protocol/FileDescriptor.h"

#include <QString>

#include <cstdint>

// A sound named by the user, opened by the program for the engine's process,
// which is given it open and reads nothing by its name.
namespace SoundFile {

// Opens path for reading without waiting (a FIFO would wait for a writer)
// and takes only a regular file that is not empty: a device or a FIFO would
// block the reader or never end. S_OK with the file open, or a failure code
// with a text naming the file.
int32_t Open(const QString &path, FileDescriptor &file, QString &text);

} // namespace SoundFile
