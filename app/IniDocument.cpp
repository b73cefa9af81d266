#include "app/IniDocument.h"

#include "app/TextCodec.h"

namespace {
bool SameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A line break inside a name or value would break the file's structure.
QString OneLine(const QString &text)
{
    QString s = text;
    s.replace(QLatin1Char('\r'), QLatin1Char(' '));
    s.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return s;
}
} // namespace

IniDocument::IniDocument(const QString &text)
{
    if (!text.isEmpty())
        lines_ = SplitLines(text);
    if (!lines_.isEmpty() && lines_.back().isEmpty())
        lines_.removeLast(); // the break after the last line
}

bool IniDocument::ParseSection(const QString &line, QStringView &name)
{
    QStringView s = QStringView(line).trimmed();
    if (!s.startsWith(QLatin1Char('[')))
        return false;
    const qsizetype close = s.lastIndexOf(QLatin1Char(']'));
    name = (close > 0 ? s.mid(1, close - 1) : s.mid(1)).trimmed();
    return true;
}

bool IniDocument::ParseEntry(const QString &line, Entry &entry)
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        return false;
    QStringView key = QStringView(line).left(eq).trimmed();
    if (key.isEmpty() || key.startsWith(QLatin1Char(';')))
        return false;
    entry.key = key;
    entry.value = QStringView(line).mid(eq + 1).trimmed();
    return true;
}

qsizetype IniDocument::FindSection(const QString &section) const
{
    const QStringView wanted = QStringView(section).trimmed();
    QStringView name;
    for (qsizetype i = 0; i < lines_.size(); ++i)
        if (ParseSection(lines_[i], name) && SameName(name, wanted))
            return i;
    return -1;
}

qsizetype IniDocument::SectionEnd(qsizetype header) const
{
    QStringView name;
    qsizetype i = header + 1;
    while (i < lines_.size() && !ParseSection(lines_[i], name))
        ++i;
    return i;
}

qsizetype IniDocument::FindKey(qsizetype header, const QString &key) const
{
    const QStringView wanted = QStringView(key).trimmed();
    const qsizetype end = SectionEnd(header);
    Entry entry;
    for (qsizetype i = header + 1; i < end; ++i)
        if (ParseEntry(lines_[i], entry) && SameName(entry.key, wanted))
            return i;
    return -1;
}

bool IniDocument::HasSection(const QString &section) const
{
    return FindSection(section) >= 0;
}

QString IniDocument::ReadString(const QString &section, const QString &key, const QString &def) const
{
    const qsizetype header = FindSection(section);
    if (header < 0)
        return def;
    const qsizetype line = FindKey(header, key);
    if (line < 0)
        return def;
    Entry entry;
    ParseEntry(lines_[line], entry);
    QStringView value = entry.value;
    if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\''))
        && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value.left(MaxValueLength).toString();
}

int IniDocument::ReadInteger(const QString &section, const QString &key, int def) const
{
    const QString text = ReadString(section, key, QString());
    bool ok = false;
    int result = 0;
    if (text.size() > 2 && (text.startsWith(QLatin1String("0x")) || text.startsWith(QLatin1String("0X")))) {
        const QStringView digits = QStringView(text).mid(2);
        // Only plain hex digits: no second sign or prefix after "0x".
        if (digits.front().isLetterOrNumber())
            result = static_cast<int>(digits.toUInt(&ok, 16)); // 0xFFFFFFFF is -1
    } else {
        result = text.toInt(&ok, 10);
    }
    return ok ? result : def;
}

bool IniDocument::ReadBool(const QString &section, const QString &key, bool def) const
{
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

QStringList IniDocument::ReadSection(const QString &section) const
{
    QStringList keys;
    const qsizetype header = FindSection(section);
    if (header < 0)
        return keys;
    const qsizetype end = SectionEnd(header);
    Entry entry;
    for (qsizetype i = header + 1; i < end; ++i)
        if (ParseEntry(lines_[i], entry))
            keys.append(entry.key.toString());
    return keys;
}

QStringList IniDocument::ReadSections() const
{
    QStringList sections;
    QStringView name;
    for (const QString &line : lines_)
        if (ParseSection(line, name)) {
            bool seen = false;
            for (const QString &s : sections)
                seen = seen || SameName(s, name);
            if (!seen)
                sections.append(name.toString());
        }
    return sections;
}

void IniDocument::WriteString(const QString &section, const QString &key, const QString &value)
{
    const QString entryLine = OneLine(key).trimmed() + QLatin1Char('=') + OneLine(value);
    qsizetype header = FindSection(section);
    if (header < 0) {
        lines_.append(QLatin1Char('[') + OneLine(section).trimmed() + QLatin1Char(']'));
        lines_.append(entryLine);
        return;
    }
    const qsizetype line = FindKey(header, key);
    if (line >= 0) {
        lines_[line] = entryLine;
        return;
    }
    // After the section's last entry, ahead of the blank lines that part it from the next.
    qsizetype at = SectionEnd(header);
    while (at > header + 1 && lines_[at - 1].trimmed().isEmpty())
        --at;
    lines_.insert(at, entryLine);
}

void IniDocument::EraseSection(const QString &section)
{
    qsizetype header;
    while ((header = FindSection(section)) >= 0)
        lines_.remove(header, SectionEnd(header) - header);
}

bool IniDocument::DeleteKey(const QString &section, const QString &key)
{
    const qsizetype header = FindSection(section);
    if (header < 0)
        return false;
    const qsizetype line = FindKey(header, key);
    if (line < 0)
        return false;
    lines_.removeAt(line);
    return true;
}

QString IniDocument::ToText() const
{
    QString text;
    for (const QString &line : lines_) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return text;
}
