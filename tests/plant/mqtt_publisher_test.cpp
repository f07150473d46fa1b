// The publisher against a real mosquitto broker of the test's own, watched by a client as the
// plant would: the state retained, the runs, the broker down and back, the last will of a
// program killed, and a broker that never answers.
#include "plant/mqtt_publisher.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "plant/broker_watch.h"
#include "plant/local_broker.h"
#include "plant/run_json.h"
#include "plant/said_texts.h"
#include "support/temp_dir.h"

namespace mivo {
namespace {

using namespace std::chrono_literals;
using test::Eventually;

RunRecord RobotRun(std::int64_t id, int robot) {
    const std::int64_t start = 1796850245123 + id * 20000;
    const std::vector<MeasuredStep> steps{{0, 0.5}, {1, 11.845}};
    return {id, start, start + 12345, 1, RunResult::End, "", 12345, steps, "", robot, "", "mivo"};
}

// The ids of the runs that arrived on `topic`, in the order they first came (QoS 1 may bring
// one twice across the broker's restart).
std::vector<std::int64_t> RunIds(test::BrokerWatch& watch, const std::string& topic) {
    std::vector<std::int64_t> ids;
    for (const test::Arrived& a : watch.messages()) {
        if (a.topic != topic) continue;
        const std::int64_t id = std::stoll(a.payload.substr(a.payload.find(':') + 1));
        if (std::find(ids.begin(), ids.end(), id) == ids.end()) ids.push_back(id);
    }
    return ids;
}

TEST(MqttPublisher, TellsTheBrokerAndKeepsRunsWhileItIsDown) {
    const test::TempDir dir;
    test::LocalBroker broker(dir.path());
    ASSERT_TRUE(broker.start()) << test::ReadBytes(broker.log());
    // The plant's client keeps its session in the broker, so that what comes while it
    // reconnects after the broker's restart waits for it.
    test::BrokerWatch plant(broker.port(), "line3/#", "mivo-test-plant");

    test::SaidTexts sayings;
    MqttPublisherOptions options;
    options.queueLimit = 3;
    options.reconnectDelayMax = 1s;
    auto publisher = std::make_unique<MqttPublisher>(ParseMqttUrl(broker.url("line3")).url, -1,
                                                     sayings.said(), options);
    // The robot not known yet, then known: its state moves from "unknown" to its number.
    EXPECT_TRUE(plant.waitFor("line3/unknown/state", "online"));
    publisher->setRobot(7);
    EXPECT_TRUE(plant.waitFor("line3/unknown/state", "offline"));
    EXPECT_TRUE(plant.waitFor("line3/7/state", "online"));
    publisher->publishState(PlantState::Running);
    EXPECT_TRUE(plant.waitFor("line3/7/state", "running"));
    {
        test::BrokerWatch later(broker.port(), "line3/7/state");
        const auto kept = later.waitFor("line3/7/state", "running");
        ASSERT_TRUE(kept);
        EXPECT_TRUE(kept->retained);
    }

    const RunRecord first = RobotRun(1, -1);  // its robot unknown: the publisher's
    publisher->publishRun(first);
    const auto told =
        plant.waitFor([](const test::Arrived& a) { return a.topic == "line3/7/run"; });
    ASSERT_TRUE(told);
    EXPECT_EQ(told->payload, RunJson(first));
    EXPECT_FALSE(told->retained);

    // The broker goes: the runs wait, beyond three the oldest dropped, that said once.
    broker.stop();
    ASSERT_TRUE(Eventually([&] { return !publisher->connected(); }));
    for (std::int64_t id = 2; id <= 6; ++id) publisher->publishRun(RobotRun(id, 7));
    EXPECT_EQ(publisher->droppedRuns(), 2u);
    EXPECT_TRUE(Eventually([&] { return sayings.count("the oldest are dropped") == 1; }));

    // Back, it is told the state again (live, not as the retained copy) and the three runs.
    ASSERT_TRUE(broker.start()) << test::ReadBytes(broker.log());
    EXPECT_TRUE(plant.waitFor([](const test::Arrived& a) {
        return a.topic == "line3/7/run" && a.payload == RunJson(RobotRun(6, 7));
    }));
    EXPECT_EQ(RunIds(plant, "line3/7/run"), (std::vector<std::int64_t>{1, 4, 5, 6}));
    const auto live = [](const test::Arrived& a) {
        return a.topic == "line3/7/state" && a.payload == "running" && !a.retained;
    };
    EXPECT_EQ(std::ranges::count_if(plant.messages(), live), 2);

    // The clean end says "offline".
    publisher.reset();
    EXPECT_TRUE(plant.waitFor("line3/7/state", "offline"));
    EXPECT_EQ(sayings.count("the oldest are dropped"), 1);
    EXPECT_LE(sayings.count("went away"), 1);
}

TEST(MqttPublisher, TheBrokerTellsTheLastWillOfAProgramKilled) {
    const test::TempDir dir;
    test::LocalBroker broker(dir.path());
    ASSERT_TRUE(broker.start()) << test::ReadBytes(broker.log());
    test::BrokerWatch plant(broker.port(), "cell/#");
    // Its robot known only once it told its state: the will is to move to that robot's topic.
    pid_t helper = test::StartProgram({MIVO_PUBLISHER_HELPER, broker.url("cell"), "5"},
                                      dir.path() / "helper.log");
    ASSERT_GT(helper, 0);
    EXPECT_TRUE(plant.waitFor("cell/unknown/state", "running"))
        << test::ReadBytes(dir / "helper.log");
    ::kill(helper, SIGUSR1);  // its robot known
    EXPECT_TRUE(plant.waitFor("cell/5/state", "running"));
    test::EndProgram(helper, SIGKILL);
    EXPECT_TRUE(plant.waitFor("cell/5/state", "offline"));
    test::BrokerWatch later(broker.port(), "cell/5/state");
    const auto kept = later.waitFor("cell/5/state", "offline");
    ASSERT_TRUE(kept);
    EXPECT_TRUE(kept->retained);
}

TEST(MqttPublisher, ABrokerAbsentNeverHoldsTheCaller) {
    test::SaidTexts sayings;
    MqttPublisherOptions options;
    options.queueLimit = 5;
    {
        const std::string url = "mqtt://127.0.0.1:" + std::to_string(test::FreePort()) + "/x";
        MqttPublisher publisher(ParseMqttUrl(url).url, 1, sayings.said(), options);
        publisher.publishState(PlantState::Running);
        for (std::int64_t id = 1; id <= 8; ++id) publisher.publishRun(RobotRun(id, 1));
        EXPECT_EQ(publisher.droppedRuns(), 3u);
        EXPECT_TRUE(Eventually([&] { return sayings.count("the oldest are dropped") == 1; }));
        EXPECT_TRUE(Eventually([&] { return sayings.count("cannot be reached") == 1; }));
        for (std::int64_t id = 9; id <= 20; ++id) publisher.publishRun(RobotRun(id, 1));
        EXPECT_EQ(publisher.droppedRuns(), 15u);
        EXPECT_FALSE(publisher.connected());
    }  // ends without the broker, within its bound
    EXPECT_EQ(sayings.count("the oldest are dropped"), 1);
    EXPECT_EQ(sayings.count("cannot be reached"), 1);
}

}  // namespace
}  // namespace mivo
