#include "common/convert.h"

#include <gtest/gtest.h>

#include <functional>

#include "common/readable_text.h"
#include "steps/step_files.h"
#include "support/scripted_prompter.h"

namespace mivo {

TEST(Convert, IntegersAcceptedAndRefused) {
    struct Case {
        const char* text;
        bool ok;
        int value;
    } cases[] = {
        {"0", true, 0},    {"12", true, 12},          {" 7", true, 7},
        {"+4", true, 4},   {"-3", true, -3},          {"", false, 0},
        {"abc", false, 0}, {"1.5", false, 0},         {"12 ", false, 0},
        {"-", false, 0},   {"99999999999", false, 0}, {"2147483647", true, 2147483647},
    };
    for (const auto& c : cases) {
        int v = -1;
        EXPECT_EQ(TryStrToInt(c.text, v), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(v, c.value) << c.text;
        }
    }
}

// A refusal quotes the text readably: control bytes as \xNN, a long text cut.
TEST(Convert, RefusalsQuoteTheTextReadably) {
    const std::string escape = "\x1B[2J\x1B]0;owned\x07";
    struct Case {
        const char* what;
        std::function<void()> convert;
        std::string shown;
    } cases[] = {
        {"integer", [] { StrToInt("abc"); }, "'abc' is not a valid integer value"},
        {"integer with control bytes", [&] { StrToInt(escape); },
         "'\\x1B[2J\\x1B]0;owned\\x07' is not a valid integer value"},
        // Windows-1252 text stays; NUL and the undefined bytes are escaped.
        {"integer with undefined bytes", [] { StrToInt(std::string("caf\xE9\0\x81\x9D", 7)); },
         "'caf\xE9\\x00\\x81\\x9D' is not a valid integer value"},
        {"number of a megabyte", [] { StrToFloat(std::string(1 << 20, '9') + "x"); },
         "'" + std::string(kReadableLength, '9') + "... (1048577 bytes)' is not a valid " +
             "floating point value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            c.convert();
            ADD_FAILURE() << "no error";
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.what(), c.shown);
        }
    }
    // A step line that does not fit is quoted the same way.
    StepTable t;
    test::ScriptedPrompter p;
    EXPECT_FALSE(ConvertStepText(t, escape + ",\r\n", p));
    EXPECT_EQ(p.details,
              std::vector<std::string>{"line 1 of 1 has 1 comma, a step line has at least 7: "
                                       "\"\\x1B[2J\\x1B]0;owned\\x07,\""});
}

TEST(Convert, FloatsReadAndWrittenAsTheShortestDecimalText) {
    struct Case {
        double value;
        const char* text;
    } cases[] = {
        // clang-format off
        {150 * 2.0, "300"}, {33 * 0.45, "14.85"}, {0.1 * 3, "0.3"}, {2.0 / 3, "0.666666666666667"},
        {-20, "-20"}, {-0.0, "0"}, {123456789012345, "123456789012345"}, {1e15, "1E15"},
        {1.5e20, "1.5E20"}, {-2.5e-7, "-2.5E-7"}, {0.00001, "0.00001"}, {0.000001, "1E-6"},
        {999999999999999.9, "1E15"},
        // clang-format on
    };
    for (const Case& c : cases) EXPECT_EQ(FloatToStr(c.value), c.text) << c.text;
    for (const char* text : {"14.85", "0.0045", "-1998", "45"})
        EXPECT_EQ(FloatToStr(StrToFloat(text)), text);
    EXPECT_DOUBLE_EQ(StrToFloat("  -3"), -3.0);
    for (const char* text : {"", "1,5", "x"})
        EXPECT_THROW(StrToFloat(text), ConversionError) << text;
}

}  // namespace mivo
