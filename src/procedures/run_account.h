#pragma once
// A program run's account from "@RUN" on the line to its end, however it ends, handed on as a
// RunRecord: the direct screen's session keeps one, and the editors' "Program execute" another.
// The times are UTC; the host fills in what it knows of the robot and the program. Plain C++.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/run_record.h"
#include "common/step_times.h"
#include "link/reply_class.h"

namespace mivo {

// How the controller's reply `code` ends a run: "STOP", "MSTOP", "EMG", or an error ("ERR",
// "NG"); none for any other reply.
std::optional<RunResult> RunEndedByReply(ReplyCode code);

class RunAccount {
  public:
    // "@RUN" went to the line (the plant hears that the robot runs).
    std::function<void()> began;
    // Fills in what the host knows: the robot, the controller, the program's steps, itself.
    std::function<void(RunRecord&)> describe;
    // Each run's end, with all that is known of it (kept in the history, told to the plant).
    std::function<void(const RunRecord&)> finished;

    // "@RUN" is on the line for `program` (-1 when not known).
    void started(int program);
    // The run ended: how, the controller's error line or what happened to the line, and for a
    // run that came to its END the cycle and the step visits seen. Nothing when none is under way.
    void ended(RunResult result, const std::string& detail = {},
               std::optional<std::int64_t> cycleMs = {}, std::vector<MeasuredStep> steps = {});
    // "@RUN" was refused: no run.
    void refused();
    // A run is under way (from "@RUN" on the line to its end).
    bool underWay() const { return startMs_ != 0; }

  private:
    std::int64_t startMs_ = 0;  // UTC milliseconds of the run under way; 0: none
    int program_ = -1;
};

}  // namespace mivo
