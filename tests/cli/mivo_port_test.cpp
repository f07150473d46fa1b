// The built `mivo` against the built `mivo-sim` over a pseudo-terminal.
#include <gtest/gtest.h>

#include "backup/backup_archive.h"
#include "cli/cli_rig.h"
#include "support/temp_dir.h"

namespace mivo::test {
namespace {

// A step file of `steps` POI steps.
std::string PoiProgram(int steps) {
    std::vector<std::string> lines;
    for (int s = 0; s < steps; ++s) lines.push_back("POI,000," + std::to_string(s) + ",2,3,4,,");
    return StepFile(lines);
}

TEST(MivoPort, SendsAndReceivesAFullProgram) {
    TempDir dir;
    SimProcess sim;
    // Points, sequences and circle pairs: every line of the file used.
    std::vector<std::string> steps;
    for (int s = 0; s < 1000; s += 5)
        steps.insert(steps.end(), {"POI,000," + std::to_string(s) + ".5,2,3,4,,",
                                   "SEQ,200,,,,," + std::to_string(s + 1) + ",", "CIR,101,1,2,3,,,",
                                   "CIR,101,4,5,6,7,,", ",,,,,,,"});
    const std::string original = StepFile(steps);
    WriteBytes(dir / "in.csv", original);
    const MivoRun send = sim.mivo({"--yes", "steps", "send", "in.csv"}, dir.path());
    EXPECT_EQ(send.exitCode, 0) << send.err;
    EXPECT_EQ(send.out, "Open: Completed\nStep send: Sending is completed\n");
    EXPECT_FALSE(Contains(send.err, " of 1000")) << "progress on a pipe";
    const MivoRun receive = sim.mivo({"--yes", "steps", "receive", "out.csv"}, dir.path());
    EXPECT_EQ(receive.exitCode, 0) << receive.err;
    EXPECT_EQ(receive.out, "Step receive: Step receiving is completed\nSave: Saved\n");
    EXPECT_EQ(ReadBytes(dir / "out.csv"), original);
}

// `mivo check` and `steps send --quick`: a program with a finding is not sent unless the user
// says so; a sound one arrives whole, its empty steps never on the line.
TEST(MivoPort, CheckThenQuickSend) {
    TempDir dir;
    SimProcess sim;
    WriteBytes(dir / "bad.csv", StepFile({"POI,000,1,2,,0,,", "END,000,,,,,,"}));
    const MivoRun check = RunMivo({"check", "bad.csv"}, dir.path());
    EXPECT_EQ(check.exitCode, 1) << check.err;
    EXPECT_EQ(check.out, "step 0: Input Z value\n");
    const MivoRun declined = sim.mivo({"steps", "send", "bad.csv", "--quick"}, dir.path(), "n\n");
    EXPECT_EQ(declined.exitCode, 1);
    EXPECT_TRUE(Contains(declined.out + declined.err, "found step 0: Input Z value.  Send anyway?"))
        << declined.out << declined.err;
    const std::string sound = StepFile({"POI,000,1,2,3,0,,", "END,000,,,,,,"});
    WriteBytes(dir / "in.csv", sound);
    const MivoRun quick =
        sim.mivo({"--yes", "--log", "wire.log", "steps", "send", "in.csv", "--quick"}, dir.path());
    EXPECT_EQ(quick.exitCode, 0) << quick.err;
    EXPECT_FALSE(Contains(ReadBytes(dir / "wire.log"), "@PDEL"));
    EXPECT_EQ(sim.mivo({"--yes", "steps", "receive", "out.csv"}, dir.path()).exitCode, 0);
    EXPECT_EQ(ReadBytes(dir / "out.csv"), sound);
    EXPECT_EQ(sim.mivo({"steps", "send", "in.csv", "--quick", "--range", "0-5"}).exitCode, 2);
}

// A line that falls silent or drops, a refusal, or noise or empty lines in place of replies, ends
// the command with status 1 and is said; a receive that does not complete writes no file and
// leaves one that was there as it was. No reply in time counts as an empty reply: the transfer
// says nothing of its own. Noise is never shown as a value, nor as a line of the error record.
// A report that cannot be written is a failure too, and says why.
TEST(MivoPort, FaultsAreSaidAndWriteNothing) {
    struct Case {
        const char* name;
        QStringList simOptions;
        QStringList args;
        std::string out;  // standard output; with `noise`, only up to the noise
        QString err;      // a part of standard error; DEVICE stands for the simulator's
        bool noise = false;
        QString output = {};  // where standard output goes, when not to the test
    };
    // clang-format off
    const Case cases[] = {
        {"silent controller", {"--silent"}, {"--timeout", "0.5", "version"}, "", "No reply from the controller"},
        {"silent on parameters", {"--silent-family", "parameters"}, {"--yes", "--timeout", "0.5", "params", "receive", "new.prm"}, "Reply error: No reply from the controller for parameter 0\n", "No reply from the controller to @READ PRM 0 within 0.5 s"},
        {"silent on a direct query", {"--silent"}, {"--timeout", "0.3", "direct", "sno"}, "@?SNO\n", "did not answer within 0.3 s"},
        {"the line drops", {"--hangup-after", "5"}, {"--yes", "steps", "send", "p.csv"}, "Open: Completed\n", "Communication error: The line to DEVICE failed"},
        {"receive refused, a new file", {"--refuse-family", "parameters:45:Parameter No. error"}, {"--yes", "params", "receive", "new.prm"}, "Error display: 45:Parameter No. error\n", ""},
        {"noise for a pallet", {"--garbage"}, {"--yes", "--timeout", "2", "pallet", "receive", "0", "kept.plt"}, "Reply error: The controller's reply for X1 is no value it can hold: '", "did not complete", true},
        {"empty lines for parameters", {"--empty-lines"}, {"--yes", "--timeout", "2", "params", "receive", "kept.prm"}, "", "did not complete"},
        {"noise before the error record", {"--noise-before"}, {"--yes", "errors"}, "Reply error: The controller's reply for @READ ERR is no value it can hold: '", "did not complete", true},
        {"an error record line cut at the line's bound", {"--long-line"}, {"--yes", "errors"}, "Reply error: The controller's reply for @READ ERR was cut at the 999 bytes a line may hold: '0123", "did not complete", true},
        {"the versions to a full output", {}, {"version"}, "", "could not be written to standard output: No space left on device", false, "/dev/full"},
        {"the positions to a full output", {}, {"direct", "pos"}, "", "No space left on device", false, "/dev/full"},
    };
    // clang-format on
    const char* const kept[] = {"kept.prm", "kept.plt"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        WriteBytes(dir / "p.csv", PoiProgram(50));
        for (const char* name : kept) WriteBytes(dir / name, "old");
        SimProcess sim(c.simOptions);
        const MivoRun r = sim.mivo(c.args, dir.path(), {}, c.output);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(c.noise ? r.out.substr(0, c.out.size()) : r.out, c.out);
        for (const char* value : {"completed", "STEP No.:", "X Position:"})
            EXPECT_FALSE(Contains(r.out, value)) << r.out;
        EXPECT_TRUE(Contains(r.err, QString(c.err).replace("DEVICE", sim.device).toStdString()))
            << r.err;
        for (const char* name : kept) EXPECT_EQ(ReadBytes(dir / name), "old") << name;
        EXPECT_FALSE(std::filesystem::exists(dir / "new.prm"));
    }
}

TEST(MivoPort, ParamsSendReceiveAndInit) {
    TempDir dir;
    SimProcess sim({"--version-text", "1.14"});
    // The 44 lines of a parameter file.
    std::string sent;
    for (const char* value :
         {"22",     "3",     "3",     "",      "1.50",  "",       "180.00", "200.00", "50.00",
          "200.00", "-5.00", "-2.00", "-5.00", "-5.00", "6.00",   "6.00",   "2.00",   "6.00",
          "0.2",    "0.1",   "0.1",   "0.1",   "199.9", "200.00", "70.00",  "200.00", "45.00",
          "15.00",  "5.00",  "30.00", "5.00",  "30.00", "5.00",   "10.00",  "5.00",   "30.00",
          "0.01",   "0.01",  "0.01",  "0.01",  "1",     "3",      "0",      "1"})
        sent += std::string(value) + "\r\n";
    WriteBytes(dir / "in.prm", sent);
    const MivoRun send =
        sim.mivo({"--yes", "--log", "send.log", "params", "send", "in.prm"}, dir.path());
    EXPECT_EQ(send.exitCode, 0) << send.err;
    EXPECT_EQ(send.out, "Open: Complete\nParameter send: Parameter sending is completed\n");
    const std::string sendLog = Unstamped(ReadBytes(dir / "send.log"));
    EXPECT_TRUE(Contains(sendLog, "> @WRITE PRM 22,199.9\n< OK\n")) << sendLog;
    EXPECT_FALSE(Contains(sendLog, "@WRITE PRM 0,"));

    const MivoRun receive = sim.mivo({"--yes", "params", "receive", "out.csv"}, dir.path());
    EXPECT_EQ(receive.exitCode, 0) << receive.err;
    EXPECT_EQ(receive.out, "Parameter receive: Parameter receiving is completed\nSave: Saved\n");
    EXPECT_EQ(ReadBytes(dir / "out.csv"), sent);

    const MivoRun init = sim.mivo({"--yes", "params", "init", "31", "init.prm"}, dir.path());
    EXPECT_EQ(init.exitCode, 0) << init.err;
    // Each value read back, 3 and 5 skipped, then the file saved.
    EXPECT_EQ(std::count(init.out.begin(), init.out.end(), '\n'), 1 + 42 + 1);
    EXPECT_TRUE(
        init.out.starts_with("Parameter initialize: Parameter initialize is completed\n"
                             "0: 31\n1: 3\n2: 3\n4: 0.00\n6: 100.00\n"))
        << init.out;
    EXPECT_TRUE(init.out.ends_with("\n43: 0\nSave: Saved\n")) << init.out;
    EXPECT_EQ(ReadBytes(dir / "init.prm").substr(0, 28),
              "31\r\n3\r\n3\r\n\r\n0.00\r\n\r\n100.00\r\n");
}

// backup writes each kind's file as its receive does, asking nothing; compare prints the items
// that differ alone on standard output; restore brings the controller back to the backup.
TEST(MivoPort, BackupCompareRestore) {
    TempDir dir;
    SimProcess sim;
    WriteBytes(dir / "in.stp", PoiProgram(20));
    ASSERT_EQ(sim.mivo({"--yes", "steps", "send", "in.stp", "--quick"}, dir.path()).exitCode, 0);
    const MivoRun backup = sim.mivo({"backup", "b.zip"}, dir.path());
    EXPECT_EQ(backup.exitCode, 0) << backup.err;
    EXPECT_EQ(backup.out, "Save: Saved\n");
    Members members;
    std::string reason;
    ASSERT_TRUE(UnzipMembers(ReadBytes(dir / "b.zip"), members, reason)) << reason;
    ASSERT_EQ(members.size(), 1u + 1 + 20 + 6 + 1);
    EXPECT_EQ(members.back().first, "manifest.txt");
    EXPECT_TRUE(members.back().second.starts_with("program: 0\r\ndate: ")) << members.back().second;
    const auto member = [&](const std::string& name) {
        for (const auto& [n, content] : members)
            if (n == name) return content;
        return std::string("missing");
    };
    struct Receive {
        QStringList args;
        std::string member;
    };
    for (const Receive& r : {Receive{{"steps", "receive", "r.stp"}, "program-0.stp"},
                             Receive{{"params", "receive", "r.prm"}, "parameters.prm"},
                             Receive{{"pallet", "receive", "7", "r.plt"}, "pallet-07.plt"},
                             Receive{{"offset", "receive", "5", "r.off"}, "offset-5.off"}}) {
        ASSERT_EQ(sim.mivo(QStringList{"--yes"} + r.args, dir.path()).exitCode, 0);
        EXPECT_EQ(member(r.member), ReadBytes(dir / r.args.back().toStdString())) << r.member;
    }
    const MivoRun same = sim.mivo({"compare", "b.zip"}, dir.path());
    EXPECT_EQ(same.exitCode, 0) << same.err;

    std::string changed = PoiProgram(20);
    changed.replace(changed.find("POI,000,3,2,3,4"), 15, "POI,000,3,2,3,9");
    WriteBytes(dir / "changed.stp", changed);
    ASSERT_EQ(sim.mivo({"--yes", "steps", "send", "changed.stp", "--quick"}, dir.path()).exitCode,
              0);
    const MivoRun differs = sim.mivo({"compare", "r.stp"}, dir.path());
    EXPECT_EQ(differs.exitCode, 1) << differs.err;
    EXPECT_EQ(differs.out, "step 3: file \"POI,000,3,2,3,4\", controller \"POI,000,3,2,3,9\"\n");
    // Stopped at a later part, the restore says what it sent, not that nothing was done.
    const MivoRun stopped = sim.mivo({"restore", "b.zip"}, dir.path(), "y\nn\n");
    EXPECT_EQ(stopped.exitCode, 1);
    EXPECT_TRUE(stopped.err.ends_with(
        "mivo: restore b.zip sent steps; stopped at parameters: answered No\n"))
        << stopped.err;
    const MivoRun restore = sim.mivo({"--yes", "restore", "b.zip"}, dir.path());
    EXPECT_EQ(restore.exitCode, 0) << restore.err;
    EXPECT_EQ(sim.mivo({"compare", "b.zip"}, dir.path()).exitCode, 0);
    EXPECT_EQ(sim.mivo({"compare", "missing.zip"}, dir.path()).exitCode, 3);
    EXPECT_EQ(sim.mivo({"compare", "r.stp", "--pallet", "3"}, dir.path()).exitCode, 2);
}

}  // namespace
}  // namespace mivo::test
