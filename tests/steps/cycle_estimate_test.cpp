#include "steps/cycle_estimate.h"

#include <gtest/gtest.h>

#include <cmath>

namespace mivo {
namespace {

double Trapezoid(double d, double v, double a) { return d / v + v / a; }

struct Row {
    int step;
    StepRow row;
};

// Each case: the steps (the rest empty), the steps executed in order with their times, and what
// was not counted. Robot 22's limits; the controller's own work is 10 ms a step.
TEST(CycleEstimate, EachStepByTheMotionLawFromStep0ToItsEnd) {
    const double c = 0.010;
    const double xy100 = Trapezoid(100, 200, 2000), z20 = Trapezoid(20, 70, 700);
    const StepRow end{{"END", "000"}};
    const struct Case {
        const char* name;
        std::vector<Row> rows;
        std::vector<StepEstimate> steps;
        std::vector<std::string> notCounted = {};
        std::string problem = {};
    } cases[] = {
        {"a point, then END",
         {{0, {{"POI", "000", "100.00", "50.00", "20.00", "0"}}}, {1, end}},
         {{0, xy100 + z20 + c}, {1, c}}},
        {"at half rate the top speeds halve, the accelerations stay",
         {{0, {{"POI", "050", "100.00", "0", "0", "0"}}}, {1, end}},
         {{0, Trapezoid(100, 100, 2000) + c}, {1, c}}},
        {"a timer of 1.5 s; empty steps are passed by",
         {{0, {{"SEQ", "415"}}}, {5, end}},
         {{0, 1.5 + c}, {5, c}}},
        {"a jump is followed, a conditional one not, a wait not counted",
         {{0, {{"SEQ", "800", "", "", "", "", "3"}}},
          {1, end},
          {3, {{"SEQ", "605", "", "", "", "", "1"}}},
          {4, {{"SEQ", "007"}}},
          {5, end}},
         {{0, c}, {3, c}, {4, c}, {5, c}},
         {"step 3: jumps to step 1 when input 5 is ON: taken as not",
          "step 4: waits for input 7 ON"}},
        {"a call returns after the call",
         {{0, {{"SEQ", "916", "", "", "", "", "10"}}},
          {1, end},
          {10, {{"POI", "000", "100", "0", "0", "0"}}},
          {11, {{"SEQ", "917"}}}},
         {{0, c}, {10, xy100 + c}, {11, c}, {1, c}}},
        {"a circle takes both its rows",
         {{0, {{"CIR", "000", "0", "10", "0", ""}}},
          {1, {{"CIR", "000", "25", "35", "0", "60"}}},
          {2, end}},
         {{0, Trapezoid(10, 15, 2000) + Trapezoid(25 * M_PI, 15, 2000) + c}, {2, c}}},
        {"a pallet without points",
         {{0, {{"PAL", "003"}}}, {1, end}},
         {{0, c}, {1, c}},
         {"step 0: pallet 3 has no points: its move is not counted"}},
        {"no END", {{0, {{"SEQ", "410"}}}}, {{0, 1 + c}}, {}, "No END is reached from step 0"},
        {"round without END",
         {{0, {{"SEQ", "800", "", "", "", "", "0"}}}},
         {},
         {},
         "No END is reached: the program goes round without one"},
        {"round through a call and back",
         {{0, {{"SEQ", "916", "", "", "", "", "5"}}},
          {1, {{"SEQ", "800", "", "", "", "", "0"}}},
          {5, {{"SEQ", "917"}}}},
         {},
         {},
         "No END is reached: the program goes round without one"},
        {"a call that calls itself",
         {{0, {{"SEQ", "916", "", "", "", "", "0"}}}},
         {},
         {},
         "No END is reached: the program calls deeper and deeper"},
        {"a jump to no step",
         {{0, {{"SEQ", "800", "", "", "", "", "x"}}}},
         {},
         {},
         "step 0 jumps to 'x', which is no step"},
    };
    EstimateSetting setting;
    setting.palletPoint = [](int) { return std::nullopt; };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        StepTable table;
        for (const Row& r : k.rows) table[r.step] = r.row;
        const CycleEstimate e = EstimateCycle(table, setting);
        EXPECT_EQ(e.problem, k.problem);
        EXPECT_EQ(e.notCounted, k.notCounted);
        if (!k.problem.empty() && k.steps.empty()) continue;
        ASSERT_EQ(e.steps.size(), k.steps.size());
        double total = 0;
        for (std::size_t i = 0; i < k.steps.size(); ++i) {
            EXPECT_EQ(e.steps[i].step, k.steps[i].step) << i;
            EXPECT_NEAR(e.steps[i].seconds, k.steps[i].seconds, 1e-9) << i;
            total += k.steps[i].seconds;
        }
        EXPECT_NEAR(e.seconds, total, 1e-9);
    }
}

}  // namespace
}  // namespace mivo
