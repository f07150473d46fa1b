#pragma once
// The direct channel as the direct-operation screen needs it: besides request and wait, the two
// injections that end a pending wait (InjectMstop, InjectStop), what ended the last wait, and
// its close. Implemented by the serial link and by the simulated controller in process.
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "link/channel.h"

namespace mivo {

// What ended a wait.
enum class WaitEnd {
    Line,       // a reply line arrived
    MotorStop,  // the MSTOP injection: the bytes received so far became the line
    Stop,       // the STOP injection: the line ended there
    Ended,      // no line: the channel went off line, the start screen was shown, time ran out
};

class DirectChannel : public Channel {
  public:
    using Channel::request;
    // As request(command), with `written` called once the command is on the line, before its
    // reply is waited for; never for a command that was not written (off line, a failed write).
    std::string request(const std::string& command, std::function<void()> written) {
        written_ = std::move(written);
        std::string reply = request(command);
        written_ = nullptr;
        return reply;
    }
    // As next(), for a line that may or may not come (a program's "END" after the controller
    // stopped it): at most the reply limit in force, and a limit that passes is no failure of
    // the line: "" with lastWaitEnd() Ended, and nothing is told.
    virtual std::string nextIfAny() = 0;
    // As request(command, written), its wait as nextIfAny's: a stop's, whose silence is said
    // by the stop itself (the robot may still be moving), not as a failure of the line.
    std::string requestIfAny(const std::string& command, std::function<void()> written) {
        written_ = std::move(written);
        std::string reply = requestWithin(command);
        written_ = nullptr;
        return reply;
    }
    // The line the innermost wait under way was handed while its caller has not had it yet
    // (a handler runs between the two); nullopt when it has none.
    virtual std::optional<std::string> answeredLine() const = 0;
    // What ended the last wait of request() or next() (Line for a request that does not wait).
    virtual WaitEnd lastWaitEnd() const = 0;
    // InjectMstop / InjectStop: the innermost pending wait ends now. Kept for the next wait
    // when none runs, until withdrawn.
    virtual void injectMstop() = 0;
    virtual void injectStop() = 0;
    virtual void clearInjections() = 0;
    // Drops the input received so far at once, without waiting for the line to be quiet.
    virtual void dropInput() = 0;
    // The close request: the channel goes off line, ending its waits.
    virtual void close() = 0;
    // Whether the channel is on line: a wait that ended without a line while it still is ran
    // out of time.
    virtual bool online() const = 0;

  protected:
    virtual std::string requestWithin(const std::string& command) = 0;
    // Implementations call this right after writing a command: `ok` when its bytes went to the
    // line.
    void wrote(bool ok) {
        if (auto w = std::exchange(written_, nullptr); w && ok) w();
    }

  private:
    std::function<void()> written_;
};

}  // namespace mivo
