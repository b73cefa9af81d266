#pragma once

#include <QString>
#include <QStringList>

// Puts Tocsimo's own texts and Qt's (dialog buttons, the file dialog, the
// calendar) into the first language of uiLanguages, most wanted first as
// QLocale::uiLanguages() lists them, that Tocsimo ships. English, the
// language the texts are written in, ends the search, as does the end of the
// list; a language not shipped is passed over. Returns the language put in
// ("de", "pt_BR"...), or an empty string for English.
QString InstallTranslations(const QStringList &uiLanguages);
