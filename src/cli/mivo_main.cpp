// mivo: the command-line tool. Global options, then a command of one or more words and its
// operands; each command is a row of the table below.
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "cli/console_prompter.h"
#include "cli/convert_command.h"
#include "cli/port_commands.h"

namespace {

using mivo::ParsedArgs;

struct Invocation {
    const ParsedArgs& args;
    std::vector<std::string> operands;  // the words after the command words
};

struct Command {
    std::vector<std::string> words;
    std::size_t operands;  // how many operands it takes
    const char* usage;
    int (*run)(const Invocation&);
    int writes = -1;  // the operand naming the step file it writes; -1: none
};

int Convert(const Invocation& call) {
    mivo::ConsolePrompter prompter(std::cin, std::cout, std::cerr, call.args.has("--yes"));
    return mivo::ReportDeclined(mivo::RunConvert(call.operands[0], call.operands[1], prompter),
                                prompter, std::cerr);
}

int StepsSend(const Invocation& call) {
    return mivo::RunPortCommand(call.args, {"steps", "send", call.operands[0]});
}
int StepsReceive(const Invocation& call) {
    return mivo::RunPortCommand(call.args, {"steps", "receive", call.operands[0]});
}
int Version(const Invocation& call) { return mivo::RunPortCommand(call.args, {"version"}); }
int Errors(const Invocation& call) { return mivo::RunPortCommand(call.args, {"errors"}); }

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {{"convert"}, 2, "mivo [--yes] convert IN OUT", Convert, 1},
        {{"steps", "send"},
         1,
         "mivo --port DEVICE [--yes] [--timeout SECONDS] [--log FILE] steps send FILE [--range "
         "A-B]",
         StepsSend},
        {{"steps", "receive"},
         1,
         "mivo --port DEVICE ... steps receive FILE [--range A-B]",
         StepsReceive,
         0},
        {{"version"}, 0, "mivo --port DEVICE ... version", Version},
        {{"errors"}, 0, "mivo --port DEVICE ... errors", Errors},
    };
    return commands;
}

const mivo::OptionSpec& Options() {
    static const mivo::OptionSpec known{{"--yes", "--help"},
                                        {"--port", "--timeout", "--log", "--range"}};
    return known;
}

void PrintUsage(std::ostream& out) {
    out << "usage:\n";
    for (const Command& c : Commands()) out << "  " << c.usage << '\n';
}

// A call the tool cannot run: the problem and the usage on standard error.
int Usage(const std::string& problem) {
    std::cerr << "mivo: " << problem << '\n';
    PrintUsage(std::cerr);
    return mivo::kExitUsage;
}

bool Matches(const Command& c, const std::vector<std::string>& words) {
    if (words.size() < c.words.size()) return false;
    for (std::size_t i = 0; i < c.words.size(); ++i)
        if (words[i] != c.words[i]) return false;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    ParsedArgs parsed;
    std::string error;
    if (!mivo::ParseArgs(args, Options(), parsed, error)) return Usage(error);
    if (parsed.has("--help")) {
        PrintUsage(std::cout);
        return mivo::kExitCompleted;
    }
    if (parsed.words.empty()) return Usage("no command given");
    for (const Command& c : Commands()) {
        if (!Matches(c, parsed.words)) continue;
        Invocation call{
            parsed, {parsed.words.begin() + static_cast<long>(c.words.size()), parsed.words.end()}};
        if (call.operands.size() != c.operands) return Usage("wrong number of operands");
        if (c.writes >= 0 && mivo::IsZebFileName(call.operands[static_cast<std::size_t>(c.writes)]))
            return Usage(call.operands[static_cast<std::size_t>(c.writes)] +
                         ": mivo writes step files only, never ZEB files (.crd)");
        return c.run(call);
    }
    return Usage("unknown command " + parsed.words[0]);
}
