#include "cli/direct_command.h"

#include <QCoreApplication>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <optional>

#include "cli/console_prompter.h"
#include "cli/stop_signal_watch.h"
#include "common/convert.h"
#include "common/readable_text.h"
#include "direct/direct_commands.h"
#include "direct/maintenance_commands.h"
#include "link/link_messages.h"
#include "link/tbuff.h"

namespace mivo {

namespace {

// The screen on a terminal: each display line printed as it is appended, the fields the
// arguments set, and the filled position and step fields printed at the end.
class ConsoleDirectView : public DirectView {
  public:
    // A reply is shown as it came, but no control byte from the line reaches the terminal.
    void append(const std::string& line) override {
        std::cout << EscapeControlBytes(line) << std::endl;
    }
    void enable(EnableSet, bool) override {}
    std::string field(DirectField f) const override {
        const auto it = fields_.find(f);
        return it == fields_.end() ? std::string() : it->second;
    }
    void setField(DirectField f, const std::string& text) override {
        fields_[f] = text;
        filled_[f] = true;
    }
    void showLine(bool) override {}
    void showMonitoring(bool) override {}
    bool screenVisible() const override { return true; }
    bool offerToSaveSteps() override { return true; }  // no step editor: nothing to save
    void resetStepEditor() override {}

    // The arguments, before the command runs.
    void preset(DirectField f, const std::string& text) { fields_[f] = text; }
    void printFilled() const {
        static const std::pair<DirectField, const char*> kShown[] = {
            {DirectField::Xposi, "X Position"},
            {DirectField::Yposi, "Y Position"},
            {DirectField::Zposi, "Z Position"},
            {DirectField::Rposi, "R Position"},
            {DirectField::Step, "STEP No."}};
        for (const auto& [f, name] : kShown)
            if (filled_.count(f)) std::cout << name << ": " << fields_.at(f) << '\n';
    }

  private:
    std::map<DirectField, std::string> fields_;
    std::map<DirectField, bool> filled_;
};

// The cancel flag, and the time limit on data queries only: motions wait for the robot.
class QueryTimeLimit : public HeadlessTransferView {
  public:
    QueryTimeLimit(TBuff& link, int timeoutMs) : link_(link), timeoutMs_(timeoutMs) {}
    void setDataExchange(bool on) override { link_.setReplyTimeout(on ? timeoutMs_ : 0); }

