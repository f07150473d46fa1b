#include "cli/log_command.h"

#include <optional>
#include <ostream>
#include <string>

#include "cli/person_words.h"
#include "common/readable_text.h"
#include "common/said_text.h"
#include "link/flight_log_reader.h"

namespace mivo {

namespace {

// The bound an option gives: "" when it is not given, nullopt when its value is no time.
std::optional<std::string> Bound(const ParsedArgs& args, const std::string& option, bool last,
                                 std::ostream& err) {
    if (!args.has(option)) return std::string();
    const std::string value = args.value(option);
    if (auto bound = FlightLogBound(value, last)) return bound;
    err << "mivo: "
        << ForPerson(Filled(UI_TEXT("Message",
                                    "%1 '%2' is no time like 2026-12-08T03:04:05 (.mmm may "
                                    "follow) or day like 2026-12-08"),
                            {option, EscapeControlBytes(value)}))
        << '\n';
    return std::nullopt;
}

}  // namespace

int RunLog(const ParsedArgs& args, const std::filesystem::path& folder, std::ostream& out,
           std::ostream& err) {
    const auto since = Bound(args, "--since", false, err);
    if (!since) return kExitUsage;
    const auto until = Bound(args, "--until", true, err);
    if (!until) return kExitUsage;
    if (!since->empty() && !until->empty() && *until < *since) {
        err << "mivo: "
            << ForPerson(Filled(UI_TEXT("Message", "--until %1 is before --since %2"),
                                {EscapeControlBytes(args.value("--until")),
                                 EscapeControlBytes(args.value("--since"))}))
            << '\n';
        return kExitUsage;
    }
    if (folder.empty()) {
        err << "mivo: "
            << ForPerson(UI_TEXT("Message",
                                 "the flight recorder's folder is not known: neither "
                                 "XDG_STATE_HOME nor HOME is set"))
            << '\n';
        return kExitFailed;
    }
    const FlightLogReading reading =
        ReadFlightLog(folder, *since, *until, [&out](const std::string& line) {
            out << line << '\n';
            return static_cast<bool>(out);
        });
    for (const std::string& problem : reading.problems)
        err << "mivo: " << EscapeControlBytes(problem) << '\n';
    if (reading.files == 0 && reading.problems.empty()) {
        err << "mivo: "
            << ForPerson(Filled(UI_TEXT("Message", "no flight recorder files in %1"),
                                {EscapeControlBytes(folder.string())}))
            << '\n';
        return kExitFailed;
    }
    return reading.problems.empty() ? kExitCompleted : kExitFailed;
}

}  // namespace mivo
