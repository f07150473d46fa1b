#pragma once
// The simulated controller's clock: virtual time since power-on and the events due later (a
// reply, the next step of a program, the end of a move). Nothing happens between events, so
// time can jump from one to the next (in process) or follow the wall clock (pseudo-terminal).
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <unordered_map>
#include <utility>

namespace mivo {

class SimClock {
  public:
    using Duration = std::chrono::microseconds;
    using Time = Duration;          // since power-on
    using EventId = std::uint64_t;  // 0 is never an event

    Time now() const { return now_; }

    // Schedules `action` at `when` (at once when that has passed). Events due at the same time
    // run in the order they were scheduled.
    EventId at(Time when, std::function<void()> action);
    EventId after(Duration delay, std::function<void()> action) {
        return at(now_ + delay, std::move(action));
    }
    // False when the event already ran or was cancelled.
    bool cancel(EventId id);
    bool scheduled(EventId id) const { return due_.count(id) != 0; }
    bool idle() const { return events_.empty(); }
    std::optional<Time> nextDue() const;

    // Runs every event due up to `until` in time order, now() standing at each one's time while
    // it runs (events they schedule within the span run too); then now() is `until`. Time never
    // goes back.
    void advanceTo(Time until);

  private:
    Time now_{0};
    EventId last_ = 0;
    std::map<std::pair<Time, EventId>, std::function<void()>> events_;
    std::unordered_map<EventId, Time> due_;
};

}  // namespace mivo
