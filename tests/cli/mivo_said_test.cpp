// What `mivo` says when a command fails, and what it says when it succeeds, end to end.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QProcess>

#include "backup/backup_archive.h"
#include "cli/cli_rig.h"
#include "support/renamed_member.h"
#include "support/temp_dir.h"

namespace mivo::test {
namespace {

std::string LastLine(const std::string& text) {
    std::string t = text;
    if (!t.empty() && t.back() == '\n') t.pop_back();
    const std::size_t nl = t.rfind('\n');
    return nl == std::string::npos ? t : t.substr(nl + 1);
}

// Every failure ends with "mivo: ..." on standard error and the system's reason of the call that
// failed, also when the reason was a notice on standard output or the port's own message.
TEST(MivoSaid, EveryFailureEndsWithItsTrueReasonOnStandardError) {
    TempDir dir;
    SimProcess sim;
    WriteBytes(dir / "p.csv", StepFile({"POI,000,1,2,3,4,,", "END,000,,,,,,"}));
    WriteBytes(dir / "bad.csv", StepFile({"POI,000,1,2,,0,,", "END,000,,,,,,"}));
    std::string parameters;
    for (int n = 0; n < 44; ++n) parameters += "1\r\n";
    WriteBytes(dir / "p.prm", parameters);
    WriteBytes(dir / "notzip.zip", "this is no archive\n");
    WriteBytes(dir / "ro.pdf", "old");
    ::chmod((dir / "ro.pdf").c_str(), 0444);
    const QString port = sim.device;
    struct Case {
        const char* name;
        QStringList args;
        int status;
        std::string said;   // on standard error
        bool full = false;  // standard output is /dev/full
    };
    const char* const noSpace = "No space left on device";
    const char* const noFile = "No such file or directory";
    // clang-format off
    const Case cases[] = {
        {"steps receive, output full", {"--port", port, "--yes", "steps", "receive", "r.csv"}, 1, noSpace, true},
        {"convert, output full", {"--yes", "convert", "p.csv", "c.stp"}, 1, noSpace, true},
        {"check, output full", {"check", "bad.csv", "--parameters", "p.prm"}, 1, noSpace, true},
        {"restore of no archive", {"--port", port, "restore", "notzip.zip"}, 3, "notzip.zip"},
        {"check of a missing file", {"check", "missing.csv"}, 1, noFile},
        {"convert of a missing file", {"convert", "missing.csv", "c.stp"}, 1, noFile},
        {"print of a missing file", {"print", "missing.stp", "--pdf", "o.pdf"}, 1, noFile},
        {"print onto a read-only PDF", {"print", "p.csv", "--kind", "step", "--pdf", "ro.pdf"}, 1, "ro.pdf: it is read-only"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const MivoRun r = RunMivo(c.args, dir.path(), {}, c.full ? "/dev/full" : QString());
        EXPECT_EQ(r.exitCode, c.status) << r.err;
        EXPECT_EQ(LastLine(r.err).rfind("mivo: ", 0), 0u) << r.err;
        EXPECT_TRUE(Contains(r.err, c.said)) << r.err;
    }
}

// A --log that cannot be written is said and fails the command once it ended, which runs on; a
// FIFO or a device is refused before the port is opened (a FIFO without a reader would hang).
TEST(MivoSaid, ALogThatCannotBeWrittenIsSaidAndFailsTheCommand) {
    TempDir dir;
    SimProcess sim;
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    for (const char* log : {"fifo", "/dev/full", "/dev/null"}) {
        SCOPED_TRACE(log);
        const MivoRun r = sim.mivo({"--log", log, "version"}, dir.path());
        EXPECT_EQ(r.exitCode, 1) << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(Contains(r.err, "Cannot write " + std::string(log) + ": Not a regular file"))
            << r.err;
    }
    // The log's writes fail after its first kilobyte (a full disk; here a file size limit):
    // the parameters are read and saved all the same, and the log's failure is said after them.
    QProcess p;
    p.setWorkingDirectory(QString::fromStdString(dir.path().string()));
    p.start("bash", {"-c", R"(ulimit -f 1; trap '' XFSZ; exec "$0" "$@")", MIVO_CLI_PROGRAM,
                     "--port", sim.device, "--yes", "--log", "log", "params", "receive", "p.prm"});
    ASSERT_TRUE(p.waitForFinished(60000));
    const std::string out = p.readAllStandardOutput().toStdString();
    const std::string err = p.readAllStandardError().toStdString();
    EXPECT_EQ(p.exitCode(), 1) << err;
    EXPECT_EQ(out, "Parameter receive: Parameter receiving is completed\nSave: Saved\n");
    EXPECT_TRUE(Contains(err, "Log: Cannot write log: File too large")) << err;
    EXPECT_EQ(LastLine(err), "mivo: params receive p.prm did not complete") << err;
}

// What succeeds says so and nothing besides: compare of equal data says "No differences", the
// open notice of a file compared, checked or estimated is no result, and each command's --help
// is its own.
TEST(MivoSaid, ResultsAloneAndEachCommandsHelp) {
    TempDir dir;
    SimProcess sim;
    ASSERT_EQ(sim.mivo({"--yes", "pallet", "receive", "3", "p.plt"}, dir.path()).exitCode, 0);
    WriteBytes(dir / "good.csv", StepFile({"END,000,,,,,,"}));
    const MivoRun same = sim.mivo({"compare", "p.plt"}, dir.path());
    EXPECT_EQ(same.exitCode, 0) << same.err;
    EXPECT_EQ(same.out, "No differences\n");
    EXPECT_FALSE(Contains(same.err, "Open:")) << same.err;
    const MivoRun check = RunMivo({"check", "good.csv"}, dir.path());
    EXPECT_EQ(check.exitCode, 0) << check.err;
    EXPECT_EQ(check.out + check.err, "");
    const MivoRun estimate = RunMivo({"estimate", "good.csv"}, dir.path());
    EXPECT_EQ(estimate.exitCode, 0) << estimate.err;
    EXPECT_EQ(estimate.out + estimate.err, "step 0: 0.010 s\nEstimated cycle: 0.01 s\n");

    const MivoRun help = RunMivo({"restore", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.rfind("usage: mivo --port DEVICE ... restore FILE", 0), 0u) << help.out;
    for (const char* option : {"--only", "--port", "--yes", "--log", "--timeout"})
        EXPECT_TRUE(Contains(help.out, std::string("\n  ") + option + " ")) << option;
    EXPECT_FALSE(Contains(help.out, "convert")) << help.out;
}

// An archive holding anything besides a backup's members is refused before the first command,
// naming the member readably: exit 3, nothing on the line.
TEST(MivoSaid, ARestoreOfMoreThanABackupSendsNothing) {
    TempDir dir;
    SimProcess sim;
    ASSERT_EQ(sim.mivo({"--yes", "backup", "b.zip"}, dir.path()).exitCode, 0);
    Members members;
    std::string bytes, reason;
    ASSERT_TRUE(UnzipMembers(ReadBytes(dir / "b.zip"), members, reason)) << reason;
    members.emplace_back("evilE.sh", "rm -rf ~\n");
    ASSERT_TRUE(ZipMembers(members, bytes, reason)) << reason;
    RenameMember(bytes, "evilE.sh", "evil\x1b.sh");
    WriteBytes(dir / "more.zip", bytes);
    const MivoRun r = sim.mivo({"--yes", "--log", "log", "restore", "more.zip"}, dir.path());
    EXPECT_EQ(r.exitCode, 3) << r.err;
    EXPECT_TRUE(Contains(r.out + r.err, "more.zip/evil\\x1B.sh: a backup holds no such member"))
        << r.out << r.err;
    EXPECT_EQ(ReadBytes(dir / "log"), "");
}

}  // namespace
}  // namespace mivo::test
