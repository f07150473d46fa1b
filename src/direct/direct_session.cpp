#include "direct/direct_session.h"

#include "direct/display_channel.h"
#include "procedures/program_control.h"

namespace mivo {

DirectSession::DirectSession(EngineChannel& channel, Prompter& prompter, TransferView& transfer,
                             DirectView& view)
    : channel_(channel),
      prompter_(prompter),
      transfer_(transfer),
      view_(std::make_unique<LineView>(view, channel)),
      display_(std::make_unique<DisplayChannel>(channel, *view_, state)),
      context_(std::make_unique<ProcedureContext>(
          ProcedureContext{*display_, prompter_, transfer_, log_})) {
    // The program a run starts is the one "@?NO" named before it.
    context_->showProgramNo = [this](const std::string& number) {
        program_ = ProgramIndex(number);
    };
    // Noise is shown while this session's commands or monitor run (the screen in front).
    channel_.addNoiseListener([this](const std::string& line) {
        if ((cycles_ > 0 || monitorRunning) && !line.empty()) view_->append(line);
    });
}

// A run still under way when the session ends runs on without this program.
DirectSession::~DirectSession() { runEndedBy(RunResult::HostEnded); }

DirectView& DirectSession::view() { return *view_; }

void DirectSession::runStarted() {
    cycleTiming.runStarted();
    runStart_ = UtcMillisecondsNow();
    if (runBegan) runBegan();
}

void DirectSession::runEnded() {
    const auto cycle = cycleTiming.runEnded();
    if (cycle && cycleTimed) cycleTimed(*cycle);
    if (!runUnderWay()) return;
    RunRecord r;
    r.result = RunResult::End;
    r.cycleMs = cycle;
    if (cycle) r.steps = cycleTiming.lastStepTimes();
    finishRun(std::move(r));
}

void DirectSession::runEndedBy(RunResult result, const std::string& detail) {
    cycleTiming.runAbandoned();
    if (!runUnderWay()) return;
    RunRecord r;
    r.result = result;
    r.errorCode = detail;
    finishRun(std::move(r));
}

void DirectSession::runRefused() {
    cycleTiming.runAbandoned();
    runStart_ = 0;
}

void DirectSession::finishRun(RunRecord r) {
    r.startMs = runStart_;
    runStart_ = 0;
    r.endMs = UtcMillisecondsNow();
    r.program = program_;
    if (describeRun) describeRun(r);
    if (runFinished) runFinished(r);
}

}  // namespace mivo
