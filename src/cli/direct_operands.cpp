#include "cli/direct_operands.h"

#include <memory>
#include <optional>
#include <utility>

#include "common/convert.h"
#include "common/fiber.h"
#include "common/said_text.h"
#include "direct/direct_commands.h"
#include "direct/jog.h"
#include "direct/monitor.h"
#include "direct/shared_procedures.h"

namespace mivo {

namespace {

// A whole number from `first` to `last`, or nullopt.
std::optional<int> WholeIn(const std::string& text, int first, int last) {
    if (text.empty() || text.size() > 9 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int n = std::stoi(text);
    if (n < first || n > last) return std::nullopt;
    return n;
}

}  // namespace

std::string ReadOwnOperands(const std::string& word, const std::vector<std::string>& ops,
                            const ParsedArgs& args, ConsoleDirectView& view, QTimer& timer,
                            OwnCommand& out) {
    const auto refuse = [&](const char* option) -> std::string {
        return args.has(option) ? std::string(option) + " is not for direct " + word : "";
    };
    if (word == "output") {
        for (const char* o : {"--mode", "--hold", "--cycles", "--time", "--steps"})
            if (auto p = refuse(o); !p.empty()) return p;
        if (ops.size() != 2) return UI_TEXT("Message", "direct output wants N and on or off");
        const auto n = WholeIn(ops[0], 0, 15);
        if (!n)
            return Filled(UI_TEXT("Message", "direct output: '%1' is no output number 0 to 15"),
                          {ops[0]});
        if (ops[1] != "on" && ops[1] != "off")
            return Filled(UI_TEXT("Message", "direct output: '%1' is not on or off"), {ops[1]});
        // The panel shows the other state, so that its click asks for this one.
        view.showIo(IoBank::Output, *n, ops[1] == "off");
        out.run = [n = *n](DirectSession& s) { return SwitchOutput(s, n); };
        out.printAtEnd = false;
        return "";
    }
    if (word == "jog") {
        for (const char* o : {"--cycles", "--time", "--steps"})
            if (auto p = refuse(o); !p.empty()) return p;
        if (ops.size() != 1)
            return UI_TEXT("Message", "direct jog wants one axis: X+ X- Y+ Y- Z+ Z- R+ R-");
        const auto axis = JogAxisNamed(ops[0]);
        if (!axis)
            return Filled(UI_TEXT("Message", "direct jog: '%1' is none of X+ X- Y+ Y- Z+ Z- R+ R-"),
                          {ops[0]});
        const auto mode = WholeIn(args.value("--mode", "1"), 1, 3);
        if (!mode) return UI_TEXT("Message", "--mode wants 1, 2 or 3");
        view.mode = *mode;
        double hold = 0.5;
        if (args.has("--hold")) {
            if (*mode == 1) return UI_TEXT("Message", "--hold is for modes 2 and 3");
            try {
                hold = StrToFloat(args.value("--hold"));
            } catch (const ConversionError&) {
                hold = -1;
            }
            if (!(hold > 0 && hold <= 3600))
                return UI_TEXT("Message", "--hold wants seconds above 0");
        }
        if (*mode == 1) {
            out.run = [a = *axis](DirectSession& s) { return JogActivate(s, a); };
            out.onStop = [](DirectSession& s) {
                if (s.cyclesRunning() > 0) StopPanel(s);
            };
            return "";
        }
        timer.setSingleShot(true);
        timer.setInterval(static_cast<int>(hold * 1000));
        // The hold counts from the jog command on the line; its end is the release's one
        // "@STOP", on a fiber of its own, which the press waits for.
        struct Held {
            bool ran = false;
            bool done = false;
            Outcome released = Outcome::Failed;
            Fiber* waiting = nullptr;
        };
        auto held = std::make_shared<Held>();
        const auto release = [held, &timer](DirectSession& s) {
            if (std::exchange(held->ran, true)) return;
            timer.stop();
            held->released = JogRelease(s);
            held->done = true;
            if (Fiber* w = std::exchange(held->waiting, nullptr)) w->resume();
        };
        out.run = [a = *axis, &timer, held, release](DirectSession& s) {
            const QMetaObject::Connection c =
                QObject::connect(&timer, &QTimer::timeout,
                                 [&s, release] { Fiber::start([&s, release] { release(s); }); });
            s.jogStarted = [&timer] { timer.start(); };
            const Outcome pressed = JogPress(s, a, DirectJogStyle(a));
            s.jogStarted = nullptr;
            // A press that ended by itself (refused, not at origin) is released at once.
            release(s);
            while (!held->done) {
                held->waiting = Fiber::current();
                held->waiting->suspend();
            }
            QObject::disconnect(c);
            // A press refused, or cut short before its jog, did not jog.
            return pressed == Outcome::Failed || pressed == Outcome::Declined ? pressed
                                                                              : held->released;
        };
        // The hold ends at once: the release's one "@STOP". Before its jog went out the press
        // may be returning to origin: that is stopped as any motion is, and no jog follows.
        out.onStop = [release](DirectSession& s) {
            if (s.state.jogUnderWay) {
                release(s);
                return;
            }
            if (s.cyclesRunning() > 0) StopPanel(s);
        };
        return "";
    }
    // monitor
    for (const char* o : {"--mode", "--hold", "--time", "--steps"})
        if (auto p = refuse(o); !p.empty()) return p;
    if (!ops.empty()) return UI_TEXT("Message", "direct monitor takes no operands");
    int cycles = 0;  // until a stop signal
    if (args.has("--cycles")) {
        const auto n = WholeIn(args.value("--cycles"), 1, 1000000000);
        if (!n) return UI_TEXT("Message", "--cycles wants a whole number above 0");
        cycles = *n;
    }
    out.run = [cycles, &view](DirectSession& s) {
        int done = 0;
        s.monitorScanned = [&] {
            view.printScan();
            if (cycles > 0 && ++done >= cycles) EndMonitor(s);
        };
        // A reply that is no value ends it, naming the query.
        s.monitorUnfit = [&s](const std::string& query, const std::string& reply) {
            ShowUnfitReply(s.context(), query, reply);
            EndMonitor(s);
        };
        MonitorSwitch(s);
        s.monitorScanned = nullptr;
        s.monitorUnfit = nullptr;
        // Its cycles end it well, and a stop signal (seen by the caller); nothing else does.
        return cycles > 0 && done >= cycles ? Outcome::Completed : Outcome::Failed;
    };
    out.onStop = [](DirectSession& s) { EndMonitor(s); };
    out.printAtEnd = false;
    out.signalEndsWell = true;
    return "";
}

}  // namespace mivo
