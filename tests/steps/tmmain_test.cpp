// The step editor on real widgets: layout, on-line enabling, grid edits through the menus,
// undo and redo, files through the FileChooser seam.
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>

#include "editor_fixture.h"
#include "shell/line_switch.h"
#include "shell/tcom.h"
#include "shell/tselect.h"

namespace mivo::test {
namespace {

using Row = std::vector<std::string>;

Row RowOf(const StepTable& t, int step) {
    return Row(t[step].fields.begin(), t[step].fields.end());
}

class StepEditor : public EditorFixture {};

TEST_F(StepEditor, LayoutAndOnLineEnabling) {
    EXPECT_EQ(editor->windowTitle(), "MIVO Editor [Main-Step]");
    EXPECT_EQ(editor->size(), QSize(636, 488));
    EXPECT_EQ(editor->maximumSize(), QSize(700, 540));
    EXPECT_FALSE(editor->windowFlags() & Qt::WindowMaximizeButtonHint);

    auto* bar = editor->findChild<QToolBar*>();
    ASSERT_NE(bar, nullptr);
    QStringList hints;
    for (QAction* a : bar->actions())
        if (!a->toolTip().isEmpty() && bar->widgetForAction(a) &&
            qobject_cast<QToolButton*>(bar->widgetForAction(a)))
            hints << a->toolTip();
    EXPECT_EQ(hints,
              (QStringList{"New programming", "Open", "Save", "Print", "Step send", "Step receive",
                           "Step initialize", "Return to origin", "Operation execute", "Motor free",
                           "Initial screen move", "Error record display", "Program No. acquire"}));
    EXPECT_EQ(bar->widgetForAction(bar->actions().last()), editor->lineSwitch());
    EXPECT_EQ(editor->lineSwitch()->objectName(), "linemonitor");

    QStringList headers;
    for (int c = 0; c < 9; ++c)
        headers << grid()->model()->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headers, (QStringList{"Step No.", "Command", "Operation", "X", "Y", "Z", "R", "JUMP",
                                    "Comment"}));
    const int widths[] = {59, 80, 63, 54, 52, 55, 49, 44, 124};
    for (int c = 0; c < 9; ++c) EXPECT_EQ(grid()->columnWidth(c), widths[c]) << c;
    EXPECT_EQ(grid()->rowHeight(500), 18);
    EXPECT_EQ(grid()->model()->rowCount(), 1000);
    EXPECT_EQ(grid()->model()->index(0, 0).data().toString(), "0");
    EXPECT_EQ(grid()->model()->index(999, 0).data().toString(), "999");
    EXPECT_FALSE(grid()->model()->flags(grid()->model()->index(5, 0)) & Qt::ItemIsEditable);

    auto* jaku = editor->findChild<QLineEdit*>("jaku");
    auto* kyou = editor->findChild<QLineEdit*>("kyou");
    ASSERT_TRUE(jaku && kyou);
    EXPECT_EQ(jaku->text(), "0");
    EXPECT_EQ(kyou->text(), "999");
    EXPECT_EQ(jaku->maxLength(), 3);
    EXPECT_EQ(kyou->maxLength(), 3);
    auto* pgm = editor->findChild<QLabel*>("PgmNo");
    ASSERT_NE(pgm, nullptr);
    EXPECT_EQ(pgm->text(), "0");
    editor->setProgramNumber("3");
    EXPECT_EQ(pgm->text(), "3");

