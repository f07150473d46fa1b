// Tab walks every window's controls in the order a reader of the window meets them.
#include <QApplication>
#include <QPointer>

#include "shell/assistive_names.h"
#include "shell/shell_fixture.h"

namespace mivo::test {
namespace {

using TabOrder = ShellFixture;

// The window's controls Tab reaches, in the order it reaches them.
std::vector<QWidget*> TabChain(QWidget* window) {
    std::vector<QWidget*> chain;
    for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain())
        if (w->isVisibleTo(window) && (w->focusPolicy() & Qt::TabFocus) &&
            IsInteractiveControl(w) && w->window() == window)
            chain.push_back(w);
    return chain;
}

TEST_F(TabOrder, EveryWindowIsWalkedTopToBottomAndLeftToRight) {
    std::vector<std::string> back;
    std::size_t steps = 0;
    // Windows an earlier test left to be deleted go first; one may go while another shows.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::vector<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) windows.emplace_back(w);
    for (QWidget* window : windows) {
        if (!window) continue;
        if (window->windowType() != Qt::Window && window->windowType() != Qt::Dialog) continue;
        window->show();
        QApplication::processEvents();
        const auto chain = TabChain(window);
        for (std::size_t i = 1; i < chain.size(); ++i, ++steps) {
            const QRect from(chain[i - 1]->mapTo(window, QPoint()), chain[i - 1]->size());
            const QRect to(chain[i]->mapTo(window, QPoint()), chain[i]->size());
            // Against the reading order: back up, unless to a column of its own on the right;
            // or back to the left on the same line.
            const bool up = to.bottom() < from.top() && to.left() <= from.right();
            const bool sameLine = to.top() <= from.bottom() && from.top() <= to.bottom();
            if (up || (sameLine && to.right() < from.left()))
                back.push_back(window->objectName().toStdString() + ": " +
                               chain[i - 1]->objectName().toStdString() + " -> " +
                               chain[i]->objectName().toStdString());
        }
        window->hide();
    }
    EXPECT_GT(steps, 100u);
    EXPECT_EQ(back, std::vector<std::string>{});
}

}  // namespace
}  // namespace mivo::test
