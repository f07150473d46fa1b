// Parameter files on disk: the 44-line content, names, the text conversion of an open and the
// initial values that follow it.
#include "parameters/parameter_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

namespace mivo {
namespace {

using test::Message;
using test::ReadBytes;
using test::ScriptedPrompter;
using test::TempDir;
using test::WriteBytes;

const Message kSaved{"notify", "Saved", "Save"};
const Message kComplete{"notify", "Complete", "Open"};

// Values as odd as a user or a controller may leave them.
ParameterTable OddTable() {
    ParameterTable t;
    t.setValue(0, "31");
    t.setValue(1, "");
    t.setValue(4, " -1.5");
    t.setValue(14, "6.0");
    t.setValue(22, "200.0");
    t.setValue(26, "45 ");
    t.setValue(40, "caf\xe9\x80\xff");
    t.setValue(42, "1,2;3");
    t.setValue(43, "x\r");
    return t;
}

// Lines "v1", "v2" ... each ended by `end`.
std::string Lines(int count, const std::string& end = "\r\n") {
    std::string out;
    for (int k = 1; k <= count; ++k) out += "v" + std::to_string(k) + end;
    return out;
}

TEST(ParameterFiles, RoundTripKeepsTextsAndTheRestOfTheMemory) {
    TempDir dir;
    const ParameterTable odd = OddTable();
    for (int filter : {PrmSavePrm, PrmSaveCsv}) {
        SCOPED_TRACE(filter);
        const std::string name = filter == PrmSavePrm ? "odd.prm" : "odd.csv";
        ScriptedPrompter p;
        ASSERT_TRUE(SaveParameterFile(odd, dir / name, filter, p));
        EXPECT_EQ(ReadBytes(dir / name), ParameterFileText(odd));

        ParameterTable back;
        back.setValue(PalletParameter(3, PalletX1), "10.00");  // not the file's
        back.setValue(OffsetParameter(5, 3), "1.50");
        const int open = filter == PrmSavePrm ? PrmOpenPrm : PrmOpenCsv;
        EXPECT_EQ(OpenParameterFile(back, dir / name, open, p), OpenOutcome::Completed);
        EXPECT_EQ(p.messages, (std::vector<Message>{kSaved, kComplete}));
        for (int n = 0; n < kEditableParameterCount; ++n)
            EXPECT_EQ(back.value(n), odd.value(n)) << n;
        EXPECT_EQ(back.value(PalletParameter(3, PalletX1)), "10.00");
        EXPECT_EQ(back.value(OffsetParameter(5, 3)), "1.50");
        EXPECT_EQ(back.initial(6), "100.00");  // robot 31's set follows the open

        ASSERT_TRUE(SaveParameterFile(back, dir / ("again-" + name), PrmSaveAll, p));
        EXPECT_EQ(ReadBytes(dir / ("again-" + name)), ReadBytes(dir / name));
    }
}

// A file of 44 lines or more is read, whatever its line ends; too short a file is refused
// (kind_files_test).
TEST(ParameterFiles, TextConversion) {
    struct Case {
        const char* what;
        std::string content;
        const char* value43;
    } cases[] = {
        {"44 lines", Lines(44), "v44"},
        {"LF only", Lines(44, "\n"), "v44"},
        {"no line end at the end", Lines(43) + "v44", "v44"},
        {"lines after the 44th ignored", Lines(44) + "v45\r\nv46", "v44"},
        {"an empty 44th line", Lines(43) + "\r\n", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ParameterTable t = OddTable();
        t.setValue(PalletParameter(0, PalletX1), "kept");
        const ParameterTable before = t;
        ScriptedPrompter p;
        EXPECT_TRUE(ConvertParameterText(t, c.content, p));
        EXPECT_TRUE(p.messages.empty());
        for (int n = 0; n < kEditableParameterCount; ++n) {
            const std::string read = n == 43 ? c.value43 : "v" + std::to_string(n + 1);
            EXPECT_EQ(t.value(n), ParameterHasName(n) ? read : "") << n;
            EXPECT_EQ(t.initial(n), before.initial(n)) << n;
        }
        EXPECT_EQ(t.value(PalletParameter(0, PalletX1)), "kept");
    }
}

}  // namespace
}  // namespace mivo
