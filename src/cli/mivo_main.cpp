// mivo: the command-line tool. Global options, then a command of one or more words and its
// operands; each command is a row of the table below.
#include <cctype>
#include <cstdlib>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cli/check_command.h"
#include "cli/cli_args.h"
#include "cli/console_port.h"
#include "cli/console_prompter.h"
#include "cli/convert_command.h"
#include "cli/direct_command.h"
#include "cli/estimate_command.h"
#include "cli/history_command.h"
#include "cli/log_command.h"
#include "cli/person_words.h"
#include "cli/port_commands.h"
#include "cli/print_command.h"
#include "cli/report_output.h"
#include "common/readable_text.h"
#include "common/said_text.h"
#include "common/version.h"
#include "i18n/console_texts.h"
#include "i18n/translations.h"
#include "link/flight_recorder.h"

namespace {

using mivo::ParsedArgs;

struct Invocation {
    const ParsedArgs& args;
    std::vector<std::string> operands;  // the words after the command words
};

// A command that checks its operands itself.
constexpr std::size_t kAnyOperands = static_cast<std::size_t>(-1);

struct Command {
    std::vector<std::string> words;
    std::size_t operands;  // how many operands it takes, or kAnyOperands
    const char* usage;
    int (*run)(const Invocation&);
    std::size_t optionalOperands = 0;  // how many more it may take
    int writes = -1;                   // the operand naming the data file it writes; -1: none
};

int Convert(const Invocation& call) {
    std::string problem;
    const auto kind = mivo::ConvertKindFor(
        call.args.has("--kind") ? std::optional(call.args.value("--kind")) : std::nullopt,
        call.operands[0], call.operands[1], problem);
    if (kind && call.args.has("--pallet") && *kind != mivo::DataKind::Pallet)
        problem = UI_TEXT("Message", "--pallet is for a pallet file (.plt)");
    if (!kind || !problem.empty()) return mivo::UsageError(problem);
    mivo::ConsolePrompter prompter(std::cin, std::cout, std::cerr, call.args.has("--yes"));
    return mivo::ReportDeclined(
        mivo::RunConvert(call.operands[0], call.operands[1], *kind, prompter,
                         call.args.has("--pallet") ? call.args.value("--pallet") : "0"),
        prompter, std::cerr);
}

int Check(const Invocation& call) {
    mivo::ConsolePrompter prompter(std::cin, std::cout, std::cerr, call.args.has("--yes"));
    prompter.setQuietOpen(true);
    return mivo::RunCheck(call.operands[0], call.args.value("--parameters"), prompter, std::cout);
}

int Usage(const std::string& problem);

// `estimate B.stp [--calibrate A.stp A.csv]`: of two operands the step times are the one named
// .csv, else the last.
int Estimate(const Invocation& call) {
    mivo::CalibrationFiles calibration;
    std::string file = call.operands[0];
    if (call.args.has("--calibrate")) {
        if (call.operands.size() != 2)
            return Usage(UI_TEXT("Message",
                                 "--calibrate wants a step file and its step times: "
                                 "--calibrate A.stp A.csv"));
        const auto csv = [](const std::string& name) {
            return name.size() > 4 && (name.substr(name.size() - 4) == ".csv" ||
                                       name.substr(name.size() - 4) == ".CSV");
        };
        const bool firstIsTimes = csv(call.operands[0]) && !csv(call.operands[1]);
        calibration = {call.args.value("--calibrate"), call.operands[firstIsTimes ? 0 : 1]};
        file = call.operands[firstIsTimes ? 1 : 0];
    } else if (call.operands.size() != 1) {
        return Usage(UI_TEXT("Message", "estimate takes one step file"));
    }
    mivo::ConsolePrompter prompter(std::cin, std::cout, std::cerr, call.args.has("--yes"));
    prompter.setQuietOpen(true);
    return mivo::RunEstimate(file, call.args.value("--parameters"), calibration, prompter,
                             std::cout, std::cerr);
}

int StepsSend(const Invocation& call) {
    return mivo::RunPortCommand(call.args, {"steps", "send", call.operands[0]});
}
int StepsReceive(const Invocation& call) {
    return mivo::RunPortCommand(call.args, {"steps", "receive", call.operands[0]});
}
// `params`, `pallet` and `offset`: the command words and the operands as given.
int Memory(const Invocation& call, const char* what, const char* sub) {
    std::vector<std::string> words = {what, sub};
    words.insert(words.end(), call.operands.begin(), call.operands.end());
    return mivo::RunPortCommand(call.args, words);
}
int ParamsSend(const Invocation& call) { return Memory(call, "params", "send"); }
int ParamsReceive(const Invocation& call) { return Memory(call, "params", "receive"); }
int ParamsInit(const Invocation& call) { return Memory(call, "params", "init"); }
int PalletSend(const Invocation& call) { return Memory(call, "pallet", "send"); }
int PalletReceive(const Invocation& call) { return Memory(call, "pallet", "receive"); }
int PalletInit(const Invocation& call) { return Memory(call, "pallet", "init"); }
int OffsetSend(const Invocation& call) { return Memory(call, "offset", "send"); }
int OffsetReceive(const Invocation& call) { return Memory(call, "offset", "receive"); }
int OffsetInit(const Invocation& call) { return Memory(call, "offset", "init"); }
// `backup`, `compare` and `restore`: the command word and FILE.
int Whole(const Invocation& call, const char* what) {
    std::vector<std::string> words = {what};
    words.insert(words.end(), call.operands.begin(), call.operands.end());
    return mivo::RunPortCommand(call.args, words);
}
int Backup(const Invocation& call) { return Whole(call, "backup"); }
int Compare(const Invocation& call) { return Whole(call, "compare"); }
int Restore(const Invocation& call) { return Whole(call, "restore"); }
int Version(const Invocation& call) { return mivo::RunPortCommand(call.args, {"version"}); }
int Errors(const Invocation& call) { return mivo::RunPortCommand(call.args, {"errors"}); }
int Print(const Invocation& call) { return mivo::RunPrintCommand(call.args, call.operands[0]); }
int History(const Invocation& call) {
    return mivo::RunHistoryCommand(call.args, std::cout, std::cerr);
}
int Direct(const Invocation& call) { return mivo::RunDirectCommand(call.args, call.operands); }
// The editor's flight recorder files, where the editor keeps them.
int Log(const Invocation& call) {
    return mivo::RunLog(call.args,
                        mivo::FlightLogFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME")),
                        std::cout, std::cerr);
}

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {{"convert"},
         2,
         "mivo [--yes] [--kind step|parameter|pallet|offset] [--pallet N] convert IN OUT",
         Convert,
         0,
         1},
        {{"check"}, 1, "mivo check FILE [--parameters FILE.prm]", Check},
        {{"estimate"},
         1,
         "mivo estimate FILE [--parameters FILE.prm] [--calibrate A.stp A.csv]",
         Estimate,
         1},
        {{"steps", "send"},
         1,
         "mivo --port DEVICE [--yes] [--timeout SECONDS] [--log FILE] steps send FILE [--range "
         "A-B | --quick] [--parameters FILE.prm]",
         StepsSend},
        {{"steps", "receive"},
         1,
         "mivo --port DEVICE ... steps receive FILE [--range A-B]",
         StepsReceive,
         0,
         0},
        {{"params", "send"}, 1, "mivo --port DEVICE ... params send FILE", ParamsSend},
        {{"params", "receive"},
         1,
         "mivo --port DEVICE ... params receive FILE",
         ParamsReceive,
         0,
         0},
        {{"params", "init"},
         1,
         "mivo --port DEVICE ... params init ROBOT [FILE]",
         ParamsInit,
         1,
         1},
        {{"pallet", "send"}, 1, "mivo --port DEVICE ... pallet send FILE", PalletSend},
        {{"pallet", "receive"},
         2,
         "mivo --port DEVICE ... pallet receive NUMBER FILE",
         PalletReceive,
         0,
         1},
        {{"pallet", "init"}, 1, "mivo --port DEVICE ... pallet init NUMBER", PalletInit},
        {{"offset", "send"}, 1, "mivo --port DEVICE ... offset send FILE", OffsetSend},
        {{"offset", "receive"},
         2,
         "mivo --port DEVICE ... offset receive NUMBER FILE",
         OffsetReceive,
         0,
         1},
        {{"offset", "init"}, 1, "mivo --port DEVICE ... offset init NUMBER", OffsetInit},
        {{"backup"}, 1, "mivo --port DEVICE ... backup FILE", Backup, 0, 0},
        {{"compare"}, 1, "mivo --port DEVICE ... compare FILE [--pallet N | --program N]", Compare},
        {{"restore"},
         1,
         "mivo --port DEVICE ... restore FILE [--only steps,parameters,pallets,offsets]",
         Restore},
        {{"version"}, 0, "mivo --port DEVICE ... version", Version},
        {{"errors"}, 0, "mivo --port DEVICE ... errors", Errors},
        {{"print"}, 1, mivo::kPrintUsage, Print},
        {{"history"},
         0,
         "mivo history [--program N] [--since DATE] [--until DATE] [--csv]",
         History},
        {{"direct"}, kAnyOperands, mivo::DirectUsage(), Direct},
        {{"log"}, 0, mivo::kLogUsage, Log},
    };
    return commands;
}

