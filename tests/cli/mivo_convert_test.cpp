// Runs the built `mivo` as a user would: `convert`, and the calls it refuses.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <optional>

#include "cli/cli_rig.h"
#include "support/temp_dir.h"

namespace mivo::test {
namespace {

// What each conversion prints and writes, and its status: 0 done, 1 not done. A question
// answered No (or not at all) ends the command with one line saying so. --kind names the kind of
// any output. A file that is there stays as it was when the command fails: a read-only output, a
// log beside a port that cannot be opened.
TEST(MivoConvert, OutcomesAndExitStatus) {
    const std::string file = StepFile({"POI,050,1,2,3,0,,c"});
    const std::string done = "Open: Completed\nSave: Saved\n";
    const std::string overwrite = "Program save: File of the same name exists.  Overwrite? [y/N] ";
    const std::string declined = "mivo: answered No: nothing was done\n";
    struct Case {
        const char* name;
        const char* args;
        std::string input;
        int status;
        std::string out, err;
        std::optional<std::string> written;  // the last word's file afterwards, if any
    };
    // clang-format off
    const Case cases[] = {
        {"csv to stp", "convert in.csv out.stp", "", 0, done, "", file},
        {"to any name with --kind", "convert in.STP --kind step plain", "", 0, done, "", file},
        {"existing output, no answer", "convert in.csv old.stp", "", 1, "Open: Completed\n", overwrite + "\n" + declined, "old"},
        {"existing output, n typed", "convert in.csv old.stp", "n\n", 1, "Open: Completed\n", overwrite + declined, "old"},
        {"existing output, y typed", "convert in.csv old.stp", "y\n", 0, done, overwrite, file},
        {"existing output, --yes", "--yes convert in.csv old.stp", "", 0, done, overwrite + "y\n", file},
        {"input no step file", "convert bad.stp out.stp", "", 1, "Open: File cannot be open\n", "  bad.stp: line 1 of 1 has 0 commas, a step line has at least 7: \"no commas here\"\nmivo: convert bad.stp out.stp did not complete\n", std::nullopt},
        {"read-only output", "--yes convert in.csv ro.stp", "", 1, "Open: Completed\nSave: Cannot write ro.stp: it is read-only\n", "mivo: convert in.csv ro.stp did not complete: Save: Cannot write ro.stp: it is read-only\n", "old"},
        {"port that cannot be opened", "--port /nonexistent/mivo-tty version --log old.log", "", 1, "", "Circuit open: Port cannot be open\n  /nonexistent/mivo-tty: no such device (No such file or directory)\nmivo: version did not complete\n", "old"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        WriteBytes(dir / "in.csv", file);
        WriteBytes(dir / "in.STP", file);
        for (const char* old : {"old.stp", "ro.stp", "old.log"}) WriteBytes(dir / old, "old");
        ASSERT_EQ(::chmod((dir / "ro.stp").c_str(), 0444), 0);
        WriteBytes(dir / "bad.stp", "no commas here\r\n");
        const QStringList words = QString(c.args).split(' ');
        const MivoRun r = RunMivo(words, dir.path(), c.input);
        EXPECT_EQ(r.exitCode, c.status);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, c.err);
        const std::string output = dir / words.last().toStdString();
        if (c.written) {
            EXPECT_EQ(ReadBytes(output), *c.written);
        } else {
            EXPECT_FALSE(std::filesystem::exists(output));
        }
    }
}

// The usage on request goes to standard output. A call it cannot run says why on standard error
// (the general ones with the usage), gets status 2 and writes nothing. The tool writes step
// files only, so a ZEB name for what it writes is a wrong call. A word it echoes cannot drive
// the terminal.
TEST(MivoUsage, OnRequestAndForEachWrongCall) {
    TempDir dir;
    WriteBytes(dir / "in.stp", StepFile({}));
    const MivoRun help = RunMivo({"--help"}, dir.path());
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(Contains(help.out, "usage:")) << help.out;
    EXPECT_EQ(help.err, "");
    struct Case {
        const char* args;
        bool usage;  // the usage follows the reason
        const char* says = "";
    };
    // clang-format off
    const Case cases[] = {
        {"", true},
        {"convert in.stp", true},
        {"run\x1B[2J in.csv", true, "mivo: unknown command run\\x1B[2J\n"},
        {"convert in.stp out.stp --force", true},
        {"convert in.stp OUT.CRD", true},
        {"version", false},
        {"--port /dev/null --range 3 steps send x.csv", false},
        {"--port /dev/null --timeout x errors", false},
        {"--port /dev/null params init 15", false},
        {"--port /dev/null params init 031", false},
        {"--port /dev/null params init", true},
        {"--port /dev/null --kind parameter params receive x.prm", false},
        {"--port /dev/null direct output 16 on", false, "no output number"},
        {"--port /dev/null direct output 3 up", false},
        {"--port /dev/null direct output 3", false},
        {"--port /dev/null direct jog X3", false},
        {"--port /dev/null direct jog X+ --mode 4", false},
        {"--port /dev/null direct jog X+ --hold 1", false, "modes 2 and 3"},
        {"--port /dev/null direct jog X+ --mode 2 --hold 0", false},
        {"--port /dev/null direct monitor --cycles 0", false},
        {"--port /dev/null direct monitor --hold 1", false},
        {"--port /dev/null direct sno --cycles 2", false},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        const MivoRun r = RunMivo(QString(c.args).split(' ', Qt::SkipEmptyParts), dir.path());
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.rfind("mivo: ", 0), 0u) << r.err;
        EXPECT_TRUE(Contains(r.err, c.says)) << r.err;
        EXPECT_FALSE(Contains(r.err, "\x1B"));
        EXPECT_EQ(Contains(r.err, "usage:"), c.usage) << r.err;
    }
    for (const char* name : {"out.stp", "out.crd", "OUT.CRD", "x.prm"})
        EXPECT_FALSE(std::filesystem::exists(dir / name)) << name;
}

}  // namespace
}  // namespace mivo::test
