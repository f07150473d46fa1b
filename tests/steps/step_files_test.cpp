// Step files: the .stp/.csv text, on disk and as read, and the ZEB data file's step lines.
#include "steps/step_files.h"

#include <gtest/gtest.h>

#include "steps/step_zeb.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

namespace mivo::test {
namespace {

using Messages = std::vector<Message>;
using Texts = std::vector<std::string>;

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
// byte-exact.
TEST(StepFiles, SaveAndOpenOnDisk) {
    TempDir dir;
    ScriptedPrompter p;
    ASSERT_TRUE(SaveStepFile(StepTable{}, dir / "prog", SaveStp, p));
    EXPECT_EQ(ReadBytes(dir / "prog.stp"), Repeat(",,,,,,,\r\n", 1000));
    StepTable t = FilledWith("old");
    EXPECT_EQ(OpenStepFile(t, dir / "prog", OpenStp, p), OpenOutcome::Completed);
    EXPECT_EQ(t, StepTable{});
    EXPECT_EQ(p.messages, (Messages{{"notify", "Saved", "Save"}, {"notify", "Completed", "Open"}}));

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

    // Another editor's UTF-8 is read as UTF-8 and saved in Windows-1252; a character that code
    // page cannot hold refuses the file, naming its line, the table as it was.
    const std::string utf8 = ",,,,,,,\xC3\x84 \xE2\x82\xAC \xC2\x81\r\n";
    WriteBytes(dir / "utf8.csv", utf8 + Repeat(",,,,,,,\r\n", 999));
    EXPECT_EQ(OpenStepFile(t, dir / "utf8.csv", OpenCsv, p), OpenOutcome::Completed);
    EXPECT_EQ(t[0][FieldComment], "\xC4 \x80 \x81");
    p.answers = {true};
    ASSERT_TRUE(SaveStepFile(t, dir / "utf8.csv", SaveCsv, p));
    EXPECT_EQ(ReadBytes(dir / "utf8.csv"),
              ",,,,,,,\xC4 \x80 \x81\r\n" + Repeat(",,,,,,,\r\n", 999));
    WriteBytes(dir / "omega.stp", utf8 + ",,,,,,,\xCE\xA9\r\n" + Repeat(",,,,,,,\r\n", 998));
    p.messages.clear();
    const StepTable before = t;
    EXPECT_EQ(OpenStepFile(t, dir / "omega.stp", OpenStp, p), OpenOutcome::NotRead);
    EXPECT_EQ(t, before);
    EXPECT_EQ(p.messages,
              (Messages{{"notify",
                         "Cannot read " + dir / "omega.stp" +
                             ": line 2 holds the character U+03A9, which Windows-1252 cannot hold",
                         "Open"}}));
}

TEST(StepFiles, TextConversionOfContent) {
    const std::string line = "POI,050,1,2,3,0,,c\r\n";
    // The content, whether read, the steps 0..steps-1 that hold `line`'s step, the rest empty
    // (-1: the table untouched), and what the notice's detail says was wrong.
    // clang-format off
    const std::tuple<const char*, std::string, bool, int, std::string> cases[] = {
        {"CR LF", Repeat(line, 1000), true, 1000, ""},
        {"LF only", Repeat("POI,050,1,2,3,0,,c\n", 1000), true, 1000, ""},
        {"no line end at the end", Repeat(line, 999) + "POI,050,1,2,3,0,,c", true, 1000, ""},
        {"empty lines beyond 1000", Repeat(line, 1000) + "\r\n\n", true, 1000, ""},
        {"a line beyond 1000", Repeat(line, 1000) + "\r\nlost\r\n", false, -1, "line 1002 of 1002 follows the last step line, a step file has 1000 lines: \"lost\""},
        {"999 lines", Repeat(line, 999), false, 999, "the file ends after line 999; a step file has 1000 lines"},
        {"five commas in line 5", Repeat(line, 4) + "POI,050,1,2,3,0\r\n" + Repeat(line, 995), false, 4, "line 5 of 1000 has 5 commas, a step line has at least 7: \"POI,050,1,2,3,0\""},
        {"empty file", "", false, 0, "the file is empty; a step file has 1000 lines"},
        {"binary-looking bytes", std::string(5000, '\xff'), false, 0, "line 1 of 1 has 0 commas, a step line has at least 7: \"" + std::string(60, '\xff') + "...\""},
    };
    // clang-format on
    StepRow expected;
    expected.fields = {"POI", "050", "1", "2", "3", "0", "", "c"};
    for (const auto& [what, content, completed, steps, detail] : cases) {
        SCOPED_TRACE(what);
        StepTable t = FilledWith("old");
        ScriptedPrompter p;
        EXPECT_EQ(ConvertStepText(t, content, p), completed);
        EXPECT_EQ(p.messages,
                  (completed ? Messages{} : Messages{{"notify", "File cannot be open", "Open"}}));
        EXPECT_EQ(p.details, detail.empty() ? Texts{} : Texts{detail});
        for (int s = 0; s < kStepCount; ++s)
            ASSERT_EQ(t[s], steps < 0   ? FilledWith("old")[s]
                            : s < steps ? expected
                                        : StepRow{})
                << "step " << s;
    }
}

const Message kOverstepping{
    "notify", "Because of overstepping of jump-to, subsequent files cannot be open", "Open"};
const Message kTooMany{"notify", "Steps over 1000 cannot be open", "Open"};

// A ZEB line with each text starting at its character position (counted from 1).
std::string Line(std::initializer_list<std::pair<std::size_t, std::string>> parts) {
    std::string line;
    for (const auto& [pos, text] : parts) {
        if (line.size() < pos - 1) line.resize(pos - 1, ' ');
        line.replace(pos - 1, text.size(), text);
    }
    return line;
}

// A ZEB file: `lines`, then 6-character lines up to line 1000, as the import needs them.
std::string Join(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) out += l + "\r\n";
    return out + Repeat("------\r\n", 1000 - static_cast<int>(lines.size()));
}

StepRow Seq(const std::string& op, const std::string& jump) {
    return StepRow{"SEQ", op, "", "", "", "", jump, ""};
}

std::string SeqLine(const std::string& op, const std::string& jump) {
    return Line({{1, "SEQ"}, {10, op}, {14, "J=" + jump + ","}});
}

const std::string kEmptyStep = "------";
const std::string kCir = Line({{1, "CIR"}, {8, "000"}, {12, "X=1:Y1=2:X2=3:Y2=4:X3=5:Y3=6:Z=7,"}});

TEST(StepZeb, OneLinePerCommandKind) {
    const std::string xyz = "X=  10.00:Y=  20.00:Z=   5.00,abc";
    // clang-format off
    const std::tuple<const char*, std::string, StepRow> cases[] = {
        {"POI code 0", Line({{1, "POI"}, {7, "050"}, {11, xyz}}), StepRow{"POI", "050", "  10.00", "  20.00", "   5.00", "  0.00", "", "abc"}},
        {"POI code 2, comment with separators", Line({{1, "POI"}, {7, "299"}, {11, "X=1:Y=2:Z=3,a:b,c"}}), StepRow{"POI", "299", "1", "2", "3", "  0.00", "", "a:b,c"}},
        {"POI code 0, closing comma beyond 40", Line({{1, "POI"}, {7, "000"}, {11, "X=1:Y=2:Z=3"}, {41, ",late"}}), StepRow{"POI", "000", "1", "2", "", "  0.00", "", ""}},
        {"POI code 0, one value only", Line({{1, "POI"}, {7, "000"}, {11, "X=1"}}), StepRow{"POI", "000", "", "", "", "  0.00", "", ""}},
        {"POI code 3", Line({{1, "POI"}, {7, "350"}, {11, "Zrise"}}), StepRow{"POI", "350", "", "", "", "", "", "rise"}},
        {"POI code 6", Line({{1, "POI"}, {7, "620"}, {11, "R=  90.0,turn"}}), StepRow{"POI", "620", "  0.00", "  0.00", "  0.00", "  90.0", "", "turn"}},
        {"POI code 6, comma beyond 20", Line({{1, "POI"}, {7, "620"}, {11, "R=  90.000,x"}}), StepRow{"POI", "620", "  0.00", "  0.00", "  0.00", "", "", ""}},
        {"POI code 7", Line({{1, "POI"}, {7, "700"}, {11, "X=1.0:Y=2.0:Z=3.0:R=4.0,abs"}}), StepRow{"POI", "700", "1.0", "2.0", "3.0", "4.0", "", "abs"}},
        {"POI code 8, comma past 40", Line({{1, "POI"}, {7, "800"}, {11, "X=10.000:Y=20.000:Z=30.000:R=4.000,rel"}}), StepRow{"POI", "800", "10.000", "20.000", "30.000", "4.000", "", "rel"}},
        {"POI, no digit", Line({{1, "POI"}, {7, "A00"}, {11, xyz}}), StepRow{"POI", "A00", "", "", "", "", "", ""}},
        {"LIN code 0", Line({{1, "LIN"}, {6, "010"}, {10, xyz}}), StepRow{"LIN", "010", "  10.00", "  20.00", "   5.00", "  0.00", "", "abc"}},
        {"LIN code 1", Line({{1, "LIN"}, {6, "150"}, {10, xyz}}), StepRow{"LIN", "150", "", "", "", "", "", "abc"}},
        {"LIN code 2", Line({{1, "LIN"}, {6, "200"}, {10, "Xend"}}), StepRow{"LIN", "200", "", "", "", "", "", "end"}},
        {"LIN code 4", Line({{1, "LIN"}, {6, "400"}, {10, "X=1:Y=2:Z=3:R=4,xyr"}}), StepRow{"LIN", "400", "1", "2", "3", "4", "", "xyr"}},
        {"SEQ 903", Line({{1, "SEQ"}, {10, "903"}, {13, "J=  25,call"}}), StepRow{"SEQ", "903", "", "", "", "", "  25", "call"}},
        {"SEQ 917", Line({{1, "SEQ"}, {10, "917"}, {15, "back"}}), StepRow{"SEQ", "917", "", "", "", "", "", "back"}},
        {"SEQ 203", Line({{1, "SEQ"}, {10, "203"}, {14, "Xout"}}), StepRow{"SEQ", "203", "", "", "", "", "", "out"}},
        {"SEQ 612", SeqLine("612", "40"), Seq("612", "40")},
        {"SEQ 920", SeqLine("920", "3"), Seq("920", "")},
        {"PAL", Line({{1, "PAL"}, {13, "019"}, {18, "pallet"}}), StepRow{"PAL", "019", "", "", "", "", "", "pallet"}},
        {"END", Line({{1, "END"}, {5, "100"}, {10, "done"}}), StepRow{"END", "100", "", "", "", "", "", "done"}},
        {"other", Line({{1, "NOP"}, {7, "note"}}), StepRow{"", "", "", "", "", "", "", "note"}},
        {"empty line", "", StepRow{}},
        {"short POI", "PO", StepRow{"POI", "", "", "", "", "", "", ""}},
        {"lower case is other", Line({{1, "poi"}, {7, "050"}}), StepRow{"", "", "", "", "", "", "", "050"}},
    };
    // clang-format on
    for (const auto& [what, line, row] : cases) {
        SCOPED_TRACE(what);
        StepTable t;
        t[1][FieldComment] = "old";
        ScriptedPrompter p;
        EXPECT_TRUE(ConvertZebSteps(t, Join({line, kEmptyStep}), p));
        EXPECT_TRUE(p.messages.empty());
        EXPECT_EQ(t[0], row);
        EXPECT_TRUE(t[1].empty());
    }
}

// A CIR line gives two rows; every jump to a step after the pair moves with it.
TEST(StepZeb, CircleLineGivesPairAndJumpsMoveBehindIt) {
    const std::string arc =
        Line({{1, "CIR"}, {8, "050"}, {12, "X=1.0:Y1=2.0:X2=3.0:Y2=4.0:X3=5.0:Y3=6.0:Z=7.0,arc"}});
    // ZEB steps: 0 SEQ->5, 1 SEQ->1, 2 CIR, 3 SEQ->3, 4 SEQ->2, 5 CIR, 6 SEQ->6, 7 SEQ->ab, 8 END.
    const std::string content = Join(
        {SeqLine("800", "5"), SeqLine("800", "1"), arc, SeqLine("800", "3"), SeqLine("612", "2"),
         kCir, SeqLine("712", " 6 "), SeqLine("800", "ab"), Line({{1, "END"}, {5, "000"}})});
    StepTable t;
    ScriptedPrompter p;
    ASSERT_TRUE(ConvertZebSteps(t, content, p));
    EXPECT_TRUE(p.messages.empty());
    // Each jump still reaches the same instruction: the CIR pairs are at steps 2-3 and 6-7.
    // clang-format off
    const StepRow expected[] = {
        Seq("800", "6"), Seq("800", "1"), {"CIR", "050", "1.0", "2.0", "7.0", "", "", "arc"},
        {"CIR", "050", "3.0", "4.0", "5.0", "6.0", "", ""}, Seq("800", "4"), Seq("612", "2"),
        {"CIR", "000", "1", "2", "7", "", "", ""}, {"CIR", "000", "3", "4", "5", "6", "", ""},
        Seq("712", "8"), Seq("800", "ab"), {"END", "000", "", "", "", "", "", ""}};
    // clang-format on
    for (int s = 0; s < 11; ++s) EXPECT_EQ(t[s], expected[s]) << s;
}

// A jump pushed past step 999 by the pairs before it clears from its row on; lines that did not
// fit are checked for a real step lost.
TEST(StepZeb, OversteppingJumpsAndLinesThatDidNotFit) {
    const std::string end = Line({{1, "END"}, {5, "000"}, {10, "end"}});
    auto lines = [&](std::vector<std::string> head, std::size_t total, std::string last) {
        while (head.size() < total - 1) head.push_back(kEmptyStep);
        head.push_back(std::move(last));
        return head;
    };
    std::vector<std::string> withParameters = lines({kCir}, 1000, kEmptyStep);
    withParameters.push_back("P0000 parameter lines of other lengths");
    // The lines, the refusal (nullptr: completed), step 999's Command, and the steps before which
    // keep their contents, the rest empty (-1: not checked).
    // clang-format off
    const std::tuple<const char*, Texts, const Message*, std::string, int> cases[] = {
        {"jump after the pair", {kCir, SeqLine("800", "998"), SeqLine("800", "999")}, &kOverstepping, "", 3},
        {"jump before the pair", {SeqLine("800", "999"), kCir}, &kOverstepping, "", 0},
        {"pushed over by the second pair", {kCir, SeqLine("800", "998"), kCir}, &kOverstepping, "", 2},
        {"1000 one-row steps", lines({}, 1000, end), nullptr, "END", -1},
        {"a pair pushes a real step out", lines({kCir}, 1000, end), &kTooMany, "", -1},
        {"a pair pushes an empty step out", lines({kCir}, 1000, kEmptyStep), nullptr, "", -1},
        {"lines from 1001 on are not steps", withParameters, nullptr, "", -1},
        {"a pair with no room for its second row", lines({}, 1000, kCir), &kTooMany, "", -1},
        {"a short file", {kCir, end}, nullptr, "", -1},
        {"an empty file", {}, nullptr, "", -1},
    };
    // clang-format on
    for (const auto& [what, lines, refused, lastCommand, keptSteps] : cases) {
        SCOPED_TRACE(what);
        StepTable t;
        ScriptedPrompter p;
        EXPECT_EQ(ConvertZebSteps(t, Join(lines), p), !refused);
        EXPECT_EQ(p.messages, refused ? Messages{*refused} : Messages{});
        EXPECT_EQ(t[999][FieldCommand], lastCommand);
        if (keptSteps < 0) continue;
        for (int s = 0; s < kStepCount; ++s)
            EXPECT_EQ(t[s].empty(), s >= keptSteps || t[s][FieldCommand].empty()) << s;
        EXPECT_EQ(t[0][FieldCommand], keptSteps > 0 ? "CIR" : "");
    }
}

}  // namespace
}  // namespace mivo::test
