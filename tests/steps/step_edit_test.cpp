// The step edits: insert, delete, copy and paste with their jumps renumbered, circle pairs as one
// unit, and the rows an edit only moved, which the grid then need not measure.
#include "steps/step_edit.h"

#include <gtest/gtest.h>

#include <functional>

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
    // The steps deleted, a jump and the jump after the delete.
    const std::tuple<int, int, const char*, const char*> cases[] = {
        {10, 10, "12", "11"}, {10, 10, "10", "10"}, {10, 10, "5", "5"},   {10, 12, "20", "17"},
        {10, 12, "13", "10"}, {10, 12, "11", "11"}, {10, 12, "12", "12"},
    };
    for (const auto& [first, last, jump, expected] : cases) {
        StepTable t = WithJumps({{0, jump}});
        DeleteSteps(t, first, last);
        EXPECT_EQ(t[0][FieldJump], expected) << first << "-" << last << " " << jump;
        EXPECT_EQ(t[first][FieldComment], "c" + std::to_string(last + 1));
        EXPECT_TRUE(t[kStepCount - (last - first + 1)].empty());
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
    // The steps, those WholeCirclePairs takes, PairPartedByInsert at the first, PairPartedByBlock.
    // clang-format off
    const std::tuple<const char*, int, int, int, int, int, int> cases[] = {
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
    for (const auto& [name, first, last, takenFirst, takenLast, byInsert, byBlock] : cases) {
        SCOPED_TRACE(name);
        const StepSpan taken = WholeCirclePairs(t, first, last);
        EXPECT_EQ(std::pair(taken.first, taken.last), std::pair(takenFirst, takenLast));
        EXPECT_EQ(PairPartedByInsert(t, first), byInsert);
        EXPECT_EQ(PairPartedByBlock(t, first, last), byBlock);
    }
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

// A program with a jump every tenth step (renumbered by an edit, so not moved whole) and a
// comment on each step.
StepTable EveryTenthJumps() {
    StepTable t;
    for (int s = 0; s < kStepCount; ++s) {
        t[s][FieldComment] = "c" + std::to_string(s % 7);
        if (s % 10 != 9) continue;
        t[s][FieldCommand] = "JMP";
        t[s][FieldJump] = std::to_string(s % 500 + 100);
    }
    return t;
}

TEST(MovedRows, FlagsOnlyRowsThatHoldAWholeRowOfBefore) {
    const std::vector<std::string> clip = {"POI,050,1,2,3,4,,new,", "POI,050,,,,,,,", ""};
    // The edit, the rows moved by, the first row moved (from there on, every row that kept its
    // jump moved).
    const std::tuple<const char*, std::function<void(StepTable&)>, int, int> cases[] = {
        {"insert 3 at 20", [](StepTable& t) { InsertSteps(t, 20, 3); }, 3, 23},
        {"delete 5..6", [](StepTable& t) { DeleteSteps(t, 5, 6); }, -2, 5},
        {"paste 2 lines at 0", [&](StepTable& t) { PasteSteps(t, 0, 0, false, clip); },
         PasteLineCount(clip), 2},
    };
    for (const auto& [name, edit, by, firstMoved] : cases) {
        SCOPED_TRACE(name);
        const StepTable before = EveryTenthJumps();
        StepTable after = before;
        edit(after);
        const std::vector<bool> moved = MovedRows(before, after, by);
        ASSERT_EQ(moved.size(), static_cast<std::size_t>(kStepCount));
        int flagged = 0;
        for (int s = 0; s < kStepCount; ++s) {
            const bool renumbered = !after[s][FieldJump].empty() && s >= firstMoved;
            const bool lastFilled = by < 0 && s >= kStepCount + by;
            if (s >= firstMoved && !renumbered && !lastFilled) {
                EXPECT_TRUE(moved[s]) << s;
            }
            // Sound: a flagged row holds a row that was there before, shifted as told.
            if (moved[s]) {
                EXPECT_TRUE(after[s] == before[s - by]) << s;
                ++flagged;
            }
        }
        EXPECT_GT(flagged, 800);
    }
    // An edit in place moves nothing.
    EXPECT_TRUE(MovedRows(EveryTenthJumps(), EveryTenthJumps(), 0).empty());
}

}  // namespace
}  // namespace mivo
