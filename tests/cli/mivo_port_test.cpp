// The built `mivo` against the built `mivo-sim` over a pseudo-terminal.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>

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
    EXPECT_FALSE(send.err.contains(" of 1000")) << "progress on a pipe";
    MivoRun receive =
        Mivo({"--port", port, "--yes", "steps", "receive", QString::fromStdString(out)});
    EXPECT_EQ(receive.exitCode, 0) << receive.err.toStdString();
    EXPECT_TRUE(receive.out.contains("Step receive: Step receiving is completed"));
    EXPECT_EQ(test::ReadBytes(out), original);
}

TEST(MivoPort, DeclinedSendSaysNothingWasDone) {
    test::TempDir dir;
    Sim sim({});
    ASSERT_FALSE(sim.device.isEmpty());
    std::string empty;
    for (int s = 0; s < 1000; ++s) empty += ",,,,,,,\r\n";
    test::WriteBytes(dir / "in.stp", empty);
    MivoRun r =
        Mivo({"--port", sim.device, "steps", "send", QString::fromStdString(dir / "in.stp")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.endsWith("\nmivo: answered No: nothing was done\n")) << r.err.toStdString();
}

TEST(MivoPort, SilentControllerTimesOut) {
    Sim sim({"--silent"});
    ASSERT_FALSE(sim.device.isEmpty());
    MivoRun r = Mivo({"--port", sim.device, "--timeout", "0.5", "version"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("No reply from the controller")) << r.err.toStdString();
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
