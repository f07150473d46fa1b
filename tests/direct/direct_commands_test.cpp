// The direct command cycle and the commands that move the robot, against the simulated
// controller in process, through a recording screen.
#include "direct/direct_commands.h"

#include <gtest/gtest.h>

#include <functional>

#include "direct/direct_rig.h"
#include "direct/maintenance_commands.h"
#include "procedures/controller_records.h"

namespace mivo::test {
namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;
using Command = Outcome (*)(DirectSession&);

// Half a second to X 100, then a ten-second timer, then END.
void LongProgram(SimController& sim) {
    sim.steps.programs[0][0] = "POI 000,100,0,0,0";
    sim.steps.programs[0][1] = "SEQ 400,";
    sim.steps.programs[0][2] = "END 000";
}

TEST(DirectCycle, NoToTheQuestionStillRunsTheEndSteps) {
    struct Case {
        const char* name;
        Command command;
        Lines sentBefore;  // what goes out before the question
        const char* question;
        const char* caption;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"ORG", ReturnToOriginDirect, {}, "Return-to-origin will be executed.  OK?", "Return to origin"},
        {"RUN", RunProgram, {"@?NO", "@?ORG"}, "PGM0 will be started.  OK?", "Operation start"},
        {"SRUN", RunStep, {"@?ORG"}, "Step will be executed.  OK?", "Step execute"},
        {"GO", GoMove, {"@?ORG"}, "GO move will be executed.  OK?", "GO move"},
        {"PALGO", PalletGoMove, {"@?ORG"}, "GO move will be executed.  OK?", "GO move"},
        {"ZI", ZiMove, {"@?ORG"}, "ZI move will be executed.  OK?", "ZI move"},
        {"OFF", OffsetExecute, {}, "Is offset data write executed?", "Offset"},
        {"INIT C", InitCounter, {}, "Pallet counter will be initialized.  OK?", "Counter initialize"},
        {"INIT C ALL", InitAllCounters, {}, "All pallet counters will be initialized.  OK?", "Counter initialize"},
        {"INIT PGM", InitProgram, {"@?NO"}, "PGM 0 will be initialized.  OK?", "Step initialize"},
        {"INIT PGM ALL", InitAllPrograms, {}, "All steps will be initialized.  OK?", "Step initialize"},
        {"INIT ERR", InitErrors, {}, "Error record will be deleted.  OK?", "Error record delete"},
        {"?REL", QueryRelease, {}, "Is release No. acquired?", "Release No."},
        {"MOMCH", MemoryCheck, {}, "Is memory check executed?", "Memory check"},
    };
    // clang-format on
    for (const Case& c : cases) {
        for (const bool monitoring : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (monitoring ? " monitoring" : ""));
            DirectRig rig;
            rig.session.state.monitoring = monitoring;
            rig.prompter.answers = {false};
            EXPECT_EQ(c.command(rig.session), Outcome::Declined);
            EXPECT_EQ(rig.sent(), c.sentBefore);
            ASSERT_FALSE(rig.prompter.messages.empty());
            EXPECT_EQ(rig.prompter.messages.back(), (Message{"ask", c.question, c.caption}));
            EXPECT_TRUE(rig.view.idle());
            EXPECT_EQ(rig.monitorRestarts, monitoring ? 1 : 0);
        }
    }
}

