// The simulated controller moves by the motion law: a point move, then a circle along its arc,
// and the run's END comes after every step's time and the controller's own work on each, END's
// included.
#include <gtest/gtest.h>

#include <cmath>

#include "sim/sim_controller.h"

namespace mivo {
namespace {

double Trapezoid(double d, double v, double a) { return d / v + v / a; }

TEST(SimMoves, ARunMovesByTheMotionLawAndAlongItsArc) {
    SimController sim;
    sim.motion.originState = 1;
    auto& p = sim.steps.programs[0];
    p[0] = "POI 000,100,10,0,0";
    p[1] = "CIR 000,100,10,0";
    p[2] = "CIR 000,125,35,100,60";
    p[3] = "END 000";
    sim.receive("@RUN");
    const auto at = [&](double seconds) {
        sim.clock().advanceTo(SimMotion::Seconds(seconds));
        return sim.motion.position();
    };
    const double c = 0.010;
    const double point = Trapezoid(100, 200, 2000);  // X decides; Y's 10 mm is sooner there
    const double arc = Trapezoid(25 * M_PI, 15, 2000);
    // The moves' own shapes are the motion plan's test; here the steps become those moves, one
    // after the other with the controller's work between them.
    EXPECT_NEAR(at(point / 2)[0], 50, 1e-6);
    const SimMotion::Position halfWay = at(point + c + arc / 2);  // the far side of the arc
    EXPECT_NEAR(halfWay[0], 125, 1e-3);
    EXPECT_NEAR(halfWay[1], 35, 1e-3);
    // "OK", "OK" at once; "END" after the four steps' work.
    std::vector<std::string> replies;
    at(point + arc + 3 * c - 0.001);
    while (sim.hasReply()) replies.push_back(sim.takeReply());
    EXPECT_EQ(replies, (std::vector<std::string>{"OK", "OK"}));
    at(point + arc + 3 * c + 0.001);
    EXPECT_TRUE(sim.hasReply() && sim.takeReply() == "END");
    EXPECT_EQ(sim.motion.position(), (SimMotion::Position{100, 60, 0, 0}));
}

}  // namespace
}  // namespace mivo
