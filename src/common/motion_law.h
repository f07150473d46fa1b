#pragma once
// How the robot moves, as the simulated controller moves it and the cycle estimate counts it:
// every move starts and ends at rest, speeds up at its axis's acceleration to its top speed,
// runs at it, and slows down the same way (a trapezoid in time; a triangle when the move is too
// short to reach its top speed). Plain C++.
#include <array>
#include <functional>
#include <optional>
#include <string>

namespace mivo {

// One move of `distance` (mm, its sign ignored) at top speed `speed` (mm/s) and acceleration
// `acceleration` (mm/s²), from rest to rest.
class MoveProfile {
  public:
    MoveProfile(double distance, double speed, double acceleration);

    // Its time: d/v + v/A when d ≥ v²/A, else 2·√(d/A); 0 for no distance (or no speed).
    double seconds() const { return seconds_; }
    // The distance covered `t` seconds after its start (0 before, all of it after).
    double covered(double t) const;

  private:
    double distance_, speed_, acceleration_;
    double ramp_ = 0;  // the time speeding up (and slowing down)
    double seconds_ = 0;
};

// The limits the parameters set: per axis (X, Y, Z, R) the acceleration time (seconds to reach
// the maximum speed, parameters 18..21) and the maximum speed (mm/s, 22..25); the linear and
// arc interpolation speeds (26, 27); and the controller's own work for each step it executes.
struct MotionLimits {
    static constexpr int kAxes = 4;
    std::array<double, kAxes> accelerationTime{0.1, 0.1, 0.1, 0.1};
    std::array<double, kAxes> maxSpeed{200, 200, 70, 200};
    double linearSpeed = 45;
    double arcSpeed = 15;
    double stepWork = 0.010;  // seconds

    // The acceleration of `axis`: its maximum speed over its acceleration time, the same at
    // every speed rate.
    double acceleration(int axis) const { return maxSpeed[axis] / accelerationTime[axis]; }
};

// The limits from parameter texts (`parameter(n)` gives the value of parameter n): a value
// that is no positive number keeps the default above.
MotionLimits LimitsFromParameters(const std::function<std::string(int)>& parameter);

// A step's speed rate from its two rate digits "PP": PP / 100, "00" meaning all of it; none
// when they are no two digits.
std::optional<double> SpeedRate(const std::string& pp);

}  // namespace mivo
