// The built `mivo` with input it must refuse: nothing it holds is lost and nothing it echoes
// drives the terminal.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <tuple>

#include "support/temp_dir.h"

namespace mivo {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

// Runs mivo in `dir` through the shell, so that `args` may hold "$(printf ...)": its exit
// status, its standard output and error.
std::tuple<int, std::string, std::string> Mivo(const TempDir& dir, const std::string& args) {
    const std::string command = "cd '" + dir.path().string() + "' && '" MIVO_CLI_PROGRAM "' " +
                                args + " </dev/null >stdout.txt 2>stderr.txt";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadBytes(dir / "stdout.txt"),
            ReadBytes(dir / "stderr.txt")};
}

TEST(MivoInput, RefusedInputKeepsFilesAndIsEchoedReadably) {
    std::string steps;
    for (int k = 0; k < 1000; ++k) steps += ",,,,,,,\r\n";
    struct Case {
        const char* what;
        std::string args;
        int status;
        std::string shown;  // stdout, then stderr
        std::string kept;   // the file that stays as it was
    } cases[] = {
        {"read-only output", "--yes convert in.csv ro.stp", 1,
         "Open: Completed\nSave: Cannot write ro.stp: it is read-only\n", "ro.stp"},
        {"empty ZEB file", "--yes convert empty.crd old.stp", 1,
         "Open: File cannot be open\n  empty.crd: the file has 0 lines; the steps of a ZEB data "
         "file stand in lines 1 to 1000\n",
         "old.stp"},
        {"terminal escape in a command", "\"$(printf 'run\\033[2J')\" in.csv", 2,
         "mivo: unknown command run\\x1B[2J\n", ""},
        {"port that cannot be opened", "--port /nonexistent/mivo-tty --log old.log version", 1,
         "Circuit open: Port cannot be open\n", "old.log"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        WriteBytes(dir / "in.csv", steps);
        WriteBytes(dir / "empty.crd", "");
        for (const char* old : {"ro.stp", "old.stp", "old.log"}) WriteBytes(dir / old, "old\n");
        ASSERT_EQ(::chmod((dir / "ro.stp").c_str(), 0444), 0);
        const auto [status, out, err] = Mivo(dir, c.args);
        EXPECT_EQ(status, c.status);
        EXPECT_EQ((out + err).substr(0, c.shown.size()), c.shown) << out << err;
        EXPECT_EQ(err.find('\x1B'), std::string::npos);
        if (!c.kept.empty()) {
            EXPECT_EQ(ReadBytes(dir / c.kept), "old\n");
        }
    }
}

}  // namespace
}  // namespace mivo
