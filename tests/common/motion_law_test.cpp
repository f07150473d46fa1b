#include "common/motion_law.h"

#include <gtest/gtest.h>

#include <map>

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

}  // namespace
}  // namespace mivo
