// The link's framing, reply words, injections and nested waits, over a real pseudo-terminal.
#include <QSignalSpy>
#include <functional>

#include "link/link_fixture.h"
#include "link/reply_class.h"

namespace mivo::test {
namespace {

using LinkExchange = LinkFixture;

TEST_F(LinkExchange, FramesEachRequestKindOnBothChannels) {
    ASSERT_TRUE(link.goDirectOnline());
    struct Row {
        bool direct;
        std::string request;
        std::string reply;
    };
    const std::vector<Row> rows = {
        {false, "", ""},         // sends nothing, returns at once
        {false, "@?NO", "0"},    // line with CR LF, one reply line
        {false, "CEND", "OK"},   // sends nothing, takes the next line
        {false, "\x1A", "OK"},   // the byte alone: no empty command follows it
        {false, "@RUN2", "NG"},  // only the direct channel knows "@RUN2"
        {false, "CEND", "10:Command error"},
        {true, "@?Ver 2", "V1.02"},
        {true, "CEND", "OK"},
        {true, "", ""},
    };
    for (const Row& row : rows) {
        Channel& ch = row.direct ? link.directChannel() : link.mainChannel();
        EXPECT_EQ(ch.request(row.request), row.reply) << "request '" << row.request << "'";
    }
    // "@RUN2" on the direct channel writes "@RUN" and does not wait for its reply.
    QSignalSpy arrived(&pty, &SimPty::commandReceived);
    EXPECT_EQ(link.directChannel().request("@RUN2"), "");
    ASSERT_TRUE(arrived.count() > 0 || arrived.wait(2000));
    link.directChannel().drain();
    EXPECT_EQ(link.directChannel().request("@?Ver 4"), "V1.04");

    const std::vector<std::string> sent = {"@?NO", "\x1A", "@RUN2", "@?Ver 2", "@RUN", "@?Ver 4"};
    EXPECT_EQ(sim.received(), sent);
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

TEST_F(LinkExchange, InjectionWithoutWaitIsKeptUntilWithdrawn) {
    link.injectMstop();
    link.clearInjections();
    EXPECT_EQ(main().request("@?ORG"), "0");
    EXPECT_EQ(main().next(), "OK");
    link.injectStop();  // no wait runs: the next wait ends at once
    EXPECT_EQ(main().next(), "");
    EXPECT_TRUE(link.isOnline());
}

TEST_F(LinkExchange, NestedRequestGetsTheNextLineAndOuterTheOneAfter) {
    sim.faults.silent.which = 1;
    std::vector<std::string> order;
    onNextCommand([&] { order.push_back("inner " + main().request("@?Ver 1")); });
    order.push_back("outer " + main().request("@?NO"));
    EXPECT_EQ(order, (std::vector<std::string>{"inner V1.01", "outer OK"}));
}

TEST_F(LinkExchange, OfflineRequestEndsTheWaitAndGoesOffline) {
    sim.faults.silent.which = 1;
    QSignalSpy changed(&link, &TBuff::onlineChanged);
    link.setCancelRequested(true);
    onNextCommand([&] { link.requestOffline(); });
    EXPECT_EQ(main().request("@?NO"), "");
    EXPECT_FALSE(link.isOnline());
    EXPECT_FALSE(link.cancelRequested());
    ASSERT_EQ(changed.count(), 1);
    EXPECT_FALSE(changed.at(0).at(0).toBool());
    // Off line nothing is sent.
    EXPECT_EQ(main().request("@?ORG"), "");
    EXPECT_EQ(sim.received().size(), 1u);
    EXPECT_TRUE(said.empty());
}

// An injection ends the wait with the bytes of the line so far, and the line after is read
// whole. A direct-operation command must learn that the motor-stop request, not a line, ended
// its wait, since the injection itself is gone by then.
TEST_F(LinkExchange, WhatEndedAWaitAndWhatItGot) {
    struct Case {
        const char* name;
        std::string bytes;             // the controller sends inside the wait
        std::function<void()> during;  // once they have arrived
        std::string reply;
        WaitEnd end;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"a line", "0\r\n", [] {}, "0", WaitEnd::Line},
        {"MSTOP", "", [this] { link.injectMstop(); }, "", WaitEnd::MotorStop},
        {"STOP", "", [this] { link.directChannel().injectStop(); }, "", WaitEnd::Stop},
        {"MSTOP after part of a line", "PART", [this] { link.directChannel().injectMstop(); }, "PART", WaitEnd::MotorStop},
        {"STOP after part of a line", "PART", [this] { link.injectStop(); }, "PART", WaitEnd::Stop},
        {"off line", "", [this] { link.directChannel().close(); }, "", WaitEnd::Ended},
    };
    // clang-format on
    DirectChannel& direct = link.directChannel();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(link.goDirectOnline());
        // A silent command: only what the row does ends the wait.
        sim.faults.silent.which = static_cast<int>(sim.received().size()) + 1;
        onNextCommand([&] {
            if (c.bytes.empty())
                c.during();
            else
                pty.sendRaw(c.bytes);
        });
        auto arrived = QObject::connect(&link, &TBuff::received, &link, [&] {
            if (!c.bytes.empty() && link.pendingLine() == c.bytes) c.during();
        });
        EXPECT_EQ(direct.request("@?ORG"), c.reply);
        EXPECT_EQ(direct.lastWaitEnd(), c.end);
        QObject::disconnect(arrived);
        if (c.end != WaitEnd::Ended) {
            EXPECT_EQ(direct.request("@?NO"), "0");
            EXPECT_EQ(direct.next(), "OK");
        }
    }
    EXPECT_FALSE(link.isDirectOnline());
    // A request while off line ends at once.
    EXPECT_EQ(direct.request("@?ORG"), "");
    EXPECT_EQ(direct.lastWaitEnd(), WaitEnd::Ended);
}

}  // namespace
}  // namespace mivo::test
