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
    runs.started(program_);
}

void DirectSession::runEnded() {
    const auto cycle = cycleTiming.runEnded();
    if (cycle && cycleTimed) cycleTimed(*cycle);
    std::vector<MeasuredStep> steps;
    if (cycle) steps = cycleTiming.lastStepTimes();
    runs.ended(RunResult::End, {}, cycle, std::move(steps));
}

void DirectSession::runEndedBy(RunResult result, const std::string& detail) {
    cycleTiming.runAbandoned();
    runs.ended(result, detail);
}

void DirectSession::runRefused() {
    cycleTiming.runAbandoned();
    runs.refused();
}

}  // namespace mivo
