// The catalogue's initial values against its own ranges and against the robot sets the
// controller builds.
#include "parameters/parameter_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/convert.h"
#include "sim/sim_controller.h"

namespace mivo {
namespace {

// Whether `value` lies in an input range as the catalogue writes it: "a - b" (b may be below
// a), or choices "0:ON 1:OFF".
bool InRange(const std::string& range, const std::string& value) {
    const std::size_t dash = range.find(" - ");
    if (dash == std::string::npos)
        return (" " + range).find(" " + value + ":") != std::string::npos;
    const double a = StrToFloat(range.substr(0, dash));
    const double b = StrToFloat(range.substr(dash + 3));
    const double v = StrToFloat(value);
    return v >= std::min(a, b) && v <= std::max(a, b);
}

TEST(ParameterCatalogue, EveryInitialValueLiesInItsRange) {
    EXPECT_TRUE(InRange("0:No S-shaped 1:S-shaped", "1"));
    EXPECT_FALSE(InRange("0:No S-shaped 1:S-shaped", "2"));
    for (int n = 0; n < kEditableParameterCount; ++n) {
        if (ParameterHasName(n)) {
            EXPECT_TRUE(InRange(ParameterCatalogue(n).range, ParameterCatalogue(n).initial)) << n;
        }
    }
    for (const RobotSet& set : RobotSets())
        for (std::size_t i = 0; i < kRobotDependentParameters.size(); ++i) {
            const int n = kRobotDependentParameters[i];
            EXPECT_TRUE(InRange(ParameterCatalogue(n).range, set.initial[i])) << set.entry << n;
        }
}

// The simulated controller builds each robot's set from the two digits of its number; the
// editor's sets must be the very same, robot 22's being the catalogue's.
TEST(ParameterCatalogue, RobotSetsAreTheControllers) {
    SimController sim;
    for (const RobotSet& set : RobotSets()) {
        SCOPED_TRACE(set.entry);
        EXPECT_EQ(std::string(set.entry).substr(0, 3), std::to_string(set.robotNumber) + ":");
        EXPECT_EQ(&RobotSetFor(set.robotNumber), &set);
        ASSERT_TRUE(sim.parameters.loadRobot(set.robotNumber));
        std::vector<std::string> expected;
        for (int n = 0; n < kEditableParameterCount; ++n)
            expected.push_back(ParameterCatalogue(n).initial);
        for (std::size_t i = 0; i < kRobotDependentParameters.size(); ++i)
            expected[static_cast<std::size_t>(kRobotDependentParameters[i])] = set.initial[i];
        EXPECT_EQ(std::vector<std::string>(sim.parameters.values.begin(),
                                           sim.parameters.values.begin() + kEditableParameterCount),
                  expected);
    }
    for (std::size_t i = 0; i < kRobotDependentParameters.size(); ++i)
        EXPECT_EQ(ParameterCatalogue(kRobotDependentParameters[i]).initial,
                  RobotSetFor(kDefaultRobotNumber).initial[i]);
}

}  // namespace
}  // namespace mivo
