// The program run, the jog and the monitor of the direct-operation screen, against the
// simulated controller in process, through a recording screen.
#include <gtest/gtest.h>

#include "direct/direct_commands.h"
#include "direct/direct_rules.h"
#include "direct/jog.h"
#include "direct/maintenance_commands.h"
#include "direct/monitor.h"
#include "direct/shared_procedures.h"
#include "direct_rig.h"

namespace mivo::test {
namespace {

using namespace std::chrono_literals;

const Lines kRunStart{"@?NO", "0", "OK", "@?ORG", "1", "OK", "@RUN"};

// Each class of reply the run reads: only a run that ran its course to "END" completes; a stop or
// an error the controller reports is shown and fails it, whether "END" follows it or not. While
// "Monitoring" is on, "@RUN" goes out without a wait and the monitor takes the replies.
TEST(DirectRun, EachReplyClassOfTheRun) {
    struct Case {
        const char* name;
        Lines replies;  // to "@RUN"
        Outcome outcome;
        bool endSteps;
        Lines errors = {};  // in the error display, before the "END" notice
        bool end = false;   // the "END" notice
        bool monitoring = false;
        Lines shown = {};  // when the display differs from the replies
        int cycles = 0;    // timed: a run that ran its course to "END"
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"to the end", {"OK", "OK", "END"}, Outcome::Completed, true, {}, true, false, {}, 1},
        {"the line after OK is shown as it came, not classified", {"OK", "END", "END"}, Outcome::Completed, true, {}, true, false, {}, 1},
        {"a cycle's end goes on", {"OK", "OK", "CEND", "1", "END"}, Outcome::Completed, true, {}, true, false, {}, 1},
        {"stopped by the controller, then END", {"OK", "OK", "STOP", "41:Stopped", "END"}, Outcome::Failed, true, {"41:Stopped"}, true},
        {"stopped by the controller, nothing after", {"OK", "OK", "STOP", "41:Stopped"}, Outcome::Failed, true, {"41:Stopped"}},
        {"motors freed elsewhere", {"OK", "OK", "MSTOP", "64:Motor free"}, Outcome::Failed, true, {"64:Motor free"}},
        {"a soft limit ends it", {"OK", "OK", "ERR", "52:Soft limit", "END"}, Outcome::Failed, true, {"52:Soft limit"}, true},
        {"an error, and the program goes on", {"OK", "OK", "ERR", "33:Position error", "CEND", "1", "END"}, Outcome::Failed, true, {"33:Position error"}, true},
        {"refused", {"NG", "15:In operation"}, Outcome::Failed, true, {"15:In operation"}},
        {"emergency stop", {"EMG", "61:Emergency stop"}, Outcome::Failed, true, {"61:Emergency stop"}},
        {"a data line ends it", {"OK", "OK", "P12"}, Outcome::Failed, true},
        {"the line goes quiet", {"OK"}, Outcome::Failed, true},
        {"never answered", {}, Outcome::Failed, true},
        {"monitoring: the run goes on beside the monitor after its OK, its END shown", {"OK", "OK", "END"}, Outcome::Completed, true, {}, false, true, {"OK", "OK", "END"}, 1},
        {"monitoring: refused", {"NG", "15:In operation"}, Outcome::Failed, true, {"15:In operation"}, false, true},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DirectRig rig;
        rig.session.state.monitoring = c.monitoring;
        rig.answer("@RUN", c.replies);
        rig.prompter.answers = {true};
        EXPECT_EQ(rig.run(RunProgram), c.outcome);
        EXPECT_EQ(rig.view.lines(), Joined(kRunStart, c.shown.empty() ? c.replies : c.shown));
        Lines messages = Joined({"PGM0 will be started.  OK?"}, c.errors);
        if (c.end) messages.push_back("END: Program operation end");
        EXPECT_EQ(rig.prompter.texts(), messages);
        // While it runs the commands stay usable, the jog buttons do not.
        RecordingDirectView::Sets running = rig.view.setsAt("@RUN");
        EXPECT_TRUE(running[EnableSet::CommandControls]);
        EXPECT_TRUE(running[EnableSet::CancelPanel]);
        EXPECT_FALSE(running[EnableSet::JogButtons]);
        EXPECT_EQ(rig.view.sets[EnableSet::JogButtons], c.endSteps);
        EXPECT_EQ(rig.session.cycleTiming.statistics().count, c.cycles);
    }
}

// A run is timed on the controller's clock from "@RUN" to its "END", with the monitor on or not;
// a run stopped, ended by an error or by the line going off counts nothing. With the monitor on,
// each step's time is read off its scans (a run with the monitor beside it): right to within
// one scan, and in the order the steps ran.
TEST(DirectRun, CycleTimeOnTheControllersClock) {
    struct Case {
        const char* name;
        void (*press)(DirectSession&);  // at 4 s, in the third timer
        Outcome outcome;                // of the run, without the monitor
        const char* panel = nullptr;    // its line, while which the stop panels stay usable
        const char* step1 = "SEQ 410,";
        RunResult result = RunResult::End;  // as the run's record says
    };
    const Case cases[] = {
        {"to its END", nullptr, Outcome::Completed},
        {"STOP", [](DirectSession& s) { StopPanel(s); }, Outcome::Interrupted, "@STOP", "SEQ 410,",
         RunResult::Stop},
        {"MSTOP", [](DirectSession& s) { MotorStopPanel(s); }, Outcome::Interrupted, "@MSTOP",
         "SEQ 410,", RunResult::MotorStop},
        {"the line goes off", CancelPanel, Outcome::Failed, nullptr, "SEQ 410,",
         RunResult::LineLost},
        {"a step out of stroke", nullptr, Outcome::Failed, nullptr, "POI 000,500,0,0,0",
         RunResult::Error},
    };
    for (const Case& c : cases) {
        for (const bool monitoring : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (monitoring ? ", monitoring" : ""));
            DirectRig rig;
            std::vector<RunRecord> records;
            rig.session.runFinished = [&records](const RunRecord& r) { records.push_back(r); };
            rig.session.describeRun = [](RunRecord& r) { r.host = "mivo"; };
            // Timers of two, one and three seconds, then END: 6 s and the controller's own work on
            // each of the four steps.
            const char* const program[] = {"SEQ 420,", c.step1, "SEQ 430,", "END 000"};
            for (std::size_t s = 0; s < 4; ++s) rig.sim.steps.programs[0][s] = program[s];
            const std::int64_t step = rig.sim.runs.timing.step.count() / 1000;
            rig.prompter.answers = {true};
            // Pressed, the run is no longer timed, whatever comes after.
            if (c.press)
                rig.at(4s, [&] {
                    c.press(rig.session);
                    EXPECT_FALSE(rig.session.cycleTiming.running());
                });
            if (!monitoring) {
                EXPECT_EQ(rig.run(RunProgram), c.outcome);
                // A stop leaves nothing pending, its panels usable while it waited; Cancel takes
                // the line off.
                if (c.panel) {
                    EXPECT_TRUE(rig.view.setsAt(c.panel)[EnableSet::StopPanels]);
                    EXPECT_TRUE(rig.view.idle());
                    EXPECT_EQ(rig.sim.motion.activity(), SimMotion::Activity::Idle);
                    EXPECT_EQ(rig.run(QueryOrigin), Outcome::Completed);
                }
                EXPECT_EQ(rig.view.lineShown, c.press == CancelPanel ? "Offline" : "Online");
            } else {
                // The monitor ends with the run, however it ended.
                EXPECT_EQ(rig.run(RunWatched),
                          c.outcome == Outcome::Completed ? Outcome::Completed : Outcome::Failed);
                EXPECT_FALSE(rig.session.state.monitoring);
            }
            const CycleStatistics& timed = rig.session.cycleTiming.statistics();
            const bool whole = std::string(c.name) == "to its END";
            EXPECT_EQ(timed.count, whole ? 1 : 0);
            EXPECT_FALSE(rig.session.cycleTiming.running());
            // Each run leaves one record, however it ended.
            ASSERT_EQ(records.size(), 1u);
            const RunRecord& record = records[0];
            EXPECT_EQ(RunResultWord(record.result), RunResultWord(c.result));
            EXPECT_EQ(record.program, 0);
            EXPECT_EQ(record.host, "mivo");
            EXPECT_LE(record.startMs, record.endMs);
            EXPECT_EQ(record.cycleMs.has_value(), whole);
            if (whole) {
                EXPECT_EQ(*record.cycleMs, timed.last);
            }
            EXPECT_EQ(record.steps.size(), whole && monitoring ? 3u : 0u);
            if (c.result == RunResult::Error) {
                EXPECT_FALSE(record.errorCode.empty());
            }
            if (!whole) continue;
            // "END" takes its five bytes' time on the line, and beside the monitor it may wait
            // for the lines of the query before it.
            EXPECT_NEAR(timed.last, 6000 + 4 * step + 5, monitoring ? 20 : 0);
            const auto steps = rig.session.cycleTiming.slowestSteps(5);
            if (!monitoring) {
                EXPECT_TRUE(steps.empty());
                continue;
            }
            EXPECT_EQ(steps.size(), 3u);
            if (steps.size() != 3) continue;
            // One monitor scan at 19200 baud is well under this.
            const std::int64_t scan = 450;
            const std::pair<const char*, std::int64_t> own[] = {
                {"2", 3000}, {"0", 2000}, {"1", 1000}};
            std::int64_t sum = 0;
            for (std::size_t k = 0; k < 3; ++k) {
                EXPECT_EQ(steps[k].step, own[k].first);
                EXPECT_LE(std::abs(steps[k].milliseconds - own[k].second - step), scan);
                sum += steps[k].milliseconds;
            }
            EXPECT_EQ(sum, timed.last);
            // The same times in the order the steps ran.
            const std::vector<MeasuredStep>& visits = rig.session.cycleTiming.lastStepTimes();
            ASSERT_EQ(visits.size(), 3u);
            for (std::size_t k = 0; k < 3; ++k) EXPECT_EQ(visits[k].step, int(k));
        }
    }
}

