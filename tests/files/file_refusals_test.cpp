// What the data files refuse, with files on disk, leaving the file and the data as they were: a
// file the user made read-only, a ZEB file without its step lines, a value too long for its
// field.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "offsets/offset_data.h"
#include "pallets/pallet_data.h"
#include "parameters/parameter_files.h"
#include "steps/step_files.h"
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

std::string Repeat(const std::string& line, int count) {
    std::string out;
    for (int k = 0; k < count; ++k) out += line;
    return out;
}

TEST(FileRefusals, ReadOnlyFileIsNotReplaced) {
    // The mode decides, so that the rule holds for root too; no overwrite question is asked.
    for (const bool throughLink : {false, true}) {
        SCOPED_TRACE(throughLink ? "through a link" : "the file itself");
        TempDir dir;
        WriteBytes(dir / "kept.stp", "old");
        ASSERT_EQ(::chmod((dir / "kept.stp").c_str(), 0444), 0);
        if (throughLink) std::filesystem::create_symlink("kept.stp", dir / "prog.stp");
        const std::string name = dir / (throughLink ? "prog.stp" : "kept.stp");
        ScriptedPrompter p;
        p.answers = {true};
        EXPECT_FALSE(SaveDataFile(StepFileKind(), name, SaveStp, "new", p));
        EXPECT_EQ(p.messages,
                  (std::vector<Message>{
                      {"notify", "Cannot write " + name + ": it is read-only", "Save"}}));
        EXPECT_EQ(ReadBytes(dir / "kept.stp"), "old");
    }
}

TEST(FileRefusals, ZebFileWithoutItsStepLinesIsRefused) {
    const std::string lines = "; the steps of a ZEB data file stand in lines 1 to 1000";
    struct Case {
        const char* what;
        std::string content;
        std::string detail;  // "" when it opens
    } cases[] = {
        {"empty", "", "the file has 0 lines" + lines},
        {"carriage returns only", "\r\r\r\r", "the file has 1 line" + lines},
        {"one line short", Repeat("------\r\n", 999), "the file has 999 lines" + lines},
        {"all step lines", "END 000  end\r\n" + Repeat("------\r\n", 999), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        WriteBytes(dir / "old.crd", c.content);
        StepTable table;
        table[5][FieldComment] = "kept";
        ScriptedPrompter p;
        const OpenOutcome o = OpenStepFile(table, dir / "old.crd", OpenCrd, p);
        if (c.detail.empty()) {
            EXPECT_EQ(o, OpenOutcome::Completed);
            EXPECT_EQ(table[0][FieldCommand], "END");
            continue;
        }
        EXPECT_EQ(o, OpenOutcome::Stopped);
        EXPECT_EQ(p.messages, std::vector<Message>{kCannotOpen});
        EXPECT_EQ(p.details, std::vector<std::string>{dir / "old.crd" + ": " + c.detail});
        EXPECT_EQ(table[5][FieldComment], "kept");
    }
}

TEST(FileRefusals, ValueTooLongForItsFieldIsRefusedAtOpen) {
    const std::string megabyte(1 << 20, '9');
    std::string prm;
    for (int n = 0; n < kEditableParameterCount; ++n) prm += (n == 22 ? megabyte : "1") + "\r\n";
    // Lines 1002 to 1011 of a ZEB file: 0.45 times 9999 at line 1006 makes "4499.55".
    const std::string zeb = Repeat("------\r\n", 1001) + Repeat("       0001\r\n", 4) +
                            "          9999\r\n" + Repeat("       0001\r\n", 5);
    enum Kind { Parameters, Zeb, Pallet, Offsets };
    struct Case {
        const char* what;
        Kind kind;
        std::string content;
        std::string detail;
    } cases[] = {
        {"parameter value", Parameters, prm, "line 23: X maximum speed holds at most 6 characters"},
        {"ZEB product", Zeb, zeb,
         "line 1006, characters 11 to 14: Linear interpolation speed holds at most 5 characters"},
        {"pallet corner", Pallet,
         "0\r\n1\r\n2\r\n3\r\n" + megabyte + "\r\n5\r\n6\r\n7\r\n2\r\n2\r\n",
         "line 5: X2 holds at most 7 characters"},
        {"offset", Offsets, "0\r\n1\r\n" + megabyte + "\r\n3\r\n4\r\n",
         "line 3: Y holds at most 7 characters"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedPrompter p;
        ParameterTable table;
        PalletData pallet;
        OffsetData offsets;
        bool converted = true;
        if (c.kind == Parameters || c.kind == Zeb)
            converted =
                ConvertParameterFile(table, c.kind == Zeb ? PrmOpenCrd : PrmOpenPrm, c.content, p);
        else if (c.kind == Pallet)
            converted = ConvertPalletText(pallet, c.content, p);
        else
            converted = ConvertOffsetText(offsets, c.content, p);
        EXPECT_FALSE(converted);
        EXPECT_EQ(p.messages, std::vector<Message>{kCannotOpen});
        EXPECT_EQ(p.details, std::vector<std::string>{c.detail});
        EXPECT_EQ(table, ParameterTable());
        EXPECT_EQ(pallet, PalletData());
        EXPECT_EQ(offsets, OffsetData());
    }
}

}  // namespace
}  // namespace mivo
