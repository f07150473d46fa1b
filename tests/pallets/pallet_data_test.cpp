// Pallet files on disk, the text conversion of an open and the ZEB pallet import.
#include "pallets/pallet_data.h"

#include <gtest/gtest.h>

#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

namespace mivo {
namespace {

using test::Message;
using test::ReadBytes;
using test::ScriptedPrompter;
using test::TempDir;
using test::WriteBytes;

const Message kCannotOpen{"notify", "File cannot be open", "Open"};

PalletData OddPallet() {
    PalletData d;
    d.number = "3";
    d.fields = {"10.00", "-2.5", "", " 7", "1,5", "caf\xe9", "0", "12", "x\r"};
    return d;
}

std::string Lines(int count) {
    std::string out;
    for (int k = 1; k <= count; ++k) out += "v" + std::to_string(k) + "\r\n";
    return out;
}

TEST(PalletFiles, RoundTripPerFormat) {
    const PalletData odd = OddPallet();
    const std::string text = PalletFileText(odd);
    EXPECT_EQ(text, "3\r\n10.00\r\n-2.5\r\n\r\n 7\r\n1,5\r\ncaf\xe9\r\n0\r\n12\r\nx\r\r\n");
    struct Case {
        const char* name;
        int save;
        int open;
        const FileKind* kind;
    } cases[] = {
        {"p.plt", PltSavePlt, PltOpenPlt, &PalletFileKind()},
        {"p.csv", PltSaveCsv, PltOpenCsv, &PalletFileKind()},
        {"p.txt", PltSaveAll, PltOpenAll, &PalletFileKind()},
        {"exit.plt", PltSavePlt, PltOpenPlt, &PalletExitFileKind()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        ScriptedPrompter p;
        ASSERT_TRUE(SavePalletFile(odd, dir / c.name, c.save, p, *c.kind));
        EXPECT_EQ(ReadBytes(dir / c.name), text);
        PalletData back;
        back.number = "0";
        back.z2 = "in P2";
        back.z3 = "in P3";
        EXPECT_EQ(OpenPalletFile(back, dir / c.name, c.open, p), OpenOutcome::Completed);
        EXPECT_EQ(p.messages, (std::vector<Message>{{"notify", "Saved", "Save"},
                                                    {"notify", "Complete", "Open"}}));
        EXPECT_EQ(back, odd);  // the Z cells of P2 and P3 emptied, the number taken
    }
}

TEST(PalletFiles, ShortFileIsRefusedWhole) {
    struct Case {
        std::string content;
        std::string detail;
    } cases[] = {
        {Lines(9), "the file has 9 lines; a pallet file has 10, one value a line"},
        {"5", "the file has 1 line; a pallet file has 10, one value a line"},
        {"", "the file has 0 lines; a pallet file has 10, one value a line"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.detail);
        TempDir dir;
        WriteBytes(dir / "short.plt", c.content);
        PalletData data = OddPallet();
        data.z2 = "kept";
        const PalletData before = data;
        ScriptedPrompter p;
        EXPECT_EQ(OpenPalletFile(data, dir / "short", PltOpenPlt, p), OpenOutcome::Stopped);
        EXPECT_EQ(p.messages, std::vector<Message>{kCannotOpen});
        EXPECT_EQ(p.details, std::vector<std::string>{dir / "short.plt" + ": " + c.detail});
        EXPECT_EQ(data, before);
    }
    // Ten lines with later ones ignored are read.
    PalletData data;
    ScriptedPrompter p;
    EXPECT_TRUE(ConvertPalletText(data, Lines(12), p));
    EXPECT_EQ(data.number, "v1");
    EXPECT_EQ(data.fields[PalletYPartitions], "v10");
}

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

TEST(PalletZeb, BlockOfThePalletInTheNumberField) {
    const std::string file = ZebFile(1500);
    for (long pallet : {0L, 1L, 19L, 24L}) {
        SCOPED_TRACE(pallet);
        const long l = ZebPalletLine(pallet);
        PalletData data = OddPallet();
        data.number = std::to_string(pallet);
        data.z3 = "old";
        ScriptedPrompter p;
        ASSERT_TRUE(ConvertZebPallet(data, file, p));
        EXPECT_TRUE(p.messages.empty());
        PalletData expected;
        expected.number = std::to_string(pallet);
        // Lines L+5 and L+8 are not used.
        expected.fields = {FromLine(l),     FromLine(l + 1),       FromLine(l + 2),
                           FromLine(l + 3), FromLine(l + 4),       FromLine(l + 6),
                           FromLine(l + 7), FromLine(l + 9, true), FromLine(l + 10, true)};
        expected.z2 = expected.z3 = "";
        EXPECT_EQ(data, expected);
    }
    EXPECT_EQ(ZebPalletLine(1), 1030);
}

TEST(PalletZeb, BadBlockChangesNothing) {
    struct Case {
        const char* number;
        int lines;
        Message message;
        std::string detail;
    } cases[] = {
        {"1", 1039, kCannotOpen,
         "the file has 1039 lines; pallet No. 1 stands in lines 1030 to 1040"},
        {"0", 0, kCannotOpen, "the file has 0 lines; pallet No. 0 stands in lines 1014 to 1024"},
        {"-64", 1400, kCannotOpen, "a ZEB data file has no block for pallet No. -64"},
        {"1.5", 1400, {"notify", "'1.5' is not a valid integer value", "Open"}, ""},
        {"", 1400, {"notify", "'' is not a valid integer value", "Open"}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        PalletData data = OddPallet();
        data.number = c.number;
        const PalletData before = data;
        ScriptedPrompter p;
        EXPECT_FALSE(ConvertPalletFile(data, PltOpenCrd, ZebFile(c.lines), p));
        EXPECT_EQ(p.messages, std::vector<Message>{c.message});
        EXPECT_EQ(p.details, c.detail.empty() ? std::vector<std::string>{}
                                              : std::vector<std::string>{c.detail});
        EXPECT_EQ(data, before);
    }
    // Just long enough is enough.
    PalletData data;
    data.number = "1";
    ScriptedPrompter p;
    EXPECT_TRUE(ConvertPalletFile(data, PltOpenCrd, ZebFile(1040), p));
    EXPECT_EQ(data.fields[PalletYPartitions], "40");
}

}  // namespace
}  // namespace mivo
