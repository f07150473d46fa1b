// The link on line over a pseudo-terminal served by the simulated controller: framing, reply
// words, injections, nested waits, scans marked for the recorder, and a line that misbehaves or
// a port that cannot be opened; and the engine channel without a fiber.
#include <gtest/gtest.h>

#include <QMetaObject>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "common/fiber.h"
#include "link/controller_link.h"
#include "link/flight_recorder.h"
#include "link/link_messages.h"
#include "link/reply_class.h"
#include "sim/sim_controller.h"
#include "sim/sim_line.h"
#include "sim/sim_pty.h"
#include "support/modal_channel.h"
#include "support/temp_dir.h"

namespace mivo::test {
namespace {

// A message of the link's, as the user was shown it.
struct LinkMessage {
    std::string text;
    std::string caption;
    std::string detail;
    bool operator==(const LinkMessage&) const = default;
};

// Records the link's messages as the programs show them: at once, before the link goes on.
void RecordMessages(ControllerLink& link, std::vector<LinkMessage>& into) {
    RouteLinkMessages(link, [&into](const std::string& text, const std::string& caption,
                                    const std::string& detail) {
        into.push_back({text, caption, detail});
    });
}

class LinkFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(pty.open()) << pty.errorString().toStdString();
        link.setDeviceForPort(1, pty.devicePath());
        RecordMessages(link, said);
        ASSERT_TRUE(link.goOnline());
        // A wait that never ends fails the test instead of hanging the runner.
        watchdog.setSingleShot(true);
        watchdog.callOnTimeout(&link, [this] {
            ADD_FAILURE() << "a wait did not end";
            link.abortWaits();
        });
        watchdog.start(5000);
    }

    // Runs `action` from the event loop once the controller has received its next command,
    // that is inside the wait of the request that sent it.
    void onNextCommand(std::function<void()> action) {
        auto conn = std::make_shared<QMetaObject::Connection>();
        *conn = QObject::connect(&pty, &SimPty::commandReceived, &link, [this, conn, action] {
            QObject::disconnect(*conn);
            QMetaObject::invokeMethod(&link, action, Qt::QueuedConnection);
        });
    }

    // `body` on a fiber, as the direct channel's procedures run; the event loop runs until it
    // has ended.
    void onFiber(const std::function<void()>& body) {
        bool done = false;
        Fiber::start([&] {
            body();
            done = true;
        });
        ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, 15000));
    }

    // The link's one message about the line, shown once the wait has unwound, not under it.
    void expectToldOnce(const std::string& words) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !said.empty(); }, 2000));
        ASSERT_EQ(said.size(), 1u);
        EXPECT_EQ(said[0].caption, "Communication error");
        for (const std::string& w : {words, pty.devicePath().toStdString()})
            EXPECT_NE(said[0].text.find(w), std::string::npos) << said[0].text;
    }

    SimController sim;
    SimPty pty{sim};
    ControllerLink link;
    ModalChannel main{link.mainChannel()};  // each call run to its end as on a procedure's fiber
    std::vector<LinkMessage> said;          // the link's messages
    QTimer watchdog;
};

using LinkExchange = LinkFixture;

TEST_F(LinkExchange, FramesEachRequestKindOnBothChannels) {
    ASSERT_TRUE(link.goDirectOnline());
    using Rows = std::vector<std::pair<std::string, std::string>>;  // request, reply
    const Rows mainRows = {
        {"", ""},         // sends nothing, returns at once
        {"@?NO", "0"},    // line with CR LF, one reply line
        {"CEND", "OK"},   // sends nothing, takes the next line
        {"\x1A", "OK"},   // the byte alone: no empty command follows it
        {"@RUN2", "NG"},  // only the direct channel knows "@RUN2"
        {"CEND", "10:Command error"},
    };
    for (const auto& [request, reply] : mainRows)
        EXPECT_EQ(main.request(request), reply) << "request '" << request << "'";
    // The direct channel's procedures run on fibers.
    onFiber([&] {
        for (const auto& [request, reply] : Rows{{"@?Ver 2", "V1.02"}, {"CEND", "OK"}})
            EXPECT_EQ(link.directChannel().request(request), reply)
                << "request '" << request << "'";
    });
    EXPECT_EQ(sim.received(), (std::vector<std::string>{"@?NO", "\x1A", "@RUN2", "@?Ver 2"}));
}

