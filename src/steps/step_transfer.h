#pragma once
// Step send and step receive between the step editor's table and the controller's current
// program, over the main channel.
#include <string>
#include <vector>

#include "common/said_text.h"
#include "procedures/outcome.h"
#include "procedures/procedure_context.h"
#include "procedures/quiet_reads.h"
#include "steps/step_range.h"
#include "steps/step_table.h"
#include "steps/step_target.h"

namespace mivo {

// Step send: upper-cases every Command, asks for the controller's program, checks the range,
// asks "Send to PGMn will be executed.  OK?" and writes the steps start..end.
Outcome SendSteps(ProcedureContext& ctx, const StepTarget& steps, const std::string& start,
                  const std::string& end);

// Quick send: the same question as Step send, "@INIT PGM" once, then only the steps that hold a
// command (a circle pair as one), with Step send's commands, errors, progress and completion.
// The whole program goes, whatever the range. A step Step send would refuse ("Command type
// error No. s") is refused after the question, before "@INIT PGM", so the controller keeps its
// program. An "@INIT PGM" not answered "OK" shows its error line and sends nothing more. A send
// cut after "@INIT PGM" (refused, the line lost, stopped) says what the controller holds now:
// "PGM 2 on the controller now holds steps 0 to 11 only; " (or "is now empty; ") and `again`, a
// text of its own, translated as one.
inline constexpr const char* kSendWholeAgain = UI_TEXT("Message", "send the whole program again");
Outcome QuickSendSteps(ProcedureContext& ctx, const StepTarget& steps,
                       const std::string& again = kSendWholeAgain);

// Send selected: Step send's refusals and question, then only the steps of `spans` (a circle
// pair whole; spans that overlap go once), each written or deleted as Step send does. When the
// controller's current program is not `program`, the one the steps were compared with, nothing
// is sent ("The comparison is of PGM2, the controller's current program is PGM3. Nothing was
// sent.").
Outcome SendStepSpans(ProcedureContext& ctx, const StepTarget& steps, std::vector<StepRange> spans,
                      const std::string& program);

// Step receive: asks "Is step received?", then reads the steps start..end into the table.
Outcome ReceiveSteps(ProcedureContext& ctx, const StepTarget& steps, const std::string& start,
                     const std::string& end);

// The controller's current program read whole (steps 0-999 by Step receive) through `reads`,
// its number into `program`. A current program other than 0 to 5 is refused with "Check PGM
// No." (caption "Step receive", said through `prompter`, the user's own).
Outcome ReadCurrentProgram(QuietReads& reads, Prompter& prompter, StepTable& table,
                           std::string& program);

// Decodes one "@READ STEP" record of step `step` ("S12 POI 000,1,2,3,4") into `row` (emptied
// first). A record that is not one of step `step` with a known command leaves the row as it was
// and gives false. `circleSecond`: the second line of a circle.
bool DecodeStepRecord(const std::string& record, int step, bool circleSecond, StepRow& row);

}  // namespace mivo
