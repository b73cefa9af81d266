#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The program's own translations are compiled into it.
const QString ProgramTranslations = QStringLiteral(":/translations");

// Loads one translation file for the language, or nothing.
QTranslator *Load(const QLocale &language, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(language, name, QStringLiteral("_"), folder))
        return translator;
    delete translator;
    return nullptr;
}

} // namespace

QString InstallTranslations(const QStringList &uiLanguages)
{
    for (const QString &name : uiLanguages) {
        const QLocale language(name);
        // "C" and names Qt does not know come out as the C locale: not a choice.
        if (language.language() == QLocale::C)
            continue;
        if (language.language() == QLocale::English)
            return QString();
        QTranslator *own = Load(language, QStringLiteral("tocsimo"), ProgramTranslations);
        if (!own)
            continue;
        QCoreApplication::installTranslator(own);
        // Qt's texts in the same language, where Qt's translations are
        // installed; without them its dialogs stay English, which is no fault.
        if (QTranslator *qt = Load(language, QStringLiteral("qtbase"),
                                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        return own->language();
    }
    return QString();
}
