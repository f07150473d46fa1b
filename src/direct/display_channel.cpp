#include "direct/display_channel.h"

#include <utility>

#include "direct/direct_session.h"
#include "link/framing.h"
#include "link/reply_class.h"

namespace mivo {

// Keeps a wait on the stack of those under way for as long as it lasts.
class DisplayChannel::Waiting {
  public:
    Waiting(DisplayChannel& d, Pending p) : d_(d) { d_.pending_.push_back(p); }
    ~Waiting() { d_.pending_.pop_back(); }
    Waiting(const Waiting&) = delete;
    Waiting& operator=(const Waiting&) = delete;

  private:
    DisplayChannel& d_;
};

std::string DisplayChannel::request(const std::string& command) {
    const bool shown = takeShown();
    return send(command, shown, shown, exchanges_.dataExchange);
}

std::string DisplayChannel::next() { return wait(takeShown(), exchanges_.dataExchange); }

std::string DisplayChannel::trailing() {
    const bool shown = takeShown();
    const Waiting waiting(*this, {true, shown, cycles_});
    std::string reply = channel_.next();
    end = channel_.lastWaitEnd();
    if (end == WaitEnd::MotorStop) reply.clear();
    empty = reply.empty();
    if (empty) return reply;
    answered();
    // Only its "OK" confirms the value; any other line is shown as it came.
    const bool ok = ReplyClass(reply) == ReplyCode::Ok;
    if (shown) view_.append(ok ? "OK" : reply);
    state_.lastReply = ReplyClass(reply);
    return reply;
}

std::string DisplayChannel::send(const std::string& command, bool showCommand, bool showReply,
                                 bool owesLine, const std::function<void()>& written, bool quiet) {
    const Framing f = FrameRequest(command, true);
    std::string line = f.bytes;
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    const auto show = [&] {
        if (!line.empty() && showCommand) view_.append(line);
        if (written) written();
    };
    if (!f.awaitReply) {
        std::string reply = channel_.request(command, show);
        end = WaitEnd::Line;
        empty = false;
        return reply;
    }
    const Waiting waiting(*this, {owesLine, showReply, cycles_});
    return received(quiet ? channel_.requestIfAny(command, show) : channel_.request(command, show),
                    showReply);
}

std::string DisplayChannel::wait(bool shown, bool owesLine, bool quiet) {
    const Waiting waiting(*this, {owesLine, shown, cycles_});
    return received(quiet ? channel_.nextIfAny() : channel_.next(), shown);
}

std::optional<DisplayChannel::Pending> DisplayChannel::innermost() const {
    if (pending_.empty()) return std::nullopt;
    return pending_.back();
}

bool DisplayChannel::takeShown() { return !std::exchange(quiet, false); }

std::string DisplayChannel::received(std::string reply, bool shown) {
    end = channel_.lastWaitEnd();
    if (end == WaitEnd::MotorStop) reply.clear();
    empty = reply.empty();
    if (!empty) {
        answered();
        if (shown) view_.append(reply);
        state_.lastReply = ReplyClass(reply);
    }
    return reply;
}

void DisplayChannel::answered() {
    if (!state_.stopUnconfirmed) return;
    state_.stopUnconfirmed = false;
    view_.showStopState(StopState::None);
}

}  // namespace mivo
