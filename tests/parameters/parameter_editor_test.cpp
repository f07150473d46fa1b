// The parameter editor as the user works it: the real screens (offscreen), its grid, tool bar,
// menus and dialogs, and on line the real link over a pseudo-terminal to the simulated
// controller.
#include "parameters/parameter_editor.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QUndoStack>

#include "offsets/offset_editor.h"
#include "pallets/pallet_editor.h"
#include "parameters/init_dialog.h"
#include "shell/cancel_dialog.h"
#include "shell/compare_panel.h"
#include "shell/modified_flags.h"
#include "shell/progress_dialog.h"
#include "shell/shell_fixture.h"

namespace mivo::test {
namespace {

class ParameterEditor : public ShellFixture {
  protected:
    mivo::ParameterEditor& editor() {
        return static_cast<mivo::ParameterEditor&>(*screens.tparameter);
    }
    QTableView* grid() { return editor().findChild<QTableView*>("PRMGRID"); }
    QString cell(int number, int column) {
        return grid()->model()->index(number, column).data().toString();
    }
    bool flagged() { return screens.flags->isSet(DataKind::Parameter); }
    // Values as the controller writes them: the modified flag stays.
    void setValue(int number, const char* text) {
        editor().writeFromController(
            [&](const ParameterTarget& t) { t.table.setValue(number, text); }, "Set");
    }
    // The write commands the controller received from its `from`th line on.
    std::vector<std::string> writesSince(std::size_t from) {
        std::vector<std::string> lines = sim.received(), out;
        std::copy_if(lines.begin() + static_cast<long>(from), lines.end(), std::back_inserter(out),
                     [](const std::string& line) { return line.starts_with("@WRITE"); });
        return out;
    }
};

// The step, parameter, pallet and offset cells refuse what a value cannot hold where it is typed,
// keep their text and record no edit.
TEST_F(ParameterEditor, CellsRefuseWhatAValueCannotHold) {
    const QString megabyte(1 << 20, '9');
    // clang-format off
    const std::tuple<const char*, QWidget*, const char*, int, int, QString, std::string> cases[] = {
        {"parameter, too long", screens.tparameter, "PRMGRID", PrmXMaxSpeed, ColValue, megabyte, "X maximum speed holds at most 6 characters"},
        {"parameter, not Windows-1252", screens.tparameter, "PRMGRID", 24, ColValue, QString::fromUtf8("1\xE2\x98\x83"), "The character U+2603 cannot be stored (Windows-1252)."},
        {"pallet, too long", screens.tpalet, "PALGRID", 1, 0, megabyte, "X2 holds at most 7 characters"},
        {"step X, a comma", screens.tmmain, "STEPGRID", 4, 3, "12,5", "A comma cannot be inputted in X"},
        {"step Comment, not Windows-1252", screens.tmmain, "STEPGRID", 4, 8, QString::fromUtf8("ok \xE2\x98\x83"), "The character U+2603 cannot be stored (Windows-1252)."},
    };
    // clang-format on
    for (const auto& [what, editor, gridName, row, column, text, message] : cases) {
        SCOPED_TRACE(what);
        auto* grid = editor->findChild<QTableView*>(gridName);
        ASSERT_NE(grid, nullptr);
        const QModelIndex index = grid->model()->index(row, column);
        ASSERT_TRUE(grid->model()->setData(index, "-1.5"));
        prompter.messages.clear();
        QUndoStack& undo = dynamic_cast<EditorFrame&>(*editor).undoStack();
        const int steps = undo.count();
        EXPECT_FALSE(grid->model()->setData(index, text));
        EXPECT_EQ(undo.count(), steps);
        EXPECT_EQ(prompter.messages, (std::vector<Message>{{"notify", message, "Input"}}));
        EXPECT_EQ(index.data().toString().toStdString(), "-1.5");
    }
}

// The pallet grid's Z cells of P2 and P3 belong to no field, are never filed nor sent: they show
// as not editable (greyed as the titles), and keys typed there write nothing and record no edit.
TEST_F(ParameterEditor, PalletZCellsOfP2AndP3TakeNoTyping) {
    auto& pallets = static_cast<PalletEditor&>(*screens.tpalet);
    auto* grid = pallets.findChild<QTableView*>("PALGRID");
    QAbstractItemModel* model = grid->model();
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            SCOPED_TRACE(::testing::Message() << "P" << row + 1 << " column " << column);
            const bool field = PalletCellField(row, column) >= 0;
            const QModelIndex cell = model->index(row, column);
            EXPECT_EQ((model->flags(cell) & Qt::ItemIsEditable) != 0, field);
            EXPECT_EQ(cell.data(Qt::BackgroundRole).isValid(), !field);
        }
    pallets.show();
    pallets.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&pallets));
    grid->setCurrentIndex(model->index(1, 2));
    grid->setFocus();
    const int steps = pallets.undoStack().count();
    QTest::keyClicks(grid, "12");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(model->setData(model->index(2, 2), "5"));
    EXPECT_EQ(model->index(1, 2).data().toString(), "");
    EXPECT_EQ(model->index(2, 2).data().toString(), "");
    EXPECT_EQ(pallets.undoStack().count(), steps);
    EXPECT_EQ(pallets.data(), PalletData{});
}

