#pragma once

#include <QByteArray>
#include <QString>

// Reading a whole file that may be damaged, hand-made or hostile: only a
// regular file is read (a FIFO, device or folder is refused without being
// opened for long), never blocking, and never more than a limit.
namespace RegularFile {

enum class Status { Ok, Missing, NotRegular, TooLarge, Unreadable };

// Fills bytes on Ok; leaves it empty otherwise.
Status Read(const QString &path, qint64 limit, QByteArray &bytes);

// Why a read failed, for messages and the log ("not a regular file"...).
QString Reason(Status status, qint64 limit);

} // namespace RegularFile
