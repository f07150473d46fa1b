#include "common/step_times.h"

#include <gtest/gtest.h>

namespace mivo {
namespace {

// Written to the millisecond and read back; what is no step-times file is refused whole.
TEST(StepTimes, WrittenAndReadBackBadLinesRefused) {
    const std::vector<MeasuredStep> steps{{0, 0.9966}, {12, 5.2}, {3, 0}, {999, 61.0004}};
    const std::string text = StepTimesCsv(steps);
    EXPECT_EQ(text, "step,seconds\n0,0.997\n12,5.200\n3,0.000\n999,61.000\n");
    const StepTimesRead back = ReadStepTimes(text);
    EXPECT_EQ(back.problem, "");
    ASSERT_EQ(back.steps.size(), 4u);
    EXPECT_EQ(back.steps[1], (MeasuredStep{12, 5.2}));

    const struct Case {
        const char* text;
        const char* problem;
        std::size_t steps;
    } cases[] = {
        {"step,seconds\r\n4,1.5\r\n\r\n", "", 1},
        {"step,seconds\n", "", 0},
        {"", "the file holds no step times", 0},
        {"STEP;SECONDS\n1,2\n", "line 1: 'STEP;SECONDS' is not the header 'step,seconds'", 0},
        {"step,seconds\n1,2\nx,3\n", "line 3: 'x,3' is no step and its seconds", 0},
        {"step,seconds\n1000,2\n", "line 2: '1000,2' is no step and its seconds", 0},
        {"step,seconds\n1,-2\n", "line 2: '1,-2' is no step and its seconds", 0},
        {"step,seconds\n1,nan\n", "line 2: '1,nan' is no step and its seconds", 0},
        {"step,seconds\n1\x1B,2\n", "line 2: '1\\x1B,2' is no step and its seconds", 0},
    };
    for (const Case& c : cases) {
        const StepTimesRead r = ReadStepTimes(c.text);
        EXPECT_EQ(r.problem, c.problem) << c.text;
        EXPECT_EQ(r.steps.size(), c.steps) << c.text;
    }
}

}  // namespace
}  // namespace mivo
