// The step editor on real widgets: edits through menus, keys and cells, undo and redo, files and
// the title, its window (size, tool bar, the path preview's dock) and the run traced in a window of
// its own beside the direct screen; the rules beneath have their own tests.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDockWidget>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

#include "direct/direct_screen.h"
#include "editor_fixture.h"
#include "steps/path_preview.h"
#include "steps/run_trace_window.h"

namespace mivo::test {
namespace {

using StepEditor = EditorFixture;

// The edit commands work on the selection (a row or a block) through menus, shortcuts and cells;
// each is one step of the undo history, and undo and redo restore every state exactly.
TEST_F(StepEditor, EditCommandsWorkOnTheSelectionAndUndoRestoresExactly) {
    setRow(3, {"SEQ", "800", "", "", "", "", "12", ""});
    setRow(10, {"POI", "000", "1", "2", "3", "0", "", "ten"});
    setRow(999, {"END", "000"});
    std::vector<StepTable> states{table()};
    auto recorded = [&] { states.push_back(table()); };

    selectSteps(10, 12);  // a block of three
    triggerMenu("Insert");
    recorded();
    triggerMenu("Delete");
    recorded();
    StepTable expected = states[0];
    expected[999].clear();  // pushed out by the insert, not brought back by the delete
    EXPECT_EQ(table(), expected);

    selectSteps(10, 10);
    QTest::keyClick(grid(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "POI,000,1,2,3,0,,ten,");
    selectSteps(20, 21);  // one row copied, two selected
    triggerMenu("Paste");
    EXPECT_EQ(
        prompter.messages,
        (Messages{{"notify", "Paste cannot be executed, because range is different", "Paste"}}));
    EXPECT_EQ(table(), expected);
    selectSteps(2, 2);
    triggerMenu("Paste");
    recorded();
    EXPECT_EQ(table()[2][FieldComment], "ten");
    selectSteps(2, 3);
    QTest::keyClick(grid(), Qt::Key_Delete);  // empties both steps, one edit
    recorded();
    // A Comment is stored as its Windows-1252 bytes and shown back as typed.
    const QString typed = QString::fromUtf8("\xE2\x82\xAC \xC3\xBC");  // the euro and u-umlaut
    grid()->model()->setData(grid()->model()->index(0, 8), typed);
    ASSERT_EQ(table()[0][FieldComment], "\x80 \xFC");
    EXPECT_EQ(grid()->model()->index(0, 8).data().toString(), typed);
    recorded();
    prompter.answers = {false, true};  // not saved; "Is new program written?" Yes
    triggerMenu("New programming");
    EXPECT_FALSE(editor->stepModified());
    recorded();

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
        EXPECT_TRUE(screens.flags->isSet(DataKind::Step));
    }
    EXPECT_EQ(grid()->model()->index(0, 1).data().toString(), "");  // the grid follows
}

// A circle step is one unit for the menus and the dialog: an insert that would part it is
// refused, naming both steps; Cut-off takes both its rows.
TEST_F(StepEditor, MenusAndTheDialogKeepTheTwoRowsOfACircleStepTogether) {
    setRow(5, {"CIR", "050", "1", "2", "3", "", "", "arc"});
    setRow(6, {"CIR", "050", "4", "5", "6", "7", "", "arc"});
    setRow(7, {"POI", "000", "1", "2", "3", "0", "", "after"});
    const StepTable whole = table();
    selectSteps(6, 8);
    triggerMenu("Insert");
    EXPECT_EQ(prompter.messages,
              (Messages{{"notify", "Steps 5 and 6 are one circle step: they cannot be separated",
                         "Insert"}}));
    EXPECT_EQ(table(), whole);
    selectSteps(5, 5);
    triggerMenu("Cut-off");
    StepTable afterPair;  // the pair gone, the step after it moved up
    afterPair[5] = whole[7];
    EXPECT_EQ(table(), afterPair);
    EXPECT_EQ(editor->fileLines(), (Texts{"CIR,050,1,2,3,,,arc,", "CIR,050,4,5,6,7,,arc,"}));

    // The command-entry dialog opened on the second row reads the pair and writes it back in
    // place, as one step of the undo history.
    table() = whole;
    editor->stepsChanged(0, kStepCount - 1);
    editor->setStepModified(false);
    doubleClickStep(6);
    EXPECT_FALSE(editor->stepModified());  // opening writes nothing
    EXPECT_FALSE(editor->isEnabled());
    expectOver(dialog, false);
    EXPECT_EQ(child<QComboBox>("SENTAKU")->currentText(), "3:CIR (circle motion)");
    EXPECT_EQ(child<QLineEdit>("comento")->text(), "arc");
    EXPECT_EQ(child<QLineEdit>("Yen3")->text(), "7");
    type("Xen3", "60");
    pressOk();
    StepTable rewritten = whole;
    rewritten[6][FieldZ] = "60";
    EXPECT_EQ(table(), rewritten);
    EXPECT_EQ(grid()->model()->index(6, 5).data().toString(), "60");
    editor->undo();
    EXPECT_EQ(table(), whole);
}

// Save and open through the file dialogs, the title naming the file.
TEST_F(StepEditor, SaveAndOpenThroughTheFileDialogs) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString title = "MIVO Editor [Main-Step]";
    setRow(0, {"POI", "050", "10.00", "20.00", "5.00", "0", "", "a,b"});
    setRow(999, {"END", "000"});
    editor->setStepModified(true);
    const StepTable saved = table();

