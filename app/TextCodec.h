#pragma once

#include <QByteArray>
#include <QString>

// Files are written as UTF-8. Text that is not valid UTF-8 comes from the
// Windows program, which wrote its single-byte code page: such a line reads as
// Windows-1252. Each line is decided on its own, so one old line in a file
// does not garble the UTF-8 lines around it.
QString DecodeFileText(const QByteArray &bytes);
QByteArray EncodeFileText(const QString &text);

// Splits on CR LF, lone CR and lone LF alike.
QStringList SplitLines(const QString &text);
