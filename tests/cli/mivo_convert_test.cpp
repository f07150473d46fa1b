// Runs the built `mivo convert` as a user would.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "parameters/parameter_files.h"
#include "steps/step_files.h"
#include "support/temp_dir.h"

namespace mivo {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

struct ProgramRun {
    int status;
    std::string out;
    std::string err;
};

ProgramRun Mivo(const TempDir& dir, const std::string& args, const std::string& input = "") {
    WriteBytes(dir / "stdin.txt", input);
    const std::string command = "cd '" + dir.path().string() + "' && '" MIVO_CLI_PROGRAM "' " +
                                args + " <stdin.txt >stdout.txt 2>stderr.txt";
    const int raw = std::system(command.c_str());
    ProgramRun r{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadBytes(dir / "stdout.txt"),
                 ReadBytes(dir / "stderr.txt")};
    std::remove((dir / "stdin.txt").c_str());
    std::remove((dir / "stdout.txt").c_str());
    std::remove((dir / "stderr.txt").c_str());
    return r;
}

std::string SevenCommas(int lines) {
    std::string s;
    for (int i = 0; i < lines; ++i) s += ",,,,,,,\r\n";
    return s;
}

TEST(MivoConvert, ZebToStepFile) {
    TempDir dir;
    WriteBytes(dir / "OLD.CRD", "SEQ      800 J=5,jump\r\nEND 000  end\r\n");
    const ProgramRun r = Mivo(dir, "convert OLD.CRD new.stp");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Open: Completed\nSave: Saved\n");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(ReadBytes(dir / "new.stp"),
              "SEQ,800,,,,,5,jump\r\nEND,000,,,,,,end\r\n" + SevenCommas(998));
}

TEST(MivoConvert, OutcomesAndExitStatus) {
    const std::string file = "POI,050,1,2,3,0,,c\r\n" + SevenCommas(999);
    struct Case {
        const char* what;
        std::string args;
        std::string input;
        int status;
        std::string out;
        std::string written;  // expected content of out.stp afterwards
    } cases[] = {
        {"csv to stp", "convert in.csv out.stp", "", 0, "Open: Completed\nSave: Saved\n", file},
        {"existing output, no answer", "convert in.csv old.stp", "", 1, "Open: Completed\n", ""},
        {"existing output, y typed", "convert in.csv old.stp", "y\n", 0,
         "Open: Completed\nSave: Saved\n", ""},
        {"existing output, --yes", "--yes convert in.csv old.stp", "", 0,
         "Open: Completed\nSave: Saved\n", ""},
        {"missing input", "convert none.stp out.stp", "", 1,
         "Open: Cannot read none.stp: No such file or directory\n", "-"},
        {"input no step file", "convert bad.stp out.stp", "", 1, "Open: File cannot be open\n",
         "-"},
        {"no operands", "convert", "", 2, "", "-"},
        {"one operand", "convert in.csv", "", 2, "", "-"},
        {"unknown command", "frobnicate a b", "", 2, "", "-"},
        {"unknown option", "convert in.csv out.stp --force", "", 2, "", "-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        WriteBytes(dir / "in.csv", file);
        WriteBytes(dir / "old.stp", "old");
        WriteBytes(dir / "bad.stp", "no commas here\r\n");
        const ProgramRun r = Mivo(dir, c.args, c.input);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_EQ(r.out, c.out);
        if (c.status == 2) {
            EXPECT_NE(r.err.find("usage:"), std::string::npos) << r.err;
        }
        if (c.args.find("bad.stp") != std::string::npos) {
            EXPECT_NE(r.err.find("bad.stp: line 1 of 1 has 0 commas"), std::string::npos) << r.err;
        }
        if (c.args.find("old.stp") != std::string::npos) {
            EXPECT_NE(r.err.find("Program save: File of the same name exists.  Overwrite? [y/N]"),
                      std::string::npos);
            EXPECT_EQ(ReadBytes(dir / "old.stp"), c.status == 0 ? file : "old");
        } else if (c.written == "-") {
            EXPECT_FALSE(std::filesystem::exists(dir / "out.stp"));
        } else {
            EXPECT_EQ(ReadBytes(dir / "out.stp"), c.written);
        }
    }
}

// The usage on request goes to standard output; a call it cannot run gets it on standard
// error. The tool writes step files only, so a ZEB name for what it writes is a wrong call.
TEST(MivoConvert, UsageAndWrongCalls) {
    struct Case {
        const char* args;
        int status;
        bool usageOnOut;
    } cases[] = {
        {"--help", 0, true},
        {"", 2, false},
        {"convert", 2, false},
        {"convert in.stp out.crd", 2, false},
        {"convert in.stp OUT.CRD", 2, false},
        {"--port /dev/null steps receive got.crd", 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        TempDir dir;
        WriteBytes(dir / "in.stp", SevenCommas(1000));
        const ProgramRun r = Mivo(dir, c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.out.find("usage:") != std::string::npos, c.usageOnOut) << r.out;
        EXPECT_EQ(r.err.find("usage:") != std::string::npos, !c.usageOnOut) << r.err;
        EXPECT_FALSE(std::filesystem::exists(dir / "out.crd"));
        EXPECT_FALSE(std::filesystem::exists(dir / "OUT.CRD"));
        EXPECT_FALSE(std::filesystem::exists(dir / "got.crd"));
    }
}

// A question answered No (or not at all) ends the command with one line saying so.
TEST(MivoConvert, DeclinedQuestionSaysNothingWasDone) {
    TempDir dir;
    WriteBytes(dir / "in.stp", SevenCommas(1000));
    WriteBytes(dir / "old.stp", "old");
    for (const char* input : {"n\n", ""}) {
        const ProgramRun r = Mivo(dir, "convert in.stp old.stp", input);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, "Program save: File of the same name exists.  Overwrite? [y/N] " +
                             std::string(*input ? "" : "\n") +
                             "mivo: answered No: nothing was done\n");
        EXPECT_EQ(ReadBytes(dir / "old.stp"), "old");
    }
}

TEST(MivoConvert, OutputFilterByExactExtension) {
    TempDir dir;
    WriteBytes(dir / "in.STP", SevenCommas(1000));
    struct Case {
        std::string out;
        std::string written;
    } cases[] = {
        {"a.stp", "a.stp"}, {"b.csv", "b.csv"}, {"C.STP", "C.STP"}, {"--kind step plain", "plain"}};
    for (const Case& c : cases) {
        const ProgramRun r = Mivo(dir, "convert in.STP " + c.out);
        EXPECT_EQ(r.status, 0) << c.out << r.out << r.err;
        EXPECT_EQ(ReadBytes(dir / c.written), SevenCommas(1000)) << c.out;
    }
}

// Parameter files: ".prm" out, or a CSV with --kind parameter; a kind that cannot be told
// is a usage error and writes nothing.

// Pallet and offset files: ".plt" and ".off" out, or a CSV with --kind; a ZEB file's pallet block
// chosen by --pallet (0 by default).

}  // namespace
}  // namespace mivo
