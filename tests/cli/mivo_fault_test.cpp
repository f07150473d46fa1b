// The built `mivo` against the built `mivo-sim`: stop signals at any moment, reports that cannot
// be written, a line cut under a motion, and a hangup of the simulator itself.
#include <gtest/gtest.h>
#include <signal.h>

#include <QProcess>
#include <QStringList>
#include <QTest>
#include <regex>
#include <sstream>

#include "cli/cli_rig.h"
#include "support/temp_dir.h"

namespace mivo::test {
namespace {

// A stop signal, a report that cannot be written (the reader gone, the output full) or a line cut
// under a motion: a motion that went out is stopped with "@STOP" (once more when it is not
// answered, and then said), nothing more goes out, and the command ends with status 1.
TEST(MivoFault, AStopSignalStopsAMotionOnceAndSendsNothingMore) {
    struct Case {
        const char* name;
        QStringList command;
        int signal;    // 0: none
        bool afterOk;  // counted from "@RUN" answered "OK", else from the start
        int afterMs;
        std::string outEnd = "";  // how standard output ends
        const char* output = "";  // "full": /dev/full; "head": read by `head -n 4`
        std::string err = "stopped by a signal";
        int stops = 1;             // "@STOP"s sent at most
        QStringList simOptions{};  // (then no program is sent first)
        int againMs = 0;           // a second signal this long after the first
        bool duringRun = false;    // a program runs, started by a mivo that was killed
        bool homed = true;         // a jog finds the robot at origin
    };
    const std::string unconfirmed = "The robot may still be moving";
    const QStringList held{"jog", "X+", "--mode", "3", "--hold", "30"};
    // clang-format off
    const Case cases[] = {
        {"SIGHUP early in run", {"run"}, SIGHUP, false, 50},
        {"Ctrl+C early in origin", {"origin"}, SIGINT, false, 100},
        {"SIGTERM early in go", {"go", "0"}, SIGTERM, false, 50},
        {"Ctrl+C while it runs", {"run"}, SIGINT, true, 0},
        {"SIGTERM in the timer, at X 100", {"run"}, SIGTERM, true, 700, "@RUN\nOK\nOK\n@STOP\nSTOP\n41:Stopped\n@?POS 1\n100.00\nOK\n@?POS 2\n0.00\nOK\n@?POS 3\n0.00\nOK\n@?POS 4\n0.00\nOK\nX Position: 100.00\nY Position: 0.00\nZ Position: 0.00\nR Position: 0.00\n"},
        {"Ctrl+C while a jog is held", held, SIGINT, false, 500, "X Position: "},
        {"the reader gone while a jog is held", {"jog", "X+", "--mode", "2", "--hold", "2"}, 0, false, 0, "@X2+\n", "head", "Broken pipe"},
        {"standard output full, a jog held", held, 0, false, 0, "", "full", "No space left on device"},
        {"standard output full, run", {"run"}, 0, false, 0, "", "full", "No space left on device"},
        {"the line cut while a jog is held", {"--timeout", "0.3", "jog", "X+", "--mode", "3", "--hold", "1"}, 0, false, 0, "", "", unconfirmed, 2, {"--silent-after", "3"}},
        {"a second Ctrl+C while the stop waits", held, SIGINT, false, 500, "", "", unconfirmed, 1, {"--silent-after", "3"}, 300},
        {"a jog refused while a program runs", {"jog", "X+", "--mode", "3", "--hold", "1"}, 0, false, 0, "", "", "did not complete", 0, {}, 0, true},
        {"Ctrl+C while a jog's press returns to origin", held, SIGINT, false, 300, "", "", "stopped by a signal", 1, {}, 0, false, false},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        SimProcess sim(c.simOptions);
        // A move to X 100, a ten-second timer, END.
        WriteBytes(dir / "long.csv",
                   StepFile({"POI,000,100,0,0,0,,", "SEQ,400,,,,,,", "END,000,,,,,,"}));
        const QStringList send{"--yes", "--range", "0-2", "steps", "send", "long.csv"};
        if (c.simOptions.isEmpty()) {
            ASSERT_EQ(sim.mivo(send, dir.path()).exitCode, 0);
        }
        if (c.command.contains("jog") && c.homed) {
            ASSERT_EQ(sim.mivo({"--yes", "direct", "origin"}).exitCode, 0);
        }
        if (c.duringRun) {
            QProcess run;
            ASSERT_TRUE(sim.startRun(run));
            run.kill();
            ASSERT_TRUE(run.waitForFinished(10000));
            // The simulator gives the line back a moment after its peer was killed.
            const auto answers = [&] { return sim.mivo({"direct", "sno"}).exitCode == 0; };
            ASSERT_TRUE(QTest::qWaitFor(answers, 5000));
        }

        QProcess p;
        p.setWorkingDirectory(QString::fromStdString(dir.path().string()));
        // Started with the stop signals blocked, so that one sent before mivo watches for them
        // waits for it instead of killing it however slowly it starts (a sanitizer build).
        p.setChildProcessModifier([] {
            sigset_t stops;
            ::sigemptyset(&stops);
            for (int s : {SIGINT, SIGTERM, SIGHUP}) ::sigaddset(&stops, s);
            ::sigprocmask(SIG_BLOCK, &stops, nullptr);
        });
        const QStringList args =
            QStringList{"--port", sim.device, "--yes", "--log", "log", "direct"} + c.command;
        if (std::string(c.output) == "full") p.setStandardOutputFile("/dev/full");
        if (std::string(c.output) == "head")
            p.start("bash", QStringList{"-c", R"(set -o pipefail; "$0" "$@" | head -n 4)",
                                        MIVO_CLI_PROGRAM} +
                                args);
        else
            p.start(MIVO_CLI_PROGRAM, args);
        p.closeWriteChannel();
        ASSERT_TRUE(p.waitForStarted());
        if (c.afterOk) {
            ASSERT_TRUE(RunAnswered(p));
        }
        if (c.signal) {
            QTest::qWait(c.afterMs);
            ::kill(static_cast<pid_t>(p.processId()), c.signal);
        }
        if (c.againMs) {
            QTest::qWait(c.againMs);
            ::kill(static_cast<pid_t>(p.processId()), c.signal);
        }
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), 1);
        const std::string out = p.readAllStandardOutput().toStdString();
        const std::string err = p.readAllStandardError().toStdString();
        EXPECT_TRUE(Contains(err, c.err)) << err;
        if (c.simOptions.isEmpty()) {
            EXPECT_FALSE(Contains(err, "did not answer")) << err;
        }
        EXPECT_FALSE(Contains(out, "END")) << out;
        EXPECT_TRUE(Contains(out, c.outEnd)) << out;
        // The command lines the log shows, and whether a motion went out that was not refused.
        std::vector<std::string> sent;
        std::string motion;  // sent, its reply still to come
        bool moved = false;
        std::istringstream log(Unstamped(ReadBytes(dir / "log")));
        const std::vector<std::string> motions{"@RUN", "@ORG", "@GO 0", "@X3+", "@X2+"};
        for (std::string line; std::getline(log, line);) {
            if (line.starts_with("< ") && !motion.empty()) moved = moved || line != "< NG";
            if (line.starts_with("< ")) motion.clear();
            if (!line.starts_with("> ")) continue;
            moved = moved || !motion.empty();
            sent.push_back(line.substr(2));
            motion = std::ranges::find(motions, sent.back()) != motions.end() ? sent.back() : "";
        }
        moved = moved || !motion.empty();
        // "@STOP" (once more when unanswered), and after it only the positions it reads.
        const auto stop = std::find(sent.begin(), sent.end(), "@STOP");
        EXPECT_LE(std::count(sent.begin(), sent.end(), "@STOP"), c.stops);
        for (auto after = stop; after != sent.end() && ++after != sent.end();)
            EXPECT_TRUE(after->rfind("@?POS ", 0) == 0 || *after == "@STOP") << *after;
        // Once a motion went out, the robot was stopped.
        if (moved) {
            EXPECT_NE(stop, sent.end());
        }
        // The controller stands still and answers the next command.
        if (c.simOptions.isEmpty()) {
            EXPECT_EQ(sim.mivo({"direct", "sno"}).exitCode, 0);
        }
    }
}

