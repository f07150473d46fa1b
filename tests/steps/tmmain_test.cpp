// The step editor on real widgets: grid edits through the menus, undo and redo, files through
// the FileChooser seam.
#include <QApplication>
#include <QClipboard>
#include <QTemporaryDir>
#include <QUndoStack>

#include "editor_fixture.h"

namespace mivo::test {
namespace {

class StepEditor : public EditorFixture {};

// The edit commands work on the grid's selection (a row or a block), through the menus and the
// pop-up's shortcuts; the renumbering rules themselves are step_edit's.
TEST_F(StepEditor, EditCommandsWorkOnTheSelection) {
    setRow(3, {"SEQ", "800", "", "", "", "", "12", ""});
    setRow(10, {"POI", "000", "1", "2", "3", "0", "", "ten"});
    setRow(999, {"END", "000"});
    StepTable expected = table();
    expected[999].clear();  // pushed out by the insert, not brought back by the delete

    selectSteps(10, 12);  // a block of three
    triggerMenu("Insert");
    EXPECT_TRUE(editor->stepModified());
    EXPECT_EQ(table()[3][FieldJump], "15");
    EXPECT_EQ(grid()->model()->index(13, 8).data().toString(), "ten");
    triggerMenu("Delete");
    EXPECT_EQ(table(), expected);

    selectSteps(10, 10);
    QTest::keyClick(grid(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "POI,000,1,2,3,0,,ten,");
    selectSteps(20, 21);  // one row copied, two selected
    triggerMenu("Paste");
    EXPECT_EQ(prompter.messages,
              (std::vector<Message>{
                  {"notify", "Paste cannot be executed, because range is different", "Paste"}}));
    EXPECT_EQ(table(), expected);
    selectSteps(10, 10);
    triggerMenu("Cut-off");
    EXPECT_EQ(editor->fileLines(), (std::vector<std::string>{"POI,000,1,2,3,0,,ten,"}));
    EXPECT_TRUE(table()[10].empty());

    // A bad JUMP stops the edit with the step named; nothing moves, nothing is recorded.
    setRow(3, {"SEQ", "800", "", "", "", "", "x1", ""});
    const StepTable before = table();
    const int recorded = editor->undoStack().count();
    prompter.messages.clear();
    selectSteps(1, 1);
    triggerMenu("Delete");
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].caption, "Delete");
    EXPECT_NE(prompter.messages[0].text.find("'x1'"), std::string::npos);
    EXPECT_EQ(table(), before);
    EXPECT_EQ(editor->undoStack().count(), recorded);
}

// A circle step is one unit for every edit: Copy, Cut-off and Delete take both its rows; an
// insert or a paste that would land between them is refused, naming the steps.
TEST_F(StepEditor, EditsKeepTheTwoRowsOfACircleStepTogether) {
    const StepRow first = [] {
        StepRow r;
        r.fields = {"CIR", "050", "1", "2", "3", "", "", "arc"};
        return r;
    }();
    const StepRow second = [] {
        StepRow r;
        r.fields = {"CIR", "050", "4", "5", "6", "7", "", "arc"};
        return r;
    }();
    const std::vector<std::string> pairLines = {"CIR,050,1,2,3,,,arc,", "CIR,050,4,5,6,7,,arc,"};
    const char* const kParted = "Steps 5 and 6 are one circle step: they cannot be separated";
    struct Case {
        const char* command;
        int first, last;
        const char* refusedCaption;  // nullptr: done
        int pairAt;                  // where the pair stands afterwards; -1: gone
        int copyAt = -1;             // where a pasted copy of it stands
        bool copied = false;         // the clipboard lines hold the whole pair
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"Insert", 6, 6, "Insert", 5},
        {"Insert", 6, 8, "Insert", 5},
        {"Insert", 5, 5, nullptr, 6},
        {"Delete", 6, 6, nullptr, -1},
        {"Delete", 4, 5, nullptr, -1},
        {"Copy", 6, 6, nullptr, 5, -1, true},
        {"Cut-off", 5, 5, nullptr, -1, -1, true},
        {"Paste", 6, 6, "Paste", 5},
        {"Paste", 6, 7, "Paste", 5},
        {"Paste", 4, 5, "Paste", 5},
        {"Paste", 12, 12, nullptr, 5, 12},
        {"Paste", 5, 6, nullptr, 5, 5},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " " + std::to_string(c.first) + "-" +
                     std::to_string(c.last));
        table().clear();
        table()[5] = first;
        table()[6] = second;
        setRow(7, {"POI", "000", "1", "2", "3", "0", "", "after"});
        editor->stepsChanged(0, kStepCount - 1);
        editor->fileLines() = pairLines;
        const StepTable before = table();
        prompter.messages.clear();
        selectSteps(c.first, c.last);
        triggerMenu(c.command);
        if (c.refusedCaption) {
            EXPECT_EQ(prompter.messages,
                      (std::vector<Message>{{"notify", kParted, c.refusedCaption}}));
            EXPECT_EQ(table(), before);
            continue;
        }
        EXPECT_TRUE(prompter.messages.empty()) << prompter.messages.front().text;
        if (c.copied) {
            EXPECT_EQ(editor->fileLines(), pairLines);
        }
        int circleRows = 0;
        for (int s = 0; s < kStepCount; ++s) circleRows += table()[s][FieldCommand] == "CIR";
        EXPECT_EQ(circleRows, (c.pairAt >= 0) * 2 + (c.copyAt >= 0 && c.copyAt != c.pairAt) * 2);
        if (c.pairAt >= 0) {
            EXPECT_EQ(table()[c.pairAt], first);
            EXPECT_EQ(table()[c.pairAt + 1], second);
        }
        if (c.copyAt >= 0) {
            EXPECT_EQ(table()[c.copyAt], first);
            EXPECT_EQ(table()[c.copyAt + 1], second);
        }
    }
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

    // Opening while modified asks first; No goes straight to the dialog.
    selectSteps(0, 0);
    triggerMenu("Insert");  // a change to undo, which the opened file makes meaningless
    ASSERT_GT(editor->undoStack().count(), 0);
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

