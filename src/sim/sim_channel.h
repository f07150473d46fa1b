#pragma once
// The simulated controller as a Channel, in process: no port. Frames requests as the serial
// link does and keeps a log of every command ("> cmd") and reply ("< line").
//
// A wait (request's, next()) runs the controller's clock on to each event due in turn until a
// reply line is there, so a reply that takes time comes after that much virtual time. After
// each step of the clock the wait calls what was arranged to run then (at(), the advance
// hook); that may send its own request on this channel, as a handler does inside a serial
// wait: the nested request gets the next line that completes, the outer wait the line after.
// It carries the main channel's exchanges; the direct channel in process is sim/sim_line.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "link/channel.h"
#include "sim/sim_clock.h"

namespace mivo {

class SimCore;

class SimChannel : public Channel {
  public:
    using Time = SimClock::Time;

    explicit SimChannel(SimCore& controller);

    std::string request(const std::string& command) override;
    // The next reply line; "" when none comes: nothing is queued and nothing is due on the
    // clock (the wait would never end), or the wait limit has passed.
    std::string next() override;
    // Discards the lines already there; the clock does not move.
    void drain() override;
    // Off line: requests send nothing and return "" until reopen().
    void close() { closed_ = true; }
    // Off line once closed or once the controller hung up.
    bool online() const;
    void reopen() { closed_ = false; }
    bool closed() const { return closed_; }

    // Runs `action` from a wait once the clock reaches `when` (a handler pressing STOP then).
    void at(Time when, std::function<void()> action);
    // Called with the time after every step of the clock within a wait; not re-entered from
    // the waits its own requests run.
    void setAdvanceHook(std::function<void(Time)> hook) { hook_ = std::move(hook); }
    // How much virtual time one wait may take before it gives up with "" (a program that
    // loops forever); ten minutes unless set.
    void setWaitLimit(SimClock::Duration limit) { waitLimit_ = limit; }

    const std::vector<std::string>& log() const { return log_; }
    void clearLog() { log_.clear(); }

  private:
    std::string nextBefore(SimClock::Duration most);
    void afterAdvance();

    SimCore& controller_;
    std::vector<std::string> log_;
    std::multimap<Time, std::function<void()>> actions_;
    std::function<void(Time)> hook_;
    bool inHook_ = false;
    SimClock::Duration waitLimit_ = std::chrono::minutes(10);
    bool closed_ = false;
};

}  // namespace mivo
