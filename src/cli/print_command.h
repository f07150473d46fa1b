#pragma once
// `mivo print FILE [--range A-B] [--kind KIND] --pdf OUT.pdf`: the listing the editors print,
// drawn by the same code into a PDF file.
#include "cli/cli_args.h"

namespace mivo {

inline constexpr const char* kPrintUsage =
    "mivo print FILE [--range A-B] [--kind step|parameter|pallet|offset] --pdf OUT.pdf";

// kExitCompleted after "Print: Printing information transfer is completed."; kExitUsage for a
// call that cannot run or a range refused ("Print: Specify printing range"), nothing written;
// kExitFailed when FILE cannot be opened or OUT cannot be written.
int RunPrintCommand(const ParsedArgs& args, const std::string& file);

}  // namespace mivo
