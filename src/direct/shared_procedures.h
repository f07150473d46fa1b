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

// The reply of another class than the command expects: appended (the channel did), and shown
// in the error dialog. After a status word (NG, ERR, EMG, MSTOP, STOP) the controller's error
// line follows: it is read, appended, and is what the dialog shows.
void ShowReplyError(DirectCycle& cycle, const std::string& reply);

// The teaching screen's error display: the line after the reply (the error number) goes into
// the error dialog when it is not empty; the reply itself is not shown.
Outcome ShowErrorLine(DirectCycle& cycle);

// A query answered by a data value of `shape` and a trailing line: the value, or how the
// command stops. A value that does not fit, or comes without its trailing line, is no value.
struct QueryReply {
    Outcome outcome = Outcome::Failed;  // Completed with a value
    std::string value;
};
QueryReply Query(DirectCycle& cycle, const std::string& command, ValueShape shape,
                 bool offlineOnLoss = false);

// A command answered "OK"; another class goes to ShowReplyError.
Outcome ExpectOk(DirectCycle& cycle, const std::string& reply, bool offlineOnLoss = false);

// "@?POS 1" to "@?POS 4" into Xposi, Yposi, Zposi, Rposi. A motor-stop request ends the
// reading (Interrupted), an empty reply runs the offline routine (Failed, the cycle ends at
// once), a reply that is no data value ends it (Failed), one that is no number or comes
// without its trailing line too, with a notice.
Outcome ReadPositions(DirectCycle& cycle);

// The origin check: "@?ORG"; unless the robot has returned to origin, "Return to origin?" and
// "@ORG". Completed when the command may go on.
Outcome OriginCheck(DirectCycle& cycle, bool offlineOnLoss = false);

// "Monitoring" ends with "Monitor is ended" and the monitor button reads "Start monitor";
// nothing when it is off.
void EndMonitor(DirectSession& session);

// The line was lost or cancelled: every control but the fields disabled, "Monitoring" ended
// (with "Monitor is ended" when it was on), a run's cycle abandoned, the channel closed, the
// flags cleared, the line button "Offline".
void OfflineRoutine(DirectSession& session);

// The line button's effect once the direct channel went on or off line.
void LineWentOnline(DirectSession& session);
void LineWentOffline(DirectSession& session);

// Runs `procedure` (one shared with the editors) on the direct channel with every command and
// reply appended to the display.
Outcome RunOnDirectDisplay(DirectSession& session,
                           const std::function<Outcome(ProcedureContext&)>& procedure);

}  // namespace mivo
