#pragma once
// `mivo direct COMMAND [ARGS]`: the direct-operation screen's commands over a serial port, each
// display line printed as the screen would append it.
#include <string>
#include <vector>

#include "cli/cli_args.h"

namespace mivo {

// `operands` are the words after "direct": the command and its arguments. Uses --port, --yes,
// --timeout (data queries only), --log and, for run, --time. kExitCompleted when the command got
// its expected reply, kExitFailed otherwise, kExitUsage for bad usage.
int RunDirectCommand(const ParsedArgs& args, const std::vector<std::string>& operands);

// The usage lines of `mivo direct`.
const char* DirectUsage();

}  // namespace mivo
