// Help > "Keyboard": every window's keys, read from the windows themselves; and the step grid's
// Enter, which opens a step's command-entry dialog unless a cell is being edited.
#include "shell/keyboard_map.h"

#include <QAction>
#include <QClipboard>
#include <QTableView>

#include "steps/editor_fixture.h"

namespace mivo::test {
namespace {

using KeyboardMapTest = EditorFixture;

// Help > "Keyboard".
KeyboardMap* OpenMap(StepEditor* editor) {
    QAction* item = editor->menuAction("Keyboard");
    EXPECT_NE(item, nullptr);
    if (!item) return nullptr;
    item->trigger();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "KeyboardMap" && w->isVisible())
            return qobject_cast<KeyboardMap*>(w);
    return nullptr;
}

// The rows a reader looks for, each a line of the copied text.
TEST_F(KeyboardMapTest, ListsTheMenusKeysThePopUpsTheStopKeyAndTheGridKeys) {
    KeyboardMap* map = OpenMap(editor);
    ASSERT_NE(map, nullptr);
    const QString text = map->text();
    const QString steps = "MIVO Editor [Main-Step]\t";
    const QString rows[] = {
        steps + "File > Save\t" +
            QKeySequence(QKeySequence::Save).toString(QKeySequence::NativeText),
        steps + "Edit > Redo\tCtrl+Y, Ctrl+Shift+Z",
        steps + "Edit > Check program\tCtrl+K",
        steps + "Grid pop-up menu > Paste\tCtrl+V",
        steps + "Grid: open the step's command-entry dialog\tReturn",
        steps + "Grid: move the current cell\tUp, Down, Left, Right, Home, End, PgUp, PgDown",
        "MIVO Editor [direct]\tSTOP (stop command)\tEsc",
        "MIVO Editor [Teach]\tSTOP (stop command)\tEsc",
        "MIVO Editor [Parameter]\tEdit > Undo\tCtrl+Z",
    };
    for (const QString& row : rows) EXPECT_TRUE(text.contains(row + '\n')) << row.toStdString();
    EXPECT_TRUE(text.startsWith("Window\tCommand\tKeys\n"));
    // The key is read from the action: a key given now is listed at the next showing.
    editor->menuAction("Insert")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    map->hide();
    map = OpenMap(editor);
    ASSERT_NE(map, nullptr);
    EXPECT_TRUE(map->text().contains(steps + "Edit > Insert\tCtrl+I\n"));
    // Copy puts the selected rows on the clipboard.
    auto* table = map->findChild<QTableView*>("KeyboardTable");
    table->selectRow(0);
    map->findChild<QPushButton*>("CopyKeys")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text().count('\n'), 2);
    map->close();
}

// Enter on a cell opens the step's dialog, as a double-click does; Enter that ends an in-place
// edit keeps the edit and opens nothing.
TEST_F(KeyboardMapTest, EnterOnAStepOpensItsDialogAndEndsAnEditInPlace) {
    struct Case {
        const char* what;
        bool editFirst;
        bool dialogOpens;
    };
    const Case cases[] = {{"on a cell", false, true}, {"ending an edit", true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        grid()->setFocus();
        grid()->setCurrentIndex(grid()->model()->index(5, 8));
        if (c.editFirst) {
            QTest::keyClick(grid(), Qt::Key_N);  // opens the cell's editor with it
            QCoreApplication::processEvents();
            QTest::keyClicks(QApplication::focusWidget(), "ote");
        }
        QWidget* target = c.editFirst ? QApplication::focusWidget() : grid();
        QTest::keyClick(target, Qt::Key_Return);
        QCoreApplication::processEvents();  // the edit is committed from the event queue
        EXPECT_EQ(dialog->isVisible(), c.dialogOpens);
        if (c.editFirst) {
            EXPECT_EQ(table()[5][7], "note");
        }
        if (dialog->isVisible()) {
            QTest::keyClick(dialog, Qt::Key_Escape);
            ASSERT_FALSE(dialog->isVisible());
        }
    }
}

}  // namespace
}  // namespace mivo::test
