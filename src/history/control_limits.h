#pragma once
// The individuals chart of a run history's cycle times: the mean, sigma from the average moving
// range (divided by 1.128, the d2 of ranges of two), the control limits at three sigma, the runs
// beyond them, and where the program run changed. Plain C++.
#include <cstddef>
#include <optional>
#include <vector>

#include "common/run_record.h"

namespace mivo {

struct ControlLimits {
    double mean = 0;   // seconds
    double sigma = 0;  // seconds
    double upper = 0;  // mean + 3 sigma
    double lower = 0;  // mean - 3 sigma, not below 0
};

struct ControlChart {
    // The charted runs: those with a cycle, as indices into the runs given, in their order.
    std::vector<std::size_t> runs;
    // Each charted run's cycle in seconds.
    std::vector<double> seconds;
    // None under two cycles.
    std::optional<ControlLimits> limits;
    // Charted points (indices into `runs`) above the upper or below the lower limit.
    std::vector<std::size_t> outside;
    // Charted points from which on another program ran: its hash differs from the last known
    // one before it. A change at a run without a cycle is told at the next charted point, so
    // the value may be runs.size() (after the last one). An unknown hash changes nothing.
    std::vector<std::size_t> changes;
};

ControlChart ChartOfRuns(const std::vector<RunRecord>& runs);

}  // namespace mivo