// Each edit of the parameter, pallet and offset editors, a taught write-back too, is one step
// that "Undo" takes back and "Redo" brings again; the modified flag is clear back at the data
// as they were saved and set away from them.
TEST_F(ParameterEditor, EveryEditIsOneUndoableStep) {
    auto& pallets = static_cast<PalletEditor&>(*screens.tpalet);
    auto& offsets = static_cast<OffsetEditor&>(*screens.toffset);
    TeachTexts taught = {"1", "2", "-7.5", "4", "5", "6", "7", "8"};
    // The editor, its data's kind, the cell, the teaching that writes it (none: "-7.5" typed).
    using Case = std::tuple<const char*, EditorFrame*, DataKind, const char*, int, int,
                            std::function<void()>>;
    // clang-format off
    const Case cases[] = {
        {"parameter value", &editor(), DataKind::Parameter, "PRMGRID", 22, ColValue, {}},
        {"pallet cell", &pallets, DataKind::Pallet, "PALGRID", 2, 1, {}},
        {"offsets taught", &offsets, DataKind::Offset, "OFFGRID", 0, 2, [&] { offsets.teachTarget().writeBack(taught, "3"); }},
    };
    // clang-format on
    for (const auto& [what, editor, kind, grid, row, column, teach] : cases) {
        SCOPED_TRACE(what);
        QAbstractItemModel* model = editor->findChild<QTableView*>(grid)->model();
        const QModelIndex cell = model->index(row, column);
        editor->setModified(false);
        const QVariant before = cell.data();
        const int steps = editor->undoStack().index();
        teach ? teach() : void(model->setData(cell, "-7.5"));
        EXPECT_EQ(cell.data().toString(), "-7.5");
        EXPECT_EQ(editor->undoStack().index(), steps + 1);
        EXPECT_TRUE(screens.flags->isSet(kind));
        editor->menuAction("Undo")->trigger();
        EXPECT_EQ(cell.data(), before);
        EXPECT_FALSE(screens.flags->isSet(kind));
        editor->menuAction("Redo")->trigger();
        EXPECT_EQ(cell.data().toString(), "-7.5");
        EXPECT_TRUE(screens.flags->isSet(kind));
    }
    EXPECT_EQ(offsets.data().program, "3");
}

