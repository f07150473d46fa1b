#include "direct/display_channel.h"

#include <utility>

#include "direct/direct_session.h"

namespace mivo {

EngineChannel::Hooks DisplayChannel::hooks(const std::string& command, bool shown,
                                           std::function<void()> written) {
    EngineChannel::Hooks h;
    h.written = [this, command, shown, written = std::move(written)] {
        if (shown && !command.empty()) view_.append(command);
        if (written) written();
    };
    h.line = [this, shown](const std::string& line) {
        answered();
        // An empty line is no reply to show.
        if (shown && !line.empty()) view_.append(line);
    };
    return h;
}

std::string DisplayChannel::request(const std::string& command) {
    return channel_.request(command, hooks(command == "CEND" ? "" : command, true));
}

std::string DisplayChannel::next() { return channel_.next(hooks("", true)); }

void DisplayChannel::answered() {
    if (!state_.stopUnconfirmed) return;
    state_.stopUnconfirmed = false;
    view_.showStopState(StopState::None);
}

}  // namespace mivo
