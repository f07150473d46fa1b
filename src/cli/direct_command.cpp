#include "cli/direct_command.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <utility>

#include "cli/console_direct_view.h"
#include "cli/console_port.h"
#include "cli/console_prompter.h"
#include "cli/direct_operands.h"
#include "cli/person_words.h"
#include "cli/report_output.h"
#include "common/convert.h"
#include "common/fiber.h"
#include "common/readable_text.h"
#include "common/said_text.h"
#include "common/step_times.h"
#include "direct/cycle_timing.h"
#include "direct/direct_commands.h"
#include "direct/jog.h"
#include "direct/maintenance_commands.h"
#include "direct/monitor.h"
#include "direct/shared_procedures.h"
#include "files/data_files.h"
#include "files/file_io.h"
#include "history/run_history.h"
#include "link/controller_link.h"
#include "link/stop_signal_watch.h"
#include "plant/run_outlets.h"

namespace mivo {

namespace {

// The cancel flag, and the time limit on data queries only: motions wait for the robot.
class QueryTimeLimit : public HeadlessTransferView {
  public:
    QueryTimeLimit(ControllerLink& link, int timeoutMs) : link_(link), timeoutMs_(timeoutMs) {
        link_.setDirectReplyLimit(timeoutMs_);
    }
    void setDataExchange(bool on) override { link_.setReplyTimeout(on ? timeoutMs_ : 0); }

  private:
    ControllerLink& link_;
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
        {"go", GoMove, {{DirectField::GoStep, 3}, {DirectField::GoPoint, 0}}, true},
        {"palgo",
         PalletGoMove,
         {{DirectField::PalletNumber, 3}, {DirectField::PalletPoint, 0}},
         true},
        {"zi", ZiMove, {}, true},
        {"offset", OffsetExecute, {}, false},
        {"stop", StopPanel, {}, false},
        {"motor-free", MotorStopPanel, {}, false},
        {"positions", ReadAxisPositions, {}, false},
        {"sno", QueryStepNo, {}, false},
        {"no", QueryProgramNumber, {}, false},
        {"pos", QueryPositions, {}, false},
        {"org", QueryOrigin, {}, false},
        {"counter", QueryCounter, {{DirectField::CounterToRead, 2}}, false},
        {"release", QueryRelease, {}, false},
        {"init-counter", InitCounter, {{DirectField::CounterToClear, 2}}, false},
        {"init-counters", InitAllCounters, {}, false},
        {"init-program", InitProgram, {}, false},
        {"init-programs", InitAllPrograms, {}, false},
        {"init-errors", InitErrors, {}, false},
        {"memory-check", MemoryCheck, {}, false},
    };
    return commands;
}

}  // namespace

const char* DirectUsage() {
    return "mivo --port DEVICE [--yes] [--timeout S] [--log FILE] [--mqtt URL] direct COMMAND "
           "[ARGS]\n"
           "      COMMAND: origin, run [--time] [--steps FILE.csv] [--on-end CMD], step,\n"
           "      go STEP [POSITION],\n"
           "      palgo PALLET [POSITION], zi, offset, stop, motor-free, positions, sno, no, pos,\n"
           "      org, counter N, release, init-counter N, init-counters, init-program,\n"
           "      init-programs, init-errors, memory-check, output N on|off,\n"
           "      jog AXIS [--mode 1|2|3] [--hold SECONDS], monitor [--cycles N]";
}