// What the controller reports at a run's end is the record's result and detail; a run refused
// at "@RUN" leaves none.
TEST(DirectRun, EachEndLeavesItsRecord) {
    struct Case {
        const char* name;
        Lines answer;  // to "@RUN"; none: the controller's own
        std::optional<RunResult> result;
        const char* detail;
    };
    const Case cases[] = {
        {"an emergency stop",
         {"OK", "0", "EMG", "E10:Emergency stop", "END"},
         RunResult::Emergency,
         "E10:Emergency stop"},
        {"an error", {"OK", "0", "ERR", "E07", "END"}, RunResult::Error, "E07"},
        {"the pendant's STOP", {"OK", "0", "STOP", "E30", "END"}, RunResult::Stop, "E30"},
        {"refused", {"NG", "E21"}, std::nullopt, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<RunRecord> records;
        {
            DirectRig rig;
            rig.session.runFinished = [&records](const RunRecord& r) { records.push_back(r); };
            rig.sim.steps.programs[0][0] = "SEQ 490,";
            rig.sim.steps.programs[0][1] = "END 000";
            if (!c.answer.empty()) rig.answer("@RUN", c.answer);
            rig.prompter.answers = {true};
            if (c.answer.empty()) {
                // Beside the monitor RUN returns once the run is accepted.
                rig.run(StartMonitor);
                EXPECT_EQ(rig.run(RunProgram), Outcome::Completed);
                EXPECT_TRUE(rig.session.runUnderWay());
            } else {
                rig.run(RunProgram);
            }
        }
        ASSERT_EQ(records.size(), c.result ? 1u : 0u);
        if (!c.result) continue;
        EXPECT_EQ(RunResultWord(records[0].result), RunResultWord(*c.result));
        EXPECT_EQ(records[0].errorCode, c.detail);
        EXPECT_FALSE(records[0].cycleMs);
    }
}

const Lines kPositions{"@?POS 1", "@?POS 2", "@?POS 3", "@?POS 4"};

// The jog buttons' press, release and activation against the controller's jogs: what goes out,
// what is asked and shown, and where the robot ends up.
TEST(DirectJog, PressReleaseAndActivation) {
    struct Case {
        const char* name;
        std::function<Outcome(DirectRig&)> jog;
        Lines sent;
        Outcome outcome;
        Lines messages = {};
        OnRig check = nullptr;
        bool idle = true;  // every set back as on line
    };
    const JogAxis xPlus{'X', '+'}, yMinus{'Y', '-'};
    // The teaching screen's press in mode 1, its jog answered with `replies`.
    const auto taught = [](JogAxis a, Lines replies) {
        return [a, replies](DirectRig& r) {
            r.answer(JogCommand(a, 1), replies);
            return JogPress(r.session, a, TeachJogStyle());
        };
    };
    // Held from the press until the release at one second.
    const auto held = [](JogAxis a, int mode) {
        return [a, mode](DirectRig& r) {
            r.view.mode = mode;
            r.at(r.sim.clock().now() + 1s, [&r] { JogRelease(r.session); });
            return JogPress(r.session, a, DirectJogStyle(a));
        };
    };
    const auto notHomed = [](JogAxis a, bool teaching = false) {
        return [a, teaching](DirectRig& r) {
            r.sim.motion.originState = 0;
            r.prompter.answers = {true};
            r.view.mode = 3;
            return JogPress(r.session, a, teaching ? TeachJogStyle() : DirectJogStyle(a));
        };
    };
    // Held, and the line cut when it is released.
    const auto cut = [](JogAxis a) {
        return [a](DirectRig& r) {
            r.view.mode = 3;
            r.at(r.sim.clock().now() + 1s, [&r] {
                r.sim.faults.silent.which = SimPick::kEvery;
                JogRelease(r.session);
            });
            return JogPress(r.session, a, DirectJogStyle(a));
        };
    };
    const auto refusedWith = [xPlus](const char* number) {
        return [xPlus, number](DirectRig& r) {
            r.answer("@X1+", {"NG", number});
            return JogActivate(r.session, xPlus);
        };
    };
    const auto moved = [](int axis, bool forward) {
        return [axis, forward](DirectRig& r) {
            const double at = r.sim.motion.position()[static_cast<std::size_t>(axis)];
            EXPECT_TRUE(forward ? at > 0 : at < 0) << at;
            const DirectField f[] = {DirectField::XPosition, DirectField::YPosition};
            EXPECT_EQ(r.view.fields[f[axis]], SimMotion::Text(at));
        };
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"X+ held in mode 3", held(xPlus, 3), Joined({"@?ORG", "@X3+", "@STOP"}, kPositions), Outcome::Interrupted, {}, moved(0, true)},
        {"Y- held in mode 2", held(yMinus, 2), Joined({"@?ORG", "@Y2-", "@STOP"}, kPositions), Outcome::Interrupted, {}, moved(1, false)},
        {"not at origin, X+: home, positions, no jog", notHomed(xPlus), Joined({"@?ORG", "@ORG"}, kPositions), Outcome::Declined, {"Return to origin?"}},
        {"not at origin, Y-: home, no jog", notHomed(yMinus), {"@?ORG", "@ORG"}, Outcome::Declined, {"Return to origin?"}},
        {"X+ clicked in mode 1", [xPlus](DirectRig& r) { return JogActivate(r.session, xPlus); }, Joined({"@?ORG", "@X1+"}, kPositions), Outcome::Completed, {}, moved(0, true)},
        {"refused, 03: nothing shown", refusedWith("03:Not ready"), {"@?ORG", "@X1+"}, Outcome::Failed},
        {"refused otherwise: shown", refusedWith("52:Soft limit"), {"@?ORG", "@X1+"}, Outcome::Failed, {"52:Soft limit"}},
        {"released, the line cut: @STOP once more, then said and off line", cut(xPlus), {"@?ORG", "@X3+", "@STOP", "@STOP"}, Outcome::Failed, {}, [](DirectRig& r) {
            EXPECT_TRUE(r.view.stopUnconfirmed);
            EXPECT_EQ(r.view.lineShown, "Offline");
            EXPECT_EQ(r.sim.motion.activity(), SimMotion::Activity::Jog);
            // Said until the controller answers again.
            r.sim.faults.silent.which = SimPick::kNone;
            r.channel.reopen();
            LineWentOnline(r.session);
            EXPECT_EQ(r.run(StopPanel), Outcome::Completed);
            EXPECT_FALSE(r.view.stopUnconfirmed); }},
        {"released with no jog sent: nothing to stop", [](DirectRig& r) { return JogRelease(r.session); }, {}, Outcome::Declined},
        {"refused while a program runs: its release sends nothing", [xPlus](DirectRig& r) { r.sim.steps.programs[0][0] = "SEQ 400,"; EXPECT_EQ(r.channel.request("@RUN"), "OK"); r.view.mode = 3; const Outcome o = JogPress(r.session, xPlus, DirectJogStyle(xPlus)); JogRelease(r.session); return o; }, {"@RUN", "@?ORG", "@X3+"}, Outcome::Failed, {"15:In operation"}, [](DirectRig& r) { EXPECT_EQ(r.sim.motion.activity(), SimMotion::Activity::Program); EXPECT_EQ(r.run(StopPanel), Outcome::Completed); }},
        {"teaching, not at origin: its question, positions, no jog", notHomed(yMinus, true), Joined({"@?ORG", "@ORG"}, kPositions), Outcome::Declined, {"Return-to-origin will be executed. OK?"}},
        {"teaching, refused with 03: shown, positions read", taught(xPlus, {"NG", "03:Not ready"}), Joined({"@?ORG", "@X1+"}, kPositions), Outcome::Failed, {"03:Not ready"}},
        {"teaching, END: the controls back", taught(xPlus, {"END"}), {"@?ORG", "@X1+"}, Outcome::Interrupted, {}, nullptr, false},
        {"teaching, another class: its error line, still on line", taught(yMinus, {"ERR", "33:Position error"}), {"@?ORG", "@Y1-"}, Outcome::Failed, {"33:Position error"}, [](DirectRig& r) { EXPECT_FALSE(r.channel.closed()); }},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DirectRig rig;
        EXPECT_EQ(rig.run([&](DirectSession&) { return c.jog(rig); }), c.outcome);
        EXPECT_EQ(rig.sim.received(), c.sent);
        EXPECT_EQ(rig.prompter.texts(), c.messages);
        if (c.check) c.check(rig);
        EXPECT_EQ(rig.view.idle(), c.idle);
        EXPECT_TRUE(rig.view.sets[EnableSet::CommandControls]);
        EXPECT_EQ(rig.sim.motion.activity(), SimMotion::Activity::Idle);
        EXPECT_EQ(rig.run(QueryOrigin), Outcome::Completed);  // nothing left pending
    }
}

