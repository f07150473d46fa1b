// The built `mivo` against the built `mivo-sim` over a pseudo-terminal.
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
    explicit Sim(const QStringList& options) {
        process.start(MIVO_SIM_PROGRAM, options);
        if (process.waitForReadyRead(10000))
            device = QString::fromUtf8(process.readLine()).trimmed();
    }
    ~Sim() {
        process.terminate();
        process.waitForFinished(5000);
    }
};

struct MivoRun {
    int exitCode = -1;
    QString out, err;
};

MivoRun Mivo(const QStringList& args) {
    QProcess p;
    p.start(MIVO_CLI_PROGRAM, args);
    p.closeWriteChannel();
    MivoRun r;
    if (!p.waitForFinished(120000)) return r;
    r.exitCode = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

TEST(MivoPort, SendsAndReceivesAFullProgram) {
    test::TempDir dir;
    Sim sim({});
    ASSERT_FALSE(sim.device.isEmpty());
    std::string original;
    for (int s = 0; s < 1000; ++s) {
        const std::string n = std::to_string(s);
        if (s % 5 == 0)
            original += "POI,000," + n + ".5,2,3,4,,\r\n";
        else if (s % 5 == 1)
            original += "SEQ,200,,,,," + n + ",\r\n";
        else if (s % 5 == 2)
            original += "CIR,101,1,2,3,,,\r\nCIR,101,4,5,6,7,,\r\n", ++s;
        else
            original += ",,,,,,,\r\n";
    }
    const std::string in = dir / "in.csv";
    test::WriteBytes(in, original);
    const std::string out = dir / "out.csv";
    const QString port = sim.device;
    MivoRun send = Mivo({"--port", port, "--yes", "steps", "send", QString::fromStdString(in)});
    EXPECT_EQ(send.exitCode, 0) << send.err.toStdString();
    EXPECT_TRUE(send.out.contains("Step send: Sending is completed"));
    MivoRun receive =
        Mivo({"--port", port, "--yes", "steps", "receive", QString::fromStdString(out)});
    EXPECT_EQ(receive.exitCode, 0) << receive.err.toStdString();
    EXPECT_TRUE(receive.out.contains("Step receive: Step receiving is completed"));
    EXPECT_EQ(test::ReadBytes(out), original);
}

TEST(MivoPort, SilentControllerTimesOut) {
    Sim sim({"--silent"});
    ASSERT_FALSE(sim.device.isEmpty());
    MivoRun r = Mivo({"--port", sim.device, "--timeout", "0.5", "version"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("No reply from the controller")) << r.err.toStdString();
}

// A program of `steps` POI steps as a step file's text.
std::string PoiProgram(int steps) {
    std::string text;
    for (int s = 0; s < 1000; ++s)
        text += s < steps ? "POI,000," + std::to_string(s) + ",2,3,4,,\r\n" : ",,,,,,,\r\n";
    return text;
}

TEST(MivoPort, ALineThatDropsIsSaidOnStandardError) {
    test::TempDir dir;
    Sim sim({"--hangup-after", "5"});
    ASSERT_FALSE(sim.device.isEmpty());
    test::WriteBytes(dir / "p.csv", PoiProgram(50));
    MivoRun r = Mivo(
        {"--port", sim.device, "--yes", "steps", "send", QString::fromStdString(dir / "p.csv")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("Communication error: The line to " + sim.device + " failed"))
        << r.err.toStdString();
}

TEST(MivoPort, AStoppedOrKilledMivoLeavesThePortUsable) {
    test::TempDir dir;
    Sim sim({"--pace"});
    ASSERT_FALSE(sim.device.isEmpty());
    test::WriteBytes(dir / "p.csv", PoiProgram(1000));
    for (const bool killed : {false, true}) {
        SCOPED_TRACE(killed ? "killed" : "terminated");
        const std::string log = dir / (killed ? "killed.log" : "terminated.log");
        QProcess p;
        p.start(MIVO_CLI_PROGRAM,
                {"--port", sim.device, "--yes", "--log", QString::fromStdString(log), "steps",
                 "send", QString::fromStdString(dir / "p.csv")});
        // Stopped in the middle of the transfer (a paced full send takes half a minute).
        ASSERT_TRUE(QTest::qWaitFor([&] { return test::ReadBytes(log).size() > 200; }, 20000));
        if (killed)
            p.kill();
        else
            p.terminate();
        ASSERT_TRUE(p.waitForFinished(10000));
        if (!killed) {
            EXPECT_EQ(p.exitCode(), 1);
            EXPECT_TRUE(p.readAllStandardError().contains("stopped by a signal"));
        }
        // The simulator gives back what a killed peer left on the line within a moment.
        MivoRun after;
        for (int attempt = 0; attempt < 50 && after.exitCode != 0; ++attempt) {
            if (attempt > 0) QTest::qWait(100);
            after = Mivo({"--port", sim.device, "version"});
            if (!killed) break;
        }
        EXPECT_EQ(after.exitCode, 0) << after.err.toStdString();
    }
}

TEST(MivoPort, UsageErrors) {
    for (const QStringList& args :
         {QStringList{"version"},
          QStringList{"--port", "/dev/null", "--range", "3", "steps", "send", "x.csv"},
          QStringList{"--port", "/dev/null", "--timeout", "x", "errors"}}) {
        EXPECT_EQ(Mivo(args).exitCode, 2) << args.join(' ').toStdString();
    }
}

}  // namespace
}  // namespace mivo