TEST(DirectCycle, ControlsWhileACommandWaitsAndAfter) {
    DirectRig rig;
    rig.prompter.answers = {true};
    EXPECT_EQ(ReturnToOriginDirect(rig.session), Outcome::Completed);
    EXPECT_EQ(rig.view.lines(), (Lines{"@ORG", "OK"}));
    // Busy while it waits: only STOP, MSTOP and Cancel can be pressed.
    RecordingDirectView::Sets busy = rig.view.setsAt("@ORG");
    EXPECT_FALSE(busy[EnableSet::CommandControls]);
    EXPECT_FALSE(busy[EnableSet::MonitorControls]);
    EXPECT_TRUE(busy[EnableSet::StopPanels]);
    EXPECT_TRUE(busy[EnableSet::CancelPanel]);
    EXPECT_TRUE(rig.view.idle());
    EXPECT_EQ(rig.sim.motion.originState, 1);
    // A raised cancel flag leaves everything disabled at the end.
    rig.transfer.setCancelRequested(true);
    rig.prompter.answers = {true};
    ReturnToOriginDirect(rig.session);
    for (EnableSet s : RecordingDirectView::kAll) EXPECT_FALSE(rig.view.sets[s]);
    EXPECT_TRUE(rig.transfer.cancelRequested());
    // A hidden screen's cancel flag is cleared.
    rig.view.visible = false;
    rig.prompter.answers = {true};
    ReturnToOriginDirect(rig.session);
    EXPECT_FALSE(rig.transfer.cancelRequested());
}

TEST(DirectCycle, AWaitWithoutALineEndsTheCommandAtOnce) {
    struct Case {
        const char* name;
        Command command;
        std::deque<bool> answers;
        bool offline;  // the offline routine ran
    };
    const std::vector<Case> cases = {
        {"ORG", ReturnToOriginDirect, {true}, false},
        {"RUN", RunProgram, {}, false},
        {"GO", GoMove, {}, true},
        {"PALGO", PalletGoMove, {}, true},
        {"ZI", ZiMove, {}, true},
        {"?SNO", QueryStepNo, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DirectRig rig;
        rig.sim.faults.silent.which = SimPick::kEvery;
        rig.session.state.monitoring = true;
        rig.prompter.answers = c.answers;
        EXPECT_EQ(c.command(rig.session), Outcome::Failed);
        EXPECT_EQ(rig.sent().size(), 1u);
        // No end steps: the controls stay as the wait left them, the monitor stays off.
        EXPECT_FALSE(rig.view.sets[EnableSet::CommandControls]);
        EXPECT_EQ(rig.monitorRestarts, 0);
        EXPECT_EQ(rig.channel.closed(), c.offline);
        EXPECT_EQ(rig.view.lineShown, c.offline ? "Offline" : "Online");
        EXPECT_EQ(rig.session.state.monitoring, !c.offline);
    }
}

TEST(DirectCycle, OriginCheckAsksAndReturnsFirst) {
    struct Case {
        std::deque<bool> answers;
        Outcome outcome;
        Lines sent;
    };
    const Case cases[] = {
        {{true, true}, Outcome::Completed, {"@?ORG", "@ORG", "@SRUN"}},
        {{true, false}, Outcome::Declined, {"@?ORG", "@ORG"}},
        {{false}, Outcome::Declined, {"@?ORG"}},
    };
    for (const Case& c : cases) {
        DirectRig rig;
        rig.sim.motion.originState = 0;
        rig.sim.steps.programs[0][0] = "POI 000,10,0,0,0";
        rig.prompter.answers = c.answers;
        EXPECT_EQ(RunStep(rig.session), c.outcome);
        EXPECT_EQ(rig.sent(), c.sent);
        EXPECT_EQ(rig.prompter.messages.front().text, "Return to origin?");
        EXPECT_TRUE(rig.view.idle());
    }
}

TEST(DirectRun, EachReplyClassOfTheRun) {
    struct Case {
        const char* name;
        Lines replies;  // to "@RUN"
        Outcome outcome;
        bool endNotice;
        bool endSteps;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"to the end", {"OK", "END"}, Outcome::Completed, true, true},
        {"an error goes on", {"OK", "ERR", "33:Position error", "END"}, Outcome::Completed, true, true},
        {"a cycle's end goes on", {"OK", "CEND", "OK", "END"}, Outcome::Completed, true, true},
        {"motor free goes on", {"OK", "MSTOP", "64:Motor free", "END"}, Outcome::Completed, true, true},
        {"a stop goes on", {"OK", "STOP", "41:Stopped", "END"}, Outcome::Completed, true, true},
        {"refused", {"NG", "15:In operation"}, Outcome::Failed, false, true},
        {"emergency stop", {"OK", "EMG", "20:Emergency stop"}, Outcome::Failed, false, true},
        {"a data line ends it", {"OK", "P12"}, Outcome::Failed, false, true},
        {"the line goes quiet", {"OK"}, Outcome::Failed, false, false},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DirectRig rig;
        rig.answer("@RUN", c.replies);
        rig.prompter.answers = {true};
        EXPECT_EQ(RunProgram(rig.session), c.outcome);
        Lines display{"@?NO", "0", "OK", "@?ORG", "1", "OK", "@RUN"};
        display.insert(display.end(), c.replies.begin(), c.replies.end());
        EXPECT_EQ(rig.view.lines(), display);
        Lines messages{"PGM0 will be started.  OK?"};
        if (c.endNotice) messages.push_back("END: Program operation end");
        EXPECT_EQ(rig.prompter.texts(), messages);
        // While it runs the commands stay usable, the jog buttons do not.
        RecordingDirectView::Sets running = rig.view.setsAt("@RUN");
        EXPECT_TRUE(running[EnableSet::CommandControls]);
        EXPECT_TRUE(running[EnableSet::CancelPanel]);
        EXPECT_FALSE(running[EnableSet::JogButtons]);
        EXPECT_EQ(rig.view.sets[EnableSet::JogButtons], c.endSteps);
    }
}

