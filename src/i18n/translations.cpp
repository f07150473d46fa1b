#include "i18n/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace mivo {

namespace {

bool Known(const QString& code) { return KnownLanguage(code.toStdString()); }

}  // namespace

QString SpokenLanguage(const QString& chosen) {
    if (Known(chosen)) return chosen;
    for (const QString& ui : QLocale::system().uiLanguages()) {
        const QString code = ui.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
        if (Known(code)) return code;
    }
    return QStringLiteral("en");
}

namespace {

constexpr const char* kInstalled = "mivo-translation";

// Loads `file` from the first of `folders` that has it.
bool LoadFirst(QTranslator& translator, const QString& file, const QStringList& folders) {
    for (const QString& folder : folders)
        if (translator.load(file, folder)) return true;
    return false;
}

// Loads `file` into a translator the application keeps.
bool Install(const QString& file, const QStringList& folders) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(kInstalled);
    if (LoadFirst(*translator, file, folders)) {
        QCoreApplication::installTranslator(translator);
        return true;
    }
    delete translator;
    return false;
}

// Where the program's translations are, for a program in `programDir`: installed beside it
// (bin/../share/mivo/translations), else in the build tree.
QStringList TranslationFolders(const QString& programDir) {
    return {QDir(programDir).filePath("../share/mivo/translations"),
            QStringLiteral(MIVO_BUILD_TRANSLATIONS)};
}

}  // namespace

bool InstallTranslations(const QString& language) {
    for (QTranslator* before : QCoreApplication::instance()->findChildren<QTranslator*>(
             kInstalled, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(before);
        delete before;
    }
    if (language == QLatin1String("en") || !Known(language)) return false;
    Install(QStringLiteral("qtbase_") + language,
            {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    return Install(QStringLiteral("mivo_") + language,
                   TranslationFolders(QCoreApplication::applicationDirPath()));
}

bool LoadProgramTranslation(QTranslator& translator, const QString& language,
                            const QString& programDir) {
    return LoadFirst(translator, QStringLiteral("mivo_") + language,
                     TranslationFolders(programDir));
}

}  // namespace mivo
