// What the data files refuse, with files on disk, leaving the file and the data as they were: a
// file the user made read-only, a ZEB file without its step lines, a value too long for its
// field.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

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

}  // namespace
}  // namespace mivo
