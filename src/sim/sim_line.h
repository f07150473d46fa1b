#pragma once
// The simulated controller on an in-process line carried by the exchange engine, on the
// controller's own clock: what the engine writes reaches the controller at once; each reply
// line takes its time on the wire (about a millisecond a byte, as at 9600 baud), so a program
// runs on while other commands are answered. Calls posted for the event loop (a fiber resumed)
// and calls due later run in time order with the controller's events. Plain C++.
#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "link/engine_channel.h"
#include "link/exchange_engine.h"
#include "sim/sim_core.h"

namespace mivo {

class SimLine : public LineClock {
  public:
    // The channel: off line once closed or once the controller hung up.
    class Channel : public EngineChannel {
      public:
        Channel(SimLine& line) : EngineChannel(line.engine_, line), line_(line) {}
        bool online() const override { return !closed_ && !line_.controller_.hungUp(); }
        void close() override {
            closed_ = true;
            EngineChannel::close();
        }
        void reopen() {
            closed_ = false;
            line_.engine_.online();
        }
        bool closed() const { return closed_; }

      private:
        SimLine& line_;
        bool closed_ = false;
    };

    explicit SimLine(SimCore& controller,
                     std::chrono::milliseconds replyLimit = std::chrono::seconds(10));

    ExchangeEngine& engine() { return engine_; }
    Channel& channel() { return channel_; }
    // The commands as the controller got them.
    const std::vector<std::string>& written() const { return written_; }
    // Reply lines delivered so far.
    int delivered() const { return delivered_; }

    ExchangeEngine::Time now() const override;
    void post(std::function<void()> call) override { posted_.push_back(std::move(call)); }
    // `call` at `when` on the controller's clock.
    void at(ExchangeEngine::Time when, std::function<void()> call);

    // At `when` on the controller's clock: `action` on a fiber of its own (a panel pressed).
    void atOnFiber(ExchangeEngine::Time when, std::function<void()> action);

    // One thing: a posted call, a reply line, or time run on to what is due next. False when
    // nothing is left to happen.
    bool step();
    // Steps until nothing is left, or the clock passes `limit` from now.
    void run(std::chrono::milliseconds limit = std::chrono::minutes(10));
    // Steps until `done`, or the clock passes `limit` from now; then delivers what is already
    // there without running the clock on (a program started goes on).
    void runUntil(const std::function<bool()>& done,
                  std::chrono::milliseconds limit = std::chrono::minutes(10));

  private:
    SimCore& controller_;
    ExchangeEngine engine_;
    Channel channel_;
    std::vector<std::string> written_;
    std::deque<std::function<void()>> posted_;
    std::multimap<ExchangeEngine::Time, std::function<void()>> due_;
    int delivered_ = 0;
    bool hungUpTold_ = false;
};

}  // namespace mivo
