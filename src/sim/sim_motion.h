#pragma once
// The simulated controller's motion and I/O: origin state, where the axes are, and the one
// operation under way (an origin return or a running program) that "@STOP" and "@MSTOP" end.
// An operation goes on through events on the clock: each is the one pending event, so ending
// the operation is cancelling it and halting the axes where they have got to.
#include <array>
#include <chrono>
#include <string>

#include "sim/sim_clock.h"

namespace mivo {

class SimCore;
class SimSteps;
class SimParameters;

class SimMotion {
  public:
    static constexpr int kAxes = 4;  // X, Y, Z, R
    using Position = std::array<double, kAxes>;
    using Duration = SimClock::Duration;

    enum class Activity { Idle, Origin, Program };

    // How long the controller takes where the step's fields and the speed parameters do not
    // say.
    struct Timing {
        Duration originSearch = std::chrono::milliseconds(800);  // at home, finding the sensors
        double originSpeed = 50.0;                               // mm/s on the way home
        Duration step = std::chrono::milliseconds(10);           // its own work on each step
        Duration palletMove = std::chrono::milliseconds(500);    // pallet points come later
    };

    SimMotion(SimCore& core, const SimSteps& steps, const SimParameters& parameters);

    Timing timing;
    int originState = 0;  // 1 once an origin return has completed

    // Where the axes are now: on the way of a move, where it has got to.
    Position position() const;
    Activity activity() const { return activity_; }
    // The step of the running program, -1 when none runs.
    int runningStep() const { return activity_ == Activity::Program ? step_ : -1; }

  private:
    void addCommands();
    // Marks an operation as under way; the caller then schedules its next event in pending_.
    void begin(Activity what);
    // Ends the operation under way: its event is cancelled, the axes stop where they are.
    Activity halt();
    void moveTo(const Position& to, Duration take);
    // Runs the program on from step s: passes over empty steps, ends at an END step or after
    // the last step, else starts step s and schedules the one after it.
    void runFrom(int s);
    // How long step s takes, with its move started; sets where the program goes on.
    Duration startStep(int s, int* next);
    double axisSpeed(int axis) const;
    double parameterOr(int n, double fallback) const;

    SimCore& core_;
    const SimSteps& steps_;
    const SimParameters& parameters_;
    Activity activity_ = Activity::Idle;
    SimClock::EventId pending_ = 0;
    int step_ = -1;
    // The last move: from, to, and when it started and ends.
    Position from_{}, to_{};
    SimClock::Time moveStart_{0}, moveEnd_{0};
};

}  // namespace mivo
