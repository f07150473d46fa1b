// The step rules the command-entry dialog and the program check share, and the program check.
#include "steps/program_check.h"

#include <gtest/gtest.h>

#include "steps/step_rules.h"

namespace mivo {

inline void PrintTo(const Finding& f, std::ostream* os) { *os << FindingLine(f); }

namespace {

// The first refusal of a step's values, by command and operation (the dialog shows the same).
TEST(StepValueRules, FirstRefusal) {
    const auto point = [](const char* v, const char* x = "1") {
        return StepValues{"POI", "0", v, x, "2", "3"};
    };
    const auto seq = [](const char* code, const char* v, const char* jump = "") {
        return StepValues{"SEQ", code, v, "", "", "", "", "", "", "", "", jump};
    };
    // clang-format off
    const std::vector<std::pair<StepValues, std::string>> cases = {
        {point("5"), ""}, {point("100"), ""},
        {point("0"), "Input 1 and above"}, {point("101"), "Set speed rate from 1 to 100%"},
        {point("+5"), "+ cannot be inputted"}, {point("-5"), "- cannot be inputted"},
        {point("05"), "Cannot compute due to speed data error"},
        {point("abc"), "'abc' is not a valid integer value"}, {point(""), "Input speed rate"},
        {{"END", "0", ""}, "Input speed rate"},  // its value is hidden, and required
        {point("5", ""), "Input X value"}, {{"POI", "6", "5"}, "Input R value"},
        {point("5", "start"), "X 'start' is no number"}, {point("5", "-1.5"), ""},
        {{"CIR", "0", "100", "1", "2", "3", "", "4", "5", "6", "y"}, "Y3 'y' is no number"},
        {{"CIR", "0", "100", "1", "2", "3"}, "Input X2 value"},
        {seq("0", "15"), "Set input port from 0 to 14"}, {seq("0", "14"), ""},
        {seq("2", "13"), "Set output port from 0 to 12"}, {seq("3", "14"), "Set output port from 0 to 13"},
        {seq("4", "0"), "Set timer from 1 to 100(x 0.1sec)"}, {seq("4", "100"), ""},
        {seq("4", ""), "Input TIMER"}, {seq("2", ""), "Input I/O port"},
        {seq("6", "1"), "Input jump-to value"}, {seq("900", "14", "5"), "Set output port from 0 to 13"},
        {{"PAL", "0", "20"}, "Set pallet No. from 0 to 19"}, {{"PAL", "1", "20"}, ""},
        {{"PAL", "2", ""}, "Input pallet No."},
    };
    // clang-format on
    for (const auto& [values, refusal] : cases) {
        SCOPED_TRACE(values.command + " " + values.code + " V=" + values.value);
        EXPECT_EQ(RefusedStepValues(values), refusal);
    }
}

// Each kind of finding, at its step, and a program that passes.
TEST(ProgramCheck, Findings) {
    const auto parameter = [](int n) {
        return n >= 6 && n <= 9 ? std::string("200.00") : std::string("-5.00");
    };
    const AxisStrokes strokes = StrokesFromParameters(parameter);
    ASSERT_TRUE(strokes.known);
    const StepRow end{"END", "000"};
    struct Case {
        const char* name;
        std::vector<std::pair<int, StepRow>> rows;
        std::vector<Finding> findings;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"a sound program", {{0, {"poi", "000", "1", "2", "3", "0"}}, {1, {"CIR", "100", "10", "20", "5"}}, {2, {"CIR", "000", "30", "40", "50", "60"}}, {3, {"SEQ", "805", "", "", "", "", "5"}}, {5, end}}, {}},
        {"no step command", {{0, {"JMP", "000"}}, {1, end}}, {{0, "'JMP' is no step command"}}},
        {"operation", {{0, {"POI", "9", "1", "2", "3"}}, {1, {"LIN", "300", "1", "2", "3"}}, {2, end}}, {{0, "Operation '9' is no operation code"}, {1, "Operation 300 is none of LIN's"}}},
        {"a value the dialog refuses", {{0, {"POI", "000", "", "2", "3"}}, {1, end}}, {{0, "Input X value"}}},
        {"positions", {{0, {"POI", "000", "250", "2", "-6"}}, {1, {"POI", "000", "1a", "2", "3"}}, {2, {"POI", "800", "250", "2", "3"}}, {3, end}}, {{0, "X 250 is outside the X stroke -5 to 200"}, {0, "Z -6 is outside the Z stroke -5 to 200"}, {1, "X '1a' is no number"}}},
        {"a broken circle", {{0, {"CIR", "000", "10", "20", "5"}}, {1, {"POI", "000", "1", "2", "3"}}, {2, end}}, {{0, "The circle lacks its second CIR row"}}},
        {"jumps", {{0, {"SEQ", "600", "", "", "", "", "7"}}, {1, {"SEQ", "700", "", "", "", "", "1000"}}, {2, end}}, {{0, "Jump to step 7, which is empty"}, {1, "Jump to step 1000 is past 999"}}},
        {"no END reached", {{0, {"SEQ", "800", "", "", "", "", "0"}}, {1, end}}, {{0, "No END is reached from step 0"}}},
        {"a call returns to the step after it", {{0, {"SEQ", "916", "", "", "", "", "5"}}, {1, end}, {5, {"SEQ", "917"}}}, {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StepTable table;
        for (const auto& [step, row] : c.rows) table[step] = row;
        EXPECT_EQ(CheckProgram(table, strokes), c.findings);
    }
    EXPECT_FALSE(StrokesFromParameters([](int) { return std::string(); }).known);
}

}  // namespace
}  // namespace mivo
