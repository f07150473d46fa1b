#pragma once
// The run history as text: the CSV `mivo history --csv` and the history window's "Export CSV..."
// write, the lines `mivo history` prints, and the dates its --since and --until take.
// Plain C++.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/run_record.h"

namespace mivo {

// Which runs a listing holds: each criterion given must hold.
struct HistoryFilter {
    std::optional<int> program;
    std::optional<RunResult> result;
    std::optional<std::int64_t> sinceMs;  // started at or after (UTC milliseconds)
    std::optional<std::int64_t> untilMs;  // started before
    bool operator==(const HistoryFilter&) const = default;
};

bool Matches(const HistoryFilter& filter, const RunRecord& run);

// "id,start,end,program,result,error,cycle_s,program_hash,robot,versions,host": times in UTC
// ("2026-12-09T21:04:05.123Z"), the cycle in seconds to the millisecond; an unknown value is
// empty.
std::string HistoryCsvHeader();
// One run's line (with its line end); text with a comma, quote or line end is quoted.
std::string HistoryCsvLine(const RunRecord& run);

// "  12  2026-12-09 21:04:05  P2  END    12.35 s  a1b2c3d4": one run as `mivo history` prints it,
// in local time.
std::string HistoryLine(const RunRecord& run);

// The local date and time "2026-12-09 21:04:05".
std::string LocalDateTime(std::int64_t utcMilliseconds);

// A local date "2026-12-09", or with a time "2026-12-09T08:30" / "2026-12-09 08:30:15": its UTC
// milliseconds. `endOfDay`: a date alone means the day's end (the start of the next day), for
// --until. None for other text.
std::optional<std::int64_t> ParseLocalDate(std::string_view text, bool endOfDay);

}  // namespace mivo
