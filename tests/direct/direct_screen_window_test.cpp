// The direct screen's window: its size and what stays in sight, and the received-information
// display, which follows its newest line.
#include <QApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "direct/direct_session.h"
#include "direct_fixture.h"

namespace mivo::test {
namespace {

// Larger than the screen it opens on (the offscreen one is 800 x 600): the screen is made to fit,
// its groups scroll, and STOP, MSTOP, RUN and the cycle times stay in sight. It grows beyond its
// written size as far as it is made (maximised), the display and the groups taking the room.
TEST_F(DirectScreen, FitsASmallScreenAndGrowsWithRunAndTheCycleTimesInSight) {
    screen().show();
    QApplication::processEvents();
    EXPECT_TRUE(screen().screen()->availableGeometry().contains(screen().frameGeometry()))
        << screen().frameGeometry().width() << "x" << screen().frameGeometry().height();
    auto* cycle = screen().findChild<QWidget*>("CycleTime");
    ASSERT_NE(cycle, nullptr);
    EXPECT_EQ(cycle->visibleRegion().boundingRect(), cycle->rect());
    for (const char* name : {"STOP", "MSTOP", "RUN"})
        EXPECT_EQ(button(name)->visibleRegion(), QRegion(button(name)->rect())) << name;
    EXPECT_TRUE(screen().windowFlags() & Qt::WindowMaximizeButtonHint);
    auto* text = screen().findChild<QPlainTextEdit*>("Memo1");
    const int shown = text->height();
    screen().resize(1600, 1000);
    QApplication::processEvents();
    EXPECT_EQ(screen().size(), QSize(1600, 1000));
    EXPECT_GT(text->height(), shown + 300);
    EXPECT_EQ(cycle->visibleRegion().boundingRect(), cycle->rect());
    QPushButton* lamp = button("DI15");
    QWidget* groups = lamp;
    while (groups && !qobject_cast<QScrollArea*>(groups)) groups = groups->parentWidget();
    ASSERT_NE(groups, nullptr);
    static_cast<QScrollArea*>(groups)->ensureWidgetVisible(lamp);
    EXPECT_FALSE(lamp->visibleRegion().isEmpty());
}

// The display shows its newest line as lines come, also after the stop's mark below it took
// some of its height (a line lost says that the stop is not confirmed), until the reader scrolls
// back; scrolled to the end again, it follows again.
TEST_F(DirectScreen, TheDisplayFollowsItsNewestLineUntilScrolledBack) {
    screen().show();
    auto* text = screen().findChild<QPlainTextEdit*>("Memo1");
    QScrollBar* bar = text->verticalScrollBar();
    int n = 0;
    const auto lines = [&](int count) {
        for (int i = 0; i < count; ++i) screen().append("@?NO " + std::to_string(n++));
        screen().displayText();
        QApplication::processEvents();
    };
    const auto atEnd = [&] { return bar->maximum() > 0 && bar->value() == bar->maximum(); };
    lines(100);
    EXPECT_TRUE(atEnd());
    screen().showStopState(StopState::Unconfirmed);
    QApplication::processEvents();
    lines(3);
    EXPECT_TRUE(atEnd());
    bar->setValue(bar->maximum() - 10);
    lines(3);
    EXPECT_FALSE(atEnd());
    bar->setValue(bar->maximum());
    lines(3);
    EXPECT_TRUE(atEnd());
    screen().showStopState(StopState::None);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "StopUnconfirmedMessage") w->close();
}

}  // namespace
}  // namespace mivo::test
