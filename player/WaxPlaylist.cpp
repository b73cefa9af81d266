#include "player/WaxPlaylist.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QUrl>

namespace WaxPlaylist {

bool IsPlaylistPath(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("wax") || suffix == QLatin1String("asx") ||
           suffix == QLatin1String("wvx");
}

QString DecodeText(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringDecoder::Utf16LE)(bytes.mid(2));
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringDecoder::Utf16BE)(bytes.mid(2));
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes);
}

namespace {

QString DecodeEntities(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        const qsizetype semi = c == QLatin1Char('&') ? value.indexOf(QLatin1Char(';'), i) : -1;
        if (semi < 0 || semi - i > 10) {
            out += c;
            continue;
        }
        const QString name = value.mid(i + 1, semi - i - 1);
        QString replacement;
        if (name == QLatin1String("amp"))
            replacement = QStringLiteral("&");
        else if (name == QLatin1String("lt"))
            replacement = QStringLiteral("<");
        else if (name == QLatin1String("gt"))
            replacement = QStringLiteral(">");
        else if (name == QLatin1String("quot"))
            replacement = QStringLiteral("\"");
        else if (name == QLatin1String("apos"))
            replacement = QStringLiteral("'");
        else if (name.startsWith(QLatin1Char('#'))) {
            bool ok = false;
            const uint code = name.startsWith(QLatin1String("#x"), Qt::CaseInsensitive)
                                  ? name.mid(2).toUInt(&ok, 16)
                                  : name.mid(1).toUInt(&ok, 10);
            if (ok && code > 0 && code <= 0x10FFFF)
                replacement = QString::fromUcs4(reinterpret_cast<const char32_t *>(&code), 1);
        }
        if (replacement.isEmpty()) {
            out += c; // not an entity we know: keep the text as written
            continue;
        }
        out += replacement;
        i = semi;
    }
    return out;
}

struct Tag {
    QString name; // lower case; "/entry" for a closing tag
    QString attributes;
};

// Reads the tag that starts at text[pos] == '<' and moves pos past it.
// Quoted attribute values may hold '>'.
std::optional<Tag> ReadTag(const QString &text, qsizetype &pos)
{
    if (text.mid(pos, 4) == QLatin1String("<!--")) {
        const qsizetype end = text.indexOf(QLatin1String("-->"), pos + 4);
        pos = end < 0 ? text.size() : end + 3;
        return std::nullopt;
    }
    qsizetype i = pos + 1;
    QChar quote;
    while (i < text.size()) {
        const QChar c = text.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char('>')) {
            break;
        }
        ++i;
    }
    const QString body = text.mid(pos + 1, i - pos - 1).trimmed();
    pos = i + 1;
    qsizetype nameEnd = 0;
    while (nameEnd < body.size() && !body.at(nameEnd).isSpace() &&
           body.at(nameEnd) != QLatin1Char('/'))
        ++nameEnd;
    if (nameEnd == 0 && body.startsWith(QLatin1Char('/'))) {
        nameEnd = 1;
        while (nameEnd < body.size() && !body.at(nameEnd).isSpace())
            ++nameEnd;
    }
    return Tag{body.left(nameEnd).toLower(), body.mid(nameEnd)};
}

std::optional<QString> AttributeValue(const QString &attributes, const QString &wanted)
{
    static const QRegularExpression attribute(
        QStringLiteral(R"re(([^\s=/>]+)\s*(?:=\s*(?:"([^"]*)"|'([^']*)'|([^\s>]+)))?)re"));
    auto it = attribute.globalMatch(attributes);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(1).compare(wanted, Qt::CaseInsensitive) != 0)
            continue;
        for (int group = 2; group <= 4; ++group) {
            if (m.capturedStart(group) >= 0)
                return DecodeEntities(m.captured(group));
        }
        return QString();
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> FirstEntryRef(const QString &asxText)
{
    bool inEntry = false;
    qsizetype pos = 0;
    while ((pos = asxText.indexOf(QLatin1Char('<'), pos)) >= 0) {
        const std::optional<Tag> tag = ReadTag(asxText, pos);
        if (!tag)
            continue;
        if (tag->name == QLatin1String("entry")) {
            inEntry = true;
        } else if (tag->name == QLatin1String("/entry")) {
            if (inEntry)
                return std::nullopt; // the first entry had no usable ref
        } else if (inEntry && tag->name == QLatin1String("ref")) {
            const std::optional<QString> href = AttributeValue(tag->attributes, QStringLiteral("href"));
            if (href && !href->trimmed().isEmpty())
                return href->trimmed();
        }
    }
    return std::nullopt;
}

bool IsRemoteUri(const QString &target)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+://"));
    return scheme.match(target).hasMatch() &&
           !target.startsWith(QLatin1String("file:"), Qt::CaseInsensitive);
}

QString ResolveRef(const QString &href, const QString &playlistFolder)
{
    if (IsRemoteUri(href))
        return href;
    // A file: URI that is not absolute ("file:a.wav") names a file beside the
    // playlist too, never one in whatever folder the program runs in.
    QString path = href.startsWith(QLatin1String("file:"), Qt::CaseInsensitive) ? QUrl(href).toLocalFile() : href;
    if (path.isEmpty())
        return path; // names nothing
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    // Not QDir::isRelativePath: it takes a name starting with ':' for one of
    // the program's own resources.
    if (!path.startsWith(QLatin1Char('/')))
        path = playlistFolder + QLatin1Char('/') + path;
    return QDir::cleanPath(path);
}

} // namespace WaxPlaylist
