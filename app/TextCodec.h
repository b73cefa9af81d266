#pragma once

#include <QByteArray>
#include <QString>

// Files are written as UTF-8. A line that is not valid UTF-8 is read as text
// written in Windows-1252. Each line is decided on its own, so one such line
// in a file does not garble the UTF-8 lines around it.
QString DecodeFileText(const QByteArray &bytes);
QByteArray EncodeFileText(const QString &text);

// Splits on CR LF, lone CR and lone LF alike.
QStringList SplitLines(const QString &text);
