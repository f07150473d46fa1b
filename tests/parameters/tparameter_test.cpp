// The parameter editor as the user works it: the real screens (offscreen), its grid, tool bar,
// menus and dialogs, and on line the real link over a pseudo-terminal to the simulated
// controller.
#include "parameters/tparameter.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QTableView>
#include <QToolBar>

#include "parameters/parameter_files.h"
#include "parameters/tinit.h"
#include "shell/modified_flags.h"
#include "shell/shell_fixture.h"
#include "shell/tcall.h"
#include "shell/tcancel.h"
#include "support/scripted_chooser.h"
#include "support/temp_dir.h"

namespace mivo::test {
namespace {

class ParameterEditor : public ShellFixture {
  protected:
    void SetUp() override {
        ShellFixture::SetUp();
        editor().setFileChooser(&chooser);
    }
    void TearDown() override {
        editor().setFileChooser(nullptr);
        ShellFixture::TearDown();
    }
    Tparameter& editor() { return static_cast<Tparameter&>(*screens.tparameter); }
    QTableView* grid() { return editor().findChild<QTableView*>("PRMGRID"); }
    QString cell(int number, int column) {
        return grid()->model()->index(number, column).data().toString();
    }
    // Types `text` into the value of `number` as the user does: a key opens the cell, the rest
    // goes to its editor, Return ends it.
    void typeValue(int number, const QString& text) {
        const QModelIndex index = grid()->model()->index(number, ColValue);
        grid()->scrollTo(index);
        grid()->setCurrentIndex(index);
        QTest::keyClick(grid(), text[0].toLatin1());
        // The cell's editor: the one showing (the editors of earlier cells go later).
        QLineEdit* cellEditor = nullptr;
        for (QLineEdit* e : grid()->viewport()->findChildren<QLineEdit*>())
            if (e->isVisible()) cellEditor = e;
        ASSERT_NE(cellEditor, nullptr);
        ASSERT_EQ(cellEditor->text(), text.left(1));
        QTest::keyClicks(cellEditor, text.mid(1));
        QTest::keyClick(cellEditor, Qt::Key_Return);
        QApplication::processEvents();  // the delegate commits queued
    }
    void press(const char* hint) {
        QAction* a = editor().action(hint);
        ASSERT_NE(a, nullptr) << hint;
        ASSERT_TRUE(a->isEnabled()) << hint;
        a->trigger();
    }
    void pressServiceKey(Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(screens.tselect->findChild<QPushButton*>("Button1"), Qt::Key_S, modifiers);
    }
    bool flagged() { return screens.flags->isSet(DataKind::Parameter); }

    ScriptedChooser chooser;
};

TEST_F(ParameterEditor, ScreenAsLaidOut) {
    editor().show();
    EXPECT_EQ(editor().windowTitle(), "MIVO Editor [Parameter]");
    EXPECT_EQ(editor().maximumSize(), QSize(810, 600));
    EXPECT_FALSE(editor().windowFlags() & Qt::WindowMaximizeButtonHint);
    QAbstractItemModel* model = grid()->model();
    ASSERT_EQ(model->rowCount(), 44);  // with the title row, the 45 rows of the screen
    ASSERT_EQ(model->columnCount(), 6);
    const int widths[] = {57, 256, 104, 159, 65, 58};
    const char* titles[] = {"Prm No.",     "Parameter's Name", "Unit",
                            "Input range", "Initial value",    "Value"};
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(grid()->horizontalHeader()->sectionSize(c), widths[c]) << c;
        EXPECT_EQ(model->headerData(c, Qt::Horizontal).toString(), titles[c]) << c;
    }
    EXPECT_EQ(grid()->rowHeight(10), 18);
    const QStringList row41 = {cell(41, 0), cell(41, 1), cell(41, 2),
                               cell(41, 3), cell(41, 4), cell(41, 5)};
    EXPECT_EQ(row41, (QStringList{"41", "Axis Number of the spendless used", "Axial number",
                                  "1 - 4", "3", "3"}));
    // Only a named parameter's value is typed into.
    for (int n : {0, 3, 5, 26, 43}) {
        for (int c = 0; c < 6; ++c) {
            const bool editable = model->flags(model->index(n, c)) & Qt::ItemIsEditable;
            EXPECT_EQ(editable, c == ColValue && n != 3 && n != 5) << n << " " << c;
        }
    }

