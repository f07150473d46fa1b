#pragma once
// Step initialize: the controller's current program emptied, and the step table with it.
#include <optional>
#include <string>

#include "procedures/outcome.h"
#include "procedures/procedure_context.h"
#include "steps/step_target.h"

namespace mivo {

// Its first half: sets StepModified and asks for the program number. The question for the
// initialisation dialog ("Is PGM No.n initialize executed?"), or nullopt when the query failed.
std::optional<std::string> InitializeQuestion(ProcedureContext& ctx, const StepTarget& steps);

// The dialog's Yes (program mode): "@INIT PGM", and on OK empties every step of the table and
// shows "Program initialize is completed"; a refusal goes to the error dialog.
Outcome InitializeProgram(ProcedureContext& ctx, const StepTarget& steps);

// The step editor's wording of the start question: "PGM 2 will be started.  OK?".
std::string StepStartQuestion(const std::string& number);

}  // namespace mivo
