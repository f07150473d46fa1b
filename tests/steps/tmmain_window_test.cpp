// The step editor's window as a user at a desk or on the floor meets it: a window that grows,
// a tool bar with pictures, the keyboard, and a title that names the file.
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>

#include "editor_fixture.h"

namespace mivo::test {
namespace {

class StepEditorWindow : public EditorFixture {};

// The written size is where it opens and the least it takes; the grid and its Comment column
// take what the user gives the window.
TEST_F(StepEditorWindow, GrowsWithTheGridAndTheCommentColumn) {
    EXPECT_EQ(editor->size(), QSize(636, 488));
    EXPECT_TRUE(editor->windowFlags() & Qt::WindowMaximizeButtonHint);
    // Every button and the line switch fit; none is pushed out of the tool bar.
    QApplication::processEvents();
    auto* bar = editor->findChild<QToolBar*>("ToolBar1");
    for (QAction* a : bar->actions()) {
        if (QWidget* w = bar->widgetForAction(a)) {
            EXPECT_TRUE(w->isVisible()) << a->toolTip().toStdString();
        }
    }
    QHeaderView* header = grid()->horizontalHeader();
    const int commentBefore = header->sectionSize(8);
    const int xBefore = header->sectionSize(3);

    editor->resize(1000, 700);
    QApplication::processEvents();
    EXPECT_EQ(editor->size(), QSize(1000, 700));
    EXPECT_GT(grid()->height(), 500);
    EXPECT_GE(header->sectionSize(8), commentBefore + 300);
    EXPECT_EQ(header->sectionSize(3), xBefore);
    EXPECT_EQ(header->sectionPosition(8) + header->sectionSize(8), grid()->viewport()->width());

    editor->resize(300, 200);
    EXPECT_EQ(editor->size(), QSize(636, 488));
}

// Each button shows a picture, whatever the desktop's icon theme holds; the hints stay, and a
// one-word hint stands beside its picture.
TEST_F(StepEditorWindow, ToolBarButtonsShowPicturesAndKeepTheirHints) {
    const std::vector<QString> hints = {"New programming",
                                        "Open",
                                        "Save",
                                        "Print",
                                        "Step send",
                                        "Step receive",
                                        "Step initialize",
                                        "Return to origin",
                                        "Operation execute",
                                        "Motor free",
                                        "Initial screen move",
                                        "Error record display",
                                        "Program No. acquire"};
    auto* bar = editor->findChild<QToolBar*>("ToolBar1");
    ASSERT_NE(bar, nullptr);
    for (const QString& hint : hints) {
        SCOPED_TRACE(hint.toStdString());
        QAction* a = editor->action(hint);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->toolTip(), hint);
        EXPECT_FALSE(a->icon().pixmap(24, 24).isNull());
        auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(a));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->toolButtonStyle(),
                  hint.contains(' ') ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
    }
}

TEST_F(StepEditorWindow, KeyboardReachesTheCommands) {
    // The file commands by their usual keys.
    QTest::keyClick(editor.get(), Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(editor.get(), Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(editor.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{"Data will be saved.  OK?", "Is new program written?"}));
    EXPECT_EQ(chooser.calls, 1);

    // A menu's mnemonic opens it and types nothing into the range box that has the focus.
    auto* jaku = editor->findChild<QLineEdit*>("jaku");
    jaku->setFocus();
    QTest::keyClick(jaku, Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(jaku->text(), "0");
    QMenu* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->title().remove('&'), "Communication");
    open->close();

    // Enter on a row opens the command-entry dialog for it; after OK the next row is current.
    grid()->setFocus();
    grid()->setCurrentIndex(grid()->model()->index(5, 1));
    QTest::keyClick(grid(), Qt::Key_Return);
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->step(), 5);
    choose("comandolistPOI", "3:");
    pressOk();
    EXPECT_EQ(table()[5][FieldOperation], "300");
    EXPECT_EQ(grid()->currentIndex().row(), 6);
}

TEST_F(StepEditorWindow, TitleNamesTheFileAndItsModifiedState) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString caption = "MIVO Editor [Main-Step]";
    EXPECT_EQ(editor->windowTitle(), caption);
    setRow(0, {"END", "000"});
    editor->setStepModified(true);
    EXPECT_EQ(editor->windowTitle(), caption + " *");

    chooser.name = dir.filePath("pick");
    prompter.answers = {true};
    triggerMenu("Save");
    EXPECT_EQ(editor->windowTitle(), caption + " - pick.stp");
    QTest::keyClick(grid(), Qt::Key_Down);  // a key in the grid counts as a change
    EXPECT_EQ(editor->windowTitle(), caption + " - pick.stp *");

    prompter.answers = {false};  // not saved first
    chooser.name = dir.filePath("missing.stp");
    triggerMenu("Open");  // cannot be read: nothing changes
    EXPECT_EQ(editor->windowTitle(), caption + " - pick.stp *");
    chooser.name = dir.filePath("pick.stp");
    prompter.answers = {false};
    triggerMenu("Open");
    EXPECT_EQ(editor->windowTitle(), caption + " - pick.stp");

    prompter.answers = {true};  // "Is new program written?"
    triggerMenu("New programming");
    EXPECT_EQ(editor->windowTitle(), caption);
}

}  // namespace
}  // namespace mivo::test