    QStringList hints;
    for (QAction* a : editor().findChild<QToolBar*>("ToolBar1")->actions())
        if (!a->toolTip().isEmpty() && !a->text().isEmpty()) hints << a->toolTip();
    EXPECT_EQ(hints, (QStringList{"New programming", "Open", "Save", "Print", "Parameter send",
                                  "Parameter receive", "Parameter initialize", "Return to origin",
                                  "Program execute", "Motor free", "ZI position teach",
                                  "Initial screen move"}));
    QStringList menus;
    for (QAction* m : editor().menuBar()->actions()) {
        QStringList items;
        for (QAction* a : m->menu()->actions())
            items << (a->isSeparator() ? "-" : QString(a->text()).remove('&'));
        menus << m->text() + ": " + items.join(", ");
    }
    EXPECT_EQ(menus, (QStringList{"File: New programming, Open, Save, Print, End",
                                  "Communication: Parameter send, Parameter receive, Parameter "
                                  "initialize, -, Return to origin, Program execute, Motor free",
                                  "Display: Step, Pallet, Offset, Direct, Communication log"}));
    // Off line the controller's commands are disabled; printing comes later.
    for (const char* hint :
         {"Parameter send", "Parameter receive", "Parameter initialize", "Return to origin",
          "Program execute", "Motor free", "ZI position teach", "Print"})
        EXPECT_FALSE(editor().action(hint)->isEnabled()) << hint;
    for (const char* item : {"Parameter send", "Motor free", "Print"})
        EXPECT_FALSE(editor().menuAction(item)->isEnabled()) << item;
    for (const char* hint : {"New programming", "Open", "Save", "Initial screen move"})
        EXPECT_TRUE(editor().action(hint)->isEnabled()) << hint;
}

TEST_F(ParameterEditor, TypedValuesAndAnyKeySetParameterModified) {
    editor().show();
    typeValue(22, "150.5");
    EXPECT_EQ(editor().table().value(22), "150.5");
    EXPECT_EQ(cell(22, ColValue), "150.5");
    EXPECT_TRUE(editor().parameterModified());
    EXPECT_TRUE(flagged());

    editor().setParameterModified(false);
    QTest::keyClick(grid(), Qt::Key_Down);
    EXPECT_TRUE(flagged());

    // What a value cannot hold is refused and the cell keeps its text.
    for (const QString& text : {QString::fromUtf8("1\xE2\x98\x83"), QString("1\n2")}) {
        prompter.messages.clear();
        EXPECT_FALSE(grid()->model()->setData(grid()->model()->index(24, ColValue), text));
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(prompter.messages[0].caption, "Input");
        EXPECT_EQ(editor().table().value(24), "70.00");
    }
}

TEST_F(ParameterEditor, ServiceLayoutShowsTheWholeMemory) {
    editor().show();
    editor().table().setValue(OffsetParameter(5, 3), "1.25");  // the offset screen's
    pressServiceKey(Qt::ControlModifier | Qt::ShiftModifier);
    QAbstractItemModel* model = grid()->model();
    ASSERT_EQ(model->rowCount(), 526);  // 527 with the title row
    struct Row {
        int number;
        QString name, unit;
    } rows[] = {
        {123, "(R)PGM5 offset", "mm"},
        {206, "Pallet 0 (Y3 data)", "mm"},
        {419, "Pallet 19 (Y counter)", ""},
        {525, "R hold current", "%"},
        {60, "", ""},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(cell(r.number, ColNumber), QString::number(r.number));
        EXPECT_EQ(cell(r.number, ColName), r.name);
        EXPECT_EQ(cell(r.number, ColUnit), r.unit);
        EXPECT_EQ(cell(r.number, ColValue), "") << r.number;
        EXPECT_FALSE(model->flags(model->index(r.number, ColValue)) & Qt::ItemIsEditable);
    }
    EXPECT_EQ(cell(43, ColValue), "0");
    pressServiceKey(Qt::NoModifier);
    EXPECT_EQ(model->rowCount(), 44);
}

TEST_F(ParameterEditor, SaveOpenAndNewProgramming) {
    TempDir dir;
    editor().show();
    typeValue(7, "123.45");
    chooser.name = QString::fromStdString(dir / "set");
    chooser.filter = PrmSavePrm;
    prompter.answers = {true};
    press("Save");
    EXPECT_EQ(prompter.messages,
              (std::vector<Message>{{"ask", "Is data saved?", "Parameter contents"},
                                    {"notify", "Saved", "Save"}}));
    EXPECT_EQ(ReadBytes(dir / "set.prm"), ParameterFileText(editor().table()));
    EXPECT_FALSE(flagged());

    // A short file changes nothing, and what was typed since stays unsaved.
    typeValue(8, "9");
    WriteBytes(dir / "short.prm", "31\r\n1\r\n");
    const ParameterTable before = editor().table();
    prompter.messages.clear();
    prompter.answers = {false};  // "Is data saved?"
    chooser.name = QString::fromStdString(dir / "short.prm");
    editor().menuAction("Open")->trigger();
    EXPECT_EQ(prompter.messages,
              (std::vector<Message>{{"ask", "Is data saved?", "Parameter contents"},
                                    {"notify", "File cannot be open", "Open"}}));
    ASSERT_EQ(prompter.details.size(), 1u);
    EXPECT_EQ(prompter.details[0], dir /
                                       "short.prm: the file has 2 lines; a parameter file has 44, "
                                       "one value a line");
    EXPECT_TRUE(editor().table() == before);
    EXPECT_TRUE(flagged());

    // The saved file, with robot 31 written into it by hand.
    std::string text = ReadBytes(dir / "set.prm");
    text.replace(0, 2, "31");
    WriteBytes(dir / "set.prm", text);
    prompter.messages.clear();
    prompter.answers = {false};
    chooser.name = QString::fromStdString(dir / "set");
    chooser.filter = PrmOpenPrm;
    press("Open");
    EXPECT_EQ(prompter.messages.back(), (Message{"notify", "Complete", "Open"}));
    EXPECT_EQ(cell(0, ColValue), "31");
    EXPECT_EQ(cell(6, ColInitial), "100.00");
    EXPECT_EQ(cell(7, ColValue), "123.45");
    EXPECT_EQ(cell(8, ColValue), "50.00");
    EXPECT_FALSE(flagged());

    // New programming: robot 22's values in both columns.
    typeValue(9, "1");
    prompter.messages.clear();
    prompter.answers = {false, false};
    press("New programming");
    EXPECT_EQ(cell(9, ColValue), "1");
    prompter.answers = {false, true};
    editor().menuAction("New programming")->trigger();
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{"Is data saved?", "Is new programming executed?",
                                        "Is data saved?", "Is new programming executed?"}));
    EXPECT_TRUE(editor().table() == ParameterTable{});
    EXPECT_EQ(cell(0, ColValue), "22");
    EXPECT_EQ(cell(6, ColInitial), "200.00");
    EXPECT_FALSE(flagged());
}

