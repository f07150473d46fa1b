#include "direct/direct_session.h"

#include "direct/display_channel.h"

namespace mivo {

DirectSession::DirectSession(DirectChannel& channel, Prompter& prompter, TransferView& transfer,
                             DirectView& view)
    : channel_(channel),
      prompter_(prompter),
      transfer_(std::make_unique<Exchanges>(transfer)),
      view_(std::make_unique<LineView>(view, channel)),
      display_(std::make_unique<DisplayChannel>(channel, *view_, *transfer_, state, cycles_)),
      context_(std::make_unique<ProcedureContext>(
          ProcedureContext{*display_, prompter_, *transfer_, log_})) {
    context_->unseenTrailing = [this] { return display_->trailing(); };
}

DirectSession::~DirectSession() = default;

TransferView& DirectSession::transfer() { return *transfer_; }

DirectView& DirectSession::view() { return *view_; }

int DirectSession::waitingCycle() const {
    const auto w = display_->innermost();
    return w ? w->cycle : 0;
}

void DirectSession::runEnded() {
    const auto cycle = cycleTiming.runEnded();
    if (cycle && cycleTimed) cycleTimed(*cycle);
}

void DirectSession::raiseMotorStop() {
    state.motorStopRequest = true;
    channel_.injectMstop();
}

void DirectSession::raiseStop() {
    state.stopRequest = true;
    channel_.injectStop();
}

void DirectSession::restartMonitorLater() {
    if (state.monitoring) restartPending_ = true;
}

void DirectSession::clearRequests() {
    state.motorStopRequest = false;
    state.stopRequest = false;
    channel_.clearInjections();
}

bool DirectSession::motorStopped() const {
    return state.motorStopRequest || display_->end == WaitEnd::MotorStop;
}

bool DirectSession::lineLost() const { return display_->empty && !motorStopped(); }

bool DirectSession::emptyLine() const { return lineLost() && display_->end == WaitEnd::Line; }

bool DirectSession::timedOut() const {
    return lineLost() && display_->end == WaitEnd::Ended && channel_.online();
}

}  // namespace mivo