int RunDirectCommand(const ParsedArgs& args, const std::vector<std::string>& operands) {
    if (operands.empty()) return UsageError(UI_TEXT("Message", "direct wants a command"));
    const std::string& word = operands[0];
    ConsoleDirectView view;
    QTimer hold;
    OwnCommand own;
    const DirectCommand* command = nullptr;
    bool motion = word == "jog";  // the robot moves under it
    if (word == "output" || word == "jog" || word == "monitor") {
        const std::string problem =
            ReadOwnOperands(word, {operands.begin() + 1, operands.end()}, args, view, hold, own);
        if (!problem.empty()) return UsageError(problem);
    } else {
        for (const DirectCommand& c : Commands())
            if (word == c.word) command = &c;
        if (!command)
            return UsageError(Filled(UI_TEXT("Message", "unknown direct command %1"), {word}));
        for (const char* o : {"--mode", "--hold", "--cycles", "--time", "--steps", "--on-end"})
            if (args.has(o) &&
                !(word == "run" && (std::string(o) == "--time" || std::string(o) == "--steps" ||
                                    std::string(o) == "--on-end")))
                return UsageError(
                    Filled(UI_TEXT("Message", "%1 is not for direct %2"), {std::string(o), word}));
        const std::size_t given = operands.size() - 1;
        const std::size_t wanted = command->operands.size();
        // A POSITION may be left out; every other operand is needed.
        const bool optionalSecond = wanted == 2;
        if (given > wanted || given < (optionalSecond ? 1 : wanted))
            return UsageError(
                Filled(UI_TEXT("Message", "direct %1: wrong number of operands"), {command->word}));
        view.preset(DirectField::GoPoint, "1");
        view.preset(DirectField::PalletPoint, "1");
        for (std::size_t i = 0; i < given; ++i) {
            const auto [field, maxLength] = command->operands[i];
            const std::string& value = operands[i + 1];
            if (maxLength > 0 && value.size() > static_cast<std::size_t>(maxLength))
                return UsageError(
                    Filled(UI_TEXT("Message", "direct %1: '%2' is longer than %3 characters"),
                           {command->word, value, std::to_string(maxLength)}));
            view.preset(field, value);
        }
        own.run = command->run;
        // The steps are timed by the monitor run beside it; a run still under way is stopped.
        if (args.has("--steps")) {
            own.run = RunWatched;
            own.onStop = [](DirectSession& s) {
                if (s.cyclesRunning() > 0 || s.cycleTiming.running()) StopPanel(s);
                EndMonitor(s);
            };
        }
        motion = command->motion;
        if (command->motion && !own.onStop)
            own.onStop = [](DirectSession& s) {
                if (s.cyclesRunning() > 0) StopPanel(s);
            };
    }
    if (args.has("--range"))
        return UsageError(UI_TEXT("Message", "--range is for steps send/receive"));
    if (!args.has("--port")) return UsageError(UI_TEXT("Message", "--port DEVICE is needed"));
    PortOptions options;
    if (const int read = ReadPortOptionsOrSay(args, options); read != kExitCompleted) return read;
    const int timeoutMs = options.timeoutMs;
    std::unique_ptr<std::ofstream>& log = options.log;
    // Where the step times go is known good before the robot runs.
    std::string stepsFile, reason;
    if (args.has("--steps") && !SaveTarget(args.value("--steps"), stepsFile, reason)) {
        std::cerr << "mivo: " << EscapeControlBytes(CannotWrite(args.value("--steps"), reason))
                  << '\n';
        return kExitFailed;
    }

    RunOutletSettings outletSettings;
    outletSettings.historyFile = RunHistoryFile(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    outletSettings.endCommand = args.value("--on-end");
    if (args.has("--mqtt")) {
        const MqttUrlRead broker = ParseMqttUrl(args.value("--mqtt"));
        if (!broker.problem.empty()) return UsageError("--mqtt: " + broker.problem);
        outletSettings.broker = broker.url;
    }

    ConsolePort port(args);
    QCoreApplication& app = port.app();
    ControllerLink& link = port.link();
    if (log)
        QObject::connect(&link, &ControllerLink::traffic,
                         [&log](bool, bool sent, const QByteArray& line) {
                             WriteLogLine(*log, sent, line.toStdString());
                         });

    ConsolePrompter prompter(std::cin, std::cout, std::cerr, args.has("--yes"));
    QueryTimeLimit transfer(link, timeoutMs);
    // Each run is kept in the run history and told to the plant, off the command's way; made
    // before the session, whose end may still end a run.
    RunOutlets outlets(outletSettings, [](const std::string& message) {
        std::cerr << ("mivo: " + ForPerson(message) + "\n") << std::flush;
    });
    DirectSession session(link.directChannel(), prompter, transfer, view);
    session.runs.describe = [](RunRecord& r) { r.host = "mivo"; };
    session.runs.began = [&outlets] { outlets.runBegan(); };
    session.runs.finished = [&outlets](const RunRecord& r) { outlets.runFinished(r); };
    // `run --time`: the cycle, from "@RUN" written to its "END", in the line after "END".
    if (args.has("--time"))
        session.cycleTimed = [&view](std::int64_t ms) { view.append(CycleTimeText(ms)); };

    // Ctrl+C, SIGTERM or SIGHUP, or a report that could not be written: a motion is stopped with
    // "@STOP" once; then nothing more is sent and the command ends at once. A stop already
    // waiting for its answer is that "@STOP". Once more (a second Ctrl+C): the wait ends now,
    // and a stop it leaves unconfirmed is said. Watched from before the line opens, so that no
    // signal kills the program with the port left open.
    bool stopping = false;
    bool stopRunning = false;  // the stop's fiber has not ended
    bool commandDone = false;
    const auto stopNow = [&] {
        if (std::exchange(stopping, true)) {
            link.halt();
            return;
        }
        if (session.stopAwaited()) return;
        // The stop waits for its answer on a fiber of its own, and only it sends from now on;
        // then nothing more goes out.
        stopRunning = true;
        Fiber::start([&] {
            session.channel().reserveFor(Fiber::current());
            if (own.onStop) own.onStop(session);
            link.halt();
            stopRunning = false;
            if (commandDone) app.quit();
        });
    };
    const StopSignalWatch stop(stopNow);
    // Found while a line is shown: stopped from the event loop, as a first signal is. Never as a
    // second one: a stop whose own line could not be shown still has its answer let come.
    view.outputFailed = [&] {
        QTimer::singleShot(0, &app, [&] {
            if (!stopping) stopNow();
        });
    };
    // The line lost under a motion: nothing says that the robot stopped.
    bool lost = false;
    QObject::connect(&link, &ControllerLink::directLost, [&lost] { lost = true; });
    if (!link.goDirectOnline()) return kExitFailed;

    // The command on a fiber, the event loop running until it has ended.
    Outcome outcome = Outcome::Failed;
    if (!stop.stopped()) {
        Fiber::start([&] {
            outcome = own.run(session);
            commandDone = true;
            // A stop under way reads its positions first.
            if (!stopRunning) app.quit();
        });
        if (!commandDone || stopRunning) app.exec();
    }
    QCoreApplication::processEvents();  // a signal that came during a question counts too
    if (own.printAtEnd) view.printFilled();
    link.deliverPendingMessages();
    if (lost && motion && outcome != Outcome::Completed && !session.state.stopUnconfirmed)
        view.showStopState(StopState::Unconfirmed);
    link.goDirectOffline();
    if (stop.stopped() && own.signalEndsWell) return kExitCompleted;
    if (stop.stopped()) return StoppedBySignal(kExitFailed);
    // The reason follows from EndOfReports.
    if (!ReportsWritten()) return kExitFailed;
    if (outcome == Outcome::Completed && !stepsFile.empty() &&
        !WriteWholeFile(stepsFile, StepTimesCsv(session.cycleTiming.lastStepTimes()), reason)) {
        std::cerr << "mivo: " << EscapeControlBytes(CannotWrite(args.value("--steps"), reason))
                  << '\n';
        return kExitFailed;
    }
    if (outcome == Outcome::Completed) return kExitCompleted;
    if (outcome != Outcome::Declined)
        std::cerr << "mivo: "
                  << ForPerson(Filled(UI_TEXT("Message", "direct %1 did not complete"), {word}))
                  << '\n';
    return kExitFailed;
}

}  // namespace mivo
