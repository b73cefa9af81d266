#include "app/IniDocument.h"

namespace {
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

size_t qHash(IniName name, size_t seed)
{
    size_t h = seed ^ 1469598103934665603ull;
    for (QChar c : name.text) {
        const char16_t u = c.unicode();
        h = (h ^ (u < 0x80 ? (u >= 'A' && u <= 'Z' ? u + 32 : u) : c.toCaseFolded().unicode())) * 1099511628211ull;
    }
    return h;
}

IniDocument::IniDocument(const QString &text) : text_(text)
{
    // Lines end at CR LF, a lone CR or a lone LF; the break after the last line ends nothing.
    const QChar *data = text_.constData();
    const qsizetype n = text_.size();
    QList<Line> *into = &preamble_;
    QStringView name;
    const auto add = [&](qsizetype start, qsizetype end) {
        // Most lines are not headers: look at the first character that is not blank.
        qsizetype i = start;
        while (i < end && data[i].unicode() <= ' ')
            ++i;
        const Line line{static_cast<qint32>(start), static_cast<qint32>(end - start)};
        if (i < end && data[i] == QLatin1Char('[') && ParseSection(View(line), name)) {
            blocks_.append(Block{line, name, {}, -1, false, {}, false});
            into = &blocks_.back().lines;
        } else {
            into->append(line);
        }
    };
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = data[i].unicode();
        if (c == '\r' || c == '\n') {
            add(start, i);
            if (c == '\r' && i + 1 < n && data[i + 1] == QLatin1Char('\n'))
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        add(start, n);
    // Backwards, so each name ends up with its first block, and each block knows the next of its name.
    sections_.reserve(blocks_.size());
    for (qsizetype i = blocks_.size() - 1; i >= 0; --i) {
        const auto it = sections_.find(Name{blocks_[i].name});
        if (it == sections_.end()) {
            sections_.insert(Name{blocks_[i].name}, i);
        } else {
            blocks_[i].nextSame = *it;
            *it = i;
        }
    }
}

QStringView IniDocument::View(Line line) const
{
    return line.at >= 0 ? QStringView(text_).mid(line.at, line.size) : QStringView(owned_[-line.at - 1]);
}

IniDocument::Line IniDocument::Own(QString line)
{
    const auto size = static_cast<qint32>(line.size());
    owned_.append(std::move(line));
    return Line{static_cast<qint32>(-owned_.size()), size};
}

const IniDocument::Block *IniDocument::FindSection(QStringView section) const
{
    const auto it = sections_.constFind(Name{section.trimmed()});
    return it == sections_.constEnd() ? nullptr : &blocks_[*it];
}

qsizetype IniDocument::FindKey(const Block &block, QStringView key) const
{
    if (!block.keysBuilt) {
        // Backwards, so a key written twice ends up with its first entry, the one read.
        block.keys.clear();
        QStringView k, v;
        for (qsizetype i = block.lines.size() - 1; i >= 0; --i)
            if (ParseEntry(View(block.lines[i]), k, v))
                block.keys[Name{k}] = i;
        block.keysBuilt = true;
    }
    return block.keys.value(Name{key.trimmed()}, -1);
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
    if (!ParseEntry(View(block->lines[line]), k, value))
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
    for (const Line &line : block->lines)
        if (ParseEntry(View(line), k, v))
            keys.append(k.toString());
    return keys;
}

QStringList IniDocument::ReadSections() const
{
    QStringList names;
    for (qsizetype i = 0; i < blocks_.size(); ++i)
        if (!blocks_[i].erased && sections_.value(Name{blocks_[i].name}) == i)
            names.append(blocks_[i].name.toString());
    return names;
}

void IniDocument::WriteString(const QString &section, const QString &key, const QString &value)
{
    const Line entry = Own(OneLine(key).trimmed() + QLatin1Char('=') + OneLine(value));
    const Block *found = FindSection(section);
    if (!found) {
        const Line header = Own(QLatin1Char('[') + OneLine(section).trimmed() + QLatin1Char(']'));
        QStringView name;
        ParseSection(View(header), name);
        sections_.insert(Name{name}, blocks_.size());
        blocks_.append(Block{header, name, {}, -1, false, {}, true});
        found = &blocks_.back();
    }
    Block &block = blocks_[found - blocks_.constData()];
    const qsizetype line = FindKey(block, key);
    if (line >= 0) {
        block.lines[line] = entry;
        return;
    }
    // After the section's last entry, ahead of the blank lines that part it
    // from the next. Only blank lines move, so no key's index changes.
    qsizetype at = block.lines.size();
    while (at > 0 && View(block.lines[at - 1]).trimmed().isEmpty())
        --at;
    block.lines.insert(at, entry);
    QStringView k, v;
    if (ParseEntry(View(entry), k, v))
        block.keys.insert(Name{k}, at);
}

void IniDocument::EraseSection(const QString &section)
{
    const auto it = sections_.constFind(Name{QStringView(section).trimmed()});
    if (it == sections_.constEnd())
        return;
    // Only the blocks of this name are touched: they stay in place, left out of the text.
    for (qsizetype i = *it; i >= 0; i = blocks_[i].nextSame)
        blocks_[i].erased = true;
    sections_.erase(it);
}

bool IniDocument::DeleteKey(const QString &section, const QString &key)
{
    const Block *found = FindSection(section);
    if (!found)
        return false;
    Block &block = blocks_[found - blocks_.constData()];
    const qsizetype line = FindKey(block, key);
    if (line < 0)
        return false;
    block.lines.removeAt(line);
    block.keysBuilt = false;
    return true;
}

QString IniDocument::ToText() const
{
    qsizetype size = 0;
    for (const Line &line : preamble_)
        size += line.size + 2;
    for (const Block &b : blocks_) {
        if (b.erased)
            continue;
        size += b.header.size + 2;
        for (const Line &line : b.lines)
            size += line.size + 2;
    }
    QString text(size, Qt::Uninitialized);
    QChar *out = text.data();
    const auto append = [&](Line line) {
        const QStringView view = View(line);
        std::copy(view.begin(), view.end(), out);
        out += view.size();
        *out++ = QLatin1Char('\r');
        *out++ = QLatin1Char('\n');
    };
    for (const Line &line : preamble_)
        append(line);
    for (const Block &b : blocks_) {
        if (b.erased)
            continue;
        append(b.header);
        for (const Line &line : b.lines)
            append(line);
    }
    return text;
}
