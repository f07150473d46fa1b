// The built `mivo` against the built `mivo-sim` over a pseudo-terminal.
#include <gtest/gtest.h>

#include <QFile>
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
    EXPECT_FALSE(send.err.contains(" of 1000")) << "progress on a pipe";
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
          QStringList{"--port", "/dev/null", "--timeout", "x", "errors"},
          QStringList{"--port", "/dev/null", "params", "init", "15"},
          QStringList{"--port", "/dev/null", "params", "init", "031"},
          QStringList{"--port", "/dev/null", "params", "init", "abc", "x.prm"},
          QStringList{"--port", "/dev/null", "params", "init"},
          QStringList{"--port", "/dev/null", "params", "receive"},
          QStringList{"--port", "/dev/null", "--kind", "parameter", "params", "receive", "x.prm"},
          QStringList{"--port", "/dev/null", "params", "send", "a.prm", "b.prm"}}) {
        EXPECT_EQ(Mivo(args).exitCode, 2) << args.join(' ').toStdString();
    }
}

// The parameter values of a file as `params` writes it: the 44 lines.
std::string ParameterLines(const std::vector<std::string>& values) {
    std::string text;
    for (const auto& v : values) text += v + "\r\n";
    return text;
}

TEST(MivoPort, ParamsSendReceiveAndInit) {
    test::TempDir dir;
    Sim sim({"--version-text", "1.14"});
    ASSERT_FALSE(sim.device.isEmpty());
    std::vector<std::string> values = {
        "22",     "3",     "3",     "",      "1.50",  "",       "180.00", "200.00", "50.00",
        "200.00", "-5.00", "-2.00", "-5.00", "-5.00", "6.00",   "6.00",   "2.00",   "6.00",
        "0.2",    "0.1",   "0.1",   "0.1",   "199.9", "200.00", "70.00",  "200.00", "45.00",
        "15.00",  "5.00",  "30.00", "5.00",  "30.00", "5.00",   "10.00",  "5.00",   "30.00",
        "0.01",   "0.01",  "0.01",  "0.01",  "1",     "3",      "0",      "1"};
    const std::string sent = ParameterLines(values);
    test::WriteBytes(dir / "in.prm", sent);
    const QString port = sim.device;
    const QString log = QString::fromStdString(dir / "send.log");
    MivoRun send = Mivo({"--port", port, "--yes", "--log", log, "params", "send",
                         QString::fromStdString(dir / "in.prm")});
    EXPECT_EQ(send.exitCode, 0) << send.err.toStdString();
    EXPECT_EQ(send.out, "Open: Complete\nParameter send: Parameter sending is completed\n");
    EXPECT_TRUE(send.err.contains("Parameter send: Is parameter sending executed? [y/N] y"));
    const std::string sendLog = test::ReadBytes(dir / "send.log");
    EXPECT_NE(sendLog.find("> @WRITE PRM 22,199.9\n< OK\n"), std::string::npos) << sendLog;
    EXPECT_EQ(sendLog.find("@WRITE PRM 0,"), std::string::npos);

    MivoRun receive = Mivo(
        {"--port", port, "--yes", "params", "receive", QString::fromStdString(dir / "out.csv")});
    EXPECT_EQ(receive.exitCode, 0) << receive.err.toStdString();
    EXPECT_EQ(receive.out, "Parameter receive: Parameter receiving is completed\nSave: Saved\n");
    EXPECT_EQ(test::ReadBytes(dir / "out.csv"), sent);

    // Init: the question answered on standard input; No sends nothing and writes nothing.
    QProcess no;
    no.start(MIVO_CLI_PROGRAM,
             {"--port", port, "params", "init", "31", QString::fromStdString(dir / "init.prm")});
    no.write("n\n");
    no.closeWriteChannel();
    ASSERT_TRUE(no.waitForFinished(30000));
    EXPECT_EQ(no.exitCode(), 1);
    EXPECT_TRUE(no.readAllStandardError().contains(
        "MIVO Editor [init]: Select robot No. to be initialized [y/N]"));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(dir / "init.prm")));

    MivoRun init = Mivo({"--port", port, "--yes", "params", "init", "31",
                         QString::fromStdString(dir / "init.prm")});
    EXPECT_EQ(init.exitCode, 0) << init.err.toStdString();
    const QStringList lines = init.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + 42 + 1);
    EXPECT_EQ(lines.front(), "Parameter initialize: Parameter initialize is completed");
    EXPECT_EQ(lines[1], "0: 31");
    EXPECT_EQ(lines[4], "4: 0.00");  // 3 is skipped
    EXPECT_EQ(lines[5], "6: 100.00");
    EXPECT_EQ(lines[42], "43: 0");
    EXPECT_EQ(lines.back(), "Save: Saved");
    const std::string initFile = test::ReadBytes(dir / "init.prm");
    EXPECT_EQ(initFile.substr(0, 28), "31\r\n3\r\n3\r\n\r\n0.00\r\n\r\n100.00\r\n");

    // An old controller (mivo-sim --version-text 1.03) is not sent parameter 43.
    Sim old({"--version-text", "1.03"});
    ASSERT_FALSE(old.device.isEmpty());
    const QString oldLog = QString::fromStdString(dir / "old.log");
    MivoRun oldSend = Mivo({"--port", old.device, "--yes", "--log", oldLog, "params", "send",
                            QString::fromStdString(dir / "in.prm")});
    EXPECT_EQ(oldSend.exitCode, 0) << oldSend.err.toStdString();
    const std::string oldSent = test::ReadBytes(dir / "old.log");
    EXPECT_NE(oldSent.find("< 1.03\n"), std::string::npos) << oldSent;
    EXPECT_NE(oldSent.find("> @WRITE PRM 42,0\n"), std::string::npos);
    EXPECT_EQ(oldSent.find("@WRITE PRM 43"), std::string::npos);
}

