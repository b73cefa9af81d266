#include "app/IniDocument.h"

#include "app/TextCodec.h"

namespace {
QString Fold(QStringView name)
{
    return name.trimmed().toString().toCaseFolded();
}

// A line break inside a name or value would break the file's structure.
QString OneLine(const QString &text)
{
    QString s = text;
    s.replace(QLatin1Char('\r'), QLatin1Char(' '));
    s.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return s;
}

bool ParseSection(QStringView line, QStringView &name)
{
    const QStringView s = line.trimmed();
    if (!s.startsWith(QLatin1Char('[')))
        return false;
    const qsizetype close = s.lastIndexOf(QLatin1Char(']'));
    name = (close > 0 ? s.mid(1, close - 1) : s.mid(1)).trimmed();
    return true;
}

bool ParseEntry(QStringView line, QStringView &key, QStringView &value)
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        return false;
    key = line.left(eq).trimmed();
    if (key.isEmpty() || key.startsWith(QLatin1Char(';')))
        return false;
    value = line.mid(eq + 1).trimmed();
    return true;
}
} // namespace

IniDocument::IniDocument(const QString &text)
{
    QStringList lines;
    if (!text.isEmpty())
        lines = SplitLines(text);
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast(); // the break after the last line
    QStringView name;
    for (QString &line : lines) {
        if (ParseSection(line, name)) {
            Block block;
            block.name = Fold(name);
            block.header = std::move(line);
            blocks_.append(std::move(block));
        } else {
            (blocks_.isEmpty() ? preamble_ : blocks_.back().lines).append(std::move(line));
        }
    }
    IndexSections();
}

void IniDocument::IndexSections()
{
    // Backwards, so a name that heads several sections ends up with its first.
    sections_.clear();
    for (qsizetype i = blocks_.size() - 1; i >= 0; --i)
        sections_[blocks_[i].name] = i;
}

const IniDocument::Block *IniDocument::FindSection(const QString &section) const
{
    const auto it = sections_.constFind(Fold(section));
    return it == sections_.constEnd() ? nullptr : &blocks_[*it];
}

IniDocument::Block *IniDocument::FindSection(const QString &section)
{
    const auto it = sections_.constFind(Fold(section));
    return it == sections_.constEnd() ? nullptr : &blocks_[*it];
}

qsizetype IniDocument::FindKey(const Block &block, const QString &key) const
{
    if (!block.keysBuilt) {
        // Backwards, so a key written twice ends up with its first entry, the one read.
        block.keys.clear();
        QStringView k, v;
        for (qsizetype i = block.lines.size() - 1; i >= 0; --i)
            if (ParseEntry(block.lines[i], k, v))
                block.keys[Fold(k)] = i;
        block.keysBuilt = true;
    }
    return block.keys.value(Fold(key), -1);
}

bool IniDocument::HasSection(const QString &section) const
{
    return FindSection(section) != nullptr;
}

QString IniDocument::ReadString(const QString &section, const QString &key, const QString &def) const
{
    const Block *block = FindSection(section);
    if (!block)
        return def;
    const qsizetype line = FindKey(*block, key);
    if (line < 0)
        return def;
    QStringView k, value;
    if (!ParseEntry(block->lines[line], k, value))
        return def;
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
    const Block *block = FindSection(section);
    if (!block)
        return keys;
    QStringView k, v;
    for (const QString &line : block->lines)
        if (ParseEntry(line, k, v))
            keys.append(k.toString());
    return keys;
}

QStringList IniDocument::ReadSections() const
{
    QStringList names;
    QStringView name;
    for (qsizetype i = 0; i < blocks_.size(); ++i)
        if (sections_.value(blocks_[i].name) == i && ParseSection(blocks_[i].header, name))
            names.append(name.toString());
    return names;
}

void IniDocument::WriteString(const QString &section, const QString &key, const QString &value)
{
    const QString cleanKey = OneLine(key).trimmed();
    const QString entryLine = cleanKey + QLatin1Char('=') + OneLine(value);
    Block *block = FindSection(section);
    if (!block) {
        Block fresh;
        fresh.header = QLatin1Char('[') + OneLine(section).trimmed() + QLatin1Char(']');
        fresh.name = Fold(section);
        sections_.insert(fresh.name, blocks_.size());
        blocks_.append(std::move(fresh));
        block = &blocks_.back();
    }
    const qsizetype line = FindKey(*block, key);
    if (line >= 0) {
        block->lines[line] = entryLine;
        return;
    }
    // After the section's last entry, ahead of the blank lines that part it
    // from the next. Only blank lines move, so no key's index changes.
    qsizetype at = block->lines.size();
    while (at > 0 && block->lines[at - 1].trimmed().isEmpty())
        --at;
    block->lines.insert(at, entryLine);
    QStringView k, v;
    if (ParseEntry(entryLine, k, v))
        block->keys.insert(Fold(k), at);
}

void IniDocument::EraseSection(const QString &section)
{
    const QString name = Fold(section);
    if (!sections_.contains(name))
        return;
    blocks_.removeIf([&](const Block &b) { return b.name == name; });
    IndexSections();
}

bool IniDocument::DeleteKey(const QString &section, const QString &key)
{
    Block *block = FindSection(section);
    if (!block)
        return false;
    const qsizetype line = FindKey(*block, key);
    if (line < 0)
        return false;
    block->lines.removeAt(line);
    block->keysBuilt = false;
    return true;
}

QString IniDocument::ToText() const
{
    qsizetype size = 0;
    for (const QString &line : preamble_)
        size += line.size() + 2;
    for (const Block &b : blocks_) {
        size += b.header.size() + 2;
        for (const QString &line : b.lines)
            size += line.size() + 2;
    }
    QString text;
    text.reserve(size);
    const QLatin1String crlf("\r\n");
    const auto append = [&](const QString &line) {
        text += line;
        text += crlf;
    };
    for (const QString &line : preamble_)
        append(line);
    for (const Block &b : blocks_) {
        append(b.header);
        for (const QString &line : b.lines)
            append(line);
    }
    return text;
}
