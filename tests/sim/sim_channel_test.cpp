// The simulated controller through its in-process channel: replies, faults and the log.
#include "sim/sim_channel.h"

#include <gtest/gtest.h>

#include "sim/sim_controller.h"

namespace mivo {
namespace {

std::vector<std::string> Exchange(SimChannel& ch, const std::string& command) {
    std::vector<std::string> lines;
    for (std::string l = ch.request(command); !l.empty(); l = ch.next()) lines.push_back(l);
    return lines;
}

TEST(SimChannel, AnswersEachCommand) {
    SimController sim;
    SimChannel ch(sim);
    using L = std::vector<std::string>;
    const std::vector<std::pair<std::string, L>> rows = {
        {"@?NO", {"0", "OK"}},
        {"@?ORG", {"0", "OK"}},
        {"@ORG", {"OK"}},
        {"@?ORG", {"1", "OK"}},
        {"@?Ver 0", {"V1.20", "OK"}},
        {"@?Ver 3", {"V1.03", "OK"}},
        {"@?Ver 5", {"NG", "11:Parameter error"}},
        {"@?Version 0", {"NG", "10:Command error"}},
        {"@MSTOP", {"MSTOP", "OK"}},
        {"@STOP", {"OK"}},
        {"\x1A", {"OK"}},
        {"@NOSUCH", {"NG", "10:Command error"}},
        {"", {}},
    };
    for (const auto& [command, lines] : rows) EXPECT_EQ(Exchange(ch, command), lines) << command;
    sim.currentProgram = 4;
    EXPECT_EQ(Exchange(ch, "@?NO"), (L{"4", "OK"}));
}

TEST(SimChannel, FramesAndLogsLikeTheLink) {
    SimController sim;
    SimChannel direct(sim, true);
    EXPECT_EQ(direct.request("@?NO"), "0");
    EXPECT_EQ(direct.request("CEND"), "OK");
    EXPECT_EQ(direct.request("@RUN2"), "");  // "@RUN" sent, no wait
    direct.drain();
    EXPECT_EQ(direct.next(), "");
    EXPECT_EQ(sim.received(), (std::vector<std::string>{"@?NO", "@RUN"}));
    EXPECT_EQ(direct.log(), (std::vector<std::string>{"> @?NO", "< 0", "< OK", "> @RUN"}));
}

TEST(SimChannel, FaultsOnRequest) {
    struct Row {
        const char* name;
        void (*set)(SimFaults&);
        std::vector<std::string> second;  // the reply lines of the second command
    };
    const std::string digits999 = [] {
        std::string s;
        for (int i = 0; i < 999; ++i) s.push_back(static_cast<char>('0' + i % 10));
        return s;
    }();
    const std::vector<Row> rows = {
        {"silent", [](SimFaults& f) { f.silent.which = 2; }, {}},
        {"refuse",
         [](SimFaults& f) {
             f.refuse.which = 2;
             f.refuseLine = "57:No step";
         },
         {"NG", "57:No step"}},
        {"long line", [](SimFaults& f) { f.longLine.which = 2; }, {digits999, "0", "OK"}},
        {"hang-up", [](SimFaults& f) { f.hangupAfter = 1; }, {}},
    };
    for (const Row& row : rows) {
        SimController sim;
        row.set(sim.faults);
        SimChannel ch(sim);
        EXPECT_EQ(Exchange(ch, "@?NO"), (std::vector<std::string>{"0", "OK"})) << row.name;
        EXPECT_EQ(Exchange(ch, "@?ORG"), row.second) << row.name;
    }
    SimController sim;
    sim.faults.garbage.which = SimPick::kEvery;
    SimChannel ch(sim);
    const auto noise = Exchange(ch, "@?NO");
    ASSERT_EQ(noise.size(), 1u);
    EXPECT_EQ(noise[0].find_first_of("\r\n"), std::string::npos);
    EXPECT_NE(noise[0], "0");
}

TEST(SimController, LaterCommandsPlugIntoTheTable) {
    SimController sim;
    std::string seen;
    sim.addCommand("@READ STEP", [&](const std::string& args) {
        seen = args;
        sim.reply("S12 POI,000,1.00");
        sim.reply("OK");
    });
    sim.addCommand("1=", [&](const std::string& args) { sim.reply("READY " + args); });
    SimChannel ch(sim);
    EXPECT_EQ(Exchange(ch, "@READ STEP 12"), (std::vector<std::string>{"S12 POI,000,1.00", "OK"}));
    EXPECT_EQ(seen, "12");
    EXPECT_EQ(ch.request("1=1.0,2.0,3.0"), "READY 1.0,2.0,3.0");
    EXPECT_EQ(Exchange(ch, "@READ"), (std::vector<std::string>{"NG", "10:Command error"}));
}

}  // namespace
}  // namespace mivo
