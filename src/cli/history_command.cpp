#include "cli/history_command.h"

#include <cstdlib>
#include <ostream>

#include "cli/person_words.h"
#include "common/said_text.h"
#include "common/seconds_text.h"
#include "history/run_history.h"

namespace mivo {

namespace {

// The filter the options give; false with `problem` for one that is not understood.
bool ReadFilter(const ParsedArgs& args, HistoryFilter& filter, std::string& problem) {
    if (args.has("--program")) {
        const std::string n = args.value("--program");
        if (n.size() != 1 || n[0] < '0' || n[0] > '5') {
            problem = UI_TEXT("Message", "--program wants a program number 0 to 5");
            return false;
        }
        filter.program = n[0] - '0';
    }
    for (const char* option : {"--since", "--until"}) {
        if (!args.has(option)) continue;
        const bool until = std::string(option) == "--until";
        const auto ms = ParseLocalDate(args.value(option), until);
        if (!ms) {
            problem = Filled(UI_TEXT("Message",
                                     "%1 wants a local date, 2026-12-09, or a date and time, "
                                     "2026-12-09T08:30"),
                             {option});
            return false;
        }
        (until ? filter.untilMs : filter.sinceMs) = *ms;
    }
    return true;
}

// "10 runs, 8 to END: cycle shortest 12.30 s, mean 12.35 s, longest 12.41 s".
std::string Summary(const std::vector<RunRecord>& runs) {
    std::int64_t shortest = 0, longest = 0, sum = 0;
    int cycles = 0;
    for (const RunRecord& r : runs) {
        if (!r.cycleMs) continue;
        shortest = cycles == 0 ? *r.cycleMs : std::min(shortest, *r.cycleMs);
        longest = std::max(longest, *r.cycleMs);
        sum += *r.cycleMs;
        ++cycles;
    }
    std::string text = std::to_string(runs.size()) + (runs.size() == 1 ? " run" : " runs");
    if (cycles == 0) return text;
    return text + ", " + std::to_string(cycles) + " to END: cycle shortest " +
           SecondsText(shortest) + ", mean " + SecondsText((sum + cycles / 2) / cycles) +
           ", longest " + SecondsText(longest);
}

}  // namespace

int RunHistoryCommand(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    HistoryFilter filter;
    std::string problem;
    if (!ReadFilter(args, filter, problem)) {
        err << "mivo: " << ForPerson(problem) << '\n';
        return kExitUsage;
    }
    const auto file = RunHistoryFile(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    std::vector<RunRecord> runs;
    // Reading makes no history where there is none.
    std::error_code ec;
    if (!file.empty() && std::filesystem::exists(file, ec)) {
        RunHistory history(file, [&err](const std::string& message) {
            err << "mivo: " << ForPerson(message) << '\n';
        });
        runs = history.runs(filter);
        if (!history.usable()) return kExitFailed;
    }
    const bool csv = args.has("--csv");
    if (csv) {
        std::string text = HistoryCsvHeader();
        text.reserve(runs.size() * 110 + text.size());
        for (const RunRecord& r : runs) text += HistoryCsvLine(r);
        out << text;
        return kExitCompleted;
    }
    std::string text;
    for (const RunRecord& r : runs) text += HistoryLine(r) + '\n';
    out << text << Summary(runs) << '\n';
    return kExitCompleted;
}

}  // namespace mivo
