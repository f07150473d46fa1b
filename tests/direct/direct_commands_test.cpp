// The commands of the direct-operation screen and the cycle they go through, against the
// simulated controller in process, through a recording screen; and the rule that picks a GO
// move from the step record. The run, the jog and the monitor have direct_motion_test.cpp.
#include "direct/direct_commands.h"

#include <gtest/gtest.h>

#include "direct/direct_rules.h"
#include "direct_rig.h"

namespace mivo::test {
namespace {

TEST(DirectRules, GoMoveFollowsTheStepRecord) {
    struct Case {
        const char *record, *step, *position, *sent;
    };
    const Case cases[] = {
        {"S5 CIR 000,1,2,3", "5", "1", "@CIR GO 5,1"},
        {"S12 CIR 000,1,2,3", "12", "3", "@CIR GO 12,3"},  // "CIR" at character 5
        {"S123 CIR 100,1,2,3", "123", "2", "@CIR GO 123,2"},
        {"S7 PAL 003,,,", "7", "2", "@PAL GO 03,2"},  // code "0": the pallet number follows
        {"S7 PAL 103,,,", "7", "2", "@GO 7"},         // a pallet count-up: no pallet point
        {"S7 POI 000,1,2,3,0", "7", "2", "@GO 7"},
        {"S7 PAL", "7", "1", "@GO 7"},  // cut short
        {"S7 PAL 0", "7", "1", "@PAL GO ,1"},
        {"CIR", "0", "1", "@GO 0"},  // at character 1: not where a record has it
    };
    for (const Case& c : cases)
        EXPECT_EQ(GoCommand(c.record, c.step, c.position), c.sent) << c.record;
}

// GO to `step`, point `point`, with `records` in program 0.
OnRig Go(const char* step, const char* point, std::vector<std::pair<int, std::string>> records) {
    return [=](DirectRig& r) {
        for (const auto& [s, record] : records)
            r.sim.steps.programs[0][static_cast<std::size_t>(s)] = record;
        r.view.fields[DirectField::GoStep] = step;
        r.view.fields[DirectField::GoPoint] = point;
    };
}
// Step 0 holds `record`, the origin state is `originState`, the questions get `answers`.
OnRig Step(const char* record, std::deque<bool> answers = {true}, int originState = 1) {
    return [=](DirectRig& r) {
        r.sim.steps.programs[0][0] = record;
        r.sim.motion.originState = originState;
        r.prompter.answers = answers;
    };
}
OnRig At(SimMotion::Position p) {
    return [p](DirectRig& r) { EXPECT_EQ(r.sim.motion.position(), p); };
}
const OnRig No = [](DirectRig& r) { r.prompter.answers = {false}; };
// The reply to `query` was said to be no value (`value` quoted), and `field` was left as it was.
OnRig Unfit(const char* query, const char* value, DirectField field = DirectField::CounterToRead) {
    return [=](DirectRig& r) {
        EXPECT_EQ(r.prompter.texts(), (Lines{std::string("The controller's reply for ") + query +
                                             " is no value it can hold: '" + value + "'"}));
        if (field != DirectField::CounterToRead) {
            EXPECT_EQ(r.view.fields.count(field), 0u);
        }
        EXPECT_FALSE(r.sim.hasReply());  // the rest was drained
    };
}

// What each command shows in the display and the error dialog, and what it changes in the
// controller (an output panel shows its new state on "OK" only). Every command, a No to its
// question included, goes through the end steps or their like: the screen idle, the monitor
// started again while it was on, no request left behind.
TEST(DirectCommands, EachCommandAndItsReply) {
    struct Case {
        const char* name;
        Command command;
        OnRig setUp;  // after the answer Yes to the question
        Lines display;
        Outcome outcome;
        Lines errors = {};
        OnRig check = nullptr;
    };
    const Lines atOrigin{"@?ORG", "1", "OK"};
    const Lines runStart{"@?NO", "0", "OK", "@?ORG", "1", "OK"};
    // clang-format off
    const std::vector<Case> cases = {
        {"ORG, No", ReturnToOriginDirect, No, {}, Outcome::Declined},
        {"RUN, No", RunProgram, No, runStart, Outcome::Declined},
        {"GO, No", GoMove, No, atOrigin, Outcome::Declined},
        {"ORG", ReturnToOriginDirect, [](DirectRig& r) { r.sim.motion.originState = 0; }, {"@ORG", "OK"}, Outcome::Completed, {}, [](DirectRig& r) { EXPECT_EQ(r.sim.motion.originState, 1); }},
        {"SRUN a point", RunStep, Step("POI 000,10,0,0,0"), Joined(atOrigin, {"@SRUN", "OK"}), Outcome::Completed},
        {"SRUN on a cycle's END", RunStep, Step("END 200"), Joined(atOrigin, {"@SRUN", "CEND", "1", "OK"}), Outcome::Completed},
        {"SRUN returns to the origin first", RunStep, Step("POI 000,10,0,0,0", {true, true}, 0), {"@?ORG", "0", "OK", "@ORG", "OK", "@SRUN", "OK"}, Outcome::Completed},
        {"GO to a point", GoMove, Go("5", "1", {{5, "POI 000,100,50,10,20"}}), Joined(atOrigin, {"@READ STEP 5", "S5 POI 000,100,50,10,20", "OK", "@GO 5", "OK"}), Outcome::Completed, {}, At({100, 50, 10, 20})},
        {"GO on a circle at character 5", GoMove, Go("12", "2", {{12, "CIR 000,10,20,5"}, {13, "CIR 000,30,40,50,60"}}), Joined(atOrigin, {"@READ STEP 12", "S12 CIR 000,10,20,5", "S13 CIR 000,30,40,50,60", "OK", "@CIR GO 12,2", "OK"}), Outcome::Completed, {}, At({30, 40, 5, 0})},
        {"GO to an empty step", GoMove, Go("3", "1", {}), Joined(atOrigin, {"@READ STEP 3", "NG", "57:No step data"}), Outcome::Failed, {"57:No step data"}, At({})},
        {"GO out of stroke", GoMove, Go("5", "1", {{5, "POI 000,500,0,0,0"}}), Joined(atOrigin, {"@READ STEP 5", "S5 POI 000,500,0,0,0", "OK", "@GO 5", "NG", "52:Soft limit"}), Outcome::Failed, {"52:Soft limit"}, At({})},
        {"PALGO", PalletGoMove, [](DirectRig& r) { for (int j = 0; j < 7; ++j) r.sim.parameters.values[200 + j] = std::to_string(10 * (j + 1)); r.view.fields[DirectField::PalletPoint] = "2"; }, Joined(atOrigin, {"@PAL GO 0,2", "OK"}), Outcome::Completed, {}, At({40, 50, 30, 0})},
        {"OFF with no GO before", OffsetExecute, nullptr, {"@OFF", "NG", "58:No GO position"}, Outcome::Failed, {"58:No GO position"}},
        {"STOP, nothing under way", StopPanel, nullptr, {"@STOP", "OK"}, Outcome::Completed},
        {"STOP at a cycle's end", StopPanel, [](DirectRig& r) { r.answer("@STOP", {"CEND", "a", "b", "c"}); }, {"@STOP", "CEND", "a", "b", "c"}, Outcome::Completed},
        {"STOP refused", StopPanel, [](DirectRig& r) { r.answer("@STOP", {"NG", "10:Command error"}); }, {"@STOP", "NG", "10:Command error"}, Outcome::Failed, {"10:Command error"}},
        {"MSTOP, nothing under way", MotorStopPanel, nullptr, {"@MSTOP", "MSTOP", "OK"}, Outcome::Completed},
        {"MSTOP, empty second line", MotorStopPanel, [](DirectRig& r) { r.answer("@MSTOP", {"MSTOP", ""}); }, {"@MSTOP", "MSTOP", "64:Motor free"}, Outcome::Completed},
        {"MSTOP after a data line, which answers no stop", MotorStopPanel, [](DirectRig& r) { r.answer("@MSTOP", {"P1", "MSTOP", "OK"}); }, {"@MSTOP", "P1", "MSTOP", "OK"}, Outcome::Completed},
        {"INIT C with 12", InitCounter, [](DirectRig& r) { r.view.fields[DirectField::CounterToClear] = "12"; r.sim.parameters.values[341] = "4"; }, {"@INIT C 12", "OK"}, Outcome::Completed, {}, [](DirectRig& r) { EXPECT_EQ(r.sim.parameters.values[341], "0"); }},
        {"INIT PGM ALL", InitAllPrograms, [](DirectRig& r) { r.sim.steps.programs[4][9] = "END 000"; }, {"@INIT PGM ALL", "OK"}, Outcome::Completed, {}, [](DirectRig& r) { EXPECT_EQ(r.view.stepEditorResets, 1); EXPECT_EQ(r.sim.steps.programs[4][9], ""); }},
        {"INIT PGM of the program the controller names", InitProgram, [](DirectRig& r) { r.answer("@?NO", {"2", "OK"}); }, {"@?NO", "2", "OK", "@INIT PGM", "OK"}, Outcome::Completed, {}, [](DirectRig& r) { EXPECT_EQ(r.prompter.texts(), (Lines{"PGM 2 will be initialized.  OK?"})); EXPECT_EQ(r.view.stepEditorResets, 1); }},
        {"INIT PGM, No", InitProgram, [](DirectRig& r) { r.answer("@?NO", {"2", "OK"}); r.prompter.answers = {false}; }, {"@?NO", "2", "OK"}, Outcome::Declined, {}, [](DirectRig& r) { EXPECT_EQ(r.prompter.texts(), (Lines{"PGM 2 will be initialized.  OK?"})); EXPECT_EQ(r.view.stepEditorResets, 0); }},
        {"INIT PGM, Cancel to saving the steps", InitProgram, [](DirectRig& r) { r.answer("@?NO", {"2", "OK"}); r.view.stepsGivenUp = false; }, {"@?NO", "2", "OK"}, Outcome::Declined, {}, [](DirectRig& r) { EXPECT_TRUE(r.prompter.messages.empty()); EXPECT_EQ(r.view.stepEditorResets, 0); }},
        {"INIT PGM of no program", InitProgram, [](DirectRig& r) { r.answer("@?NO", {"7", "OK"}); }, {"@?NO", "7", "OK"}, Outcome::Failed, {}, [](DirectRig& r) { EXPECT_EQ(r.prompter.messages, (std::vector<Message>{{"notify", "Check PGM No.", "Step initialize"}})); }},
        {"?SNO", QueryStepNo, [](DirectRig& r) { r.view.fields[DirectField::Step] = "x"; }, {"@?SNO", "0", "OK"}, Outcome::Completed, {}, [](DirectRig& r) { EXPECT_EQ(r.view.fields[DirectField::Step], "0"); }},
        {"?POS", QueryPositions, [](DirectRig& r) { r.sim.steps.programs[0][0] = "POI 000,12.5,-1,3,7"; ASSERT_EQ(r.send("@SRUN"), "OK"); }, {"@?POS 0", "12.50,-1.00,3.00,0.00", "OK", "@?POS 1", "12.50", "OK", "@?POS 2", "-1.00", "OK", "@?POS 3", "3.00", "OK", "@?POS 4", "0.00", "OK"}, Outcome::Completed, {}, [](DirectRig& r) { auto& f = r.view.fields; EXPECT_EQ((Lines{f[DirectField::XPosition], f[DirectField::YPosition], f[DirectField::ZPosition], f[DirectField::RPosition]}), (Lines{"12.50", "-1.00", "3.00", "0.00"})); }},
        {"?SNO answered by noise", QueryStepNo, [](DirectRig& r) { r.answer("@?SNO", {"\x80\xA5\xCA", "OK"}); }, {"@?SNO", "\x80\xA5\xCA"}, Outcome::Failed, {}, [](DirectRig& r) { EXPECT_EQ(r.view.fields.count(DirectField::Step), 0u); }},
        // A value counts only with its "OK" after it: noise shaped like a value is out of step.
        {"?SNO with noise shaped like a value before it", QueryStepNo, [](DirectRig& r) { r.answer("@?SNO", {"1", "0", "OK"}); }, {"@?SNO", "1", "0"}, Outcome::Failed, {}, Unfit("@?SNO", "1", DirectField::Step)},
        {"?POS with noise shaped like a value before it", QueryPositions, [](DirectRig& r) { r.answer("@?POS", {"1", "0", "OK"}); }, {"@?POS 0", "1", "0"}, Outcome::Failed, {}, Unfit("@?POS 0", "1", DirectField::XPosition)},
        {"?C answered OK", QueryCounter, [](DirectRig& r) { r.answer("@?C", {"OK"}); }, {"@?C 0", "OK"}, Outcome::Failed, {}, Unfit("@?C 0", "OK")},
        {"?REL", QueryRelease, nullptr, {"@?REL", "R2.05", "OK"}, Outcome::Completed},
        {"MOMCH", MemoryCheck, nullptr, {"@MOMCH", "EEP0:OK", "EEP1:OK", "EEP2:OK", "EEP3:OK", "OK"}, Outcome::Completed},
        {"MOMCH, a bank fails", MemoryCheck, [](DirectRig& r) { r.sim.records.memoryCheck[2] = "E2:Memory error"; }, {"@MOMCH", "EEP0:OK", "EEP1:OK", "E2:Memory error"}, Outcome::Failed, {"E2:Memory error"}},
        {"DO 5 clicked while aqua", [](DirectSession& s) { return SwitchOutput(s, 5); }, nullptr, {"@DO 5,1", "OK"}, Outcome::Completed, {}, [](DirectRig& r) { EXPECT_TRUE(r.view.ioState(IoBank::Output, 5)); EXPECT_TRUE(r.sim.io.outputs[5]); }},
        {"READY clicked while red", [](DirectSession& s) { return SwitchOutput(s, 15); }, [](DirectRig& r) { r.view.showIo(IoBank::Output, 15, true); r.sim.io.outputs[15] = true; }, {"@DO 15,0", "OK"}, Outcome::Completed, {}, [](DirectRig& r) { EXPECT_FALSE(r.view.ioState(IoBank::Output, 15)); EXPECT_FALSE(r.sim.io.outputs[15]); }},
        {"an output refused keeps its colour", [](DirectSession& s) { return SwitchOutput(s, 3); }, [](DirectRig& r) { r.answer("@DO", {"NG", "11:Parameter error"}); }, {"@DO 3,1", "NG", "11:Parameter error"}, Outcome::Failed, {"11:Parameter error"}, [](DirectRig& r) { EXPECT_FALSE(r.view.ioState(IoBank::Output, 3)); }},
        {"MOMCH, no OK after", MemoryCheck, [](DirectRig& r) { r.answer("@MOMCH", {"EEP0", "EEP1", "EEP2", "EEP3", "NG", "12:Check error"}); }, {"@MOMCH", "EEP0", "EEP1", "EEP2", "EEP3", "NG", "12:Check error"}, Outcome::Failed, {"12:Check error"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        for (const bool monitoring : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (monitoring ? ", monitoring" : ""));
            DirectRig rig;
            rig.session.state.monitoring = monitoring;
            rig.prompter.answers = {true};
            if (c.setUp) c.setUp(rig);
            EXPECT_EQ(rig.run(c.command), c.outcome);
            EXPECT_EQ(rig.view.lines(), c.display);
            EXPECT_EQ(rig.prompter.texts("error"), c.errors);
            if (c.check) c.check(rig);
            EXPECT_TRUE(rig.view.idle());
            EXPECT_EQ(rig.run(QueryOrigin), Outcome::Completed);
        }
    }
}

TEST(DirectCycle, ControlsWhileACommandWaitsAndAfter) {
    DirectRig rig;
    rig.prompter.answers = {true, true, true};
    EXPECT_EQ(rig.run(ReturnToOriginDirect), Outcome::Completed);
    // Busy while it waits: only STOP, MSTOP and Cancel can be pressed.
    RecordingDirectView::Sets busy = rig.view.setsAt("@ORG");
    EXPECT_FALSE(busy[EnableSet::CommandControls]);
    EXPECT_FALSE(busy[EnableSet::MonitorControls]);
    EXPECT_TRUE(busy[EnableSet::StopPanels]);
    EXPECT_TRUE(busy[EnableSet::CancelPanel]);
    // A raised cancel flag leaves everything disabled at the end.
    rig.transfer.setCancelRequested(true);
    rig.run(ReturnToOriginDirect);
    for (EnableSet s : RecordingDirectView::kAll) EXPECT_FALSE(rig.view.sets[s]);
    EXPECT_TRUE(rig.transfer.cancelRequested());
    // A hidden screen's cancel flag is cleared.
    rig.view.visible = false;
    rig.run(ReturnToOriginDirect);
    EXPECT_FALSE(rig.transfer.cancelRequested());
    // The line goes off under a command's question or notice (as the screen takes it off):
    // answered, the command enables nothing that needs the line.
    for (Command command : {ReturnToOriginDirect, GoMove, RunProgram, ZiMove, StartMonitor}) {
        DirectRig off;
        off.prompter.answers = {true};
        off.prompter.onMessage = [&](const Message&) {
            off.channel.close();
            LineWentOffline(off.session);
        };
        off.run(command);
        for (EnableSet s : RecordingDirectView::kAll) EXPECT_FALSE(off.view.sets[s]);
        EXPECT_EQ(off.view.io, std::string(32, '?'));
    }
}

// A stop goes out before anything else is done: its line is on the display while the controls are
// still as they were; they are taken once it is out, and given back after its answer.
TEST(DirectCycle, AStopGoesOutBeforeTheControlsAreTaken) {
    DirectRig rig;
    struct Panel {
        Outcome (*press)(DirectSession&);
        const char* stop;
        const char* answer;  // its answer's first line
    };
    for (const Panel p :
         {Panel{StopPanel, "@STOP", "OK"}, Panel{MotorStopPanel, "@MSTOP", "MSTOP"}}) {
        SCOPED_TRACE(p.stop);
        rig.run(p.press);
        EXPECT_TRUE(rig.view.setsAt(p.stop)[EnableSet::CommandControls]);
        EXPECT_FALSE(rig.view.setsAt(p.answer)[EnableSet::CommandControls]);
        EXPECT_TRUE(rig.view.idle());
    }
}

// A wait that runs out of time leaves the line on and the command goes through its end steps; a
// line lost ends the command at once (the link has said so), after the offline routine for the
// commands that run it.
TEST(DirectCycle, AWaitWithoutALine) {
    struct Case {
        const char* name;
        Command command;
        bool lost;                      // the line lost; else the reply limit passed
        bool offline = false;           // and the offline routine ran
        const char* keyword = nullptr;  // answered with `replies` and then silent
        Lines replies = {};
    };
    const Case cases[] = {
        // A move waits as long as it takes: only a line lost ends it.
        {"ORG, line lost", ReturnToOriginDirect, true},
        {"GO, time out", GoMove, false},
        {"GO, line lost", GoMove, true, true},
        // A value counts only with its trailing line.
        {"?SNO without its trailing line", QueryStepNo, false, false, "@?SNO", {"12"}},
        {"positions without the trailing line", ReadAxisPositions, false, false, "@?POS", {"1.00"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DirectRig rig;
        if (c.keyword)
            rig.answer(c.keyword, c.replies);
        else if (c.lost)
            rig.sim.faults.hangupAfter = 0;
        else
            rig.sim.faults.silent.which = SimPick::kEvery;
        rig.session.state.monitoring = true;
        rig.prompter.answers = {true};
        EXPECT_EQ(rig.run(c.command), Outcome::Failed);
        EXPECT_EQ(rig.sim.received().size(), 1u);
        EXPECT_EQ(rig.view.idle(), !c.lost);
        EXPECT_EQ(rig.channel.closed(), c.offline);
        EXPECT_EQ(rig.view.lineShown, c.offline ? "Offline" : "Online");
        // Off line the panels show no state until the line reads them again.
        EXPECT_EQ(rig.view.io, std::string(32, c.offline ? '?' : '0'));
        EXPECT_EQ(rig.session.state.monitoring, !c.offline);
        EXPECT_FALSE(rig.view.fields.contains(DirectField::Step));
        EXPECT_FALSE(rig.view.fields.contains(DirectField::XPosition));
    }
}

}  // namespace
}  // namespace mivo::test
