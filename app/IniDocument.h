#pragma once

#include <QString>
#include <QStringList>

// The parsed text of one profile file, as it stood when it was read. Section
// and key names match without regard to case and surrounding blanks; values
// are trimmed and lose one pair of enclosing quotes. Lines that are neither
// section headers nor entries (comments, blanks) are kept as they are.
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
    struct Entry {
        QStringView key;
        QStringView value;
    };
    static bool ParseSection(const QString &line, QStringView &name);
    static bool ParseEntry(const QString &line, Entry &entry);
    // Index of the header line of the first matching section, or -1.
    qsizetype FindSection(const QString &section) const;
    // One past the last line that belongs to the section starting at header.
    qsizetype SectionEnd(qsizetype header) const;
    qsizetype FindKey(qsizetype header, const QString &key) const;

    QStringList lines_;
};
