#pragma once
// Command-line parsing shared by the commands of `mivo`.
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace mivo {

inline constexpr int kExitCompleted = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;
// Exit 1 as a result, not a failure: `check` found something, `compare` found differences.
inline constexpr int kExitFound = 0x101;

struct ParsedArgs {
    std::map<std::string, std::string> options;  // "--yes" -> "", "--port" -> "/dev/ttyS0"
    std::vector<std::string> words;              // the command words and their operands

    bool has(const std::string& option) const { return options.count(option) != 0; }
    std::string value(const std::string& option, const std::string& fallback = {}) const {
        const auto it = options.find(option);
        return it == options.end() ? fallback : it->second;
    }
};

struct OptionSpec {
    std::set<std::string> flags;   // options without a value, e.g. "--yes"
    std::set<std::string> valued;  // options with a value: "--port DEVICE" or "--port=DEVICE"
};

// Every option mivo takes.
const OptionSpec& MivoOptions();

// Options may stand anywhere on the line; "--" makes the rest words. An unknown option, a
// missing value or a repeated option gives false and a message in `error`.
bool ParseArgs(const std::vector<std::string>& args, const OptionSpec& known, ParsedArgs& out,
               std::string& error);

// The options every port command shares: --timeout (milliseconds, 10 s when not given) and the
// --log file, opened for appending (a FIFO, a device or a read-only file refused: kExitFailed,
// "Cannot write LOG: REASON"); a write to it that fails is said as the command ends
// (NoteLogFailure). Gives kExitCompleted, or kExitUsage or kExitFailed with `problem`.
struct PortOptions {
    int timeoutMs = 10000;
    std::unique_ptr<std::ofstream> log;
};
int ReadPortOptions(const ParsedArgs& args, PortOptions& out, std::string& problem);

}  // namespace mivo
