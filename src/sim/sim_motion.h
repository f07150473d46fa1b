#pragma once
// The simulated controller's axes: origin state, where the axes are, and the one operation
// under way (an origin return, a jog, or a program run, single step or GO move that SimRuns
// drives) that "@STOP" and "@MSTOP" end. An operation goes on through events on the clock:
// each is the one pending event, so ending the operation is cancelling it and halting the axes
// where they have got to. Jogging is here too (sim_jog.cpp).
#include <array>
#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "common/motion_plan.h"
#include "sim/sim_clock.h"

namespace mivo {

class SimCore;
class SimParameters;

class SimMotion {
  public:
    static constexpr int kAxes = 4;  // X, Y, Z, R
    using Position = std::array<double, kAxes>;
    using Duration = SimClock::Duration;
    static constexpr double kSpeedIfUnset = 100.0;  // mm/s, when a speed parameter is no number

    enum class Activity { Idle, Origin, Program, Step, Move, Jog };

    // How long an origin return takes where the parameters do not say.
    struct Timing {
        Duration originSearch = std::chrono::milliseconds(800);  // at home, finding the sensors
        double originSpeed = 50.0;                               // mm/s on the way home
    };

    SimMotion(SimCore& core, SimParameters& parameters);

    Timing timing;
    int originState = 0;  // 1 once an origin return has completed

    // Where the axes are now: on the way of a move, where it has got to.
    Position position() const;
    Activity activity() const { return activity_; }
    bool busy() const { return activity_ != Activity::Idle; }
    // Whether `p` lies within the stroke parameters 6 to 13 (a side whose parameter is no
    // number does not limit).
    bool inStroke(const Position& p) const;
    // A position as "@?POS" gives it: two decimals.
    static std::string Text(double value);
    static Duration Seconds(double s);

    // The operation protocol the program runs use. begin() marks an operation as under way;
    // then() makes `action` its one pending event; finish() ends it (the axes stay where the
    // move took them); halt() cancels the event and stops the axes where they are.
    void begin(Activity what);
    void then(Duration delay, std::function<void()> action);
    void finish();
    Activity halt();
    // Starts a move from where the axes are to `to`, arriving after `take` at an even pace
    // (an origin return, a jog).
    void moveTo(const Position& to, Duration take);
    // Starts a move along `plan` (made from where the axes are); its time.
    Duration move(MotionPlan plan);
    // The motion law's limits as the parameters stand.
    MotionLimits limits() const;
    // Parameter n as a positive number, else `fallback`.
    double parameterOr(int n, double fallback) const;

  private:
    void addCommands();
    // "@X1+" ... "@R3-" (sim_jog.cpp).
    void addJogCommands();
    void jog(int axis, int mode, int sign);
    // How far axis `axis` may go in direction `sign` before its stroke ends; nullopt when that
    // side's parameter is no number.
    std::optional<double> strokeEnd(int axis, int sign) const;

    SimCore& core_;
    SimParameters& parameters_;
    Activity activity_ = Activity::Idle;
    SimClock::EventId pending_ = 0;
    int positionQueries_ = 0;  // counted for the position read fault
    // The last move: from, to, and when it started and ends.
    Position from_{}, to_{};
    SimClock::Time moveStart_{0}, moveEnd_{0};
    std::optional<MotionPlan> plan_;  // the last move, when it follows the motion law
};

}  // namespace mivo
