#pragma once
// `mivo estimate`: the cycle of a step file estimated before the run, step by step.
#include <iosfwd>
#include <string>

#include "cli/console_prompter.h"

namespace mivo {

// The estimate of `stepFile` on `out` (EstimateLines), the limits from the parameter file
// `parameters` when given, else robot 22's initial values. kExitCompleted; kExitFailed when a
// file cannot be read or the walk reaches no END (said on `err`).
int RunEstimate(const std::string& stepFile, const std::string& parameters,
                ConsolePrompter& prompter, std::ostream& out, std::ostream& err);

}  // namespace mivo
