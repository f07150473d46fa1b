// The direct-operation screen as real widgets, over a pseudo-terminal served by the simulated
// controller: its own state and the wiring from its controls to the procedures, whose cases
// have their own tests.
#include "direct/direct_screen.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <csignal>

#include "app/stop_on_signal.h"
#include "direct_fixture.h"
#include "link/stop_signal_watch.h"
#include "parameters/init_dialog.h"
#include "parameters/parameter_editor.h"
#include "support/scripted_chooser.h"
#include "support/temp_dir.h"

namespace mivo::test {
namespace {

// Off line nothing that needs the line can be pressed, and the output and input panels show no
// state until it has read them; the line button enables everything and takes it all away. A
// panel paints its own colour while usable, the plain face when not.
TEST_F(DirectScreen, LineButtonEnablesTheControlsAndTakesThemAway) {
    screen().show();
    EXPECT_EQ(needingTheLine(), Lines{});
    EXPECT_EQ(shown("DO0"), plain);
    online();
    EXPECT_EQ(enabledIn(EnableSet::CommandControls), EnableSetMembers(EnableSet::CommandControls));
    for (const char* name : {"DO0", "monistart", "STOP", "MSTOP", "CancelButton"})
        EXPECT_TRUE(button(name)->isEnabled()) << name;
    EXPECT_EQ(shown("STOP"), QColor(Qt::yellow));
    click(lineSwitchOf(&screen()));
    EXPECT_EQ(needingTheLine(), Lines{});
    EXPECT_EQ(shown("STOP"), plain);
    EXPECT_TRUE(prompter.messages.empty());
}

// Changed step data are offered for saving first. Cancel sends nothing (so does a Yes that saved
// nothing: the closing test answers the same question so); otherwise the step editor empties as
// one step that undo takes back, modified until undo brings back what was saved.
TEST_F(DirectScreen, InitialisingAllProgramsOffersTheStepsForSavingFirst) {
    using A = Prompter::Answer;
    const std::string ask = "Is step data saved?", sure = "All steps will be initialized.  OK?";
    struct Case {
        const char* what;
        A choice;
        std::string file;  // the save dialog's answer; empty: cancelled
        Lines messages;
    };
    TempDir dir;
    const Case cases[] = {
        {"Cancel", A::Cancel, "", {ask}},
        {"given up", A::No, "", {ask, sure}},
        {"saved", A::Yes, dir / "p.stp", {ask, "Saved", sure}},
    };
    auto* steps = static_cast<StepEditor*>(screens.tmmain);
    ScriptedChooser chooser;
    steps->setFileChooser(&chooser);
    online();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        steps->table()[4][FieldCommand] = "END";
        steps->setStepModified(true);
        screen().onClearClicked();
        prompter.messages.clear();
        prompter.choices = {c.choice};
        prompter.answers = {true};
        chooser.name = QString::fromStdString(c.file);
        click(button("INITPGMALL"));
        EXPECT_EQ(prompter.texts(), c.messages);
        const bool sent = c.messages.back() == sure;
        EXPECT_EQ(display(), sent ? (Lines{"@INIT PGM ALL", "OK"}) : Lines{});
        EXPECT_EQ(steps->table()[4][FieldCommand], sent ? "" : "END");
        EXPECT_TRUE(steps->stepModified());  // the grid no longer holds what was saved
        if (sent) steps->undo();
        EXPECT_EQ(steps->table()[4][FieldCommand], "END");
        EXPECT_EQ(steps->stepModified(), c.file.empty());  // back to what was saved
    }
    steps->setFileChooser(nullptr);
}

// Ended by SIGTERM while a run it started moves the robot, the editor stops the run first, lets
// the stop's answer come, and only then ends.
TEST_F(DirectScreen, ASignalStopsTheRunItStartedBeforeTheEditorEnds) {
    pacedLongRun();
    online();
    recordSent();
    bool ended = false;
    const auto watch = StopOnSignal(screens, [&] { ended = true; });
    QObject::connect(&pty, &SimPty::commandReceived, &screen(), [this](const QString& command) {
        if (command == "@RUN") QTimer::singleShot(700, &screen(), [] { ::raise(SIGTERM); });
    });
    prompter.answers = {true};
    click(button("RUN"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return ended; }, 5000));
    const auto run = std::find(sent.begin(), sent.end(), "@RUN");
    ASSERT_NE(run, sent.end());
    EXPECT_EQ(std::count(run, sent.end(), "@STOP"), 1);
    EXPECT_EQ(sim.motion.activity(), SimMotion::Activity::Idle);
    EXPECT_FALSE(link().isDirectOnline() && !link().halted());
}

