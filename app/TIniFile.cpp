#include "app/TIniFile.h"

#include "app/AtomicFile.h"
#include "app/Exception.h"
#include "app/RegularFile.h"
#include "app/StoreLog.h"
#include "app/TextCodec.h"

#include <QCoreApplication>

#include <utility>

namespace {
// Missing or unreadable files read as empty; ok tells the two apart for
// writers: a file that is there but cannot be read is never replaced.
IniDocument ReadDocument(const QString &fileName, bool *ok = nullptr)
{
    QByteArray bytes;
    const RegularFile::Status status = RegularFile::Read(fileName, TIniFile::MaxFileSize, bytes);
    if (ok)
        *ok = status == RegularFile::Status::Ok || status == RegularFile::Status::Missing;
    if (status != RegularFile::Status::Ok) {
        if (status != RegularFile::Status::Missing)
            qCInfo(lcStore, "%s read as empty: %s", qUtf8Printable(fileName),
                   qUtf8Printable(RegularFile::Reason(status, TIniFile::MaxFileSize)));
        return {};
    }
    return IniDocument(DecodeFileText(bytes));
}
} // namespace

TIniFile::TIniFile(QString fileName) : fileName_(std::move(fileName)) {}

IniDocument TIniFile::Snapshot() const
{
    return ReadDocument(fileName_);
}

QString TIniFile::ReadString(const QString &section, const QString &key, const QString &def) const
{
    return Snapshot().ReadString(section, key, def);
}

int TIniFile::ReadInteger(const QString &section, const QString &key, int def) const
{
    return Snapshot().ReadInteger(section, key, def);
}

bool TIniFile::ReadBool(const QString &section, const QString &key, bool def) const
{
    return Snapshot().ReadBool(section, key, def);
}

void TIniFile::ReadSection(const QString &section, QStringList &list) const
{
    list = Snapshot().ReadSection(section);
}

void TIniFile::ReadSections(QStringList &list) const
{
    list = Snapshot().ReadSections();
}

void TIniFile::FailWrite() const
{
    throw EIniFileException(QCoreApplication::translate("TIniFile", "Unable to write to %1").arg(fileName_));
}

IniDocument TIniFile::LoadForEdit() const
{
    bool ok = false;
    IniDocument doc = ReadDocument(fileName_, &ok);
    if (!ok)
        FailWrite();
    return doc;
}

void TIniFile::Save(const IniDocument &doc) const
{
    if (!WriteFileAtomically(fileName_, EncodeFileText(doc.ToText())))
        FailWrite();
}

void TIniFile::WriteString(const QString &section, const QString &key, const QString &value)
{
    IniDocument doc = LoadForEdit();
    doc.WriteString(section, key, value);
    Save(doc);
}

void TIniFile::WriteInteger(const QString &section, const QString &key, int value)
{
    WriteString(section, key, QString::number(value));
}

void TIniFile::WriteBool(const QString &section, const QString &key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniFile::EraseSection(const QString &section)
{
    IniDocument doc = LoadForEdit();
    if (!doc.HasSection(section))
        return; // nothing to erase, nothing to write
    doc.EraseSection(section);
    Save(doc);
}

void TIniFile::DeleteKey(const QString &section, const QString &key)
{
    bool ok = false;
    IniDocument doc = ReadDocument(fileName_, &ok);
    if (!ok || !doc.DeleteKey(section, key))
        return;
    WriteFileAtomically(fileName_, EncodeFileText(doc.ToText()));
}

void TIniFile::WriteEntries(const QList<Entry> &entries)
{
    IniDocument doc = LoadForEdit();
    for (const Entry &e : entries)
        doc.WriteString(e.section, e.key, e.value);
    Save(doc);
}

void TIniFile::ReplaceSection(const QString &section, const QList<Entry> &entries)
{
    IniDocument doc = LoadForEdit();
    if (entries.isEmpty() && !doc.HasSection(section))
        return;
    doc.EraseSection(section);
    for (const Entry &e : entries)
        doc.WriteString(section, e.key, e.value);
    Save(doc);
}
