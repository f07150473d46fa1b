#pragma once
// One exchange engine per line: it holds the requests in the order their commands went out and
// gives each reply line to the request that owes it, by the shape of each command's answer
// (link/reply_grammar). Nothing here waits: the line's bytes come in through receive(), time
// through expire(), and each request says how it ended through its callback. Plain C++, so a
// test drives it with a virtual clock.
//
// Two lanes. An ordinary request goes out once no answer is owed before it (the controller
// answers in order); a move's answer comes when the move ends, so others may go out meanwhile.
// A stop ("@STOP", "@MSTOP") goes out at once, between any two lines of another exchange: its
// answer comes after the lines still owed to the requests before it, and it ends the moves
// that went out before it.
//
// A line that fits no request's answer is noise: the request that owed an answer ends Unfit
// with it, the noise is reported, and input is dropped until the line is quiet before the next
// command goes out. A stop is not failed by noise: its answer may still come.
#include <chrono>
#include <cstdint>
#include <functional>
#include <list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link/line_assembler.h"
#include "link/reply_grammar.h"

namespace mivo {

class ExchangeEngine {
  public:
    using Clock = std::chrono::steady_clock;
    using Time = Clock::time_point;
    using Id = std::uint64_t;

    enum class End {
        Answered,  // its answer came whole (a value and its "OK", a move's "OK", "END")
        Failed,    // a status word and its line came as its answer ("NG", "ERR", "STOP" ...)
        Stopped,   // a move or run that a stop's answer ended
        Unfit,     // a line that fits no answer came where its answer was owed
        TimedOut,  // its answer was owed and did not come within the reply limit
        Lost,      // the line went off, or its command could not be written
    };
    struct Reply {
        End end = End::Answered;
        std::vector<std::string> lines;  // the lines it was given, in order
    };
    struct Request {
        std::string command;
        std::optional<ReplyShape> shape;               // ShapeOf(command) when not given
        std::function<void()> written;                 // its command is on the line
        std::function<void(const std::string&)> line;  // each line it is given, as it comes
        std::function<void(const Reply&)> done;        // once, when it ends
        // Whether a data line is a value of its item (a value's answer); none: any is.
        std::function<bool(const std::string&)> fits;
        // Who made it (a channel), for abandon() and the write.
        const void* owner = nullptr;
        // Framed as the direct channel frames it ("@RUN2" is "@RUN" unanswered), or as the main.
        bool direct = true;
        // How long its answer may take once owed: none, the engine's reply limit; zero, no limit
        // (a motion on the main channel waits for its reply or a stop).
        std::optional<std::chrono::milliseconds> limit;
        // One of the monitor's scan queries: told to the write, so that the flight recorder keeps
        // its answer as a change.
        bool scan = false;
    };

    // `write` puts bytes on the line and says whether they went (`scan`: the request's mark, false
    // for an interjection). `replyLimit`: how long an answer owed may take; `quiet`: how long the
    // line must be silent to end a drain.
    using Write = std::function<bool(std::string_view bytes, const void* owner, bool scan)>;
    ExchangeEngine(Write write, std::chrono::milliseconds replyLimit,
                   std::chrono::milliseconds quiet);
    ExchangeEngine(const ExchangeEngine&) = delete;
    ExchangeEngine& operator=(const ExchangeEngine&) = delete;

    // The quiet a drain listens for after an answer taken whole: a few characters' time at the
    // line's speed, for bytes already on their way.
    static constexpr std::chrono::milliseconds kSettledQuiet{5};

    std::chrono::milliseconds replyLimit() const { return replyLimit_; }
    void setReplyLimit(std::chrono::milliseconds limit) { replyLimit_ = limit; }

    // The ordinary lane. `now`: the present time, from which deadlines run.
    Id submit(Request request, Time now);
    // The priority lane: written at once.
    Id submitStop(Request request, Time now);
    // Written at once, owing nothing of its own: its answer goes to whoever waits (the main
    // channel's motion stop, whose answer the procedure under way reads). False: not written.
    bool interject(const std::string& command, const void* owner, Time now);
    // The requests of `owner` (nullptr: every one) end Lost; what they were owed is drained.
    void abandon(const void* owner, Time now);
    // The requests of `owner` not yet written end Lost, unsent.
    void dropQueued(const void* owner);
    // A stream's reader waits for its next line: it is owed again, within the stream's limit.
    void expect(Id id, Time now);
    // A stream is read no further: it ends Answered.
    void close(Id id);

