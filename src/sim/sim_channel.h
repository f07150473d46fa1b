#pragma once
// The simulated controller as a Channel, in process: no port. Frames requests as the serial
// link does and keeps a log of every command ("> cmd") and reply ("< line").
//
// A wait (request's, next()) runs the controller's clock on to each event due in turn until a
// reply line is there, so a reply that takes time comes after that much virtual time. After
// each step of the clock the wait calls what was arranged to run then (at(), the advance
// hook); that may send its own request on this channel, as a handler does inside a serial
// wait: the nested request gets the next line that completes, the outer wait the line after.
// An injection (MSTOP, STOP) raised there ends the innermost wait once the handler returns.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "link/direct_channel.h"
#include "sim/sim_clock.h"

namespace mivo {

class SimCore;

class SimChannel : public DirectChannel {
  public:
    using Time = SimClock::Time;

    // `direct`: the direct channel's framing ("@RUN2" sends "@RUN" without waiting).
    explicit SimChannel(SimCore& controller, bool direct = false);

    std::string request(const std::string& command) override;
    std::string requestWithin(const std::string& command) override;
    // The next reply line; "" when none comes: nothing is queued and nothing is due on the
    // clock (the wait would never end), or the wait limit has passed.
    std::string next() override;
    // As next(), at most the reply limit (setReplyLimit) of the controller's clock.
    std::string nextIfAny() override { return nextBefore(replyLimit_); }
    // Discards the lines already there; the clock does not move.
    void drain() override;
    WaitEnd lastWaitEnd() const override { return end_; }
    // In process a wait returns as soon as its line is there: none is ever left so.
    std::optional<std::string> answeredLine() const override { return std::nullopt; }
    // Lines come whole in process: an injected wait ends with "".
    void injectMstop() override { injected_ = WaitEnd::MotorStop; }
    void injectStop() override {
        if (injected_ != WaitEnd::MotorStop) injected_ = WaitEnd::Stop;
    }
    void clearInjections() override { injected_ = WaitEnd::Line; }
    void dropInput() override { drain(); }
    // Off line: requests send nothing and return "" until reopen().
    void close() override { closed_ = true; }
    // Off line once closed or once the controller hung up.
    bool online() const override;
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
    // How long nextIfAny() waits; ten seconds, as the serial link's reply limit, unless set.
    void setReplyLimit(SimClock::Duration limit) { replyLimit_ = limit; }

    const std::vector<std::string>& log() const { return log_; }
    void clearLog() { log_.clear(); }

  private:
    std::string nextBefore(SimClock::Duration most);
    void afterAdvance();
    // Ends the wait with "" and says why.
    std::string ended(WaitEnd why);

    SimCore& controller_;
    bool direct_;
    std::vector<std::string> log_;
    std::multimap<Time, std::function<void()>> actions_;
    std::function<void(Time)> hook_;
    bool inHook_ = false;
    SimClock::Duration waitLimit_ = std::chrono::minutes(10);
    SimClock::Duration replyLimit_ = std::chrono::seconds(10);
    WaitEnd end_ = WaitEnd::Line;
    WaitEnd injected_ = WaitEnd::Line;  // Line: none pending
    bool closed_ = false;
    bool quietWait_ = false;  // the request's wait is requestWithin's
};

}  // namespace mivo