// Typed or pasted into a cell: a comma, line break or NUL outside the comment is refused and
// the cell keeps its text; the comment keeps its commas.
TEST_F(StepEditor, CellEditsRefuseFieldSeparatorsOutsideTheComment) {
    struct Case {
        int column;
        QString text;
        const char* message;  // nullptr: taken
    };
    const Case cases[] = {
        {3, "12,5", "A comma cannot be inputted in X"},
        {7, "1\n2", "A line break cannot be inputted in JUMP"},
        {1, "POI,", "A comma cannot be inputted in Command"},
        {8, QString("x") + QChar(0), "A NUL character cannot be inputted in Comment"},
        {8, "left, right", nullptr},
    };
    setRow(4, {"POI", "000", "1", "2", "3", "0", "", "old"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.column);
        const StepRow before = table()[4];
        prompter.messages.clear();
        const QModelIndex cell = grid()->model()->index(4, c.column);
        const QString shown = cell.data().toString();
        // The cell editor of the case before goes first.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        grid()->setCurrentIndex(cell);
        grid()->edit(cell);
        auto* cellEditor = grid()->viewport()->findChild<QLineEdit*>();
        ASSERT_NE(cellEditor, nullptr);
        cellEditor->setText(c.text);
        QTest::keyClick(cellEditor, Qt::Key_Return);
        QApplication::processEvents();  // the delegate commits queued
        if (!c.message) {
            EXPECT_TRUE(prompter.messages.empty());
            EXPECT_EQ(table()[4][c.column - 1], c.text.toStdString());
            continue;
        }
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(prompter.messages[0], (Message{"notify", c.message, "Input"}));
        EXPECT_EQ(table()[4], before);
        EXPECT_EQ(cell.data().toString(), shown);
    }
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
