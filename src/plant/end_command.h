#pragma once
// The command run after each run ("After each run, run ..." in the settings, `mivo direct run
// --on-end CMD`): `/bin/sh -c CMD` with the run told in its environment,
//   MIVO_RESULT   END, ERR, STOP, MSTOP, EMG, LINE LOST or HOST ENDED (RunResultWord)
//   MIVO_CYCLE_S  the cycle in seconds with three decimals ("12.346"); empty without a cycle
//   MIVO_PROGRAM  the program number; empty when unknown
//   MIVO_ERROR    the controller's error code; empty when none
//   MIVO_START    the run's start, "2026-12-09T21:04:05.123Z" (UTC)
// added to the program's own. Plain C++ (POSIX).
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/run_record.h"

namespace mivo {

// The five variables for `run`, "NAME=VALUE" each, in the order above.
std::vector<std::string> EndCommandVariables(const RunRecord& run);

// Starts the command for each run and watches it on a thread of its own, so that run() returns
// at once. The command runs detached: a session and process group of its own (a terminal's
// Ctrl+C does not reach it), standard input and output /dev/null, standard error this
// program's. Past its time limit its process group gets SIGTERM, and SIGKILL two seconds later.
// Commands of runs that end quickly after one another run side by side.
//
// A failure (the shell cannot start, an exit code other than 0, a signal, the time limit) is
// said once per EndCommand through `said`, in a sentence naming the command; later failures are
// not said. `said` is called on the watching thread, never after the destructor has returned;
// it must not destroy this object.
//
// The destructor does not wait for a command still running: that one runs on to its end
// (`mivo` ends right after its run while the command tells the plant), still under its time
// limit while this program lives; nothing more is said of it. The watching thread then goes on
// alone until its commands end, so that none of them is left a zombie.
class EndCommand {
  public:
    using Said = std::function<void(const std::string&)>;
    static constexpr std::chrono::milliseconds kTimeLimit{60000};

    explicit EndCommand(std::string commandLine, Said said = {},
                        std::chrono::milliseconds timeLimit = kTimeLimit);
    ~EndCommand();
    EndCommand(const EndCommand&) = delete;
    EndCommand& operator=(const EndCommand&) = delete;

    void run(const RunRecord& run);

    // Commands started by run() that have not ended (and had their failure said) yet.
    int running() const;
    const std::string& commandLine() const { return commandLine_; }

  private:
    struct Watch;

    std::string commandLine_;
    std::shared_ptr<Watch> watch_;
};

}  // namespace mivo
