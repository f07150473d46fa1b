// The step editor's controller commands as the user gives them: buttons and menu items of the
// real screens, the real link over a pseudo-terminal to the simulated controller.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QUndoStack>

#include "parameters/tinit.h"
#include "shell/modified_flags.h"
#include "shell/shell_fixture.h"
#include "shell/tcancel.h"
#include "shell/terror.h"
#include "shell/tver.h"
#include "steps/step_rules.h"

namespace mivo::test {
namespace {

class StepEditorCommands : public ShellFixture {
  protected:
    void SetUp() override {
        ShellFixture::SetUp();
        useSimulatorAs(1);
        pressStart();
        ASSERT_TRUE(link().isOnline());
        ASSERT_TRUE(editor().isVisible());
    }
    Tmmain& editor() { return static_cast<Tmmain&>(*screens.tmmain); }
    QTableView* grid() { return editor().findChild<QTableView*>("STEPGRID"); }
    void setRange(const char* start, const char* end) {
        editor().findChild<QLineEdit*>("jaku")->setText(start);
        editor().findChild<QLineEdit*>("kyou")->setText(end);
    }
    void press(const char* hint) {
        QAction* a = editor().action(hint);
        ASSERT_NE(a, nullptr) << hint;
        ASSERT_TRUE(a->isEnabled()) << hint;
        a->trigger();
    }
    // While each message shows: the editor is disabled and the cancel dialog is up.
    void expectDisabledDuringMessages() {
        prompter.onMessage = [this](const Message& m) {
            EXPECT_FALSE(editor().isEnabled()) << m.text;
        };
    }
    void expectIdle() {
        EXPECT_TRUE(editor().isEnabled());
        EXPECT_FALSE(editor().operationRunning());
        EXPECT_FALSE(screens.tcancel->isVisible());
        EXPECT_TRUE(editor().action("Step send")->isEnabled());
    }
};

TEST_F(StepEditorCommands, SendThenReceiveBringsTheSameStepsBack) {
    StepTable& t = editor().table();
    // clang-format off
    t[0] = {"poi", "000", "10.00", "20.00", "30.00", "40.00", "", ""};
    t[1] = {"SEQ", "100", "", "", "", "", "5", ""};
    t[2] = {"CIR", "000", "1.00", "2.00", "3.00", "", "", ""};
    t[3] = {"CIR", "000", "4.00", "5.00", "6.00", "7.00", "", ""};
    t[4] = {"END", "000", "", "", "", "", "", ""};
    // clang-format on
    editor().tableReplaced();
    sim.steps.currentProgram = 2;
    sim.steps.programs[2][7] = "POI 000,1,2,3,4";  // within the range, empty in the editor
    setRange("0", "9");
    const StepTable sent = [&] {
        StepTable copy = t;
        UpperCaseCommands(copy);
        // A circle's "000" is sent as "100", and so the controller keeps it for both rows.
        copy[2][FieldOperation] = copy[3][FieldOperation] = "100";
        return copy;
    }();

    expectDisabledDuringMessages();
    prompter.answers = {true};
    press("Step send");
    expectIdle();
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"Send to PGM2 will be executed.  OK?",
                                                          "Sending is completed"}));
    EXPECT_EQ(editor().programNumber(), "2");
    EXPECT_EQ(t[0][FieldCommand], "POI");  // upper-cased, and that can be undone
    EXPECT_TRUE(editor().undoStack().canUndo());
    EXPECT_TRUE(sim.steps.programs[2][7].empty());

    editor().table().clear();
    editor().tableReplaced();
    editor().setStepModified(false);
    prompter.messages.clear();
    prompter.answers = {true};
    // The grid is told of each row as it arrives, before the completion message.
    bool rowRepainted = false, repaintedBeforeTheEnd = false;
    QObject::connect(grid()->model(), &QAbstractItemModel::dataChanged,
                     [&](const QModelIndex& a, const QModelIndex& b) {
                         rowRepainted = rowRepainted || (a.row() <= 3 && b.row() >= 3);
                     });
    prompter.onMessage = [&](const Message& m) {
        if (m.kind == "notify") repaintedBeforeTheEnd = rowRepainted;
    };
    editor().menuAction("Step receive")->trigger();
    expectIdle();
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{"Is step received?", "Step receiving is completed"}));
    for (int s = 0; s < 10; ++s) {
        for (int f = 0; f < kStepFieldCount; ++f)
            EXPECT_EQ(t[s][f], sent[s][f]) << "step " << s << " field " << f;
    }
    EXPECT_TRUE(editor().stepModified());
    EXPECT_TRUE(screens.flags->isSet(DataKind::Step));
    EXPECT_FALSE(editor().undoStack().canUndo());
    EXPECT_TRUE(repaintedBeforeTheEnd);
}

