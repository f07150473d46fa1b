#pragma once
// The procedures the commands of the direct-operation and teaching screens share: the error
// displays, a value query, the "OK" check, the positions, the origin check, the monitor's end, the
// offline routine and the line's effects.
#include <functional>
#include <string>

#include "direct/direct_cycle.h"
#include "procedures/outcome.h"
#include "procedures/procedure_context.h"
#include "procedures/reply_rules.h"

namespace mivo {

// Every control of the screen but the fields on or off.
void EnableAll(DirectView& v, bool on);

// An answer of another class than the command expects, shown in the error dialog: after a
// status word (NG, ERR, EMG, MSTOP, STOP) the controller's error line, else the line itself.
void ShowReplyError(DirectCycle& cycle, const Answer& a);

// The teaching screen's error display: the line after the status word (the error number) goes
// into the error dialog when it is not empty.
Outcome ShowErrorLine(DirectCycle& cycle, const Answer& a);

// A query answered by a data value of `shape` and its "OK": the value, or how the command
// stops. A value that does not fit is no value.
struct QueryReply {
    Outcome outcome = Outcome::Failed;  // Completed with a value
    std::string value;
};
QueryReply Query(DirectCycle& cycle, const std::string& command, ValueShape shape,
                 bool offlineOnLoss = false);

// A command answered "OK"; another class goes to ShowReplyError.
Outcome ExpectOk(DirectCycle& cycle, const Answer& a, const std::string& command,
                 bool offlineOnLoss = false);

// "@?POS 1" to "@?POS 4" into the four position fields. A lost line runs the offline routine
// (Failed, the cycle ends at once); a reply that is no value ends the reading (Failed), one
// that is no number with a notice.
Outcome ReadPositions(DirectCycle& cycle);

// "@STOP" and its answer: "STOP" and its line mark a jog released and read the positions;
// "CEND" and its lines complete; "OK" (nothing was moving) gives `nothingMoved`; a refusal is
// shown.
Outcome StopAndReadPositions(DirectCycle& cycle, Outcome nothingMoved);

// The origin check: "@?ORG"; unless the robot has returned to origin, "Return to origin?" and
// "@ORG". Completed when the command may go on.
Outcome OriginCheck(DirectCycle& cycle, bool offlineOnLoss = false);

// "Monitoring" ends with "Monitor is ended" and the monitor button reads "Start monitor";
// nothing when it is off.
void EndMonitor(DirectSession& session);

// The line was lost or cancelled: every control but the fields disabled, "Monitoring" ended
// (with "Monitor is ended" when it was on), a run's cycle abandoned, the channel closed, the
// cancel flag cleared, the line button "Offline".
void OfflineRoutine(DirectSession& session);

// The line button's effect once the direct channel went on or off line.
void LineWentOnline(DirectSession& session);
void LineWentOffline(DirectSession& session);

// Runs `procedure` (one shared with the editors) on the direct channel with every command and
// reply appended to the display.
Outcome RunOnDirectDisplay(DirectSession& session,
                           const std::function<Outcome(ProcedureContext&)>& procedure);

}  // namespace mivo
