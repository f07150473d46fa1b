#include "link/exchange_engine.h"

#include <algorithm>
#include <utility>

#include "link/framing.h"
#include "link/reply_class.h"

namespace mivo {

namespace {

bool IsWord(ReplyCode c) { return IsStatusWord(c) && c != ReplyCode::End; }

}  // namespace

ExchangeEngine::ExchangeEngine(Write write, std::chrono::milliseconds replyLimit,
                               std::chrono::milliseconds quiet)
    : write_(std::move(write)), replyLimit_(replyLimit), quiet_(quiet) {}

ExchangeEngine::Id ExchangeEngine::submit(Request request, Time now) {
    open_.push_back(make(std::move(request), false));
    const Id id = open_.back().id;
    pump(now);
    flush();
    return id;
}

ExchangeEngine::Id ExchangeEngine::submitStop(Request request, Time now) {
    // What came before the stop cannot be its answer, but it may be owed to others: a drain
    // under way ends, so that the stop's answer is not dropped with it.
    drainUntil_.reset();
    // A move still waiting to go out never goes: the stop was meant for it too.
    endWhere([](const Open& o) { return o.phase == Phase::Queued && Moves(o.shape); },
             End::Stopped);
    // It goes out before the ordinary requests still waiting to.
    const auto queued = std::find_if(open_.begin(), open_.end(),
                                     [](const Open& o) { return o.phase == Phase::Queued; });
    const auto it = open_.insert(queued, make(std::move(request), true));
    const Id id = it->id;
    write(*it, now);
    pump(now);
    flush();
    return id;
}

ExchangeEngine::Open ExchangeEngine::make(Request request, bool stopLane) {
    Open o;
    o.id = ++last_;
    o.shape = request.shape.value_or(ShapeOf(request.command));
    o.request = std::move(request);
    o.stopLane = stopLane;
    return o;
}

void ExchangeEngine::write(Open& o, Time now) {
    const Id id = o.id;
    // An empty command writes nothing and reads one more line.
    if (!online_ || (!o.request.command.empty() &&
                     !write_(FrameRequest(o.request.command, o.request.direct).bytes,
                             o.request.owner, o.request.scan))) {
        finish(id, End::Lost);
        return;
    }
    if (o.request.written) events_.push_back(o.request.written);
    // On the main channel a line begun before the request is no part of its reply. (On the
    // direct channel a run's own line may be under way.)
    if (!o.request.direct && !o.request.command.empty() && !assembler_.partial().empty()) {
        if (dropped) dropped(assembler_.partial());
        assembler_.clear();
    }
    if (Moves(o.shape) && o.shape != ReplyShape::Run) {
        o.phase = Phase::Under;
    } else {
        o.phase = Phase::Owed;
        o.deadline = deadlineFrom(o, now);
    }
}

bool ExchangeEngine::interject(const std::string& command, const void* owner, Time now) {
    drainUntil_.reset();
    const bool wrote = online_ && write_(FrameRequest(command, false).bytes, owner, false);
    pump(now);
    flush();
    return wrote;
}

void ExchangeEngine::pump(Time now) {
    // Off line nothing goes out: what waits to ends at once.
    if (!online_) {
        endWhere([](const Open& o) { return o.phase == Phase::Queued; }, End::Lost);
        return;
    }
    while (!drainUntil_) {
        const bool owed = std::any_of(open_.begin(), open_.end(),
                                      [](const Open& o) { return o.phase == Phase::Owed; });
        if (owed) return;
        auto it = std::find_if(open_.begin(), open_.end(),
                               [](const Open& o) { return o.phase == Phase::Queued; });
        if (it == open_.end()) return;
        write(*it, now);
    }
}

void ExchangeEngine::receive(std::string_view bytes, Time when) {
    settled_ = false;
    if (drainUntil_ && when >= *drainUntil_) drainUntil_.reset();  // its timer not yet heard
    if (drainUntil_) {
        if (dropped) dropped(bytes);
        // Until the line is quiet, or the drain's time is up: a line that keeps babbling is no
        // reason to send nothing more.
        drainUntil_ = std::min(when + quiet_, drainCap_);
        assembler_.clear();
        word_.reset();
        return;
    }
    for (const char c : bytes)
        if (assembler_.feed(c)) onLine(assembler_.take(), when);
    const std::string junk = assembler_.takeDropped();
    if (!junk.empty() && dropped) dropped(junk);
    // Settled only when these bytes ended with a line some request took, and nothing hangs on.
    settled_ = settled_ && junk.empty() && assembler_.partial().empty() && !word_ && !drainUntil_ &&
               !tailUntil_;
    pump(when);
    flush();
}

void ExchangeEngine::onLine(std::string line, Time when) {
    lastLineEnd_ = when;
    settled_ = false;  // until a request takes it
    if (heard) heard(line);
    if (drainUntil_) {  // noise earlier in the same bytes began a drain
        if (dropped) dropped(line + "\r\n");
        return;
    }
    if (word_) {
        Unit u{{std::move(*word_), std::move(line)}};
        word_.reset();
        route(u, when);
        return;
    }
    const ReplyCode code = ReplyClass(line);
    if (IsWord(code)) {
        word_ = std::move(line);
        return;
    }
    route(Unit{{std::move(line)}}, when);
}

void ExchangeEngine::stopMoves(Id before, bool holdsOnly) {
    std::vector<Id> ids;
    for (const Open& o : open_) {
        if (o.id == before) break;
        if (o.phase == Phase::Under && (!holdsOnly || o.shape == ReplyShape::Hold))
            ids.push_back(o.id);
    }
    for (const Id id : ids) finish(id, End::Stopped);
}

void ExchangeEngine::finish(Id id, End end) {
    const auto it =
        std::find_if(open_.begin(), open_.end(), [id](const Open& o) { return o.id == id; });
    if (it == open_.end()) return;
    Reply reply = std::move(it->reply);
    reply.end = end;
    if (it->request.done)
        events_.push_back([f = std::move(it->request.done), r = std::move(reply)] { f(r); });
    open_.erase(it);
}

ExchangeEngine::Open* ExchangeEngine::find(Id id) {
    for (Open& o : open_)
        if (o.id == id) return &o;
    return nullptr;
}

void ExchangeEngine::flush() {
    if (!drainUntil_)
        for (auto& call : std::exchange(quietWaiters_, {})) events_.push_back(std::move(call));
    if (flushing_) return;
    flushing_ = true;
    for (std::size_t i = 0; i < events_.size(); ++i) {
        auto event = std::move(events_[i]);
        event();
    }
    events_.clear();
    flushing_ = false;
    if (settled) settled();
}

}  // namespace mivo
