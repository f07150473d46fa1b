// The direct-operation screen as real widgets, over a pseudo-terminal served by the simulated
// controller.
#include "direct/tdirect.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "direct/direct_session.h"
#include "parameters/tinit.h"
#include "parameters/tparameter.h"
#include "shell/shell_fixture.h"

namespace mivo::test {
namespace {

using Lines = std::vector<std::string>;

QColor ButtonFace() { return QApplication::palette().color(QPalette::Active, QPalette::Button); }

class DirectScreen : public ShellFixture {
  protected:
    Tdirect& screen() { return *static_cast<Tdirect*>(screens.tdirect); }
    QPushButton* button(const char* name) {
        auto* b = screen().findChild<QPushButton*>(name);
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    QLineEdit* edit(const char* name) { return screen().findChild<QLineEdit*>(name); }
    QAction* action(const char* name) { return screen().findChild<QAction*>(name); }
    // The colour a panel shows, away from its caption.
    QColor shown(const char* name) {
        const QImage image = button(name)->grab().toImage();
        return image.pixelColor(4, image.height() / 2);
    }
    // Shows the screen and switches its line on.
    void online() {
        useSimulatorAs(1);
        screen().show();
        click(lineSwitchOf(&screen()));
        ASSERT_TRUE(link().isDirectOnline());
    }
    Lines display() {
        Lines out;
        for (const QString& l : screen().displayText().split('\n', Qt::SkipEmptyParts))
            out.push_back(l.toStdString());
        return out;
    }
    std::vector<QPushButton*> commandButtons() {
        std::vector<QPushButton*> out;
        for (const char* n :
             {"ORG",        "RUN",     "SRUN",    "OFF",   "ZI",  "INITCALL", "INITPGM",
              "INITPGMALL", "INITERR", "INITPRM", "RSNO",  "RNO", "RPOS",     "RORG",
              "INITC",      "RC",      "GO",      "PALGO", "REL", "MOMCH"})
            out.push_back(button(n));
        return out;
    }
};

TEST_F(DirectScreen, StartsWithOnlyParameterInitialiseAndPalletGoUsable) {
    screen().show();
    EXPECT_EQ(screen().windowTitle(), "MIVO Editor [direct]");
    EXPECT_LE(screen().width(), 910);
    EXPECT_LE(screen().height(), 600);
    for (QPushButton* b : commandButtons()) {
        const bool usable = b->objectName() == "INITPRM" || b->objectName() == "PALGO";
        EXPECT_EQ(b->isEnabled(), usable) << b->objectName().toStdString();
    }
    for (const char* hidden : {"REL", "MOMCH"}) EXPECT_FALSE(button(hidden)->isVisible());
    for (const char* panel : {"STOP", "MSTOP", "CancelButton"}) {
        EXPECT_FALSE(button(panel)->isEnabled()) << panel;
        EXPECT_EQ(shown(panel), ButtonFace()) << panel;
    }
    EXPECT_FALSE(button("DO5")->isEnabled());
    EXPECT_EQ(shown("DO5"), QColor(0x00, 0xFF, 0xFF));
    EXPECT_EQ(button("DO15")->text(), "READY");
    EXPECT_EQ(button("DI15")->toolTip(), "START signal state");
    EXPECT_EQ(button("X2")->toolTip(), "Teach move : X-");
    struct Field {
        const char* name;
        const char* text;
        int maxLength;
    };
    for (const Field& f :
         {Field{"GOTX", "0", 3}, Field{"GOTX2", "1", 32767}, Field{"Edit1", "0", 3},
          Field{"Edit2", "1", 32767}, Field{"INITCTX", "0", 2}, Field{"RCTX", "0", 2}}) {
        ASSERT_NE(edit(f.name), nullptr) << f.name;
        EXPECT_EQ(edit(f.name)->text(), f.text) << f.name;
        EXPECT_EQ(edit(f.name)->maxLength(), f.maxLength) << f.name;
    }
    EXPECT_EQ(lineSwitchOf(&screen())->text(), "Offline");
    EXPECT_FALSE(screen().findChild<QCheckBox*>("CheckBox2")->isVisible());
}

TEST_F(DirectScreen, LineButtonEnablesEverythingAndTakesItAllAway) {
    online();
    EXPECT_EQ(lineSwitchOf(&screen())->text(), "Online");
    for (QPushButton* b : commandButtons())
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
    for (const char* name : {"X1", "DO0", "DI0", "monistart"})
        EXPECT_TRUE(button(name)->isEnabled()) << name;
    EXPECT_EQ(shown("STOP"), QColor(0xFF, 0xFF, 0x00));
    EXPECT_EQ(shown("MSTOP"), QColor(0xFF, 0x00, 0x00));
    EXPECT_EQ(shown("CancelButton"), QColor(0x00, 0x80, 0x00));

    click(lineSwitchOf(&screen()));
    EXPECT_FALSE(link().isDirectOnline());
    EXPECT_EQ(lineSwitchOf(&screen())->text(), "Offline");
    for (QPushButton* b : commandButtons())
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_EQ(shown("STOP"), ButtonFace());
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(DirectScreen, CommandAndReplyScrollInTheDisplay) {
    online();
    prompter.answers = {true};
    click(button("ORG"));
    EXPECT_EQ(display(), (Lines{"@ORG", "OK"}));
    EXPECT_EQ(sim.motion.originState, 1);
    EXPECT_TRUE(button("ORG")->isEnabled());
    // "?POS" fills the position fields.
    click(button("RPOS"));
    EXPECT_EQ(edit("Xposi")->text(), "0.00");
    EXPECT_EQ(display().size(), 17u);
}

TEST_F(DirectScreen, StopPressedWhileAPacedRunWaits) {
    pty.setPaced(true);
    sim.motion.originState = 1;
    sim.steps.programs[0][0] = "POI 000,100,0,0,0";
    sim.steps.programs[0][1] = "SEQ 400,";  // ten seconds
    sim.steps.programs[0][2] = "END 000";
    online();
    QObject::connect(&pty, &SimPty::commandReceived, &screen(), [this](const QString& command) {
        if (command == "@RUN")
            QTimer::singleShot(700, &screen(), [this] { click(button("STOP")); });
    });
    prompter.answers = {true};
    click(button("RUN"));
    const Lines shown = display();
    ASSERT_GE(shown.size(), 11u);
    EXPECT_EQ(Lines(shown.begin() + 6, shown.begin() + 11),
              (Lines{"@RUN", "OK", "@STOP", "STOP", "41:Stopped"}));
    EXPECT_EQ(shown.back(), "OK");
    EXPECT_EQ(edit("Xposi")->text(), "100.00");
    EXPECT_EQ(prompter.texts(), (Lines{"PGM0 will be started.  OK?"}));
    EXPECT_EQ(sim.motion.activity(), SimMotion::Activity::Idle);
    // Back to idle on line.
    EXPECT_TRUE(button("RUN")->isEnabled());
    EXPECT_TRUE(button("X1")->isEnabled());
    EXPECT_TRUE(button("STOP")->isEnabled());
}

TEST_F(DirectScreen, LeavingCarriesTheLineToTheEditorsAndBack) {
    online();
    screen().session().state.monitoring = true;
    action("MenuStep")->trigger();
    EXPECT_TRUE(screens.tmmain->isVisible());
    EXPECT_FALSE(screen().isVisible());
    EXPECT_EQ(prompter.texts(), (Lines{"Monitor is ended"}));
    EXPECT_TRUE(link().isOnline());
    EXPECT_FALSE(link().isDirectOnline());
    expectSwitches("Online");
    EXPECT_EQ(lineSwitchOf(&screen())->text(), "Offline");

    // Back from the editor on line: the direct screen shows on line.
    screens.tmmain->menuAction("Direct")->trigger();
    EXPECT_TRUE(screen().isVisible());
    EXPECT_TRUE(link().isDirectOnline());
    EXPECT_EQ(lineSwitchOf(&screen())->text(), "Online");
    EXPECT_TRUE(button("ORG")->isEnabled());

    // "End" takes it off line and shows the start screen.
    action("MenuEnd")->trigger();
    EXPECT_TRUE(screens.tselect->isVisible());
    EXPECT_FALSE(link().isDirectOnline());
    EXPECT_FALSE(button("ORG")->isEnabled());
}

TEST_F(DirectScreen, InitialiseParametersOpensTheRobotNumberDialog) {
    screen().show();
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        click(button("INITPRM"));
        Tinit* dialog = screens.tinit;
        ASSERT_TRUE(dialog->isVisible());
        EXPECT_TRUE(dialog->parameterMode());
        EXPECT_EQ(dialog->question(), "Select robot No. to be initialized");
        EXPECT_TRUE(dialog->findChild<QComboBox*>("ComboBox1")->isVisible());
        EXPECT_FALSE(screen().isEnabled());
        click(dialog->findChild<QPushButton*>(yes ? "Yes" : "No"));
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_TRUE(screen().isEnabled());
    }
}

TEST_F(DirectScreen, InitialisingParametersReadsThemBackIntoTheParameterEditor) {
    online();
    prompter.answers = {true, true, true};
    click(button("INITPRM"));
    screens.tinit->findChild<QComboBox*>("ComboBox1")->setCurrentText("31:MIVO-PC3");
    click(screens.tinit->findChild<QPushButton*>("Yes"));
    const Lines shown = display();
    EXPECT_NE(std::find(shown.begin(), shown.end(), "@INIT PRM 31"), shown.end());
    auto* parameters = qobject_cast<Tparameter*>(screens.tparameter);
    ASSERT_NE(parameters, nullptr);
    EXPECT_EQ(parameters->table().value(0), "31");
    EXPECT_EQ(sim.parameters.values[0], "31");
    EXPECT_TRUE(screen().isEnabled());
}

TEST_F(DirectScreen, InitialisingAllProgramsEmptiesTheStepEditor) {
    auto* steps = static_cast<Tmmain*>(screens.tmmain);
    steps->table()[4][FieldCommand] = "END";
    steps->setStepModified(true);
    online();
    prompter.answers = {true};
    click(button("INITPGMALL"));
    EXPECT_EQ(display(), (Lines{"@INIT PGM ALL", "OK"}));
    EXPECT_EQ(steps->table(), StepTable{});
    EXPECT_FALSE(steps->stepModified());
}

TEST_F(DirectScreen, DisplayKeepsTheNewestLinesAndEmptiesOnRequest) {
    for (int i = 0; i < Tdirect::kDisplayLines + 5; ++i) screen().append(std::to_string(i));
    const QStringList kept = screen().displayText().split('\n');
    EXPECT_EQ(kept.size(), Tdirect::kDisplayLines);
    EXPECT_EQ(kept.front(), "5");
    action("MenuClear")->trigger();
    EXPECT_TRUE(screen().displayText().isEmpty());
}

}  // namespace
}  // namespace mivo::test
