// The link when the line misbehaves: a stuck line, a hang-up, a port that cannot be opened.
#include <QSignalSpy>
#include <QTest>

#include "link/link_fixture.h"

namespace mivo::test {
namespace {

class LinkFault : public LinkFixture {
  protected:
    // The link's one message about the line, shown once the wait has unwound, not under it.
    void expectToldOnce(const std::string& words) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !said.empty(); }, 2000));
        ASSERT_EQ(said.size(), 1u);
        EXPECT_EQ(said[0].caption, "Communication error");
        for (const std::string& w : {words, pty.devicePath().toStdString()})
            EXPECT_NE(said[0].text.find(w), std::string::npos) << said[0].text;
    }
};

TEST_F(LinkFault, EqualBytesWhileIdleAreReportedOnceWithThePortClosed) {
    sim.faults.idleDelayMs = 10;
    // The user reads the message and goes on (the link reopens the port), or goes off line.
    for (const bool offlineUnderMessage : {false, true}) {
        SCOPED_TRACE(offlineUnderMessage ? "off line under the message" : "stays on line");
        said.clear();
        QSignalSpy changed(&link, &TBuff::onlineChanged);
        std::string underMessage = "no message";
        auto conn = QObject::connect(&link, &TBuff::message, &link, [&] {
            underMessage = main().request("@?NO");  // nothing can be sent: the port is closed
            if (offlineUnderMessage) link.goOffline();
        });
        sim.faults.equalBytesWhenIdle = true;
        EXPECT_EQ(main().request("@?NO"), "0");
        EXPECT_EQ(main().next(), "OK");
        ASSERT_TRUE(QTest::qWaitFor([&] { return !said.empty(); }, 2000));
        sim.faults.equalBytesWhenIdle = false;
        QObject::disconnect(conn);
        EXPECT_EQ(said, (std::vector<LinkMessage>{{"Communication error occurs!  Make offline once",
                                                   "Communication error", ""}}));
        EXPECT_EQ(underMessage, "");
        EXPECT_EQ(link.isOnline(), !offlineUnderMessage);
        EXPECT_EQ(changed.count(), offlineUnderMessage ? 1 : 0);
        EXPECT_EQ(main().request("@?ORG"), offlineUnderMessage ? "" : "0");
        if (!offlineUnderMessage) {
            EXPECT_EQ(main().next(), "OK");
        }
    }
    EXPECT_EQ(sim.received(), (std::vector<std::string>{"@?NO", "@?ORG", "@?NO"}));
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
    expectToldOnce("failed");
    EXPECT_EQ(link.directChannel().request("@?NO"), "");
}

TEST_F(LinkFault, DrainEndsWhileTheLineStillBabbles) {
    // A device that sends a byte every 10 ms and never answers, for longer than a drain may take.
    int sent = 0;
    QTimer babble;
    QObject::connect(&babble, &QTimer::timeout, [&] {
        if (++sent == 300) babble.stop();
        pty.sendRaw("x");
    });
    babble.start(10);
    main().drain();
    EXPECT_TRUE(babble.isActive()) << "the drain lasted until the babbling stopped";
    babble.stop();
}

TEST_F(LinkFault, NoiseBeforeARequestIsNoPartOfItsReply) {
    // Noise right behind a reply, with no line end: it waits in the link (or the port) when the
    // next request is written.
    std::vector<QByteArray> dropped;
    QObject::connect(&link, &TBuff::discarded, [&](const QByteArray& b) { dropped.push_back(b); });
    auto noise = QObject::connect(&pty, &SimPty::commandReceived, [&](const QString& c) {
        if (c == "@?NO") pty.sendRaw("\xFF\xFF\xFF");
    });
    EXPECT_EQ(main().request("@?NO"), "0");
    EXPECT_EQ(main().next(), "OK");
    QObject::disconnect(noise);
    EXPECT_EQ(main().request("@?ORG"), "0");
    EXPECT_EQ(main().next(), "OK");
    EXPECT_EQ(dropped, (std::vector<QByteArray>{"\xFF\xFF\xFF"}));
}

TEST_F(LinkFault, ASilentControllerEndsADataExchangeButNotAMotion) {
    sim.faults.silent.which = SimPick::kEvery;
    link.setReplyTimeout(200);
    EXPECT_EQ(main().request("@?NO"), "");
    EXPECT_TRUE(link.isOnline());
    expectToldOnce("did not answer");
    // A motion's reply may take longer than any data reply: it is waited for.
    sim.faults.silent.which = SimPick::kNone;
    link.setReplyTimeout(0);
    EXPECT_EQ(main().request("@ORG"), "OK");
    EXPECT_GE(sim.clock().now(), sim.motion.timing.originSearch);
    EXPECT_EQ(said.size(), 1u);
}

// A port that cannot be opened is said once, inside goOnline(), naming the device and why. The
// port number is read at every open.
TEST_F(LinkFault, AFailedOpenIsSaidOnceAndTheLinkStaysOffline) {
    TBuff other;
    std::vector<LinkMessage> told;
    RecordMessages(other, told);
    int chosen = 0;
    other.setPortNumberSource([&] { return chosen; });
    EXPECT_EQ(other.deviceForPort(3), "/dev/ttyS2");
    other.setDeviceForPort(3, "/dev/mivo-no-such-port");
    other.setDeviceForPort(4, pty.devicePath());
    // `link` holds the pseudo-terminal: the other link finds it busy.
    for (const auto& [port, reason] : {std::pair(3, "no such device"), std::pair(4, "busy")}) {
        SCOPED_TRACE(reason);
        told.clear();
        chosen = port;
        QSignalSpy changed(&other, &TBuff::onlineChanged);
        EXPECT_FALSE(other.goOnline());
        EXPECT_FALSE(other.isOnline());
        EXPECT_EQ(changed.count(), 0);
        ASSERT_EQ(told.size(), 1u);
        EXPECT_EQ(told[0].text, "Port cannot be open");
        EXPECT_EQ(told[0].caption, "Circuit open");
        for (const std::string& part :
             {other.deviceForPort(port).toStdString(), std::string(reason)})
            EXPECT_NE(told[0].detail.find(part), std::string::npos) << told[0].detail;
    }
    link.goOffline();
    ASSERT_TRUE(other.goOnline());
    EXPECT_EQ(other.mainChannel().request("@?Ver 0"), "V1.20");
    EXPECT_EQ(told.size(), 1u);
}

}  // namespace
}  // namespace mivo::test
