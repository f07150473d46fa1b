// The rules of the parameter transfers: the rows walked per controller version, what a value
// may hold, and the lead-2 speed limit checked before a send.
#include "parameters/parameter_rules.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "common/convert.h"
#include "support/scripted_prompter.h"

namespace mivo {
namespace {

using test::Message;
using test::ScriptedPrompter;

const char* const kLeadSpeedText = "In case of lead 2, the maximum speed is 70mm/s";

TEST(ParameterRules, OldControllerVersionsWalkOneRowLess) {
    struct Case {
        const char* version;
        int count;
    } cases[] = {
        {"1.03", 43}, {"1.10", 43}, {"1.00", 43}, {"1", 43},     {"1.13", 43},
        {"1.14", 44}, {"1.02", 44}, {"", 44},     {"V1.20", 44},
    };
    for (const Case& c : cases) EXPECT_EQ(TransferCount(c.version), c.count) << c.version;
}

// A value is one file line and one command line.
TEST(ParameterRules, ValuesWithALineBreakOrNulAreRefused) {
    for (const std::string& text : {std::string("1\n2"), std::string("1\r"), std::string("1\0", 2)})
        EXPECT_EQ(ValueRefusal(text), "A value cannot hold a line break or a NUL character");
    for (const char* text : {"", " -1.5", "1,2;3", "caf\xe9"}) EXPECT_EQ(ValueRefusal(text), "");
}

TEST(ParameterRules, LeadTwoSpeedLimit) {
    // Changes to a fresh table (Z lead 2.00 with Z speeds 70.00, 5.00, 10.00), and the axis
    // refused (-1: the values may be sent; kNoNumber: the last text is no number).
    constexpr int kNoNumber = -2;
    struct Case {
        const char* what;
        std::vector<std::pair<int, std::string>> values;
        int refused;
    } cases[] = {
        // clang-format off
        {"fresh table", {}, -1},
        {"Z lead 2, Z3 speed 71", {{16, "2"}, {33, "71"}}, 2},
        {"Z lead 2.00, Z maximum 70.00", {{24, "70.00"}}, -1},
        {"Z maximum 70.01", {{24, "70.01"}}, 2},
        {"Z lead 2.00 counts as 2", {{16, "2.00"}, {24, "70.5"}}, 2},
        {"Z1 / Z2 speed 75", {{32, "75"}}, 2},
        {"Z lead 6, Z speeds 200", {{16, "6"}, {24, "200"}, {32, "200"}, {33, "200"}}, -1},
        {"Z lead 2.5, Z maximum 200", {{16, "2.5"}, {24, "200"}}, -1},
        {"X lead 2, X1 / X2 speed 75", {{14, "2"}, {28, "75"}}, 0},
        {"X lead 2, X1 / X2 speed 80", {{14, "2"}, {28, "80"}}, 0},
        {"X lead 2, X3 speed 71", {{14, "2"}, {22, "70"}, {28, "70"}, {29, "71"}}, 0},
        {"Y lead 2, Y3 speed 71", {{15, "2"}, {23, "70"}, {30, "5"}, {31, "71"}}, 1},
        {"Y lead 2, Y speeds at 70", {{15, "2"}, {23, "70"}, {30, "70"}, {31, "70"}}, -1},
        {"R lead 2.0, R maximum 200", {{17, "2.0"}}, 3},
        {"X and Z refused: X first", {{14, " 2"}, {22, "100"}, {24, "80"}}, 0},
        {"Z lead 6, Z speed no number", {{16, "6"}, {33, "fast"}}, -1},
        {"lead 2 with a negative speed", {{24, "-100"}}, -1},
        {"X lead no number", {{14, "abc"}}, kNoNumber},
        {"Y lead no number", {{15, "two"}}, kNoNumber},
        {"Z lead with a decimal comma", {{16, "2,0"}}, kNoNumber},
        {"R lead empty", {{17, ""}}, kNoNumber},
        {"Z maximum no number", {{24, "fast"}}, kNoNumber},
        {"Z3 speed empty", {{33, ""}}, kNoNumber},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ParameterTable t;
        for (const auto& [n, v] : c.values) t.setValue(n, v);
        std::vector<Message> shown;
        if (c.refused == kNoNumber) {
            EXPECT_THROW(LeadSpeedViolation(t), ConversionError);
            shown = {{"notify",
                      "'" + c.values.back().second + "' is not a valid floating point value",
                      "Parameter send"}};
        } else {
            EXPECT_EQ(LeadSpeedViolation(t), c.refused);
            if (c.refused >= 0) shown = {{"notify", kLeadSpeedText, "Error"}};
        }
        ScriptedPrompter p;
        EXPECT_EQ(CheckLeadSpeeds(t, p, "Parameter send"), c.refused == -1);
        EXPECT_EQ(p.messages, shown);
    }
}

}  // namespace
}  // namespace mivo
