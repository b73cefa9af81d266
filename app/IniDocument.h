#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <QHash>

// A section or key name of a profile file, compared and hashed without regard to case.
struct IniName {
    QStringView text;
    friend bool operator==(IniName a, IniName b) { return a.text.compare(b.text, Qt::CaseInsensitive) == 0; }
};
size_t qHash(IniName name, size_t seed);

// The parsed text of one profile file, as it stood when it was read. Section
// and key names match without regard to case and surrounding blanks; values
// are trimmed and lose one pair of enclosing quotes. Lines that are neither
// section headers nor entries (comments, blanks) are kept as they are.
//
// The text is parsed once: lines stay where they are in the text read (only
// edited lines are stored apart), grouped into sections whose names, and
// whose keys, are found through hashes. A read, a write or the erasing of a
// section costs what it touches, whatever the size of the file.
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
    // A line: a stretch of text_, or (at < 0) the edited line owned_[-at - 1].
    // 32 bits are plenty for the files read (TIniFile::MaxFileSize).
    struct Line {
        qint32 at;
        qint32 size;
    };
    using Name = IniName;
    using NameIndex = QHash<Name, qsizetype>;

    // A header line and the lines up to the next header.
    struct Block {
        Line header;
        QStringView name; // inside the header's text
        QList<Line> lines;
        qsizetype nextSame = -1; // the next block of the same name
        bool erased = false;
        // Key -> index in lines of its first entry; built on first use.
        mutable NameIndex keys;
        mutable bool keysBuilt = false;
    };

    QStringView View(Line line) const;
    Line Own(QString line);
    const Block *FindSection(QStringView section) const;
    // Index of the key's entry line in block, or -1.
    qsizetype FindKey(const Block &block, QStringView key) const;

    QString text_;
    QStringList owned_; // never changed once added, so views into them hold
    QList<Line> preamble_; // the lines before the first header
    QList<Block> blocks_;
    NameIndex sections_; // name -> index of its first block that is not erased
};
