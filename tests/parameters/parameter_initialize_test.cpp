// Parameter initialisation by robot number against the simulated controller in process.
#include "parameters/parameter_initialize.h"

#include <gtest/gtest.h>

#include "parameter_rig.h"

namespace mivo {
namespace {

using test::Joined;
using test::Message;
using test::ParameterRig;
using test::Reads;
using test::Walked;

const Message kCompleted{"notify", "Parameter initialize is completed", "Parameter initialize"};

TEST(ParameterInitialize, RobotSetLoadedAndReadBack) {
    struct Case {
        int robot;
        const char* version;
        int count;
    } cases[] = {{31, "1.14", 44}, {31, "1.03", 43}, {10, "V1.20", 44}, {22, "1.13", 43}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.robot) + " " + c.version);
        ParameterRig rig;
        rig.sim.records.versions[0] = c.version;
        rig.sim.parameters.values[22] = "150.00";  // the robot set replaces it
        rig.table.setValue(43, "1");
        rig.table.setValue(OffsetParameter(0, 0), "3.00");
        EXPECT_EQ(InitializeParameters(rig.ctx, rig.target(), c.robot), Outcome::Completed);
        const std::vector<int> read = Walked(0, c.count);
        EXPECT_EQ(
            rig.sent(),
            Joined(std::vector<std::string>{"@INIT PRM " + std::to_string(c.robot), "@?Ver 0"},
                   Reads(read)));
        EXPECT_EQ(rig.read, read);
        EXPECT_EQ(rig.prompter.messages, std::vector<Message>{kCompleted});
        const RobotSet& set = RobotSetFor(c.robot);
        for (int i = 0; i < kRobotDependentCount; ++i) {
            const int n = kRobotDependentParameters[static_cast<std::size_t>(i)];
            EXPECT_EQ(rig.table.initial(n), set.initial[static_cast<std::size_t>(i)]) << n;
            EXPECT_EQ(rig.table.value(n), set.initial[static_cast<std::size_t>(i)]) << n;
        }
        EXPECT_EQ(rig.table.value(22), "200.00");
        EXPECT_EQ(rig.table.value(43), c.count == 44 ? "0" : "");
        EXPECT_EQ(rig.table.value(OffsetParameter(0, 0)), "3.00");
        EXPECT_FALSE(rig.view.cancelShown);
    }
}

TEST(ParameterInitialize, EndingsKeepWhatWasReadBack) {
    struct Case {
        const char* name;
        int robot;
        std::function<void(ParameterRig&)> controller;
        std::size_t commands;
        int read;
        std::vector<Message> shown;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"robot unknown to the controller", 13, {}, 1, 0, {{"error", "45:Robot No. error", "Error display"}}},
        {"no reply to the initialisation", 31, [](ParameterRig& r) { r.sim.faults.silent.which = 1; }, 1, 0, {}},
        {"version of six characters", 31, [](ParameterRig& r) { r.sim.records.versions[0] = "V1.031"; }, 2, 0,
         {{"error", "V1.031", "Error display"}}},
        {"read refused", 31, [](ParameterRig& r) { r.sim.faults.refuse.which = 5; r.sim.faults.refuseLine = "31:Busy"; }, 5, 2,
         {{"error", "31:Busy", "Error display"}}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ParameterRig rig;
        if (c.controller) c.controller(rig);
        const ParameterTable before = rig.table;
        EXPECT_EQ(InitializeParameters(rig.ctx, rig.target(), c.robot), Outcome::Failed);
        EXPECT_EQ(rig.sent().size(), c.commands);
        EXPECT_EQ(rig.prompter.messages, c.shown);
        EXPECT_EQ(static_cast<int>(rig.read.size()), c.read);
        if (c.read == 0) {
            EXPECT_TRUE(rig.table == before);
        }
    }
    // Robot 31 read back up to the refusal: its number and parameter 1 are new.
    ParameterRig rig;
    rig.sim.faults.refuse.which = 5;
    rig.sim.parameters.values[1] = "9";
    rig.sim.addCommand("@INIT PRM", [&rig](const std::string&) {
        rig.sim.parameters.values[0] = "31";
        rig.sim.reply("OK");
    });
    EXPECT_EQ(InitializeParameters(rig.ctx, rig.target(), 31), Outcome::Failed);
    EXPECT_EQ(rig.table.value(0), "31");
    EXPECT_EQ(rig.table.value(1), "9");
    EXPECT_EQ(rig.table.initial(0), "22");  // no initial values for a read that stopped
}

TEST(ParameterInitialize, CancelStopsTheReadBack) {
    ParameterRig rig;
    rig.view.cancelAfterProgress = 2;
    EXPECT_EQ(InitializeParameters(rig.ctx, rig.target(), 20), Outcome::Interrupted);
    EXPECT_EQ(rig.sent().size(), 4u);  // @INIT PRM, @?Ver 0, two reads
    EXPECT_EQ(
        rig.prompter.messages,
        (std::vector<Message>{{"notify", "Initialize is interrupted", "Parameter initialize"}}));
}

// From the direct-operation screen every command and reply also goes to its display.

}  // namespace
}  // namespace mivo
