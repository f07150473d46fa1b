#include "common/fiber.h"

#include <boost/context/fiber.hpp>
#include <boost/context/protected_fixedsize_stack.hpp>
#include <set>
#include <utility>

#if defined(__SANITIZE_ADDRESS__)
#define MIVO_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MIVO_ASAN 1
#endif
#endif
#ifdef MIVO_ASAN
#include <sanitizer/asan_interface.h>
#include <sanitizer/common_interface_defs.h>
#endif

namespace mivo {

namespace {

namespace context = boost::context;

thread_local Fiber* gCurrent = nullptr;

// Every fiber not yet ended: one still suspended when the program ends (a monitor scanning) is
// held here, not lost.
std::set<Fiber*>& Live() {
    static auto* live = new std::set<Fiber*>;
    return *live;
}

#ifdef MIVO_ASAN
constexpr std::size_t kStack = 8u << 20;  // the sanitizer's frames are larger
#else
constexpr std::size_t kStack = 1u << 20;
#endif

// The sanitizer is told of each change of stack, so that it keeps each one's frames apart.
void StartSwitch([[maybe_unused]] void** fake, [[maybe_unused]] const void* bottom,
                 [[maybe_unused]] std::size_t size) {
#ifdef MIVO_ASAN
    __sanitizer_start_switch_fiber(fake, bottom, size);
#endif
}
void FinishSwitch([[maybe_unused]] void* fake, [[maybe_unused]] const void** bottom,
                  [[maybe_unused]] std::size_t* size) {
#ifdef MIVO_ASAN
    __sanitizer_finish_switch_fiber(fake, bottom, size);
#endif
}

}  // namespace

struct Fiber::Context {
    context::fiber self;           // where the fiber goes on when resumed
    context::fiber caller;         // where it goes back to when it suspends
    Fiber* previous = nullptr;     // the fiber that resumed it (nullptr: the thread's stack)
    const void* bottom = nullptr;  // its stack
    std::size_t size = 0;
    const void* callerBottom = nullptr;  // the stack it goes back to
    std::size_t callerSize = 0;
    void* fake = nullptr;
};

namespace {

// A guard page below the stack, so that an overflow stops the program rather than writing
// elsewhere; the stack's place is kept for the sanitizer.
struct RecordedStack {
    context::protected_fixedsize_stack stack{kStack};
    const void** bottom;
    std::size_t* size;
    context::stack_context allocate() {
        context::stack_context sctx = stack.allocate();
        *bottom = static_cast<char*>(sctx.sp) - sctx.size;
        *size = sctx.size;
        return sctx;
    }
    // The frames that never returned (the fiber's first ones) leave their guard zones marked in
    // the sanitizer's shadow: unmarked before the pages go, or memory mapped there later (a
    // font cache) would read as a stack overflow.
    void deallocate(context::stack_context& sctx) noexcept {
#ifdef MIVO_ASAN
        __asan_unpoison_memory_region(static_cast<char*>(sctx.sp) - sctx.size, sctx.size);
#endif
        stack.deallocate(sctx);
    }
};

}  // namespace

Fiber::Fiber(std::function<void()> body) : body_(std::move(body)), context_(new Context) {
    Context& c = *context_;
    c.self = context::fiber(std::allocator_arg, RecordedStack{{kStack}, &c.bottom, &c.size},
                            [this](context::fiber&& caller) {
                                Context& c = *context_;
                                FinishSwitch(nullptr, &c.callerBottom, &c.callerSize);
                                c.caller = std::move(caller);
                                body_();
                                body_ = nullptr;
                                locals_.clear();
                                done_ = true;
                                running_ = false;
                                // Never resumed again: its fake frames go with it.
                                StartSwitch(nullptr, c.callerBottom, c.callerSize);
                                return std::move(c.caller);
                            });
}

Fiber::~Fiber() { Live().erase(this); }

int Fiber::alive() { return static_cast<int>(Live().size()); }

void Fiber::start(std::function<void()> body) {
    auto* f = new Fiber(std::move(body));
    Live().insert(f);
    f->resume();
}

Fiber* Fiber::current() { return gCurrent; }

std::shared_ptr<void>& Fiber::local(const void* owner) {
    static thread_local std::map<const void*, std::shared_ptr<void>> outside;
    return (gCurrent ? gCurrent->locals_ : outside)[owner];
}

bool Fiber::suspended() const { return !running_ && !done_; }

void Fiber::resume() {
    if (running_ || done_) return;
    switchIn();
    if (done_) delete this;
}

void Fiber::switchIn() {
    Context& c = *context_;
    c.previous = gCurrent;
    gCurrent = this;
    running_ = true;
    void* fake = nullptr;
    StartSwitch(&fake, c.bottom, c.size);
    c.self = std::move(c.self).resume();
    FinishSwitch(fake, nullptr, nullptr);
    gCurrent = c.previous;
}

void Fiber::suspend() {
    Context& c = *context_;
    running_ = false;
    StartSwitch(&c.fake, c.callerBottom, c.callerSize);
    c.caller = std::move(c.caller).resume();
    FinishSwitch(c.fake, &c.callerBottom, &c.callerSize);
    running_ = true;
}

}  // namespace mivo
