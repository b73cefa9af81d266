// Every shipped language holds every text of the code, finished, with the
// same placeholders and one mnemonic of its own within each window; the
// program picks the desktop's language, or English.
#include "app/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

struct Message {
    QString context, source, comment;
    QString type; // "", "unfinished", "obsolete", "vanished"
    QStringList translations; // one, or one per plural form
};

QString Key(const Message &m) { return m.context + QChar(0) + m.source + QChar(0) + m.comment; }

QList<Message> ReadTs(const QString &path, QString *language = nullptr)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        QTest::qFail(qPrintable(QStringLiteral("cannot read ") + path), __FILE__, __LINE__);
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    bool numerus = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == u"message")
            messages.append(message);
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == u"TS" && language)
            *language = xml.attributes().value(QStringLiteral("language")).toString();
        else if (name == u"name")
            context = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        else if (name == u"message") {
            message = Message{context, {}, {}, {}, {}};
            numerus = xml.attributes().value(QStringLiteral("numerus")) == u"yes";
        }
        else if (name == u"source")
            message.source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        else if (name == u"comment")
            message.comment = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        else if (name == u"translation") {
            message.type = xml.attributes().value(QStringLiteral("type")).toString();
            if (!numerus)
                message.translations = {xml.readElementText(QXmlStreamReader::IncludeChildElements)};
        } else if (name == u"numerusform")
            message.translations.append(xml.readElementText(QXmlStreamReader::IncludeChildElements));
    }
    if (xml.hasError())
        QTest::qFail(qPrintable(path + QStringLiteral(": ") + xml.errorString()), __FILE__, __LINE__);
    return messages;
}

// Placeholders as Qt's arg() and tr()'s plural see them: %1 to %99, %L1, %n.
QStringList Placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?(\\d{1,2}|n)"));
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found.append(it.next().captured(0));
    found.sort();
    return found;
}

// The mnemonic letters of a caption: '&' before a character, where "&&" is a
// plain ampersand and "&amp;" or "&#38;" an entity of a rich text.
QString Mnemonics(const QString &text)
{
    static const QRegularExpression entity(QStringLiteral("^&(#\\d+|[A-Za-z]+);"));
    QString letters;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] == u'&') {
            ++i;
            continue;
        }
        if (entity.match(QStringView(text).mid(i)).hasMatch() || text[i + 1].isSpace())
            continue;
        letters += text[i + 1].toLower();
    }
    return letters;
}

// Within one context (one window) and one disambiguation (a menu of its own
// in that window, say), no two translated captions share a mnemonic. (The
// English ones are checked on the windows themselves.)
QStringList Collisions(const QList<Message> &messages)
{
    QHash<QString, QHash<QChar, QString>> taken;
    QStringList faults;
    for (const Message &m : messages) {
        const QString text = m.translations.value(0);
        for (const QChar letter : Mnemonics(text)) {
            QString &other = taken[m.context + u'/' + m.comment][letter];
            if (!other.isEmpty())
                faults.append(QStringLiteral("%1: \"%2\" and \"%3\" share &%4").arg(m.context, other, text, letter));
            other = text;
        }
    }
    return faults;
}

void RemoveTranslators()
{
    for (QTranslator *t : QCoreApplication::instance()->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

    QTemporaryDir work;
    QList<Message> code; // the texts of the code as it is now

private slots:
    void initTestCase()
    {
        // The code's texts, extracted afresh the way update_translations does it.
        const QString extracted = work.filePath(QStringLiteral("code.ts"));
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(LUPDATE),
                      {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                       QStringLiteral("-I"), QStringLiteral(SOURCE_DIR),
                       QStringLiteral("@") + QStringLiteral(SOURCE_LIST), QStringLiteral("-ts"), extracted});
        QVERIFY2(lupdate.waitForFinished(120000), "lupdate did not finish");
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());
        code = ReadTs(extracted);
        QVERIFY2(code.size() > 50, "lupdate found next to none of the program's texts");
    }

    void languageIsComplete_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : QStringLiteral(LANGUAGES).split(QLatin1Char(',')))
            QTest::newRow(qPrintable(language)) << language;
    }

    void languageIsComplete()
    {
        QFETCH(QString, language);
        QString declared;
        const QList<Message> shipped =
            ReadTs(QStringLiteral(SOURCE_DIR "/translations/tocsimo_%1.ts").arg(language), &declared);
        QCOMPARE(declared, language);

        QStringList faults;
        QHash<QString, const Message *> byKey;
        for (const Message &m : shipped) {
            byKey.insert(Key(m), &m);
            const QString where = m.context + QStringLiteral(" \"") + m.source + QStringLiteral("\": ");
            if (m.type == u"obsolete" || m.type == u"vanished")
                faults.append(where + QStringLiteral("no longer in the code"));
            else if (m.type == u"unfinished" || m.translations.isEmpty() || m.translations.contains(QString()))
                faults.append(where + QStringLiteral("not translated"));
            for (const QString &t : m.translations) {
                if (Placeholders(t) != Placeholders(m.source))
                    faults.append(where + QStringLiteral("placeholders differ in \"") + t + u'"');
                if (Mnemonics(t).size() != Mnemonics(m.source).size())
                    faults.append(where + QStringLiteral("mnemonic missing or extra in \"") + t + u'"');
            }
        }
        QSet<QString> inCode;
        for (const Message &m : code) {
            inCode.insert(Key(m));
            if (!byKey.contains(Key(m)))
                faults.append(m.context + QStringLiteral(" \"") + m.source + QStringLiteral("\": missing"));
        }
        for (const Message &m : shipped)
            if (!inCode.contains(Key(m)) && m.type != u"obsolete" && m.type != u"vanished")
                faults.append(m.context + QStringLiteral(" \"") + m.source + QStringLiteral("\": no longer in the code"));
        faults += Collisions(shipped);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void desktopLanguageIsChosen_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("German") << QStringList{"de-DE"} << "de";
        QTest::newRow("Swiss French") << QStringList{"fr-CH", "fr"} << "fr";
        QTest::newRow("Brazilian") << QStringList{"pt-BR"} << "pt_BR";
        QTest::newRow("Simplified Chinese") << QStringList{"zh-CN"} << "zh_CN";
        QTest::newRow("not shipped, then Dutch") << QStringList{"eo", "fi-FI", "nl-NL"} << "nl";
        QTest::newRow("English first") << QStringList{"en-GB", "de-DE"} << "";
        QTest::newRow("Traditional Chinese") << QStringList{"zh-TW"} << "";
        QTest::newRow("C") << QStringList{"C"} << "";
        QTest::newRow("nothing") << QStringList{} << "";
    }

    void desktopLanguageIsChosen()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, chosen);
        RemoveTranslators();
        QCOMPARE(InstallTranslations(uiLanguages), chosen);
        // Qt's own texts follow, in the same language.
        const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
        QCOMPARE(cancel == QStringLiteral("Cancel"), chosen.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
