// The built `mivo` against the built `mivo-sim` and its faults: stop signals at any moment,
// noise and empty lines in place of replies, an idle burst glued to a reply.
#include <gtest/gtest.h>
#include <signal.h>

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
    bool crashed = true;
    std::string out, err;
};

Result Finish(QProcess& p) {
    Result r;
    if (!p.waitForFinished(60000)) return r;
    r.crashed = p.exitStatus() != QProcess::NormalExit;
    r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput().toStdString();
    r.err = p.readAllStandardError().toStdString();
    return r;
}

Result Mivo(const QStringList& args) {
    QProcess p;
    p.start(MIVO_CLI_PROGRAM, args);
    p.closeWriteChannel();
    return Finish(p);
}

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
        test::TempDir dir;
        Sim sim;
        ASSERT_FALSE(sim.device.isEmpty());
        // A move to X 100, a ten-second timer, END.
        std::string program = "POI,000,100,0,0,0,,\r\nSEQ,400,,,,,,\r\nEND,000,,,,,,\r\n";
        for (int s = 3; s < 1000; ++s) program += ",,,,,,,\r\n";
        test::WriteBytes(dir / "long.csv", program);
        ASSERT_EQ(Mivo({"--port", sim.device, "--yes", "--range", "0-2", "steps", "send",
                        QString::fromStdString(dir / "long.csv")})
                      .exitCode,
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
        const Result r = Finish(p);
        EXPECT_FALSE(r.crashed);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.err.find("did not answer"), std::string::npos) << r.err;
        EXPECT_EQ(r.out.find("END"), std::string::npos) << r.out;
        // "@STOP" at most once, and after it only the positions it reads.
        const std::vector<std::string> sent = Sent(test::ReadBytes(dir / "log"));
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
    Sim sim;
    ASSERT_FALSE(sim.device.isEmpty());
    ::kill(static_cast<pid_t>(sim.process.processId()), SIGHUP);
    ASSERT_TRUE(sim.process.waitForFinished(10000));
    EXPECT_EQ(sim.process.exitStatus(), QProcess::NormalExit);
}

TEST(MivoFault, AnIdleBurstBeforeAReplyIsNoPartOfIt) {
    Sim sim({"--equal-bytes"});
    ASSERT_FALSE(sim.device.isEmpty());
    const Result r = Mivo({"--port", sim.device, "--yes", "direct", "origin"});
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
        test::TempDir dir;
        const std::string file = dir / (c.command[0] == "pallet"   ? "kept.plt"
                                        : c.command[0] == "offset" ? "kept.off"
                                        : c.command[0] == "params" ? "kept.prm"
                                                                   : "kept.stp");
        test::WriteBytes(file, "kept");
        Sim sim({c.fault});
        ASSERT_FALSE(sim.device.isEmpty());
        QStringList args{"--port", sim.device, "--yes", "--timeout", "2"};
        for (const QString& w : c.command) args << (w == "FILE" ? QString::fromStdString(file) : w);
        const Result r = Mivo(args);
        EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
        EXPECT_EQ(test::ReadBytes(file), "kept");
        EXPECT_NE(r.err.find("did not complete"), std::string::npos) << r.err;
        EXPECT_EQ(r.out.find("completed"), std::string::npos) << r.out;
        EXPECT_EQ(r.out.find("STEP No.:"), std::string::npos) << r.out;
        EXPECT_EQ(r.out.find("X Position:"), std::string::npos) << r.out;
    }
}

}  // namespace
}  // namespace mivo
