// The profile-file parser: any bytes parse, every read and edit works on the
// result, and what it writes parses back to itself.
#include "FuzzCheck.h"

#include "app/IniDocument.h"
#include "app/TextCodec.h"

#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    IniDocument doc(DecodeFileText(bytes));
    const QStringList sections = doc.ReadSections();
    for (const QString &section : sections) {
        FUZZ_CHECK(doc.HasSection(section));
        for (const QString &key : doc.ReadSection(section)) {
            FUZZ_CHECK(doc.ReadString(section, key, QString()).size() <= IniDocument::MaxValueLength);
            doc.ReadInteger(section, key, 0);
        }
    }
    const QString text = doc.ToText();
    FUZZ_CHECK(IniDocument(text).ToText() == text);
    FUZZ_CHECK(IniDocument(text).ReadSections() == sections);

    // Edits named after the input itself, then the written text read back.
    const QString name = sections.isEmpty() ? QStringLiteral("S") : sections.last();
    // Keys as the program writes them: a key cannot hold '=' nor start with '[' or ';'.
    QString key = QStringLiteral("K");
    for (char ch : bytes.left(8))
        if (QChar::fromLatin1(ch).isLetterOrNumber())
            key += QChar::fromLatin1(ch);
    doc.WriteString(name, key, QString::fromLatin1(bytes.right(8)));
    doc.WriteString(QStringLiteral("Alarms"), QStringLiteral("Alarm1"), QStringLiteral("1"));
    if (!sections.isEmpty())
        doc.EraseSection(sections.first());
    doc.DeleteKey(name, QStringLiteral("Alarm1"));
    const IniDocument again(doc.ToText());
    FUZZ_CHECK(again.ReadString(QStringLiteral("Alarms"), QStringLiteral("Alarm1"), QString()) ==
               doc.ReadString(QStringLiteral("Alarms"), QStringLiteral("Alarm1"), QString()));
    FUZZ_CHECK(again.ReadSections() == doc.ReadSections());
    return 0;
}
