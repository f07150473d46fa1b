#pragma once
// What every command of the direct-operation screen runs on: the session, the screen's own state
// and the direct channel, whose exchange engine gives each command the lines that answer it.
// Commands run on fibers (common/fiber): a command waits without holding the screen, so STOP,
// MSTOP, a jog's release or an output run beside it, each with its own exchange, and the monitor
// scans between them. Each command goes through the command cycle (direct/direct_cycle) and
// shares procedures with the others (direct/shared_procedures).
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/prompter.h"
#include "common/run_record.h"
#include "common/said_text.h"
#include "direct/cycle_timing.h"
#include "direct/direct_view.h"
#include "link/engine_channel.h"
#include "procedures/procedure_context.h"
#include "procedures/run_account.h"
#include "procedures/transfer_view.h"

namespace mivo {

class DisplayChannel;
class LineView;

// The screen's own state, shared by its commands, jogging and the monitor.
struct DirectState {
    bool monitoring = false;   // the hidden box "Monitoring"
    bool jogReleased = false;  // the press under way was released (or STOP answered "STOP")
    bool pressing = false;     // a jog press is under way
    bool jogUnderWay = false;  // the press's jog command went out: its release has a move to stop
    bool jogOnLine = false;    // the press's jog was written (until then a stop withholds it)
    bool stopUnconfirmed = false;  // no stop was confirmed (the robot may still be moving)
};

// What the screens say when the controller confirmed neither a stop nor the "@STOP" sent after it.
inline constexpr const char* kStopUnconfirmed =
    UI_TEXT("Message",
            "The controller did not confirm the stop.  The robot may still be moving: stop it "
            "with its own emergency stop.");
inline constexpr const char* kStopUnconfirmedCaption = UI_TEXT("Message", "Stop not confirmed");
// Beside STOP while it is so.
inline constexpr const char* kStopUnconfirmedMark =
    UI_TEXT("Message", "Stop not confirmed: the robot may still be moving; use its emergency stop");

class DirectSession {
  public:
    // `transfer` holds the cancel flag.
    DirectSession(EngineChannel& channel, Prompter& prompter, TransferView& transfer,
                  DirectView& view);
    ~DirectSession();
    DirectSession(const DirectSession&) = delete;
    DirectSession& operator=(const DirectSession&) = delete;

    DirectState state;

    // The screen. While the line is off nothing that needs it is enabled.
    DirectView& view();
    Prompter& prompter() { return prompter_; }
    TransferView& transfer() { return transfer_; }
    EngineChannel& channel() { return channel_; }
    // The context for procedures shared with the editors: its channel is the direct channel
    // read line by line, with every command and reply appended to the display.
    ProcedureContext& context() { return *context_; }
    DisplayChannel& display() { return *display_; }

    // The cycle of each program run from "@RUN" written to its "END", and its steps as the
    // monitor saw them. Its clock may be replaced (a test drives it).
    CycleTiming cycleTiming;
    // After a run's cycle was timed, with its milliseconds.
    std::function<void(std::int64_t milliseconds)> cycleTimed;
    // Each run from "@RUN" on the line to its end: its `began`, `describe` (the robot, the
    // controller, the program's steps and this program, "mivo-editor" or "mivo", as far as
    // known; the session knows the times, the program number and the end) and `finished`.
    RunAccount runs;
    // "@RUN" is on the line.
    void runStarted();
    // The program's "END" came: its cycle is timed.
    void runEnded();
    // The run ended otherwise: `detail` the controller's error line or what happened to the line.
    // Nothing when no run is under way.
    void runEndedBy(RunResult result, const std::string& detail = {});
    // "@RUN" was refused: no run.
    void runRefused();
    // The run result of the stop pressed last (STOP or MSTOP): what a run it ended ended by.
    RunResult panelStop = RunResult::Stop;
    // A run is under way (from "@RUN" on the line to its end).
    bool runUnderWay() const { return runs.underWay(); }

    // After each whole scan of the monitor (for a terminal that prints it, and stops it).
    std::function<void()> monitorScanned;
    // A reply the monitor could not take as the value of `query`; the screen marks the item and
    // scans again.
    std::function<void(const std::string& query, const std::string& reply)> monitorUnfit;
    // The jog command of a press went out (a hold is counted from there).
    std::function<void()> jogStarted;

    // The monitor's loop runs (on its own fiber).
    bool monitorRunning = false;
    // Command cycles under way (STOP pressed while RUN waits makes two); the monitor's is none.
    int cyclesRunning() const { return cycles_; }
    // A stop's answer is awaited.
    bool stopAwaited() const { return stopsAwaited_ > 0; }

  private:
    friend class DirectCycle;

    EngineChannel& channel_;
    Prompter& prompter_;
    TransferView& transfer_;

    int cycles_ = 0;
    int stopsAwaited_ = 0;
    int program_ = -1;  // the program number "@?NO" last answered
    std::unique_ptr<LineView> view_;
    std::unique_ptr<DisplayChannel> display_;
    std::vector<std::string> log_;  // kept for the shared procedures
    std::unique_ptr<ProcedureContext> context_;
};

}  // namespace mivo
