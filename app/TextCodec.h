#pragma once

#include <QByteArray>
#include <QString>

// Files are written as UTF-8. Files that are not valid UTF-8 come from the
// Windows program, which wrote its single-byte code page: read them as Windows-1252.
QString DecodeFileText(const QByteArray &bytes);
QByteArray EncodeFileText(const QString &text);

// Splits on CR LF, lone CR and lone LF alike.
QStringList SplitLines(const QString &text);
