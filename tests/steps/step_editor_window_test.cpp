// The step editor's window (its size, tool bar, the path preview's dock) and the run traced in a
// window of its own beside the direct screen.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDockWidget>
#include <QHeaderView>
#include <QScreen>
#include <QTableView>
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
