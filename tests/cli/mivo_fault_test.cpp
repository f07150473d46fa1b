// The built `mivo` against the built `mivo-sim` and its faults: stop signals at any moment,
// noise and empty lines in place of replies, an idle burst glued to a reply.
#include <gtest/gtest.h>
#include <signal.h>

#include <QProcess>
#include <QStringList>
#include <QTest>

#include "cli/cli_rig.h"
#include "support/temp_dir.h"

namespace mivo::test {
namespace {

// The command lines a `--log` file shows as sent.
std::vector<std::string> Sent(const std::string& log) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start < log.size()) {
        std::size_t end = log.find('\n', start);
        if (end == std::string::npos) end = log.size();
        if (log.compare(start, 2, "> ") == 0) out.push_back(log.substr(start + 2, end - start - 2));
        start = end + 1;
    }
    return out;
}

TEST(MivoFault, AStopSignalStopsAMotionOnceAndSendsNothingMore) {
    struct Case {
        const char* name;
        QStringList command;
        int signal;
        int afterMs;  // after the start, or -1: once the motion was answered "OK"
    };
    // clang-format off
    const Case cases[] = {
        {"Ctrl+C while run drains", {"run"}, SIGINT, 50},
        {"SIGTERM while run drains", {"run"}, SIGTERM, 100},
        {"SIGHUP early in run", {"run"}, SIGHUP, 50},
        {"Ctrl+C early in origin", {"origin"}, SIGINT, 100},
        {"SIGTERM early in go", {"go", "0"}, SIGTERM, 50},
        {"Ctrl+C while it runs", {"run"}, SIGINT, -1},
        {"SIGHUP while it runs", {"run"}, SIGHUP, -1},
        {"Ctrl+C later in run", {"run"}, SIGINT, 300},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        SimProcess sim;
        ASSERT_FALSE(sim.device.isEmpty());
        // A move to X 100, a ten-second timer, END.
        WriteBytes(dir / "long.csv",
                   StepFile({"POI,000,100,0,0,0,,", "SEQ,400,,,,,,", "END,000,,,,,,"}));
        ASSERT_EQ(
            sim.mivo({"--yes", "--range", "0-2", "steps", "send", "long.csv"}, dir.path()).exitCode,
            0);

        const QString log = QString::fromStdString(dir / "log");
        QProcess p;
        p.start(MIVO_CLI_PROGRAM,
                QStringList{"--port", sim.device, "--yes", "--log", log, "direct"} + c.command);
        p.closeWriteChannel();
        ASSERT_TRUE(p.waitForStarted());
        if (c.afterMs >= 0) {
            QTest::qWait(c.afterMs);
        } else {
            std::string out;
            ASSERT_TRUE(QTest::qWaitFor(
                [&] {
                    out += p.peek(1 << 16).toStdString();
                    return out.find("@RUN\nOK\n") != std::string::npos;
                },
                10000));
        }
        ::kill(static_cast<pid_t>(p.processId()), c.signal);
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), 1);
        const MivoRun r{p.exitCode(), p.readAllStandardOutput().toStdString(),
                        p.readAllStandardError().toStdString()};
        EXPECT_EQ(r.err.find("did not answer"), std::string::npos) << r.err;
        EXPECT_EQ(r.out.find("END"), std::string::npos) << r.out;
        // "@STOP" at most once, and after it only the positions it reads.
        const std::vector<std::string> sent = Sent(ReadBytes(dir / "log"));
        const auto stop = std::find(sent.begin(), sent.end(), "@STOP");
        for (auto after = stop; after != sent.end() && ++after != sent.end();)
            EXPECT_EQ(after->rfind("@?POS ", 0), 0u) << *after;
        // Once a motion went out, the robot was stopped.
        const bool moved = std::find(sent.begin(), sent.end(), "@RUN") != sent.end() ||
                           std::find(sent.begin(), sent.end(), "@ORG") != sent.end() ||
                           std::find(sent.begin(), sent.end(), "@GO 0") != sent.end();
        if (moved) {
            EXPECT_NE(stop, sent.end());
        }
    }
}

TEST(MivoFault, TheSimulatorEndsInOrderOnAHangup) {
    SimProcess sim;
    ASSERT_FALSE(sim.device.isEmpty());
    ::kill(static_cast<pid_t>(sim.process.processId()), SIGHUP);
    ASSERT_TRUE(sim.process.waitForFinished(10000));
    EXPECT_EQ(sim.process.exitStatus(), QProcess::NormalExit);
}

TEST(MivoFault, AnIdleBurstBeforeAReplyIsNoPartOfIt) {
    SimProcess sim({"--equal-bytes"});
    ASSERT_FALSE(sim.device.isEmpty());
    const MivoRun r = sim.mivo({"--yes", "direct", "origin"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_EQ(r.out, "@ORG\nOK\n");
}

TEST(MivoFault, NoiseIsNeverSavedAndEveryFailureIsSaid) {
    struct Case {
        const char* fault;
        QStringList command;  // FILE stands for the file a receive writes
    };
    // clang-format off
    const Case cases[] = {
        {"--garbage", {"pallet", "receive", "0", "FILE"}},
        {"--noise-before", {"offset", "receive", "0", "FILE"}},
        {"--noise-before", {"params", "receive", "FILE"}},
        {"--garbage", {"direct", "sno"}},
        {"--noise-before", {"direct", "positions"}},
        {"--empty-lines", {"params", "receive", "FILE"}},
        {"--empty-lines", {"params", "init", "22"}},
        {"--empty-lines", {"steps", "receive", "FILE"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        const std::string name = std::string(c.fault) + " " + c.command.join(' ').toStdString();
        SCOPED_TRACE(name);
        TempDir dir;
        WriteBytes(dir / "kept", "kept");
        SimProcess sim({c.fault});
        ASSERT_FALSE(sim.device.isEmpty());
        QStringList args{"--yes", "--timeout", "2"};
        for (const QString& w : c.command) args << (w == "FILE" ? "kept" : w);
        const MivoRun r = sim.mivo(args, dir.path());
        EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
        EXPECT_EQ(ReadBytes(dir / "kept"), "kept");
        EXPECT_NE(r.err.find("did not complete"), std::string::npos) << r.err;
        EXPECT_EQ(r.out.find("completed"), std::string::npos) << r.out;
        EXPECT_EQ(r.out.find("STEP No.:"), std::string::npos) << r.out;
        EXPECT_EQ(r.out.find("X Position:"), std::string::npos) << r.out;
    }
}

}  // namespace
}  // namespace mivo::test
