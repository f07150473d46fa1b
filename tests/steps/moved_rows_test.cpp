// The rows an insert, a delete or a paste only moved, which the grid then need not measure.
#include <gtest/gtest.h>

#include <functional>

#include "steps/step_edit.h"

namespace mivo {
namespace {

// A program with a jump every tenth step (renumbered by an edit, so not moved whole) and a
// comment on each step.
StepTable Program() {
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
    struct Case {
        const char* name;
        std::function<void(StepTable&)> edit;
        int by;
        int firstMoved;  // every row from here on that kept its jump moved
    };
    const Case cases[] = {
        {"insert 3 at 20", [](StepTable& t) { InsertSteps(t, 20, 3); }, 3, 23},
        {"delete 5..6", [](StepTable& t) { DeleteSteps(t, 5, 6); }, -2, 5},
        {"paste 2 lines at 0", [&](StepTable& t) { PasteSteps(t, 0, 0, false, clip); },
         PasteLineCount(clip), 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const StepTable before = Program();
        StepTable after = before;
        c.edit(after);
        const std::vector<bool> moved = MovedRows(before, after, c.by);
        ASSERT_EQ(moved.size(), static_cast<std::size_t>(kStepCount));
        int flagged = 0;
        for (int s = 0; s < kStepCount; ++s) {
            const bool renumbered = !after[s][FieldJump].empty() && s >= c.firstMoved;
            const bool lastFilled = c.by < 0 && s >= kStepCount + c.by;
            if (s >= c.firstMoved && !renumbered && !lastFilled) {
                EXPECT_TRUE(moved[s]) << s;
            }
            // Sound: a flagged row holds a row that was there before, shifted as told.
            if (moved[s]) {
                EXPECT_TRUE(after[s] == before[s - c.by]) << s;
                ++flagged;
            }
        }
        EXPECT_GT(flagged, 800);
    }
    EXPECT_TRUE(MovedRows(Program(), Program(), 0).empty());  // an edit in place moves nothing
}

}  // namespace
}  // namespace mivo
