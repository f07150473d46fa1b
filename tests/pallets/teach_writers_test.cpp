// What the teaching openers write back, in the data cores: the pallet's seven cells, a program's
// offsets and the parameters they are read back from. (ZI's one cell and the presets are seen in
// the teaching screen's own tests.)
#include <gtest/gtest.h>

#include "offsets/offset_data.h"
#include "pallets/pallet_data.h"

namespace mivo {
namespace {

using Texts = std::vector<std::string>;
// Taught X, Y, Z, R, X2, Y2, X3, Y3.
const TeachTexts kTaught = {"x", "y", "z", "r", "x2", "y2", "x3", "y3"};

// Everything an opener's data hold, as one list of texts, so that a row names every cell
// written and shows that nothing else moved.
Texts Cells(const PalletData& d) {
    Texts out(d.fields.begin(), d.fields.end());
    return out.insert(out.end(), {d.number, d.z2, d.z3}), out;
}
Texts Cells(const OffsetData& d) {
    Texts out(d.values.begin(), d.values.end());
    return out.push_back(d.program), out;
}

TEST(TeachWriters, EachOpenerWritesItsOwnCellsAndNothingElse) {
    // The pallet: all seven cells, the points not shown too.
    PalletData pallet{"7", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}, "z2", "z3"};
    WriteTaughtPallet(pallet, kTaught);
    EXPECT_EQ(Cells(pallet),
              (Texts{"x", "y", "z", "x2", "y2", "x3", "y3", "8", "9", "7", "z2", "z3"}));
    // The offsets of program 3; without a program number the one there is kept.
    for (const auto& [program, kept] : {std::pair{"3", "3"}, {"", "1"}}) {
        OffsetData offsets{"1", {"1", "2", "3", "4"}};
        WriteTaughtOffsets(offsets, kTaught, program);
        EXPECT_EQ(Cells(offsets), (Texts{"x", "y", "z", "r", kept})) << program;
    }
}

TEST(TeachWriters, OffsetsAreReadBackFromTheProgramsParameters) {
    const std::pair<const char*, std::vector<int>> cases[] = {
        {"3", {112, 113, 114, 115}}, {"0", {100, 101, 102, 103}}, {"5", {120, 121, 122, 123}}};
    for (const auto& [program, numbers] : cases)
        EXPECT_EQ(TaughtOffsetParameters(program), numbers) << program;
    for (const char* none : {"6", "", "-1", "03", "x"})
        EXPECT_TRUE(TaughtOffsetParameters(none).empty()) << none;
}

}  // namespace
}  // namespace mivo