  private:
    TBuff& link_;
    int timeoutMs_;
};

struct DirectCommand {
    const char* word;
    Outcome (*run)(DirectSession&);
    // The fields its operands set, in order; the second operand may be left out (then "1").
    std::vector<std::pair<DirectField, int>> operands;  // field, its maximum length (0: none)
    bool motion;                                        // Ctrl+C stops the robot with "@STOP"
};

const std::vector<DirectCommand>& Commands() {
    static const std::vector<DirectCommand> commands = {
        {"origin", ReturnToOriginDirect, {}, true},
        {"run", RunProgram, {}, true},
        {"step", RunStep, {}, true},
        {"go", GoMove, {{DirectField::GOTX, 3}, {DirectField::GOTX2, 0}}, true},
        {"palgo", PalletGoMove, {{DirectField::Edit1, 3}, {DirectField::Edit2, 0}}, true},
        {"zi", ZiMove, {}, true},
        {"offset", OffsetExecute, {}, false},
        {"stop", StopPanel, {}, false},
        {"motor-free", MotorStopPanel, {}, false},
        {"positions", ReadAxisPositions, {}, false},
        {"sno", QueryStepNo, {}, false},
        {"no", QueryProgramNumber, {}, false},
        {"pos", QueryPositions, {}, false},
        {"org", QueryOrigin, {}, false},
        {"counter", QueryCounter, {{DirectField::RCTX, 2}}, false},
        {"release", QueryRelease, {}, false},
        {"init-counter", InitCounter, {{DirectField::INITCTX, 2}}, false},
        {"init-counters", InitAllCounters, {}, false},
        {"init-program", InitProgram, {}, false},
        {"init-programs", InitAllPrograms, {}, false},
        {"init-errors", InitErrors, {}, false},
        {"memory-check", MemoryCheck, {}, false},
    };
    return commands;
}

int Usage(const std::string& problem) {
    std::cerr << "mivo: " << EscapeControlBytes(problem) << '\n';
    return kExitUsage;
}

}  // namespace

const char* DirectUsage() {
    return "mivo --port DEVICE [--yes] [--timeout S] [--log FILE] direct COMMAND [ARGS]\n"
           "      COMMAND: origin, run, step, go STEP [POSITION], palgo PALLET [POSITION], zi,\n"
           "      offset, stop, motor-free, positions, sno, no, pos, org, counter N, release,\n"
           "      init-counter N, init-counters, init-program, init-programs, init-errors,\n"
           "      memory-check";
}

int RunDirectCommand(const ParsedArgs& args, const std::vector<std::string>& operands) {
    if (operands.empty()) return Usage("direct wants a command");
    const DirectCommand* command = nullptr;
    for (const DirectCommand& c : Commands())
        if (operands[0] == c.word) command = &c;
    if (!command) return Usage("unknown direct command " + operands[0]);
    const std::size_t given = operands.size() - 1;
    const std::size_t wanted = command->operands.size();
    // A POSITION may be left out; every other operand is needed.
    const bool optionalSecond = wanted == 2;
    if (given > wanted || given < (optionalSecond ? 1 : wanted))
        return Usage(std::string("direct ") + command->word + ": wrong number of operands");
    if (args.has("--range")) return Usage("--range is for steps send/receive");
    if (!args.has("--port")) return Usage("--port DEVICE is needed");

    ConsoleDirectView view;
    view.preset(DirectField::GOTX2, "1");
    view.preset(DirectField::Edit2, "1");
    for (std::size_t i = 0; i < given; ++i) {
        const auto [field, maxLength] = command->operands[i];
        const std::string& value = operands[i + 1];
        if (maxLength > 0 && value.size() > static_cast<std::size_t>(maxLength))
            return Usage(std::string("direct ") + command->word + ": '" + value +
                         "' is longer than " + std::to_string(maxLength) + " characters");
        view.preset(field, value);
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

    int argc = 1;
    char name[] = "mivo";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    TBuff link;
    link.setDeviceForPort(1, QString::fromStdString(args.value("--port")));
    link.setPortNumberSource([] { return 1; });
    RouteLinkMessages(
        link, [](const std::string& text, const std::string& caption, const std::string& detail) {
            std::cerr << caption << ": " << text << '\n';
            if (!detail.empty()) std::cerr << "  " << detail << '\n';
        });
    if (log)
        QObject::connect(&link, &TBuff::traffic, [&log](bool, bool sent, const QByteArray& line) {
            *log << (sent ? "> " : "< ") << line.toStdString() << '\n';
        });

    ConsolePrompter prompter(std::cin, std::cout, std::cerr, args.has("--yes"));
    QueryTimeLimit transfer(link, timeoutMs);
    DirectSession session(link.directChannel(), prompter, transfer, view);

    // Ctrl+C, SIGTERM or SIGHUP: a motion is stopped with "@STOP" once; then nothing more is
    // sent and the command ends at once. Watched from before the line opens, so that no signal
    // kills the program with the port left open.
    const StopSignalWatch stop([&] {
        if (command->motion && session.cyclesRunning() > 0) StopPanel(session);
        link.halt();
    });
    if (!link.goDirectOnline()) return kExitFailed;

    const Outcome outcome = stop.stopped() ? Outcome::Failed : command->run(session);
    QCoreApplication::processEvents();  // a signal that came during a question counts too
    view.printFilled();
    link.deliverPendingMessages();
    link.goDirectOffline();
    if (stop.stopped()) {
        std::cerr << "mivo: stopped by a signal; the port was closed\n";
        return kExitFailed;
    }
    if (outcome == Outcome::Completed) return kExitCompleted;
    if (outcome != Outcome::Declined)
        std::cerr << "mivo: direct " << command->word << " did not complete\n";
    return kExitFailed;
}

}  // namespace mivo
