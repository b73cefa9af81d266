#pragma once

#include <QString>
#include <QStringList>

// A text file of lines (an alarm's message): written whole with CR LF between
// lines and nothing after the last; read whole, with lone CR or LF taken as breaks.
namespace TextFile {
// Raises EFOpenError "Cannot open file %s".
QStringList ReadLines(const QString &fileName);
// Replaces the file atomically. Raises EFCreateError "Cannot create file %s".
void WriteLines(const QString &fileName, const QStringList &lines);
} // namespace TextFile