// Outside a fiber no wait is possible: the exchange ends at once, as lost. (On fibers: the direct
// screen's DirectCommands and DirectSchedules, and WhatEndedADirectRequest below.)
TEST(EngineChannel, NoWaitOutsideAFiber) {
    SimController sim;
    SimLine line{sim};
    EXPECT_EQ(line.channel().exchange("@?NO").end, ExchangeEngine::End::Lost);
    EXPECT_EQ(line.channel().request("@?NO"), "");
}

TEST(ReplyClass, ClassifiesEveryReplyWord) {
    const std::vector<std::pair<std::string, ReplyCode>> rows = {
        {"OK", ReplyCode::Ok},    {"OK 12", ReplyCode::Ok},        {"NG", ReplyCode::Ng},
        {"ERR", ReplyCode::Err},  {"END", ReplyCode::End},         {"CEND", ReplyCode::Cend},
        {"EMG", ReplyCode::Emg},  {"MSTOP", ReplyCode::Mstop},     {"STOP", ReplyCode::Stop},
        {"NG1", ReplyCode::Data}, {" OK", ReplyCode::Data},        {"STOP ", ReplyCode::Data},
        {"Ok", ReplyCode::Data},  {"23:No unit", ReplyCode::Data}, {"", ReplyCode::Data},
    };
    for (const auto& [line, code] : rows)
        EXPECT_EQ(ReplyClass(line), code) << "line '" << line << "'";
}

// On the main channel a motion stop goes out at once while the motion waits, and that wait reads
// its answer. (Its lines read one at a time: FramesEachRequestKindOnBothChannels.)
TEST_F(LinkExchange, AMotionStopGoesOutAtOnceAndAnswersTheMotion) {
    onNextCommand([&] { link.mainChannel().interject("@MSTOP"); });
    const std::string moved = main.request("@ORG");
    EXPECT_EQ(moved + " " + main.next(), "MSTOP 64:Motor free");
    EXPECT_EQ(sim.received(), (std::vector<std::string>{"@ORG", "@MSTOP"}));
}

// On the direct channel, a request's fiber hears how it ended: its answer, the line gone off, no
// answer within the reply limit (said once), or a stop sent from another fiber.
TEST_F(LinkExchange, WhatEndedADirectRequest) {
    ASSERT_TRUE(link.goDirectOnline());
    link.setDirectReplyLimit(300);
    EngineChannel& direct = link.directChannel();
    EngineChannel::Reply r;
    onFiber([&] { r = direct.exchange("@?ORG"); });
    EXPECT_EQ(r.end, EngineChannel::End::Answered);
    EXPECT_EQ(r.lines, (std::vector<std::string>{"0", "OK"}));
    // A held jog ends with the answer of a stop sent beside it.
    sim.motion.originState = 1;
    EngineChannel::Reply stop;
    onFiber([&] {
        Fiber::start([&] { r = direct.exchange("@X2+"); });
        stop = direct.stop("@STOP");
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return r.end == EngineChannel::End::Stopped; }, 2000));
    EXPECT_EQ(stop.lines, (std::vector<std::string>{"STOP", "41:Stopped"}));
    // Silent: the limit passes, and the link says so once.
    sim.faults.silent.which = static_cast<int>(sim.received().size()) + 1;
    onFiber([&] { r = direct.exchange("@?NO"); });
    EXPECT_EQ(r.end, EngineChannel::End::TimedOut);
    expectToldOnce("did not answer");
    EXPECT_TRUE(link.isDirectOnline());
    // Off line while it waits.
    sim.faults.silent.which = static_cast<int>(sim.received().size()) + 1;
    onFiber([&] {
        QTimer::singleShot(50, &link, [&] { link.goDirectOffline(); });
        r = direct.exchange("@?NO");
    });
    EXPECT_EQ(r.end, EngineChannel::End::Lost);
    onFiber([&] { r = direct.exchange("@?NO"); });
    EXPECT_EQ(r.end, EngineChannel::End::Lost);
}