// The service layout shows the whole memory; what lies beyond 43 belongs to the pallet and
// offset screens and is neither shown nor edited here.
TEST_F(ParameterEditor, ServiceLayoutShowsTheWholeMemory) {
    editor().show();
    setValue(OffsetParameter(5, 3), "1.25");
    QPushButton* start = screens.tselect->findChild<QPushButton*>("Button1");
    QTest::keyClick(start, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QAbstractItemModel* model = grid()->model();
    ASSERT_EQ(model->rowCount(), 526);  // 527 with the title row
    EXPECT_EQ(cell(123, ColValue), "");
    EXPECT_FALSE(model->flags(model->index(123, ColValue)) & Qt::ItemIsEditable);
    QTest::keyClick(start, Qt::Key_S);
    EXPECT_EQ(model->rowCount(), 44);
}

// The buttons reach the transfers, whose cases are tested with the procedures, and the grid
// shows what they change. On line, reached from the step editor as the user does.
TEST_F(ParameterEditor, SendThenReceiveThroughTheButtons) {
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
    QAction* send = editor().action("Parameter send");
    ASSERT_NE(send, nullptr);
    const auto expectIdle = [&] {
        EXPECT_TRUE(editor().isEnabled());
        EXPECT_FALSE(editor().operationRunning());
        EXPECT_FALSE(screens.tcancel->isVisible());
        EXPECT_FALSE(screens.tcall->isVisible());
        EXPECT_TRUE(send->isEnabled());
    };
    sim.records.versions[0] = "1.03";
    setValue(22, "180.00");
    setValue(43, "1");
    editor().setParameterModified(false);
    prompter.answers = {true};
    ASSERT_TRUE(send->isEnabled());
    send->trigger();
    expectIdle();
    EXPECT_EQ(prompter.texts().back(), "Parameter sending is completed");
    EXPECT_EQ(sim.parameters.values[22], "180.00");
    EXPECT_EQ(cell(43, ColValue), "");  // an old controller's 43 is emptied, an undoable edit
    EXPECT_TRUE(flagged());
    editor().undo();
    EXPECT_EQ(cell(43, ColValue), "1");
    EXPECT_FALSE(flagged());

    sim.parameters.values[24] = "65.0";
    prompter.answers = {true};
    editor().menuAction("Parameter receive")->trigger();
    expectIdle();
    EXPECT_EQ(prompter.texts().back(), "Parameter receiving is completed");
    EXPECT_EQ(cell(24, ColValue), "65.0");
    EXPECT_TRUE(flagged());

    // Compare lists the one value changed; Send selected writes only it, then nothing differs.
    setValue(24, "66.0");
    editor().menuAction("Compare with controller")->trigger();
    expectIdle();
    ComparePanel* panel = editor().comparePanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->lines(), QStringList{"parameter 24: editor \"66.0\", controller \"65.0\""});
    // The line shows whole, the controller's value too.
    QCoreApplication::processEvents();
    auto* compareList = panel->findChild<QListWidget*>("CompareList");
    EXPECT_LE(compareList->sizeHintForColumn(0), compareList->viewport()->width());
    compareList->item(0)->setCheckState(Qt::Checked);
    const std::size_t sentFrom = sim.received().size();
    prompter.answers = {true};
    QTest::mouseClick(panel->findChild<QPushButton*>("CompareSend"), Qt::LeftButton);
    expectIdle();
    EXPECT_EQ(sim.parameters.values[24], "66.0");
    EXPECT_EQ(writesSince(sentFrom), std::vector<std::string>{"@WRITE PRM 24,66.0"});
    editor().menuAction("Compare with controller")->trigger();
    expectIdle();
    EXPECT_TRUE(panel->lines().empty());

    // Initialise opens the initialisation dialog in parameter mode; its Yes runs the procedure
    // for the robot chosen (its No: StepEditorCommands.StepInitializeAsksThroughTheDialog...).
    InitDialog& dialog = *screens.tinit;
    const std::size_t before = sim.received().size();
    editor().action("Parameter initialize")->trigger();
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.parameterMode());
    EXPECT_FALSE(editor().isEnabled());
    dialog.findChild<QComboBox*>("ComboBox1")->setCurrentText("31:MIVO-PC3");
    QTest::mouseClick(dialog.findChild<QPushButton*>("Yes"), Qt::LeftButton);
    expectIdle();
    EXPECT_GT(sim.received().size(), before + 41);  // the robot's set loaded and read back
    EXPECT_EQ(cell(6, ColInitial), "100.00");
    EXPECT_EQ(prompter.texts().back(), "Parameter initialize is completed");
}