TEST(DirectRun, WhileMonitoringTheMonitorTakesTheReplies) {
    DirectRig rig;
    rig.session.state.monitoring = true;
    rig.prompter.answers = {true};
    EXPECT_EQ(RunProgram(rig.session), Outcome::Completed);
    EXPECT_EQ(rig.sent(), (Lines{"@?NO", "@?ORG", "@RUN"}));
    EXPECT_EQ(rig.view.lines().back(), "@RUN");
    // Nothing was waited for: the run's "OK" and "END" are still to come.
    EXPECT_TRUE(rig.sim.hasReply());
    EXPECT_EQ(rig.monitorRestarts, 0);
    EXPECT_FALSE(rig.view.sets[EnableSet::JogButtons]);
}

TEST(DirectRun, StopOrMotorFreePressedWhileTheRunWaits) {
    struct Case {
        const char* name;
        Command panel;
        Lines panelLines;
        double x;  // where X stopped
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"STOP in the timer", StopPanel, {"@STOP", "STOP", "41:Stopped", "@?POS 1", "100.00", "OK", "@?POS 2", "0.00", "OK", "@?POS 3", "0.00", "OK", "@?POS 4", "0.00", "OK"}, 100},
        {"MSTOP in the timer", MotorStopPanel, {"@MSTOP", "MSTOP", "64:Motor free"}, 100},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DirectRig rig;
        LongProgram(rig.sim);
        Outcome pressed = Outcome::Failed;
        RecordingDirectView::Sets atPress;
        rig.channel.at(3s, [&] {
            pressed = c.panel(rig.session);
            atPress = rig.view.setsAt(c.panelLines.front());
        });
        rig.prompter.answers = {true};
        EXPECT_EQ(RunProgram(rig.session), Outcome::Interrupted);
        EXPECT_EQ(pressed, Outcome::Completed);
        Lines display{"@?NO", "0", "OK", "@?ORG", "1", "OK", "@RUN", "OK"};
        display.insert(display.end(), c.panelLines.begin(), c.panelLines.end());
        EXPECT_EQ(rig.view.lines(), display);
        // The panel's cycle disables the stop panels while it waits itself.
        EXPECT_FALSE(atPress[EnableSet::StopPanels]);
        EXPECT_TRUE(atPress[EnableSet::CancelPanel]);
        // The run went to its end steps, without "END".
        EXPECT_EQ(rig.prompter.texts(), (Lines{"PGM0 will be started.  OK?"}));
        EXPECT_TRUE(rig.view.idle());
        EXPECT_EQ(rig.sim.motion.activity(), SimMotion::Activity::Idle);
        EXPECT_EQ(rig.sim.motion.position()[0], c.x);
        // Nothing is left pending: the next command is answered as usual.
        EXPECT_EQ(QueryOrigin(rig.session), Outcome::Completed);
    }
}

