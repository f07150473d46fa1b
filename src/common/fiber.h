#pragma once
// Stackful coroutines on the one thread: a procedure runs on a fiber of its own and reads as the
// straight sequence it is (send, take the answer, go on), while its waits give the thread back
// to the event loop instead of nesting one. A wait suspends the fiber; whoever has its answer
// resumes it (the line's engine, from the event loop). Plain C++ on Boost.Context.
#include <cstddef>
#include <functional>
#include <map>
#include <memory>

namespace mivo {

class Fiber {
  public:
    // Starts `body` on a new fiber at once; returns when it first suspends or has ended. The
    // fiber frees itself once its body has returned. A body must not let an exception out.
    static void start(std::function<void()> body);
    // The fiber running now; nullptr on the thread's own stack.
    static Fiber* current();

    // Inside this fiber: gives the thread back to whoever resumed (or started) it; returns once
    // resumed.
    void suspend();
    // Runs the fiber until it suspends again or ends. Nothing happens for a fiber that runs
    // now (it resumed, directly or not, whoever is resuming it).
    void resume();
    bool suspended() const;
    // Fibers started and not yet ended (suspended ones, and those that run).
    static int alive();
    // What `owner` keeps for the fiber running now (for the thread's own stack when none runs),
    // freed with the fiber.
    static std::shared_ptr<void>& local(const void* owner);

    Fiber(const Fiber&) = delete;
    Fiber& operator=(const Fiber&) = delete;
    ~Fiber();

  private:
    struct Context;
    explicit Fiber(std::function<void()> body);
    void switchIn();

    std::function<void()> body_;
    std::map<const void*, std::shared_ptr<void>> locals_;
    std::unique_ptr<Context> context_;
    bool running_ = false;
    bool done_ = false;
};

}  // namespace mivo
