#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The parsed text of one profile file, as it stood when it was read. Section
// and key names match without regard to case and surrounding blanks; values
// are trimmed and lose one pair of enclosing quotes. Lines that are neither
// section headers nor entries (comments, blanks) are kept as they are.
//
// The text is parsed once, into its sections, with the names looked up
// through hashes: a read, a write or the erasing of a section costs no more
// than the lines it touches, whatever the size of the file.
class IniDocument {
public:
    IniDocument() = default;
    explicit IniDocument(const QString &text);

    // Reads, with the profile-file rules (missing section or key: the default).
    QString ReadString(const QString &section, const QString &key, const QString &def) const;
    int ReadInteger(const QString &section, const QString &key, int def) const;
    bool ReadBool(const QString &section, const QString &key, bool def) const;
    QStringList ReadSection(const QString &section) const;
    QStringList ReadSections() const;

    // Edits of the text in memory.
    void WriteString(const QString &section, const QString &key, const QString &value);
    void EraseSection(const QString &section);
    bool DeleteKey(const QString &section, const QString &key);
    bool HasSection(const QString &section) const;

    // CR LF after every line.
    QString ToText() const;

    // A value of more than this many characters is cut on reading.
    static constexpr int MaxValueLength = 2047;

private:
    // A header line and the lines up to the next header.
    struct Block {
        QString header; // the header line as written
        QString name;   // the section name, folded for lookups
        QStringList lines;
        // Folded key -> index in lines of its first entry; built on first use.
        mutable QHash<QString, qsizetype> keys;
        mutable bool keysBuilt = false;
    };

    const Block *FindSection(const QString &section) const;
    Block *FindSection(const QString &section);
    // Index of the key's entry line in block, or -1.
    qsizetype FindKey(const Block &block, const QString &key) const;
    void IndexSections();

    QStringList preamble_; // the lines before the first header
    QList<Block> blocks_;
    QHash<QString, qsizetype> sections_; // folded name -> index of its first block
};
