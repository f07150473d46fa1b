#include "print/listing.h"

#include <gtest/gtest.h>

#include "common/convert.h"
#include "offsets/offset_data.h"
#include "pallets/pallet_data.h"
#include "parameters/parameter_table.h"
#include "steps/step_files.h"
#include "steps/step_table.h"

namespace mivo {
namespace {

using K = DataKind;

TEST(PrintListing, RangeCheck) {
    struct Row {
        const char* name;
        K kind;
        const char* first;
        const char* last;
        bool accepted;
    };
    // clang-format off
    const Row rows[] = {
        {"first after last",       K::Step,      "5",  "3",    false},
        {"parameter 44",           K::Parameter, "0",  "44",   false},
        {"parameters whole",       K::Parameter, "0",  "43",   true},
        {"steps whole",            K::Step,      "0",  "999",  true},
        {"step 1000",              K::Step,      "0",  "1000", false},
        {"a pallet beyond 43",     K::Pallet,    "0",  "100",  true},
        {"empty field",            K::Step,      "",   "3",    false},
        {"below 0",                K::Parameter, "-1", "3",    false},
    };
    // clang-format on
    for (const Row& r : rows)
        EXPECT_EQ(RangeAccepted(r.kind, r.first, r.last), r.accepted) << r.name;
    EXPECT_THROW(RangeAccepted(K::Step, "x", "3"), ConversionError);
}

TEST(PrintListing, StepsNumberedByStepOverPages) {
    StepTable steps;
    steps[0] = {{"MOVE", "000", "1.00", "2.00", "3.00", "4.00", "", "start"}};
    steps[6][0] = "END";
    const std::string header = HeaderLine(K::Step, "12/8/26", "1:05 AM");
    EXPECT_EQ(header, "MIVO Step data                Date:  12/8/26   Time:  1:05 AM");
    const Listing one = BuildListing(K::Step, StepListingValues(steps, 0, 0), 0, header, 50.0);
    ASSERT_EQ(one.lines.size(), 1u);
    EXPECT_EQ(one.lines[0].text, "Step No.0      MOVE,000,1.00,2.00,3.00,4.00,,start");
    EXPECT_EQ(one.lines[0].y, 150);
    const Listing mid = BuildListing(K::Step, StepListingValues(steps, 5, 8), 5, header, 50.0);
    ASSERT_EQ(mid.lines.size(), 4u);
    EXPECT_EQ(mid.lines[1].text, "Step No.6      END,,,,,,,");
    EXPECT_EQ(mid.lines[3].text, "Step No.8      ,,,,,,,");
    // h = 43.5: 68 lines a page; k restarts at 1 on each page.
    const Listing all = BuildListing(K::Step, StepListingValues(steps, 0, 999), 0, header, 43.5);
    EXPECT_EQ(all.pages, 15);
    const ListingLine& last = all.lines[67];
    const ListingLine& next = all.lines[68];
    EXPECT_EQ(last.page, 0);
    EXPECT_EQ(last.y, static_cast<int>(68 * 43.5 + 100));
    EXPECT_EQ(next.page, 1);
    EXPECT_EQ(next.y, static_cast<int>(43.5 + 100));
    EXPECT_EQ(all.lines[999].page, 14);
}

TEST(PrintListing, ParametersSkipReservedByNumber) {
    ParameterTable table;
    for (int n = 0; n <= 43; ++n) table.setValue(n, "v" + std::to_string(n));
    const Listing l = BuildListing(K::Parameter, ParameterListingValues(table, 2, 7), 2, "", 40.0);
    ASSERT_EQ(l.lines.size(), 4u);  // 2, 4, 6, 7
    EXPECT_EQ(l.lines[0].text, "PRM No.2      v2");
    EXPECT_EQ(l.lines[1].text, "PRM No.4      v4");
    EXPECT_EQ(l.lines[1].y, 3 * 40 + 100);  // 3 still takes its line
    EXPECT_EQ(l.lines[3].y, 6 * 40 + 100);
    EXPECT_FALSE(l.stoppable);
}

TEST(PrintListing, PalletAndOffsetLabels) {
    PalletData pallet;
    pallet.number = "7";
    pallet.fields = {"1", "2", "3", "4", "5", "6", "8", "3", "4"};
    const Listing p = BuildListing(K::Pallet, PalletListingValues(pallet), 0, "", 40.0);
    ASSERT_EQ(p.lines.size(), 10u);
    EXPECT_EQ(p.lines[0].text, "        Pallet No. :       7");
    EXPECT_EQ(p.lines[0].y, 100);
    EXPECT_EQ(p.lines[3].text, "                 Z :       3");
    EXPECT_EQ(p.lines[9].text, "  Y section number :       4");
    OffsetData offsets;
    offsets.program = "2";
    const Listing o = BuildListing(K::Offset, OffsetListingValues(offsets), 0, "", 40.0);
    ASSERT_EQ(o.lines.size(), 5u);
    EXPECT_EQ(o.lines[0].text, "           Pgm No. :       2");
    EXPECT_EQ(o.lines[4].text, "                 R :       0.00");
    EXPECT_EQ(HeaderLine(K::Pallet, "d", "t"), "MIVO Pallet data              Date:  d   Time:  t");
}

}  // namespace
}  // namespace mivo
