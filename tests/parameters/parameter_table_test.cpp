// The parameter table: how it starts, "New programming", and the initial values by robot
// number.
#include "parameters/parameter_table.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/convert.h"

namespace mivo {
namespace {

bool IsDependent(int n) {
    return std::find(kRobotDependentParameters.begin(), kRobotDependentParameters.end(), n) !=
           kRobotDependentParameters.end();
}

TEST(ParameterTable, InitialValuesByRobotNumber) {
    struct Case {
        const char* robot;  // the value of parameter 0
        int set;            // the set written, 0: a conversion error
    } cases[] = {
        {"31", 31},  {"10", 10}, {"21", 21}, {"32", 32},  {"22", 22},  {"13", 22},
        {"99", 22},  {"15", 22}, {"0", 22},  {"-31", 22}, {" 31", 31}, {"+12", 12},
        {"22.0", 0}, {"", 0},    {"abc", 0}, {"31 ", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("robot '") + c.robot + "'");
        ParameterTable t;
        for (int n = 0; n < kEditableParameterCount; ++n) {
            t.setValue(n, "value" + std::to_string(n));
            t.setInitial(n, "old");
        }
        t.setValue(PrmRobotNumber, c.robot);
        const ParameterTable before = t;
        if (c.set == 0) {
            try {
                InitialValuesByRobot(t);
                ADD_FAILURE() << "no conversion error";
            } catch (const ConversionError& e) {
                EXPECT_EQ(e.what(), "'" + std::string(c.robot) + "' is not a valid integer value");
            }
        } else {
            InitialValuesByRobot(t);
        }
        const RobotSet& set = RobotSetFor(c.set);
        for (int n = 0; n < kParameterCount; ++n) {
            ASSERT_EQ(t.value(n), before.value(n)) << n;  // values are never touched
            std::string expected = before.initial(n);
            if (n < kEditableParameterCount && !IsDependent(n)) {
                expected = ParameterCatalogue(n).initial;
            } else if (IsDependent(n) && c.set != 0) {
                const auto i = std::find(kRobotDependentParameters.begin(),
                                         kRobotDependentParameters.end(), n) -
                               kRobotDependentParameters.begin();
                expected = set.initial[static_cast<std::size_t>(i)];
            }
            EXPECT_EQ(t.initial(n), expected) << n;
        }
    }
}

}  // namespace
}  // namespace mivo
