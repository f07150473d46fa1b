// `mivo direct run` keeps each run in the run history and `mivo history` lists them, against the
// built `mivo-sim` over its pseudo-terminal: a run killed mid-way loses no run before it.
#include <gtest/gtest.h>
#include <signal.h>

#include <QProcess>

#include "cli/cli_rig.h"
#include "support/temp_dir.h"

namespace mivo::test {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(MivoHistory, EveryRunKeptAndAKilledRunLosesNoneBeforeIt) {
    TempDir dir;
    // The history of this test alone; the programs it starts inherit it.
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(dir.path().string()));
    SimProcess sim;
    WriteBytes(dir / "p.csv", StepFile({"SEQ,405,,,,,,", "END,000,,,,,,"}));
    ASSERT_EQ(sim.mivo({"--yes", "steps", "send", "p.csv"}, dir.path()).exitCode, 0);
    ASSERT_EQ(sim.mivo({"--yes", "direct", "origin"}).exitCode, 0);
    for (int i = 0; i < 2; ++i)
        ASSERT_EQ(sim.mivo({"--yes", "direct", "run", "--time"}).exitCode, 0);

    // Ctrl+C stops the run: kept as STOP.
    QProcess stopped;
    ASSERT_TRUE(sim.startRun(stopped));
    ::kill(pid_t(stopped.processId()), SIGINT);
    ASSERT_TRUE(stopped.waitForFinished(20000));
    // Let the stopped program's robot come to rest before the next run.
    ASSERT_EQ(sim.mivo({"--yes", "direct", "origin"}).exitCode, 0);

    // Killed while the program runs: that run is lost, none before it.
    QProcess killed;
    ASSERT_TRUE(sim.startRun(killed));
    killed.kill();
    ASSERT_TRUE(killed.waitForFinished(20000));

    const MivoRun csv = RunMivo({"history", "--csv"});
    ASSERT_EQ(csv.exitCode, 0) << csv.err;
    const std::vector<std::string> lines = Lines(csv.out);
    ASSERT_EQ(lines.size(), 4u) << csv.out;
    EXPECT_EQ(lines[0],
              "id,start,end,program,result,error,cycle_s,program_hash,robot,versions,host");
    const std::regex end(
        R"(\d+,\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}Z,[^,]+,0,END,,0\.[0-9]{3},,,,mivo)");
    EXPECT_TRUE(std::regex_match(lines[1], end)) << lines[1];
    EXPECT_TRUE(std::regex_match(lines[2], end)) << lines[2];
    EXPECT_TRUE(Contains(lines[3], ",0,STOP,")) << lines[3];

    const MivoRun listed = RunMivo({"history", "--program", "0", "--since", "2000-01-01"});
    EXPECT_EQ(listed.exitCode, 0);
    EXPECT_TRUE(Contains(listed.out, "3 runs, 2 to END: cycle shortest 0.")) << listed.out;
    EXPECT_EQ(RunMivo({"history", "--program", "1"}).out, "0 runs\n");
    const MivoRun bad = RunMivo({"history", "--since", "yesterday"});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(Contains(bad.err, "--since wants a local date")) << bad.err;
}

}  // namespace
}  // namespace mivo::test
