// The direct-operation screen as real widgets, over a pseudo-terminal served by the simulated
// controller: its own state and the wiring from its controls to the procedures, whose cases
// have their own tests.
#include "direct/direct_screen.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <csignal>

#include "app/stop_on_signal.h"
#include "direct/direct_controls.h"
#include "direct/direct_panel.h"
#include "direct/jog_button.h"
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

// Changed step data are offered for saving first. Cancel, or a Yes that saved nothing, sends
// nothing; otherwise the step editor empties as one step that undo takes back, modified until
// undo brings back what was saved.
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
        {"save dialog cancelled", A::Yes, "", {ask}},
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
    // "times.csv" when the name has no extension; an existing file only when Yes.
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
    WriteBytes(dir / "times.csv", "kept");
    prompter.answers = {false};
    click(button("CycleSaveSteps"));
    EXPECT_EQ(ReadBytes(dir / "times.csv"), "kept");
    EXPECT_EQ(prompter.messages.back().text, "File of the same name exists.  Overwrite?");
    chooser.name = QString::fromStdString(dir / "no/t.csv");
    click(button("CycleSaveSteps"));
    EXPECT_TRUE(prompter.messages.back().text.starts_with("The step times could not be saved to "))
        << prompter.messages.back().text;
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

// A held jog moves until its release, and whatever takes the release away from the button
// stops it too: one "@STOP" each time. Mode 1 moves once per click and needs no stop.
TEST_F(DirectScreen, AJogMovesUntilItsReleaseOrWhatTakesItsPlace) {
    struct Case {
        const char* how;
        int mode;
        std::function<void(mivo::DirectScreen&, QPushButton*)> release;
        bool key = false;  // held by the space key
    };
    // clang-format off
    const Case cases[] = {
        {"released", 3, [](mivo::DirectScreen&, QPushButton* b) { QTest::mouseRelease(b, Qt::LeftButton); }},
        {"released outside", 2, [](mivo::DirectScreen&, QPushButton* b) { QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(-30, -30)); }},
        {"focus lost", 3, [&](mivo::DirectScreen&, QPushButton* b) { QFocusEvent e(QEvent::FocusOut); QApplication::sendEvent(b, &e); }},
        {"window deactivated", 3, [](mivo::DirectScreen& w, QPushButton*) { QEvent e(QEvent::WindowDeactivate); QApplication::sendEvent(&w, &e); }},
        {"window minimised", 3, [](mivo::DirectScreen& w, QPushButton*) { w.showMinimized(); }},
        {"window hidden", 3, [](mivo::DirectScreen& w, QPushButton*) { w.hide(); }},
        {"application inactive", 3, [](mivo::DirectScreen&, QPushButton*) { QMetaObject::invokeMethod(qApp, "applicationStateChanged", Q_ARG(Qt::ApplicationState, Qt::ApplicationInactive)); }},
        {"line switched off", 3, [this](mivo::DirectScreen& w, QPushButton*) { click(lineSwitchOf(&w)); }},
        {"space released, not its repeats", 3, [](mivo::DirectScreen&, QPushButton* b) {
            // Marked as repeats, and a pair X11 left unmarked: its press at once, at its time.
            for (const bool marked : {true, true, false}) {
                QKeyEvent up(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ", marked);
                auto* down = new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", marked);
                up.setTimestamp(7);
                down->setTimestamp(7);
                QCoreApplication::postEvent(b, down);
                QApplication::sendEvent(b, &up);
            }
            QTest::qWait(20);
            EXPECT_TRUE(static_cast<JogButton*>(b)->held());
            QTest::keyRelease(b, Qt::Key_Space); }, true},
    };
    // clang-format on
    pty.setPaced(true);
    sim.motion.originState = 1;
    recordSent();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        if (!link().isDirectOnline()) online();
        screen().showNormal();
        screen().findChild<QRadioButton*>(QString("RadioButton%1").arg(c.mode))->setChecked(true);
        auto* b = button("X1");
        sent.clear();
        QTimer::singleShot(300, &screen(), [&] { c.release(screen(), b); });
        if (c.key)
            QTest::keyPress(b, Qt::Key_Space);
        else
            QTest::mousePress(b, Qt::LeftButton);
        settle();  // the press ends with its release's stop
        QTest::qWait(50);
        const std::string jog = "@X" + std::to_string(c.mode) + "+";
        ASSERT_GE(sent.size(), 3u);
        EXPECT_EQ(Lines(sent.begin(), sent.begin() + 3), (Lines{"@?ORG", jog, "@STOP"}));
        EXPECT_EQ(std::count(sent.begin(), sent.end(), "@STOP"), 1);
        EXPECT_FALSE(static_cast<JogButton*>(b)->held());
        EXPECT_EQ(sim.motion.activity(), SimMotion::Activity::Idle);
    }
    // Mode 1: a click, one fixed move.
    if (!link().isDirectOnline()) online();
    screen().findChild<QRadioButton*>("RadioButton1")->setChecked(true);
    sent.clear();
    click(button("X1"));
    EXPECT_EQ(Lines(sent.begin(), sent.begin() + 2), (Lines{"@?ORG", "@X1+"}));
    EXPECT_EQ(std::count(sent.begin(), sent.end(), "@STOP"), 0);
    EXPECT_TRUE(prompter.messages.empty());
}

