#pragma once
// What every command of the direct-operation screen runs on: the session (the screen's own
// state and the direct channel as its display sees it) and the command cycle that each command
// goes through, with the procedures the commands share: ShowReplyError, ReadPositions, the
// offline routine and the origin check.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/prompter.h"
#include "direct/direct_view.h"
#include "link/direct_channel.h"
#include "link/reply_class.h"
#include "procedures/outcome.h"
#include "procedures/procedure_context.h"
#include "procedures/reply_rules.h"
#include "procedures/transfer_view.h"

namespace mivo {

// The screen's own state, shared by its commands, jogging and the monitor.
struct DirectState {
    ReplyCode lastReply = ReplyCode::Data;  // the class of the last reply received
    bool motorStopRequest = false;          // the pending wait gives up (InjectMstop)
    bool stopRequest = false;               // InjectStop
    bool monitoring = false;                // the hidden box "Monitoring"
    bool jogReleased = false;               // a release or STOP was answered "STOP"
    int pressCycle = 0;                     // the cycle of the jog press under way (0: none)
    // The press's jog command went out and was not refused: its release has something to stop.
    bool jogUnderWay = false;
    // The controller confirmed no stop (the robot may still be moving), until it answers again.
    bool stopUnconfirmed = false;
};

// What the screens say when the controller confirmed neither a stop nor the "@STOP" sent after it.
inline constexpr const char* kStopUnconfirmed =
    "The controller did not confirm the stop.  The robot may still be moving: stop it with its "
    "own emergency stop.";
inline constexpr const char* kStopUnconfirmedCaption = "Stop not confirmed";

class DirectSession {
  public:
    // `transfer` holds the cancel flag and says whether an exchange is a data exchange (which
    // gives up on a silent controller) or a motion (which waits for the robot).
    DirectSession(DirectChannel& channel, Prompter& prompter, TransferView& transfer,
                  DirectView& view);
    ~DirectSession();
    DirectSession(const DirectSession&) = delete;
    DirectSession& operator=(const DirectSession&) = delete;

    DirectState state;
    // The monitor loop, which the end of every command starts again while "Monitoring" is on:
    // called once the outermost command has ended, never from inside another's wait.
    std::function<void()> restartMonitor;

    // The screen. While the line is off nothing that needs it is enabled: an enable set
    // switched on then stays off (a command answered after the line went under its question).
    DirectView& view();
    Prompter& prompter() { return prompter_; }
    TransferView& transfer();
    DirectChannel& channel() { return channel_; }
    // The context for procedures shared with the editors: its channel is the direct channel
    // with every command and reply appended to the display; a wait that the motor-stop
    // request ended returns "".
    ProcedureContext& context() { return *context_; }

    // The motor-stop request: the innermost pending wait ends now.
    void raiseMotorStop();
    // The stop request: the innermost pending wait ends now without a line, and its command
    // ends without its end steps (a jog's release withdraws the press's wait so).
    void raiseStop();
    // The monitor starts again once the outermost command has ended, when it is on.
    void restartMonitorLater();
    // Clears both request flags and withdraws what no wait has taken yet.
    void clearRequests();

    // How the last exchange ended: the motor-stop request ended its wait (or is raised), or
    // the wait ended without a line (the link was lost, closed or cancelled), or it ran out of
    // time on a line that is still on.
    bool motorStopped() const;
    bool lineLost() const;
    bool timedOut() const;

    // After each whole scan of the monitor (for a terminal that prints it, and stops it).
    std::function<void()> monitorScanned;
    // A reply the monitor could not take as the value of `query` (for a terminal that reports
    // it and stops the monitor); the screen marks the item and scans again.
    std::function<void(const std::string& query, const std::string& reply)> monitorUnfit;

    // The monitor loop's driver: a restart asked for while it runs is its own to make, once
    // the command that asked has ended its wait.
    void setMonitorRunning(bool on) {
        monitorRunning_ = on;
        monitorDepth_ = cycles_ + 1;  // the depth of the monitor's own cycle
    }
    bool monitorRunning() const { return monitorRunning_; }
    // Takes a restart asked for by a command that ended inside the monitor's wait.
    bool takeRestart() {
        const bool pending = restartPending_;
        restartPending_ = false;
        return pending;
    }