    const QStringList onlineButtons = {
        "Step send",  "Step receive",         "Return to origin", "Operation execute",
        "Motor free", "Error record display", "Step initialize",  "Program No. acquire"};
    const QStringList onlineItems = {
        "Error record display", "Step send",       "Step receive", "Step initialize",
        "Return to origin",     "Program execute", "Motor free"};
    auto expectOnline = [&](bool online) {
        for (const QString& h : onlineButtons)
            EXPECT_EQ(editor->action(h)->isEnabled(), online) << h.toStdString();
        for (const QString& t : onlineItems)
            EXPECT_EQ(editor->menuAction(t)->isEnabled(), online) << t.toStdString();
        EXPECT_EQ(editor->menuAction("COM set")->isEnabled(), !online);
        EXPECT_TRUE(editor->action("Open")->isEnabled());
        EXPECT_TRUE(editor->action("Initial screen move")->isEnabled());
    };
    expectOnline(false);
    emit link.onlineChanged(true);
    expectOnline(true);
    emit link.onlineChanged(false);
    expectOnline(false);
}

TEST_F(StepEditor, MenuItemsOfButtonsTriggerTheButton) {
    int runs = 0;
    QObject::connect(editor->action("Operation execute"), &QAction::triggered, [&] { ++runs; });
    emit link.onlineChanged(true);
    triggerMenu("Program execute");
    EXPECT_EQ(runs, 1);
    triggerMenu("End");  // "Initial screen move": back to the start screen
    EXPECT_FALSE(editor->isVisible());
}

TEST_F(StepEditor, ComSetAndEndReachTheirScreens) {
    Tcom com(screens);
    Tselect start(screens);
    screens.tcom = &com;
    screens.tselect = &start;
    triggerMenu("COM set");
    EXPECT_TRUE(com.isVisible());
    EXPECT_FALSE(editor->isEnabled());
    com.SetClick();
    EXPECT_TRUE(editor->isEnabled());

    triggerMenu("End");
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(start.isVisible());
    start.hide();
    editor->show();
    editor->close();  // closing is the same as End; the editor lives on
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(start.isVisible());
    screens.tcom = nullptr;
    screens.tselect = nullptr;
}

TEST_F(StepEditor, InsertAndDeleteRenumberJumps) {
    setRow(3, {"SEQ", "800", "", "", "", "", "12", ""});
    setRow(10, {"POI", "000", "1", "2", "3", "0", "", "ten"});
    setRow(20, {"SEQ", "800", "", "", "", "", "5", ""});
    setRow(999, {"END", "000"});
    const StepTable original = table();

    selectSteps(10, 10);
    triggerMenu("Insert");
    EXPECT_TRUE(editor->stepModified());
    EXPECT_EQ(table()[3][FieldJump], "13");
    EXPECT_EQ(table()[21][FieldJump], "5");
    EXPECT_TRUE(table()[10].empty());
    EXPECT_EQ(table()[11][FieldComment], "ten");
    EXPECT_TRUE(table()[999].empty());  // the former last step is gone
    EXPECT_EQ(grid()->model()->index(11, 8).data().toString(), "ten");

    triggerMenu("Delete");
    StepTable expected = original;
    expected[999].clear();
    EXPECT_EQ(table(), expected);

    selectSteps(10, 12);  // a block of three
    triggerMenu("Insert");
    EXPECT_EQ(table()[3][FieldJump], "15");
    EXPECT_EQ(table()[13][FieldComment], "ten");
    triggerMenu("Delete");
    EXPECT_EQ(table(), expected);
}

TEST_F(StepEditor, BadJumpStopsTheEditAndLeavesTheTable) {
    setRow(3, {"SEQ", "800", "", "", "", "", "x1", ""});
    setRow(8, {"POI", "000"});
    const StepTable original = table();
    for (const char* item : {"Insert", "Delete"}) {
        prompter.messages.clear();
        selectSteps(1, 1);
        triggerMenu(item);
        ASSERT_EQ(prompter.messages.size(), 1u) << item;
        EXPECT_EQ(prompter.messages[0].caption, item);
        EXPECT_NE(prompter.messages[0].text.find("'x1'"), std::string::npos);
        EXPECT_EQ(table(), original);
    }
    EXPECT_EQ(editor->undoStack().count(), 0);
}

TEST_F(StepEditor, CopyCutAndPasteThroughThePopUp) {
    setRow(5, {"POI", "050", "1", "2", "3", "0", "", "five"});
    setRow(6, {"SEQ", "800", "", "", "", "", "9", ""});
    setRow(7, {"END", "000"});

    selectSteps(5, 5);
    QTest::keyClick(grid(), Qt::Key_C, Qt::ControlModifier);  // the pop-up's shortcut
    EXPECT_EQ(editor->fileLines(), (std::vector<std::string>{"POI,050,1,2,3,0,,five,"}));
    EXPECT_EQ(QApplication::clipboard()->text(), "POI,050,1,2,3,0,,five,");
    selectSteps(2, 2);
    QTest::keyClick(grid(), Qt::Key_V, Qt::ControlModifier);  // a single row: inserted there
    EXPECT_EQ(RowOf(table(), 2), RowOf(table(), 6));
    EXPECT_EQ(table()[7][FieldJump], "10");  // the SEQ moved from 6 to 7 and its target too
    EXPECT_EQ(table()[8][FieldCommand], "END");

    selectSteps(6, 8);  // three rows copied
    triggerMenu("Copy");
    EXPECT_EQ(QApplication::clipboard()->text(), "END,000,,,,,,,");
    const StepTable before = table();
    selectSteps(20, 21);
    prompter.messages.clear();
    triggerMenu("Paste");
    EXPECT_EQ(prompter.messages,
              (std::vector<Message>{
                  {"notify", "Paste cannot be executed, because range is different", "Paste"}}));
    EXPECT_EQ(table(), before);

    selectSteps(20, 22);  // the same number of rows: overwritten in place
    triggerMenu("Paste");
    EXPECT_EQ(RowOf(table(), 20), RowOf(table(), 6));
    EXPECT_EQ(RowOf(table(), 22), RowOf(table(), 8));
    EXPECT_TRUE(table()[23].empty());

    selectSteps(6, 7);
    triggerMenu("Cut-off");
    EXPECT_EQ(table()[6][FieldCommand], "END");
    EXPECT_EQ(editor->fileLines().size(), 2u);
}

TEST_F(StepEditor, UndoAndRedoRestoreExactly) {
    setRow(0, {"POI", "000", "1", "2", "3", "0", "", "start"});
    setRow(4, {"SEQ", "800", "", "", "", "", "6", ""});
    std::vector<StepTable> states{table()};

    selectSteps(2, 2);
    triggerMenu("Insert");
    states.push_back(table());
    // An in-place cell edit through the grid's editor.
    const QModelIndex cell = grid()->model()->index(0, 8);
    grid()->setCurrentIndex(cell);
    grid()->edit(cell);
    auto* cellEditor = grid()->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(cellEditor, nullptr);
    cellEditor->setText("begin");
    QTest::keyClick(cellEditor, Qt::Key_Return);
    QApplication::processEvents();  // the delegate commits queued
    ASSERT_EQ(table()[0][FieldComment], "begin");
    states.push_back(table());
    doubleClickStep(9);  // prepares the row ("000"): a step of its own
    states.push_back(table());
    choose("SENTAKU", "5:");
    pressOk();
    states.push_back(table());
    selectSteps(0, 0);
    triggerMenu("Copy");
    triggerMenu("Paste");
    states.push_back(table());
    prompter.answers = {false, true};  // not saved; "Is new program written?" Yes
    triggerMenu("New programming");
    EXPECT_FALSE(editor->stepModified());
    states.push_back(table());

    for (std::size_t i = states.size() - 1; i > 0; --i) {
        editor->setStepModified(false);
        triggerMenu("Undo");
        EXPECT_EQ(table(), states[i - 1]) << "undo to state " << i - 1;
        EXPECT_TRUE(editor->stepModified());
    }
    EXPECT_FALSE(editor->menuAction("Undo")->isEnabled());
    for (std::size_t i = 1; i < states.size(); ++i) {
        editor->setStepModified(false);
        triggerMenu("Redo");
        EXPECT_EQ(table(), states[i]) << "redo to state " << i;
        EXPECT_TRUE(flags.isSet(DataKind::Step));
    }
    // What the grid shows follows the table.
    EXPECT_EQ(grid()->model()->index(0, 1).data().toString(), "");
}

TEST_F(StepEditor, SaveAndOpenThroughTheFileDialogs) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    setRow(0, {"POI", "050", "10.00", "20.00", "5.00", "0", "", "a,b"});
    setRow(999, {"END", "000"});
    editor->setStepModified(true);
    const StepTable saved = table();

