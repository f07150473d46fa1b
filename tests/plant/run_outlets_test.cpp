// Where a run goes as it ends: the history first, then the command after each run and the broker;
// both may change while the program runs (the editor's settings), and a run goes to the ones set
// when it ended.
#include "plant/run_outlets.h"

#include <gtest/gtest.h>

#include "history/run_history.h"
#include "plant/broker_watch.h"
#include "plant/local_broker.h"
#include "plant/run_json.h"
#include "plant/said_texts.h"
#include "support/temp_dir.h"

namespace mivo {
namespace {

using test::Eventually;

RunRecord Ended(int program) {
    const std::int64_t start = 1796850245123 + program;
    return {0, start, start + 1000, program, RunResult::End, "", 1000, {}, "", 5, "", ""};
}

TEST(RunOutlets, EachRunGoesToTheHistoryThenToTheOutletsSetWhenItEnded) {
    const test::TempDir dir;
    test::LocalBroker broker(dir.path());
    ASSERT_TRUE(broker.start()) << test::ReadBytes(broker.log());
    test::BrokerWatch plant(broker.port(), "line3/#");
    test::SaidTexts sayings;
    const auto told = dir / "told.txt";
    RunOutletSettings settings;
    settings.historyFile = dir / "history.sqlite";
    settings.endCommand = "echo \"first $MIVO_PROGRAM\" >> '" + told + "'";
    RunOutlets outlets(settings, sayings.said());

    outlets.runFinished(Ended(1));
    outlets.sync();
    EXPECT_TRUE(Eventually([&] { return test::ReadBytes(told) == "first 1\n"; }));

    // The settings changed: a second command and the broker, which hears the run begin and end
    // under the robot the last run named.
    outlets.setPlant("echo \"second $MIVO_PROGRAM\" >> '" + told + "'",
                     ParseMqttUrl(broker.url("line3")).url);
    outlets.runBegan();
    EXPECT_TRUE(plant.waitFor("line3/5/state", "running"));
    RunRecord second = Ended(2);
    outlets.runFinished(second);
    outlets.sync();
    EXPECT_TRUE(Eventually([&] { return test::ReadBytes(told) == "first 1\nsecond 2\n"; }));
    const auto run = plant.waitFor([](const test::Arrived& a) { return a.topic == "line3/5/run"; });
    ASSERT_TRUE(run);
    second.id = 2;  // the history's number comes with it
    EXPECT_EQ(run->payload, RunJson(second));

    EXPECT_TRUE(plant.waitFor("line3/5/state", "online"));

    // Both taken away: the broker told "offline", the run kept in the history alone.
    outlets.setPlant("", std::nullopt);
    EXPECT_TRUE(plant.waitFor("line3/5/state", "offline"));
    outlets.runFinished(Ended(3));
    outlets.sync();
    const RunHistory history(settings.historyFile);
    EXPECT_EQ(history.runs().size(), 3u);
    EXPECT_EQ(test::ReadBytes(told), "first 1\nsecond 2\n");
    EXPECT_EQ(sayings.count(""), 0);
}

}  // namespace
}  // namespace mivo