    // Drops input until the line is quiet, when nothing is under way (else nothing happens:
    // what comes is owed to what is). When the last bytes on the line were an answer taken whole,
    // a few characters' time of quiet is enough; after anything else (noise, an answer owed and
    // not come, the line just on, bytes nobody asked for) the whole quiet. A drain under way goes
    // on as it is.
    void drain(Time now);
    // Bytes came that the engine was not given (the idle line's): the next drain listens long.
    void stray() { settled_ = false; }
    // `call` once no drain is under way (at once when none is).
    void whenQuiet(std::function<void()> call);
    // Bytes from the line, received at `when`.
    void receive(std::string_view bytes, Time when);
    // Time has come to `now`: owed answers past their deadline end TimedOut, a drain ends.
    void expire(Time now);
    // When expire() has something to do next.
    std::optional<Time> nextDeadline() const;
    // The line went off: every request ends Lost; nothing more goes out until online().
    void lost();
    void online() {
        online_ = true;
        settled_ = false;
    }

    // Lines that fit no answer (reported once each), and bytes dropped while draining.
    std::function<void(const std::string& line)> noise;
    std::function<void(std::string_view bytes)> dropped;
    // Every line received, before it is matched (the communication log, the recorder).
    std::function<void(const std::string& line)> heard;
    // After every call that may have changed nextDeadline() (a timer is set again).
    std::function<void()> settled;

    // Requests open or waiting to go out.
    bool idle() const { return open_.empty(); }
    // The id the next request submitted will have.
    Id nextId() const { return last_ + 1; }
    // Requests open, or input being drained: the line's bytes are the engine's.
    bool busy() const { return !open_.empty() || drainUntil_.has_value(); }
    // When the last line's LF arrived.
    Time lastLineEnd() const { return lastLineEnd_; }

  private:
    enum class Phase { Queued, Owed, Under };
    struct Open {
        Id id = 0;
        Request request;
        ReplyShape shape = ReplyShape::Done;
        Phase phase = Phase::Queued;
        bool stopLane = false;
        bool refusable = true;  // a move not yet passed by a later answer may still be refused
        int state = 0;          // where in its answer it stands
        bool status = false;    // a run: a stop or an error came
        Reply reply;
        std::optional<Time> deadline;
    };
    struct Unit {
        std::vector<std::string> lines;  // a word and its line, or one line
    };
    enum class Take { No, Progress, Answered, Failed, Unfit };

    Open make(Request request, bool stopLane);
    void write(Open& o, Time now);
    void pump(Time now);
    void route(const Unit& u, Time now);
    Take accept(Open& o, const Unit& u) const;
    void give(Open& o, const Unit& u, Take t, Time now);
    void finish(Id id, End end);
    // Ends every request `which` picks with `end`; whether one of them had gone out.
    bool endWhere(const std::function<bool(const Open&)>& which, End end);
    void stopMoves(Id before, bool holdsOnly);
    void progressRun(Open& o, const Unit& u, Time now);
    void startDrain(Time now);
    void onLine(std::string line, Time when);
    void flush();
    Open* find(Id id);
    Open* firstOwed();
    // Now plus the request's limit; none when it has none.
    std::optional<Time> deadlineFrom(const Open& o, Time now) const;

    Write write_;
    std::chrono::milliseconds replyLimit_;
    std::chrono::milliseconds quiet_;
    std::list<Open> open_;  // in the order they went out, then the queued ones
    Id last_ = 0;
    LineAssembler assembler_;
    std::optional<std::string> word_;  // a status word or "CEND" waiting for its line
    std::optional<Time> drainUntil_;
    Time drainCap_{};
    // The line's last bytes were lines given whole to the requests that owed them, or a drain
    // ended in quiet, and nothing has come since.
    bool settled_ = false;
    // After a stop's answer or a run's status end, one "END" or "OK" may follow within the
    // reply limit: given to the line callback of what ended, not noise.
    std::optional<Time> tailUntil_;
    std::function<void(const std::string&)> tailLine_;
    bool online_ = true;
    // What the requests are told (written, a line, their end), in order, once the engine is in
    // a consistent state: a callback may submit again.
    std::vector<std::function<void()>> events_;
    std::vector<std::function<void()>> quietWaiters_;  // whenQuiet's calls, until it is
    bool flushing_ = false;
    Time lastLineEnd_{};
};

}  // namespace mivo
