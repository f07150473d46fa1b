#include "procedures/run_account.h"

#include <utility>

namespace mivo {

std::optional<RunResult> RunEndedByReply(ReplyCode code) {
    switch (code) {
        case ReplyCode::Stop:
            return RunResult::Stop;
        case ReplyCode::Mstop:
            return RunResult::MotorStop;
        case ReplyCode::Emg:
            return RunResult::Emergency;
        case ReplyCode::Err:
        case ReplyCode::Ng:
            return RunResult::Error;
        default:
            return std::nullopt;
    }
}

void RunAccount::started(int program) {
    startMs_ = UtcMillisecondsNow();
    program_ = program;
    if (began) began();
}

void RunAccount::ended(RunResult result, const std::string& detail,
                       std::optional<std::int64_t> cycleMs, std::vector<MeasuredStep> steps) {
    if (!underWay()) return;
    RunRecord r;
    r.startMs = startMs_;
    startMs_ = 0;
    r.endMs = UtcMillisecondsNow();
    r.program = program_;
    r.result = result;
    r.errorCode = detail;
    r.cycleMs = cycleMs;
    r.steps = std::move(steps);
    if (describe) describe(r);
    if (finished) finished(r);
}

void RunAccount::refused() { startMs_ = 0; }

}  // namespace mivo
