#include "cli/port_commands.h"

#include <unistd.h>

#include <QCoreApplication>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

#include "cli/backup_command.h"
#include "cli/check_command.h"
#include "cli/console_port.h"
#include "cli/console_prompter.h"
#include "cli/console_transfer_view.h"
#include "cli/convert_command.h"
#include "cli/person_words.h"
#include "cli/port_operation.h"
#include "common/convert.h"
#include "common/prompter.h"
#include "common/readable_text.h"
#include "common/said_text.h"
#include "link/controller_link.h"
#include "link/stop_signal_watch.h"
#include "modal/modal_run.h"
#include "procedures/controller_records.h"
#include "procedures/reply_rules.h"
#include "steps/step_files.h"
#include "steps/step_transfer.h"

namespace mivo {

namespace {

// The port's main channel with a time limit on every wait and an optional log of every line.
// A wait that ends without a reply (the limit ran out, an empty line) is said on standard error
// with the command it answers, so that no failure goes without a word.
class ConsoleChannel : public Channel {
  public:
    ConsoleChannel(ControllerLink& link, int timeoutMs, std::ostream* log)
        : link_(link), inner_(link.mainChannel()), timeoutMs_(timeoutMs), log_(log) {
        link.setReplyTimeout(timeoutMs);
        inner_.unanswered = nullptr;  // said here, with the command
    }

    std::string request(const std::string& command) override {
        if (log_ && !command.empty() && command != "CEND") WriteLogLine(*log_, true, command);
        if (!command.empty()) command_ = command;
        return timed([&] { return inner_.request(command); }, !command.empty());
    }
    std::string next() override {
        return timed([&] { return inner_.next(); }, true);
    }
    void drain() override { inner_.drain(); }

  private:
    template <typename F>
    std::string timed(F wait, bool waits) {
        if (!waits) return wait();
        std::string line = wait();
        if (line.empty() && !link_.halted()) {
            std::ostringstream seconds;
            seconds << timeoutMs_ / 1000.0;
            const std::string to = ReadableErrorLine(command_);
            std::cerr << ForPerson(
                             inner_.lastEnd() == EngineChannel::End::TimedOut
                                 ? Filled(UI_TEXT("Message",
                                                  "No reply from the controller to %1 within %2 s"),
                                          {to, seconds.str()})
                                 : Filled(UI_TEXT("Message", "No reply from the controller to %1"),
                                          {to}))
                      << '\n';
        }
        if (log_) WriteLogLine(*log_, false, line);
        return line;
    }

