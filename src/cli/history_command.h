#pragma once
// `mivo history [--program N] [--since DATE] [--until DATE] [--csv]`: the runs kept in the run
// history, a line each with a summary of their cycles, or as CSV with its header.
#include <iosfwd>

#include "cli/cli_args.h"

namespace mivo {

// kExitCompleted (no runs too); kExitUsage for a bad option; kExitFailed when the history
// cannot be read (said on `err`).
int RunHistoryCommand(const ParsedArgs& args, std::ostream& out, std::ostream& err);

}  // namespace mivo
