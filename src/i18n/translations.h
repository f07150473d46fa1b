#pragma once
// The languages the programs speak: English, their own, and the translations of their texts.
// The language is the one chosen (`--lang`, or the editor's Settings), else the system's; Qt's
// own translations (its standard dialogs) come with the program's.
#include <QString>
#include <QTranslator>

#include "i18n/languages.h"

namespace mivo {

// The language to speak: `chosen` when it is known, else the first of the system's UI languages
// that is ("de_DE" speaks "de"), else English.
QString SpokenLanguage(const QString& chosen);

// Installs into the application Qt's own translations and the program's for `language`, in place
// of those installed before; none for English. False when the program's are not found (it speaks
// English then). Windows made before keep their texts.
bool InstallTranslations(const QString& language);

// Loads into `translator` the program's translations for `language`, found as
// InstallTranslations finds them for a program in `programDir`.
bool LoadProgramTranslation(QTranslator& translator, const QString& language,
                            const QString& programDir);

}  // namespace mivo
