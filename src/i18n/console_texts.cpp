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
    for (const QString& folder : TranslationFolders(programDir))
        if (translator->load(QStringLiteral("mivo_") + language, folder)) {
            Spoken() = std::move(translator);
            return true;
        }
    return false;
}

std::string OnConsole(const std::string& english) {
    if (!Spoken() || english.empty()) return english;
    if (const QString t = Translated(english); !t.isEmpty()) return t.toLocal8Bit().toStdString();
    // Filled: the template translated, the values put in as they came.
    const std::optional<FilledText> how = HowFilled(english);
    if (!how) return english;
    const QString t = Translated(how->english);
    if (t.isEmpty()) return english;
    const std::string shown = t.toLocal8Bit().toStdString();
    std::string filled;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const int n = i + 1 < shown.size() && shown[i] == '%' ? shown[i + 1] - '0' : -1;
        if (n >= 1 && n <= 9 && static_cast<std::size_t>(n) <= how->values.size()) {
            filled += how->values[static_cast<std::size_t>(n - 1)];
            ++i;
        } else {
            filled += shown[i];
        }
    }
    return filled;
}

}  // namespace mivo
