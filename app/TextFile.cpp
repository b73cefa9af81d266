#include "app/TextFile.h"

#include "app/AtomicFile.h"
#include "app/Exception.h"
#include "app/RegularFile.h"
#include "app/TextCodec.h"

#include <QCoreApplication>


QStringList TextFile::ReadLines(const QString &fileName)
{
    QByteArray bytes;
    const RegularFile::Status status = RegularFile::Read(fileName, MaxFileSize, bytes);
    switch (status) {
    case RegularFile::Status::Ok:
        break;
    case RegularFile::Status::NotRegular:
    case RegularFile::Status::TooLarge:
        // Say why, since the file is there.
        throw EFOpenError(QCoreApplication::translate("TextFile", "Cannot open file %1: %2")
                              .arg(fileName, RegularFile::Reason(status, MaxFileSize)));
    default:
        throw EFOpenError(QCoreApplication::translate("TextFile", "Cannot open file %1").arg(fileName));
    }
    const QString text = DecodeFileText(bytes);
    if (text.isEmpty())
        return {};
    return SplitLines(text);
}

void TextFile::WriteLines(const QString &fileName, const QStringList &lines)
{
    if (!WriteFileAtomically(fileName, EncodeFileText(lines.join(QStringLiteral("\r\n")))))
        throw EFCreateError(QCoreApplication::translate("TextFile", "Cannot create file %1").arg(fileName));
}
