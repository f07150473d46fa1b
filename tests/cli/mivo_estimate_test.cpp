// `mivo estimate` against the same program run on the built `mivo-sim` over its pseudo-terminal:
// the estimate is the run's cycle, the run's step times go to a file, and a calibration fitted
// to them estimates another program.
#include <gtest/gtest.h>

#include <regex>

#include "cli/cli_rig.h"
#include "common/step_times.h"
#include "support/temp_dir.h"

namespace mivo::test {
namespace {

// The seconds after `label` in `text`; -1 when it is not there.
double SecondsAfter(const std::string& text, const std::string& label) {
    std::smatch m;
    const std::regex seconds(label + ": ([0-9]+\\.[0-9]+) s\n");
    return std::regex_search(text, m, seconds) ? std::stod(m[1]) : -1;
}

TEST(MivoEstimate, TheEstimateIsTheSimulatorsRunAndItsStepTimesCalibrate) {
    TempDir dir;
    SimProcess sim;
    // Moves in XY then Z, a circle, a line at half speed, a timer, an R move.
    WriteBytes(dir / "a.csv",
               StepFile({"POI,000,100.00,10.00,20.00,0,,", "CIR,000,100.00,10.00,20.00,,,",
                         "CIR,000,125.00,35.00,100.00,60.00,,", "LIN,050,200.00,100.00,30.00,0,,",
                         "SEQ,405,,,,,,", "POI,600,,,,90,,", "POI,000,5.00,8.00,2.00,0,,",
                         "END,000,,,,,,"}));
    WriteBytes(dir / "b.csv", StepFile({"POI,030,250.00,20.00,40.00,0,,",
                                        "LIN,000,10.00,10.00,10.00,0,,", "END,000,,,,,,"}));
    ASSERT_EQ(sim.mivo({"--yes", "steps", "send", "a.csv"}, dir.path()).exitCode, 0);
    ASSERT_EQ(sim.mivo({"--yes", "direct", "origin"}).exitCode, 0);

    // Where the step times go is refused before the robot moves.
    const MivoRun refused =
        sim.mivo({"--yes", "direct", "run", "--steps", "no/such/folder/t.csv"}, dir.path());
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.out.find("@RUN"), std::string::npos) << refused.out;

    const MivoRun run =
        sim.mivo({"--yes", "direct", "run", "--time", "--steps", "t.csv"}, dir.path());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const double measured = SecondsAfter(run.out, "Cycle time");
    const MivoRun estimate = RunMivo({"estimate", "a.csv"}, dir.path());
    const double estimated = SecondsAfter(estimate.out, "Estimated cycle");
    ASSERT_GT(measured, 5);
    // The same law on both sides; the line and the host's own delays come on top of the run.
    EXPECT_NEAR(estimated, measured, 0.03 * measured) << estimate.out << run.out;

    // The step times in the order the steps ran, adding up to the cycle. The END step is shorter
    // than a scan, so whether a scan saw it depends on the machine's load.
    const StepTimesRead times = ReadStepTimes(ReadBytes(dir / "t.csv"));
    ASSERT_EQ(times.problem, "");
    ASSERT_FALSE(times.steps.empty());
    EXPECT_EQ(times.steps.front().step, 0);
    EXPECT_GE(times.steps.back().step, 6);
    for (std::size_t i = 1; i < times.steps.size(); ++i)
        EXPECT_GT(times.steps[i].step, times.steps[i - 1].step) << "visit " << i;
    double sum = 0;
    for (const MeasuredStep& s : times.steps) sum += s.seconds;
    EXPECT_NEAR(sum, measured, 0.02);

    const MivoRun calibrated =
        RunMivo({"estimate", "b.csv", "--calibrate", "a.csv", "t.csv"}, dir.path());
    EXPECT_EQ(calibrated.exitCode, 0) << calibrated.err;
    EXPECT_TRUE(calibrated.out.starts_with("Calibration: acceleration X ")) << calibrated.out;
    EXPECT_GT(SecondsAfter(calibrated.out, "Estimated cycle"), 0);

    WriteBytes(dir / "bad.csv", "step,seconds\n0,x\n");
    const MivoRun bad =
        RunMivo({"estimate", "b.csv", "--calibrate", "a.csv", "bad.csv"}, dir.path());
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.err, "mivo: bad.csv: line 2: '0,x' is no step and its seconds\n");
}

}  // namespace
}  // namespace mivo::test
