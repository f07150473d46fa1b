#include "link/exchange_engine.h"

// How requests end other than by their answer: time passing (deadlines, a drain's quiet), the
// line lost, a channel's requests abandoned, a stream read no further.

namespace mivo {

bool ExchangeEngine::endWhere(const std::function<bool(const Open&)>& which, End end) {
    std::vector<Id> ids;
    bool wentOut = false;
    for (const Open& o : open_)
        if (which(o)) {
            ids.push_back(o.id);
            wentOut = wentOut || o.phase != Phase::Queued;
        }
    for (const Id id : ids) finish(id, end);
    return wentOut;
}

void ExchangeEngine::expect(Id id, Time now) {
    Open* o = find(id);
    if (!o || o->shape != ReplyShape::Stream || o->phase != Phase::Under) return;
    o->phase = Phase::Owed;
    o->deadline = deadlineFrom(*o, now);
    flush();
}

void ExchangeEngine::close(Id id) {
    // A stream read no further may still have lines to come.
    if (find(id)) settled_ = false;
    finish(id, End::Answered);
    flush();
}

void ExchangeEngine::dropQueued(const void* owner) {
    endWhere(
        [owner](const Open& o) { return o.request.owner == owner && o.phase == Phase::Queued; },
        End::Lost);
    flush();
}

void ExchangeEngine::abandon(const void* owner, Time now) {
    const bool answering =
        endWhere([owner](const Open& o) { return !owner || o.request.owner == owner; }, End::Lost);
    if (answering) settled_ = false;
    // What they were owed would come as noise.
    if (answering && open_.empty()) startDrain(now);
    pump(now);
    flush();
}

std::optional<ExchangeEngine::Time> ExchangeEngine::deadlineFrom(const Open& o, Time now) const {
    const auto limit = o.request.limit.value_or(replyLimit_);
    if (limit.count() <= 0) return std::nullopt;
    return now + limit;
}

void ExchangeEngine::whenQuiet(std::function<void()> call) {
    quietWaiters_.push_back(std::move(call));
    flush();
}

void ExchangeEngine::drain(Time now) {
    // A drain under way goes on as it is: begun anew it would listen its whole quiet again.
    if (open_.empty() && !drainUntil_) startDrain(now);
    flush();
}

void ExchangeEngine::startDrain(Time now) {
    drainUntil_ = now + (settled_ ? kSettledQuiet : quiet_);
    settled_ = false;
    drainCap_ = now + 6 * quiet_;
    assembler_.clear();
    word_.reset();
}

void ExchangeEngine::expire(Time now) {
    if (drainUntil_ && now >= *drainUntil_) {
        // Quiet, not merely out of time on a line that keeps babbling.
        settled_ = *drainUntil_ < drainCap_;
        drainUntil_.reset();
    }
    if (tailUntil_ && now >= *tailUntil_) {
        tailUntil_.reset();
        tailLine_ = nullptr;
    }
    std::vector<Id> late, over, read;
    for (const Open& o : open_) {
        if (!o.deadline || now < *o.deadline) continue;
        // A stream the line has been quiet on, its reader busy elsewhere, is read; a run whose
        // stop or error no "END" followed is over.
        if (o.phase == Phase::Owed)
            late.push_back(o.id);
        else
            (o.shape == ReplyShape::Stream ? read : over).push_back(o.id);
    }
    for (const Id id : read) finish(id, End::Answered);
    for (const Id id : over) finish(id, End::Failed);
    for (const Id id : late) finish(id, End::TimedOut);
    // What the late ones were owed would come as noise now.
    if (!late.empty()) {
        settled_ = false;
        assembler_.clear();
        word_.reset();
    }
    pump(now);
    flush();
}

std::optional<ExchangeEngine::Time> ExchangeEngine::nextDeadline() const {
    std::optional<Time> next = drainUntil_;
    const auto sooner = [&next](std::optional<Time> t) {
        if (t && (!next || *t < *next)) next = t;
    };
    sooner(tailUntil_);
    for (const Open& o : open_) sooner(o.deadline);
    return next;
}

void ExchangeEngine::lost() {
    online_ = false;
    settled_ = false;
    endWhere([](const Open&) { return true; }, End::Lost);
    assembler_.clear();
    word_.reset();
    drainUntil_.reset();
    tailUntil_.reset();
    tailLine_ = nullptr;
    flush();
}

}  // namespace mivo