    chooser.name = dir.filePath("prog");
    chooser.filter = 1;
    prompter.answers = {false};  // "Data will be saved.  OK?" No: no dialog
    triggerMenu("Save");
    EXPECT_EQ(chooser.calls, 0);
    prompter.answers = {true};
    triggerMenu("Save");
    EXPECT_TRUE(QFile::exists(dir.filePath("prog.stp")));
    EXPECT_FALSE(editor->stepModified());
    EXPECT_EQ(prompter.messages.back(), (Message{"notify", "Saved", "Save"}));

    prompter.answers = {true};
    triggerMenu("New programming");
    EXPECT_TRUE(table()[0].empty());
    EXPECT_GT(editor->undoStack().count(), 0);

    // Opening while modified asks first; No goes straight to the dialog.
    editor->setStepModified(true);
    prompter.messages.clear();
    prompter.answers = {false};
    chooser.name = dir.filePath("prog");
    triggerMenu("Open");
    EXPECT_EQ(prompter.messages,
              (std::vector<Message>{{"ask", "Is step data saved?", "Step contents"},
                                    {"notify", "Completed", "Open"}}));
    EXPECT_EQ(table(), saved);
    EXPECT_FALSE(editor->stepModified());
    EXPECT_EQ(editor->undoStack().count(), 0);
    EXPECT_EQ(grid()->model()->index(0, 8).data().toString(), "a,b");