TEST_F(ParameterEditor, NavigationAndRefusals) {
    editor().show();
    editor().menuAction("Step")->trigger();
    EXPECT_FALSE(editor().isVisible());
    EXPECT_TRUE(screens.tmmain->isVisible());
    screens.tmmain->hide();

    editor().show();
    screens.tcancel->show();  // an operation of another screen
    editor().menuAction("Direct")->trigger();
    editor().teachZiPosition();
    const Message operating{"notify",
                            "'Move to direct screen' cannot be executed while 'Operating' is "
                            "displayed",
                            "Operating"};
    EXPECT_EQ(prompter.messages, (std::vector<Message>{operating, operating}));
    EXPECT_TRUE(editor().isVisible());
    EXPECT_FALSE(screens.tdirect->isVisible());
    screens.tcancel->hide();

    prompter.messages.clear();
    editor().teachZiPosition();
    EXPECT_EQ(prompter.messages,
              (std::vector<Message>{
                  {"notify", "Teaching control cannot be made under offline", "Under offline"}}));
    editor().menuAction("Direct")->trigger();
    EXPECT_TRUE(screens.tdirect->isVisible());
    screens.tdirect->hide();

    editor().show();
    press("Initial screen move");
    EXPECT_FALSE(editor().isVisible());
    EXPECT_TRUE(screens.tselect->isVisible());
}

// On line, reached from the step editor as the user does.
class ParameterEditorOnline : public ParameterEditor {
  protected:
    void SetUp() override {
        ParameterEditor::SetUp();
        useSimulatorAs(1);
        pressStart();
        ASSERT_TRUE(link().isOnline());
        screens.tmmain->menuAction("Parameter")->trigger();
        ASSERT_TRUE(editor().isVisible());
        // While each message shows, the editor is disabled.
        prompter.onMessage = [this](const Message& m) {
            if (m.kind != "ask") {
                EXPECT_FALSE(editor().isEnabled()) << m.text;
            }
        };
    }
    void expectIdle() {
        EXPECT_TRUE(editor().isEnabled());
        EXPECT_FALSE(editor().operationRunning());
        EXPECT_FALSE(screens.tcancel->isVisible());
        EXPECT_FALSE(screens.tcall->isVisible());
        EXPECT_TRUE(editor().action("Parameter send")->isEnabled());
    }
};

