// The path preview's geometry: what each step draws, which step a click finds, and what of a
// monitor scan the trace of a run draws.
#include "steps/path_geometry.h"

#include <gtest/gtest.h>

#include "steps/path_trace.h"

namespace mivo {
namespace {

// Moves from where the previous step left the robot: absolute, relative, linear and the return
// to origin; steps that move no XY draw nothing; a jump goes from its step's place to its
// target's.
TEST(PathGeometry, WhatEachStepDraws) {
    StepTable t;
    t[0] = {"POI", "000", "10", "20", "5"};
    t[1] = {"poi", "800", "5", "-5", "0"};  // relative
    t[2] = {"LIN", "000", "30", "30", "1"};
    t[3] = {"POI", "300"};  // Z only
    t[4] = {"SEQ", "800", "", "", "", "", "1"};
    t[5] = {"POI", "500"};                 // back to origin
    t[6] = {"POI", "000", "x", "1", "1"};  // no number: left out
    const PathPicture p = BuildPath(t, std::nullopt);
    ASSERT_EQ(p.moves.size(), 4u);
    EXPECT_EQ(p.moves[0].to, (PathPoint{10, 20}));
    EXPECT_EQ(p.moves[1].from, (PathPoint{10, 20}));
    EXPECT_EQ(p.moves[1].to, (PathPoint{15, 15}));
    EXPECT_TRUE(p.moves[2].linear);
    EXPECT_EQ(p.moves[3].to, (PathPoint{0, 0}));
    ASSERT_EQ(p.jumps.size(), 1u);
    EXPECT_EQ(p.jumps[0].from, (PathPoint{30, 30}));
    EXPECT_EQ(p.jumps[0].to, (PathPoint{15, 15}));
    EXPECT_EQ(p.bounds->first, (PathPoint{0, 0}));
    EXPECT_EQ(p.bounds->second, (PathPoint{30, 30}));
    EXPECT_EQ(StepNear(p, {14, 16}, 2), 1);
    EXPECT_EQ(StepNear(p, {20, 0}, 2), -1);
}

// A circle is an arc through its three points, turning the way its middle point lies; three
// points on a line are a straight piece. A pallet move draws the pallet editor's grid when it
// names that pallet, and the path goes through its first point.
TEST(PathGeometry, CirclesAndPallets) {
    const auto ccw = ArcThrough({10, 0}, {0, 10}, {-10, 0});
    ASSERT_TRUE(ccw);
    EXPECT_NEAR(ccw->centre.x, 0, 1e-9);
    EXPECT_NEAR(ccw->radius, 10, 1e-9);
    EXPECT_NEAR(ccw->startDegrees, 0, 1e-9);
    EXPECT_NEAR(ccw->spanDegrees, 180, 1e-9);
    EXPECT_NEAR(ArcThrough({10, 0}, {0, -10}, {-10, 0})->spanDegrees, -180, 1e-9);
    EXPECT_NEAR(ArcThrough({10, 0}, {0, 10}, {0, -10})->spanDegrees, 270, 1e-9);
    EXPECT_FALSE(ArcThrough({0, 0}, {1, 1}, {2, 2}));

    StepTable t;
    t[0] = {"CIR", "100", "10", "0", "5"};
    t[1] = {"CIR", "100", "0", "10", "-10", "0"};
    t[2] = {"PAL", "003"};
    t[3] = {"PAL", "004"};
    t[4] = {"POI", "000", "5", "5", "0"};
    const PalletGrid pallet{3, {2, 0}, {22, 0}, {2, 10}, 3, 2};
    const PathPicture p = BuildPath(t, pallet);
    ASSERT_EQ(p.arcs.size(), 1u);
    EXPECT_EQ(p.arcs[0].end, (PathPoint{-10, 0}));
    ASSERT_EQ(p.palletPoints.size(), 6u);
    EXPECT_EQ(p.palletPoints[4].at, (PathPoint{12, 10}));
    EXPECT_EQ(p.palletPoints[4].step, 2);
    ASSERT_EQ(p.moves.size(), 3u);
    EXPECT_EQ(p.moves[1].step, 2);
    EXPECT_EQ(p.moves[1].from, (PathPoint{-10, 0}));
    EXPECT_EQ(p.moves[2].from, (PathPoint{2, 0}));
    EXPECT_EQ(StepNear(p, {2, 0}, 1), 2);
}

// The robot's marker only from two positions that fit a number's shape, the running step only
// from a step number's: anything else draws nothing rather than a guess.
TEST(PathGeometry, TraceOfAScanTakesOnlyValuesThatFit) {
    // The scan's X, Y and step, the marker drawn and the running step (-1: none).
    using Row = std::tuple<const char*, std::string, std::string, std::string,
                           std::optional<PathPoint>, int>;
    const Row rows[] = {
        {"values", "100.00", "-5.50", "12", PathPoint{100, -5.5}, 12},
        {"padded", " 0.00", "3 ", "000", PathPoint{0, 3}, 0},
        {"X noise", "abc", "20.00", "1", std::nullopt, 1},
        {"Y missing", "1.00", "", "999", std::nullopt, 999},
        {"exponent", "1e3", "1.00", "1", std::nullopt, 1},
        {"over-long", "1.00", "0000000000001", "1", std::nullopt, 1},
        {"step noise", "1.00", "2.00", "1a", PathPoint{1, 2}, -1},
        {"step too long", "1.00", "2.00", "1000", PathPoint{1, 2}, -1},
        {"step signed", "1.00", "2.00", "-1", PathPoint{1, 2}, -1},
    };
    for (const auto& [name, x, y, step, robot, running] : rows) {
        const RunTrace trace = TraceOfScan(x, y, step);
        EXPECT_EQ(trace.robot, robot) << name;
        EXPECT_EQ(trace.step, running) << name;
    }
}

}  // namespace
}  // namespace mivo
