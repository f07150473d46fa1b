#pragma once
// The direct command cycle that every command of the direct-operation screen goes through: its
// start, its exchanges (each answered whole by the lines the engine matched to it), how an
// exchange cuts it short, and its end steps.
#include <functional>
#include <optional>
#include <string>

#include "direct/direct_session.h"
#include "procedures/outcome.h"

namespace mivo {

using Answer = EngineChannel::Reply;
using AnswerEnd = EngineChannel::End;

// The first line of an answer, "" when it has none; the line after a status word.
std::string FirstLine(const Answer& a);
std::string ErrorLineOf(const Answer& a);

// One command's run through the direct command cycle. Made at the command's start (step 1);
// its end steps (6 to 10: controls back, the cancel flag's effect) run exactly once when it goes
// out of scope, unless the command ended at once because the line was lost.
class DirectCycle {
  public:
    // `stopPanel`: STOP, MSTOP and a jog release: nothing is drained before them.
    explicit DirectCycle(DirectSession& session, bool stopPanel = false);
    ~DirectCycle();
    DirectCycle(const DirectCycle&) = delete;
    DirectCycle& operator=(const DirectCycle&) = delete;

    DirectSession& session() { return s_; }

    // Step 2: the command's Yes/No question; No leaves only the end steps.
    bool confirm(const std::string& text, const std::string& caption);
    // Steps 3 and 4: input not owed to anything drained, the cancel panel enabled, the command
    // and monitor controls disabled. A stop panel's cycle drains nothing and takes the controls
    // once its stop is on the line, so that nothing comes before the stop.
    void start();
    // Step 5: `command` and its whole answer, shown as it comes (not `shown`: the monitor's).
    // `written` is called once the command is on the line. `fits`: whether a data line is a
    // value of the item asked for (a value that does not fit is noise at once).
    Answer exchange(const std::string& command, const std::function<void()>& written = {},
                    bool shown = true, std::function<bool(const std::string&)> fits = {});
    // A stop's "@STOP" or "@MSTOP", written at once, and its answer. No answer within the reply
    // limit: "@STOP" once more; none to that either: the view says so (the robot may still be
    // moving) and the offline routine runs.
    Answer stop(const std::string& command);
    // After a procedure shared with the editors, read line by line: how its last exchange ended.
    Answer lastLineExchange() const;

    // After an exchange, how the command stops, if it does: a stop's answer ended it
    // (Interrupted; the end steps run), the line was lost (Failed; the cycle ends at once, after
    // the offline routine with `offlineOnLoss`), no answer came in time on a line still on
    // (Failed; the end steps run), a line that fits no answer came (Failed, said so).
    std::optional<Outcome> cut(const Answer& a, const std::string& command,
                               bool offlineOnLoss = false);
    // The offline routine, and the cycle ends without its end steps.
    void goOffline();
    // The cycle ends without its end steps (another's took the controls back).
    void skipEndSteps() { endSteps_ = false; }

  private:
    void endSteps();
    // Steps 3 and 4's controls: the cancel panel enabled, the command and monitor controls
    // disabled.
    void takeControls();

    DirectSession& s_;
    bool stopPanel_;
    bool endSteps_ = true;
    bool controlsAfterStop_ = false;  // a stop panel's controls wait for its stop's write
};

}  // namespace mivo
