#include "direct/cycle_timing.h"

#include <gtest/gtest.h>

namespace mivo {

// A cycle runs from "@RUN" to "END"; a step's time from the scan that first saw it (the first
// step's from "@RUN") to the scan that saw another, summed over its visits.
TEST(CycleTiming, CyclesStepsAndStatistics) {
    std::int64_t now = 0;
    CycleTiming timing([&] { return now; });
    struct Event {
        std::int64_t at;
        const char* what;  // "run", "step N", "end", "stop", "reset"
        std::optional<std::int64_t> cycle = std::nullopt;  // what "end" gives
    } events[] = {
        {500, "end"},  // END without a run begun
        {1000, "run"},    {1300, "step 1"},     {1600, "step 1"},    {1900, "step 2"},
        {2500, "step 1"}, {2800, "step 3"},     {3000, "end", 2000}, {4000, "run"},
        {4100, "step 5"}, {9000, "stop"},        // stopped: no cycle
        {10000, "run"},   {11001, "end", 1001},  // monitor off: no steps
    };
    for (const Event& e : events) {
        now = e.at;
        const std::string what = e.what;
        if (what == "run") timing.runStarted();
        if (what.starts_with("step ")) timing.stepSeen(what.substr(5));
        if (what == "stop") timing.runAbandoned();
        if (what == "end") {
            EXPECT_EQ(timing.runEnded(), e.cycle) << e.at;
        }
        if (what == "end" && e.at == 3000) {
            const auto steps = timing.slowestSteps(2);
            ASSERT_EQ(steps.size(), 2u);
            EXPECT_EQ(steps[0].step, "1");
            EXPECT_EQ(steps[0].milliseconds, 1200);
            EXPECT_DOUBLE_EQ(steps[0].share, 0.6);
            EXPECT_EQ(steps[1].step, "2");
            EXPECT_EQ(steps[1].milliseconds, 600);
            EXPECT_EQ(timing.slowestSteps(9).size(), 3u);
            // Each visit in the order seen, step 1 twice.
            const std::vector<MeasuredStep> visits{{1, 0.9}, {2, 0.6}, {1, 0.3}, {3, 0.2}};
            EXPECT_EQ(timing.lastStepTimes(), visits);
        }
        if (what == "stop") {
            EXPECT_EQ(timing.slowestSteps(9).size(), 3u) << "the last cycle's";
            EXPECT_EQ(timing.lastStepTimes().size(), 4u) << "the last cycle's";
        }
    }
    EXPECT_TRUE(timing.slowestSteps(9).empty());
    EXPECT_TRUE(timing.lastStepTimes().empty());
    CycleStatistics s = timing.statistics();
    EXPECT_EQ(s.count, 2);
    EXPECT_EQ(s.shortest, 1001);
    EXPECT_EQ(s.longest, 2000);
    EXPECT_EQ(s.mean, 1501);  // 1500.5 rounded up
    EXPECT_EQ(s.last, 1001);

    // A run begun again drops the first; a reset clears the statistics, not the running cycle.
    now = 20000;
    timing.runStarted();
    now = 25000;
    timing.runStarted();
    timing.reset();
    EXPECT_EQ(timing.statistics().count, 0);
    now = 25500;
    EXPECT_EQ(timing.runEnded(), 500);
    s = timing.statistics();
    EXPECT_EQ(s.count, 1);
    EXPECT_EQ(s.shortest + s.longest + s.mean + s.last, 4 * 500);
    EXPECT_FALSE(timing.running());
}

TEST(CycleTiming, TextHasTwoDecimalsRoundedHalfUp) {
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, "Cycle time: 0.00 s"},    {4, "Cycle time: 0.00 s"},
        {5, "Cycle time: 0.01 s"},    {1050, "Cycle time: 1.05 s"},
        {1234, "Cycle time: 1.23 s"}, {1235, "Cycle time: 1.24 s"},
        {1995, "Cycle time: 2.00 s"}, {123456, "Cycle time: 123.46 s"},
    };
    for (const auto& [ms, text] : cases) EXPECT_EQ(CycleTimeText(ms), text) << ms;
}

}  // namespace mivo
