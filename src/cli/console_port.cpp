#include "cli/console_port.h"

#include <iostream>

#include "cli/person_words.h"
#include "common/readable_text.h"
#include "common/said_text.h"
#include "link/flight_recorder.h"
#include "link/link_messages.h"

namespace mivo {

int UsageError(const std::string& problem) {
    std::cerr << "mivo: " << ForPerson(EscapeControlBytes(problem)) << '\n';
    return kExitUsage;
}

int StoppedBySignal(int status) {
    std::cerr << "mivo: "
              << ForPerson(UI_TEXT("Message", "stopped by a signal; the port was closed")) << '\n';
    return status;
}

int ReadPortOptionsOrSay(const ParsedArgs& args, PortOptions& options) {
    std::string problem;
    const int read = ReadPortOptions(args, options, problem);
    if (read == kExitUsage) return UsageError(problem);
    if (read != kExitCompleted) std::cerr << "Log: " << problem << '\n';
    return read;
}

void WriteLogLine(std::ostream& log, bool sent, const std::string& line) {
    log << LogTimestamp(std::chrono::system_clock::now()) << (sent ? " > " : " < ") << line << '\n';
    log.flush();  // each line as it goes: a log that cannot be written fails now, said at the end
}

ConsolePort::ConsolePort(const ParsedArgs& args) : app_(argc_, argv_) {
    link_.setDeviceForPort(1, QString::fromStdString(args.value("--port")));
    link_.setPortNumberSource([] { return 1; });
    RouteLinkMessages(
        link_, [](const std::string& text, const std::string& caption, const std::string& detail) {
            std::cerr << ForPerson(caption) << ": " << ForPerson(text) << '\n';
            if (!detail.empty()) std::cerr << "  " << ForPerson(detail) << '\n';
        });
}

}  // namespace mivo