// Each run to its "END" shows its cycle time and the statistics since the screen opened, until
// "Reset" clears them.
TEST_F(DirectScreen, ShowsTheCycleTimesUntilReset) {
    sim.motion.originState = 1;
    sim.steps.programs[0][0] = "END 000";
    online();
    // A clock that has run 1.234 s each time it is read.
    screen().session().cycleTiming =
        CycleTiming([n = std::int64_t{0}]() mutable { return n += 1234; });
    auto* last = screen().findChild<QLabel*>("CycleLast");
    auto* statistics = screen().findChild<QLabel*>("CycleStatistics");
    ASSERT_TRUE(last && statistics);
    EXPECT_EQ(last->text(), "Cycle time: -");
    prompter.answers = {true, true};
    click(button("RUN"));
    click(button("RUN"));
    EXPECT_EQ(last->text(), "Cycle time: 1.23 s");
    EXPECT_EQ(statistics->text(), "Runs: 2   shortest 1.23 s   mean 1.23 s   longest 1.23 s");
    // Without the monitor no step was timed: nothing to save.
    EXPECT_FALSE(button("CycleSaveSteps")->isEnabled());

    // A cycle whose steps the monitor saw: "Save step times..." writes them in their order, as
    // "times.csv" when the name has no extension (its question before overwriting and its
    // failures are the shared save's, which the run history's export tests).
    CycleTiming& timing = screen().session().cycleTiming;
    timing.runStarted();
    for (const char* step : {"0", "5", "0"}) timing.stepSeen(step);
    screen().session().runEnded();
    ASSERT_TRUE(button("CycleSaveSteps")->isEnabled());
    TempDir dir;
    ScriptedChooser chooser;
    screen().setFileChooser(&chooser);
    chooser.name = QString::fromStdString(dir / "times");
    click(button("CycleSaveSteps"));
    EXPECT_EQ(ReadBytes(dir / "times.csv"), "step,seconds\n0,2.468\n5,1.234\n0,1.234\n");
    screen().setFileChooser(nullptr);

    click(button("CycleReset"));
    EXPECT_EQ(last->text(), "Cycle time: -");
    EXPECT_EQ(statistics->text(), "Runs: 0");
    EXPECT_FALSE(button("CycleSaveSteps")->isEnabled());
}

TEST_F(DirectScreen, LeavingCarriesTheLineToTheEditorsAndBack) {
    online();
    screen().session().state.monitoring = true;
    screen().findChild<QAction*>("MenuStep")->trigger();
    EXPECT_TRUE(screens.tmmain->isVisible());
    EXPECT_EQ(prompter.texts(), (Lines{"Monitor is ended"}));
    EXPECT_TRUE(link().isOnline());
    EXPECT_FALSE(link().isDirectOnline());
    expectSwitches("Online");

    // Back from the editor on line: the direct screen shows on line.
    screens.tmmain->menuAction("Direct")->trigger();
    EXPECT_TRUE(screen().isVisible());
    EXPECT_TRUE(link().isDirectOnline());
    EXPECT_TRUE(button("ORG")->isEnabled());

    // "End" takes it off line and shows the start screen.
    screen().findChild<QAction*>("MenuEnd")->trigger();
    EXPECT_TRUE(screens.tselect->isVisible());
    EXPECT_FALSE(link().isDirectOnline());
    EXPECT_FALSE(button("ORG")->isEnabled());
}

// INIT PRM opens the robot-number dialog, which holds the screen until it is answered.
TEST_F(DirectScreen, InitialisingParametersReadsThemBackIntoTheParameterEditor) {
    online();
    InitDialog* dialog = screens.tinit;
    prompter.answers = {true, true, true};
    click(button("INITPRM"));
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->parameterMode());
    EXPECT_FALSE(screen().isEnabled());
    dialog->findChild<QComboBox*>("ComboBox1")->setCurrentText("31:MIVO-PC3");
    click(dialog->findChild<QPushButton*>("Yes"));
    const Lines shown = display();
    EXPECT_NE(std::find(shown.begin(), shown.end(), "@INIT PRM 31"), shown.end());
    EXPECT_EQ(static_cast<ParameterEditor*>(screens.tparameter)->table().value(0), "31");
    EXPECT_EQ(sim.parameters.values[0], "31");
    EXPECT_TRUE(screen().isEnabled());
}

}  // namespace
}  // namespace mivo::test
