#include "app/TextFile.h"

#include "app/AtomicFile.h"
#include "app/Exception.h"
#include "app/TextCodec.h"

#include <QFile>

QStringList TextFile::ReadLines(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EFOpenError(QStringLiteral("Cannot open file %1").arg(fileName));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EFOpenError(QStringLiteral("Cannot open file %1").arg(fileName));
    const QString text = DecodeFileText(bytes);
    if (text.isEmpty())
        return {};
    return SplitLines(text);
}

void TextFile::WriteLines(const QString &fileName, const QStringList &lines)
{
    if (!WriteFileAtomically(fileName, EncodeFileText(lines.join(QStringLiteral("\r\n")))))
        throw EFCreateError(QStringLiteral("Cannot create file %1").arg(fileName));
}
