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

}  // namespace
}  // namespace mivo
