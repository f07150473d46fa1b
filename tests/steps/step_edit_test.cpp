#include "steps/step_edit.h"

#include <gtest/gtest.h>

#include "common/convert.h"

namespace mivo {

namespace {

StepTable WithJumps(std::initializer_list<std::pair<int, const char*>> jumps) {
    StepTable t;
    for (int s = 0; s < kStepCount; ++s) t[s][FieldComment] = "c" + std::to_string(s);
    for (auto [s, j] : jumps) {
        t[s][FieldCommand] = "SEQ";
        t[s][FieldOperation] = "800";
        t[s][FieldJump] = j;
    }
    return t;
}

}  // namespace

TEST(StepEdit, InsertRenumbersJumpsAtAndAfterThePoint) {
    StepTable t = WithJumps({{3, "12"}, {20, "5"}, {30, "10"}, {40, "9"}});
    InsertSteps(t, 10, 1);
    EXPECT_EQ(t[3][FieldJump], "13");
    EXPECT_EQ(t[21][FieldJump], "5");
    EXPECT_EQ(t[31][FieldJump], "11");  // a jump to the insertion point follows its step
    EXPECT_EQ(t[41][FieldJump], "9");
    EXPECT_TRUE(t[10].empty());
    EXPECT_EQ(t[999][FieldComment], "c998");  // former step 999 is gone

    InsertSteps(t, 0, 3);
    EXPECT_EQ(t[6][FieldJump], "16");
    EXPECT_EQ(t[3][FieldComment], "c0");
}

TEST(StepEdit, DeleteRenumbersJumpsPastTheDeletedSteps) {
    struct Case {
        int first, last;
        const char* jump;
        const char* expected;
    } cases[] = {
        {10, 10, "12", "11"}, {10, 10, "10", "10"}, {10, 10, "5", "5"},   {10, 12, "20", "17"},
        {10, 12, "13", "10"}, {10, 12, "11", "11"}, {10, 12, "12", "12"},
    };
    for (const auto& c : cases) {
        StepTable t = WithJumps({{0, c.jump}});
        DeleteSteps(t, c.first, c.last);
        EXPECT_EQ(t[0][FieldJump], c.expected) << c.first << "-" << c.last << " " << c.jump;
        const int n = c.last - c.first + 1;
        EXPECT_EQ(t[c.first][FieldComment], "c" + std::to_string(c.last + 1));
        EXPECT_TRUE(t[kStepCount - n].empty());
    }
}

TEST(StepEdit, CopyAndPaste) {
    StepTable t = WithJumps({{5, "7"}});
    t[5][FieldComment] = "a,b";
    const auto lines = CopySteps(t, 5, 5);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "SEQ,800,,,,,7,a,b,");

    // One row on one row inserts it there.
    StepTable u = t;
    EXPECT_EQ(PasteSteps(u, 2, 2, false, lines), PasteResult::Done);
    EXPECT_EQ(u[2][FieldCommand], "SEQ");
    EXPECT_EQ(u[2][FieldJump], "7");  // the pasted text as copied
    EXPECT_EQ(u[6][FieldJump], "8");
    EXPECT_EQ(u[2][FieldComment], "a");  // the pieces after the eighth are dropped

    // Three rows on a two-row block are refused; on a three-row block they overwrite.
    const auto three = CopySteps(t, 4, 6);
    StepTable v = t;
    EXPECT_EQ(PasteSteps(v, 20, 21, true, three), PasteResult::RangeDiffers);
    EXPECT_EQ(v, t);
    EXPECT_EQ(PasteSteps(v, 20, 22, true, three), PasteResult::Done);
    EXPECT_EQ(v[21][FieldJump], "7");
    EXPECT_EQ(v[23][FieldComment], "c23");

    EXPECT_EQ(PasteSteps(v, 0, 0, false, {}), PasteResult::Nothing);
    EXPECT_EQ(PasteSteps(v, 0, 0, false, {"", "POI,000,,,,,,,"}), PasteResult::Nothing);
}

// A circle step (two CIR rows) is one unit for every edit: the steps that Copy, Cut-off and
// Delete take, and the pair that an insert or a block paste would part.
TEST(StepEdit, CirclePairsAreOneUnit) {
    StepTable t;
    t[5] = {"CIR", "050", "1", "2", "3", "", "", "arc"};
    t[6] = {"CIR", "050", "4", "5", "6", "7", "", "arc"};
    t[7] = {"POI", "000", "1", "2", "3", "0", "", "after"};
    struct Case {
        const char* name;
        int first, last;
        int takenFirst, takenLast;  // WholeCirclePairs
        int byInsert, byBlock;      // PairPartedByInsert at first, PairPartedByBlock
    };
    // clang-format off
    const Case cases[] = {
        {"the second row", 6, 6, 5, 6, 5, 5},
        {"from the second row on", 6, 8, 5, 8, 5, 5},
        {"the second row and the next", 6, 7, 5, 7, 5, 5},
        {"the first row", 5, 5, 5, 6, -1, 5},
        {"ending on the first row", 4, 5, 4, 6, -1, 5},
        {"the whole pair", 5, 6, 5, 6, -1, -1},
        {"the step after the pair", 7, 7, 7, 7, -1, -1},
        {"away from the pair", 12, 12, 12, 12, -1, -1},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const StepSpan taken = WholeCirclePairs(t, c.first, c.last);
        EXPECT_EQ(taken.first, c.takenFirst);
        EXPECT_EQ(taken.last, c.takenLast);
        EXPECT_EQ(PairPartedByInsert(t, c.first), c.byInsert);
        EXPECT_EQ(PairPartedByBlock(t, c.first, c.last), c.byBlock);
    }
    EXPECT_EQ(PairPartedMessage(5), "Steps 5 and 6 are one circle step: they cannot be separated");
}

TEST(StepEdit, BadJumpChangesNothing) {
    const StepTable t = WithJumps({{3, "12"}, {12, "abc"}});
    StepTable u = t;
    try {
        InsertSteps(u, 0, 1);
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value (step 12)");
    }
    EXPECT_EQ(u, t);
    EXPECT_THROW(DeleteSteps(u, 0, 0), ConversionError);
    EXPECT_THROW(PasteSteps(u, 0, 0, false, {"POI,000,,,,,,,"}), ConversionError);
    EXPECT_EQ(u, t);
}

}  // namespace mivo