    chooser.name = dir.filePath("prog");
    chooser.filter = 1;
    prompter.answers = {true};
    triggerMenu("Save");
    EXPECT_TRUE(QFile::exists(dir.filePath("prog.stp")));
    EXPECT_FALSE(editor->stepModified());
    EXPECT_EQ(prompter.messages.back(), (Message{"notify", "Saved", "Save"}));

    // Opening while modified asks first; No goes straight to the dialog.
    selectSteps(0, 0);
    triggerMenu("Insert");  // a change to undo, which the opened file makes meaningless
    prompter.messages.clear();
    prompter.answers = {false};
    triggerMenu("Open");
    EXPECT_EQ(prompter.messages, (Messages{{"ask", "Is step data saved?", "Step contents"},
                                           {"notify", "Completed", "Open"}}));
    EXPECT_EQ(table(), saved);
    EXPECT_FALSE(editor->stepModified());
    EXPECT_EQ(grid()->model()->index(0, 8).data().toString(), "a,b");
    EXPECT_EQ(editor->windowTitle(), title + " - prog.stp");
    // The open is undone like an edit; the flag follows the file's clean point both ways.
    triggerMenu("Undo");
    EXPECT_NE(table(), saved);
    EXPECT_EQ(editor->windowTitle(), title + " - prog.stp *");
    EXPECT_TRUE(screens.flags->isSet(DataKind::Step));
    triggerMenu("Redo");
    EXPECT_EQ(table(), saved);
    EXPECT_EQ(editor->windowTitle(), title + " - prog.stp");
    EXPECT_FALSE(screens.flags->isSet(DataKind::Step));