// What each option is for, as a command's --help lists them.
const std::map<std::string, const char*>& OptionHelp() {
    static const std::map<std::string, const char*> help = {
        {"--port", UI_TEXT("Message", "DEVICE  the serial device the controller is on")},
        {"--yes", UI_TEXT("Message", "answer every question Yes")},
        {"--timeout",
         UI_TEXT("Message", "SECONDS  how long a reply is waited for (10 unless given)")},
        {"--log",
         UI_TEXT("Message", "FILE  append every line sent and received to FILE, with its time")},
        {"--range", UI_TEXT("Message", "A-B  the steps (parameters, for print) from A to B")},
        {"--quick", UI_TEXT("Message", "send the whole program as Quick send does")},
        {"--parameters",
         UI_TEXT(
             "Message",
             "FILE.prm  the parameter file: check positions against its strokes, estimate with its"
             " limits")},
        {"--kind",
         UI_TEXT("Message",
                 "step|parameter|pallet|offset  what a file holds whose name does not say")},
        {"--pallet", UI_TEXT("Message", "N  the pallet number")},
        {"--program", UI_TEXT("Message", "N  the program: an offset file's, or the runs listed")},
        {"--since",
         UI_TEXT("Message", "DATE  from this local day (2026-12-09) or time (2026-12-09T08:30)")},
        {"--until",
         UI_TEXT("Message", "DATE  to this local day or time, the whole day it names when a day")},
        {"--csv", UI_TEXT("Message", "the runs as CSV, with a header line")},
        {"--on-end",
         UI_TEXT("Message",
                 "CMD  run CMD after the run (MIVO_RESULT, MIVO_CYCLE_S ... in its environment)")},
        {"--mqtt",
         UI_TEXT(
             "Message",
             "mqtt://HOST:PORT/PREFIX  tell the plant's broker of each run and the robot's state")},
        {"--only",
         UI_TEXT("Message", "PARTS  send only these of steps,parameters,pallets,offsets")},
        {"--pdf", UI_TEXT("Message", "OUT.pdf  the PDF file to write")},
        {"--time", UI_TEXT("Message", "print the cycle time after END")},
        {"--steps",
         UI_TEXT("Message",
                 "FILE.csv  write the run's step times, as the monitor saw them, to FILE.csv")},
        {"--calibrate", UI_TEXT("Message",
                                "A.stp A.csv  fit the estimate to a measured run first: program A "
                                "and its step times")},
        {"--mode", UI_TEXT("Message", "1|2|3  the jog mode")},
        {"--hold",
         UI_TEXT("Message", "SECONDS  how long a jog in mode 2 or 3 is held (0.5 unless given)")},
        {"--cycles", UI_TEXT("Message", "N  end the monitor after N scans")},
    };
    return help;
}