// The monitor's scans: the panels and fields it fills, the keyword replies of a program run in
// the place of its values, the "ERR" and "32" that start the positions again, and a lost line. A
// reply that is no value of its item is not taken: the item is marked not current and the scan
// starts again (an empty line is no value either), as it does after a wait withdrawn; a query
// refused is shown at once and ends the monitor, as does one left unanswered.
TEST(DirectMonitor, ScansAndWhatComesInTheirPlace) {
    struct Case {
        const char* name;
        OnRig setUp;
        Lines display;
        std::size_t queries;  // sent up to the end of the one whole scan
        Lines marked = {};    // not current for a while
        std::string io =
            "0000010000000000"
            "0000000100000000";
        Lines messages = {"Monitor is started", "Monitor is ended"};
    };
    const auto noise = [](int k, SimFamily family, const char* line) {
        return [=](DirectRig& r) {
            r.sim.faults.garbage = {k, family};
            r.sim.faults.noise = line;
        };
    };
    const std::string none(32, '0');
    // clang-format off
    const Case cases[] = {
        {"one scan", nullptr, {}, 37},
        {"ERR and 32 on Y: again from X", [](DirectRig& r) { r.sim.faults.positionError.which = 2; }, {}, 39},
        {"a lost line", [](DirectRig& r) { r.sim.faults.hangupAfter = 0; }, {}, 1, {}, none, {"Monitor is started"}},
        {"noise before DO 2's value", [](DirectRig& r) { r.sim.faults.noiseBefore = {3, SimFamily::Io}; r.sim.io.outputs[2] = true; }, {}, 3 + 37, {"DO2"}, "0010010000000000" "0000000100000000"},
        {"noise shaped like a value before DO 2's", [](DirectRig& r) { r.sim.faults.noiseBefore = {3, SimFamily::Io}; r.sim.faults.noise = "1"; }, {}, 3 + 37, {"DO2"}},
        {"X abc", noise(1, SimFamily::Motion, "abc"), {}, 33 + 37, {"Xposi"}},
        {"Z 1e308", noise(3, SimFamily::Motion, "1e308"), {}, 35 + 37, {"Zposi"}},
        {"a 1500-character line for R", [](DirectRig& r) { r.sim.faults.longLine = {4, SimFamily::Motion}; }, {}, 36 + 37, {"Rposi"}},
        {"step 12a", noise(5, SimFamily::Motion, "12a"), {}, 37 + 37, {"Step"}},
        {"DI 3 refused", [](DirectRig& r) { r.sim.faults.refuse = {20, SimFamily::Io}; }, {"NG", "10:Command error"}, 20, {}, "0000010000000000" + std::string(16, '0'), {"Monitor is started", "10:Command error", "Monitor is ended"}},
        {"an empty line for DO 3", [](DirectRig& r) { r.sim.faults.emptyLine = {4, SimFamily::Io}; }, {}, 4 + 37, {"DO3"}},
        {"DI 3 unanswered", [](DirectRig& r) { r.sim.faults.silent = {20, SimFamily::Io}; }, {}, 20, {}, "0000010000000000" + std::string(16, '0')},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DirectRig rig;
        rig.sim.io.outputs[5] = true;
        rig.sim.io.setInput(7, true);
        rig.sim.motion.originState = 1;
        if (c.setUp) c.setUp(rig);
        const std::size_t before = rig.sim.received().size();
        int scans = 0;
        rig.session.monitorScanned = [&] {
            ++scans;
            EndMonitor(rig.session);
        };
        rig.run(StartMonitor);
        const bool whole = c.queries >= 37;  // a lost line, a refusal or silence ends it before
        EXPECT_EQ(scans, whole ? 1 : 0);
        EXPECT_EQ(rig.view.lines(), c.display);
        EXPECT_EQ(rig.sim.received().size() - before, c.queries);
        EXPECT_EQ(rig.view.io, c.io);
        EXPECT_EQ(rig.view.marked, c.marked);
        EXPECT_TRUE(rig.view.stale.empty());
        EXPECT_EQ(rig.prompter.texts(), c.messages);
        if (!whole) continue;
        EXPECT_EQ(rig.view.fields[DirectField::XPosition], "0.00");
        EXPECT_EQ(rig.view.fields[DirectField::Step], "0");
        EXPECT_TRUE(rig.view.sets[EnableSet::JogButtons]);
        EXPECT_FALSE(rig.session.state.monitoring);
    }
}

}  // namespace
}  // namespace mivo::test
