#pragma once
// The exchange with the controller over the serial line: one exchange engine carries both
// channels. The direct channel's procedures and the main channel's (read line by line, with the
// reply limit the transfer in progress sets) run on fibers and wait without an event loop.
#include <chrono>
#include <memory>

#include "link/engine_channel.h"
#include "link/exchange_engine.h"

namespace mivo {

class SerialLine;

// Each command line written and each reply line taken in is told to the line's listeners
// (SerialLine::traffic).
class ControllerExchange {
  public:
    // `line` outlives the exchange.
    explicit ControllerExchange(SerialLine& line);
    ~ControllerExchange();
    ControllerExchange(const ControllerExchange&) = delete;
    ControllerExchange& operator=(const ControllerExchange&) = delete;

    EngineChannel& mainChannel();
    EngineChannel& directChannel();
    // How long an answer owed on the direct channel may take (a move's end is not owed).
    void setDirectReplyLimit(int ms);

    // The main channel waits for a reply at most this long (0: as long as it takes); a wait that
    // runs out ends without a line and the user is told once the waits unwound.
    void setReplyTimeout(int ms) { replyTimeoutMs_ = ms > 0 ? ms : 0; }
    int replyTimeout() const { return replyTimeoutMs_; }
    // When the last request's bytes were written, and the last reply line's LF arrived.
    std::chrono::steady_clock::time_point lastWrite() const { return written_; }
    std::chrono::steady_clock::time_point lastLineEnd() const { return engine_.lastLineEnd(); }

  private:
    class Side;
    class EventClock;
    void armDeadline();

    SerialLine& line_;
    std::unique_ptr<EventClock> clock_;
    ExchangeEngine engine_;
    std::unique_ptr<Side> main_;
    std::unique_ptr<Side> direct_;
    std::chrono::steady_clock::time_point written_{};
    int replyTimeoutMs_ = 0;
};

}  // namespace mivo