// The exchanges marked as the monitor's scans come to the recorder as changes, the others as lines
// (the recorder's own rules for scans: RecordedScans).
TEST_F(LinkExchange, ScansMarkedAsSuchAreRecordedAsChanges) {
    TempDir state;
    FlightRecorder recorder(state.path());
    link.setRecorder(&recorder);
    ASSERT_TRUE(link.goDirectOnline());
    onFiber([&] {
        EngineChannel::Hooks scan;
        scan.scan = true;
        for (int i = 0; i < 3; ++i) {
            if (i == 2) sim.io.setInput(3, true);
            EXPECT_EQ(link.directChannel().exchange("@?DI 3", scan).lines.size(), 2u);
        }
        link.directChannel().exchange("@?NO");
    });
    link.setRecorder(nullptr);
    const std::string log = ReadBytes(recorder.file().string());
    std::string kept;  // the lines without their times, no line states, no minute counts
    for (std::size_t at = 0; at < log.size();) {
        const std::size_t end = log.find('\n', at);
        const std::string line = log.substr(at + 24, end - at - 23);
        if (line[0] != '=' && line[0] != '#') kept += line;
        at = end + 1;
    }
    EXPECT_EQ(kept, "~ @?DI 3 = 0\n~ @?DI 3 = 1\n> @?NO\n< 0\n< OK\n") << log;
}

using LinkFault = LinkFixture;

TEST_F(LinkFault, EqualBytesWhileIdleAreReportedOnceWithThePortClosed) {
    sim.faults.idleDelayMs = 10;
    // The user reads the message and goes on (the link reopens the port), or goes off line.
    for (const bool offlineUnderMessage : {false, true}) {
        SCOPED_TRACE(offlineUnderMessage ? "off line under the message" : "stays on line");
        said.clear();
        QSignalSpy changed(&link, &ControllerLink::onlineChanged);
        std::string underMessage = "no message";
        auto conn = QObject::connect(&link, &ControllerLink::message, &link, [&] {
            underMessage = main.request("@?NO");  // nothing can be sent: the port is closed
            if (offlineUnderMessage) link.goOffline();
        });
        sim.faults.equalBytesWhenIdle = true;
        EXPECT_EQ(main.request("@?NO"), "0");
        EXPECT_EQ(main.next(), "OK");
        ASSERT_TRUE(QTest::qWaitFor([&] { return !said.empty(); }, 2000));
        sim.faults.equalBytesWhenIdle = false;
        QObject::disconnect(conn);
        EXPECT_EQ(said, (std::vector<LinkMessage>{{"Communication error occurs!  Make offline once",
                                                   "Communication error", ""}}));
        EXPECT_EQ(underMessage, "");
        EXPECT_EQ(link.isOnline(), !offlineUnderMessage);
        EXPECT_EQ(changed.count(), offlineUnderMessage ? 1 : 0);
        EXPECT_EQ(main.request("@?ORG"), offlineUnderMessage ? "" : "0");
        if (!offlineUnderMessage) {
            EXPECT_EQ(main.next(), "OK");
        }
    }
    EXPECT_EQ(sim.received(), (std::vector<std::string>{"@?NO", "@?ORG", "@?NO"}));
}

// The line lost (the adapter unplugged, the other end closed): said at once, while idle too, and
// both channels go off line; the recorder has the state change and the message.
TEST_F(LinkFault, AHangUpGoesOfflineAtOnceAndSaysWhichDevice) {
    struct Case {
        const char* name;
        std::function<void()> hangUp;
    };
    // clang-format off
    const Case cases[] = {
        {"while idle", [this] { pty.hangUp(); ASSERT_TRUE(QTest::qWaitFor([&] { return !said.empty(); }, 2000)); }},
        {"before a request", [this] { pty.hangUp(); }},
        // The simulator stays hung up: last.
        {"while waiting", [this] { sim.faults.hangupAfter = static_cast<int>(sim.received().size()); }},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir state;  // $XDG_STATE_HOME
        FlightRecorder recorder(FlightLogFolder(state.path().c_str(), nullptr));
        link.setRecorder(&recorder);
        said.clear();
        ASSERT_TRUE(link.goOnline());
        ASSERT_TRUE(link.goDirectOnline());
        link.setReplyTimeout(ControllerLink::kReplyTimeoutMs);
        QSignalSpy changed(&link, &ControllerLink::onlineChanged);
        QSignalSpy directChanged(&link, &ControllerLink::directOnlineChanged);
        QSignalSpy lost(&link, &ControllerLink::directLost);
        EXPECT_EQ(main.request("@?NO"), "0");
        EXPECT_EQ(main.next(), "OK");
        c.hangUp();
        EXPECT_EQ(main.request("@?ORG"), "");
        EXPECT_FALSE(link.isOnline());
        EXPECT_FALSE(link.isDirectOnline());
        EXPECT_EQ(changed.count(), 1);
        EXPECT_EQ(directChanged.count(), 1);
        EXPECT_EQ(lost.count(), 1);
        expectToldOnce("the line was hung up");
        onFiber([&] { EXPECT_EQ(link.directChannel().request("@?NO"), ""); });
        link.setRecorder(nullptr);
        const std::string log = ReadBytes(recorder.file().string());
        for (const char* line :
             {" > @?NO\n", " < 0\n", " = Direct channel off line\n", " = Main channel off line\n",
              "! Communication error: The line to "})
            EXPECT_NE(log.find(line), std::string::npos) << line << " in\n" << log;
        // The next case on a line of its own.
        ASSERT_TRUE(pty.open()) << pty.errorString().toStdString();
        link.setDeviceForPort(1, pty.devicePath());
    }
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
    main.drain();
    // A request made meanwhile goes out once the drain has ended, while the babbling goes on.
    bool done = false;
    Fiber::start([&] {
        link.mainChannel().request("@?NO");
        done = true;
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sim.received().empty(); }, 2000));
    EXPECT_TRUE(babble.isActive()) << "the drain lasted until the babbling stopped";
    babble.stop();
    link.abortWaits();
    EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 2000));
}

