// The step rules the command-entry dialog, the edits and the program check share, and the
// program check.
#include "steps/step_rules.h"

#include <gtest/gtest.h>

#include "common/convert.h"
#include "steps/program_check.h"
#include "steps/step_range.h"

namespace mivo {

inline void PrintTo(const Finding& f, std::ostream* os) { *os << FindingLine(f); }

namespace {

using Texts = std::vector<std::string>;
using ::testing::PrintToString;

StepValues Values(const char* command, const char* code, const char* value, const char* x = "",
                  const char* y = "", const char* z = "", const char* r = "",
                  const char* jump = "") {
    StepValues v;
    v.command = command, v.code = code, v.value = value;
    v.x = x, v.y = y, v.z = z, v.r = r, v.jump = jump;
    return v;
}

}  // namespace

// Dialog values -> stored row -> values read back, for every command and code.
TEST(StepRules, WriteAndReadBackEveryCommand) {
    // The values, the row stored (its Comment "note"), the value read back.
    // clang-format off
    std::vector<std::tuple<StepValues, StepRow, const char*>> cases = {
        {Values("POI", "0", "5", "10.00", "20.00", "5.00"), {"POI", "005", "10.00", "20.00", "5.00", "0"}, "5"},
        {Values("POI", "3", "20"), {"POI", "320"}, "20"},
        {Values("POI", "5", "37"), {"POI", "500"}, "100"},
        {Values("POI", "6", "10", "", "", "", "90.0"), {"POI", "610", "0", "0", "0", "90.0"}, "10"},
        {Values("POI", "8", "1", "-1", "2", "3"), {"POI", "801", "-1", "2", "3", "0"}, "1"},
        {Values("LIN", "0", "100", "1", "2", "3"), {"LIN", "000", "1", "2", "3", "0"}, "100"},
        {Values("LIN", "1", "30"), {"LIN", "130"}, "30"},
        {Values("LIN", "4", "40", "1", "2", "", "45"), {"LIN", "440", "1", "2", "0", "45"}, "40"},
        {Values("PAL", "0", "19"), {"PAL", "019"}, "19"},
        {Values("SEQ", "2", "3"), {"SEQ", "203"}, "3"},
        {Values("SEQ", "4", "100"), {"SEQ", "400"}, "100"},
        {Values("SEQ", "6", "2", "", "", "", "", "40"), {"SEQ", "602", "", "", "", "", "40"}, "2"},
        {Values("SEQ", "8", "0", "", "", "", "", "25"), {"SEQ", "800", "", "", "", "", "25"}, "0"},
        {Values("SEQ", "900", "5", "", "", "", "", "7"), {"SEQ", "905", "", "", "", "", "7"}, "5"},
        {Values("SEQ", "916", "0", "", "", "", "", "8"), {"SEQ", "916", "", "", "", "", "8"}, "0"},
        {Values("SEQ", "917", "0"), {"SEQ", "917"}, "0"},
        {Values("END", "2", "100"), {"END", "200"}, "100"},
    };
    // clang-format on
    for (auto& [in, row, valueBack] : cases) {
        SCOPED_TRACE(in.command + " " + in.code);
        in.comment = row[FieldComment] = "note";
        StepTable t;
        t[3] = {"X", "Y", "Z", "W", "V", "U", "T", "S"};  // overwritten completely
        WriteStep(t, 3, in, {});
        EXPECT_EQ(t[3], row);
        const StepValues back = ReadStep(t, 3);
        EXPECT_EQ(Texts({back.command, back.code, back.value, back.comment}),
                  Texts({in.command, in.code, valueBack, "note"}));
    }
}

TEST(StepRules, ReadingDecodesStoredTexts) {
    StepTable t;
    t[0] = {"poi", "000", "1", "2", "3", "0"};
    t[1] = {"SEQ", "920", "", "", "", "", "5"};  // port 20 reads back as 0
    t[2] = {"ABC", "x", "1"};
    t[3] = {"SEQ", "016"};
    StepValues v = ReadStep(t, 0);
    EXPECT_EQ(Texts({v.command, v.code, v.value, v.x, v.y, v.z}),
              Texts({"POI", "0", "100", "1", "2", "3"}));
    EXPECT_EQ(t[0][FieldCommand], "poi");  // the table as it was
    v = ReadStep(t, 1);
    EXPECT_EQ(Texts({v.code, v.value, v.jump}), Texts({"900", "0", "5"}));
    v = ReadStep(t, 2);  // read as "POI 000"
    EXPECT_EQ(Texts({v.command, v.value}), Texts({"POI", "100"}));
    EXPECT_EQ(ReadStep(t, 3).value, "0");
}

TEST(StepRules, NormalisingTheValue) {
    const std::pair<const char*, const char*> cases[] = {
        {"5", "05"}, {"0", "00"}, {"00", "00"}, {"100", "00"}, {"42", "42"}};
    for (const auto& [in, out] : cases) EXPECT_EQ(NormaliseValue(in), out) << in;
    StepTable t;
    t[1] = {"END", "000"};
    const StepTable before = t;
    EXPECT_THROW(WriteStep(t, 1, Values("POI", "0", "abc"), {}), ConversionError);
    EXPECT_EQ(t, before);
}

// The files and the transfers separate fields with commas and steps with line ends: a comma, CR,
// LF or NUL is refused outside the Comment, which takes the rest of its line and refuses only LF
// and NUL. The message names the box or column.
TEST(StepRules, FieldSeparatorsAreRefusedOutsideTheComment) {
    // The field, its box or column, the text, the refusal ("": accepted).
    // clang-format off
    const std::tuple<int, const char*, std::string, const char*> cases[] = {
        {FieldCommand, "Command", "POI,", "A comma cannot be inputted in Command"},
        {FieldOperation, "Rate(%)", " 050 ", ""},
        {FieldX, "X", "12,5", "A comma cannot be inputted in X"},
        {FieldX, "X", "12.5", ""},
        {FieldY, "Y", "1\r2", "A line break cannot be inputted in Y"},
        {FieldZ, "Z", "3\n", "A line break cannot be inputted in Z"},
        {FieldR, "R", std::string("4\0", 2), "A NUL character cannot be inputted in R"},
        {FieldJump, "Jump-to", "1,2", "A comma cannot be inputted in Jump-to"},
        {FieldComment, "Comment", "a,b,,c,", ""},
        {FieldComment, "Comment", "last\r", ""},
        {FieldComment, "Comment", "caf\xe9 \x80", ""},
        {FieldComment, "Comment", "a\nb", "A line break cannot be inputted in Comment"},
        {FieldComment, "Comment", std::string("a\0b", 3), "A NUL character cannot be inputted in Comment"},
    };
    // clang-format on
    for (const auto& [field, name, text, refusal] : cases)
        EXPECT_EQ(RefusedFieldText(field, text, name), refusal)
            << name << " " << PrintToString(text);
}

TEST(StepRules, CirclePairsWriteTwoRows) {
    StepValues c = Values("CIR", "0", "100", "1", "2", "3");
    c.x2 = "4", c.y2 = "5", c.x3 = "6", c.y3 = "7";
    c.comment = "arc";
    StepTable t;
    t[11] = {"POI", "000", "9", "9", "9", "0"};
    WriteStep(t, 10, c, {});
    EXPECT_EQ(t[10], (StepRow{"CIR", "000", "1", "2", "3", "", "", "arc"}));
    EXPECT_EQ(t[11], (StepRow{"CIR", "000", "4", "5", "6", "7", "", "arc"}));
    EXPECT_TRUE(IsSecondCircleRow(t, 11));
    EXPECT_FALSE(IsSecondCircleRow(t, 10));

    // Opening the second row reads the whole pair; confirming rewrites the same two rows.
    CircleFlags flags;
    StepValues back = ReadStep(t, 11, &flags);
    EXPECT_TRUE(flags.secondRowChosen && flags.wasCircle);
    EXPECT_EQ(back.x + back.y + back.z + back.x2 + back.y2 + back.x3 + back.y3, "1234567");
    EXPECT_EQ(back.comment, "arc");
    back.x = "8";
    WriteStep(t, 11, back, flags);
    EXPECT_EQ(t[10][FieldX], "8");
    EXPECT_EQ(t[11][FieldR], "7");
    EXPECT_TRUE(t[12].empty());

    // A pair replaced by a point clears both old rows.
    CircleFlags f2;
    ReadStep(t, 10, &f2);
    WriteStep(t, 10, Values("END", "0", "100"), f2);
    EXPECT_EQ(t[10][FieldCommand], "END");
    EXPECT_TRUE(t[11].empty());

    // No circle starts at the last step, where its second row would be lost; a pair ending there
    // is whole.
    const std::string refused = "A circle takes two steps: it cannot start at step 999";
    EXPECT_EQ(CircleRefusal(998, c, {}), "");
    EXPECT_EQ(CircleRefusal(999, c, {}), refused);
    EXPECT_EQ(CircleRefusal(999, c, {.wasCircle = true}), refused);
    EXPECT_EQ(CircleRefusal(999, c, {.secondRowChosen = true, .wasCircle = true}), "");
    StepValues point = c;
    point.command = "POI";
    EXPECT_EQ(CircleRefusal(999, point, {}), "");
}

// Send selected's spans: in step order, those that overlap or touch as one, each step once.
TEST(StepRules, SpansJoinInStepOrder) {
    using Spans = std::vector<StepRange>;
    const std::vector<std::pair<Spans, Spans>> cases = {
        {{}, {}},
        {{{7, 8}, {1, 2}}, {{1, 2}, {7, 8}}},
        {{{4, 9}, {1, 5}, {6, 6}}, {{1, 9}}},
        {{{1, 2}, {3, 3}, {5, 6}}, {{1, 3}, {5, 6}}},
        {{{2, 9}, {3, 4}}, {{2, 9}}},
    };
    for (const auto& [spans, merged] : cases) EXPECT_EQ(MergedSpans(spans), merged);
    EXPECT_EQ(SpanSteps({{1, 3}, {5, 6}}), 5);
}

// The first refusal of a step's values, by command and operation (the dialog shows the same).
TEST(StepValueRules, FirstRefusal) {
    const auto point = [](const char* v, const char* x = "1") {
        return StepValues{"POI", "0", v, x, "2", "3"};
    };
    const auto seq = [](const char* code, const char* v, const char* jump = "") {
        return StepValues{"SEQ", code, v, "", "", "", "", "", "", "", "", jump};
    };
    // clang-format off
    const std::vector<std::pair<StepValues, std::string>> cases = {
        {point("5"), ""}, {point("100"), ""},
        {point("0"), "Input 1 and above"}, {point("101"), "Set speed rate from 1 to 100%"},
        {point("+5"), "+ cannot be inputted"}, {point("-5"), "- cannot be inputted"},
        {point("05"), "Cannot compute due to speed data error"},
        {point("abc"), "'abc' is not a valid integer value"}, {point(""), "Input speed rate"},
        {{"END", "0", ""}, "Input speed rate"},  // its value is hidden, and required
        {point("5", ""), "Input X value"}, {{"POI", "6", "5"}, "Input R value"},
        {point("5", "start"), "X 'start' is no number"}, {point("5", "-1.5"), ""},
        {{"CIR", "0", "100", "1", "2", "3", "", "4", "5", "6", "y"}, "Y3 'y' is no number"},
        {{"CIR", "0", "100", "1", "2", "3"}, "Input X2 value"},
        {seq("0", "15"), "Set input port from 0 to 14"}, {seq("0", "14"), ""},
        {seq("2", "13"), "Set output port from 0 to 12"}, {seq("3", "14"), "Set output port from 0 to 13"},
        {seq("4", "0"), "Set timer from 1 to 100(x 0.1sec)"}, {seq("4", "100"), ""},
        {seq("4", ""), "Input TIMER"}, {seq("2", ""), "Input I/O port"},
        {seq("6", "1"), "Input jump-to value"}, {seq("900", "14", "5"), "Set output port from 0 to 13"},
        {{"PAL", "0", "20"}, "Set pallet No. from 0 to 19"}, {{"PAL", "1", "20"}, ""},
        {{"PAL", "2", ""}, "Input pallet No."},
    };
    // clang-format on
    for (const auto& [values, refusal] : cases) {
        SCOPED_TRACE(values.command + " " + values.code + " V=" + values.value);
        EXPECT_EQ(RefusedStepValues(values), refusal);
    }
}

// Each kind of finding, at its step, and a program that passes.
TEST(ProgramCheck, Findings) {
    const auto parameter = [](int n) {
        return n >= 6 && n <= 9 ? std::string("200.00") : std::string("-5.00");
    };
    const AxisStrokes strokes = StrokesFromParameters(parameter);
    ASSERT_TRUE(strokes.known);
    const StepRow end{"END", "000"};
    using Rows = std::vector<std::pair<int, StepRow>>;
    // clang-format off
    const std::vector<std::tuple<const char*, Rows, std::vector<Finding>>> cases = {
        {"a sound program", {{0, {"poi", "000", "1", "2", "3", "0"}}, {1, {"CIR", "100", "10", "20", "5"}}, {2, {"CIR", "000", "30", "40", "50", "60"}}, {3, {"SEQ", "805", "", "", "", "", "5"}}, {5, end}}, {}},
        {"no step command", {{0, {"JMP", "000"}}, {1, end}}, {{0, "'JMP' is no step command"}}},
        {"operation", {{0, {"POI", "9", "1", "2", "3"}}, {1, {"LIN", "300", "1", "2", "3"}}, {2, end}}, {{0, "Operation '9' is no operation code"}, {1, "Operation 300 is none of LIN's"}}},
        {"a value the dialog refuses", {{0, {"POI", "000", "", "2", "3"}}, {1, end}}, {{0, "Input X value"}}},
        {"positions", {{0, {"POI", "000", "250", "2", "-6"}}, {1, {"POI", "000", "1a", "2", "3"}}, {2, {"POI", "800", "250", "2", "3"}}, {3, end}}, {{0, "X 250 is outside the X stroke -5 to 200"}, {0, "Z -6 is outside the Z stroke -5 to 200"}, {1, "X '1a' is no number"}}},
        {"a broken circle", {{0, {"CIR", "000", "10", "20", "5"}}, {1, {"POI", "000", "1", "2", "3"}}, {2, end}}, {{0, "The circle lacks its second CIR row"}}},
        {"jumps", {{0, {"SEQ", "600", "", "", "", "", "7"}}, {1, {"SEQ", "700", "", "", "", "", "1000"}}, {2, end}}, {{0, "Jump to step 7, which is empty"}, {1, "Jump to step 1000 is past 999"}}},
        {"no END reached", {{0, {"SEQ", "800", "", "", "", "", "0"}}, {1, end}}, {{0, "No END is reached from step 0"}}},
        {"a call returns to the step after it", {{0, {"SEQ", "916", "", "", "", "", "5"}}, {1, end}, {5, {"SEQ", "917"}}}, {}},
    };
    // clang-format on
    for (const auto& [name, rows, findings] : cases) {
        SCOPED_TRACE(name);
        StepTable table;
        for (const auto& [step, row] : rows) table[step] = row;
        EXPECT_EQ(CheckProgram(table, strokes), findings);
    }
    EXPECT_FALSE(StrokesFromParameters([](int) { return std::string(); }).known);
}

}  // namespace mivo