// A program runs under the monitor. A jog the controller refuses ("15:In operation") has nothing
// to stop: the error box takes the focus and so ends the hold, and that sends no "@STOP" that
// would stop the program. STOP pressed while the monitor waits for a value is answered by its
// own "STOP": the value that comes first is no error.
TEST_F(DirectScreen, AJogAndStopUnderAMonitoredRun) {
    pty.setPaced(true);
    sim.motion.originState = 1;
    sim.steps.programs[0][0] = "SEQ 400,";  // ten seconds
    sim.steps.programs[0][1] = "END 000";
    online();
    recordSent();
    screen().findChild<QRadioButton*>("RadioButton3")->setChecked(true);
    auto* jog = button("X1");
    bool refused = false, stopped = false;
    prompter.answers = {true};
    prompter.onMessage = [&](const Message& m) {
        if (m.kind != "error") return;
        refused = true;
        QFocusEvent e(QEvent::FocusOut);
        QApplication::sendEvent(jog, &e);
    };
    QObject::connect(&pty, &SimPty::commandReceived, &screen(), [&](const QString& c) {
        if (c == "@RUN")
            QTimer::singleShot(300, &screen(), [jog] { QTest::mousePress(jog, Qt::LeftButton); });
        if (c != "@?DI 11" || !refused || std::exchange(stopped, true)) return;
        EXPECT_EQ(sim.motion.activity(), SimMotion::Activity::Program);
        QTimer::singleShot(0, &screen(), [this] { click(button("STOP")); });
        QTimer::singleShot(500, &screen(), [this] { click(button("monistart")); });
    });
    QTimer::singleShot(200, &screen(), [this] { click(button("RUN")); });
    click(button("monistart"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !screen().session().monitorRunning; }, 15000));
    settle();
    EXPECT_TRUE(stopped);
    EXPECT_EQ(std::count(sent.begin(), sent.end(), "@STOP"), 1);
    EXPECT_EQ(prompter.texts("error"), Lines{"15:In operation"});
    const Lines shown = display();
    const auto at = std::find(shown.begin(), shown.end(), "@STOP");
    ASSERT_NE(at, shown.end());
    EXPECT_EQ(Lines(at, at + 3), (Lines{"@STOP", "STOP", "41:Stopped"}));
    EXPECT_EQ(sim.motion.activity(), SimMotion::Activity::Idle);
}

// A stop the controller does not confirm (the line hung up under a held jog), or the line lost
// while on line (the adapter unplugged), is said in a message that stays above the screen, and
// the screen shows it until the controller answers again; "@STOP", never written, is not shown
// as sent.
TEST_F(DirectScreen, AStopNotConfirmedIsSaidUntilTheControllerAnswers) {
    for (const bool jogging : {true, false}) {
        SCOPED_TRACE(jogging ? "a held jog" : "the line lost while idle");
        sim.motion.originState = 1;
        online();
        screen().findChild<QAction*>("MenuClear")->trigger();
        screen().findChild<QRadioButton*>("RadioButton3")->setChecked(true);
        auto* jog = button("X1");
        if (jogging) {
            QTimer::singleShot(300, &screen(), [&] {
                pty.hangUp();
                QTest::mouseRelease(jog, Qt::LeftButton);
            });
            QTest::mousePress(jog, Qt::LeftButton);
            settle();
            QTest::qWait(100);
        } else {
            pty.hangUp();
            ASSERT_TRUE(QTest::qWaitFor([&] { return !link().isDirectOnline(); }, 5000));
        }
        auto* mark = screen().findChild<StopStateMark*>("StopState");
        ASSERT_NE(mark, nullptr);
        EXPECT_TRUE(mark->isVisibleTo(&screen()));
        ASSERT_NE(mark->message(), nullptr);
        EXPECT_TRUE(mark->message()->isVisible());
        EXPECT_FALSE(mark->message()->isModal());
        EXPECT_EQ(mark->message()->text().toStdString(), kStopUnconfirmed);
        EXPECT_EQ(display(), jogging ? (Lines{"@?ORG", "1", "OK", "@X3+"}) : Lines{});
        EXPECT_EQ(lineSwitchOf(&screen())->text(), "Offline");
        // On line again: the next answer ends it.
        ASSERT_TRUE(pty.open());
        online();
        click(button("RSNO"));
        EXPECT_FALSE(mark->isVisibleTo(&screen()));
        mark->message()->close();
        click(lineSwitchOf(&screen()));
    }
}

