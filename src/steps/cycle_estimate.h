#pragma once
// The cycle estimated before the run: the program walked from step 0 at the origin to its END,
// each executed step timed by the motion law (common/motion_plan) plus the controller's own work.
// What depends on the cell is not counted but listed: waits for an input, conditional jumps
// (taken as not taken), pallet moves to a pallet without points. Plain C++.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/motion_plan.h"
#include "steps/step_table.h"

namespace mivo {

struct StepEstimate {
    int step = 0;
    double seconds = 0;
    // Its time depends on the cell: a wait for an input, a move to a pallet without points.
    bool uncertain = false;
    bool operator==(const StepEstimate&) const = default;
};

struct CycleEstimate {
    std::vector<StepEstimate> steps;      // every executed step, in execution order, END included
    std::vector<std::string> notCounted;  // "step 12: waits for input 3 ON", in execution order
    double seconds = 0;                   // all of them
    // Why there is no cycle: "" when the walk reached an END.
    std::string problem;
};

// What the estimate takes from the parameters: the motion law's limits (`stepWork` the
// controller's own work on each step), the ZI height (the virtual origin point) and where a
// pallet move goes: pallet k's first point, none when the pallet has none.
struct EstimateSetting {
    MotionLimits limits;
    double ziHeight = 0;
    std::function<std::optional<AxisPosition>(int pallet)> palletPoint;
};

// The limits and the ZI height from parameter texts (`parameter(n)` gives parameter n's); no
// pallet points.
EstimateSetting SettingFromParameters(const std::function<std::string(int)>& parameter);

CycleEstimate EstimateCycle(const StepTable& table, const EstimateSetting& setting);

// Which executed steps take far longer than the steps around them (three before and three
// after): over three times their median, and half a second more. One flag per `steps` entry.
std::vector<bool> FarAboveNeighbours(const CycleEstimate& estimate);

// The estimate as text: "step N: S.SSS s" for each executed step in order, then "not counted:
// step N: ..." for each wait, conditional jump or pallet it did not count, then "Estimated
// cycle: S.SS s". Stable for scripts.
std::vector<std::string> EstimateLines(const CycleEstimate& estimate);

}  // namespace mivo
