#pragma once
// `mivo log`: the flight recorder's lines of a time range, from the editor's recorder files.
#include <filesystem>
#include <iosfwd>

#include "cli/cli_args.h"

namespace mivo {

inline constexpr const char* kLogUsage = "mivo log [--since T] [--until T]";

// The lines of the files in `folder` (link/flight_log_reader) from --since to --until on `out`,
// each T a local time "2026-12-08T03:04:05" (".mmm" may follow) or a day "2026-12-08"; --until
// takes in the whole second or day it names. kExitCompleted, also when no line is in the range;
// kExitUsage for a T that is neither or a range that ends before it begins; kExitFailed when the
// folder holds none of the recorder's files or a file could not be read whole, said on `err`
// (the lines of the others and what could be read of it printed).
int RunLog(const ParsedArgs& args, const std::filesystem::path& folder, std::ostream& out,
           std::ostream& err);

}  // namespace mivo
