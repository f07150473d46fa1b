#include "direct/direct_cycle.h"

#include <utility>

#include "direct/display_channel.h"
#include "direct/shared_procedures.h"
#include "link/reply_class.h"
#include "procedures/reply_rules.h"

namespace mivo {

std::string FirstLine(const Answer& a) { return a.lines.empty() ? "" : a.lines.front(); }

std::string ErrorLineOf(const Answer& a) {
    for (std::size_t i = 0; i + 1 < a.lines.size(); ++i)
        if (IsStatusWord(ReplyClass(a.lines[i])) && ReplyClass(a.lines[i]) != ReplyCode::End)
            return a.lines[i + 1];
    return FirstLine(a);
}

DirectCycle::DirectCycle(DirectSession& session, bool stopPanel)
    : s_(session), stopPanel_(stopPanel) {
    ++s_.cycles_;
}

DirectCycle::~DirectCycle() { endSteps(); }

bool DirectCycle::confirm(const std::string& text, const std::string& caption) {
    return s_.prompter_.ask(text, caption);
}

void DirectCycle::start() {
    // A stop goes out before anything else is done: the controls follow once it is on the line
    // (never on it, the end steps have them as they were).
    if (stopPanel_) {
        controlsAfterStop_ = true;
        return;
    }
    s_.channel_.drain();
    takeControls();
    // STOP and MSTOP stay usable throughout: pressed again, a stop is sent again.
    if (!s_.state.stopUnconfirmed) s_.view_->showStopState(StopState::None);
}

void DirectCycle::takeControls() {
    DirectView& v = *s_.view_;
    v.enable(EnableSet::CancelPanel, true);
    v.enable(EnableSet::CommandControls, false);
    v.enable(EnableSet::MonitorControls, false);
}

Answer DirectCycle::exchange(const std::string& command, const std::function<void()>& written,
                             bool shown, std::function<bool(const std::string&)> fits) {
    EngineChannel::Hooks hooks = s_.display_->hooks(command, shown, written);
    hooks.fits = std::move(fits);
    return s_.channel_.exchange(command, std::move(hooks));
}

Answer DirectCycle::stop(const std::string& command) {
    // A jog press under way sends no jog after a stop, whatever the stop's answer.
    if (s_.state.pressing) s_.state.jogReleased = true;
    ++s_.stopsAwaited_;
    // Said once the command is on the line; the controls taken then.
    const auto stopping = [this] {
        if (std::exchange(controlsAfterStop_, false)) takeControls();
        s_.view_->showStopState(StopState::Stopping);
    };
    Answer a = s_.channel_.stop(command, s_.display_->hooks(command, true, stopping));
    if (a.end == AnswerEnd::TimedOut)
        a = s_.channel_.stop("@STOP", s_.display_->hooks("@STOP", true, stopping));
    --s_.stopsAwaited_;
    // Whatever moved, no release sends "@STOP" for it again.
    s_.state.jogUnderWay = false;
    // Unanswered, or never on the line (the line gone, a write that failed): nothing says the
    // robot stopped.
    if (a.end == AnswerEnd::TimedOut || a.end == AnswerEnd::Lost) {
        s_.state.stopUnconfirmed = true;
        s_.view_->showStopState(StopState::Unconfirmed);
        if (s_.channel_.online()) goOffline();
    } else if (a.end == AnswerEnd::Answered || a.end == AnswerEnd::Failed) {
        s_.view_->showStopState(StopState::Stopped);
    }
    return a;
}

Answer DirectCycle::lastLineExchange() const { return {s_.channel_.lastEnd(), {}}; }

std::optional<Outcome> DirectCycle::cut(const Answer& a, const std::string& command,
                                        bool offlineOnLoss) {
    switch (a.end) {
        case AnswerEnd::Answered:
        case AnswerEnd::Failed:
            return std::nullopt;
        case AnswerEnd::Stopped:
            return Outcome::Interrupted;
        case AnswerEnd::TimedOut:
            return Outcome::Failed;
        case AnswerEnd::Unfit:
            ShowUnfitReply(s_.context(), command, a.lines.empty() ? "" : a.lines.front());
            return Outcome::Failed;
        case AnswerEnd::Lost:
            break;
    }
    if (offlineOnLoss)
        goOffline();
    else
        endSteps_ = false;
    return Outcome::Failed;
}

void DirectCycle::goOffline() {
    OfflineRoutine(s_);
    endSteps_ = false;
}

void DirectCycle::endSteps() {
    --s_.cycles_;
    if (!endSteps_) return;
    DirectView& v = *s_.view_;
    for (EnableSet set : {EnableSet::StopPanels, EnableSet::CancelPanel, EnableSet::CommandControls,
                          EnableSet::MonitorControls})
        v.enable(set, true);
    TransferView& t = s_.transfer_;
    if (t.cancelRequested()) EnableAll(v, false);
    if (!v.screenVisible()) t.setCancelRequested(false);
}

}  // namespace mivo
