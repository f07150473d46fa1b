#include "link/engine_channel.h"

#include <utility>

#include "common/fiber.h"

namespace mivo {

struct EngineChannel::Pending {
    std::deque<std::string> lines;  // matched to it, not yet read
    bool ended = false;
    Reply reply;
    Fiber* waiter = nullptr;  // the fiber asleep on it
    bool timedOut = false;    // nextIfAny's limit passed
};

EngineChannel::EngineChannel(ExchangeEngine& engine, LineClock& clock)
    : engine_(engine), clock_(clock), alive_(std::make_shared<bool>(true)) {}

EngineChannel::~EngineChannel() { *alive_ = false; }

std::shared_ptr<EngineChannel::Pending> EngineChannel::start(const std::string& command,
                                                             Hooks hooks, bool stopLane) {
    auto p = std::make_shared<Pending>();
    ExchangeEngine::Request r;
    r.command = command;
    r.written = std::move(hooks.written);
    r.line = [this, p, show = std::move(hooks.line)](const std::string& l) {
        if (show) show(l);
        p->lines.push_back(l);
        wake(p);
    };
    r.done = [this, p, command, stopLane, ended = std::move(hooks.ended)](const Reply& reply) {
        if (reply.end == End::TimedOut && !stopLane && unanswered) unanswered(command);
        if (ended) ended(reply);
        p->ended = true;
        p->reply = reply;
        wake(p);
    };
    if (stopLane)
        engine_.submitStop(std::move(r), clock_.now());
    else
        engine_.submit(std::move(r), clock_.now());
    return p;
}

void EngineChannel::send(const std::string& command, Hooks hooks,
                         std::function<void(const Reply&)> done) {
    ExchangeEngine::Request r;
    r.command = command;
    r.written = std::move(hooks.written);
    r.line = std::move(hooks.line);
    r.done = std::move(done);
    engine_.submit(std::move(r), clock_.now());
}

// Resumed from the event loop, never from inside the engine's own call.
void EngineChannel::wake(const std::shared_ptr<Pending>& p) {
    Fiber* f = std::exchange(p->waiter, nullptr);
    if (!f) return;
    clock_.post([f, alive = alive_] {
        if (*alive) f->resume();
    });
}

bool EngineChannel::sleep(Pending& p) {
    Fiber* self = Fiber::current();
    // A wait outside a fiber could only nest an event loop: it gives up at once.
    if (!self) return false;
    p.waiter = self;
    self->suspend();
    return true;
}

EngineChannel::Reply EngineChannel::wait(const std::string& command, Hooks hooks, bool stopLane) {
    const auto p = start(command, std::move(hooks), stopLane);
    current_[Fiber::current()] = p;
    while (!p->ended)
        if (!sleep(*p)) return {End::Lost, {}};
    p->lines.clear();  // the caller has them in the reply
    return p->reply;
}

EngineChannel::Reply EngineChannel::exchange(const std::string& command, Hooks hooks) {
    return wait(command, std::move(hooks), false);
}

EngineChannel::Reply EngineChannel::stop(const std::string& command, Hooks hooks) {
    return wait(command, std::move(hooks), true);
}

std::string EngineChannel::request(const std::string& command, Hooks hooks) {
    if (command.empty()) return "";
    // "CEND" sends nothing: one more line is read.
    current_[Fiber::current()] = start(command == "CEND" ? "" : command, std::move(hooks), false);
    return next();
}

std::string EngineChannel::next(Hooks hooks) {
    const auto it = current_.find(Fiber::current());
    // The request answered whole: a further line is read as a request of its own.
    if (it == current_.end() || (it->second->ended && it->second->lines.empty() &&
                                 it->second->reply.end == End::Answered))
        return request("CEND", std::move(hooks));
    const auto p = it->second;
    while (p->lines.empty() && !p->ended)
        if (!sleep(*p)) return "";
    if (p->lines.empty()) return "";
    std::string line = std::move(p->lines.front());
    p->lines.pop_front();
    return line;
}

std::string EngineChannel::nextIfAny() {
    const auto it = current_.find(Fiber::current());
    if (it == current_.end()) return "";
    const auto p = it->second;
    if (p->lines.empty() && p->ended) {
        p->timedOut = false;
        clock_.at(clock_.now() + engine_.replyLimit(), [p, this, alive = alive_] {
            if (!*alive) return;
            p->timedOut = true;
            wake(p);
        });
        while (p->lines.empty() && !p->timedOut)
            if (!sleep(*p)) return "";
    }
    return next();
}

void EngineChannel::drain() {
    if (engine_.idle()) engine_.drain(clock_.now());
}

EngineChannel::End EngineChannel::lastEnd() const {
    const auto it = current_.find(Fiber::current());
    if (it == current_.end() || !it->second->ended) return End::Answered;
    return it->second->reply.end;
}

}  // namespace mivo
