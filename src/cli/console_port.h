#pragma once
// The serial port of mivo's controller commands (steps, params, pallet, offset, version, errors,
// direct): the options that choose and watch it, and the link set up on it.
#include <QCoreApplication>
#include <ostream>
#include <string>

#include "cli/cli_args.h"
#include "link/controller_link.h"

namespace mivo {

// "mivo: PROBLEM" on standard error, control bytes escaped, in the user's language; kExitUsage.
int UsageError(const std::string& problem);

// A command a stop signal ended: said on standard error; `status`.
int StoppedBySignal(int status);

// --timeout and --log: kExitCompleted, or the exit status after its message on standard error.
int ReadPortOptionsOrSay(const ParsedArgs& args, PortOptions& options);

// A line of the --log file, stamped as the flight recorder stamps its lines:
// "2026-12-08T03:04:05.123 > @?NO" for a line sent, "... < 0" for one received.
void WriteLogLine(std::ostream& log, bool sent, const std::string& line);

// The event loop and the link, with --port's device as COM1. The link's messages are failures
// of the line: on standard error, as "CAPTION: TEXT" and the detail below.
class ConsolePort {
  public:
    explicit ConsolePort(const ParsedArgs& args);
    QCoreApplication& app() { return app_; }
    ControllerLink& link() { return link_; }

  private:
    int argc_ = 1;
    char name_[5] = "mivo";
    char* argv_[2] = {name_, nullptr};
    QCoreApplication app_;
    ControllerLink link_;
};

}  // namespace mivo
