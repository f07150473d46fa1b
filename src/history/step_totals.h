#pragma once
// Where a run's cycle goes, step by step: each step's visits summed, in the order the steps were
// first visited, with its share of the run's time; and two runs compared step by step. Plain C++.
#include <optional>
#include <vector>

#include "common/step_times.h"

namespace mivo {

struct StepTotal {
    int step = 0;
    double seconds = 0;  // every visit's time summed
    int visits = 0;
    double share = 0;  // of all the run's step times, 0..1
    bool operator==(const StepTotal&) const = default;
};

// One row per step, in the order of its first visit.
std::vector<StepTotal> StepTotals(const std::vector<MeasuredStep>& visits);

// A step slower in the second run than this (seconds) is marked: the monitor's times are to the
// millisecond, and a few of them are noise.
inline constexpr double kSlowerBy = 0.01;

struct StepDifference {
    int step = 0;
    std::optional<double> first;   // the step's total in the first run; none when not visited
    std::optional<double> second;  // in the second run
    double difference = 0;         // second - first, a step not visited counting 0
    bool slower = false;           // difference >= kSlowerBy
    bool operator==(const StepDifference&) const = default;
};

// The steps of the first run in its order, then those only the second visited, in its order.
std::vector<StepDifference> CompareSteps(const std::vector<MeasuredStep>& first,
                                         const std::vector<MeasuredStep>& second);

}  // namespace mivo
