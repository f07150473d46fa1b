#include "direct/direct_session.h"

#include "direct/display_channel.h"

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
    // Noise is shown while this session's commands or monitor run (the screen in front).
    channel_.addNoiseListener([this](const std::string& line) {
        if ((cycles_ > 0 || monitorRunning) && !line.empty()) view_->append(line);
    });
}

DirectSession::~DirectSession() = default;

DirectView& DirectSession::view() { return *view_; }

void DirectSession::runEnded() {
    const auto cycle = cycleTiming.runEnded();
    if (cycle && cycleTimed) cycleTimed(*cycle);
}

}  // namespace mivo
