#include "i18n/console_texts.h"

#include <QFileInfo>
#include <QTranslator>
#include <memory>

#include "common/said_text.h"
#include "i18n/languages.h"
#include "i18n/translations.h"

namespace mivo {

namespace {

std::unique_ptr<QTranslator>& Spoken() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

// The translation of `english` in context "Message", empty when there is none.
QString Translated(const std::string& english) {
    const QString t = Spoken()->translate("Message", english.c_str());
    return t == QString::fromUtf8(english) ? QString() : t;
}

}  // namespace

bool SpeakOnConsole(const QString& language) {
    Spoken().reset();
    if (language == QLatin1String("en") || !KnownLanguage(language.toStdString())) return false;
    auto translator = std::make_unique<QTranslator>();
    // The program's folder: there is no application to ask.
    const QString programDir = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    if (!LoadProgramTranslation(*translator, language, programDir)) return false;
    Spoken() = std::move(translator);
    return true;
}

std::string OnConsole(const std::string& english) {
    if (!Spoken()) return english;
    // The bytes as they came; the translations in the locale's encoding.
    const TextIn asIs = [](const std::string& said) { return said; };
    const TextIn translate = [](const std::string& text) {
        return Translated(text).toLocal8Bit().toStdString();
    };
    return ShownAs(english, asIs, translate);
}

}  // namespace mivo
