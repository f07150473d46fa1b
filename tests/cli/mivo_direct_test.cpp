// The built `mivo direct` against the built `mivo-sim` over a pseudo-terminal.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>
#include <QTest>

#include "support/temp_dir.h"

namespace mivo {
namespace {

struct Sim {
    QProcess process;
    QString device;
    explicit Sim(const QStringList& options = {}) {
        process.start(MIVO_SIM_PROGRAM, options);
        if (process.waitForReadyRead(10000))
            device = QString::fromUtf8(process.readLine()).trimmed();
    }
    ~Sim() {
        process.terminate();
        process.waitForFinished(5000);
    }
};

struct Result {
    int exitCode = -1;
    std::string out, err;
};

Result Mivo(const QStringList& args) {
    QProcess p;
    p.start(MIVO_CLI_PROGRAM, args);
    p.closeWriteChannel();
    Result r;
    if (!p.waitForFinished(60000)) return r;
    r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput().toStdString();
    r.err = p.readAllStandardError().toStdString();
    return r;
}

// A program of a move to X 100, a ten-second timer and END, sent to the simulator.
void SendLongProgram(const QString& device, const test::TempDir& dir) {
    std::string text = "POI,000,100,0,0,0,,\r\nSEQ,400,,,,,,\r\nEND,000,,,,,,\r\n";
    for (int s = 3; s < 1000; ++s) text += ",,,,,,,\r\n";
    test::WriteBytes(dir / "long.csv", text);
    const Result send = Mivo({"--port", device, "--yes", "--range", "0-2", "steps", "send",
                              QString::fromStdString(dir / "long.csv")});
    ASSERT_EQ(send.exitCode, 0) << send.err;
}

TEST(MivoDirect, EachCommandPrintsTheDisplayAndExitsByItsReply) {
    Sim sim;
    ASSERT_FALSE(sim.device.isEmpty());
    struct Case {
        QStringList args;
        int exit;
        std::string out;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {{"direct", "org"}, 0, "@?ORG\n0\nOK\n"},
        {{"--yes", "direct", "origin"}, 0, "@ORG\nOK\n"},
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
        QStringList args{"--port", sim.device};
        args += c.args;
        const Result r = Mivo(args);
        EXPECT_EQ(r.exitCode, c.exit) << r.err;
        EXPECT_EQ(r.out, c.out);
    }
}

TEST(MivoDirect, TimeLimitHoldsForQueriesOnlyAndMotionsWaitForTheRobot) {
    Sim sim;
    ASSERT_FALSE(sim.device.isEmpty());
    // The origin return takes 0.8 s, longer than the limit.
    const Result origin =
        Mivo({"--port", sim.device, "--yes", "--timeout", "0.3", "direct", "origin"});
    EXPECT_EQ(origin.exitCode, 0) << origin.err;
    EXPECT_EQ(origin.out, "@ORG\nOK\n");

    Sim silent({"--silent"});
    ASSERT_FALSE(silent.device.isEmpty());
    const Result query = Mivo({"--port", silent.device, "--timeout", "0.3", "direct", "sno"});
    EXPECT_EQ(query.exitCode, 1);
    EXPECT_EQ(query.out, "@?SNO\n");
    EXPECT_NE(query.err.find("did not answer within 0.3 s"), std::string::npos) << query.err;
}

TEST(MivoDirect, ASignalDuringARunStopsTheRobotThenEnds) {
    test::TempDir dir;
    Sim sim;
    ASSERT_FALSE(sim.device.isEmpty());
    SendLongProgram(sim.device, dir);
    QProcess p;
    p.start(MIVO_CLI_PROGRAM, {"--port", sim.device, "--yes", "direct", "run"});
    std::string out;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            out += p.readAllStandardOutput().toStdString();
            return out.find("@RUN\nOK\n") != std::string::npos;
        },
        10000));
    QTest::qWait(700);  // in the timer, at X 100
    p.terminate();
    ASSERT_TRUE(p.waitForFinished(10000));
    out += p.readAllStandardOutput().toStdString();
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_NE(out.find("@RUN\nOK\n@STOP\nSTOP\n41:Stopped\n@?POS 1\n100.00\n"), std::string::npos)
        << out;
    EXPECT_NE(out.find("X Position: 100.00\n"), std::string::npos);
    EXPECT_EQ(out.find("END"), std::string::npos);
    EXPECT_NE(p.readAllStandardError().indexOf("stopped by a signal"), -1);
    // The controller stands still and answers the next command.
    EXPECT_EQ(Mivo({"--port", sim.device, "direct", "sno"}).exitCode, 0);
}

}  // namespace
}  // namespace mivo
