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
TEST(MivoConvert, ParameterFiles) {
    std::string prm = "31\r\n";  // the robot number, read as an integer
    for (int n = 1; n < 44; ++n) prm += (n == 3 || n == 5 ? "" : "v" + std::to_string(n)) + "\r\n";
    std::string zeb;
    for (int k = 0; k < 1001; ++k) zeb += "------\r\n";
    zeb += "       0150\r\n       0033\r\n       0035\r\n       0100\r\n          0033\r\n";
    zeb += "       0.20\r\n       0.20\r\n       0.20\r\n       0.20\r\n   1.50\r\n";
    const std::string fresh = [] {
        std::string t;
        for (int n = 0; n < 44; ++n) t += ParameterCatalogue(n).initial + "\r\n";
        return t;
    }();
    // Robot 22's values with the ZEB block imported onto them.
    std::string imported;
    {
        ParameterTable t;
        const std::pair<int, const char*> block[] = {
            {22, "300"},  {23, "66"},   {24, "70"},   {25, "200"},  {26, "14.85"},
            {18, "0.20"}, {19, "0.20"}, {20, "0.20"}, {21, "0.20"}, {4, "1.50"},
            {14, "6"},    {15, "6"},    {16, "6"},    {17, "6"}};
        for (const auto& [n, v] : block) t.setValue(n, v);
        imported = ParameterFileText(t);
    }
    struct Case {
        const char* what;
        std::string args;
        int status;
        std::string out;
        std::string file;     // written
        std::string content;  // its content
    } cases[] = {
        {"csv to prm", "convert in.csv out.prm", 0, "Open: Complete\nSave: Saved\n", "out.prm",
         prm},
        {"prm to csv", "--kind parameter convert in.prm out.csv", 0,
         "Open: Complete\nSave: Saved\n", "out.csv", prm},
        {"ZEB onto robot 22", "convert old.crd out.prm", 0,
         "Open: Completed. Check data.\nSave: Saved\n", "out.prm", imported},
        {"upper-case out", "convert in.prm OUT.PRM", 0, "Open: Complete\nSave: Saved\n", "OUT.PRM",
         prm},
        {"short file", "convert short.prm out.prm", 1, "Open: File cannot be open\n", "", ""},
        {"prm to csv without a kind", "convert in.prm out.csv", 2, "", "", ""},
        {"kind not told", "convert in.csv out.txt", 2, "", "", ""},
        {"kind against the name", "--kind pallet convert in.csv out.prm", 2, "", "", ""},
        {"stp to prm", "convert in.stp out.prm", 2, "", "", ""},
        {"robot 22 only", "--kind parameter convert fresh.csv out.txt", 0,
         "Open: Complete\nSave: Saved\n", "out.txt", fresh},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        WriteBytes(dir / "in.csv", prm);
        WriteBytes(dir / "in.prm", prm);
        WriteBytes(dir / "in.stp", SevenCommas(1000));
        WriteBytes(dir / "old.crd", zeb);
        WriteBytes(dir / "short.prm", "22\r\n3\r\n");
        WriteBytes(dir / "fresh.csv", fresh);
        const ProgramRun r = Mivo(dir, c.args);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_EQ(r.out, c.out);
        if (c.status == 2) {
            EXPECT_NE(r.err.find("mivo: "), std::string::npos) << r.err;
        }
        if (!c.file.empty()) {
            EXPECT_EQ(ReadBytes(dir / c.file), c.content);
        }
        for (const char* out : {"out.prm", "out.csv", "out.txt"}) {
            EXPECT_TRUE(c.file == out || !std::filesystem::exists(dir / out)) << out;
        }
    }
}

// Pallet and offset files: ".plt" and ".off" out, or a CSV with --kind; a ZEB file's pallet block
// chosen by --pallet (0 by default).
TEST(MivoConvert, PalletAndOffsetFiles) {
    const std::string plt = "4\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n";
    const std::string off = "2\r\n1.50\r\n0.00\r\n-1\r\n9\r\n";
    // Lines 1014 on: characters 6 to 11 read "L<line>" and the section numbers its last two.
    std::string zeb;
    for (int k = 1; k <= 1100; ++k) zeb += "-----" + std::to_string(k % 100 + 10) + "a.bc -\r\n";
    struct Case {
        const char* what;
        std::string args;
        int status;
        std::string file;  // written; "" for none
        std::string content;
    } cases[] = {
        {"plt to csv", "--kind pallet convert in.plt out.csv", 0, "out.csv", plt},
        {"csv to plt", "convert in.csv out.plt", 0, "out.plt", plt},
        {"off to off", "convert in.off out.OFF", 0, "out.OFF", off},
        {"zeb pallet 0", "convert in.crd zeb.plt", 0, "zeb.plt",
         "0\r\n24a.bc\r\n25a.bc\r\n26a.bc\r\n27a.bc\r\n28a.bc\r\n30a.bc\r\n31a.bc\r\n"
         "33\r\n34\r\n"},
        {"zeb pallet 1", "--pallet 1 convert in.crd zeb1.plt", 0, "zeb1.plt",
         "1\r\n40a.bc\r\n41a.bc\r\n42a.bc\r\n43a.bc\r\n44a.bc\r\n46a.bc\r\n47a.bc\r\n"
         "49\r\n50\r\n"},
        {"zeb pallet beyond the file", "--pallet 9 convert in.crd none.plt", 1, "", ""},
        {"short pallet", "convert short.plt none.plt", 1, "", ""},
        {"plt is no offset file", "convert in.plt none.off", 2, "", ""},
        {"--pallet for offsets", "--pallet 1 convert in.off none.off", 2, "", ""},
        {"unknown kind", "--kind robot convert in.plt none.plt", 2, "", ""},
        {"--kind against OUT's name", "--kind offset convert in.off none.plt", 2, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        WriteBytes(dir / "in.plt", plt);
        WriteBytes(dir / "in.csv", plt);
        WriteBytes(dir / "in.off", off);
        WriteBytes(dir / "in.crd", zeb);
        WriteBytes(dir / "short.plt", "1\r\n2\r\n");
        const ProgramRun r = Mivo(dir, c.args);
        EXPECT_EQ(r.status, c.status) << r.out << r.err;
        if (!c.file.empty()) {
            EXPECT_EQ(ReadBytes(dir / c.file), c.content);
        }
        EXPECT_FALSE(std::filesystem::exists(dir / "none.plt"));
        EXPECT_FALSE(std::filesystem::exists(dir / "none.off"));
    }
}

}  // namespace
}  // namespace mivo
