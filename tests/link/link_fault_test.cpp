// The link when the line misbehaves: a stuck line, a hang-up, a port that cannot be opened.
#include <QSignalSpy>
#include <QTest>

#include "link/link_fixture.h"

namespace mivo::test {
namespace {

using LinkFault = LinkFixture;

TEST_F(LinkFault, EqualBytesWhileIdleReportOnceAndStayOnLine) {
    sim.faults.equalBytesWhenIdle = true;
    sim.faults.idleDelayMs = 10;
    QSignalSpy changed(&link, &TBuff::onlineChanged);
    EXPECT_EQ(main().request("@?NO"), "0");
    EXPECT_EQ(main().next(), "OK");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !prompter.messages.empty(); }, 2000));
    sim.faults.equalBytesWhenIdle = false;
    EXPECT_EQ(prompter.messages,
              (std::vector<Message>{{"notify", "Communication error occurs!  Make offline once",
                                     "Communication error"}}));
    EXPECT_TRUE(link.isOnline());
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(main().request("@?ORG"), "0");
    EXPECT_EQ(main().next(), "OK");
}

TEST_F(LinkFault, HangUpWhileWaitingGoesOfflineAndSaysWhichDevice) {
    ASSERT_TRUE(link.goDirectOnline());
    sim.faults.hangupAfter = 1;
    QSignalSpy changed(&link, &TBuff::onlineChanged);
    QSignalSpy directChanged(&link, &TBuff::directOnlineChanged);
    EXPECT_EQ(main().request("@?NO"), "0");
    EXPECT_EQ(main().next(), "OK");
    EXPECT_EQ(main().request("@?ORG"), "");
    EXPECT_FALSE(link.isOnline());
    EXPECT_FALSE(link.isDirectOnline());
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(directChanged.count(), 1);
    // Shown once the wait has unwound, not under it.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !prompter.messages.empty(); }, 2000));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].caption, "Communication error");
    EXPECT_NE(prompter.messages[0].text.find(pty.devicePath().toStdString()), std::string::npos)
        << prompter.messages[0].text;
    EXPECT_EQ(link.directChannel().request("@?NO"), "");
}

TEST(LinkOpen, FailureShowsOneMessageNamingTheDeviceAndStaysOffline) {
    SimController sim;
    SimPty pty(sim);
    ASSERT_TRUE(pty.open());
    TBuff holder;  // holds the pseudo-terminal, so a second link finds it busy
    holder.setDeviceForPort(1, pty.devicePath());
    ASSERT_TRUE(holder.goOnline());

    struct Row {
        QString device;
        std::string reason;
    };
    const std::vector<Row> rows = {
        {"/dev/mivo-no-such-port", "no such device"},
        {pty.devicePath(), "busy"},
    };
    for (const Row& row : rows) {
        ScriptedPrompter prompter;
        TBuff link;
        link.setPrompter(&prompter);
        link.setDeviceForPort(4, row.device);
        link.setPortNumberSource([] { return 4; });
        QSignalSpy changed(&link, &TBuff::onlineChanged);
        EXPECT_FALSE(link.goOnline());
        EXPECT_FALSE(link.isOnline());
        EXPECT_EQ(changed.count(), 0);
        EXPECT_EQ(prompter.messages,
                  (std::vector<Message>{{"notify", "Port cannot be open", "Circuit open"}}));
        ASSERT_EQ(prompter.details.size(), 1u);
        EXPECT_NE(prompter.details[0].find(row.device.toStdString()), std::string::npos);
        EXPECT_NE(prompter.details[0].find(row.reason), std::string::npos) << prompter.details[0];
    }
}

TEST(LinkOpen, ReadsThePortNumberAtEveryOpen) {
    SimController sim;
    SimPty pty(sim);
    ASSERT_TRUE(pty.open());
    ScriptedPrompter prompter;
    TBuff link;
    link.setPrompter(&prompter);
    int chosen = 3;
    link.setPortNumberSource([&] { return chosen; });
    link.setDeviceForPort(2, pty.devicePath());
    EXPECT_EQ(link.deviceForPort(3), "/dev/ttyS2");
    link.setDeviceForPort(3, "/dev/mivo-no-such-port");
    EXPECT_FALSE(link.goOnline());
    chosen = 2;
    ASSERT_TRUE(link.goOnline());
    EXPECT_EQ(link.mainChannel().request("@?Ver 0"), "V1.20");
    EXPECT_EQ(prompter.messages.size(), 1u);
}

}  // namespace
}  // namespace mivo::test
