// The built `mivo direct` against the built `mivo-sim` over a pseudo-terminal.
#include <gtest/gtest.h>

#include <QTest>

#include "cli/cli_rig.h"
#include "support/temp_dir.h"

namespace mivo::test {
namespace {

// The rows run in order on one controller: "org" tells the origin state before and after the
// return.
TEST(MivoDirect, EachCommandPrintsTheDisplayAndExitsByItsReply) {
    SimProcess sim;
    ASSERT_FALSE(sim.device.isEmpty());
    struct Case {
        QStringList args;
        int exit;
        std::string out;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {{"direct", "org"}, 0, "@?ORG\n0\nOK\n"},
        {{"--yes", "--timeout", "0.3", "direct", "origin"}, 0, "@ORG\nOK\n"},  // 0.8 s: the limit holds for queries only
        {{"direct", "org"}, 0, "@?ORG\n1\nOK\n"},
        {{"direct", "positions"}, 0, "@?POS 1\n0.00\nOK\n@?POS 2\n0.00\nOK\n@?POS 3\n0.00\nOK\n@?POS 4\n0.00\nOK\n"
                                     "X Position: 0.00\nY Position: 0.00\nZ Position: 0.00\nR Position: 0.00\n"},
        {{"direct", "sno"}, 0, "@?SNO\n0\nOK\nSTEP No.: 0\n"},
        {{"--yes", "direct", "go", "5"}, 1, "@?ORG\n1\nOK\n@READ STEP 5\nNG\n57:No step data\nError display: 57:No step data\n"},
        {{"--yes", "direct", "palgo", "3", "2"}, 0, "@?ORG\n1\nOK\n@PAL GO 3,2\nOK\n"},
        {{"direct", "counter", "3"}, 0, "@?C 3\n0,0\nOK\n"},
        {{"--yes", "direct", "init-counter", "12"}, 0, "@INIT C 12\nOK\n"},
        {{"--yes", "direct", "init-counter", "20"}, 1, "@INIT C 20\nNG\n11:Parameter error\nError display: 11:Parameter error\n"},
        {{"--yes", "direct", "offset"}, 1, "@OFF\nNG\n58:No GO position\nError display: 58:No GO position\n"},
        {{"direct", "stop"}, 0, "@STOP\nOK\n"},
        {{"direct", "motor-free"}, 0, "@MSTOP\nMSTOP\nOK\n"},
        {{"--yes", "direct", "memory-check"}, 0, "@MOMCH\nEEP0:OK\nEEP1:OK\nEEP2:OK\nEEP3:OK\nOK\n"},
        {{"direct", "memory-check"}, 1, ""},  // No to the question: nothing sent
        {{"--yes", "direct", "init-program"}, 0, "@?NO\n0\nOK\n@INIT PGM\nOK\n"},
        {{"--yes", "direct", "run"}, 0, "@?NO\n0\nOK\n@?ORG\n1\nOK\n@RUN\nOK\nEND\nRUN execute: END: Program operation end\n"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const MivoRun r = sim.mivo(c.args);
        EXPECT_EQ(r.exitCode, c.exit) << r.err;
        EXPECT_EQ(r.out, c.out);
    }
}

TEST(MivoDirect, ASignalDuringARunStopsTheRobotThenEnds) {
    TempDir dir;
    SimProcess sim;
    ASSERT_FALSE(sim.device.isEmpty());
    // A move to X 100, a ten-second timer and END.
    WriteBytes(dir / "long.csv",
               StepFile({"POI,000,100,0,0,0,,", "SEQ,400,,,,,,", "END,000,,,,,,"}));
    const MivoRun send =
        sim.mivo({"--yes", "--range", "0-2", "steps", "send", "long.csv"}, dir.path());
    ASSERT_EQ(send.exitCode, 0) << send.err;
    QProcess p;
    p.start(MIVO_CLI_PROGRAM, {"--port", sim.device, "--yes", "direct", "run"});
    std::string out;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            out += p.readAllStandardOutput().toStdString();
            return Contains(out, "@RUN\nOK\n");
        },
        10000));
    QTest::qWait(700);  // in the timer, at X 100
    p.terminate();
    ASSERT_TRUE(p.waitForFinished(10000));
    out += p.readAllStandardOutput().toStdString();
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_TRUE(Contains(out, "@RUN\nOK\n@STOP\nSTOP\n41:Stopped\n@?POS 1\n100.00\n")) << out;
    EXPECT_TRUE(Contains(out, "X Position: 100.00\n"));
    EXPECT_FALSE(Contains(out, "END"));
    EXPECT_TRUE(p.readAllStandardError().contains("stopped by a signal"));
    // The controller stands still and answers the next command.
    EXPECT_EQ(sim.mivo({"direct", "sno"}).exitCode, 0);
}

}  // namespace
}  // namespace mivo::test
