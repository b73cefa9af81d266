#pragma once

#include <QString>
#include <QtGlobal>
#include <QStringList>

// A text file of lines (an alarm's message): written whole with CR LF between
// lines and nothing after the last; read whole, with lone CR or LF taken as breaks.
namespace TextFile {
// A message longer than this is refused; the editor's box holds far less.
constexpr qint64 MaxFileSize = 1024 * 1024;
// Raises EFOpenError "Cannot open file %s" (with the reason when the file is
// there but is no regular file or is larger than MaxFileSize).
QStringList ReadLines(const QString &fileName);
// Replaces the file atomically. Raises EFCreateError "Cannot create file %s".
void WriteLines(const QString &fileName, const QStringList &lines);
} // namespace TextFile
