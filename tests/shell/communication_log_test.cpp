// The communication log window through the editors' Display menu, over the real link.
#include "shell/communication_log.h"

#include <QAction>
#include <QPlainTextEdit>

#include "shell/editor_frame.h"
#include "shell_fixture.h"

namespace mivo::test {
namespace {

using CommunicationLogWindow = ShellFixture;

TEST_F(CommunicationLogWindow, ShowsBothWaysAsTheyPassBoundedAndClearable) {
    useSimulatorAs(1);
    pressStart();
    ASSERT_TRUE(link().isOnline());
    QAction* item = screens.tmmain->menuAction("Communication log");
    ASSERT_NE(item, nullptr);
    item->trigger();
    ASSERT_TRUE(screens.commlog->isVisible());
    EXPECT_TRUE(screens.tmmain->isVisible());  // a tool window beside the editor

    EXPECT_EQ(link().mainChannel().request("@?NO"), "0");
    EXPECT_EQ(link().mainChannel().next(), "OK");
    const QStringList lines = screens.commlog->text().split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].endsWith("main    > @?NO")) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].endsWith("main    < 0")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].endsWith("main    < OK")) << lines[2].toStdString();

    // Past its bound the oldest lines go.
    for (int i = 0; i < CommunicationLog::kMaxLines; ++i)
        emit link().traffic(true, false, QByteArray::number(i));
    const QStringList full = screens.commlog->text().split('\n');
    EXPECT_EQ(full.size(), CommunicationLog::kMaxLines);
    EXPECT_TRUE(full.front().endsWith("direct  < 0")) << full.front().toStdString();

    click(screens.commlog->findChild<QPushButton*>("Clear"));
    EXPECT_TRUE(screens.commlog->text().isEmpty());
}

}  // namespace
}  // namespace mivo::test