// The pallet and offset editors compare their block with the controller's: exactly the items
// changed are listed, Send selected writes the ticked one alone (nothing once the number shown
// changed: the list is out of date), Take selected brings the other back as one undoable edit.
TEST_F(ParameterEditor, PalletAndOffsetCompareSendAndTake) {
    useSimulatorAs(1);
    pressStart();
    ASSERT_TRUE(link().isOnline());
    struct Case {
        const char* display;
        EditorFrame* editor;
        const char *grid, *numberField, *number;
        int memory, items;      // the block's first memory number, its item count
        int row[2], column[2];  // two cells changed, the second sent, the first taken
        QStringList lines;
        const char* written;
    } cases[] = {
        // clang-format off
        {"Pallet", dynamic_cast<EditorFrame*>(screens.tpalet), "PALGRID", "PalletNo", "3", PalletParameter(3, 0), 9, {0, 2}, {1, 0},
         {"pallet 3 Y1: editor \"-7.5\", controller \"2\"", "pallet 3 X3: editor \"-7.5\", controller \"6\""}, "@WRITE PRM 238,-7.5"},
        {"Offset", dynamic_cast<EditorFrame*>(screens.toffset), "OFFGRID", "PgmNo", "2", OffsetParameter(2, 0), 4, {0, 0}, {1, 3},
         {"offset 2 Y: editor \"-7.5\", controller \"2\"", "offset 2 R: editor \"-7.5\", controller \"4\""}, "@WRITE PRM 111,-7.5"},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.display);
        screens.tmmain->menuAction(c.display)->trigger();
        auto* number = c.editor->findChild<QLineEdit*>(c.numberField);
        number->setText(c.number);
        for (int i = 0; i < c.items; ++i)
            sim.parameters.values[static_cast<std::size_t>(c.memory + i)] = std::to_string(i + 1);
        prompter.answers = {true};
        c.editor->menuAction(QString(c.display) + " receive")->trigger();
        auto* grid = c.editor->findChild<QTableView*>(c.grid);
        QAbstractItemModel* model = grid->model();
        for (int k : {0, 1}) model->setData(model->index(c.row[k], c.column[k]), "-7.5");
        QAction* compare = c.editor->menuAction("Compare with controller");
        ASSERT_NE(compare, nullptr);
        const int gridWidth = grid->width();
        const int windowWidth = c.editor->width();
        compare->trigger();
        auto* panel = c.editor->findChild<ComparePanel*>("CompareDock");
        ASSERT_NE(panel, nullptr);
        // The fixed-size window widens by the panel: the grid keeps its room.
        QCoreApplication::processEvents();
        EXPECT_GE(grid->width(), gridWidth);
        EXPECT_EQ(panel->lines(), c.lines);
        auto* list = panel->findChild<QListWidget*>("CompareList");
        list->setCurrentRow(0);
        EXPECT_EQ(grid->currentIndex(), model->index(c.row[0], c.column[0]));

        // Another number shown: the list no longer holds, says so and sends nothing until
        // compared again.
        auto* send = panel->findChild<QPushButton*>("CompareSend");
        number->setText("4");
        EXPECT_TRUE(panel->outdated());
        EXPECT_FALSE(send->isEnabled());
        number->setText(c.number);
        compare->trigger();
        EXPECT_FALSE(panel->outdated());
        EXPECT_EQ(panel->lines(), c.lines);
        list->item(1)->setCheckState(Qt::Checked);
        const std::size_t before = sim.received().size();
        prompter.answers = {true};
        QTest::mouseClick(send, Qt::LeftButton);
        EXPECT_EQ(writesSince(before), std::vector<std::string>{c.written});
        EXPECT_EQ(panel->lines(), QStringList{c.lines[0]});

        list->item(0)->setCheckState(Qt::Checked);
        const int steps = c.editor->undoStack().index();
        QTest::mouseClick(panel->findChild<QPushButton*>("CompareTake"), Qt::LeftButton);
        EXPECT_EQ(model->index(c.row[0], c.column[0]).data().toString(), "2");
        EXPECT_TRUE(panel->lines().empty());
        EXPECT_EQ(c.editor->undoStack().index(), steps + 1);
        c.editor->undo();
        EXPECT_EQ(model->index(c.row[0], c.column[0]).data().toString(), "-7.5");
        // Off line nothing can be sent.
        c.editor->applyOnlineState(false);
        EXPECT_FALSE(panel->findChild<QPushButton*>("CompareSend")->isEnabled());
        c.editor->applyOnlineState(true);
        panel->close();
        EXPECT_EQ(c.editor->width(), windowWidth);
    }
}

}  // namespace
}  // namespace mivo::test