// One command's usage and what its options are for; "..." in a usage stands for the options
// every port command takes.
void PrintCommandHelp(const Command& c, std::ostream& out) {
    std::string usage = c.usage;
    out << "usage: " << usage << "\noptions:\n";
    if (usage.find(" ... ") != std::string::npos) usage += " [--yes] [--timeout] [--log]";
    std::set<std::string> listed;
    for (std::size_t at = usage.find("--"); at != std::string::npos; at = usage.find("--", at)) {
        std::size_t end = at + 2;
        while (end < usage.size() &&
               (std::isalpha(static_cast<unsigned char>(usage[end])) != 0 || usage[end] == '-'))
            ++end;
        const std::string option = usage.substr(at, end - at);
        at = end;
        const auto help = OptionHelp().find(option);
        if (help == OptionHelp().end() || !listed.insert(option).second) continue;
        out << "  " << option << ' ' << mivo::ForPerson(help->second) << '\n';
    }
    out << "  --help  " << mivo::ForPerson(UI_TEXT("Message", "this text")) << '\n';
}

void PrintUsage(std::ostream& out) {
    out << "usage:\n  mivo --help | --version\n  mivo --lang en|de|ja ...\n";
    for (const Command& c : Commands()) out << "  " << c.usage << '\n';
}

