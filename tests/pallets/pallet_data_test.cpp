// The import of a pallet's block from a ZEB data file.
#include "pallets/pallet_data.h"

#include <gtest/gtest.h>

#include "support/scripted_prompter.h"

namespace mivo {
namespace {

using test::Message;
using test::ScriptedPrompter;

// A ZEB data file of `count` lines: characters 6 to 11 of line k read "KK.50 " (KK = k mod
// 100, two digits), so each field tells the line it came from.
std::string ZebFile(int count) {
    std::string out;
    for (int k = 1; k <= count; ++k) {
        const int kk = k % 100;
        out += std::string("@@@@@") + (kk < 10 ? "0" : "") + std::to_string(kk) + ".50 rest\r\n";
    }
    return out;
}

std::string FromLine(long line, bool section = false) {
    const long kk = line % 100;
    return (kk < 10 ? "0" : "") + std::to_string(kk) + (section ? "" : ".50 ");
}

// The block of the pallet in the number field is read whole, or nothing changes.
TEST(PalletZeb, BlockOfThePalletInTheNumberField) {
    const char* const cannotOpen = "File cannot be open";
    struct Case {
        const char* number;
        int lines;
        std::string message;  // "" when the block is read
        std::string detail;
    } cases[] = {
        // clang-format off
        {"0", 1500, "", ""},
        {"1", 1500, "", ""},
        {"19", 1500, "", ""},
        {"24", 1500, "", ""},
        {"1", 1040, "", ""},  // just long enough
        {"1", 1039, cannotOpen, "the file has 1039 lines; pallet No. 1 stands in lines 1030 to 1040"},
        {"0", 0, cannotOpen, "the file has 0 lines; pallet No. 0 stands in lines 1014 to 1024"},
        {"-64", 1400, cannotOpen, "a ZEB data file has no block for pallet No. -64"},
        {"1.5", 1400, "'1.5' is not a valid integer value", ""},
        {"", 1400, "'' is not a valid integer value", ""},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.number) + " in " + std::to_string(c.lines) + " lines");
        PalletData data{
            c.number, {"10.00", "-2.5", "", " 7", "1,5", "caf\xe9", "0", "12", "x\r"}, "", "old"};
        PalletData expected = data;
        if (c.message.empty()) {
            const long l = ZebPalletLine(std::stol(c.number));
            // Lines L+5 and L+8 are not used.
            expected.fields = {FromLine(l),     FromLine(l + 1),       FromLine(l + 2),
                               FromLine(l + 3), FromLine(l + 4),       FromLine(l + 6),
                               FromLine(l + 7), FromLine(l + 9, true), FromLine(l + 10, true)};
            expected.z3 = "";
        }
        ScriptedPrompter p;
        EXPECT_EQ(ConvertPalletFile(data, PltOpenCrd, ZebFile(c.lines), p), c.message.empty());
        EXPECT_EQ(p.messages,
                  (c.message.empty() ? std::vector<Message>{}
                                     : std::vector<Message>{{"notify", c.message, "Open"}}));
        EXPECT_EQ(p.details, c.detail.empty() ? std::vector<std::string>{}
                                              : std::vector<std::string>{c.detail});
        EXPECT_EQ(data, expected);
    }
    EXPECT_EQ(ZebPalletLine(1), 1030);
}

}  // namespace
}  // namespace mivo
