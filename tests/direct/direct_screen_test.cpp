// The direct-operation screen as real widgets, over a pseudo-terminal served by the simulated
// controller: its own state, its window (its size, what stays in sight, the display following
// its newest line), and the wiring from its controls to the procedures, whose cases have their
// own tests.
#include "direct/direct_screen.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
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

// A command started from the keyboard leaves the focus on its button when it ends; meanwhile the
// focus waits on the display, rather than walking from control to control as each is disabled
// (a screen reader would say each).
TEST_F(DirectScreen, TheFocusStaysWithTheControlThatStartedACommand) {
    online();
    QApplication::setActiveWindow(&screen());
    QWidget* org = button("ORG");
    org->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), org);
    Lines focused;
    const auto watch = QObject::connect(
        qApp, &QApplication::focusChanged,
        [&](QWidget*, QWidget* w) { focused.push_back(w ? w->objectName().toStdString() : ""); });
    prompter.answers = {true};
    QTest::keyClick(org, Qt::Key_Space);
    settle();
    QObject::disconnect(watch);
    EXPECT_EQ(QApplication::focusWidget(), org);
    EXPECT_EQ(focused, (Lines{"Memo1", "ORG"}));
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

// Larger than the screen it opens on (the offscreen one is 800 x 600): the screen is made to fit,
// its groups scroll, and STOP, MSTOP, RUN and the cycle times stay in sight. It grows beyond its
// written size as far as it is made (maximised), the display and the groups taking the room.
TEST_F(DirectScreen, FitsASmallScreenAndGrowsWithRunAndTheCycleTimesInSight) {
    screen().show();
    QApplication::processEvents();
    EXPECT_TRUE(screen().screen()->availableGeometry().contains(screen().frameGeometry()))
        << screen().frameGeometry().width() << "x" << screen().frameGeometry().height();
    auto* cycle = screen().findChild<QWidget*>("CycleTime");
    ASSERT_NE(cycle, nullptr);
    EXPECT_EQ(cycle->visibleRegion().boundingRect(), cycle->rect());
    for (const char* name : {"STOP", "MSTOP", "RUN"})
        EXPECT_EQ(button(name)->visibleRegion(), QRegion(button(name)->rect())) << name;
    EXPECT_TRUE(screen().windowFlags() & Qt::WindowMaximizeButtonHint);
    auto* text = screen().findChild<QPlainTextEdit*>("Memo1");
    const int shown = text->height();
    screen().resize(1600, 1000);
    QApplication::processEvents();
    EXPECT_EQ(screen().size(), QSize(1600, 1000));
    EXPECT_GT(text->height(), shown + 300);
    EXPECT_EQ(cycle->visibleRegion().boundingRect(), cycle->rect());
    QPushButton* lamp = button("DI15");
    QWidget* groups = lamp;
    while (groups && !qobject_cast<QScrollArea*>(groups)) groups = groups->parentWidget();
    ASSERT_NE(groups, nullptr);
    static_cast<QScrollArea*>(groups)->ensureWidgetVisible(lamp);
    EXPECT_FALSE(lamp->visibleRegion().isEmpty());
}

// The display shows its newest line as lines come, also after the stop's mark below it took
// some of its height (a line lost says that the stop is not confirmed), until the reader scrolls
// back; scrolled to the end again, it follows again.
TEST_F(DirectScreen, TheDisplayFollowsItsNewestLineUntilScrolledBack) {
    screen().show();
    auto* text = screen().findChild<QPlainTextEdit*>("Memo1");
    QScrollBar* bar = text->verticalScrollBar();
    int n = 0;
    const auto lines = [&](int count) {
        for (int i = 0; i < count; ++i) screen().append("@?NO " + std::to_string(n++));
        screen().displayText();
        QApplication::processEvents();
    };
    const auto atEnd = [&] { return bar->maximum() > 0 && bar->value() == bar->maximum(); };
    lines(100);
    EXPECT_TRUE(atEnd());
    screen().showStopState(StopState::Unconfirmed);
    QApplication::processEvents();
    lines(3);
    EXPECT_TRUE(atEnd());
    bar->setValue(bar->maximum() - 10);
    lines(3);
    EXPECT_FALSE(atEnd());
    bar->setValue(bar->maximum());
    lines(3);
    EXPECT_TRUE(atEnd());
    screen().showStopState(StopState::None);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "StopUnconfirmedMessage") w->close();
}

}  // namespace
}  // namespace mivo::test
