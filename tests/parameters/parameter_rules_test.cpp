// The rules of the parameter data: the initial values by robot number, the robot sets against
// the controller's own, the rows a transfer walks per controller version, what a value
// may hold and how long it may be, and the lead-2 speed limit checked before a send.
#include "parameters/parameter_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "common/convert.h"
#include "parameters/parameter_catalogue.h"
#include "parameters/parameter_table.h"
#include "sim/sim_controller.h"
#include "support/scripted_prompter.h"

namespace mivo {
namespace {

using test::Message;
using test::ScriptedPrompter;

const char* const kLeadSpeedText = "In case of lead 2, the maximum speed is 70mm/s";

// The initial values follow the robot number: the controller's own set for that robot (the
// simulated controller builds it from the two digits), robot 22's for a robot it does not know.
// A robot number that is no integer leaves the robot's values as they were.
TEST(ParameterTable, InitialValuesByRobotNumber) {
    // The value of parameter 0, the set written (0: a conversion error).
    const std::pair<const char*, int> cases[] = {
        {"31", 31}, {"10", 10}, {"11", 11}, {"21", 21}, {"20", 20},  {"30", 30}, {"32", 32},
        {"22", 22}, {"13", 22}, {"99", 22}, {"0", 22},  {"-31", 22}, {"abc", 0},
    };
    for (const auto& [robot, set] : cases) {
        SCOPED_TRACE(std::string("robot '") + robot + "'");
        ParameterTable t;
        for (int n = 0; n < kEditableParameterCount; ++n) {
            t.setValue(n, "value" + std::to_string(n));
            t.setInitial(n, "old");
        }
        t.setValue(PrmRobotNumber, robot);
        const ParameterTable before = t;
        std::string error;
        try {
            InitialValuesByRobot(t);
        } catch (const ConversionError& e) {
            error = e.what();
        }
        EXPECT_EQ(error, set ? "" : "'" + std::string(robot) + "' is not a valid integer value");
        SimController sim;
        ASSERT_TRUE(sim.parameters.loadRobot(set ? set : kDefaultRobotNumber));
        const auto& dependent = kRobotDependentParameters;
        for (int n = 0; n < kParameterCount; ++n) {
            ASSERT_EQ(t.value(n), before.value(n)) << n;  // values are never touched
            const bool kept = n >= kEditableParameterCount ||
                              (set == 0 && std::count(dependent.begin(), dependent.end(), n));
            EXPECT_EQ(t.initial(n), kept ? before.initial(n) : sim.parameters.values[n]) << n;
        }
    }
    // A fresh table holds robot 22's values, as a fresh controller does.
    const ParameterTable fresh;
    const SimController sim;
    for (int n = 0; n < kEditableParameterCount; ++n)
        EXPECT_EQ(fresh.initial(n), sim.parameters.values[n]) << n;
}

TEST(ParameterRules, OldControllerVersionsWalkOneRowLess) {
    const std::pair<const char*, int> cases[] = {
        {"1.03", 43}, {"1.10", 43}, {"1.00", 43}, {"1", 43},     {"1.13", 43},
        {"1.14", 44}, {"1.02", 44}, {"", 44},     {"V1.20", 44},
    };
    for (const auto& [version, count] : cases) EXPECT_EQ(TransferCount(version), count) << version;
}

// A value is one file line and one command line (the step fields' separators are refused, see
// StepRules.FieldSeparatorsAreRefusedOutsideTheComment), and fits its field: as wide as its
// input range, a pallet's or an offset's position as wide as the virtual origin point.
TEST(ParameterRules, ValuesWithASeparatorOrTooLongAreRefused) {
    // What, the parameter, its value, the refusal ("": accepted).
    const std::tuple<const char*, int, std::string, std::string> cases[] = {
        // clang-format off
        {"speed of range 1 - 200 in two decimals", PrmXMaxSpeed, "200.00", ""},
        {"speed a digit too wide", PrmXMaxSpeed, "1200.00", "V holds at most 6 characters"},
        {"empty", PrmXMaxSpeed, "", ""},
        {"a decimal comma", PrmXMaxSpeed, "45,00", "A comma cannot be inputted in V"},
        {"other punctuation", PrmXMaxSpeed, "1;2", ""},
        {"Latin-1 byte", PrmXMaxSpeed, "caf\xe9", ""},
        {"choice too wide", 40, "1;2;3", "V holds at most 4 characters"},
        {"pallet corner too wide", PalletParameter(19, PalletY3), "-1000.00", "V holds at most 7 characters"},
        {"reserved holds nothing", 3, "1", "V holds at most 0 characters"},
        // clang-format on
    };
    for (const auto& [what, number, value, refusal] : cases)
        EXPECT_EQ(ValueRefusal(value, ValueLength(number), "V"), refusal) << what;
    // Every value the editor writes itself fits.
    for (int n = 0; n < kEditableParameterCount; ++n)
        EXPECT_LE(ParameterCatalogue(n).initial.size(), ValueLength(n)) << n;
    for (const RobotSet& set : RobotSets())
        for (std::size_t i = 0; i < kRobotDependentCount; ++i)
            EXPECT_LE(std::strlen(set.initial[i]), ValueLength(kRobotDependentParameters[i]));
}

TEST(ParameterRules, LeadTwoSpeedLimit) {
    // Changes to a fresh table (Z lead 2.00 with Z speeds 70.00, 5.00, 10.00), and the axis
    // refused (-1: the values may be sent; kNoNumber: the last text is no number).
    constexpr int kNoNumber = -2;
    const std::tuple<const char*, std::vector<std::pair<int, std::string>>, int> cases[] = {
        // clang-format off
        {"fresh table", {}, -1},
        {"Z lead 2, Z3 speed 71", {{16, "2"}, {33, "71"}}, 2},
        {"Z lead 2.00, Z maximum 70.00", {{24, "70.00"}}, -1},
        {"Z maximum 70.01", {{24, "70.01"}}, 2},
        {"Z lead 2.5, Z maximum 200", {{16, "2.5"}, {24, "200"}}, -1},
        {"X lead 2, X1 / X2 speed 75", {{14, "2"}, {28, "75"}}, 0},
        {"Y lead 2, Y3 speed 71", {{15, "2"}, {23, "70"}, {30, "5"}, {31, "71"}}, 1},
        {"R lead 2.0, R maximum 200", {{17, "2.0"}}, 3},
        {"X and Z refused: X first", {{14, " 2"}, {22, "100"}, {24, "80"}}, 0},
        {"Z lead 6, Z speed no number", {{16, "6"}, {33, "fast"}}, -1},
        {"X lead no number", {{14, "abc"}}, kNoNumber},
        {"Z maximum no number", {{24, "fast"}}, kNoNumber},
        // clang-format on
    };
    for (const auto& [what, values, refused] : cases) {
        SCOPED_TRACE(what);
        ParameterTable t;
        for (const auto& [n, v] : values) t.setValue(n, v);
        std::vector<Message> shown;
        if (refused == kNoNumber) {
            EXPECT_THROW(LeadSpeedViolation(t), ConversionError);
            // The message names the parameter whose value is no number.
            const auto& [n, v] = values.back();
            shown = {
                {"notify",
                 ParameterCatalogue(n).name + ": '" + v + "' is not a valid floating point value",
                 "Parameter send"}};
        } else {
            EXPECT_EQ(LeadSpeedViolation(t), refused);
            if (refused >= 0) shown = {{"notify", kLeadSpeedText, "Error"}};
        }
        ScriptedPrompter p;
        EXPECT_EQ(CheckLeadSpeeds(t, p, "Parameter send"), refused == -1);
        EXPECT_EQ(p.messages, shown);
    }
}

}  // namespace
}  // namespace mivo
