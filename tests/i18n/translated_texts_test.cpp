// Texts written in English where they are said show in the user's language where they are shown,
// a text filled with values as its translation filled with the same values.
#include "i18n/translated_texts.h"

#include <gtest/gtest.h>

#include "common/said_text.h"
#include "i18n/translations.h"
#include "pallets/pallet_data.h"
#include "parameters/parameter_catalogue.h"
#include "parameters/parameter_files.h"
#include "steps/program_initialize.h"
#include "steps/step_files.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

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

// Why a file cannot be opened is put together from pieces (the file's name, the line, the
// refusal of its value), each translated: the detail reads whole in the user's language.
TEST(TranslatedTexts, AFilesFaultReadsWholeInTheLanguageInstalled) {
    const test::TempDir dir;
    std::string params;
    for (int n = 0; n < kEditableParameterCount; ++n) params += n == 0 ? "123456789\r\n" : "1\r\n";
    test::WriteBytes(dir / "long.prm", params);
    test::WriteBytes(dir / "over.stp", std::string(1000, '\n') + "x\n");
    test::WriteBytes(dir / "short.stp", ",,,,,,,\na,b\n");
    test::WriteBytes(dir / "short.crd", "1\n");
    const auto detail = [&dir](const std::string& name) {
        test::ScriptedPrompter p;
        if (name == "long.prm") {
            ParameterTable table;
            OpenParameterFile(table, dir / name, PrmOpenPrm, p);
        } else if (name == "short.crd") {
            PalletData pallet;
            pallet.number = "3";
            OpenPalletFile(pallet, dir / name, PltOpenCrd, p);
        } else {
            StepTable table;
            OpenStepFile(table, dir / name, 1, p);
        }
        return p.details.empty() ? std::string() : p.details.back();
    };
    const std::string name = ParameterCatalogue(0).name;
    const std::string length = std::to_string(ValueLength(0));
    struct Case {
        const char* file;
        std::string english, german, japanese;  // after the file's name and ": "
    };
    const Case cases[] = {
        {"long.prm", "line 1: " + name + " holds at most " + length + " characters",
         "Zeile 1: " + name + " fasst höchstens " + length + " Zeichen",
         "1 行目：" + name + " は " + length + " 文字までです"},
        {"over.stp",
         "line 1001 of 1001 follows the last step line, a step file has 1000 lines: \"x\"",
         "Zeile 1001 von 1001 folgt auf die letzte Schrittzeile, eine Schrittdatei hat 1000 "
         "Zeilen: \"x\"",
         "1001 行中の 1001 行目が最後のステップの行の後にあります。ステップファイルは 1000 行です："
         "\"x\""},
        {"short.stp", "line 2 of 2 has 1 comma, a step line has at least 7: \"a,b\"",
         "Zeile 2 von 2 hat 1 Komma, eine Schrittzeile hat mindestens 7: \"a,b\"",
         "2 行中の 2 行目にはカンマが 1 個しかありません。ステップの行には 7 つ以上必要です："
         "\"a,b\""},
        {"short.crd", "the file has 1 line; pallet No. 3 stands in lines 1062 to 1072",
         "die Datei hat 1 Zeile; Palette Nr. 3 steht in den Zeilen 1062 bis 1072",
         "ファイルは 1 行です。パレット No. 3 は 1062 ～ 1072 行目にあります"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string said = detail(c.file);
        const std::string named = dir / c.file;
        EXPECT_EQ(said, named + ": " + c.english);
        for (const auto& [language, shown] :
             {std::pair("en", named + ": " + c.english), std::pair("de", named + ": " + c.german),
              std::pair("ja", named + "：" + c.japanese)}) {
            InstallTranslations(language);
            EXPECT_EQ(MessageText(said, SaidBytes::Utf8).toStdString(), shown) << language;
        }
    }
}

}  // namespace
}  // namespace mivo
