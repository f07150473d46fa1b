// The simulated controller's families as the line sees them: faults chosen per family, and the
// parameter memory.
#include <gtest/gtest.h>

#include <functional>

#include "parameters/parameter_table.h"
#include "sim/sim_rig.h"

namespace mivo::test {
namespace {

using Lines = std::vector<std::string>;

TEST(SimFamily, FaultsHitTheChosenFamilyOnly) {
    const std::string noise = [] {
        SimRig rig;
        rig.sim.faults.garbage.which = SimPick::kEvery;
        return rig.channel.request("@?NO");
    }();
    struct Case {
        const char* name;
        std::function<void(SimFaults&)> set;
        std::vector<std::pair<std::string, Lines>> exchanges;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"refuse every steps command",
         [](SimFaults& f) { f.refuse = {SimPick::kEvery, SimFamily::Steps}; f.refuseLine = "31:Busy"; },
         {{"@?NO", {"NG", "31:Busy"}}, {"@?Ver 0", {"V1.20", "OK"}}, {"@READ STEP 0", {"NG", "31:Busy"}},
          {"@?ORG", {"0", "OK"}}, {"@WRITE STEP 0,END,000,,,,", {"NG", "31:Busy"}}, {"@", {"OK"}}}},
        {"motion silent: nothing starts",
         [](SimFaults& f) { f.silent = {SimPick::kEvery, SimFamily::Motion}; },
         {{"@ORG", {""}}, {"@?NO", {"0", "OK"}}, {"@RUN", {""}}, {"@READ PRM 22", {"200.00", "OK"}}}},
        {"the second records command, counted among records",
         [](SimFaults& f) { f.refuse = {2, SimFamily::Records}; },
         {{"@?Ver 0", {"V1.20", "OK"}}, {"@?NO", {"0", "OK"}}, {"@READ ERR", {"NG", "10:Command error"}},
          {"@?Ver 1", {"V1.01", "OK"}}}},
        {"noise for parameters",
         [](SimFaults& f) { f.garbage = {SimPick::kEvery, SimFamily::Parameters}; },
         {{"@READ PRM 0", {noise}}, {"@?Ver 4", {"V1.04", "OK"}}}},
        {"unknown commands belong to no family",
         [](SimFaults& f) { f.refuse = {SimPick::kEvery, SimFamily::Core}; f.refuseLine = "99:Core"; },
         {{"@NOSUCH", {"NG", "10:Command error"}}, {"@", {"NG", "99:Core"}}}},
        {"the k-th command counts them all without a family",
         [](SimFaults& f) { f.silent.which = 2; },
         {{"@?Ver 0", {"V1.20", "OK"}}, {"@?NO", {""}}, {"@?ORG", {"0", "OK"}}}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimRig rig;
        c.set(rig.sim.faults);
        for (const auto& [command, lines] : c.exchanges)
            EXPECT_EQ(rig.all(command), lines) << command;
        EXPECT_EQ(rig.sim.motion.activity(), SimMotion::Activity::Idle);
    }
}

TEST(SimFamily, ParameterMemoryKeepsTextsAsWritten) {
    const Lines number = {"NG", "45:Parameter No. error"};
    struct Case {
        std::string command;
        Lines lines;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"@READ PRM 0", {"22", "OK"}},
        {"@READ PRM 24", {"70.00", "OK"}},
        {"@WRITE PRM 24,200.0", {"OK"}},
        {"@READ PRM 24", {"200.0", "OK"}},
        {"@WRITE PRM 42,1,2;3", {"OK"}},
        {"@READ PRM 42", {"1,2;3", "OK"}},
        {"@WRITE PRM 525,7", {"OK"}},
        {"@READ PRM 525", {"7", "OK"}},
        {"@READ PRM 3", {"", "OK"}},
        {"@WRITE PRM 0,31", number},  // the robot number is set by @INIT PRM only
        {"@READ PRM 0", {"22", "OK"}},
        {"@READ PRM 526", number},
        {"@WRITE PRM 526,1", number},
        {"@WRITE PRM x,1", number},
        {"@WRITE PRM 7", number},
        {"@READ PRM", number},
        {"@READ PRM -1", number},
    };
    // clang-format on
    SimRig rig;
    for (const Case& c : cases) EXPECT_EQ(rig.all(c.command), c.lines) << c.command;
}

// "@INIT PRM r" loads robot r's set into 0..43, the one the editor's catalogue gives; the rest
// of the memory keeps what it held.
TEST(SimFamily, InitParametersLoadsTheRobotSet) {
    for (const RobotSet& set : RobotSets()) {
        SCOPED_TRACE(set.entry);
        SimRig rig;
        rig.all("@WRITE PRM 22,1.00");
        rig.all("@WRITE PRM 200,12.5");
        EXPECT_EQ(rig.all("@INIT PRM " + std::to_string(set.robotNumber)), Lines{"OK"});
        ParameterTable expected;
        for (int i = 0; i < kRobotDependentCount; ++i)
            expected.setValue(kRobotDependentParameters[static_cast<std::size_t>(i)],
                              set.initial[static_cast<std::size_t>(i)]);
        for (int n = 0; n < kEditableParameterCount; ++n)
            EXPECT_EQ(rig.sim.parameters.values[static_cast<std::size_t>(n)], expected.value(n))
                << n;
        EXPECT_EQ(rig.all("@READ PRM 200"), (Lines{"12.5", "OK"}));
    }
    for (const char* robot : {"13", "99", "1", "220", "", "x1", "-22"}) {
        SimRig rig;
        rig.all("@WRITE PRM 22,1.00");
        EXPECT_EQ(rig.all(std::string("@INIT PRM ") + robot), (Lines{"NG", "45:Robot No. error"}))
            << robot;
        EXPECT_EQ(rig.all("@READ PRM 22"), (Lines{"1.00", "OK"})) << robot;
    }
}

}  // namespace
}  // namespace mivo::test