// One monitor session: "abc" for X and noise before DO 2's value in the next scan (each keeps
// its last state, faded or greyed, until a value comes; a panel not read yet shows none), an
// output clicked, RUN pressed as a reply comes: the monitor goes on scanning through the run.
// Off line and on again, the panels show no state until the line reads them. The path preview's
// trace hears of whole scans only: never of "abc".
TEST_F(DirectScreen, TheMonitorGoesOnThroughNoiseAndCommands) {
    pty.setPaced(true);
    sim.motion.originState = 1;
    sim.io.outputs[2] = true;
    sim.steps.programs[0][0] = "POI 000,100,0,0,0";
    sim.steps.programs[0][1] = "SEQ 420,";  // two seconds
    sim.steps.programs[0][2] = "END 000";
    sim.faults.noiseBefore = {35, SimFamily::Io};  // DO 2 in the second scan
    sim.faults.garbage = {1, SimFamily::Motion};
    sim.faults.noise = "abc";
    online();
    QLineEdit* x = screen().findChild<QLineEdit*>("Xposi");
    const QColor text = x->palette().color(QPalette::Text);
    const auto later = [this](const char* name) {
        QTimer::singleShot(0, &screen(), [this, name] { click(button(name)); });
    };
    std::vector<QColor> do2;  // at the start of each of the first three scans
    std::vector<bool> xCurrent;
    int scans = 0, whileRunning = 0;
    prompter.answers = {true};
    QObject::connect(&pty, &SimPty::commandReceived, &screen(), [&](const QString& command) {
        const bool running = sim.runs.runningStep() >= 0;
        if (command == "@?DO 0" && ++scans <= 3) {
            do2.push_back(shown("DO2"));
            xCurrent.push_back(x->palette().color(QPalette::Text) == text);
        }
        if (scans == 4 && command == "@?DO 5") later("DO5");
        if (scans == 5 && command == "@?DO 10") later("RUN");
        if (scans > 5 && running) ++whileRunning;
        // Ended once the program's END, which may still be on its way, has been shown.
        if (scans > 5 && !running && command == "@?SNO") later("monistart");
    });
    Lines traced;  // X as each whole scan gives it to the path preview's trace
    QObject::connect(
        &screen(), &mivo::DirectScreen::monitorScanned, &screen(),
        [&](const std::string& x, const std::string&, const std::string&) { traced.push_back(x); });
    click(button("monistart"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !screen().session().monitorRunning; }, 15000));
    settle();
    // How many whole scans fit into the run depends on the machine's load: one before it and
    // one after its move are enough.
    ASSERT_GE(traced.size(), 2u);
    EXPECT_EQ(traced.front(), "0.00");
    EXPECT_EQ(traced.back(), "100.00");
    const QColor faded = do2.at(2);
    for (const QColor& other : {QColor(Qt::red), QColor(Qt::cyan), plain}) EXPECT_NE(faded, other);
    EXPECT_EQ(do2, (std::vector<QColor>{plain, Qt::red, faded}));
    EXPECT_EQ(xCurrent, (std::vector<bool>{true, false, false}));
    EXPECT_EQ(x->text(), "100.00");
    EXPECT_EQ(x->palette().color(QPalette::Text), text);
    EXPECT_TRUE(sim.io.outputs[5]);
    EXPECT_EQ(shown("DO5"), QColor(Qt::red));
    // The scans went on while the program ran (how many fit depends on the machine's load).
    EXPECT_GE(whileRunning, 10);
    EXPECT_EQ(prompter.texts(),
              (Lines{"Monitor is started", "PGM0 will be started.  OK?", "Monitor is ended"}));
    for (const char* name : {"ORG", "X1"}) EXPECT_TRUE(button(name)->isEnabled()) << name;
    click(lineSwitchOf(&screen()));
    EXPECT_EQ(shown("DO5"), plain);
    click(lineSwitchOf(&screen()));
    EXPECT_EQ(shown("DO5"), plain);
}

}  // namespace
}  // namespace mivo::test
