#pragma once
// A run's step times as a file: "step,seconds", then one line per step in the order the steps
// ran ("12,0.350"). The direct screen and `mivo direct run --time --steps` write it; the cycle
// calibration reads it. Plain C++.
#include <string>
#include <string_view>
#include <vector>

namespace mivo {

struct MeasuredStep {
    int step = 0;
    double seconds = 0;
    bool operator==(const MeasuredStep&) const = default;
};

// The file's text: the header, then each step with its seconds to the millisecond.
std::string StepTimesCsv(const std::vector<MeasuredStep>& steps);

struct StepTimesRead {
    std::vector<MeasuredStep> steps;
    std::string problem;  // "" when the text was a step-times file
};

// Reads a step-times file: the header line, then "STEP,SECONDS" lines (a step 0..999, seconds
// no negative number; CR LF line ends and blank lines allowed). Anything else is the problem
// "line N: 'TEXT' is no step and its seconds", and no steps.
StepTimesRead ReadStepTimes(std::string_view text);

}  // namespace mivo
