#include "steps/step_files.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "steps/temp_dir.h"
#include "support/scripted_prompter.h"

namespace mivo {
namespace {

using test::Message;
using test::ReadBytes;
using test::ScriptedPrompter;
using test::TempDir;
using test::WriteBytes;

const Message kSaved{"notify", "Saved", "Save"};
const Message kCompleted{"notify", "Completed", "Open"};
const Message kOverwrite{"ask", "File of the same name exists.  Overwrite?", "Program save"};
const Message kCannotOpen{"notify", "File cannot be open", "Open"};

std::string Repeat(const std::string& line, int count) {
    std::string out;
    for (int i = 0; i < count; ++i) out += line;
    return out;
}

void SetRow(StepTable& t, int step, std::array<std::string, kStepFieldCount> fields) {
    t[step].fields = std::move(fields);
}

// Every kind of step, odd bytes included, spread over the whole table.
StepTable MixedTable() {
    StepTable t;
    SetRow(t, 0, {"POI", "050", "10.00", "20.00", "5.00", "0", "", "abc"});
    SetRow(t, 1, {"LIN", "400", "1", "-2.5", "0", "  90.0", "", "r move"});
    SetRow(t, 2, {"CIR", "000", "0", "0", "3", "", "", "arc, with, commas"});
    SetRow(t, 3, {"CIR", "000", "5", "5", "10", "0", "", "arc, with, commas"});
    SetRow(t, 4, {"SEQ", "203", "", "", "", "", "", ""});
    SetRow(t, 5, {"SEQ", "800", "", "", "", "", "25", ",,,"});
    SetRow(t, 6, {"PAL", "019", "", "", "", "", "", "caf\xe9 \x80\xff"});
    SetRow(t, 500, {"SEQ", "916", "", "", "", "", "999", "   "});
    SetRow(t, 998, {"POI", "500", "", "", "", "", "", std::string(128, 'c')});
    SetRow(t, 999, {"END", "200", "", "", "", "", "", "last\r"});
    return t;
}

StepTable FilledWith(const std::string& text) {
    StepTable t;
    for (int s = 0; s < kStepCount; ++s) t[s][FieldComment] = text;
    return t;
}

TEST(StepFiles, EmptyTableSavesSevenCommasPerLineAndReopensEmpty) {
    TempDir dir;
    ScriptedPrompter p;
    ASSERT_TRUE(SaveStepFile(StepTable{}, dir / "prog", SaveStp, p));
    EXPECT_EQ(p.messages, std::vector<Message>{kSaved});
    EXPECT_EQ(ReadBytes(dir / "prog.stp"), Repeat(",,,,,,,\r\n", 1000));

    StepTable t = FilledWith("old");
    ScriptedPrompter q;
    EXPECT_EQ(OpenStepFile(t, dir / "prog", OpenStp, q), OpenOutcome::Completed);
    EXPECT_EQ(t, StepTable{});
    EXPECT_EQ(q.messages, std::vector<Message>{kCompleted});
}

TEST(StepFiles, MixedTableRoundTripsByteExact) {
    TempDir dir;
    const StepTable table = MixedTable();
    ScriptedPrompter p;
    ASSERT_TRUE(SaveStepFile(table, dir / "mixed.stp", SaveStp, p));
    const std::string bytes = ReadBytes(dir / "mixed.stp");
    EXPECT_EQ(bytes.substr(0, 33), "POI,050,10.00,20.00,5.00,0,,abc\r\n");
    EXPECT_NE(bytes.find("\r\nCIR,000,0,0,3,,,arc, with, commas\r\n"), std::string::npos);
    const std::string tail = "END,200,,,,,,last\r\r\n";
    EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);