// A receive or an initialisation that does not complete writes no file and leaves one that
// was there as it was.
TEST(MivoPort, ParamsThatFailWriteNothing) {
    test::TempDir dir;
    Sim sim({"--refuse-family", "parameters:45:Parameter No. error"});
    ASSERT_FALSE(sim.device.isEmpty());
    test::WriteBytes(dir / "kept.prm", "old");
    for (const QStringList& command :
         {QStringList{"params", "receive", QString::fromStdString(dir / "kept.prm")},
          QStringList{"params", "receive", QString::fromStdString(dir / "new.prm")},
          QStringList{"params", "init", "20", QString::fromStdString(dir / "kept.prm")}}) {
        SCOPED_TRACE(command.join(' ').toStdString());
        MivoRun r = Mivo(QStringList{"--port", sim.device, "--yes"} + command);
        EXPECT_EQ(r.exitCode, 1) << r.err.toStdString();
        EXPECT_TRUE(r.out.contains("Error display: 45:Parameter No. error")) << r.out.toStdString();
        EXPECT_FALSE(r.out.contains("Save:"));
        EXPECT_FALSE(r.out.contains(": 20"));
    }
    EXPECT_EQ(test::ReadBytes(dir / "kept.prm"), "old");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(dir / "new.prm")));

    // No reply in time counts as an empty reply: the transfer ends without a message of its own.
    Sim silent({"--silent-family", "parameters"});
    ASSERT_FALSE(silent.device.isEmpty());
    MivoRun r = Mivo({"--port", silent.device, "--yes", "--timeout", "0.5", "params", "receive",
                      QString::fromStdString(dir / "new.prm")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("No reply from the controller")) << r.err.toStdString();
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(dir / "new.prm")));
}

// One pallet and one program's offsets sent from their files and received back into new ones;
// receive writes its file only on completion.

}  // namespace
}  // namespace mivo
