#include "steps/step_files.h"

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

std::string Repeat(const std::string& line, int count) {
    std::string out;
    for (int i = 0; i < count; ++i) out += line;
    return out;
}

// Every kind of step, odd bytes and every separator a Comment may hold included, spread over
// the whole table.
StepTable MixedTable() {
    StepTable t;
    t[0] = {"POI", "050", "10.00", "20.00", "5.00", "0", "", "abc"};
    t[1] = {"LIN", "400", "1", "-2.5", "0", "  90.0", "", "r move"};
    t[2] = {"CIR", "000", "0", "0", "3", "", "", "arc, with, commas"};
    t[3] = {"CIR", "000", "5", "5", "10", "0", "", "arc, with, commas"};
    t[4] = {"SEQ", "203", "", "", "", "", "", ""};
    t[5] = {"SEQ", "800", "", "", "", "", "25", ",,,"};
    t[6] = {"PAL", "019", "", "", "", "", "", "caf\xe9 \x80\xff"};
    t[7] = {"POI", " 050 ", "12.5", "", "", "", "", "a,b,,c,"};
    t[500] = {"SEQ", "916", "", "", "", "", "999", "   "};
    t[998] = {"POI", "500", "", "", "", "", "", std::string(128, 'c')};
    t[999] = {"END", "200", "", "", "", "", "", "last\r"};
    return t;
}

StepTable FilledWith(const std::string& text) {
    StepTable t;
    for (int s = 0; s < kStepCount; ++s) t[s][FieldComment] = text;
    return t;
}

// On disk: an empty table is seven commas a line and reopens empty, a mixed one comes back
// byte-exact, and a file that ends early stops the open with the lines so far.
TEST(StepFiles, SaveAndOpenOnDisk) {
    TempDir dir;
    ScriptedPrompter p;
    ASSERT_TRUE(SaveStepFile(StepTable{}, dir / "prog", SaveStp, p));
    EXPECT_EQ(ReadBytes(dir / "prog.stp"), Repeat(",,,,,,,\r\n", 1000));
    StepTable t = FilledWith("old");
    EXPECT_EQ(OpenStepFile(t, dir / "prog", OpenStp, p), OpenOutcome::Completed);
    EXPECT_EQ(t, StepTable{});
    EXPECT_EQ(p.messages,
              (std::vector<Message>{{"notify", "Saved", "Save"}, {"notify", "Completed", "Open"}}));

    const StepTable table = MixedTable();
    ASSERT_TRUE(SaveStepFile(table, dir / "mixed.stp", SaveStp, p));
    const std::string bytes = ReadBytes(dir / "mixed.stp");
    EXPECT_EQ(bytes.substr(0, 33), "POI,050,10.00,20.00,5.00,0,,abc\r\n");
    EXPECT_NE(bytes.find("\r\nCIR,000,0,0,3,,,arc, with, commas\r\n"), std::string::npos);
    const std::string tail = "END,200,,,,,,last\r\r\n";
    EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);
    t = FilledWith("x");
    EXPECT_EQ(OpenStepFile(t, dir / "mixed.stp", OpenStp, p), OpenOutcome::Completed);
    EXPECT_EQ(t, table);
    ASSERT_TRUE(SaveStepFile(t, dir / "again", SaveStp, p));
    EXPECT_EQ(ReadBytes(dir / "again.stp"), bytes);
    EXPECT_EQ(StepFileLines(table)[5], "SEQ,800,,,,,25,,,,");

    WriteBytes(dir / "short.stp", Repeat("END,000,,,,,,e\r\n", 999));
    EXPECT_EQ(OpenStepFile(t, dir / "short", OpenStp, p), OpenOutcome::Stopped);
    EXPECT_EQ(t[998][FieldComment], "e");
}

TEST(StepFiles, TextConversionOfContent) {
    const std::string line = "POI,050,1,2,3,0,,c\r\n";
    struct Case {
        const char* what;
        std::string content;
        bool completed;
        int steps;           // steps 0..steps-1 hold `line`'s step, the rest are empty
        std::string detail;  // what the notice's detail says was wrong
        // clang-format off
    } cases[] = {
        {"CR LF", Repeat(line, 1000), true, 1000, ""},
        {"LF only", Repeat("POI,050,1,2,3,0,,c\n", 1000), true, 1000, ""},
        {"no line end at the end", Repeat(line, 999) + "POI,050,1,2,3,0,,c", true, 1000, ""},
        {"lines beyond 1000 ignored", Repeat(line, 1000) + "junk\r\n", true, 1000, ""},
        {"999 lines", Repeat(line, 999), false, 999, "the file ends after line 999; a step file has 1000 lines"},
        {"five commas in line 5", Repeat(line, 4) + "POI,050,1,2,3,0\r\n" + Repeat(line, 995), false, 4, "line 5 of 1000 has 5 commas, a step line has at least 7: \"POI,050,1,2,3,0\""},
        {"empty file", "", false, 0, "the file is empty; a step file has 1000 lines"},
        {"binary-looking bytes", std::string(5000, '\xff'), false, 0, "line 1 of 1 has 0 commas, a step line has at least 7: \"" + std::string(60, '\xff') + "...\""},
    };
    // clang-format on
    StepRow expected;
    expected.fields = {"POI", "050", "1", "2", "3", "0", "", "c"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StepTable t = FilledWith("old");
        ScriptedPrompter p;
        EXPECT_EQ(ConvertStepText(t, c.content, p), c.completed);
        EXPECT_EQ(p.messages,
                  (c.completed ? std::vector<Message>{}
                               : std::vector<Message>{{"notify", "File cannot be open", "Open"}}));
        EXPECT_EQ(p.details, c.detail.empty() ? std::vector<std::string>{}
                                              : std::vector<std::string>{c.detail});
        for (int s = 0; s < kStepCount; ++s)
            ASSERT_EQ(t[s], s < c.steps ? expected : StepRow{}) << "step " << s;
    }
}

}  // namespace
}  // namespace mivo