TEST_F(StepEditorCommands, StepInitializeAsksThroughTheDialogAndYesEmptiesBoth) {
    Tinit& dialog = *screens.tinit;
    for (const bool yes : {false, true}) {
        editor().table()[5][FieldCommand] = "END";
        editor().tableReplaced();
        sim.steps.currentProgram = 4;
        sim.steps.programs[4][5] = "END 000";
        const std::size_t before = sim.received().size();

        press("Step initialize");
        ASSERT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.question(), "Is PGM No.4 initialize executed?");
        EXPECT_FALSE(dialog.parameterMode());
        EXPECT_FALSE(dialog.findChild<QComboBox*>("ComboBox1")->isVisibleTo(&dialog));
        EXPECT_FALSE(editor().isEnabled());
        EXPECT_TRUE(editor().stepModified());
        EXPECT_EQ(editor().programNumber(), "4");

        QTest::mouseClick(dialog.findChild<QPushButton*>(yes ? "Yes" : "No"), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
        expectIdle();
        const std::vector<std::string> received(sim.received().begin() + before,
                                                sim.received().end());
        EXPECT_EQ(received.back(), yes ? "@INIT PGM" : "@?NO");
        EXPECT_EQ(sim.steps.programs[4][5].empty(), yes);
        EXPECT_EQ(editor().table()[5].empty(), yes);
        EXPECT_EQ(grid()->model()->index(5, 1).data().toString(), yes ? "" : "END");
    }
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Program initialize is completed"});
}

TEST_F(StepEditorCommands, VersionAndErrorRecordDialogsHoldTheEditorUntilClosed) {
    editor().menuAction("Version")->trigger();
    TVer& versions = *screens.tver;
    ASSERT_TRUE(versions.isVisible());
    EXPECT_FALSE(editor().isEnabled());
    const std::vector<QString> shown = {versions.value(0), versions.value(1), versions.value(2),
                                        versions.value(3), versions.value(4)};
    EXPECT_EQ(shown, (std::vector<QString>{"V1.20", "V1.01", "V1.02", "V1.03", "V1.04"}));
    QTest::mouseClick(versions.findChild<QPushButton*>("Close"), Qt::LeftButton);
    EXPECT_FALSE(versions.isVisible());
    EXPECT_TRUE(versions.value(0).isEmpty());
    expectIdle();

    prompter.answers = {true};
    press("Error record display");
    Terror& record = *screens.terror;
    ASSERT_TRUE(record.isVisible());
    EXPECT_FALSE(editor().isEnabled());
    EXPECT_EQ(record.lines(), (QStringList{"E21:Origin return error", "E10:Emergency stop", "OK"}));
    QTest::mouseClick(record.findChild<QPushButton*>("OK"), Qt::LeftButton);
    EXPECT_FALSE(record.isVisible());
    EXPECT_TRUE(record.lines().isEmpty());
    expectIdle();
}

// Each button reaches its procedure (whose rules program_control_test covers).
TEST_F(StepEditorCommands, ProgramControlButtons) {
    sim.steps.currentProgram = 5;
    sim.motion.originState = 1;
    expectDisabledDuringMessages();
    prompter.answers = {true, true};
    editor().menuAction("Program execute")->trigger();
    EXPECT_EQ(prompter.messages.back().text, "END: Program operation end");
    EXPECT_EQ(editor().programNumber(), "5");
    press("Return to origin");
    press("Motor free");
    press("Program No. acquire");
    EXPECT_EQ(sim.received(),
              (std::vector<std::string>{"@?NO", "@?ORG", "@RUN", "@ORG", "@MSTOP", "@?NO"}));
    expectIdle();
}

TEST_F(StepEditorCommands, OffLineTheCommandsAreDisabledAndVersionShowsOnlyTheEditors) {
    click(lineSwitchOf(screens.tmmain));
    ASSERT_FALSE(link().isOnline());
    for (const char* hint :
         {"Step send", "Step receive", "Step initialize", "Operation execute", "Return to origin",
          "Motor free", "Error record display", "Program No. acquire"})
        EXPECT_FALSE(editor().action(hint)->isEnabled()) << hint;
    const std::size_t before = sim.received().size();
    editor().menuAction("Version")->trigger();
    EXPECT_TRUE(screens.tver->isVisible());
    EXPECT_EQ(screens.tver->findChild<QLabel*>("sapover")->text(), "1.03");
    EXPECT_TRUE(screens.tver->value(0).isEmpty());
    EXPECT_EQ(sim.received().size(), before);
    EXPECT_TRUE(prompter.messages.empty());
}

}  // namespace
}  // namespace mivo::test
