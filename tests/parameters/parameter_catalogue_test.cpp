// The catalogue's numbering and the consistency of its texts; a few names that screens and
// transfers rely on.
#include "parameters/parameter_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "common/convert.h"

namespace mivo {
namespace {

// An input range as the catalogue writes it: "a - b" (b may be below a), or choices
// "0:ON 1:OFF".
struct Range {
    bool choices = false;
    double low = 0;
    double high = 0;
    std::set<std::string> allowed;
};

Range ParseRange(const std::string& text) {
    Range r;
    const std::size_t dash = text.find(" - ");
    if (dash != std::string::npos) {
        const double a = StrToFloat(text.substr(0, dash));
        const double b = StrToFloat(text.substr(dash + 3));
        r.low = std::min(a, b);
        r.high = std::max(a, b);
        return r;
    }
    r.choices = true;
    std::istringstream words(text);
    for (std::string word; words >> word;)
        if (const std::size_t colon = word.find(':'); colon != std::string::npos)
            r.allowed.insert(word.substr(0, colon));
    return r;
}

void ExpectInRange(int n, const std::string& value) {
    const Range r = ParseRange(ParameterCatalogue(n).range);
    if (r.choices) {
        EXPECT_TRUE(r.allowed.count(value)) << n << " " << value;
    } else {
        const double v = StrToFloat(value);
        EXPECT_TRUE(v >= r.low && v <= r.high) << n << " " << value;
    }
}

TEST(ParameterCatalogue, EveryInitialValueLiesInItsRange) {
    EXPECT_EQ(ParseRange("0:No S-shaped 1:S-shaped").allowed, (std::set<std::string>{"0", "1"}));
    for (int n = 0; n < kEditableParameterCount; ++n) {
        if (!ParameterHasName(n)) continue;
        ASSERT_NO_THROW(ParseRange(ParameterCatalogue(n).range)) << n;
        ExpectInRange(n, ParameterCatalogue(n).initial);
    }
    for (const RobotSet& set : RobotSets())
        for (int i = 0; i < kRobotDependentCount; ++i)
            ExpectInRange(kRobotDependentParameters[static_cast<std::size_t>(i)], set.initial[i]);
}

// The robot sets follow the digits of the robot number: the first picks the X stroke (+) and
// the Y stroke (-), the second the Z group.
TEST(ParameterCatalogue, RobotSetsFollowTheDigitsOfTheNumber) {
    struct Strokes {
        const char* xPlus;
        const char* yMinus;
    };
    const std::map<int, Strokes> byFirst = {
        {1, {"150.00", "-2.00"}}, {2, {"200.00", "-2.00"}}, {3, {"100.00", "-5.00"}}};
    // Columns 8, 12, 16, 24, 33, 38, 41 (Z strokes, lead, maximum speed, Z3 speed, move
    // amount, axis number); 20 and 32 are the same for all.
    const std::map<int, std::vector<std::string>> bySecond = {
        {0, {"0.00", "0.00", "2.00", "70.00", "10.00", "0.00", "2"}},
        {1, {"50.00", "-5.00", "6.00", "200.00", "30.00", "0.01", "3"}},
        {2, {"50.00", "-5.00", "2.00", "70.00", "10.00", "0.01", "3"}}};
    std::set<int> numbers;
    for (const RobotSet& set : RobotSets()) {
        SCOPED_TRACE(set.entry);
        numbers.insert(set.robotNumber);
        const std::string number = std::to_string(set.robotNumber);
        EXPECT_EQ(std::string(set.entry).substr(0, 3), number + ":");
        EXPECT_EQ(set.initial[0], number);
        EXPECT_STREQ(set.initial[1], byFirst.at(set.robotNumber / 10).xPlus);
        EXPECT_STREQ(set.initial[3], byFirst.at(set.robotNumber / 10).yMinus);
        const auto& z = bySecond.at(set.robotNumber % 10);
        const std::vector<std::string> got = {set.initial[2], set.initial[4], set.initial[5],
                                              set.initial[7], set.initial[9], set.initial[10],
                                              set.initial[11]};
        EXPECT_EQ(got, z);
        EXPECT_STREQ(set.initial[6], "0.1");
        EXPECT_STREQ(set.initial[8], "5.00");
        EXPECT_EQ(&RobotSetFor(set.robotNumber), &set);
    }
    EXPECT_EQ(numbers, (std::set<int>{10, 11, 12, 20, 21, 22, 30, 31, 32}));
}

TEST(ParameterCatalogue, RobotTwentyTwoIsTheCatalogueAndTheFallback) {
    const RobotSet& set = RobotSetFor(kDefaultRobotNumber);
    EXPECT_EQ(set.robotNumber, 22);
    EXPECT_STREQ(set.entry, "22:MIVO-PBL3");
    for (int i = 0; i < kRobotDependentCount; ++i)
        EXPECT_EQ(
            ParameterCatalogue(kRobotDependentParameters[static_cast<std::size_t>(i)]).initial,
            set.initial[i]);
    for (int other : {0, 13, 15, 23, 33, 99, -22, 122})
        EXPECT_EQ(&RobotSetFor(other), &set) << other;
}

}  // namespace
}  // namespace mivo
