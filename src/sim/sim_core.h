#pragma once
// The simulated controller's core: the clock, the command table that the families fill, the
// queue of reply lines and the faults. Plain C++.
#include <array>
#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "sim/sim_clock.h"

namespace mivo {

// Who answers a command. Core: the line's own reset "@".
enum class SimFamily { Core, Steps, Motion, Records, Parameters, Io };
inline constexpr std::size_t kSimFamilies = 6;

// "steps", "motion", "records", "parameters", "io" (and "core"); nullopt for any other name.
std::optional<SimFamily> SimFamilyNamed(const std::string& name);
const char* SimFamilyName(SimFamily family);

// Which command a fault hits: none, every one, or the k-th (counted from 1). With a family,
// only that family's commands, counted among themselves.
struct SimPick {
    static constexpr int kNone = 0;
    static constexpr int kEvery = -1;
    int which = kNone;
    std::optional<SimFamily> family;
    // `n`: the command's number among all commands; `inFamily`: among its family's.
    bool hits(int n, std::optional<SimFamily> of = std::nullopt, int inFamily = 0) const {
        if (family) {
            if (of != family) return false;
            n = inFamily;
        }
        return which == kEvery || (which > 0 && which == n);
    }
};

struct SimFaults {
    SimPick silent;  // no reply at all
    SimPick refuse;  // "NG" and refuseLine instead of the reply
    std::string refuseLine = "10:Command error";
    SimPick garbage;      // a line of noise instead of the reply
    SimPick noiseBefore;  // a line of noise, then the reply
    std::string noise;    // that line; empty: bytes as a wrong line setting gives
    SimPick emptyLine;    // a lone CR LF instead of the reply
    SimPick longLine;     // an over-long line before the reply
    std::size_t longLineLength = 1500;
    // A position query ("@?POS", counted among themselves) answered "ERR" and a line beginning
    // "32" first; then, reading again, as usual.
    SimPick positionError;
    // The whole answer comes this much later on the clock (a slow controller).
    SimPick late;
    SimClock::Duration lateBy = std::chrono::milliseconds(20);
    // After each reply, once the line is quiet, bytes as a stuck line sends (SimPty only).
    bool equalBytesWhenIdle = false;
    int idleDelayMs = 100;
    // After this many commands the next one closes the line (-1: never).
    int hangupAfter = -1;
    // After this many commands the line is cut: no later one reaches the controller, nothing
    // more comes back, and the line stays open (-1: never).
    int silentAfter = -1;
};

class SimCore {
  public:
    // A command's handler gets the text after the keyword (and its blank) and queues replies,
    // now or later on the clock.
    using Handler = std::function<void(const std::string& args)>;

    SimCore();
    SimCore(const SimCore&) = delete;
    SimCore& operator=(const SimCore&) = delete;

    // Registers `keyword` ("@?Ver", "@WRITE STEP", "1=") for `family`. A line matches when it
    // is the keyword, or starts with it followed by a blank, or the keyword ends with '='. The
    // longest matching keyword wins; a later registration replaces an earlier one (without a
    // family it keeps the family it replaces, else Core).
    void addCommand(SimFamily family, const std::string& keyword, Handler handler);
    void addCommand(const std::string& keyword, Handler handler);

    // One command line as received, without its line end, at the clock's present time.
    void receive(const std::string& command);

    void reply(const std::string& line);
    void refuse(const std::string& errorLine);  // "NG" then the error line
    bool hasReply() const { return !replies_.empty(); }
    std::string takeReply();
    void clearReplies() { replies_.clear(); }

    SimClock& clock() { return clock_; }
    const SimClock& clock() const { return clock_; }

    // Bytes a stuck line would send, when that fault is on (else empty).
    std::string idleNoise() const;
    bool hungUp() const { return hungUp_; }
    const std::vector<std::string>& received() const { return received_; }

    SimFaults faults;

  private:
    struct Command {
        std::string keyword;
        SimFamily family;
        Handler handler;
    };
    const Command* match(const std::string& line) const;
    // The replies to `command` (`c` its entry, none when unknown), faults applied.
    void answer(const std::string& command, const Command* c,
                const std::function<bool(const SimPick&)>& hits);

    SimClock clock_;
    std::vector<Command> commands_;
    std::deque<std::string> replies_;
    std::vector<std::string> received_;
    std::array<int, kSimFamilies> perFamily_{};
    bool hungUp_ = false;
};

}  // namespace mivo
