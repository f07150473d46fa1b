#pragma once
// The exchange with the controller over the serial line: a request framed and written, the
// wait for its reply line (with a time limit for data exchanges), and the main and direct
// channels that hand these to the procedures and screens.
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "link/direct_channel.h"
#include "link/wait_stack.h"

namespace mivo {

class SerialLine;

// Each command line written and each reply line handed to a wait is told to the line's listeners
// (SerialLine::traffic).
class ControllerExchange {
  public:
    // `line` outlives the exchange.
    explicit ControllerExchange(SerialLine& line);
    ~ControllerExchange();
    ControllerExchange(const ControllerExchange&) = delete;
    ControllerExchange& operator=(const ControllerExchange&) = delete;

    Channel& mainChannel();
    DirectChannel& directChannel();

    // Waits for a reply at most this long (0: as long as it takes); a wait that runs out ends
    // without a line and the user is told once the waits unwound.
    void setReplyTimeout(int ms) { replyTimeoutMs_ = ms > 0 ? ms : 0; }
    int replyTimeout() const { return replyTimeoutMs_; }
    // When the last request's bytes were written.
    std::chrono::steady_clock::time_point lastWrite() const { return written_; }

  private:
    class SideChannel;
    std::string request(LinkSide side, const std::string& command, WaitEnd* end,
                        const std::function<void(bool)>& wrote, bool quiet = false);
    // `quiet`: a wait that runs out of time is no failure to tell.
    std::string wait(LinkSide side, WaitEnd* end, bool quiet = false);

    SerialLine& line_;
    std::unique_ptr<SideChannel> main_;
    std::unique_ptr<SideChannel> direct_;
    std::chrono::steady_clock::time_point written_{};
    int replyTimeoutMs_ = 0;
};

}  // namespace mivo
