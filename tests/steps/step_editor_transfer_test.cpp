// The step editor's controller commands through its buttons and menus, over a pseudo-terminal to
// the simulated controller: each wiring once; the cases are the procedures' own tests'.
#include <QDockWidget>
#include <QLabel>
#include <QListWidget>
#include <QUndoStack>

#include "editor_fixture.h"
#include "parameters/init_dialog.h"
#include "shell/cancel_dialog.h"
#include "shell/compare_panel.h"
#include "shell/error_record_dialog.h"
#include "shell/version_dialog.h"
#include "steps/step_compare.h"
#include "steps/step_files.h"
#include "support/temp_dir.h"

namespace mivo::test {
namespace {

class StepEditorCommands : public EditorFixture {
  protected:
    void SetUp() override {
        EditorFixture::SetUp();
        editor->move(0, 0);  // where the dialogs centred over it are not centred on the screen
        useSimulatorAs(1);
        click(lineSwitchOf(editor));
        ASSERT_TRUE(link().isOnline());
        // While a command shows a message, the editor is disabled.
        prompter.onMessage = [this](const Message& m) {
            EXPECT_FALSE(editor->isEnabled()) << m.text;
        };
    }
    void press(const char* hint) {
        QAction* a = editor->action(hint);
        ASSERT_NE(a, nullptr) << hint;
        ASSERT_TRUE(a->isEnabled()) << hint;
        a->trigger();
    }
    void expectIdle() {
        EXPECT_TRUE(editor->isEnabled());
        EXPECT_FALSE(editor->operationRunning());
        EXPECT_FALSE(screens.tcancel->isVisible());
        EXPECT_TRUE(editor->action("Step send")->isEnabled());
    }
    void compare() {
        editor->menuAction("Compare with controller")->trigger();
        expectIdle();
        QApplication::processEvents();
    }
};

// Ctrl+K lists the findings and a click on one, or the keys, selects its step; a send with
// findings asks first, and No sends nothing. Quick send takes the whole program, whatever the
// range says. The findings go with their program: checked anew on a receive while the dock
// shows, gone on New while it does not.
TEST_F(StepEditorCommands, CheckBeforeQuickSend) {
    prompter.onMessage = {};
    table()[3] = {"POI", "000", "1", "2", "3"};
    table()[4] = {"END", "000"};
    editor->tableReplaced();
    QTest::keyClick(editor, Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(editor->findingLines(), QStringList{"step 0: No END is reached from step 0"});
    table()[0] = {"SEQ", "800", "", "", "", "", "3"};
    editor->tableReplaced();
    QTest::keyClick(editor, Qt::Key_K, Qt::ControlModifier);
    auto* findings = editor->findChild<QListWidget*>("Findings");
    ASSERT_TRUE(findings->isVisible());
    EXPECT_EQ(findings->count(), 1);  // the program passes
    table()[5] = {"POI", "000", "1", "2"};
    table()[6] = {"POI", "000", "1"};
    editor->tableReplaced();
    prompter.answers = {false};
    press("Quick send");
    EXPECT_EQ(prompter.texts(), Texts{"The program check found 2 problems, the "
                                      "first step 5: Input Z value.  Send "
                                      "anyway?"});
    EXPECT_TRUE(sim.received().empty());
    QTest::mouseClick(findings->viewport(), Qt::LeftButton, {},
                      findings->visualItemRect(findings->item(0)).center());
    EXPECT_EQ(editor->selection().first, 5);
    QTest::keyClick(findings, Qt::Key_Down);
    EXPECT_EQ(editor->selection().first, 6);
    EXPECT_TRUE(findings->hasFocus());
    table()[5].clear();
    table()[6].clear();
    editor->findChild<QLineEdit*>("kyou")->setText("0");
    prompter.answers = {true};
    press("Quick send");
    expectIdle();
    EXPECT_EQ(sim.received(), (Texts{"@?NO", "@INIT PGM", "@WRITE STEP 0,SEQ,800,3",
                                     "@WRITE STEP 3,POI,000,1,2,3,", "@WRITE STEP 4,END,000,,,,"}));
    table()[1] = {"POI", "000", "x", "1", "1"};
    editor->findChild<QLineEdit*>("kyou")->setText("9");
    prompter.answers = {true};
    press("Step receive");
    EXPECT_EQ(table()[1].fields[FieldCommand], "");
    EXPECT_TRUE(findings->isVisible());
    EXPECT_EQ(findings->item(0)->text(), "No findings: the program passes the check.");
    table()[1] = {"POI", "000", "x", "1", "1"};
    editor->checkProgram();
    ASSERT_EQ(editor->findingLines().size(), 1);
    editor->findChild<QDockWidget*>("CheckDock")->hide();
    editor->setStepModified(false);
    prompter.answers = {true};
    editor->newProgramming();
    EXPECT_EQ(editor->findingLines(), QStringList());
}

// Send upper-cases the commands through the undo history first; receive brings the same steps
// back, telling the grid of each row as it arrives, before its completion message, as one edit.
TEST_F(StepEditorCommands, SendThenReceiveBringsTheSameStepsBack) {
    StepTable& t = table();
    t[0] = {"poi", "000", "10.00", "20.00", "30.00", "40.00", "", ""};
    t[1] = {"SEQ", "100", "", "", "", "", "5", ""};
    t[2] = {"CIR", "100", "1.00", "2.00", "3.00", "", "", ""};
    t[3] = {"CIR", "100", "4.00", "5.00", "6.00", "7.00", "", ""};
    t[4] = {"END", "000", "", "", "", "", "", ""};
    editor->tableReplaced();
    StepTable sent = t;
    sent[0][FieldCommand] = "POI";
    sim.steps.currentProgram = 2;
    editor->findChild<QLineEdit*>("kyou")->setText("9");  // steps 0 to 9

    prompter.answers = {true};
    press("Step send");
    expectIdle();
    EXPECT_EQ(editor->programNumber(), "2");
    EXPECT_EQ(t, sent);
    EXPECT_TRUE(editor->undoStack().canUndo());

    t.clear();
    editor->tableReplaced();
    editor->setStepModified(false);
    prompter.messages.clear();
    prompter.answers = {true};
    bool rowRepainted = false, repaintedBeforeTheEnd = false;
    QObject::connect(grid()->model(), &QAbstractItemModel::dataChanged,
                     [&](const QModelIndex& a, const QModelIndex& b) {
                         rowRepainted = rowRepainted || (a.row() <= 3 && b.row() >= 3);
                     });
    prompter.onMessage = [&](const Message& m) {
        EXPECT_FALSE(editor->isEnabled()) << m.text;
        if (m.kind == "notify") repaintedBeforeTheEnd = rowRepainted;
    };
    editor->menuAction("Step receive")->trigger();
    expectIdle();
    for (int s = 0; s < 10; ++s) EXPECT_EQ(t[s].fields, sent[s].fields) << "step " << s;
    EXPECT_TRUE(editor->stepModified());
    EXPECT_TRUE(repaintedBeforeTheEnd);
    // The receive is one edit: undone, the table and the flag are as before it.
    editor->undo();
    EXPECT_EQ(t, StepTable{});
    EXPECT_FALSE(editor->stepModified());
}

// Step initialize asks through InitDialog, without its robot list; No sends nothing more, Yes
// empties the controller's program and the grid.
TEST_F(StepEditorCommands, StepInitializeAsksThroughTheDialogAndYesEmptiesBoth) {
    InitDialog& dialog = *screens.tinit;
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        editor->table()[5][FieldCommand] = "END";
        editor->tableReplaced();
        sim.steps.currentProgram = 4;
        sim.steps.programs[4][5] = "END 000";
        press("Step initialize");
        ASSERT_TRUE(dialog.isVisible());
        expectOver(&dialog);
        EXPECT_EQ(dialog.question(), "Is PGM No.4 initialize executed?");
        EXPECT_FALSE(dialog.findChild<QComboBox*>("ComboBox1")->isVisibleTo(&dialog));
        EXPECT_FALSE(editor->isEnabled());

        QTest::mouseClick(dialog.findChild<QPushButton*>(yes ? "Yes" : "No"), Qt::LeftButton);
        expectIdle();
        EXPECT_EQ(sim.received().back(), yes ? "@INIT PGM" : "@?NO");
        EXPECT_EQ(sim.steps.programs[4][5].empty(), yes);
        EXPECT_EQ(grid()->model()->index(5, 1).data().toString(), yes ? "" : "END");
    }
    EXPECT_EQ(prompter.messages,
              (Messages{{"notify", "Program initialize is completed", "Program initialize"}}));
}

// The error record fills its dialog and holds the editor until closed; off line the controller
// commands are disabled, and Version shows only the editor's own version, sending nothing.
TEST_F(StepEditorCommands, ErrorRecordOnLineAndVersionOffLine) {
    prompter.answers = {true};
    press("Error record display");
    ErrorRecordDialog& record = *screens.terror;
    ASSERT_TRUE(record.isVisible());
    expectOver(&record);
    expectOver(screens.tcancel);  // the query's
    EXPECT_FALSE(editor->isEnabled());
    EXPECT_EQ(record.lines(), (QStringList{"E21:Origin return error", "E10:Emergency stop", "OK"}));
    QTest::mouseClick(record.findChild<QPushButton*>("OK"), Qt::LeftButton);
    EXPECT_TRUE(record.lines().isEmpty());
    expectIdle();

    click(lineSwitchOf(editor));
    ASSERT_FALSE(link().isOnline());
    EXPECT_FALSE(editor->action("Step send")->isEnabled());
    const std::size_t before = sim.received().size();
    prompter.messages.clear();
    editor->menuAction("Version")->trigger();
    VersionDialog& versions = *screens.tver;
    EXPECT_TRUE(versions.isVisible());
    expectOver(&versions);
    EXPECT_EQ(versions.findChild<QLabel*>("sapover")->text(), "1.03");
    EXPECT_TRUE(versions.value(0).isEmpty());
    EXPECT_EQ(sim.received().size(), before);
    EXPECT_TRUE(prompter.messages.empty());
}

// Each button reaches its procedure.
TEST_F(StepEditorCommands, ProgramControlButtons) {
    sim.steps.currentProgram = 5;
    sim.motion.originState = 1;
    prompter.answers = {true, true};
    editor->menuAction("Program execute")->trigger();
    EXPECT_EQ(prompter.messages.back().text, "END: Program operation end");
    EXPECT_EQ(editor->programNumber(), "5");
    press("Return to origin");
    press("Motor free");
    press("Program No. acquire");
    EXPECT_EQ(sim.received(), (Texts{"@?NO", "@?ORG", "@RUN", "@ORG", "@MSTOP", "@?NO"}));
    expectIdle();
}

// Compare lists exactly the steps that differ; Send selected sends only the ticked ones (a
// circle as its pair, an emptied step deleted), Take selected brings the controller's step back
// as one undoable edit; a compare after both finds nothing.
TEST_F(StepEditorCommands, CompareSendAndTakeSelected) {
    prompter.onMessage = {};
    StepTable& t = table();
    t[0] = {"POI", "000", "10.00", "20.00", "30.00", "40.00", "", "mine"};
    t[1] = {"CIR", "100", "1.00", "2.00", "3.00", "", "", ""};
    t[2] = {"CIR", "100", "4.00", "5.00", "6.00", "7.00", "", ""};
    t[3] = {"END", "000", "", "", "", "", "", ""};
    t[4] = {"END", "000", "", "", "", "", "", ""};
    editor->tableReplaced();
    prompter.answers = {true};
    press("Quick send");
    const StepTable held = t;
    t[0][FieldZ] = "31.00";
    t[2][FieldR] = "8.00";
    t[4].clear();
    editor->tableReplaced();

    compare();
    auto* panel = editor->comparison().panel();
    ASSERT_NE(panel, nullptr);
    auto* list = panel->findChild<QListWidget*>("CompareList");
    ASSERT_EQ(list->count(), 3) << panel->lines().join("\n").toStdString();
    EXPECT_EQ(list->item(0)->text(),
              "step 0: editor \"POI,000,10.00,20.00,31.00,40.00\", "
              "controller \"POI,000,10.00,20.00,30.00,40.00\"");
    list->setCurrentRow(1);
    EXPECT_EQ(editor->selection().first, 2);

    list->item(1)->setCheckState(Qt::Checked);
    list->item(2)->setCheckState(Qt::Checked);
    const std::size_t before = sim.received().size();
    prompter.answers = {true};
    QTest::mouseClick(panel->findChild<QPushButton*>("CompareSend"), Qt::LeftButton);
    expectIdle();
    const std::vector<std::string> sent(sim.received().begin() + static_cast<long>(before),
                                        sim.received().end());
    EXPECT_EQ(sent, (Texts{"@?NO", "@WRITE CIR 1,100", "1=1.00,2.00,3.00", "2=4.00,5.00",
                           "3=6.00,8.00", "@PDEL 4"}));
    ASSERT_EQ(panel->lines().size(), 1);

    list->item(0)->setCheckState(Qt::Checked);
    QTest::mouseClick(panel->findChild<QPushButton*>("CompareTake"), Qt::LeftButton);
    EXPECT_EQ(t[0], held[0]);
    EXPECT_TRUE(panel->lines().empty());
    compare();
    EXPECT_TRUE(panel->lines().empty());
    editor->undo();  // the take, as one edit
    EXPECT_EQ(t[0][FieldZ], "31.00");
    EXPECT_EQ(t[2][FieldR], "8.00");
}

// A compare holds for both sides as they were: after an edit, another file opened, or INIT PGM
// ALL (also of a program already empty) the list says it is out of date and neither sends nor
// takes until compared again. With nothing ticked, Send selected and Take selected say so and
// send nothing. The panel sits below the grid: the path preview keeps its height.
TEST_F(StepEditorCommands, CompareIsOutOfDateOnceEitherSideChanges) {
    prompter.onMessage = {};
    TempDir dir;
    StepTable otherSteps;
    otherSteps[0] = {"POI", "000", "9.00", "9.00", "9.00", "0"};
    otherSteps[1] = {"END", "000"};
    WriteBytes(dir / "other.stp", StepFileText(otherSteps));
    const QString other = QString::fromStdString(dir / "other.stp");

    editor->resize(1000, 700);
    editor->showPathPreview();
    QApplication::processEvents();
    auto* pathDock = editor->findChild<QDockWidget*>("PathDock");
    const int pathHeight = pathDock->height();
    table()[0] = {"POI", "000", "1.00", "2.00", "3.00", "0"};
    table()[1] = {"END", "000"};
    editor->tableReplaced();
    compare();
    ComparePanel* panel = editor->comparison().panel();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(pathDock->height(), pathHeight);
    auto* list = panel->findChild<QListWidget*>("CompareList");
    auto* send = panel->findChild<QPushButton*>("CompareSend");
    auto* take = panel->findChild<QPushButton*>("CompareTake");
    ASSERT_EQ(panel->lines().size(), 2);

    prompter.messages.clear();
    const std::size_t sentFrom = sim.received().size();
    QTest::mouseClick(send, Qt::LeftButton);
    QTest::mouseClick(take, Qt::LeftButton);
    EXPECT_EQ(prompter.texts(), (Texts{"Nothing is ticked: tick the items to send first.",
                                       "Nothing is ticked: tick the items to take first."}));
    EXPECT_EQ(sim.received().size(), sentFrom);

    const auto initAll = [&] {
        static_cast<StepEditorAccess*>(editor)->emptyTable("INIT PGM ALL");
    };
    // What changes, done before the compare (if any) and after it.
    // clang-format off
    const std::tuple<const char*, std::function<void()>, std::function<void()>> cases[] = {
        {"an edit", {}, [&] { grid()->model()->setData(grid()->model()->index(5, 8), "note"); }},
        {"another file opened", [&] { editor->setStepModified(false); }, [&] { editor->openNamed(other); }},
        {"INIT PGM ALL of an empty program", initAll, initAll},
    };
    // clang-format on
    for (const auto& [what, before, change] : cases) {
        SCOPED_TRACE(what);
        if (before) before();
        compare();
        ASSERT_FALSE(panel->outdated());
        ASSERT_GT(list->count(), 0);
        EXPECT_FALSE(list->item(0)->text().startsWith("Out of date"));
        EXPECT_TRUE(send->isEnabled());
        EXPECT_TRUE(take->isEnabled());
        change();
        EXPECT_TRUE(panel->outdated());
        EXPECT_EQ(list->item(0)->text(),
                  "Out of date: the data or the controller changed after this compare. Compare "
                  "again.");
        for (int i = 1; i < list->count(); ++i)
            EXPECT_FALSE(list->item(i)->flags() & Qt::ItemIsUserCheckable) << i;
        EXPECT_FALSE(send->isEnabled());
        EXPECT_FALSE(take->isEnabled());
    }
}

}  // namespace
}  // namespace mivo::test