// Bytes right behind a reply, with no line end yet, wait in the link (or the port) when the next
// request is written on the main channel: they are noise, no part of its reply.
TEST_F(LinkFault, NoiseBeforeARequestIsNoPartOfItsReply) {
    // Sent right behind "@?NO"'s reply, in the same write; then "@?ORG" answers "1", "OK".
    for (const std::string behind : {"\xFF\xFF\xFF", "abc"}) {
        SCOPED_TRACE(behind);
        std::vector<QByteArray> dropped;
        auto spy = QObject::connect(&link, &ControllerLink::discarded,
                                    [&](const QByteArray& b) { dropped.push_back(b); });
        sim.addCommand("@?NO", [](const std::string&) {});
        auto noise = QObject::connect(&pty, &SimPty::commandReceived, [&](const QString& c) {
            if (c == "@?NO") pty.sendRaw("0\r\nOK\r\n" + behind);
        });
        sim.addCommand("@?ORG", [&](const std::string&) {
            sim.reply("1");
            sim.reply("OK");
        });
        EXPECT_EQ(main.request("@?NO"), "0");
        EXPECT_EQ(main.next(), "OK");
        EXPECT_EQ(main.request("@?ORG"), "1");
        EXPECT_EQ(main.next(), "OK");
        EXPECT_EQ(dropped, std::vector<QByteArray>{QByteArray::fromStdString(behind)});
        QObject::disconnect(noise);
        QObject::disconnect(spy);
    }
}

TEST_F(LinkFault, ASilentControllerEndsADataExchangeButNotAMotion) {
    sim.faults.silent.which = SimPick::kEvery;
    link.setReplyTimeout(200);
    EXPECT_EQ(main.request("@?NO"), "");
    EXPECT_TRUE(link.isOnline());
    expectToldOnce("did not answer");
    // A motion's reply may take longer than any data reply: it is waited for.
    sim.faults.silent.which = SimPick::kNone;
    link.setReplyTimeout(0);
    EXPECT_EQ(main.request("@ORG"), "OK");
    EXPECT_GE(sim.clock().now(), sim.motion.timing.originSearch);
    EXPECT_EQ(said.size(), 1u);
}

// A port that cannot be opened is said once, inside goOnline(), naming the device and why. The
// port number is read at every open.
TEST_F(LinkFault, AFailedOpenIsSaidOnceAndTheLinkStaysOffline) {
    ControllerLink other;
    std::vector<LinkMessage> told;
    RecordMessages(other, told);
    int chosen = 0;
    other.setPortNumberSource([&] { return chosen; });
    other.setDeviceForPort(3, "/dev/mivo-no-such-port");
    other.setDeviceForPort(4, pty.devicePath());
    // `link` holds the pseudo-terminal: the other link finds it busy.
    for (const auto& [port, reason] : {std::pair(3, "no such device"), std::pair(4, "busy")}) {
        SCOPED_TRACE(reason);
        told.clear();
        chosen = port;
        QSignalSpy changed(&other, &ControllerLink::onlineChanged);
        EXPECT_FALSE(other.goOnline());
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
    EXPECT_EQ(ModalChannel(other.mainChannel()).request("@?Ver 0"), "V1.20");
    EXPECT_EQ(told.size(), 1u);
}

}  // namespace
}  // namespace mivo::test
