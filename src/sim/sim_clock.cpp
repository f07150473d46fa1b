#include "sim/sim_clock.h"

namespace mivo {

SimClock::EventId SimClock::at(Time when, std::function<void()> action) {
    if (when < now_) when = now_;
    const EventId id = ++last_;
    events_.emplace(std::make_pair(when, id), std::move(action));
    due_.emplace(id, when);
    return id;
}

bool SimClock::cancel(EventId id) {
    const auto it = due_.find(id);
    if (it == due_.end()) return false;
    events_.erase({it->second, id});
    due_.erase(it);
    return true;
}

std::optional<SimClock::Time> SimClock::nextDue() const {
    if (events_.empty()) return std::nullopt;
    return events_.begin()->first.first;
}

void SimClock::advanceTo(Time until) {
    while (!events_.empty() && events_.begin()->first.first <= until) {
        auto first = events_.begin();
        const auto [when, id] = first->first;
        std::function<void()> action = std::move(first->second);
        events_.erase(first);
        due_.erase(id);
        if (when > now_) now_ = when;
        if (action) action();
    }
    if (until > now_) now_ = until;
}

}  // namespace mivo
