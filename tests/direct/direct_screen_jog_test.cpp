// The direct-operation screen as real widgets under a jog, a stop (Esc anywhere in its window,
// also in a field, is a press of STOP) and the monitor, over a pseudo-terminal served by the
// simulated controller.
#include <QAction>
#include <QLineEdit>
#include <QRadioButton>
#include <QShortcut>
#include <QTest>

#include "direct/direct_panel.h"
#include "direct/jog_button.h"
#include "direct_fixture.h"

namespace mivo::test {
namespace {
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

// Each way of pressing STOP during a run sends one "@STOP" and stops the robot; the key works
// from the field that has the focus as from the window.
TEST_F(DirectScreen, EscPressesStopFromAnywhereInTheWindow) {
    struct Case {
        const char* what;
        std::function<void()> press;
    };
    const Case cases[] = {
        {"clicking STOP", [this] { QTest::mouseClick(button("STOP"), Qt::LeftButton); }},
        {"Esc in the window", [this] { QTest::keyClick(&screen(), Qt::Key_Escape); }},
        {"Esc in a field",
         [this] {
             auto* field = screen().findChild<QLineEdit*>("GOTX");
             field->setFocus();
             QTest::keyClick(field, Qt::Key_Escape);
         }},
    };
    // The panel shows its key, and a held key is one press. (The key and what it does: the
    // keyboard map's test and the cases here.)
    EXPECT_EQ(button("STOP")->text().toStdString(), "STOP\nEsc");
    auto* key = screen().findChild<QShortcut*>("StopKey");
    ASSERT_NE(key, nullptr);
    EXPECT_FALSE(key->autoRepeat());
    pacedLongRun();
    online();
    screen().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen()));
    recordSent();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sent.clear();
        prompter.answers = {true};
        QTest::mouseClick(button("RUN"), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return sim.motion.activity() != SimMotion::Activity::Idle; }, 5000));
        c.press();
        settle();
        EXPECT_EQ(std::count(sent.begin(), sent.end(), "@STOP"), 1);
        EXPECT_EQ(sim.motion.activity(), SimMotion::Activity::Idle);
        prompter.messages.clear();
    }
}

}  // namespace
}  // namespace mivo::test
