#pragma once
// The exchange with the controller over the serial line: the main channel's requests, each
// framed, written and waited for (with a time limit for data exchanges), and the direct
// channel, carried by the line's exchange engine for procedures on fibers.
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "link/engine_channel.h"
#include "link/exchange_engine.h"
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
    EngineChannel& directChannel();
    // How long an answer owed on the direct channel may take (a move's end is not owed).
    void setDirectReplyLimit(int ms);

    // Waits for a reply at most this long (0: as long as it takes); a wait that runs out ends
    // without a line and the user is told once the waits unwound.
    void setReplyTimeout(int ms) { replyTimeoutMs_ = ms > 0 ? ms : 0; }
    int replyTimeout() const { return replyTimeoutMs_; }
    // When the last request's bytes were written.
    std::chrono::steady_clock::time_point lastWrite() const { return written_; }

  private:
    class SideChannel;
    class DirectSide;
    class EventClock;
    void armDeadline();
    std::string request(LinkSide side, const std::string& command, WaitEnd* end,
                        const std::function<void(bool)>& wrote, bool quiet = false);
    // `quiet`: a wait that runs out of time is no failure to tell.
    std::string wait(LinkSide side, WaitEnd* end, bool quiet = false);

    SerialLine& line_;
    std::unique_ptr<SideChannel> main_;
    std::unique_ptr<EventClock> clock_;
    ExchangeEngine engine_;
    std::unique_ptr<DirectSide> direct_;
    std::chrono::steady_clock::time_point written_{};
    int replyTimeoutMs_ = 0;
};

}  // namespace mivo
