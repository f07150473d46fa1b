#pragma once
// What every command of the direct-operation screen runs on: the session, the screen's own state
// and the direct channel as its display sees it (direct/display_channel). Each command goes
// through the command cycle (direct/direct_cycle) and shares procedures with the others
// (direct/shared_procedures).
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "common/prompter.h"
#include "direct/cycle_timing.h"
#include "direct/direct_view.h"
#include "link/direct_channel.h"
#include "link/reply_class.h"
#include "procedures/procedure_context.h"
#include "procedures/transfer_view.h"

namespace mivo {

class DisplayChannel;
class Exchanges;
class LineView;

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
// Beside STOP while it is so.
inline constexpr const char* kStopUnconfirmedMark =
    "Stop not confirmed: the robot may still be moving; use its emergency stop";

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
    // The last wait's line was empty (a lone CR LF): no line lost, though the reply is "".
    bool emptyLine() const;

    // The cycle of each program run from "@RUN" written to its "END", and its steps as the
    // monitor saw them. Its clock may be replaced (a test drives it).
    CycleTiming cycleTiming;
    // After a run's cycle was timed, with its milliseconds (the screen's statistics, `mivo
    // direct run --time`).
    std::function<void(std::int64_t milliseconds)> cycleTimed;
    // "@RUN" is on the line, its "END" arrived, or the run ended otherwise (stopped, an error,
    // the line lost, the monitor that was to see its "END" ended).
    void runStarted() { cycleTiming.runStarted(); }
    void runEnded();
    void runAbandoned() { cycleTiming.runAbandoned(); }

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

    // The monitor's next start keeps the input already received: a run handed over to it
    // (its "END" may already be on its way) and not the rest of an exchange it interrupted.
    void keepInputOnRestart() { keepInput_ = true; }
    bool takeKeepInput() { return std::exchange(keepInput_, false); }

    // Cycles under way, the innermost last (STOP pressed while RUN waits makes two).
    int cyclesRunning() const { return cycles_; }
    // The cycle whose wait is the innermost one under way (0: no wait).
    int waitingCycle() const;
    // A stop's answer is awaited (a stop signal then lets it come).
    bool stopAwaited() const { return stopsAwaited_ > 0; }

  private:
    friend class DirectCycle;

    DirectChannel& channel_;
    Prompter& prompter_;
    int cycles_ = 0;
    std::unique_ptr<Exchanges> transfer_;
    std::unique_ptr<LineView> view_;
    std::unique_ptr<DisplayChannel> display_;
    std::vector<std::string> log_;  // kept for the shared procedures, emptied every cycle
    std::unique_ptr<ProcedureContext> context_;
    int stopsAwaited_ = 0;
    bool restartPending_ = false;  // the monitor restarts once the outermost cycle has ended
    bool monitorRunning_ = false;
    bool keepInput_ = false;
    int monitorDepth_ = 1;
};

}  // namespace mivo
