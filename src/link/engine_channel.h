#pragma once
// A channel on the line's exchange engine, for procedures that run on fibers (common/fiber).
// A wait suspends the calling fiber and gives the thread back to the event loop; the engine's
// answer resumes it, from the event loop (LineClock::post). Each fiber reads only the lines the
// engine matched to its own request, so a stop sent from one fiber while another waits for a
// run's end takes its own answer, and the run learns that the stop ended it. Plain C++.
#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "link/channel.h"
#include "link/exchange_engine.h"

namespace mivo {

class Fiber;

// What the engine channel needs of its surroundings: the time, and calls made later from the
// event loop (the serial link: the wall clock and Qt's queue; in process: a virtual clock).
class LineClock {
  public:
    virtual ~LineClock() = default;
    virtual ExchangeEngine::Time now() const = 0;
    virtual void post(std::function<void()> call) = 0;
};

// What a request's caller hears while it runs (EngineChannel::Hooks).
struct EngineHooks {
    std::function<void()> written;                            // its command is on the line
    std::function<void(const std::string&)> line;             // each line matched to it
    std::function<void(const ExchangeEngine::Reply&)> ended;  // its end, whoever waits
    std::function<bool(const std::string&)> fits;             // a value's line fits its item
    bool scan = false;  // a monitor's scan query (ExchangeEngine::Request::scan)
};

class EngineChannel : public Channel {
  public:
    using Reply = ExchangeEngine::Reply;
    using End = ExchangeEngine::End;
    using Hooks = EngineHooks;

    // `lineByLine`: every request is framed as the main channel frames it and read one line at
    // a time, whatever its command (the main channel's procedures read their answers so).
    EngineChannel(ExchangeEngine& engine, LineClock& clock, bool lineByLine = false);
    ~EngineChannel() override;

    // The ordinary lane and the stop lane: the command, and its whole answer once it ended.
    Reply exchange(const std::string& command, Hooks hooks = {});
    Reply stop(const std::string& command, Hooks hooks = {});

    // The line view, as procedures shared with the main channel read it: request() sends and
    // gives the first line matched to the request, next() the following ones; "" once the
    // request ended with no line left (how: lastEnd()). "CEND" sends nothing and is next().
    std::string request(const std::string& command) override { return request(command, {}); }
    std::string request(const std::string& command, Hooks hooks);
    std::string next() override { return next({}); }
    // A further line read as a request of its own is shown through `hooks`.
    std::string next(Hooks hooks);
    // Input not matched to any request is dropped until the line is quiet, when nothing is
    // under way; a fiber waits for that.
    void drain() override;
    // How the calling fiber's last request ended, once next() gave "".
    End lastEnd() const;

    // Whether the line is on: a request made while it is off ends Lost at once.
    virtual bool online() const { return true; }
    // Before a request goes to the engine: input that has come but not been taken in yet.
    virtual void takeIn() {}
    // How long an owed answer may take: none, the engine's limit; zero, as long as it takes.
    virtual std::optional<std::chrono::milliseconds> replyLimit() const { return std::nullopt; }
    // Writes `command` at once, owing nothing of its own: the request under way reads its
    // answer. False when it could not be written.
    bool interject(const std::string& command);
    // This channel's requests end Lost (its waits end without a line); the line stays on.
    void abandon();
    // A request of this channel is open or waiting to go out.
    bool waiting() const { return open_ > 0; }
    // Takes the line off: every request ends Lost.
    virtual void close() { engine_.lost(); }
    // An answer owed did not come within the reply limit (not told for a stop: the stop says
    // what its silence means).
    std::function<void(const std::string& command)> unanswered;
    // From now on only `fiber` sends (a stop signal's stop, and what it reads): a request of
    // any other ends Lost at once, unsent. nullptr: everyone again.
    // Requests waiting to go out (behind a drain) never go.
    void reserveFor(Fiber* fiber);
    // Lines that answer nothing (noise), for whoever shows them.
    void addNoiseListener(std::function<void(const std::string&)> listener);

  private:
    struct Pending;
    Reply wait(const std::string& command, Hooks hooks, bool stopLane);
    std::shared_ptr<Pending> start(const std::string& command, Hooks hooks, bool stopLane);
    // Suspends the calling fiber until woken; false outside a fiber, where nothing can wait.
    bool sleep(Pending& p);
    void wake(const std::shared_ptr<Pending>& p);

    ExchangeEngine& engine_;
    LineClock& clock_;
    // The calling fiber's last request (kept by the fiber, freed with it); a channel read line by
    // line has one reader at a time, and its last request is the channel's.
    std::shared_ptr<Pending> current() const;
    void setCurrent(std::shared_ptr<Pending> p);
    std::shared_ptr<Pending> stream_;
    std::shared_ptr<bool> alive_;  // calls posted outlive no channel
    std::vector<std::function<void(const std::string&)>> noiseListeners_;
    Fiber* reserved_ = nullptr;
    bool lineByLine_ = false;
    int open_ = 0;  // requests submitted, not yet ended
};

}  // namespace mivo