    StepTable back = FilledWith("x");
    EXPECT_EQ(OpenStepFile(back, dir / "mixed.stp", OpenStp, p), OpenOutcome::Completed);
    EXPECT_EQ(back, table);
    ASSERT_TRUE(SaveStepFile(back, dir / "again", SaveStp, p));
    EXPECT_EQ(ReadBytes(dir / "again.stp"), bytes);
    EXPECT_EQ(StepFileLines(table)[5], "SEQ,800,,,,,25,,,,");
}

TEST(StepFiles, SaveTargetName) {
    struct Case {
        std::string name;
        int filter;
        std::string target;
    } cases[] = {
        {"prog", SaveStp, "prog.stp"},
        {"prog.stp", SaveStp, "prog.stp"},
        {"prog.STP", SaveStp, "prog.STP.stp"},
        {"progstp", SaveStp, "progstp.stp"},
        {"prog", SaveCsv, "prog.csv"},
        {"prog.csv", SaveCsv, "prog.csv"},
        {"prog.CSV", SaveCsv, "prog.CSV.csv"},
        {"prog.stp", SaveCsv, "prog.stp.csv"},
        {"prog", SaveAll, "prog"},
        {"prog.txt", SaveAll, "prog.txt"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SaveTargetName(c.name, c.filter), c.target) << c.name << " " << c.filter;
}

TEST(StepFiles, OverwriteQuestion) {
    struct Case {
        std::vector<std::string> existing;
        std::string name;
        int filter;
        bool answer;
        bool asked;
        std::string written;  // the file that then holds the table, "" for none
    } cases[] = {
        {{}, "prog", SaveStp, false, false, "prog.stp"},
        {{"prog"}, "prog", SaveStp, false, true, ""},
        {{"prog"}, "prog", SaveStp, true, true, "prog.stp"},
        {{"prog.stp"}, "prog", SaveStp, false, true, ""},
        {{"prog.stp"}, "prog", SaveStp, true, true, "prog.stp"},
        {{"prog.stp"}, "prog.stp", SaveStp, true, true, "prog.stp"},
        {{"prog.csv"}, "prog", SaveCsv, false, true, ""},
        {{"prog.stp"}, "prog", SaveCsv, false, false, "prog.csv"},
        {{"prog.stp"}, "prog", SaveAll, false, false, "prog"},
        {{"prog"}, "prog", SaveAll, true, true, "prog"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name + " filter " + std::to_string(c.filter));
        TempDir dir;
        for (const auto& e : c.existing) WriteBytes(dir / e, "old");
        ScriptedPrompter p;
        p.answers = {c.answer};
        const bool saved = SaveStepFile(MixedTable(), dir / c.name, c.filter, p);
        EXPECT_EQ(saved, !c.written.empty());
        std::vector<Message> expected;
        if (c.asked) expected.push_back(kOverwrite);
        if (saved) expected.push_back(kSaved);
        EXPECT_EQ(p.messages, expected);
        for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
            const std::string file = entry.path().filename().string();
            EXPECT_EQ(ReadBytes(entry.path().string()),
                      file == c.written ? StepFileText(MixedTable()) : std::string("old"))
                << file;
        }
    }
}

TEST(StepFiles, OpenTargetName) {
    struct Case {
        std::vector<std::string> existing;
        std::string name;
        int filter;
        std::string target;
    } cases[] = {
        {{"prog", "prog.stp"}, "prog", OpenStp, "prog"},
        {{"prog.stp"}, "prog", OpenStp, "prog.stp"},
        {{}, "prog", OpenStp, "prog.stp"},
        {{}, "prog.STP", OpenStp, "prog.STP"},
        {{}, "prog.Stp", OpenStp, "prog.Stp.stp"},
        {{"prog.Stp"}, "prog.Stp", OpenStp, "prog.Stp"},
        {{}, "old.CRD", OpenCrd, "old.CRD"},
        {{}, "old", OpenCrd, "old.crd"},
        {{}, "data", OpenCsv, "data.csv"},
        {{}, "data.CSV", OpenCsv, "data.CSV"},
        {{}, "data", OpenAll, "data"},
        {{}, "data.stp", OpenAll, "data.stp"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        for (const auto& e : c.existing) WriteBytes(dir / e, "");
        EXPECT_EQ(OpenTargetName(dir / c.name, c.filter), dir / c.target)
            << c.name << " " << c.filter;
    }
}

TEST(StepFiles, TextConversionOfContent) {
    const std::string line = "POI,050,1,2,3,0,,c\r\n";
    struct Case {
        const char* what;
        std::string content;
        bool completed;
        int steps;  // steps 0..steps-1 hold `line`'s step, the rest are empty
        // clang-format off
    } cases[] = {
        {"CR LF", Repeat(line, 1000), true, 1000},
        {"LF only", Repeat("POI,050,1,2,3,0,,c\n", 1000), true, 1000},
        {"no line end at the end", Repeat(line, 999) + "POI,050,1,2,3,0,,c", true, 1000},
        {"lines beyond 1000 ignored", Repeat(line, 1000) + "junk\r\n", true, 1000},
        {"999 lines", Repeat(line, 999), false, 999},
        {"six commas in line 5", Repeat(line, 4) + "POI,050,1,2,3,0\r\n" + Repeat(line, 995), false, 4},
        {"empty file", "", false, 0},
        {"binary-looking bytes", std::string(5000, '\xff'), false, 0},
    };
    // clang-format on
    StepRow expected;
    expected.fields = {"POI", "050", "1", "2", "3", "0", "", "c"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StepTable t = FilledWith("old");
        ScriptedPrompter p;
        EXPECT_EQ(ConvertStepText(t, c.content, p), c.completed);
        EXPECT_EQ(p.messages,
                  c.completed ? std::vector<Message>{} : std::vector<Message>{kCannotOpen});
        for (int s = 0; s < kStepCount; ++s)
            ASSERT_EQ(t[s], s < c.steps ? expected : StepRow{}) << "step " << s;
    }
}

TEST(StepFiles, ShortFileStopsOpenWithTheLinesSoFar) {
    TempDir dir;
    WriteBytes(dir / "short.stp", Repeat("END,000,,,,,,e\r\n", 999));
    StepTable t;
    ScriptedPrompter p;
    EXPECT_EQ(OpenStepFile(t, dir / "short", OpenStp, p), OpenOutcome::Stopped);
    EXPECT_EQ(t[998][FieldComment], "e");
}

TEST(StepFiles, UnreadableFileLeavesTableUnchanged) {
    TempDir dir;
    std::filesystem::create_directory(dir / "folder.stp");
    WriteBytes(dir / "nul.stp", Repeat(",,,,,,,\r\n", 10) + std::string("a\0b", 3));
    {
        std::ofstream big(dir / "big.stp", std::ios::binary);
        big.seekp(16 * 1024 * 1024);
        big << ',';
    }
    ASSERT_EQ(::mkfifo((dir / "pipe.stp").c_str(), 0600), 0);
    struct Case {
        std::string name;
        std::string reason;
    } cases[] = {
        {"missing.stp", "No such file or directory"},
        {"folder.stp", "Is a directory"},
        {"big.stp", "File is too large"},
        {"nul.stp", "Not a text file (it contains NUL bytes)"},
        {"pipe.stp", "Not a regular file"},
    };
    for (const Case& c : cases) {
        StepTable t = MixedTable();
        ScriptedPrompter p;
        EXPECT_EQ(OpenStepFile(t, dir / c.name, OpenStp, p), OpenOutcome::NotRead) << c.name;
        EXPECT_EQ(t, MixedTable()) << c.name;
        EXPECT_EQ(p.messages,
                  (std::vector<Message>{
                      {"notify", "Cannot read " + (dir / c.name) + ": " + c.reason, "Open"}}));
    }
}

// The old file and the directory as they were: no "Saved", no temporary file left behind.
void ExpectFailedSave(const TempDir& dir, const ScriptedPrompter& p, const std::string& reason) {
    EXPECT_EQ(
        p.messages,
        (std::vector<Message>{
            kOverwrite, {"notify", "Cannot write " + (dir / "prog.stp") + ": " + reason, "Save"}}));
    EXPECT_EQ(ReadBytes(dir / "prog.stp"), "old program");
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 1);
}

TEST(StepFiles, WriteFailureKeepsOldFile) {
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
    const bool saved = SaveStepFile(MixedTable(), dir / "prog.stp", SaveStp, p);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(saved);
    ExpectFailedSave(dir, p, "File too large");
}

TEST(StepFiles, SaveKeepsPermissionsOfOldFile) {
    TempDir dir;
    WriteBytes(dir / "prog.stp", "old program");
    ::chmod((dir / "prog.stp").c_str(), 0640);
    ScriptedPrompter p;
    p.answers = {true};
    ASSERT_TRUE(SaveStepFile(StepTable{}, dir / "prog.stp", SaveStp, p));
    struct stat st {};
    ASSERT_EQ(::stat((dir / "prog.stp").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

}  // namespace
}  // namespace mivo
