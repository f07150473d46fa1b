#pragma once
// Program control shared by the editors: the program number, the origin check, running the
// current program, return to origin and motor free.
#include <functional>
#include <string>

#include "procedures/outcome.h"
#include "procedures/procedure_context.h"

namespace mivo {

struct ProgramNo {
    bool ok = false;     // the operation may go on
    std::string number;  // the one-character program number; "" when the controller gave none
};

// "@?NO" with its reply rules; errors are shown, the number is passed to showProgramNo.
ProgramNo QueryProgramNo(ProcedureContext& ctx);

// The program number as 0..5, or -1 for anything else.
int ProgramIndex(const std::string& number);

// Program No. acquire: the program number query alone, in its own session.
Outcome AcquireProgramNo(ProcedureContext& ctx);

// The origin check inside a running session: "@?ORG"; unless the robot has returned to origin
// (state "1"), "Return to origin?" and "@ORG" with the dialog showing a motion. Completed when
// the robot is at origin, Declined on No.
Outcome CheckOrigin(ProcedureContext& ctx);

// "@ORG" as a motion (Cancel of the dialog then sends "@MSTOP"); a refusal goes to the error
// dialog. True on "OK".
bool SendOrigin(ProcedureContext& ctx);

// The wording of the start question for a program number ("PGM 2 will be started.  OK?").
using StartQuestion = std::function<std::string(const std::string& number)>;

// Before a program starts: the program number, the origin check, "Check PGM No." for a number
// outside 0 to 5, and the start question. Completed when the program may start; `program` then
// holds its number 0..5.
Outcome ConfirmProgramStart(ProcedureContext& ctx, const StartQuestion& question,
                            int* program = nullptr);

// Program execute: program number, origin check, the start question, "@RUN" and the monitoring
// of its reply lines until "END" ("END: Program operation end").
Outcome ExecuteProgram(ProcedureContext& ctx, const StartQuestion& question);

// Return to origin: asks, then "@ORG"; a refusal goes to the error dialog.
Outcome ReturnToOrigin(ProcedureContext& ctx);

// Motor free: "@MSTOP" and the line after its reply, only logged.
Outcome MotorFree(ProcedureContext& ctx);

}  // namespace mivo
