// The parameter part of a ZEB data file: fields at fixed positions, products as shortest
// decimal texts, and all or nothing.
#include "parameters/parameter_zeb.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/scripted_prompter.h"

namespace mivo {
namespace {

using test::Message;
using test::ScriptedPrompter;

// A text placed at a character position (counted from 1) of an otherwise blank line.
std::string At(std::size_t pos, const std::string& text, std::size_t width = 20) {
    std::string line(std::max(width, pos - 1 + text.size()), ' ');
    line.replace(pos - 1, text.size(), text);
    return line;
}

// A ZEB file: 1001 step lines, then lines 1002..1011 as given (fewer when `block` is shorter),
// then pallet lines.
std::string ZebFile(const std::vector<std::string>& block, int palletLines = 330) {
    std::string out;
    for (int k = 0; k < 1001; ++k) out += "------\r\n";
    for (const auto& line : block) out += line + "\r\n";
    for (int k = 0; k < palletLines && block.size() == 10; ++k) out += "PALLET 1234.5\r\n";
    return out;
}

// Speeds 0150, 0033, 0035, 0100; linear 0033; accelerations as texts; origin " 1.5".
std::vector<std::string> GoodBlock() {
    return {At(8, "0150"), At(8, "0033"), At(8, "0035"), At(8, "0100"), At(11, "0033"),
            At(8, "0.20"), At(8, "1.5 "), At(8, "10"),   At(8, "0.1x"), At(4, " 1.5")};
}

TEST(ParameterZeb, ProductsAsShortestDecimalTexts) {
    struct Case {
        const char* field;
        bool linear;  // line 1006, times 0.45; otherwise line 1002, times 2
        const char* value;
    } cases[] = {
        {"0150", false, "300"},   {"0033", true, "14.85"}, {"0100", true, "45"},
        {"0007", true, "3.15"},   {"0001", true, "0.45"},  {"0000", false, "0"},
        {"-010", false, "-20"},   {" 1.5", false, "3"},    {"-000", true, "0"},
        {"9999", false, "19998"}, {"150 ", false, "300"},  {" 33 ", true, "14.85"},
        {"0.01", true, "0.0045"}, {"1e3", false, "2000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + (c.linear ? " x 0.45" : " x 2"));
        std::vector<std::string> block = GoodBlock();
        block[c.linear ? 4 : 0] = c.linear ? At(11, c.field) : At(8, c.field);
        ParameterTable t;
        ScriptedPrompter p;
        ASSERT_TRUE(ConvertZebParameters(t, ZebFile(block), p));
        EXPECT_EQ(t.value(c.linear ? PrmLinearSpeed : PrmXMaxSpeed), c.value);
    }
}

TEST(ParameterZeb, BadBlockChangesNothing) {
    const char* const cannotOpen = "File cannot be open";
    struct Case {
        const char* what;
        int line;  // 1002..1011: replaced by `text`; 0: the block is cut to `cut` lines
        std::string text;
        std::size_t cut;
        std::string message;
        std::string detail;
    } cases[] = {
        {"1010 lines", 0, "", 9, cannotOpen,
         "the file has 1010 lines; the parameters of a ZEB data file stand in lines 1002 to "
         "1011"},
        {"only steps", 0, "", 0, cannotOpen,
         "the file has 1001 lines; the parameters of a ZEB data file stand in lines 1002 to "
         "1011"},
        {"R maximum speed no number", 1005, At(8, "ab12"), 0,
         "'ab12' is not a valid floating point value", "line 1005, characters 8 to 11"},
        {"linear speed missing", 1006, "0033", 0, "'' is not a valid floating point value",
         "line 1006, characters 11 to 14"},
        {"decimal comma", 1006, At(11, "33,5"), 0, "'33,5' is not a valid floating point value",
         "line 1006, characters 11 to 14"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> block = GoodBlock();
        if (c.line != 0) block[static_cast<std::size_t>(c.line - 1002)] = c.text;
        if (c.line == 0) block.resize(c.cut);
        std::string content = ZebFile(block);
        ParameterTable t;
        t.setValue(PrmXMaxSpeed + 3, "123.00");
        const ParameterTable before = t;
        ScriptedPrompter p;
        EXPECT_FALSE(ConvertZebParameters(t, content, p));
        EXPECT_EQ(p.messages, (std::vector<Message>{{"notify", c.message, "Open"}}));
        EXPECT_EQ(p.details, std::vector<std::string>{c.detail});
        EXPECT_TRUE(t == before);
    }
}

}  // namespace
}  // namespace mivo