// `direct monitor` ends well by its cycles (or a stop signal) only. A line lost or silent, a query
// refused, a reply that is no value: status 1, said at once, naming the query; nothing from the
// line reaches the terminal unescaped. `direct run` ends well at the program's "END", with
// `--time` followed by its cycle time.
TEST(MivoFault, AMonitorEndsWellByItsCyclesOnlyARunAtItsEnd) {
    struct Case {
        const char* name;
        QStringList simOptions;
        QStringList args;
        int exitCode;
        std::string said = "";  // on standard output or error
    };
    // clang-format off
    const Case cases[] = {
        {"its cycles", {}, {"direct", "monitor", "--cycles", "2"}, 0},
        {"the line drops", {"--hangup-after", "40"}, {"direct", "monitor"}, 1, "failed"},
        {"the line drops before its cycles", {"--hangup-after", "40"}, {"direct", "monitor", "--cycles", "5"}, 1, "failed"},
        {"silent positions", {"--silent-family", "motion"}, {"--timeout", "0.3", "direct", "monitor"}, 1, "did not answer within 0.3 s"},
        {"refused", {"--refuse-family", "io:15:In operation"}, {"direct", "monitor"}, 1, "Error display: 15:In operation"},
        {"noise with ESC and BEL before each reply", {"--noise-before", "--noise", "5\x1B[2J\a"}, {"direct", "monitor", "--cycles", "3"}, 1, "reply for @?DO 0 is no value it can hold: '5\\x1B[2J\\x07'"},
        {"a run", {}, {"--yes", "direct", "run"}, 0, "@RUN\nOK\nOK\nEND\n"},
        {"a run timed", {}, {"--yes", "direct", "run", "--time"}, 0, "@RUN\nOK\nOK\nEND\nCycle time: "},
        {"--time is for a run", {}, {"direct", "monitor", "--time"}, 2, "--time is not for direct monitor"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimProcess sim(c.simOptions);
        const MivoRun r = sim.mivo(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
        EXPECT_TRUE(Contains(r.out + r.err, c.said)) << r.out << r.err;
        EXPECT_FALSE(Contains(r.err, c.exitCode == 0 ? "did not" : "did not answer within 10"));
        EXPECT_EQ((r.out + r.err).find_first_of("\x1B\a"), std::string::npos);
        // The cycle time, seconds with two decimals, only when asked for.
        const std::regex timed("\nEND\nCycle time: [0-9]+\\.[0-9]{2} s\n");
        EXPECT_EQ(std::regex_search(r.out, timed), c.exitCode == 0 && c.args.contains("--time"))
            << r.out;
        EXPECT_EQ(Contains(r.out, "Cycle time"), c.exitCode == 0 && c.args.contains("--time"));
    }
}

TEST(MivoFault, TheSimulatorEndsInOrderOnAHangup) {
    SimProcess sim;
    ::kill(static_cast<pid_t>(sim.process.processId()), SIGHUP);
    ASSERT_TRUE(sim.process.waitForFinished(10000));
    EXPECT_EQ(sim.process.exitStatus(), QProcess::NormalExit);
}

}  // namespace
}  // namespace mivo::test
