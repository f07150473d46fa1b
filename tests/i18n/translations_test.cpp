// The windows speak the language installed, from the translations the build made; English, the
// source language, stays as written.
#include "i18n/translations.h"

#include <QMenuBar>

#include "shell/shell_fixture.h"

namespace mivo::test {
namespace {

class Translations : public ShellFixture {
  protected:
    void TearDown() override { InstallTranslations("en"); }
    // The step editor's menu titles, made anew in the language installed now.
    QStringList stepMenus() {
        set.reset();
        set = createScreens(screens, &prompter);
        QStringList titles;
        for (QAction* a : screens.tmmain->menuBar()->actions()) titles << a->text();
        return titles;
    }
};

TEST_F(Translations, TheMenusSpeakTheLanguageInstalledAndEnglishStaysAsWritten) {
    const QStringList english = {"&File", "&Edit", "&Communication", "&Display", "&Help"};
    struct Case {
        const char* language;
        bool found;
        QStringList menus;
    };
    const Case cases[] = {
        {"de", true, {"&Datei", "&Bearbeiten", "&Kommunikation", "&Anzeige", "&Hilfe"}},
        {"ja", true, {"ファイル(&F)", "編集(&E)", "通信(&C)", "表示(&D)", "ヘルプ(&H)"}},
        {"en", false, english},
        {"fr", false, english},  // none: English
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        EXPECT_EQ(InstallTranslations(c.language), c.found);
        EXPECT_EQ(stepMenus(), c.menus);
    }
    // A language chosen is spoken; one not known leaves the system's, which is one known.
    EXPECT_EQ(SpokenLanguage("ja"), "ja");
    EXPECT_TRUE(KnownLanguage(SpokenLanguage("fr").toStdString()));
}

}  // namespace
}  // namespace mivo::test
