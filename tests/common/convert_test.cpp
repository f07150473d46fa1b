#include "common/convert.h"

#include <gtest/gtest.h>

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
    try {
        StrToInt("abc");
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
}

TEST(Convert, FloatsAcceptedAndRefused) {
    EXPECT_DOUBLE_EQ(StrToFloat("10.25"), 10.25);
    EXPECT_DOUBLE_EQ(StrToFloat("  -3"), -3.0);
    EXPECT_THROW(StrToFloat(""), ConversionError);
    EXPECT_THROW(StrToFloat("1,5"), ConversionError);
    EXPECT_THROW(StrToFloat("x"), ConversionError);
}

}  // namespace mivo