    prompter.answers = {true};  // "Is new program written?" Yes
    triggerMenu("New programming");
    EXPECT_EQ(editor->windowTitle(), title);
}

// A click in the grid upper-cases the commands, an edit like any other; keys reach the menus and
// the command-entry dialog.
TEST_F(StepEditor, ClicksAndKeysReachTheCommands) {
    setRow(1, {"poi", "000"});
    selectSteps(5, 5);
    EXPECT_EQ(table()[1][FieldCommand], "POI");
    EXPECT_TRUE(editor->stepModified());
    editor->setStepModified(false);

    QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(prompter.texts(), (Texts{"Data will be saved.  OK?", "Is new program written?"}));
    EXPECT_EQ(chooser.calls, 1);

    // A menu's mnemonic opens it and types nothing into the range box that has the focus.
    auto* jaku = editor->findChild<QLineEdit*>("jaku");
    jaku->setFocus();
    QTest::keyClick(jaku, Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(jaku->text(), "0");
    QMenu* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(open, nullptr);
    open->close();

    // Enter on a row opens the command-entry dialog for it, Enter in the comment confirms, and
    // the next row is current.
    grid()->setFocus();
    grid()->setCurrentIndex(grid()->model()->index(5, 1));
    QTest::keyClick(grid(), Qt::Key_Return);
    ASSERT_TRUE(dialog->isVisible());
    choose("comandolistPOI", "3:");
    QTest::keyClicks(child<QLineEdit>("comento"), "hello");
    QTest::keyClick(child<QLineEdit>("comento"), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(table()[5], (StepRow{"POI", "300", "", "", "", "", "", "hello"}));
    EXPECT_EQ(grid()->currentIndex().row(), 6);
}

// The window grows, the Comment column taking the room, and never shrinks below its written
// size; every tool-bar button fits and shows a picture. At a 12-point font, also one set while
// the editor is open, the values read whole and the Comment column takes what is left.
TEST_F(StepEditor, WindowGrowsAndItsToolBarShowsPictures) {
    QApplication::processEvents();
    auto* bar = editor->findChild<QToolBar*>("ToolBar1");
    for (QAction* a : bar->actions()) {
        QWidget* w = bar->widgetForAction(a);
        if (!w) continue;
        SCOPED_TRACE(a->toolTip().toStdString());
        EXPECT_TRUE(w->isVisible());
        if (qobject_cast<QToolButton*>(w)) {
            EXPECT_FALSE(a->icon().pixmap(24, 24).isNull());
        }
    }
    QHeaderView* header = grid()->horizontalHeader();
    const int xWidth = header->sectionSize(3);
    editor->resize(1000, 700);
    QApplication::processEvents();
    EXPECT_GT(grid()->height(), 500);
    EXPECT_EQ(header->sectionSize(3), xWidth);
    EXPECT_EQ(header->sectionPosition(8) + header->sectionSize(8), grid()->viewport()->width());
    editor->resize(300, 200);
    EXPECT_EQ(editor->size(), QSize(636, 488));

    const QFont font = QApplication::font();
    setRow(0, {"POI", "000", "-999.99", "100.00", "20.00", "", "", "pick"});
    QApplication::setFont(QFont(font.family(), 12));
    QApplication::processEvents();
    setRow(1, {"LIN", "400", "1.00", "2.00", "", "-360.00", "", ""});
    editor->resize(1000, 700);
    QApplication::processEvents();
    const QFontMetrics metrics(grid()->font());
    const int margins = 2 * (grid()->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) + 1;
    for (int c = 1; c <= 6; ++c)
        for (int step : {0, 1})
            EXPECT_GE(
                header->sectionSize(c),
                metrics.horizontalAdvance(QString::fromStdString(table()[step][c - 1])) + margins)
                << c;
    EXPECT_EQ(header->sectionPosition(8) + header->sectionSize(8), grid()->viewport()->width());
    QApplication::setFont(font);

    // The path preview takes a third of a wide window and keeps its share, and its width when
    // it shows again.
    editor->resize(1300, 700);
    editor->showPathPreview();
    QApplication::processEvents();
    auto* dock = editor->findChild<QDockWidget*>("PathDock");
    EXPECT_NEAR(dock->width(), 1300 / 3, 8);
    editor->resize(1050, 700);
    QApplication::processEvents();
    EXPECT_NEAR(dock->width(), 1050 / 3, 8);
    const int width = dock->width();
    dock->close();
    editor->showPathPreview();
    QApplication::processEvents();
    EXPECT_EQ(dock->width(), width);
}

// The direct screen's Display > "Path preview" opens the run trace beside it: a window that
// belongs to no other (the window manager keeps it above none of them), wholly on the screen.
// Each scan of the monitor moves the robot's marker and highlights the running step's piece of
// the path (a position that is no number hides the marker); while "Follow run" is ticked (at
// first) the running step's row is current in the window's list. The editor's grid stays put.
TEST_F(StepEditor, TheMonitoredRunIsTracedAndFollowedBesideTheDirectScreen) {
    setRow(0, {"POI", "000", "10.00", "20.00", "0.00"});
    setRow(1, {"LIN", "000", "50.00", "20.00", "0.00"});
    selectSteps(5, 5);
    auto* direct = static_cast<mivo::DirectScreen*>(screens.tdirect);
    editor->hide();
    direct->show();
    direct->findChild<QAction*>("MenuPathPreview")->trigger();
    RunTraceWindow* window = editor->runTrace();
    ASSERT_TRUE(window->isVisible());
    EXPECT_TRUE(direct->isVisible());
    EXPECT_EQ(window->parentWidget(), nullptr);
    EXPECT_EQ(window->windowHandle()->transientParent(), nullptr);
    const QRect area = window->screen()->availableGeometry();
    EXPECT_TRUE(area.contains(window->frameGeometry()));
    PathPreview* trace = window->preview();
    const auto colourAt = [trace](PathPoint p) {
        return trace->grab().toImage().pixelColor(trace->toView(p).toPoint());
    };
    auto* follow = window->findChild<QCheckBox*>("FollowRun");
    ASSERT_NE(follow, nullptr);
    EXPECT_TRUE(follow->isChecked());
    QTableView* list = window->steps();

    emit direct->monitorScanned("30.00", "20.00", "1");
    EXPECT_EQ(trace->robot(), (PathPoint{30, 20}));
    EXPECT_EQ(trace->selectedStep(), 1);
    const QColor marker = colourAt({30, 20}), piece = colourAt({45, 20});
    EXPECT_TRUE(marker.blue() > 200 && marker.red() < 60) << marker.name().toStdString();
    EXPECT_TRUE(piece.red() > 200 && piece.blue() < 60) << piece.name().toStdString();
    EXPECT_EQ(list->currentIndex().row(), 1);
    EXPECT_EQ(list->model()->index(1, 1).data().toString(), "LIN");

    emit direct->monitorScanned("abc", "20.00", "0");
    EXPECT_FALSE(trace->robot());
    EXPECT_EQ(trace->selectedStep(), 0);
    EXPECT_EQ(list->currentIndex().row(), 0);
    follow->click();
    emit direct->monitorScanned("50.00", "20.00", "1");
    EXPECT_EQ(trace->selectedStep(), 1);
    EXPECT_EQ(list->currentIndex().row(), 0);
    EXPECT_EQ(grid()->currentIndex().row(), 5);
}

}  // namespace
}  // namespace mivo::test
