#include "steps/step_rules.h"

#include <gtest/gtest.h>

#include "common/convert.h"
#include "steps/step_range.h"

namespace mivo {

namespace {

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
    struct Case {
        StepValues in;
        StepRow row;  // its Comment is "note"
        const char* valueBack;
    };
    // clang-format off
    std::vector<Case> cases = {
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
    for (auto& c : cases) {
        SCOPED_TRACE(c.in.command + " " + c.in.code);
        c.in.comment = "note";
        c.row[FieldComment] = "note";
        StepTable t;
        t[3] = {"X", "Y", "Z", "W", "V", "U", "T", "S"};  // overwritten completely
        WriteStep(t, 3, c.in, {});
        EXPECT_EQ(t[3], c.row);
        StepValues back = ReadStep(t, 3);
        EXPECT_EQ(back.command, c.in.command);
        EXPECT_EQ(back.code, c.in.code);
        EXPECT_EQ(back.value, c.valueBack);
        EXPECT_EQ(back.comment, "note");
    }
}

TEST(StepRules, ReadingDecodesStoredTexts) {
    StepTable t;
    t[0] = {"poi", "000", "1", "2", "3", "0"};
    t[1] = {"SEQ", "920", "", "", "", "", "5"};  // port 20 reads back as 0
    t[2] = {"ABC", "x", "1"};
    t[3] = {"SEQ", "016"};
    StepValues v = ReadStep(t, 0);
    EXPECT_EQ(v.command, "POI");
    EXPECT_EQ(t[0][FieldCommand], "poi");  // the table as it was
    EXPECT_EQ(v.code, "0");
    EXPECT_EQ(v.value, "100");
    EXPECT_EQ(v.x + v.y + v.z, "123");
    v = ReadStep(t, 1);
    EXPECT_EQ(v.code, "900");
    EXPECT_EQ(v.value, "0");
    EXPECT_EQ(v.jump, "5");
    v = ReadStep(t, 2);
    EXPECT_EQ(v.command, "POI");
    EXPECT_EQ(v.value, "100");  // read as "000"
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
    struct Case {
        int field;
        const char* name;
        std::string text;
        const char* refusal;  // empty: accepted
    };
    // clang-format off
    const Case cases[] = {
        {FieldCommand, "Command", "POI,", "A comma cannot be inputted in Command"},
        {FieldOperation, "Rate(%)", " 050 ", ""},
        {FieldX, "X", "12,5", "A comma cannot be inputted in X"},
        {FieldX, "X", "12.5", ""},
        {FieldY, "Y", "1\r2", "A line break cannot be inputted in Y"},
        {FieldZ, "Z", "3\n", "A line break cannot be inputted in Z"},
        {FieldR, "R", "9\r0", "A line break cannot be inputted in R"},
        {FieldR, "R", std::string("4\0", 2), "A NUL character cannot be inputted in R"},
        {FieldR, "Y3", "7,", "A comma cannot be inputted in Y3"},
        {FieldJump, "Jump-to", "1,2", "A comma cannot be inputted in Jump-to"},
        {FieldJump, "JUMP", "1\n2", "A line break cannot be inputted in JUMP"},
        {FieldComment, "Comment", "a,b,,c,", ""},
        {FieldComment, "Comment", "last\r", ""},
        {FieldComment, "Comment", "caf\xe9 \x80", ""},
        {FieldComment, "Comment", "a\nb", "A line break cannot be inputted in Comment"},
        {FieldComment, "Comment", std::string("a\0b", 3), "A NUL character cannot be inputted in Comment"},
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(RefusedFieldText(c.field, c.text, c.name), c.refusal)
            << c.name << " " << ::testing::PrintToString(c.text);
    }
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
    EXPECT_TRUE(flags.secondRowChosen);
    EXPECT_TRUE(flags.wasCircle);
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

}  // namespace mivo