// A call the tool cannot run: the problem and the usage on standard error. The problem may
// quote an argument: its control bytes are shown, not sent to the terminal.
int Usage(const std::string& problem) {
    mivo::UsageError(problem);
    PrintUsage(std::cerr);
    return mivo::kExitUsage;
}

// The language of what is said to a person: --lang's, else the system's; chosen before the
// options are read, so that a problem with them is said in it too.
void SpeakTheUsersLanguage(const std::vector<std::string>& args) {
    std::string chosen;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--lang" && i + 1 < args.size()) chosen = args[i + 1];
        if (args[i].rfind("--lang=", 0) == 0) chosen = args[i].substr(7);
    }
    if (mivo::SpeakOnConsole(mivo::SpokenLanguage(QString::fromStdString(chosen))))
        mivo::SetPersonWords(&mivo::OnConsole);
}

bool Matches(const Command& c, const std::vector<std::string>& words) {
    if (words.size() < c.words.size()) return false;
    for (std::size_t i = 0; i < c.words.size(); ++i)
        if (words[i] != c.words[i]) return false;
    return true;
}

// The command line run, to its exit status; `command` its words and operands, as a failure
// names it.
int Run(int argc, char** argv, std::string& command) {
    std::vector<std::string> args(argv + 1, argv + argc);
    SpeakTheUsersLanguage(args);
    ParsedArgs parsed;
    std::string error;
    if (!mivo::ParseArgs(args, mivo::MivoOptions(), parsed, error)) return Usage(error);
    for (const std::string& w : parsed.words) command += (command.empty() ? "" : " ") + w;
    if (parsed.has("--help")) {
        for (const Command& c : Commands())
            if (Matches(c, parsed.words)) {
                PrintCommandHelp(c, std::cout);
                return mivo::kExitCompleted;
            }
        PrintUsage(std::cout);
        return mivo::kExitCompleted;
    }
    if (parsed.has("--version")) {
        std::cout << mivo::VersionLine("mivo");
        return mivo::kExitCompleted;
    }
    if (parsed.words.empty()) return Usage(UI_TEXT("Message", "no command given"));
    for (const Command& c : Commands()) {
        if (!Matches(c, parsed.words)) continue;
        Invocation call{
            parsed, {parsed.words.begin() + static_cast<long>(c.words.size()), parsed.words.end()}};
        if (c.operands != kAnyOperands && (call.operands.size() < c.operands ||
                                           call.operands.size() > c.operands + c.optionalOperands))
            return Usage(UI_TEXT("Message", "wrong number of operands"));
        const auto writes = static_cast<std::size_t>(c.writes);
        if (c.writes >= 0 && writes < call.operands.size() &&
            mivo::IsZebFileName(call.operands[writes]))
            return Usage(mivo::Filled(
                UI_TEXT("Message", "%1: mivo writes data files only, never ZEB files (.crd)"),
                {call.operands[writes]}));
        return c.run(call);
    }
    return Usage(mivo::Filled(UI_TEXT("Message", "unknown command %1"), {parsed.words[0]}));
}

}  // namespace

int main(int argc, char** argv) {
    mivo::WatchReports();
    std::string command;
    const int status = Run(argc, argv, command);
    return mivo::EndOfReports(status, command);
}