    // Cycles under way, the innermost last (STOP pressed while RUN waits makes two).
    int cyclesRunning() const { return cycles_; }
    // The cycle whose wait is the innermost one under way (0: no wait).
    int waitingCycle() const;
    // A stop's answer is awaited (a stop signal then lets it come).
    bool stopAwaited() const { return stopsAwaited_ > 0; }

  private:
    friend class DirectCycle;
    class DisplayChannel;
    class Exchanges;
    class LineView;

    DirectChannel& channel_;
    Prompter& prompter_;
    std::unique_ptr<Exchanges> transfer_;
    std::unique_ptr<LineView> view_;
    std::unique_ptr<DisplayChannel> display_;
    std::vector<std::string> log_;  // kept for the shared procedures, emptied every cycle
    std::unique_ptr<ProcedureContext> context_;
    int cycles_ = 0;
    int stopsAwaited_ = 0;
    bool restartPending_ = false;  // the monitor restarts once the outermost cycle has ended
    bool monitorRunning_ = false;
    int monitorDepth_ = 1;
};

// One command's run through the direct command cycle. Made at the command's start (step 1);
// its end steps (6 to 11: controls back, request flags cleared, the cancel flag's effect, the
// monitor restarted) run exactly once when it goes out of scope, whichever way the command
// ends, unless the command ended at once because the line was lost.
class DirectCycle {
  public:
    // `stopPanel`: STOP, MSTOP and a jog release, which also disable the stop panels and drop
    // pending input at once instead of waiting for the line to be quiet, so that they go out
    // without delay.
    explicit DirectCycle(DirectSession& session, bool stopPanel = false);
    ~DirectCycle();
    DirectCycle(const DirectCycle&) = delete;
    DirectCycle& operator=(const DirectCycle&) = delete;

    DirectSession& session() { return s_; }

    // Step 2: the command's Yes/No question; No leaves only the end steps.
    bool confirm(const std::string& text, const std::string& caption);
    // Steps 3 and 4: input drained, request flags cleared, the cancel panel enabled, the
    // command and monitor controls disabled.
    void start();
    // Step 5: a data exchange (it gives up on a silent controller) or a motion (it waits for
    // the robot as long as it takes). The command and the reply go to the display.
    std::string query(const std::string& command);
    // `written` is called once the motion's command is on the line.
    std::string motion(const std::string& command, const std::function<void()>& written = {});
    // A stop's "@STOP" or "@MSTOP" and its answer. Made inside another exchange's wait, the
    // lines that exchange is owed come first: they are passed over (shown as that exchange
    // shows them), as is any data line, which no stop is answered with. No answer: "@STOP" once
    // more at once; none to that either: the view says so (the robot may still be moving) and
    // the offline routine runs. "" when no answer came.
    std::string stop(const std::string& command);
    // The next reply line, without sending.
    std::string next();
    // The line after a data value: waited for and shown as "OK", not examined.
    std::string trailing();
    // The next exchange (the monitor's) does not show in the display; those made inside its
    // wait do.
    void quiet();

    // After an exchange: the command stops here when the motor-stop request ended the wait
    // (Interrupted; the end steps run) or the wait ended without a line (Failed; the cycle
    // ends at once, after the offline routine with `offlineOnLoss`), unless the wait ran out
    // of time on a line still on: then the end steps run and the line stays on.
    std::optional<Outcome> cut(bool offlineOnLoss = false);
    // The offline routine, and the cycle ends without its end steps.
    void goOffline();
    // The cycle ends without its end steps. While "Monitoring" is on, the monitor takes over
    // (a run's replies): it starts again, unless the line was lost.
    void handOver();
    // The monitor loop's own cycle: its end does not start the monitor again.
    void keepMonitorAsIs() { restarts_ = false; }

  private:
    void endSteps();

    DirectSession& s_;
    bool stopPanel_;
    bool endSteps_ = true;
    bool restarts_ = true;
};

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
// (with "Monitor is ended" when it was on), the channel closed, the flags cleared, the line
// button "Offline".
void OfflineRoutine(DirectSession& session);

// The line button's effect once the direct channel went on or off line.
void LineWentOnline(DirectSession& session);
void LineWentOffline(DirectSession& session);

// Runs `procedure` (one shared with the editors) on the direct channel with every command and
// reply appended to the display.
Outcome RunOnDirectDisplay(DirectSession& session,
                           const std::function<Outcome(ProcedureContext&)>& procedure);

}  // namespace mivo