    // A file that cannot be read leaves the table and StepModified as they were.
    editor->setStepModified(true);
    chooser.name = dir.filePath("missing.stp");
    triggerMenu("Open");
    EXPECT_TRUE(editor->stepModified());
    EXPECT_EQ(table(), saved);

    // The start screen's save: written, StepModified kept.
    chooser.name = dir.filePath("closing.csv");
    chooser.filter = 2;
    flags.runSaver(DataKind::Step);
    EXPECT_TRUE(QFile::exists(dir.filePath("closing.csv")));
    EXPECT_TRUE(editor->stepModified());
}

TEST_F(StepEditor, CellEditsRefuseWhatWindows1252CannotHold) {
    const QModelIndex cell = grid()->model()->index(2, 8);
    grid()->setCurrentIndex(cell);
    grid()->edit(cell);
    auto* cellEditor = grid()->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(cellEditor, nullptr);
    cellEditor->setText(QString::fromUtf8("ok \xE2\x98\x83"));  // a snowman
    QTest::keyClick(cellEditor, Qt::Key_Return);
    QApplication::processEvents();  // the delegate commits queued
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].caption, "Input");
    EXPECT_NE(prompter.messages[0].text.find("U+2603"), std::string::npos);
    EXPECT_EQ(table()[2][FieldComment], "");
    EXPECT_EQ(editor->undoStack().count(), 0);

    // Windows-1252 letters are stored as their bytes and shown back as typed.
    EXPECT_TRUE(grid()->model()->setData(cell, QString::fromUtf8("\xE2\x82\xAC \xC3\xBC")));
    EXPECT_EQ(table()[2][FieldComment], "\x80 \xFC");
    EXPECT_EQ(cell.data().toString(), QString::fromUtf8("\xE2\x82\xAC \xC3\xBC"));
}

TEST_F(StepEditor, ClicksAndKeysInTheGrid) {
    setRow(1, {"poi", "000"});
    setRow(2, {"Lin", "000"});
    selectSteps(5, 5);  // a click anywhere
    EXPECT_EQ(table()[1][FieldCommand], "POI");
    EXPECT_EQ(table()[2][FieldCommand], "LIN");
    EXPECT_FALSE(editor->stepModified());
    QTest::keyClick(grid(), Qt::Key_Down);
    EXPECT_TRUE(editor->stepModified());
    EXPECT_TRUE(flags.isSet(DataKind::Step));
}

}  // namespace
}  // namespace mivo::test
