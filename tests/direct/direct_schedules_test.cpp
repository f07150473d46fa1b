// Each command of the direct-operation screen, alone and beside a running monitor, with STOP,
// MSTOP or a jog's release pressed at every line boundary of its exchange, against the simulated
// controller on its own clock. Whatever the schedule: one stop command a press, the stop
// confirmed when its answer came, no value from a line that fits no answer, no wait past its
// limit, nothing left open, and the stop panels usable throughout.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>

#include "direct_rig.h"
#include "link/reply_grammar.h"

namespace mivo::test {
namespace {

using namespace std::chrono_literals;

struct Procedure {
    const char* name;
    std::function<Outcome(DirectRig&)> run;
};

// `command` after `setUp`.
Procedure On(const char* name, Outcome (*command)(DirectSession&),
             void (*setUp)(DirectRig&) = nullptr) {
    return {name, [command, setUp](DirectRig& r) {
                if (setUp) setUp(r);
                return command(r.session);
            }};
}
Procedure Held(const char* name, JogAxis axis, int mode) {
    return {name, [axis, mode](DirectRig& r) {
                r.view.mode = mode;
                return JogPress(r.session, axis, DirectJogStyle(axis));
            }};
}

// Every command the screen sends itself, with the set-up that makes it send the engine's own
// example of its command.
const std::vector<Procedure>& Procedures() {
    // clang-format off
    static const std::vector<Procedure> all = {
        On("ORG", ReturnToOriginDirect, [](DirectRig& r) { r.sim.motion.originState = 0; }),
        On("RUN", RunProgram), On("SRUN", RunStep), On("GO", GoMove),
        On("CIR GO", GoMove, [](DirectRig& r) { r.view.fields[DirectField::GoStep] = "2"; }),
        On("PALGO", PalletGoMove), On("ZI", ZiMove), On("OFF", OffsetExecute),
        {"X+ in mode 1", [](DirectRig& r) { return JogActivate(r.session, {'X', '+'}); }},
        Held("Y- held in mode 2", {'Y', '-'}, 2), Held("R+ held in mode 3", {'R', '+'}, 3),
        On("STOP", StopPanel), On("MSTOP", MotorStopPanel), On("?ORG", QueryOrigin),
        On("?NO", QueryProgramNumber), On("?SNO", QueryStepNo), On("?POS", QueryPositions),
        On("?C", QueryCounter), On("?REL", QueryRelease),
        {"DO 3", [](DirectRig& r) { return SwitchOutput(r.session, 3); }},
        On("INIT C", InitCounter), On("INIT C ALL", InitAllCounters), On("INIT PGM", InitProgram),
        On("INIT PGM ALL", InitAllPrograms), On("INIT ERR", InitErrors), On("MOMCH", MemoryCheck),
    };
    // clang-format on
    return all;
}

struct Press {
    const char* name;
    Outcome (*press)(DirectSession&);
};
const Press kPresses[] = {
    {"STOP", StopPanel}, {"MSTOP", MotorStopPanel}, {"the jog release", JogRelease}};

// One schedule: the command, the monitor beside it when asked, a press after `boundary` reply
// lines (none when negative), and what went wrong on the way.
struct Schedule {
    DirectRig rig;
    bool monitored;
    bool commandDone = false;
    bool monitorDone = true;
    int stopsPressed = 0;   // presses that send "@STOP"
    int mstopsPressed = 0;  // and "@MSTOP"
    int pressesOpen = 0;
    int linesOwn = 0;  // reply lines from the command's start to its end
    std::vector<std::string> problems;

