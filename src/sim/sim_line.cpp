#include "sim/sim_line.h"

#include <utility>

#include "common/fiber.h"

namespace mivo {

namespace {

using Time = ExchangeEngine::Time;

Time At(SimClock::Time t) { return Time{} + t; }
SimClock::Time Sim(Time t) {
    return std::chrono::duration_cast<SimClock::Duration>(t.time_since_epoch());
}

}  // namespace

SimLine::SimLine(SimCore& controller, std::chrono::milliseconds replyLimit)
    : controller_(controller),
      engine_(
          [this](std::string_view bytes, const void*, bool) {
              std::string line(bytes);
              while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
              written_.push_back(line);
              if (controller_.hungUp() || channel_.closed()) return false;
              controller_.receive(line);
              return true;
          },
          replyLimit, std::chrono::milliseconds(50)),
      channel_(*this) {}

Time SimLine::now() const { return At(controller_.clock().now()); }

void SimLine::at(Time when, std::function<void()> call) { due_.emplace(when, std::move(call)); }

void SimLine::atOnFiber(Time when, std::function<void()> action) {
    at(when, [action = std::move(action)] { Fiber::start(action); });
}

bool SimLine::step() {
    // The controller hung up: the line is gone, and everything under way with it.
    if (controller_.hungUp() && !hungUpTold_) {
        hungUpTold_ = true;
        engine_.lost();
        return true;
    }
    if (!posted_.empty()) {
        auto call = std::move(posted_.front());
        posted_.pop_front();
        call();
        return true;
    }
    // A call whose time came while lines were being delivered.
    if (!due_.empty() && due_.begin()->first <= now()) {
        auto call = std::move(due_.begin()->second);
        due_.erase(due_.begin());
        call();
        return true;
    }
    SimClock& clock = controller_.clock();
    if (controller_.hasReply()) {
        const std::string line = controller_.takeReply();
        clock.advanceTo(clock.now() + std::chrono::milliseconds(line.size() + 2));
        ++delivered_;
        engine_.receive(line + "\r\n", now());
        return true;
    }
    // What is due first: the controller's event, the engine's deadline, a call.
    std::optional<Time> next;
    const auto sooner = [&next](std::optional<Time> t) {
        if (t && (!next || *t < *next)) next = t;
    };
    if (const auto d = clock.nextDue()) sooner(At(*d));
    sooner(engine_.nextDeadline());
    if (!due_.empty()) sooner(due_.begin()->first);
    if (!next) return false;
    if (*next > now()) clock.advanceTo(Sim(*next));
    clock.advanceTo(clock.now());  // the controller's events due now
    if (const auto d = engine_.nextDeadline(); d && *d <= now()) engine_.expire(now());
    if (!due_.empty() && due_.begin()->first <= now()) {
        auto call = std::move(due_.begin()->second);
        due_.erase(due_.begin());
        call();
    }
    return true;
}

void SimLine::runUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const Time end = now() + limit;
    while (!done() && now() < end && step()) {
    }
    while (!posted_.empty() || controller_.hasReply()) step();
}

void SimLine::run(std::chrono::milliseconds limit) {
    const Time end = now() + limit;
    while (now() < end && step()) {
    }
}

}  // namespace mivo