TEST_F(ParameterEditorOnline, SendThenReceiveThroughTheButtons) {
    sim.records.versions[0] = "1.03";
    typeValue(22, "180.00");
    typeValue(43, "1");
    editor().setParameterModified(false);
    prompter.answers = {true};
    press("Parameter send");
    expectIdle();
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"Is parameter sending executed?",
                                                          "Parameter sending is completed"}));
    EXPECT_EQ(sim.parameters.values[22], "180.00");
    EXPECT_EQ(sim.parameters.values[43], "0");  // an old controller: 43 is not sent
    EXPECT_EQ(cell(43, ColValue), "");          // and is emptied on the screen
    EXPECT_FALSE(flagged());

    sim.records.versions[0] = "1.14";
    sim.parameters.values[24] = "65.0";
    prompter.messages.clear();
    prompter.answers = {true};
    editor().menuAction("Parameter receive")->trigger();
    expectIdle();
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"Is parameter receiving executed?",
                                                          "Parameter receiving is completed"}));
    EXPECT_EQ(cell(24, ColValue), "65.0");
    EXPECT_EQ(cell(43, ColValue), "0");
    EXPECT_TRUE(flagged());
}

TEST_F(ParameterEditorOnline, LeadTwoRefusedBeforeAnyWrite) {
    typeValue(16, "2");
    typeValue(33, "71");
    const std::size_t before = sim.received().size();
    prompter.answers = {true};
    press("Parameter send");
    expectIdle();
    EXPECT_EQ(prompter.messages.back(),
              (Message{"notify", "In case of lead 2, the maximum speed is 70mm/s", "Error"}));
    EXPECT_EQ(std::vector<std::string>(sim.received().begin() + before, sim.received().end()),
              std::vector<std::string>{"@?Ver 0"});
}

TEST_F(ParameterEditorOnline, InitializeThroughTheDialog) {
    Tinit& dialog = *screens.tinit;
    auto* list = dialog.findChild<QComboBox*>("ComboBox1");
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        editor().setParameterModified(false);
        const std::size_t before = sim.received().size();
        press("Parameter initialize");
        ASSERT_TRUE(dialog.isVisible());
        EXPECT_TRUE(dialog.parameterMode());
        EXPECT_EQ(dialog.question(), "Select robot No. to be initialized");
        EXPECT_TRUE(list->isVisibleTo(&dialog));
        EXPECT_EQ(list->currentText(), "22:MIVO-PBL3");
        EXPECT_FALSE(editor().isEnabled());
        EXPECT_TRUE(flagged());
        list->setCurrentText("31:MIVO-PC3");
        QTest::mouseClick(dialog.findChild<QPushButton*>(yes ? "Yes" : "No"), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
        expectIdle();
        const std::vector<std::string> received(sim.received().begin() + before,
                                                sim.received().end());
        EXPECT_EQ(received.empty(), !yes);
        if (yes) {
            EXPECT_EQ(received.front(), "@INIT PRM 31");
            EXPECT_EQ(received.size(), 2u + 42u);
        }
        EXPECT_EQ(cell(6, ColValue), yes ? "100.00" : "200.00");
        EXPECT_EQ(cell(6, ColInitial), yes ? "100.00" : "200.00");
        list->setCurrentText("22:MIVO-PBL3");
    }
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Parameter initialize is completed"});
}

// Each button reaches the shared operation (whose rules program_control_test covers), with the
// start question of this screen.
TEST_F(ParameterEditorOnline, ProgramControlAndTheLineSwitch) {
    sim.steps.currentProgram = 3;
    sim.motion.originState = 1;
    prompter.answers = {true, true, true};
    editor().menuAction("Program execute")->trigger();
    EXPECT_EQ(prompter.messages.front(),
              (Message{"ask", "PGM 3 will be started. OK?", "Operation start"}));
    press("Return to origin");
    press("Motor free");
    EXPECT_EQ(sim.received(),
              (std::vector<std::string>{"@?NO", "@?ORG", "@RUN", "@ORG", "@MSTOP"}));
    expectIdle();

    click(lineSwitchOf(&editor()));
    ASSERT_FALSE(link().isOnline());
    for (const char* hint :
         {"Parameter send", "Parameter receive", "Parameter initialize", "Return to origin",
          "Program execute", "Motor free", "ZI position teach"})
        EXPECT_FALSE(editor().action(hint)->isEnabled()) << hint;
}

}  // namespace
}  // namespace mivo::test
