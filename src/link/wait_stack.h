#pragma once
// The reply waits of the main channel (the direct channel's are the exchange engine's). A wait
// pumps events in a nested QEventLoop until a reply line is handed to it or it is ended, so a
// handler running inside it may send again: the waits stack, innermost last, and received bytes
// go to the innermost one a line at a time.
#include <QObject>
#include <chrono>
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "link/line_assembler.h"

namespace mivo {

class IdleMonitor;

enum class LinkSide { Main, Direct };

// What ended a wait.
enum class WaitEnd {
    Line,   // a reply line arrived
    Ended,  // no line: the channel went off line, the start screen was shown, time ran out
};

struct WaitResult {
    std::string line;  // "" when the wait was ended without one
    WaitEnd end = WaitEnd::Line;
    bool timedOut = false;  // ended because its time limit passed
};

class WaitStack {
  public:
    using Clock = std::chrono::steady_clock;

    // The waits count the bytes they take in `monitor` too, and a first wait resets it.
    explicit WaitStack(IdleMonitor& monitor);
    WaitStack(const WaitStack&) = delete;
    WaitStack& operator=(const WaitStack&) = delete;

    // Waits for the next reply line, and says what ended the wait. With a positive `timeoutMs`
    // the wait also ends without a line after that long, counted while nothing runs above it
    // (another wait, a question's event loop).
    WaitResult wait(LinkSide side, int timeoutMs = 0);
    // No wait on the stack (an ended wait stays on it until its caller has it back).
    bool empty() const { return waiters_.empty(); }
    // Ends every wait without a line and drops the line received so far.
    void endAll();
    // Ends the waits of one channel without a line.
    void end(LinkSide side);

    // Bytes from the line, delivered at `when`; a running wait takes what it needs at once,
    // the rest is kept for the next wait.
    void receive(std::string_view bytes, Clock::time_point when);
    // Hands over the received bytes no wait has taken, and forgets them.
    std::string takeUnclaimed();
    // Forgets the received bytes, and the partial line when no wait runs.
    void discard();
    // Forgets the received bytes and the partial line even while a wait runs: input is being
    // dropped, so that line could only be completed with bytes of another (a command run inside
    // the monitor's wait drains the rest of the monitor's reply).
    void discardAll();
    // Before a request with no wait running: the received bytes after the last complete line
    // cannot belong to the reply to come. Drops and returns them.
    std::string dropUnfinishedLine();
    // The bytes dropped because they cannot begin a reply line, since the last call.
    std::string takeDropped() { return line_.takeDropped(); }

    // The bytes of the reply line received so far.
    const std::string& pendingLine() const { return line_.partial(); }
    // When the LF of the last line handed to a wait arrived.
    Clock::time_point lastLineEnd() const { return lineEnd_; }

  private:
    struct Waiter;
    Waiter* top() const;
    void finish(Waiter* w, std::string text, WaitEnd end);
    void deliver();
    Clock::time_point arrivalOf(std::size_t index) const;
    void consume(std::size_t n);

    IdleMonitor& monitor_;
    std::vector<Waiter*> waiters_;  // innermost last
    std::string inbox_;             // received, not yet taken by a wait
    // Arrival time of the inbox's bytes: (byte count, when they were delivered).
    std::deque<std::pair<std::size_t, Clock::time_point>> arrivals_;
    LineAssembler line_;
    Clock::time_point lineEnd_{};
    QObject context_;  // for deliveries queued to the event loop; they die with the stack
};

}  // namespace mivo
