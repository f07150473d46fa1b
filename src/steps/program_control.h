#pragma once
// The step editor's program control: program number, running the program, origin return,
// motor free and the controller's program initialisation.
#include <optional>
#include <string>

#include "steps/program_context.h"
#include "steps/step_table.h"

namespace mivo {

// Program No. acquire: the program number query only (shown through showProgramNo).
Outcome AcquireProgramNo(StepContext& ctx);

// Operation execute: origin check (offering "@ORG"), "PGM n will be started.  OK?", "@RUN"
// and the monitoring of its reply lines until "END" ("END: Program operation end").
Outcome ExecuteOperation(StepContext& ctx);

// Return to origin: asks, then "@ORG"; a refusal goes to the error dialog.
Outcome ReturnToOrigin(StepContext& ctx);

// Motor free: "@MSTOP" and the line after its reply, only logged.
Outcome MotorFree(StepContext& ctx);

// Step initialize, its first half: sets StepModified and asks for the program number. The
// question for the initialisation dialog ("Is PGM No.n initialize executed?"), or nullopt
// when the query failed.
std::optional<std::string> InitializeQuestion(StepContext& ctx);

// The dialog's Yes (program mode): "@INIT PGM", and on OK empties every step of `table` and
// shows "Program initialize is completed"; a refusal goes to the error dialog.
Outcome InitializeProgram(StepContext& ctx, StepTable& table);

}  // namespace mivo