    ControllerLink& link_;
    EngineChannel& inner_;
    int timeoutMs_;
    std::ostream* log_;
    std::string command_;  // the last command sent, which the replies answer
};

}  // namespace

int RunPortCommand(const ParsedArgs& args, const std::vector<std::string>& words) {
    const bool steps =
        words.size() == 3 && words[0] == "steps" && (words[1] == "send" || words[1] == "receive");
    const bool version = words.size() == 1 && words[0] == "version";
    const bool errors = words.size() == 1 && words[0] == "errors";
    const bool params = !words.empty() && words[0] == "params";
    const bool memory = !words.empty() && (words[0] == "pallet" || words[0] == "offset");
    const bool backup = BackupCommand::Runs(words);
    if (!steps && !version && !errors && !params && !memory && !backup)
        return UsageError(UI_TEXT("Message", "unknown port command"));
    if (!args.has("--port")) return UsageError(UI_TEXT("Message", "--port DEVICE is needed"));
    if (args.has("--range") && !steps)
        return UsageError(UI_TEXT("Message", "--range is for steps send/receive"));
    const bool quick = args.has("--quick");
    if (quick && !(steps && words[1] == "send"))
        return UsageError(UI_TEXT("Message", "--quick is for steps send"));
    if (quick && args.has("--range"))
        return UsageError(
            UI_TEXT("Message", "--quick sends the whole program: no --range with it"));
    if (args.has("--kind")) return UsageError(UI_TEXT("Message", "--kind is for convert"));
    if (args.has("--parameters") && !(steps && words[1] == "send"))
        return UsageError(UI_TEXT("Message", "--parameters is for check and steps send"));
    if (args.has("--pallet") && !backup)
        return UsageError(UI_TEXT("Message", "--pallet is for convert"));

    std::string start = "0", end = "999";
    if (args.has("--range")) {
        const std::string r = args.value("--range");
        const std::size_t dash = r.find('-', 1);
        if (dash == std::string::npos) return UsageError(UI_TEXT("Message", "--range wants A-B"));
        start = r.substr(0, dash);
        end = r.substr(dash + 1);
    }
    PortOptions options;
    if (const int read = ReadPortOptionsOrSay(args, options); read != kExitCompleted) return read;
    std::string problem;
    const int timeoutMs = options.timeoutMs;
    std::unique_ptr<std::ofstream>& log = options.log;

    // The commands with a class of their own; steps, version and errors are run here.
    std::unique_ptr<PortOperation> operation;
    BackupCommand* backupCommand = nullptr;
    if (backup) {
        auto own = std::make_unique<BackupCommand>(words, args);
        backupCommand = own.get();
        operation = std::move(own);
    } else if (params) {
        operation = MakeParamsCommand(words);
    } else if (memory) {
        operation = MakeMemoryCommand(words);
    }
    const int failed = backup ? backupCommand->failed() : kExitFailed;
    ConsolePrompter prompter(std::cin,
                             backup && backupCommand->noticesOnError() ? std::cerr : std::cout,
                             std::cerr, args.has("--yes"));
    prompter.setQuietOpen(backup && backupCommand->noticesOnError());
    StepTable table;
    if (steps && words[1] == "send" &&
        OpenStepFile(table, words[2], OpenFilterForPath(words[2]), prompter) !=
            OpenOutcome::Completed)
        return kExitFailed;
    if (steps && words[1] == "send" &&
        !SendAfterCheck(table, args.value("--parameters"), prompter, std::cerr))
        return ReportDeclined(kExitFailed, prompter, std::cerr);
    if (operation) {
        const int ready = operation->prepare(prompter, problem);
        if (ready == kExitUsage) return UsageError(problem);
        if (ready != kExitCompleted) return ready;
    }

    ConsolePort port(args);
    ControllerLink& link = port.link();
    ConsoleTransferView view(std::cerr, ::isatty(STDERR_FILENO) == 1);
    prompter.setBeforeOutput([&view] { view.clearLine(); });
    // Ctrl+C, SIGTERM or SIGHUP: nothing more is sent, the wait under way ends; the procedure
    // stops there and the port is closed in order, so the line's settings are given back.
    const StopSignalWatch stop([&] {
        view.setCancelRequested(true);
        link.halt();
    });

    if (!link.goOnline()) {
        link.deliverPendingMessages();  // why it could not: "Port cannot be open" and the reason
        return failed;
    }

    ConsoleChannel channel(link, timeoutMs, log.get());
    std::vector<std::string> replies;
    ProcedureContext ctx{channel, prompter, view, replies};
    const StepTarget target{table};
    const auto run = [&]() -> int {
        if (steps && words[1] == "send") {
            const Outcome sent =
                quick ? QuickSendSteps(ctx, target) : SendSteps(ctx, target, start, end);
            return sent == Outcome::Completed ? kExitCompleted : kExitFailed;
        }
        if (steps)
            return ReceiveSteps(ctx, target, start, end) == Outcome::Completed &&
                           SaveStepFile(table, words[2], SaveFilterForPath(words[2]), prompter)
                       ? kExitCompleted
                       : kExitFailed;
        if (operation) return operation->run(ctx, std::cout, std::cerr);
        if (version) {
            const Versions v = QueryVersions(ctx);
            static const char* const kCaptions[] = {
                "Main Ver. : ", "Xsub Ver. : ", "Ysub Ver. : ", "Zsub Ver. : ", "Rsub Ver. : "};
            if (v.outcome != Outcome::Completed) return kExitFailed;
            for (std::size_t i = 0; i < v.values.size(); ++i)
                std::cout << kCaptions[i] << v.values[i] << '\n';
            return kExitCompleted;
        }
        const ErrorRecord r = QueryErrorRecord(ctx);
        for (const auto& line : r.lines) std::cout << EscapeControlBytes(line) << '\n';
        return r.outcome == Outcome::Completed ? kExitCompleted : kExitFailed;
    };
    int status = failed;
    if (!stop.stopped()) RunModal([&] { status = run(); });
    QCoreApplication::processEvents();  // a signal that came during a question counts too
    link.deliverPendingMessages();
    link.goOffline();
    if (stop.stopped()) return StoppedBySignal(failed);
    // The restore's summary says what was sent before the No: not "nothing was done".
    if (backup && backupCommand->endSaid()) return status;
    return ReportDeclined(status, prompter, std::cerr);
}

}  // namespace mivo
