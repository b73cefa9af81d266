#pragma once

#include "app/IniDocument.h"

#include <QList>
#include <QString>
#include <QStringList>

// A profile file of sections and key=value entries, bound to one path. It caches
// nothing: every read parses the file as it is now, every write rewrites it.
// A missing file reads as empty, and so does one that cannot be read (not a
// regular file, larger than MaxFileSize, no permission), which is then never
// written over. Writes replace the file atomically; a failed write raises
// EIniFileException "Unable to write to <path>" and leaves the old file.
class TIniFile {
public:
    explicit TIniFile(QString fileName);

    // Far beyond any file the program writes (the full index is under 4 KiB).
    static constexpr qint64 MaxFileSize = 4 * 1024 * 1024;

    const QString &FileName() const { return fileName_; }

    QString ReadString(const QString &section, const QString &key, const QString &def) const;
    int ReadInteger(const QString &section, const QString &key, int def) const;
    bool ReadBool(const QString &section, const QString &key, bool def) const;
    void ReadSection(const QString &section, QStringList &list) const;
    void ReadSections(QStringList &list) const;

    void WriteString(const QString &section, const QString &key, const QString &value);
    void WriteInteger(const QString &section, const QString &key, int value);
    void WriteBool(const QString &section, const QString &key, bool value);
    void EraseSection(const QString &section);
    void DeleteKey(const QString &section, const QString &key); // failure is ignored

    // The file as it stands now, for a run of reads that must see one state.
    IniDocument Snapshot() const;

    // Several edits that reach the disk together, in one atomic replace, so a
    // reader or a crash never sees half of them.
    struct Entry {
        QString section, key, value;
    };
    void WriteEntries(const QList<Entry> &entries);
    // Erases the section and writes its new entries in one replace.
    void ReplaceSection(const QString &section, const QList<Entry> &entries);

private:
    // The current text for an edit. A file that exists but cannot be read is
    // not rewritten, since its contents would be lost.
    IniDocument LoadForEdit() const;
    void Save(const IniDocument &doc) const;
    [[noreturn]] void FailWrite() const;

    QString fileName_;
};
