// Every control of every window the program makes can be named by a screen reader, and the
// direct screen's lamps tell their state in text as well as in colour.
#include <QAccessible>
#include <QApplication>

#include "direct/direct_panel.h"
#include "shell/assistive_names.h"
#include "shell/communication_log.h"
#include "shell/shell_fixture.h"
#include "steps/step_editor.h"

namespace mivo::test {
namespace {

using Accessibility = ShellFixture;

QString Told(QWidget* w, QAccessible::Text which) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(which).trimmed() : QString();
}

// Shown or not, every window and every control in it: none without a name.
TEST_F(Accessibility, EveryControlOfEveryWindowHasAName) {
    std::vector<std::string> unnamed;
    int controls = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->windowType() != Qt::Window && window->windowType() != Qt::Dialog) continue;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!IsInteractiveControl(w)) continue;
            ++controls;
            if (Told(w, QAccessible::Name).isEmpty())
                unnamed.push_back(window->objectName().toStdString() + ": " +
                                  w->metaObject()->className() + " " +
                                  w->objectName().toStdString());
        }
    }
    EXPECT_GT(controls, 200);
    EXPECT_EQ(unnamed, std::vector<std::string>{});
}

// The controls the pass names from their surroundings, and one Qt names from its caption.
TEST_F(Accessibility, NamesComeFromTheControlsLabelsAndHints) {
    struct Case {
        QWidget* window;
        const char* control;
        const char* name;
    };
    const Case cases[] = {
        {screens.tdirect, "Xposi", "X Position"},  // the label above, in a grid
        {screens.tdirect, "GOTX", "Step"},         // the label before, in a grid row
        {screens.tdirect, "RUN", "RUN"},           // its own caption
        {screens.tdirect, "DO3", "DO 3"},          // a lamp
        {screens.tdirect, "STOP", "STOP"},         // without its key
        {screens.tmmain, "kyou", "Send/Receive Range, last step"},  // its own
        {screens.tprint, "Edit2", "Specify printing range, to"},    // after a dash
        {screens.commlog, "LogText", "Communication log"},          // the window's title
    };
    for (const Case& c : cases) {
        auto* w = c.window->findChild<QWidget*>(c.control);
        ASSERT_NE(w, nullptr) << c.control;
        EXPECT_EQ(Told(w, QAccessible::Name).toStdString(), c.name) << c.control;
    }
}

// A lamp says its state in its mark and its description, whatever its colour; the monitor's
// changes are told as they come.
TEST_F(Accessibility, LampsTellTheirStateInText) {
    auto* direct = static_cast<DirectScreen*>(screens.tdirect);
    struct Case {
        const char* what;
        std::function<void()> act;
        const char* description;
        const char* caption;
    };
    const Case cases[] = {
        {"not read yet", [] {}, "DO 3 output, state: Not read", "DO 3"},
        {"on", [&] { direct->showIo(IoBank::Output, 3, true); }, "DO 3 output, state: On",
         "\u25CF DO 3"},
        {"off", [&] { direct->showIo(IoBank::Output, 3, false); }, "DO 3 output, state: Off",
         "\u25CB DO 3"},
        {"off, not current", [&] { direct->showIoNotCurrent(IoBank::Output, 3); },
         "DO 3 output, state: Off, not current", "\u25CB DO 3"},
        {"unknown again", [&] { direct->showIoUnknown(); }, "DO 3 output, state: Not read", "DO 3"},
    };
    auto* lamp = direct->findChild<DirectPanel*>("DO3");
    ASSERT_NE(lamp, nullptr);
    for (const Case& c : cases) {
        c.act();
        EXPECT_EQ(Told(lamp, QAccessible::Description).toStdString(), c.description) << c.what;
        EXPECT_EQ(lamp->shownText().toStdString(), c.caption) << c.what;
    }
    // Every lamp, inputs too.
    int lamps = 0;
    for (DirectPanel* p : direct->findChildren<DirectPanel*>()) {
        const QString name = p->objectName();
        if (!name.startsWith("DO") && !name.startsWith("DI")) continue;
        ++lamps;
        EXPECT_TRUE(Told(p, QAccessible::Description).endsWith("Not read")) << name.toStdString();
    }
    EXPECT_EQ(lamps, 32);
    direct->showIo(IoBank::Input, 15, true);
    EXPECT_EQ(Told(direct->findChild<QWidget*>("DI15"), QAccessible::Description).toStdString(),
              "START signal state: On");
}

// The stop's state is a notification to a screen reader, named as it reads, so that it is said as
// it shows (and shown anew at each change) wherever the user is. (The events themselves reach no
// handler on the offscreen platform, which has no accessibility bridge.)
TEST_F(Accessibility, TheStopsStateIsANotificationNamedAsItReads) {
    auto* direct = static_cast<DirectScreen*>(screens.tdirect);
    auto* mark = direct->findChild<QWidget*>("StopState");
    ASSERT_NE(mark, nullptr);
    for (const auto& [state, said] :
         {std::pair{StopState::Stopping, "Stopping…"}, std::pair{StopState::Stopped, "Stopped"}}) {
        direct->showStopState(state);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(mark);
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->role(), QAccessible::Notification);
        EXPECT_EQ(face->text(QAccessible::Name).toStdString(), said);
    }
}

// The editors' grids are tables to a screen reader: their titles and each cell's text, as shown.
TEST_F(Accessibility, GridsTellTheirCells) {
    auto* steps = static_cast<StepEditor*>(screens.tmmain);
    steps->table()[2][FieldCommand] = "POI";
    steps->table()[2][FieldX] = "12.50";
    steps->tableReplaced();
    struct Case {
        QWidget* window;
        const char* grid;
        int row, column;
        const char* title;  // the column's
        const char* text;
    };
    const Case cases[] = {
        {screens.tmmain, "STEPGRID", 2, 1, "Command", "POI"},
        {screens.tmmain, "STEPGRID", 2, 3, "X", "12.50"},
        {screens.tparameter, "PRMGRID", 0, 0, "Prm No.", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.grid);
        QAccessibleInterface* grid =
            QAccessible::queryAccessibleInterface(c.window->findChild<QWidget*>(c.grid));
        ASSERT_TRUE(grid && grid->tableInterface());
        QAccessibleInterface* cell = grid->tableInterface()->cellAt(c.row, c.column);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->text(QAccessible::Name).toStdString(), c.text);
        EXPECT_EQ(grid->tableInterface()->columnDescription(c.column).toStdString(), c.title);
    }
}

}  // namespace
}  // namespace mivo::test
