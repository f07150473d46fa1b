// The save and open procedures shared by every kind of data file, with files on disk.
#include "files/data_files.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "offsets/offset_data.h"
#include "parameters/parameter_files.h"
#include "steps/step_files.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

namespace mivo::test {
namespace {

using Messages = std::vector<Message>;
using Texts = std::vector<std::string>;

// The file a save writes, and the overwrite question when it exists. Each kind's save name
// test: steps test the extension with its dot, the other kinds their last three letters,
// case-sensitive.
TEST(DataFiles, SaveTargetAndOverwriteQuestion) {
    const FileKind &steps = StepFileKind(), &prm = ParameterFileKind();
    const Message stepQuestion{"ask", "File of the same name exists.  Overwrite?", "Program save"};
    const Message prmAllQuestion{"ask", "File of the same name exists.  Overwrite?", "save"};
    // The kind, the files there, the name and filter chosen, the answer, the question (nullptr:
    // none), the file that then holds the content ("": none).
    using Case =
        std::tuple<const FileKind&, Texts, std::string, int, bool, const Message*, std::string>;
    // clang-format off
    const Case cases[] = {
        {steps, {"prog"}, "prog", 1, true, &stepQuestion, "prog.stp"},
        {steps, {"prog.stp"}, "prog", 1, false, &stepQuestion, ""},
        {steps, {"prog.stp"}, "prog.stp", 1, true, &stepQuestion, "prog.stp"},
        {steps, {"prog.stp"}, "prog", 2, false, nullptr, "prog.csv"},
        {steps, {"prog.stp"}, "prog", 3, false, nullptr, "prog"},
        {steps, {}, "prog.STP", 1, false, nullptr, "prog.STP.stp"},
        {steps, {}, "progstp", 1, false, nullptr, "progstp.stp"},
        {prm, {"A"}, "A", 3, false, &prmAllQuestion, ""},
        {prm, {}, "A.PRM", 1, false, nullptr, "A.PRM.prm"},
        {prm, {}, "Aprm", 1, false, nullptr, "Aprm"},
        {OffsetFileKind(), {}, "xoff", OffFilterOff, false, nullptr, "xoff"},
    };
    // clang-format on
    for (const auto& [kind, existing, name, filter, answer, asked, written] : cases) {
        SCOPED_TRACE(name + " filter " + std::to_string(filter));
        TempDir dir;
        for (const auto& e : existing) {
            WriteBytes(dir / e, "old");
            std::filesystem::permissions(dir / e, std::filesystem::perms(0640));
        }
        ScriptedPrompter p;
        p.answers = {answer};
        const bool saved = SaveDataFile(kind, dir / name, filter, "new\r\n", p);
        EXPECT_EQ(saved, !written.empty());
        Messages expected;
        if (asked) expected.push_back(*asked);
        if (saved) expected.push_back({"notify", "Saved", "Save"});
        EXPECT_EQ(p.messages, expected);
        for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
            const std::string file = entry.path().filename().string();
            EXPECT_EQ(ReadBytes(entry.path().string()),
                      file == written ? std::string("new\r\n") : std::string("old"))
                << file;
            // An old file, replaced or not, keeps its permissions.
            if (std::find(existing.begin(), existing.end(), file) != existing.end()) {
                EXPECT_EQ(entry.status().permissions(), std::filesystem::perms(0640)) << file;
            }
        }
    }
}

// The file an open reads and its completion notice; or, for a file that cannot be read, the
// reason, and nothing converted.
TEST(DataFiles, OpenTargetAndCompletionOrWhyItCannotBeRead) {
    // Steps or parameters, the files there, the name and filter chosen, the file read ("": none)
    // and its completion notice, or the reason it cannot be read.
    // clang-format off
    const std::tuple<bool, Texts, std::string, int, std::string, std::string> cases[] = {
        {true, {"prog", "prog.stp"}, "prog", 1, "prog", "Completed"},
        {true, {"prog.STP"}, "prog.STP", 1, "prog.STP", "Completed"},
        {true, {"prog.Stp.stp"}, "prog.Stp", 1, "prog.Stp.stp", "Completed"},
        {true, {"data.stp"}, "data.stp", 4, "data.stp", "Completed"},
        {false, {"z.crd"}, "z", 2, "z.crd", "Completed. Check data."},
        {true, {}, "missing.stp", 1, "", "No such file or directory"},
        {true, {}, "folder.stp", 1, "", "Is a directory"},
        {true, {}, "big.stp", 1, "", "File is too large"},
        {true, {}, "nul.stp", 1, "", "Not a text file (it contains NUL bytes)"},
        {true, {}, "pipe.stp", 1, "", "Not a regular file"},
    };
    // clang-format on
    for (const auto& [steps, existing, name, chosen, target, completed] : cases) {
        SCOPED_TRACE(name + " filter " + std::to_string(chosen));
        TempDir dir;
        for (const auto& e : existing) WriteBytes(dir / e, e);
        std::filesystem::create_directory(dir / "folder.stp");
        WriteBytes(dir / "nul.stp", std::string(",,,,\r\na\0b", 9));
        WriteBytes(dir / "big.stp", "");
        std::filesystem::resize_file(dir / "big.stp", 16 * 1024 * 1024);
        std::ofstream(dir / "big.stp", std::ios::app) << ',';
        ASSERT_EQ(::mkfifo((dir / "pipe.stp").c_str(), 0600), 0);
        const FileKind& kind = steps ? StepFileKind() : ParameterFileKind();
        ScriptedPrompter p;
        std::string read;
        int filter = 0;
        const OpenOutcome o = OpenDataFile(
            kind, dir / name, chosen,
            [&](int f, std::string_view content, Prompter&) {
                filter = f;
                read = content;
                return true;
            },
            p);
        const bool readable = !target.empty();
        EXPECT_EQ(OpenTargetName(kind, dir / name, chosen), dir / (readable ? target : name));
        EXPECT_EQ(o, readable ? OpenOutcome::Completed : OpenOutcome::NotRead);
        EXPECT_EQ(read, target);
        EXPECT_EQ(filter, readable ? chosen : 0);  // 0: nothing converted
        const std::string shown =
            readable ? completed : "Cannot read " + (dir / name) + ": " + completed;
        EXPECT_EQ(p.messages, (Messages{{"notify", shown, "Open"}}));
    }
}

TEST(DataFiles, WriteFailureKeepsOldFile) {
    // A file size limit makes the write itself fail, for root as well.
    TempDir dir;
    WriteBytes(dir / "prog.stp", "old program");
    ScriptedPrompter p;
    p.answers = {true};
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = SaveDataFile(StepFileKind(), dir / "prog.stp", 1, std::string(8192, 'x'), p);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(saved);
    // The old file and the directory as they were: no "Saved", no temporary file left behind.
    EXPECT_EQ(
        p.messages,
        (Messages{{"ask", "File of the same name exists.  Overwrite?", "Program save"},
                  {"notify", "Cannot write " + (dir / "prog.stp") + ": File too large", "Save"}}));
    EXPECT_EQ(ReadBytes(dir / "prog.stp"), "old program");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

// Through a link the file it names is written, beside it, and the link stays a link. A FIFO, a
// folder or a read-only file (the mode decides, for root too) is refused without a question.
TEST(DataFiles, SaveWritesThroughSymbolicLinks) {
    namespace fs = std::filesystem;
    // What the link "prog.stp" points to, the file that then holds the content ("": refused), the
    // refusal's reason.
    const std::tuple<const char*, std::string, std::string, std::string> cases[] = {
        {"absolute link", "@/shared/prog.stp", "shared/prog.stp", ""},
        {"relative link", "shared/prog.stp", "shared/prog.stp", ""},
        {"link to a link", "chain", "shared/prog.stp", ""},
        {"link to a missing file", "shared/new.stp", "shared/new.stp", ""},
        {"link to a FIFO", "shared/pipe", "", "Not a regular file"},
        {"link to a folder", "shared", "", "Is a directory"},
        {"link to a read-only file", "shared/ro.stp", "", "it is read-only"},
    };
    for (const auto& [what, link, written, reason] : cases) {
        SCOPED_TRACE(what);
        TempDir dir;
        fs::create_directory(dir / "shared");
        WriteBytes(dir / "shared/prog.stp", "old");
        WriteBytes(dir / "shared/ro.stp", "old");
        fs::permissions(dir / "shared/ro.stp", fs::perms(0444));
        ASSERT_EQ(::mkfifo((dir / "shared/pipe").c_str(), 0600), 0);
        fs::create_symlink("shared/prog.stp", dir / "chain");
        const std::string target = link[0] == '@' ? dir / link.substr(2) : link;
        fs::create_symlink(target, dir / "prog.stp");
        const std::string name = dir / "prog.stp";
        ScriptedPrompter p;
        p.answers = {true};
        const bool saved = SaveDataFile(StepFileKind(), name, 1, "new", p);
        EXPECT_EQ(saved, !written.empty());
        EXPECT_TRUE(fs::is_symlink(dir / "prog.stp"));
        if (saved) {
            EXPECT_EQ(ReadBytes(dir / written), "new");
        } else {
            EXPECT_EQ(p.messages,
                      Messages({{"notify", "Cannot write " + name + ": " + reason, "Save"}}));
            EXPECT_TRUE(fs::is_fifo(dir / "shared/pipe"));
        }
        if (written != "shared/prog.stp") {
            EXPECT_EQ(ReadBytes(dir / "shared/prog.stp"), "old");
        }
        EXPECT_EQ(ReadBytes(dir / "shared/ro.stp"), "old");
        // No temporary file left beside the target.
        EXPECT_EQ(std::distance(fs::directory_iterator(dir / "shared"), {}),
                  written == "shared/new.stp" ? 4 : 3);
    }
}

TEST(DataFiles, OpenDropsAByteOrderMarkAndNamesTheFileInADetail) {
    TempDir dir;
    WriteBytes(dir / "bom.stp", "\xEF\xBB\xBFPOI,\xEF\xBB\xBF\xE9");  // no UTF-8 after the mark
    ScriptedPrompter p;
    std::string read;
    const OpenOutcome o = OpenDataFile(
        StepFileKind(), dir / "bom.stp", 1,
        [&](int, std::string_view content, Prompter& shown) {
            read = content;
            shown.notifyDetail("File cannot be open", "Open", "line 1 is short");
            return false;
        },
        p);
    // A stopped conversion shows its own message and no completion.
    EXPECT_EQ(o, OpenOutcome::Stopped);
    EXPECT_EQ(p.messages, (Messages{{"notify", "File cannot be open", "Open"}}));
    EXPECT_EQ(read, "POI,\xEF\xBB\xBF\xE9");  // only the mark at the very start goes
    EXPECT_EQ(p.details, (std::vector<std::string>{dir / "bom.stp" + ": line 1 is short"}));
}

TEST(DataFiles, FilterForName) {
    const FileKind k = StepFileKind();
    // The name, whether opened (else saved), the filter it chooses.
    const std::tuple<std::string, bool, int> cases[] = {
        {"a.stp", false, 1}, {"a.STP", false, 3}, {"a.csv", false, 2}, {"a.txt", false, 3},
        {"a.STP", true, 1},  {"a.Crd", true, 2},  {"a.csv", true, 3},  {"a", true, 4},
    };
    for (const auto& [name, open, filter] : cases)
        EXPECT_EQ(FilterForName(open ? k.openFilters : k.saveFilters, name, open), filter)
            << name << (open ? " open" : " save");
}

}  // namespace
}  // namespace mivo::test
