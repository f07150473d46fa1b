#include "direct/direct_cycle.h"

#include <utility>

#include "direct/display_channel.h"
#include "direct/shared_procedures.h"
#include "link/reply_class.h"
#include "procedures/reply_rules.h"

namespace mivo {

DirectCycle::DirectCycle(DirectSession& session, bool stopPanel)
    : s_(session), stopPanel_(stopPanel) {
    ++s_.cycles_;
}

DirectCycle::~DirectCycle() { endSteps(); }

bool DirectCycle::confirm(const std::string& text, const std::string& caption) {
    return s_.prompter_.ask(text, caption);
}

void DirectCycle::start() {
    // A stop drops what came before it at once, but inside another exchange's wait what comes is
    // that exchange's reply: taken whole, it is not mistaken for the stop's answer.
    if (!stopPanel_)
        s_.channel_.drain();
    else if (!s_.display_->innermost())
        s_.channel_.dropInput();
    s_.clearRequests();
    s_.log_.clear();
    DirectView& v = *s_.view_;
    v.enable(EnableSet::CancelPanel, true);
    v.enable(EnableSet::CommandControls, false);
    v.enable(EnableSet::MonitorControls, false);
    // STOP and MSTOP stay usable throughout: pressed again, a stop is sent again.
    if (!stopPanel_ && !s_.state.stopUnconfirmed) v.showStopState(StopState::None);
}

std::string DirectCycle::query(const std::string& command, const std::function<void()>& written) {
    s_.transfer_->setDataExchange(true);
    if (!written) return s_.display_->request(command);
    const bool shown = s_.display_->takeShown();
    return s_.display_->send(command, shown, shown, true, written);
}

std::string DirectCycle::motion(const std::string& command, const std::function<void()>& written) {
    s_.transfer_->setDataExchange(false);
    const bool shown = s_.display_->takeShown();
    return s_.display_->send(command, shown, shown, false, written);
}

std::string DirectCycle::stop(const std::string& command) {
    DisplayChannel& d = *s_.display_;
    const auto interrupted = d.innermost();
    bool owed = interrupted && interrupted->owesLine;
    // The interrupted wait may have had its line already, its caller not yet: then only a
    // value's "OK" is still owed to it.
    bool valueTrailing = false;
    if (const auto got = s_.channel_.answeredLine(); interrupted && got) {
        owed = false;
        valueTrailing = interrupted->owesLine && ReplyClass(*got) == ReplyCode::Data;
    }
    const bool lateShown = !interrupted || interrupted->shown;
    ++s_.stopsAwaited_;
    s_.transfer_->setDataExchange(true);
    // The lines owed to the interrupted exchange, and data lines with the "OK" after a value,
    // are no answer of a stop.
    const auto answer = [&](std::string reply) {
        bool trailingDue = std::exchange(valueTrailing, false), errorLineDue = false;
        while (!reply.empty()) {
            const ReplyCode code = ReplyClass(reply);
            if (!owed && code != ReplyCode::Data && !(trailingDue && code == ReplyCode::Ok)) {
                s_.view_->append(reply);
                break;
            }
            if (lateShown) s_.view_->append(reply);
            trailingDue = code == ReplyCode::Data && !errorLineDue;
            errorLineDue = IsStatusWord(code);
            owed = false;
            reply = d.wait(false, true, true);
        }
        return reply;
    };
    const auto unanswered = [&](const std::string& reply) {
        return reply.empty() && !s_.motorStopped() && d.end == WaitEnd::Ended;
    };
    // Said once the command is on the line: nothing comes before its bytes.
    const auto stopping = [this] { s_.view_->showStopState(StopState::Stopping); };
    std::string reply = answer(d.send(command, true, false, true, stopping, true));
    if (unanswered(reply)) {
        owed = false;
        reply = answer(d.send("@STOP", true, false, true, stopping, true));
    }
    --s_.stopsAwaited_;
    // Whatever moved, no release sends "@STOP" for it again.
    s_.state.jogUnderWay = false;
    if (unanswered(reply)) {
        s_.state.stopUnconfirmed = true;
        s_.view_->showStopState(StopState::Unconfirmed);
        goOffline();
    } else if (!reply.empty()) {
        s_.view_->showStopState(StopState::Stopped);
    }
    return reply;
}

std::string DirectCycle::next() { return s_.display_->next(); }

std::string DirectCycle::nextIfAny() {
    s_.transfer_->setDataExchange(true);
    return s_.display_->wait(s_.display_->takeShown(), false, true);
}

std::optional<Outcome> DirectCycle::pass(int lines) {
    for (int i = 0; i < lines; ++i) {
        next();
        if (const auto o = cut()) return o;
    }
    return std::nullopt;
}

std::string DirectCycle::trailing() { return s_.display_->trailing(); }

bool DirectCycle::valueConfirmed(const std::string& item, const std::string& value) {
    const std::string line = trailing();
    if (line.empty()) return false;  // cut short: the caller's cut() says how
    return ConfirmValue(s_.context(), item, value, line);
}

void DirectCycle::quiet() { s_.display_->quiet = true; }

std::optional<Outcome> DirectCycle::cut(bool offlineOnLoss) {
    if (s_.motorStopped()) return Outcome::Interrupted;
    if (!s_.display_->empty) return std::nullopt;
    // The stop request withdrew the wait (a jog's release): it ends here, the release has
    // run the end steps.
    if (s_.display_->end == WaitEnd::Stop) {
        endSteps_ = false;
        return Outcome::Interrupted;
    }
    if (s_.timedOut()) return Outcome::Failed;
    if (offlineOnLoss)
        goOffline();
    else
        endSteps_ = false;
    return Outcome::Failed;
}

void DirectCycle::handOver() {
    endSteps_ = false;
    // The monitor's wait this ran in gives up: what comes next is not the reply it waited for.
    if (restarts_ && !s_.lineLost()) s_.restartMonitorLater();
}

void DirectCycle::goOffline() {
    OfflineRoutine(s_);
    endSteps_ = false;
}

void DirectCycle::endSteps() {
    DirectView& v = *s_.view_;
    TransferView& t = *s_.transfer_;
    if (endSteps_) {
        for (EnableSet set : {EnableSet::StopPanels, EnableSet::CancelPanel,
                              EnableSet::CommandControls, EnableSet::MonitorControls})
            v.enable(set, true);
        s_.clearRequests();
        if (t.cancelRequested()) EnableAll(v, false);
        if (!v.screenVisible()) t.setCancelRequested(false);
    }
    t.setDataExchange(false);
    if (endSteps_ && restarts_ && s_.state.monitoring) s_.restartPending_ = true;
    --s_.cycles_;
    // A command run inside the monitor's wait: that wait gives up, the monitor starts again.
    if (s_.monitorRunning_ && s_.cycles_ == s_.monitorDepth_ && s_.restartPending_)
        s_.raiseMotorStop();
    if (s_.cycles_ > 0 || s_.monitorRunning_ || !s_.restartPending_) return;
    s_.restartPending_ = false;
    if (s_.state.monitoring && s_.restartMonitor) s_.restartMonitor();
}

}  // namespace mivo
