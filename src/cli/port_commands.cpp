#include "cli/port_commands.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>

#include "cli/console_prompter.h"
#include "cli/console_transfer_view.h"
#include "cli/convert_command.h"
#include "cli/memory_command.h"
#include "cli/params_command.h"
#include "common/convert.h"
#include "common/readable_text.h"
#include "common/stop_signals.h"
#include "link/link_messages.h"
#include "link/tbuff.h"
#include "procedures/controller_records.h"
#include "procedures/prompter.h"
#include "steps/step_files.h"
#include "steps/step_transfer.h"

namespace mivo {

namespace {

// The port's main channel with a time limit on every wait and an optional log of every line.
class ConsoleChannel : public Channel {
  public:
    ConsoleChannel(TBuff& link, int timeoutMs, std::ostream* log)
        : link_(link), inner_(link.mainChannel()), timeoutMs_(timeoutMs), log_(log) {}

    std::string request(const std::string& command) override {
        if (log_ && !command.empty() && command != "CEND") *log_ << "> " << command << '\n';
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
        bool expired = false;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            expired = true;
            link_.abortWaits();
        });
        timer.start(timeoutMs_);
        std::string line = wait();
        timer.stop();
        if (expired && line.empty()) std::cerr << "No reply from the controller\n";
        if (log_) *log_ << "< " << line << '\n';
        return line;
    }

    TBuff& link_;
    Channel& inner_;
    int timeoutMs_;
    std::ostream* log_;
};

int Usage(const std::string& problem) {
    std::cerr << "mivo: " << EscapeControlBytes(problem) << '\n';
    return kExitUsage;
}

}  // namespace

int RunPortCommand(const ParsedArgs& args, const std::vector<std::string>& words) {
    const bool steps =
        words.size() == 3 && words[0] == "steps" && (words[1] == "send" || words[1] == "receive");
    const bool version = words.size() == 1 && words[0] == "version";
    const bool errors = words.size() == 1 && words[0] == "errors";
    const bool params = !words.empty() && words[0] == "params";
    const bool memory = !words.empty() && (words[0] == "pallet" || words[0] == "offset");
    if (!steps && !version && !errors && !params && !memory) return Usage("unknown port command");
    if (!args.has("--port")) return Usage("--port DEVICE is needed");
    if (args.has("--range") && !steps) return Usage("--range is for steps send/receive");
    if (args.has("--kind")) return Usage("--kind is for convert");
    if (args.has("--pallet")) return Usage("--pallet is for convert");

    std::string start = "0", end = "999";
    if (args.has("--range")) {
        const std::string r = args.value("--range");
        const std::size_t dash = r.find('-', 1);
        if (dash == std::string::npos) return Usage("--range wants A-B");
        start = r.substr(0, dash);
        end = r.substr(dash + 1);
    }
    PortOptions options;
    std::string problem;
    if (const int read = ReadPortOptions(args, options, problem); read != kExitCompleted) {
        if (read == kExitUsage) return Usage(problem);
        std::cerr << "mivo: " << problem << '\n';
        return read;
    }
    const int timeoutMs = options.timeoutMs;
    std::unique_ptr<std::ofstream>& log = options.log;

    ConsolePrompter prompter(std::cin, std::cout, std::cerr, args.has("--yes"));
    StepTable table;
    if (steps && words[1] == "send" &&
        OpenStepFile(table, words[2], OpenFilterForPath(words[2]), prompter) !=
            OpenOutcome::Completed)
        return kExitFailed;
    ParamsCommand paramsCommand(words);
    if (params) {
        const int ready = paramsCommand.prepare(prompter, problem);
        if (ready == kExitUsage) return Usage(problem);
        if (ready != kExitCompleted) return ready;
    }
    MemoryCommand memoryCommand(words);
    if (memory) {
        const int ready = memoryCommand.prepare(prompter, problem);
        if (ready == kExitUsage) return Usage(problem);
        if (ready != kExitCompleted) return ready;
    }

    int argc = 1;
    char name[] = "mivo";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    ConsoleTransferView view(std::cerr, ::isatty(STDERR_FILENO) == 1);
    prompter.setBeforeOutput([&view] { view.clearLine(); });
    TBuff link;
    link.setDeviceForPort(1, QString::fromStdString(args.value("--port")));
    link.setPortNumberSource([] { return 1; });
    // The link's messages are failures of the line: standard error, as "CAPTION: TEXT".
    RouteLinkMessages(
        link, [](const std::string& text, const std::string& caption, const std::string& detail) {
            std::cerr << caption << ": " << text << '\n';
            if (!detail.empty()) std::cerr << "  " << detail << '\n';
        });
    if (!link.goOnline()) return kExitFailed;
    // Ctrl+C or SIGTERM ends the wait under way; the procedure stops there and the port is
    // closed in order, so the line's settings are given back.
    bool stopped = false;
    std::unique_ptr<QSocketNotifier> stopNotifier;
    if (const int stop = StopSignalDescriptor(); stop >= 0) {
        stopNotifier = std::make_unique<QSocketNotifier>(stop, QSocketNotifier::Read);
        QObject::connect(stopNotifier.get(), &QSocketNotifier::activated, [&] {
            stopNotifier->setEnabled(false);
            stopped = true;
            view.setCancelRequested(true);
            link.abortWaits();
        });
    }

    ConsoleChannel channel(link, timeoutMs, log.get());
    std::vector<std::string> replies;
    ProcedureContext ctx{channel, prompter, view, replies};
    const StepTarget target{table};
    int status = kExitFailed;
    if (steps && words[1] == "send") {
        if (SendSteps(ctx, target, start, end) == Outcome::Completed) status = kExitCompleted;
    } else if (steps) {
        if (ReceiveSteps(ctx, target, start, end) == Outcome::Completed &&
            SaveStepFile(table, words[2], SaveFilterForPath(words[2]), prompter))
            status = kExitCompleted;
    } else if (params) {
        status = paramsCommand.run(ctx, std::cout);
    } else if (memory) {
        status = memoryCommand.run(ctx);
    } else if (version) {
        const Versions v = QueryVersions(ctx);
        static const char* const kCaptions[] = {
            "Main Ver. : ", "Xsub Ver. : ", "Ysub Ver. : ", "Zsub Ver. : ", "Rsub Ver. : "};
        if (v.outcome == Outcome::Completed) {
            for (std::size_t i = 0; i < v.values.size(); ++i)
                std::cout << kCaptions[i] << v.values[i] << '\n';
            status = kExitCompleted;
        }
    } else {
        const ErrorRecord r = QueryErrorRecord(ctx);
        for (const auto& line : r.lines) std::cout << line << '\n';
        if (r.outcome == Outcome::Completed) status = kExitCompleted;
    }
    link.deliverPendingMessages();
    link.goOffline();
    if (stopped) {
        std::cerr << "mivo: stopped by a signal; the port was closed\n";
        return kExitFailed;
    }
    return ReportDeclined(status, prompter, std::cerr);
}

}  // namespace mivo
