#include "steps/step_rules.h"

#include <gtest/gtest.h>

#include "common/convert.h"

namespace mivo {

namespace {

StepRow Row(std::initializer_list<const char*> fields) {
    StepRow r;
    int i = 0;
    for (const char* f : fields) r[i++] = f;
    return r;
}

StepValues Values(const char* cmd, const char* code, const char* v) {
    StepValues s;
    s.command = cmd;
    s.code = code;
    s.value = v;
    return s;
}

}  // namespace

// Dialog values -> stored row -> values read back, for every command and code.
TEST(StepRules, WriteAndReadBackEveryCommand) {
    struct Case {
        StepValues in;
        StepRow row;
        const char* valueBack;
    };
    auto pos = [](StepValues v, const char* x, const char* y, const char* z, const char* r = "") {
        v.x = x, v.y = y, v.z = z, v.r = r;
        return v;
    };
    auto jump = [](StepValues v, const char* j) {
        v.jump = j;
        return v;
    };
    std::vector<Case> cases = {
        {pos(Values("POI", "0", "5"), "10.00", "20.00", "5.00"),
         Row({"POI", "005", "10.00", "20.00", "5.00", "0", "", ""}), "5"},
        {pos(Values("POI", "2", "50"), "1", "2", "3"), Row({"POI", "250", "1", "2", "3", "0"}),
         "50"},
        {Values("POI", "3", "20"), Row({"POI", "320"}), "20"},
        {Values("POI", "5", "37"), Row({"POI", "500"}), "100"},
        {pos(Values("POI", "6", "10"), "", "", "", "90.0"),
         Row({"POI", "610", "0", "0", "0", "90.0"}), "10"},
        {pos(Values("POI", "8", "1"), "-1", "2", "3"), Row({"POI", "801", "-1", "2", "3", "0"}),
         "1"},
        {pos(Values("LIN", "0", "100"), "1", "2", "3"), Row({"LIN", "000", "1", "2", "3", "0"}),
         "100"},
        {Values("LIN", "1", "30"), Row({"LIN", "130"}), "30"},
        {pos(Values("LIN", "4", "40"), "1", "2", "", "45"),
         Row({"LIN", "440", "1", "2", "0", "45"}), "40"},
        {Values("PAL", "0", "19"), Row({"PAL", "019"}), "19"},
        {Values("SEQ", "0", "14"), Row({"SEQ", "014"}), "14"},
        {Values("SEQ", "2", "3"), Row({"SEQ", "203"}), "3"},
        {Values("SEQ", "4", "100"), Row({"SEQ", "400"}), "100"},
        {Values("SEQ", "4", "1"), Row({"SEQ", "401"}), "1"},
        {jump(Values("SEQ", "6", "2"), "40"), Row({"SEQ", "602", "", "", "", "", "40"}), "2"},
        {jump(Values("SEQ", "8", "0"), "25"), Row({"SEQ", "800", "", "", "", "", "25"}), "0"},
        {jump(Values("SEQ", "900", "5"), "7"), Row({"SEQ", "905", "", "", "", "", "7"}), "5"},
        {jump(Values("SEQ", "916", "0"), "8"), Row({"SEQ", "916", "", "", "", "", "8"}), "0"},
        {Values("SEQ", "917", "0"), Row({"SEQ", "917"}), "0"},
        {Values("END", "2", "100"), Row({"END", "200"}), "100"},
    };
    for (auto& c : cases) {
        c.in.comment = "note";
        c.row[FieldComment] = "note";
        StepTable t;
        t[3] = Row({"X", "Y", "Z", "W", "V", "U", "T", "S"});  // overwritten completely
        WriteStep(t, 3, c.in, {});
        EXPECT_EQ(t[3], c.row) << c.in.command << " " << c.in.code;
        StepValues back = ReadStep(t, 3);
        EXPECT_EQ(back.command, c.in.command);
        EXPECT_EQ(back.code, c.in.code) << c.in.command;
        EXPECT_EQ(back.value, c.valueBack) << c.in.command << " " << c.in.code;
        EXPECT_EQ(back.comment, "note");
    }
}

TEST(StepRules, ReadingDecodesStoredTexts) {
    StepTable t;
    t[0] = Row({"poi", "000", "1", "2", "3", "0"});
    t[1] = Row({"SEQ", "920", "", "", "", "", "5"});  // port 20 reads back as 0
    t[2] = Row({"ABC", "x", "1"});
    t[3] = Row({"SEQ", "016"});
    StepValues v = ReadStep(t, 0);
    EXPECT_EQ(t[0][FieldCommand], "POI");  // upper-cased in the table
    EXPECT_EQ(v.code, "0");
    EXPECT_EQ(v.value, "100");
    EXPECT_EQ(v.x + v.y + v.z, "123");
    v = ReadStep(t, 1);
    EXPECT_EQ(v.code, "900");
    EXPECT_EQ(v.value, "0");
    EXPECT_EQ(v.jump, "5");
    v = ReadStep(t, 2);
    EXPECT_EQ(v.command, "POI");
    EXPECT_EQ(ReadStep(t, 3).value, "0");
}

TEST(StepRules, NormalisingTheValue) {
    EXPECT_EQ(NormaliseValue("5"), "05");
    EXPECT_EQ(NormaliseValue("0"), "00");
    EXPECT_EQ(NormaliseValue("00"), "00");
    EXPECT_EQ(NormaliseValue("100"), "00");
    EXPECT_EQ(NormaliseValue("42"), "42");
    StepTable t;
    t[1] = Row({"END", "000"});
    const StepTable before = t;
    EXPECT_THROW(WriteStep(t, 1, Values("POI", "0", "abc"), {}), ConversionError);
    EXPECT_EQ(t, before);
}

TEST(StepRules, CirclePairsWriteTwoRows) {
    StepValues c = Values("CIR", "0", "100");
    c.x = "1", c.y = "2", c.z = "3", c.x2 = "4", c.y2 = "5", c.x3 = "6", c.y3 = "7";
    c.comment = "arc";
    StepTable t;
    t[11] = Row({"POI", "000", "9", "9", "9", "0"});
    WriteStep(t, 10, c, {});
    EXPECT_EQ(t[10], Row({"CIR", "000", "1", "2", "3", "", "", "arc"}));
    EXPECT_EQ(t[11], Row({"CIR", "000", "4", "5", "6", "7", "", "arc"}));
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

    // At step 999 the second row is lost.
    WriteStep(t, 999, c, {});
    EXPECT_EQ(t[999][FieldCommand], "CIR");
}

}  // namespace mivo