TEST(DirectRun, CancelPressedWhileTheRunWaitsGoesOffline) {
    DirectRig rig;
    LongProgram(rig.sim);
    rig.channel.at(1s, [&] { CancelPanel(rig.session); });
    rig.prompter.answers = {true};
    EXPECT_EQ(RunProgram(rig.session), Outcome::Failed);
    EXPECT_TRUE(rig.channel.closed());
    EXPECT_EQ(rig.view.lineShown, "Offline");
    for (EnableSet s : {EnableSet::CommandControls, EnableSet::StopPanels, EnableSet::CancelPanel,
                        EnableSet::IoPanels, EnableSet::MonitorButton})
        EXPECT_FALSE(rig.view.sets[s]);
    EXPECT_EQ(rig.prompter.texts(), (Lines{"PGM0 will be started.  OK?"}));
}

TEST(DirectPanels, StopAndMotorFreeOnTheirOwn) {
    struct Case {
        const char* name;
        Command panel;
        std::function<void(DirectRig&)> setUp;
        Lines display;
        Outcome outcome;
        Lines errors;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"STOP, nothing under way", StopPanel, nullptr, {"@STOP", "OK"}, Outcome::Completed, {}},
        {"STOP at a cycle's end", StopPanel, [](DirectRig& r) { r.answer("@STOP", {"CEND", "a", "b", "c"}); }, {"@STOP", "CEND", "a", "b", "c"}, Outcome::Completed, {}},
        {"STOP refused", StopPanel, [](DirectRig& r) { r.answer("@STOP", {"NG", "10:Command error"}); }, {"@STOP", "NG", "10:Command error"}, Outcome::Failed, {"10:Command error"}},
        {"MSTOP, nothing under way", MotorStopPanel, nullptr, {"@MSTOP", "MSTOP", "OK"}, Outcome::Completed, {}},
        {"MSTOP, empty second line", MotorStopPanel, [](DirectRig& r) { r.answer("@MSTOP", {"MSTOP", ""}); }, {"@MSTOP", "MSTOP", "64:Motor free"}, Outcome::Completed, {}},
        {"MSTOP answered otherwise", MotorStopPanel, [](DirectRig& r) { r.answer("@MSTOP", {"P1"}); }, {"@MSTOP", "P1"}, Outcome::Failed, {"P1"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DirectRig rig;
        if (c.setUp) c.setUp(rig);
        EXPECT_EQ(c.panel(rig.session), c.outcome);
        EXPECT_EQ(rig.view.lines(), c.display);
        Lines errors;
        for (const Message& m : rig.prompter.messages)
            if (m.kind == "error") errors.push_back(m.text);
        EXPECT_EQ(errors, c.errors);
        EXPECT_TRUE(rig.view.idle());
        // Pressed on its own, it leaves no request behind for the next command.
        EXPECT_EQ(QueryOrigin(rig.session), Outcome::Completed);
    }
}

TEST(DirectGo, TheRecordChoosesTheMove) {
    struct Case {
        const char* name;
        const char* step;
        const char* position;
        std::vector<std::pair<int, std::string>> program;
        Lines sent;  // after "@?ORG"
        Outcome outcome;
        SimMotion::Position at;
    };
    const SimMotion::Position home{};
    // clang-format off
    const std::vector<Case> cases = {
        {"a point", "5", "1", {{5, "POI 000,100,50,10,20"}}, {"@READ STEP 5", "@GO 5"}, Outcome::Completed, {100, 50, 10, 20}},
        {"a circle at character 5", "12", "2", {{12, "CIR 000,10,20,5"}, {13, "CIR 000,30,40,50,60"}}, {"@READ STEP 12", "@CIR GO 12,2"}, Outcome::Completed, {30, 40, 5, 0}},
        {"a pallet move", "7", "3", {{7, "PAL 003,"}}, {"@READ STEP 7", "@PAL GO 03,3"}, Outcome::Completed, {60, 70, 3, 0}},
        {"a pallet count-up", "7", "3", {{7, "PAL 103,"}}, {"@READ STEP 7", "@GO 7"}, Outcome::Completed, {10, 20, 3, 0}},
        {"an empty step", "3", "1", {}, {"@READ STEP 3"}, Outcome::Failed, home},
        {"out of stroke", "5", "1", {{5, "POI 000,500,0,0,0"}}, {"@READ STEP 5", "@GO 5"}, Outcome::Failed, home},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DirectRig rig;
        for (const auto& [s, record] : c.program)
            rig.sim.steps.programs[0][static_cast<std::size_t>(s)] = record;
        // Pallet 3: P1 10,20,3  P2 40,50  P3 60,70.
        const char* pallet[] = {"10", "20", "3", "40", "50", "60", "70"};
        for (int j = 0; j < 7; ++j) rig.sim.parameters.values[233 + j] = pallet[j];
        rig.view.fields[DirectField::GOTX] = c.step;
        rig.view.fields[DirectField::GOTX2] = c.position;
        rig.prompter.answers = {true};
        EXPECT_EQ(GoMove(rig.session), c.outcome);
        Lines sent{"@?ORG"};
        sent.insert(sent.end(), c.sent.begin(), c.sent.end());
        EXPECT_EQ(rig.sent(), sent);
        EXPECT_EQ(rig.sim.motion.position(), c.at);
        EXPECT_TRUE(rig.view.idle());
    }
}

TEST(DirectGo, RefusalsShowTheControllersErrorLine) {
    DirectRig rig;
    rig.sim.steps.programs[0][5] = "POI 000,500,0,0,0";
    rig.view.fields[DirectField::GOTX] = "5";
    rig.prompter.answers = {true};
    GoMove(rig.session);
    const Lines display = rig.view.lines();
    EXPECT_EQ(Lines(display.end() - 3, display.end()), (Lines{"@GO 5", "NG", "52:Soft limit"}));
    EXPECT_EQ(rig.prompter.messages.back(), (Message{"error", "52:Soft limit", "Error display"}));
}

TEST(DirectMoves, PalletZiAndOffset) {
    DirectRig rig;
    for (int j = 0; j < 7; ++j) rig.sim.parameters.values[200 + j] = std::to_string(10 * (j + 1));
    rig.sim.parameters.values[4] = "-2.00";  // virtual origin point
    rig.view.fields[DirectField::Edit1] = "0";
    rig.view.fields[DirectField::Edit2] = "2";
    rig.prompter.answers = {true, true, true};
    EXPECT_EQ(PalletGoMove(rig.session), Outcome::Completed);
    EXPECT_EQ(rig.sim.motion.position(), (SimMotion::Position{40, 50, 30, 0}));
    EXPECT_EQ(ZiMove(rig.session), Outcome::Completed);
    EXPECT_EQ(rig.sim.motion.position()[2], -2);
    // No GO before: the controller has no position to take the offset from.
    EXPECT_EQ(OffsetExecute(rig.session), Outcome::Failed);
    EXPECT_EQ(rig.sent(), (Lines{"@?ORG", "@PAL GO 0,2", "@?ORG", "@ZI", "@OFF"}));
    EXPECT_EQ(rig.prompter.messages.back().text, "58:No GO position");
}

TEST(DirectStep, SingleStepsAndTheirEnds) {
    struct Case {
        const char* record;
        Lines display;  // after "@SRUN"
    };
    const Case cases[] = {
        {"POI 000,10,0,0,0", {"OK"}},
        {"END 000", {"END"}},
        {"END 200", {"CEND", "1", "OK"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.record);
        DirectRig rig;
        rig.sim.steps.programs[0][0] = c.record;
        rig.prompter.answers = {true};
        EXPECT_EQ(RunStep(rig.session), Outcome::Completed);
        Lines display{"@?ORG", "1", "OK", "@SRUN"};
        display.insert(display.end(), c.display.begin(), c.display.end());
        EXPECT_EQ(rig.view.lines(), display);
    }
}

}  // namespace
}  // namespace mivo::test
