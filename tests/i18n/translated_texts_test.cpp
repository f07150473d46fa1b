// Texts written in English where they are said show in the user's language where they are shown,
// a text filled with values as its translation filled with the same values.
#include "i18n/translated_texts.h"

#include <gtest/gtest.h>

#include "common/said_text.h"
#include "i18n/translations.h"
#include "steps/program_initialize.h"

namespace mivo {
namespace {

TEST(SaidText, FilledPutsEachValueInItsPlaceOnce) {
    struct Case {
        const char* english;
        std::initializer_list<std::string> values;
        const char* said;
    };
    const Case cases[] = {
        {"PGM %1 will be started.  OK?", {"3"}, "PGM 3 will be started.  OK?"},
        {"%2 of %1", {"a", "b"}, "b of a"},
        {"%1 left as it is", {"%2"}, "%2 left as it is"},  // a value is not filled again
        {"%3 has no value, 100% stays", {"x"}, "%3 has no value, 100% stays"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.english);
        const std::string said = Filled(c.english, c.values);
        EXPECT_EQ(said, c.said);
        ASSERT_TRUE(HowFilled(said));
        EXPECT_EQ(HowFilled(said)->english, c.english);
    }
    EXPECT_FALSE(HowFilled("never filled"));
}

TEST(TranslatedTexts, AMessageShowsInTheLanguageInstalledWithItsValues) {
    struct Case {
        const char* language;
        const char* question;  // PGM 12's start
        const char* settings;  // a fixed caption
    };
    const Case cases[] = {
        {"de", "PGM 12 wird gestartet. OK?", "Einstellungen"},
        {"ja", "PGM 12 を起動します。よろしいですか？", "設定"},
        {"en", "PGM 12 will be started.  OK?", "Settings"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        InstallTranslations(c.language);
        EXPECT_EQ(MessageText(StepStartQuestion("12")), QString::fromUtf8(c.question));
        EXPECT_EQ(MessageText("Settings"), QString::fromUtf8(c.settings));
        // The controller's line or a file name is shown as it came.
        EXPECT_EQ(MessageText("41:Stopped"), "41:Stopped");
    }
}

}  // namespace
}  // namespace mivo
