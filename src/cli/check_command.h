#pragma once
// `mivo check`: the program check of a step file, one line per finding; and the check before
// `mivo steps send`.
#include <iosfwd>
#include <string>

#include "cli/console_prompter.h"
#include "steps/step_table.h"

namespace mivo {

// The findings of `table` on `out` as "step N: TEXT", the strokes from the parameter file
// `parameters` when given. kExitCompleted with none, kExitFailed with findings or when a file
// cannot be read.
int RunCheck(const std::string& stepFile, const std::string& parameters, ConsolePrompter& prompter,
             std::ostream& out);

// Before a send: the findings on `err` and "Send anyway?"; true when there are none or the
// answer was yes. False when the parameter file cannot be read.
bool SendAfterCheck(const StepTable& table, const std::string& parameters,
                    ConsolePrompter& prompter, std::ostream& err);

}  // namespace mivo
