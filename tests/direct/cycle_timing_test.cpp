#include "direct/cycle_timing.h"

#include <gtest/gtest.h>

namespace mivo {

// A cycle runs from "@RUN" to "END"; a step's time from the scan that first saw it (the first
// step's from "@RUN") to the scan that saw another, summed over its visits.
TEST(CycleTiming, CyclesStepsAndStatistics) {
    std::int64_t now = 0;
    CycleTiming timing([&] { return now; });
    // The timing at `ms`.
    const auto at = [&](std::int64_t ms) -> CycleTiming& {
        now = ms;
        return timing;
    };
    EXPECT_EQ(at(500).runEnded(), std::nullopt);  // END without a run begun
    at(1000).runStarted();
    for (const auto& [ms, step] :
         {std::pair{1300, "1"}, {1600, "1"}, {1900, "2"}, {2500, "1"}, {2800, "3"}})
        at(ms).stepSeen(step);
    EXPECT_EQ(at(3000).runEnded(), 2000);
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
    // Stopped: no cycle; the last cycle's steps stay.
    at(4000).runStarted();
    at(4100).stepSeen("5");
    at(9000).runAbandoned();
    EXPECT_EQ(timing.slowestSteps(9).size(), 3u);
    EXPECT_EQ(timing.lastStepTimes().size(), 4u);
    // With the monitor off: no steps.
    at(10000).runStarted();
    EXPECT_EQ(at(11001).runEnded(), 1001);
    EXPECT_TRUE(timing.slowestSteps(9).empty());
    EXPECT_TRUE(timing.lastStepTimes().empty());
    CycleStatistics s = timing.statistics();
    EXPECT_EQ(s.count, 2);
    EXPECT_EQ(s.shortest, 1001);
    EXPECT_EQ(s.longest, 2000);
    EXPECT_EQ(s.mean, 1501);  // 1500.5 rounded up
    EXPECT_EQ(s.last, 1001);

    // A run begun again drops the first; a reset clears the statistics, not the running cycle.
    at(20000).runStarted();
    at(25000).runStarted();
    timing.reset();
    EXPECT_EQ(timing.statistics().count, 0);
    EXPECT_EQ(at(25500).runEnded(), 500);
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
