#pragma once
// The controller commands of `mivo` (steps send/receive, params, pallet and offset
// send/receive/init, backup, compare, restore, version, errors) over a serial port.
#include <string>
#include <vector>

#include "cli/cli_args.h"

namespace mivo {

// `words` are the command words and operands after the global options ("steps", "send",
// FILE). Uses --port, --yes, --timeout, --log and --range from `args`. Returns kExitCompleted
// when the procedure reached its completion, kExitFailed otherwise, kExitUsage for bad usage.
int RunPortCommand(const ParsedArgs& args, const std::vector<std::string>& words);

}  // namespace mivo
