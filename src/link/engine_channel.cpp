#include "link/engine_channel.h"

#include <algorithm>
#include <utility>

#include "common/fiber.h"

namespace mivo {

struct EngineChannel::Pending {
    std::deque<std::string> lines;  // matched to it, not yet read
    ExchangeEngine::Id id = 0;
    bool ended = false;
    Reply reply;
    Fiber* waiter = nullptr;  // the fiber asleep on it
};

EngineChannel::EngineChannel(ExchangeEngine& engine, LineClock& clock, bool lineByLine)
    : engine_(engine),
      clock_(clock),
      alive_(std::make_shared<bool>(true)),
      lineByLine_(lineByLine) {}

bool EngineChannel::interject(const std::string& command) {
    return online() && engine_.interject(command, this, clock_.now());
}

void EngineChannel::abandon() { engine_.abandon(this, clock_.now()); }

void EngineChannel::reserveFor(Fiber* fiber) {
    reserved_ = fiber;
    if (fiber) engine_.dropQueued(this);
}

EngineChannel::~EngineChannel() { *alive_ = false; }

void EngineChannel::addNoiseListener(std::function<void(const std::string&)> listener) {
    noiseListeners_.push_back(std::move(listener));
    engine_.noise = [this](const std::string& line) {
        for (const auto& l : noiseListeners_) l(line);
    };
}

std::shared_ptr<EngineChannel::Pending> EngineChannel::current() const {
    if (lineByLine_) return stream_;
    return std::static_pointer_cast<Pending>(Fiber::local(this));
}

void EngineChannel::setCurrent(std::shared_ptr<Pending> p) {
    if (!lineByLine_) {
        Fiber::local(this) = std::move(p);
        return;
    }
    // A new request: the lines the last one still had are read no further.
    if (stream_ && !stream_->ended && stream_ != p) engine_.close(stream_->id);
    stream_ = std::move(p);
}

std::shared_ptr<EngineChannel::Pending> EngineChannel::start(const std::string& command,
                                                             Hooks hooks, bool stopLane) {
    auto p = std::make_shared<Pending>();
    if ((reserved_ && Fiber::current() != reserved_) || !online()) {
        p->ended = true;
        p->reply.end = End::Lost;
        return p;
    }
    ExchangeEngine::Request r;
    r.command = command;
    r.owner = this;
    r.direct = !lineByLine_;
    if (lineByLine_) r.shape = ReplyShape::Stream;
    r.limit = replyLimit();
    r.written = std::move(hooks.written);
    r.fits = std::move(hooks.fits);
    r.scan = hooks.scan;
    r.line = [this, p, show = std::move(hooks.line)](const std::string& l) {
        if (show) show(l);
        p->lines.push_back(l);
        wake(p);
    };
    ++open_;
    r.done = [this, p, command, stopLane, ended = std::move(hooks.ended)](const Reply& reply) {
        --open_;
        if (reply.end == End::TimedOut && !stopLane && unanswered) unanswered(command);
        if (ended) ended(reply);
        p->ended = true;
        p->reply = reply;
        wake(p);
    };
    takeIn();
    // The id first: the request may end inside the call.
    const ExchangeEngine::Id id = engine_.nextId();
    p->id = id;
    if (stopLane)
        engine_.submitStop(std::move(r), clock_.now());
    else
        engine_.submit(std::move(r), clock_.now());
    return p;
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
    if (!Fiber::current()) return {End::Lost, {}};
    const auto p = start(command, std::move(hooks), stopLane);
    setCurrent(p);
    while (!p->ended)
        if (!sleep(*p)) return {End::Lost, {}};
    // The caller has its lines in the reply; any after it (a stop's "END") stay to be read.
    const auto n = std::min(p->lines.size(), p->reply.lines.size());
    p->lines.erase(p->lines.begin(), p->lines.begin() + static_cast<std::ptrdiff_t>(n));
    return p->reply;
}

EngineChannel::Reply EngineChannel::exchange(const std::string& command, Hooks hooks) {
    return wait(command, std::move(hooks), false);
}

EngineChannel::Reply EngineChannel::stop(const std::string& command, Hooks hooks) {
    return wait(command, std::move(hooks), true);
}

std::string EngineChannel::request(const std::string& command, Hooks hooks) {
    // Outside a fiber nothing can wait: nothing is sent.
    if (command.empty() || !Fiber::current()) return "";
    // "CEND" sends nothing: the next line.
    if (command == "CEND") return next(std::move(hooks));
    setCurrent(start(command, std::move(hooks), false));
    return next();
}

std::string EngineChannel::next(Hooks hooks) {
    if (!Fiber::current()) return "";
    auto p = current();
    // The request answered whole: a further line is read as a request of its own.
    if (!p || (p->ended && p->lines.empty() && p->reply.end == End::Answered)) {
        p = start("", std::move(hooks), false);
        setCurrent(p);
    }
    while (p->lines.empty() && !p->ended) {
        // A stream's reader waits: its next line is owed.
        if (lineByLine_) engine_.expect(p->id, clock_.now());
        if (!p->ended && !sleep(*p)) return "";
    }
    if (p->lines.empty()) return "";
    std::string line = std::move(p->lines.front());
    p->lines.pop_front();
    return line;
}

void EngineChannel::drain() {
    if (engine_.idle()) engine_.drain(clock_.now());
    Fiber* self = Fiber::current();
    if (!self) return;
    struct Quiet {
        bool done = false;
        bool asleep = false;
    };
    auto q = std::make_shared<Quiet>();
    engine_.whenQuiet([this, self, q, alive = alive_] {
        q->done = true;
        if (q->asleep)
            clock_.post([self, alive] {
                if (*alive) self->resume();
            });
    });
    q->asleep = true;
    while (!q->done) self->suspend();
}

EngineChannel::End EngineChannel::lastEnd() const {
    const auto p = current();
    if (!p || !p->ended) return End::Answered;
    return p->reply.end;
}

}  // namespace mivo
