// The cycle estimate: each step by the motion law from step 0 to its END, and its calibration
// from a run's step times.
#include "steps/cycle_estimate.h"

#include <gtest/gtest.h>

#include <cmath>

#include "direct/cycle_timing.h"
#include "steps/cycle_calibration.h"

namespace mivo {
namespace {

double Trapezoid(double d, double v, double a) { return d / v + v / a; }

// Each case: the steps (the rest empty), the steps executed in order with their times, and what
// was not counted. Robot 22's limits; the controller's own work is 10 ms a step.
TEST(CycleEstimate, EachStepByTheMotionLawFromStep0ToItsEnd) {
    const double c = 0.010;
    const double xy100 = Trapezoid(100, 200, 2000), z20 = Trapezoid(20, 70, 700);
    const StepRow end{"END", "000"};
    const auto seq = [](const char* op, const char* jump = "") {
        return StepRow{"SEQ", op, "", "", "", "", jump};
    };
    const std::string round = "No END is reached: the program goes round without one";
    const struct Case {
        const char* name;
        std::vector<std::pair<int, StepRow>> rows;
        std::vector<StepEstimate> steps;
        std::vector<std::string> notCounted = {};
        std::string problem = {};
    } cases[] = {
        // clang-format off
        {"a point, then END", {{0, {"POI", "000", "100.00", "50.00", "20.00", "0"}}, {1, end}},
         {{0, xy100 + z20 + c}, {1, c}}},
        {"at half rate the top speeds halve, the accelerations stay",
         {{0, {"POI", "050", "100.00", "0", "0", "0"}}, {1, end}},
         {{0, Trapezoid(100, 100, 2000) + c}, {1, c}}},
        {"a timer of 1.5 s; empty steps are passed by", {{0, seq("415")}, {5, end}},
         {{0, 1.5 + c}, {5, c}}},
        {"a jump is followed, a conditional one not, a wait not counted",
         {{0, seq("800", "3")}, {1, end}, {3, seq("605", "1")}, {4, seq("007")}, {5, end}},
         {{0, c}, {3, c}, {4, c}, {5, c}},
         {"step 3: jumps to step 1 when input 5 is ON: taken as not",
          "step 4: waits for input 7 ON"}},
        {"a call returns after the call",
         {{0, seq("916", "10")}, {1, end}, {10, {"POI", "000", "100", "0", "0", "0"}},
          {11, seq("917")}},
         {{0, c}, {10, xy100 + c}, {11, c}, {1, c}}},
        {"a circle takes both its rows",
         {{0, {"CIR", "000", "0", "10", "0", ""}}, {1, {"CIR", "000", "25", "35", "0", "60"}},
          {2, end}},
         {{0, Trapezoid(10, 15, 2000) + Trapezoid(25 * M_PI, 15, 2000) + c}, {2, c}}},
        {"a pallet without points", {{0, {"PAL", "003"}}, {1, end}}, {{0, c}, {1, c}},
         {"step 0: pallet 3 has no points: its move is not counted"}},
        {"no END", {{0, seq("410")}}, {{0, 1 + c}}, {}, "No END is reached from step 0"},
        {"round without END", {{0, seq("800", "0")}}, {}, {}, round},
        {"round through a call and back",
         {{0, seq("916", "5")}, {1, seq("800", "0")}, {5, seq("917")}}, {}, {}, round},
        {"a call that calls itself", {{0, seq("916", "0")}}, {}, {},
         "No END is reached: the program calls deeper and deeper"},
        {"a jump to no step", {{0, seq("800", "x")}}, {}, {},
         "step 0 jumps to 'x', which is no step"},
        // clang-format on
    };
    EstimateSetting setting;
    setting.palletPoint = [](int) { return std::nullopt; };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        StepTable table;
        for (const auto& [step, row] : k.rows) table[step] = row;
        const CycleEstimate e = EstimateCycle(table, setting);
        EXPECT_EQ(e.problem, k.problem);
        EXPECT_EQ(e.notCounted, k.notCounted);
        if (!k.problem.empty() && k.steps.empty()) continue;
        ASSERT_EQ(e.steps.size(), k.steps.size());
        double total = 0;
        for (std::size_t i = 0; i < k.steps.size(); ++i) {
            EXPECT_EQ(e.steps[i].step, k.steps[i].step) << i;
            EXPECT_NEAR(e.steps[i].seconds, k.steps[i].seconds, 1e-9) << i;
            total += k.steps[i].seconds;
        }
        EXPECT_NEAR(e.seconds, total, 1e-9);
    }
}

// A program of `moves` point moves to places a fixed sequence picks (one axis, two, all; short
// moves that never reach top speed and long ones that do; rates 100, 50 and 30 %), a line and
// a circle, a timer, then END.
StepTable Program(int moves, unsigned seed) {
    StepTable table;
    unsigned n = seed;
    const auto next = [&n](int range) {
        n = n * 1103515245u + 12345u;
        return static_cast<int>((n >> 8) % static_cast<unsigned>(range));
    };
    const char* const rates[] = {"000", "050", "030"};
    double x = 0, y = 0, z = 0;
    int s = 0;
    for (int i = 0; i < moves; ++i) {
        const int kind = i % 5;
        const double far = next(2) ? 1 + next(9) : 20 + next(250);
        if (kind == 0 || kind == 2) x = std::fmod(x + far, 300);
        if (kind == 1 || kind == 2) y = std::fmod(y + far * 0.7, 300);
        if (kind == 3) z = next(2) ? 2 + next(5) : 10 + next(40);
        if (kind == 4) {
            table[s++] = {{"POI", std::string("6") + rates[i % 3][1] + rates[i % 3][2], "", "", "",
                           std::to_string(next(2) ? 3 + next(5) : 30 + next(150))}};
            continue;
        }
        table[s++] = {
            {"POI", rates[i % 3], std::to_string(x), std::to_string(y), std::to_string(z), ""}};
    }
    table[s++] = {{"LIN", "000", "10", "20", "5", ""}};
    table[s++] = {{"CIR", "000", "10", "40", "5", ""}};
    table[s++] = {{"CIR", "000", "30", "60", "10", "40"}};
    table[s++] = {{"SEQ", "403"}};
    table[s] = {{"END", "000"}};
    return table;
}

// The step times of a run of `program` by `setting` as the monitor would have seen them: a scan
// every `scan` seconds (from `phase`) reads the step number, and the monitor's own timing turns
// the numbers into step times. `scan` 0: every step's own time.
std::vector<MeasuredStep> RunSeen(const StepTable& program, const EstimateSetting& setting,
                                  double scan, double phase) {
    const CycleEstimate run = EstimateCycle(program, setting);
    std::vector<MeasuredStep> out;
    if (scan == 0) {
        for (const StepEstimate& e : run.steps) out.push_back({e.step, e.seconds});
        return out;
    }
    double now = 0;
    CycleTiming timing([&now] { return static_cast<std::int64_t>(std::llround(now * 1000)); });
    timing.runStarted();
    double begins = 0;
    std::size_t i = 0;
    for (now = phase; now < run.seconds; now += scan) {
        while (begins + run.steps[i].seconds <= now) begins += run.steps[i++].seconds;
        timing.stepSeen(std::to_string(run.steps[i].step));
    }
    now = run.seconds;
    timing.runEnded();
    return timing.lastStepTimes();
}

// A robot whose accelerations and own work differ from its parameters': calibrated on one
// program's run, the estimate of another program is that robot's own cycle, within 1 % from
// exact step times and within 3 % from the coarse ones the monitor measures.
TEST(CycleCalibration, FittedOnOneRunTheEstimateOfAnotherIsTheRobots) {
    EstimateSetting book;  // what the parameters say
    Calibration truth;
    truth.accelerationScale = {0.3, 0.6, 0.4, 1.5};
    truth.stepWork = 0.04;
    EstimateSetting robot = book;
    robot.limits = Calibrated(book.limits, truth);
    const StepTable a = Program(60, 7), b = Program(40, 99);
    const double bTrue = EstimateCycle(b, robot).seconds;
    ASSERT_GT(std::abs(EstimateCycle(b, book).seconds - bTrue) / bTrue, 0.05);

    // The monitor's scan (0: exact step times), its phase, the estimate's tolerance.
    const std::tuple<const char*, double, double, double> cases[] = {
        {"every step's own time", 0, 0, 0.01},
        {"a monitor scan of 0.35 s", 0.35, 0.11, 0.03},
        {"the same, scans falling elsewhere", 0.35, 0.29, 0.03}};
    for (const auto& [name, scan, phase, within] : cases) {
        SCOPED_TRACE(name);
        const CalibrationFit fit = Calibrate(a, book, RunSeen(a, robot, scan, phase));
        ASSERT_EQ(fit.problem, "");
        EstimateSetting calibrated = book;
        calibrated.limits = Calibrated(book.limits, fit.calibration);
        EXPECT_NEAR(EstimateCycle(b, calibrated).seconds / bTrue, 1, within);
        if (scan > 0) continue;
        // Exact times give the robot's own values back.
        for (int axis = 0; axis < 4; ++axis) {
            EXPECT_TRUE(fit.calibration.fitted[axis]) << axis;
            EXPECT_NEAR(fit.calibration.accelerationScale[axis], truth.accelerationScale[axis],
                        1e-3)
                << axis;
        }
        EXPECT_NEAR(fit.calibration.stepWork, truth.stepWork, 1e-4);
        EXPECT_LT(fit.calibration.residual, 1e-4);
    }
}

// What cannot be fitted says so, and a wait's time is left out of the fit.
TEST(CycleCalibration, WaitsLeftOutAndTooLittleRefused) {
    StepTable table;
    table[0] = {{"POI", "000", "100", "0", "0", ""}};
    table[1] = {{"SEQ", "003"}};  // waits for input 3
    table[2] = {{"POI", "000", "0", "100", "0", ""}};
    table[3] = {{"POI", "000", "50", "50", "0", ""}};
    table[4] = {{"END", "000"}};
    EstimateSetting book;
    const std::vector<MeasuredStep> times = RunSeen(table, book, 0, 0);
    std::vector<MeasuredStep> waited = times;
    waited[1].seconds += 7;  // the input came late
    const CalibrationFit fit = Calibrate(table, book, waited);
    ASSERT_EQ(fit.problem, "");
    EXPECT_EQ(fit.calibration.rows, 4);
    EXPECT_LT(fit.calibration.residual, 1e-4);
    EXPECT_FALSE(fit.calibration.fitted[2]);  // Z never moved
    EXPECT_DOUBLE_EQ(fit.calibration.accelerationScale[2], 1);

    // A run that went another way: the rows after it do not count.
    const CalibrationFit other = Calibrate(table, book, {{0, 1}, {7, 1}, {2, 1}, {3, 1}});
    EXPECT_EQ(other.problem,
              "Too few measured steps follow the program's run from step 0 to fit it: 0");
}

}  // namespace
}  // namespace mivo
