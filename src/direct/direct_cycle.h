#pragma once
// The direct command cycle that every command of the direct-operation screen goes through: its
// start, its exchanges on the display channel, how an exchange cuts it short, and its end steps.
#include <functional>
#include <optional>
#include <string>

#include "direct/direct_session.h"
#include "procedures/outcome.h"

namespace mivo {

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
    std::string query(const std::string& command, const std::function<void()>& written = {});
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
    // A line that may or may not come, within the reply limit; when none came the wait ran out
    // of time (timedOut) and nothing was told.
    std::string nextIfAny();
    // The next `lines` reply lines, shown and not examined: how the command stops when the
    // wait for one was cut short (as `cut`), else nothing.
    std::optional<Outcome> pass(int lines = 1);
    // The line after a data value, returned as it came: shown as "OK" when it is one.
    std::string trailing();
    // The line after `value`, read for `item`: true when it is the value's "OK". Otherwise,
    // unless the wait was cut short (see cut), the value is said to be none (ShowUnfitReply)
    // and what is pending is drained.
    bool valueConfirmed(const std::string& item, const std::string& value);
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

}  // namespace mivo
