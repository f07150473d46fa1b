// The rules of the parameter transfers: the rows walked per controller version and the lead-2
// speed limit checked before a send.
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

TEST(ParameterRules, LeadTwoSpeedLimit) {
    // Changes to a fresh table (Z lead 2.00 with Z speeds 70.00, 5.00, 10.00), and the axis
    // refused (-1: the values may be sent).
    struct Case {
        const char* what;
        std::vector<std::pair<int, std::string>> values;
        int refused;
    } cases[] = {
        {"fresh table", {}, -1},
        {"Z lead 2, Z3 speed 71", {{16, "2"}, {33, "71"}}, 2},
        {"Z lead 2.00, Z maximum 70.00", {{24, "70.00"}}, -1},
        {"Z maximum 70.01", {{24, "70.01"}}, 2},
        {"Z1 / Z2 speed 75", {{32, "75"}}, 2},
        {"Z lead 6, Z speeds 200", {{16, "6"}, {24, "200"}, {32, "200"}, {33, "200"}}, -1},
        {"Z lead 2.5, Z maximum 200", {{16, "2.5"}, {24, "200"}}, -1},
        {"X lead 2, X1 / X2 speed 75", {{14, "2"}, {28, "75"}}, 0},
        {"X lead 2, X3 speed 71", {{14, "2"}, {22, "70"}, {28, "70"}, {29, "71"}}, 0},
        {"Y lead 2, Y3 speed 71", {{15, "2"}, {23, "70"}, {30, "5"}, {31, "71"}}, 1},
        {"Y lead 2, Y speeds at 70", {{15, "2"}, {23, "70"}, {30, "70"}, {31, "70"}}, -1},
        {"R lead 2.0, R maximum 200", {{17, "2.0"}}, 3},
        {"X and Z refused: X first", {{14, " 2"}, {22, "100"}, {24, "80"}}, 0},
        {"Z lead 6, Z speed no number", {{16, "6"}, {33, "fast"}}, -1},
        {"lead 2 with a negative speed", {{24, "-100"}}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ParameterTable t;
        for (const auto& [n, v] : c.values) t.setValue(n, v);
        EXPECT_EQ(LeadSpeedViolation(t), c.refused);
        ScriptedPrompter p;
        EXPECT_EQ(CheckLeadSpeeds(t, p, "Parameter send"), c.refused < 0);
        const std::vector<Message> refusal = {{"notify", kLeadSpeedText, "Error"}};
        EXPECT_EQ(p.messages, c.refused < 0 ? std::vector<Message>{} : refusal);
    }
}

TEST(ParameterRules, LeadCheckOfTextsThatAreNoNumber) {
    struct Case {
        int number;
        const char* text;
    } cases[] = {
        {14, "abc"}, {17, ""}, {16, "2,0"}, {24, "fast"}, {33, ""},
    };
    for (const Case& c : cases) {
        ParameterTable t;
        t.setValue(c.number, c.text);
        EXPECT_THROW(LeadSpeedViolation(t), ConversionError) << c.number;
        ScriptedPrompter p;
        EXPECT_FALSE(CheckLeadSpeeds(t, p, "Parameter send"));
        EXPECT_EQ(
            p.messages,
            (std::vector<Message>{
                {"notify", "'" + std::string(c.text) + "' is not a valid floating point value",
                 "Parameter send"}}));
    }
}

}  // namespace
}  // namespace mivo
