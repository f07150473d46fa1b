#pragma once
// `mivo estimate`: the cycle of a step file estimated before the run, step by step, and with
// `--calibrate` the motion law fitted first to a measured run of another program.
#include <iosfwd>
#include <string>

#include "cli/console_prompter.h"

namespace mivo {

// The estimate of `stepFile` on `out` (EstimateLines), the limits from the parameter file
// `parameters` when given, else robot 22's initial values. kExitCompleted; kExitFailed when a
// file cannot be read or the walk reaches no END (said on `err`).
// With `calibration` (a step file and the step times of its run, as `direct run --time --steps`
// writes them) the law is fitted to that run first and its "Calibration:" line printed before
// the estimate.
struct CalibrationFiles {
    std::string steps, times;
};
int RunEstimate(const std::string& stepFile, const std::string& parameters,
                const CalibrationFiles& calibration, ConsolePrompter& prompter, std::ostream& out,
                std::ostream& err);

}  // namespace mivo
