#include "history/control_limits.h"

#include <gtest/gtest.h>

#include "history/step_totals.h"

namespace mivo {
namespace {

// A run as the chart sees it: its cycle in milliseconds (none: it did not end), its hash.
struct R {
    std::optional<std::int64_t> cycleMs;
    std::string hash;
};

std::vector<RunRecord> Runs(const std::vector<R>& rs) {
    std::vector<RunRecord> runs;
    for (const R& r : rs) {
        RunRecord run;
        run.id = std::int64_t(runs.size()) + 1;
        run.result = r.cycleMs ? RunResult::End : RunResult::Stop;
        run.cycleMs = r.cycleMs;
        run.programHash = r.hash;
        runs.push_back(run);
    }
    return runs;
}

std::vector<R> Cycles(std::initializer_list<std::int64_t> ms) {
    std::vector<R> rs;
    for (std::int64_t m : ms) rs.push_back({m, ""});
    return rs;
}

// Limits worked out by hand: sigma is the mean moving range / 1.128.
TEST(ControlLimits, MeanSigmaLimitsOutsidersAndProgramChanges) {
    struct Case {
        const char* name;
        std::vector<R> runs;
        std::optional<ControlLimits> limits;
        std::vector<std::size_t> charted, outside, changes;
    };
    // mean 11, MR 2, sigma 1.773050; mean 10.5, MR 1, sigma 0.886525
    const ControlLimits of10and12{11, 1.773050, 16.319149, 5.680851};
    const ControlLimits of10and11{10.5, 0.886525, 13.159574, 7.840426};
    const std::int64_t t = 10000;  // ten seconds
    // clang-format off
    const Case cases[] = {
        {"nothing", {}, std::nullopt, {}, {}, {}},
        {"one cycle has no limits", Cycles({12350}), std::nullopt, {0}, {}, {}},
        {"two cycles", Cycles({t, 12000}), of10and12, {0, 1}, {}, {}},
        {"a run without a cycle is not charted and breaks no range",
         {{t, ""}, {std::nullopt, ""}, {12000, ""}}, of10and12, {0, 2}, {}, {}},
        // mean 12, MR (0+0+0+10)/4 = 2.5, sigma 2.216312, UCL 18.648936
        {"one far above", Cycles({t, t, t, t, 20000}),
         ControlLimits{12, 2.216312, 18.648936, 5.351064}, {0, 1, 2, 3, 4}, {4}, {}},
        // mean 9.2, MR 8/9, sigma 0.788022, LCL 6.835934, UCL 11.564066
        {"one far below", Cycles({t, t, t, t, t, t, t, t, t, 2000}),
         ControlLimits{9.2, 0.788022, 11.564066, 6.835934},
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {9}, {}},
        // mean 3, MR 4, sigma 3.546099: mean - 3 sigma is below 0
        {"the lower limit stops at 0", Cycles({1000, 5000, 1000, 5000}),
         ControlLimits{3, 3.546099, 13.638298, 0}, {0, 1, 2, 3}, {}, {}},
        {"equal cycles lie on their limits, not beyond", Cycles({12350, 12350, 12350}),
         ControlLimits{12.35, 0, 12.35, 12.35}, {0, 1, 2}, {}, {}},
        {"a new hash changes the program, an unknown one nothing",
         {{t, "a"}, {t, "a"}, {t, ""}, {t, "b"}, {t, "b"}, {t, "a"}},
         ControlLimits{10, 0, 10, 10}, {0, 1, 2, 3, 4, 5}, {}, {3, 5}},
        {"a change at a run without a cycle is told at the next charted one, or after the last",
         {{t, "a"}, {std::nullopt, "b"}, {11000, "b"}, {std::nullopt, "c"}},
         of10and11, {0, 2}, {}, {1, 2}},
        {"two changes between the same charted runs are told once",
         {{t, "a"}, {std::nullopt, "b"}, {std::nullopt, "c"}, {11000, "c"}},
         of10and11, {0, 3}, {}, {1}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ControlChart chart = ChartOfRuns(Runs(c.runs));
        EXPECT_EQ(chart.runs, c.charted);
        ASSERT_EQ(chart.seconds.size(), c.charted.size());
        for (std::size_t i = 0; i < c.charted.size(); ++i)
            EXPECT_DOUBLE_EQ(chart.seconds[i], double(*c.runs[c.charted[i]].cycleMs) / 1000);
        ASSERT_EQ(chart.limits.has_value(), c.limits.has_value());
        if (c.limits) {
            EXPECT_NEAR(chart.limits->mean, c.limits->mean, 1e-6);
            EXPECT_NEAR(chart.limits->sigma, c.limits->sigma, 1e-6);
            EXPECT_NEAR(chart.limits->upper, c.limits->upper, 1e-6);
            EXPECT_NEAR(chart.limits->lower, c.limits->lower, 1e-6);
        }
        EXPECT_EQ(chart.outside, c.outside);
        EXPECT_EQ(chart.changes, c.changes);
    }
}

// Visits of a step are summed and it keeps the place of its first visit; compared runs list the
// first run's steps, then those only the second visited.
TEST(StepTotals, VisitsSummedAndTwoRunsCompared) {
    const std::vector<MeasuredStep> first = {{0, 0.5}, {3, 1.0}, {1, 2.0}, {3, 0.5}};
    // Sums and shares exact in binary: compared as they are.
    EXPECT_EQ(StepTotals(first),
              (std::vector<StepTotal>{{0, 0.5, 1, 0.125}, {3, 1.5, 2, 0.375}, {1, 2.0, 1, 0.5}}));
    EXPECT_TRUE(StepTotals({}).empty());
    EXPECT_EQ(StepTotals({{4, 0}}), (std::vector<StepTotal>{{4, 0, 1, 0}}));

    // Step 0 a hair slower (noise), 3 slower by exactly the mark (sums of decimals), 1 faster,
    // 1 and 7 each visited by one run only.
    const std::vector<MeasuredStep> second = {
        {7, 0.2}, {0, 0.505}, {3, 0.71}, {3, 0.8}, {0, 0.004}};
    const std::vector<StepDifference> rows = CompareSteps(first, second);
    struct Row {
        int step;
        std::optional<double> first, second;
        double difference;
        bool slower;
    };
    const Row want[] = {{0, 0.5, 0.509, 0.009, false},
                        {3, 1.5, 1.51, 0.01, true},
                        {1, 2.0, std::nullopt, -2.0, false},
                        {7, std::nullopt, 0.2, 0.2, true}};
    ASSERT_EQ(rows.size(), std::size(want));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(want[i].step);
        EXPECT_EQ(rows[i].step, want[i].step);
        EXPECT_EQ(rows[i].first.has_value(), want[i].first.has_value());
        EXPECT_EQ(rows[i].second.has_value(), want[i].second.has_value());
        EXPECT_NEAR(rows[i].first.value_or(-1), want[i].first.value_or(-1), 1e-9);
        EXPECT_NEAR(rows[i].second.value_or(-1), want[i].second.value_or(-1), 1e-9);
        EXPECT_NEAR(rows[i].difference, want[i].difference, 1e-9);
        EXPECT_EQ(rows[i].slower, want[i].slower);
    }
}

}  // namespace
}  // namespace mivo
