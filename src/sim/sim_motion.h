#pragma once
// The simulated controller's motion and I/O: origin state, where the axes are, the one
// operation under way (an origin return, a running program, a single step, a GO move) that
// "@STOP" and "@MSTOP" end, the step pointer of single steps, and the pallet counters.
// An operation goes on through events on the clock: each is the one pending event, so ending
// the operation is cancelling it and halting the axes where they have got to.
#include <array>
#include <chrono>
#include <optional>
#include <string>

#include "sim/sim_clock.h"

namespace mivo {

class SimCore;
class SimSteps;
class SimParameters;

class SimMotion {
  public:
    static constexpr int kAxes = 4;  // X, Y, Z, R
    static constexpr int kPallets = 20;
    using Position = std::array<double, kAxes>;
    using Duration = SimClock::Duration;

    enum class Activity { Idle, Origin, Program, Step, Move };

    // How long the controller takes where the step's fields and the speed parameters do not
    // say.
    struct Timing {
        Duration originSearch = std::chrono::milliseconds(800);  // at home, finding the sensors
        double originSpeed = 50.0;                               // mm/s on the way home
        Duration step = std::chrono::milliseconds(10);           // its own work on each step
        Duration palletMove = std::chrono::milliseconds(500);    // pallet points come later
    };

    SimMotion(SimCore& core, const SimSteps& steps, SimParameters& parameters);

    Timing timing;
    int originState = 0;  // 1 once an origin return has completed

    // Where the axes are now: on the way of a move, where it has got to.
    Position position() const;
    Activity activity() const { return activity_; }
    // The step of the running program, -1 when none runs.
    int runningStep() const { return activity_ == Activity::Program ? step_ : -1; }
    // The step "@SRUN" executes next.
    int stepPointer() const { return pointer_; }
    // Whether `p` lies within the stroke parameters 6 to 13 (a side whose parameter is no
    // number does not limit).
    bool inStroke(const Position& p) const;
    // A position as "@?POS" gives it: two decimals.
    static std::string Text(double value);

  private:
    void addCommands();
    // "@GO", "@CIR GO", "@PAL GO", "@ZI", "@OFF" and the pallet counters (sim_motion_moves.cpp).
    void addMoveCommands();
    // Marks an operation as under way; the caller then schedules its next event in pending_.
    void begin(Activity what);
    // Ends the operation under way: its event is cancelled, the axes stop where they are.
    Activity halt();
    void moveTo(const Position& to, Duration take);
    // A GO move to `to` at the axes' maximum speeds: refused out of stroke or while busy, else
    // "OK" once there.
    void goTo(const Position& to);
    // Runs the program on from step s: passes over empty steps, ends at an END step or after
    // the last step, else starts step s and schedules the one after it.
    void runFrom(int s);
    // How long step s takes, with its move started; sets where the program goes on. nullopt
    // when its target lies outside the stroke (nothing moves).
    std::optional<Duration> startStep(int s, int* next);
    // Point to point: each axis at its maximum speed times `rate`, the slowest decides.
    Duration pointToPoint(const Position& to, double rate) const;
    double axisSpeed(int axis) const;
    double parameterOr(int n, double fallback) const;
    // The first parameter of pallet k (0..19).
    static int PalletBase(int k) { return 200 + 11 * k; }
    std::optional<double> number(int n) const;

    SimCore& core_;
    const SimSteps& steps_;
    SimParameters& parameters_;
    Activity activity_ = Activity::Idle;
    SimClock::EventId pending_ = 0;
    int step_ = -1;
    int pointer_ = 0;
    int cycles_ = 0;  // repetition driving: cycles completed
    // Where the last "@GO" went, for "@OFF".
    std::optional<Position> goTarget_;
    // The last move: from, to, and when it started and ends.
    Position from_{}, to_{};
    SimClock::Time moveStart_{0}, moveEnd_{0};
};

}  // namespace mivo
