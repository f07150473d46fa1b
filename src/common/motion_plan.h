#pragma once
// One step's motion under the motion law (common/motion_law), phase by phase: which axes move
// together to where, how long each phase takes, and where the axes stand at any moment of it.
// The simulated controller moves by it and the cycle estimate counts it. Plain C++.
//
// What each step does:
//   POI 0  X and Y together (each axis its own move, the longer decides), then Z
//   POI 1  Z up to the ZI height (the virtual origin point, parameter 4), then as POI 0
//   POI 2  Z up to 0, then as POI 0
//   POI 3  Z to the ZI height only; POI 4  Z to 0 only
//   POI 5  Z up to 0, then X, Y and R together to 0
//   POI 6  R only
//   POI 7  X, Y and Z together; POI 8 the same by the distances given
//   LIN 0  along the straight line in XYZ at the linear speed, with the smallest acceleration
//          of the axes that move; LIN 4 the same in XYR
//   CIR    along a straight line to the circle's start, then along the arc through its second
//          point to its third, both at the arc speed with the smaller acceleration of X and Y
//   GO     (the direct screen's moves to a step's or a pallet's point) all four axes together
// A point move's axes move at the step's rate times their maximum speed; an interpolated move at
// its rate times the linear or arc speed.
#include <array>
#include <vector>

#include "common/motion_law.h"

namespace mivo {

using AxisPosition = std::array<double, MotionLimits::kAxes>;  // X, Y, Z, R

class MotionPlan {
  public:
    // A plan that goes nowhere, standing at `at`.
    explicit MotionPlan(const AxisPosition& at) : end_(at) {}

    // POI `code` ('0'..'8') from where the plan ends to `target` (for '8', the distances in
    // X, Y and Z; for '6', R alone counts); `ziHeight`: the virtual origin point.
    void point(char code, const AxisPosition& target, double rate, double ziHeight,
               const MotionLimits& limits);
    // All four axes together to `target` (a GO move).
    void together(const AxisPosition& target, double rate, const MotionLimits& limits);
    // LIN `code` ('0' XYZ, '4' XYR) to `target`.
    void linear(char code, const AxisPosition& target, double rate, const MotionLimits& limits);
    // CIR: to `start`, then along the arc through `via` to `end` (X and Y of `via` and `end`
    // count; Z stays at the start's).
    void arc(const AxisPosition& start, const AxisPosition& via, const AxisPosition& end,
             double rate, const MotionLimits& limits);

    double seconds() const;
    const AxisPosition& end() const { return end_; }
    // Where the axes stand `t` seconds after the plan's start.
    AxisPosition at(double t) const;

  private:
    struct Phase {
        enum class Kind { Axes, Line, Arc } kind = Kind::Axes;
        AxisPosition from{}, to{};
        std::vector<MoveProfile> axes;  // Axes: one per axis
        MoveProfile path{0, 0, 0};      // Line, Arc: along the way
        double length = 0;              // Line, Arc: the way's length
        double centreX = 0, centreY = 0, radius = 0, startAngle = 0, sweep = 0;  // Arc
        double seconds = 0;
        AxisPosition at(double t) const;
    };
    // The axes in `moving` to `target` together, at `rate` of their maximum speeds.
    void axes(const std::array<bool, MotionLimits::kAxes>& moving, const AxisPosition& target,
              double rate, const MotionLimits& limits);
    void line(const AxisPosition& target, double speed, const MotionLimits& limits);

    std::vector<Phase> phases_;
    AxisPosition end_;
};

}  // namespace mivo
