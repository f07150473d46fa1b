#pragma once
// The simulated controller as a Channel, in process: no port, no waiting. Frames requests as
// the serial link does and keeps a log of every command ("> cmd") and reply ("< line").
#include <string>
#include <vector>

#include "link/channel.h"

namespace mivo {

class SimController;

class SimChannel : public Channel {
  public:
    // `direct`: the direct channel's framing ("@RUN2" sends "@RUN" without waiting).
    explicit SimChannel(SimController& controller, bool direct = false);

    std::string request(const std::string& command) override;
    // The next pending reply line; "" when none is pending (the wait would not end).
    std::string next() override;
    void drain() override;

    const std::vector<std::string>& log() const { return log_; }
    void clearLog() { log_.clear(); }

  private:
    SimController& controller_;
    bool direct_;
    std::vector<std::string> log_;
};

}  // namespace mivo
