#pragma once
// One program run as it is kept and told: when it ran, how it ended, its cycle and step times,
// and what is known of the program and the robot. The direct operation makes it at a run's end;
// the run history keeps it, the command after each run and the plant's broker are told it.
// Plain C++.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/step_times.h"

namespace mivo {

// How a run ended.
enum class RunResult {
    End,        // the program's "END": its cycle ran its course
    Error,      // "ERR" and its code
    Stop,       // "STOP" (the screen's STOP, the controller's STOP input, the pendant)
    MotorStop,  // "MSTOP"
    Emergency,  // "EMG"
    LineLost,   // the line went off, or no answer came
    HostEnded,  // this program ended (or was ended) while the run went on
};

// "END", "ERR", "STOP", "MSTOP", "EMG", "LINE LOST", "HOST ENDED": the words the history, its
// CSV, the end command's MIVO_RESULT and the broker's messages use.
std::string_view RunResultWord(RunResult result);
// The result a word names (as RunResultWord writes it, any case); none for another word.
std::optional<RunResult> RunResultOfWord(std::string_view word);
// Every result, in the order above.
const std::vector<RunResult>& AllRunResults();

struct RunRecord {
    std::int64_t id = 0;       // the history's number for it; 0 before it is kept
    std::int64_t startMs = 0;  // "@RUN" written: UTC, milliseconds since 1970
    std::int64_t endMs = 0;    // its end known
    int program = -1;          // 0..5; -1 unknown
    RunResult result = RunResult::End;
    std::string errorCode;                // the controller's error line after "ERR"
    std::optional<std::int64_t> cycleMs;  // the cycle's time; only for END
    std::vector<MeasuredStep> steps;      // each step visited, in order, as the monitor saw them
    std::string programHash;              // of the program's steps; empty when unknown
    int robot = -1;                       // the robot number; -1 unknown
    std::string versions;                 // the controller's versions; empty when unknown
    std::string host;                     // which program ran it: "mivo-editor" or "mivo"
    bool operator==(const RunRecord&) const = default;
};

// Milliseconds since 1970 (UTC) now.
std::int64_t UtcMillisecondsNow();
// "2026-12-09T21:04:05.123Z".
std::string UtcTimestamp(std::int64_t utcMilliseconds);

}  // namespace mivo