    explicit Schedule(bool monitor) : monitored(monitor) {
        Lines& pgm = rig.sim.steps.programs[0];
        pgm[0] = "POI 000,20,0,0,0";
        pgm[1] = "POI 000,20,10,0,0";
        pgm[2] = "CIR 000,10,20,5";
        pgm[3] = "CIR 000,30,40,50,60";
        pgm[4] = "END 000";
        for (int j = 0; j < 7; ++j)
            rig.sim.parameters.values[static_cast<std::size_t>(200 + j)] = "10";
        rig.view.fields[DirectField::GoStep] = "1";
        rig.prompter.answers = {true, true, true};
        rig.channel.addNoiseListener([this](const std::string& l) { note("noise '" + l + "'"); });
        rig.channel.unanswered = [this](const std::string& c) { note(c + " unanswered"); };
        rig.session.monitorUnfit = [this](const std::string& q, const std::string& reply) {
            note(q + " took no value from '" + reply + "'");
        };
        if (!monitor) return;
        monitorDone = false;
        Fiber::start([this] {
            MonitorSwitch(rig.session);
            monitorDone = true;
        });
        for (int i = 0; i < 3; ++i) step();
    }
    void note(const std::string& problem) {
        problems.push_back(problem + " at " + std::to_string(rig.sim.clock().now().count()) +
                           " us");
    }
    // One thing on the line; the stop panels must be usable after it.
    bool step() {
        const bool more = rig.line.step();
        if (!rig.view.sets[EnableSet::StopPanels]) note("the stop panels disabled");
        return more;
    }
    void runUntil(const std::function<bool()>& done) {
        const auto limit = rig.sim.clock().now() + 30s;
        while (!done() && rig.sim.clock().now() < limit && step()) {
        }
    }
    void press(const Press& p) {
        ++pressesOpen;
        Fiber::start([this, &p] {
            // A release stops only a jog on its way.
            if (p.press == StopPanel || (p.press == JogRelease && rig.session.state.jogUnderWay))
                ++stopsPressed;
            const Outcome o = p.press(rig.session);
            if (p.press == MotorStopPanel) ++mstopsPressed;
            if (o == Outcome::Failed) note(std::string(p.name) + " failed");
            --pressesOpen;
        });
    }
    void run(const Procedure& command, const Press* p, int boundary) {
        const int from = rig.line.delivered();
        Fiber::start([this, &command] {
            command.run(rig);
            commandDone = true;
        });
        if (p) {
            runUntil([&] { return rig.line.delivered() >= from + boundary; });
            press(*p);
        }
        const auto ended = [this] { return commandDone && pressesOpen == 0; };
        // A held jog that no press ended is released, as the user would.
        const auto held = [this] {
            return pressesOpen == 0 && rig.session.state.jogUnderWay && rig.session.state.jogOnLine;
        };
        runUntil([&] { return ended() || held(); });
        if (!commandDone && held()) {
            press(kPresses[2]);
            runUntil(ended);
        }
        linesOwn = rig.line.delivered() - from;
        if (!commandDone) note(std::string(command.name) + " never ended");
        if (pressesOpen) note("a press never ended");
        if (monitored) EndMonitor(rig.session);
        runUntil([this] { return monitorDone && rig.line.engine().idle(); });
        if (!monitorDone) note("the monitor never ended");
    }
    long written(const char* command) const {
        return std::count(rig.sim.received().begin(), rig.sim.received().end(), command);
    }
};

TEST(DirectSchedules, AStopAtEveryLineBoundaryOfEveryCommand) {
    int schedules = 0;
    std::set<std::string> sent;
    for (const Procedure& command : Procedures()) {
        for (const bool monitored : {false, true}) {
            Schedule dry(monitored);
            dry.run(command, nullptr, 0);
            ASSERT_EQ(dry.problems, Lines{}) << command.name;
            sent.insert(dry.rig.sim.received().begin(), dry.rig.sim.received().end());
            for (const Press& p : kPresses) {
                for (int k = 0; k <= dry.linesOwn + 1; ++k) {
                    SCOPED_TRACE(std::string(command.name) +
                                 (monitored ? " beside the monitor" : " alone") + ", " + p.name +
                                 " after line " + std::to_string(k));
                    Schedule s(monitored);
                    s.run(command, &p, k);
                    ++schedules;
                    const std::string name = command.name;
                    EXPECT_EQ(s.written("@STOP"), s.stopsPressed + (name == "STOP" ? 1 : 0));
                    EXPECT_EQ(s.written("@MSTOP"), s.mstopsPressed + (name == "MSTOP" ? 1 : 0));
                    EXPECT_EQ(s.problems, Lines{}) << ::testing::PrintToString(s.rig.sim.received())
                                                   << ::testing::PrintToString(s.rig.view.lines());
                    EXPECT_FALSE(s.rig.view.stopUnconfirmed);
                    for (const std::string& t : s.rig.prompter.texts())
                        EXPECT_EQ(t.find("no value it can hold"), std::string::npos) << t;
                    EXPECT_EQ(s.rig.view.lineShown, "Online");
                    EXPECT_EQ(s.rig.sim.motion.activity(), SimMotion::Activity::Idle);
                    if (HasFailure()) return;
                }
            }
        }
    }
    // The screen sends every command of the engine's list but the parameters' initialisation,
    // which its own dialog sends.
    for (const CommandShape& c : DirectCommands())
        EXPECT_TRUE(c.command == "@INIT PRM" || sent.contains(c.command)) << c.command;
    std::printf("explored %d schedules of %zu commands\n", schedules, Procedures().size());
}

}  // namespace
}  // namespace mivo::test
