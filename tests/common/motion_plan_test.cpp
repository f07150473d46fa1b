#include "common/motion_plan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "common/motion_law.h"

namespace mivo {
namespace {

// The move's time in closed form, either side of the trapezoid/triangle boundary (at 100 mm/s
// and 1000 mm/s² it lies at 10 mm), and its distance against time: symmetric, never faster than
// its top speed, all of it at its end.
TEST(MotionLaw, AMoveFromRestToRest) {
    const struct {
        double distance, speed, acceleration, seconds;
    } cases[] = {
        {40, 100, 1000, 0.5},    // d/v + v/A
        {-40, 100, 1000, 0.5},   // the way back takes as long
        {10, 100, 1000, 0.2},    // at the boundary both forms agree
        {2.5, 100, 1000, 0.1},   // 2·√(d/A): it never reaches its top speed
        {0, 100, 1000, 0},       // no move
        {40, 0, 1000, 0},        // no speed: nothing moves
        {100, 200, 2000, 0.6},   // robot 22's X at full rate
        {100, 100, 2000, 1.05},  // the same at rate 50: the acceleration stays
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.distance);
        const MoveProfile m(c.distance, c.speed, c.acceleration);
        EXPECT_NEAR(m.seconds(), c.seconds, 1e-12);
        const double d = c.seconds > 0 ? std::abs(c.distance) : 0;
        EXPECT_EQ(m.covered(-1), 0);
        EXPECT_NEAR(m.covered(m.seconds()), d, 1e-9);
        EXPECT_NEAR(m.covered(m.seconds() / 2), d / 2, 1e-9);
        const int n = m.seconds() > 0 ? 1000 : 0;
        double before = 0;
        for (int i = 1; i <= n; ++i) {
            const double now = m.covered(m.seconds() * i / n);
            EXPECT_GE(now, before - 1e-12);
            EXPECT_LE((now - before) / (m.seconds() / n), c.speed * (1 + 1e-9));
            before = now;
        }
    }
    // Speeding up, it covers v²/(2A) in v/A.
    EXPECT_NEAR(MoveProfile(40, 100, 1000).covered(0.1), 5, 1e-12);
}

TEST(MotionLaw, LimitsAndRatesFromTheirTexts) {
    std::map<int, std::string> p = {{18, "0.2"}, {19, "abc"}, {20, "0"},  {21, "-1"},
                                    {22, "100"}, {23, ""},    {26, "30"}, {27, "1e400"}};
    const MotionLimits l = LimitsFromParameters([&](int n) { return p[n]; });
    EXPECT_EQ(l.accelerationTime, (std::array<double, 4>{0.2, 0.1, 0.1, 0.1}));
    EXPECT_EQ(l.maxSpeed, (std::array<double, 4>{100, 200, 70, 200}));
    EXPECT_EQ(l.acceleration(0), 500);
    EXPECT_EQ(l.linearSpeed, 30);
    EXPECT_EQ(l.arcSpeed, 15);

    const struct {
        const char* pp;
        std::optional<double> rate;
    } rates[] = {{"00", 1.0}, {"50", 0.5}, {"05", 0.05}, {"99", 0.99},
                 {"5", {}},   {"a0", {}},  {"100", {}},  {"", {}}};
    for (const auto& r : rates) EXPECT_EQ(SpeedRate(r.pp), r.rate) << r.pp;
}

// Robot 22's limits: X, Y and R 200 mm/s reached in 0.1 s (2000 mm/s²), Z 70 mm/s (700 mm/s²),
// linear 45 mm/s, arc 15 mm/s.
const MotionLimits kLimits;

double Trapezoid(double d, double v, double a) { return d / v + v / a; }
double Triangle(double d, double a) { return 2 * std::sqrt(d / a); }

// Each point move's phases in order, their time, and where the axes stand between them.
TEST(MotionPlan, PointMovesPhaseByPhase) {
    const double zDown20 = Trapezoid(20, 70, 700);
    const struct {
        const char* name;
        char code;
        AxisPosition from, target;
        double rate, seconds;
        AxisPosition end;
    } cases[] = {
        // clang-format off
        {"0: X and Y together, the longer decides, then Z", '0', {}, {100, 50, 20, 9}, 1,
         Trapezoid(100, 200, 2000) + zDown20, {100, 50, 20, 0}},
        {"0 at half rate: the acceleration stays", '0', {}, {100, 0, 0, 0}, 0.5,
         Trapezoid(100, 100, 2000), {100, 0, 0, 0}},
        {"1: Z to the ZI height first", '1', {0, 0, 50, 0}, {10, 0, 50, 0}, 1,
         2 * zDown20 + Triangle(10, 2000), {10, 0, 50, 0}},
        {"2: Z to 0 first", '2', {0, 0, 20, 0}, {0, 0, 20, 0}, 1, 2 * zDown20, {0, 0, 20, 0}},
        {"3: Z to the ZI height only", '3', {5, 5, 50, 5}, {}, 1, zDown20, {5, 5, 30, 5}},
        {"5: Z up, then X, Y and R home together", '5', {10, 20, 20, 40}, {}, 1,
         zDown20 + Trapezoid(40, 200, 2000), {}},
        {"6: R alone", '6', {1, 2, 3, 0}, {9, 9, 9, 40}, 1, Trapezoid(40, 200, 2000),
         {1, 2, 3, 40}},
        {"8: by the distances given", '8', {10, 10, 0, 0}, {-10, 0, 20, 0}, 1, zDown20,
         {0, 10, 20, 0}},
        {"a move to where it stands takes no time", '7', {1, 2, 3, 4}, {1, 2, 3, 0}, 1, 0,
         {1, 2, 3, 4}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MotionPlan plan(c.from);
        plan.point(c.code, c.target, c.rate, 30, kLimits);
        EXPECT_NEAR(plan.seconds(), c.seconds, 1e-12);
        EXPECT_EQ(plan.end(), c.end);
        EXPECT_EQ(plan.at(plan.seconds()), c.end);
        EXPECT_EQ(plan.at(0), c.from);
    }
    // POI 0: Z waits for X and Y; Y, the shorter, is there before X.
    MotionPlan plan(AxisPosition{});
    plan.point('0', {100, 50, 20, 0}, 1, 30, kLimits);
    const AxisPosition mid = plan.at(0.4);
    EXPECT_EQ(mid[1], 50);
    EXPECT_LT(mid[0], 100);
    EXPECT_EQ(mid[2], 0);
    EXPECT_EQ(plan.at(0.6), (AxisPosition{100, 50, 0, 0}));
}

// A straight line at the linear speed with the slowest moving axis's acceleration, and the
// issue's circle: through its points, along the arc, never off it.
TEST(MotionPlan, LinesAndArcs) {
    MotionPlan line(AxisPosition{});
    line.linear('0', {30, 40, 0, 99}, 1, kLimits);  // R does not move in XYZ
    EXPECT_NEAR(line.seconds(), Trapezoid(50, 45, 2000), 1e-12);
    EXPECT_EQ(line.end(), (AxisPosition{30, 40, 0, 0}));
    const AxisPosition half = line.at(line.seconds() / 2);
    EXPECT_NEAR(half[0], 15, 1e-9);
    EXPECT_NEAR(half[1], 20, 1e-9);
    MotionPlan withZ(AxisPosition{});
    withZ.linear('0', {0, 0, 50, 0}, 1, kLimits);
    EXPECT_NEAR(withZ.seconds(), Trapezoid(50, 45, 700), 1e-12);

    for (const double direction : {1.0, -1.0}) {  // through (125,35), or mirrored through (75,35)
        SCOPED_TRACE(direction);
        MotionPlan arc(AxisPosition{100, 0, 5, 0});
        arc.arc({100, 10, 5, 0}, {100 + 25 * direction, 35, 0, 0}, {100, 60, 0, 0}, 1, kLimits);
        const double approach = Trapezoid(10, 15, 2000);
        const double along = Trapezoid(25 * M_PI, 15, 2000);
        EXPECT_NEAR(arc.seconds(), approach + along, 1e-9);
        EXPECT_EQ(arc.end(), (AxisPosition{100, 60, 5, 0}));
        for (int i = 0; i <= 100; ++i) {
            const AxisPosition p = arc.at(approach + along * i / 100);
            EXPECT_NEAR(std::hypot(p[0] - 100, p[1] - 35), 25, 1e-9);
            EXPECT_GE((p[0] - 100) * direction, -1e-9);
            EXPECT_EQ(p[2], 5);
        }
        const AxisPosition top = arc.at(approach + along / 2);
        EXPECT_NEAR(top[0], 100 + 25 * direction, 1e-9);
        EXPECT_NEAR(top[1], 35, 1e-9);
    }
    // Three points on one line: along it, through the second.
    MotionPlan straight(AxisPosition{});
    straight.arc({0, 0, 0, 0}, {10, 0, 0, 0}, {20, 0, 0, 0}, 1, kLimits);
    EXPECT_NEAR(straight.seconds(), 2 * Trapezoid(10, 15, 2000), 1e-12);
    EXPECT_EQ(straight.end(), (AxisPosition{20, 0, 0, 0}));
}

}  // namespace
}  // namespace mivo
