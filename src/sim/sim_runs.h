#pragma once
// The simulated controller's program runs: "@RUN" step by step, "@SRUN" with its step pointer,
// "@?SNO", and the GO moves ("@GO", "@CIR GO", "@PAL GO", "@ZI") with "@OFF", which takes the
// offsets from the last GO (sim_moves.cpp). Each goes on the axes as SimMotion's one operation,
// so "@STOP" and "@MSTOP" end it there.
#include <chrono>
#include <optional>

#include "sim/sim_motion.h"

namespace mivo {

class SimCore;
class SimSteps;
class SimParameters;

class SimRuns {
  public:
    using Position = SimMotion::Position;
    using Duration = SimMotion::Duration;

    // How long the controller takes where the step's fields and the speed parameters do not
    // say.
    struct Timing {
        Duration step = std::chrono::milliseconds(10);         // its own work on each step
        Duration palletMove = std::chrono::milliseconds(500);  // pallet points come later
    };

    SimRuns(SimCore& core, SimMotion& motion, const SimSteps& steps, SimParameters& parameters);

    Timing timing;

    // The step of the running program, -1 when none runs.
    int runningStep() const;
    // The step "@SRUN" executes next.
    int stepPointer() const { return pointer_; }

  private:
    void addCommands();
    // "@GO", "@CIR GO", "@PAL GO", "@ZI", "@OFF" (sim_moves.cpp).
    void addMoveCommands();
    // A GO move to `to` at the axes' maximum speeds: refused out of stroke or while busy, else
    // "OK" once there.
    void goTo(const Position& to);
    // Runs the program on from step s: passes over empty steps, ends at an END step or after
    // the last step, else starts step s and schedules the one after it.
    void runFrom(int s);
    // How long step s takes, with its move started; sets where the program goes on. nullopt
    // when its target lies outside the stroke (nothing moves).
    std::optional<Duration> startStep(int s, int* next);

    SimCore& core_;
    SimMotion& motion_;
    const SimSteps& steps_;
    SimParameters& parameters_;
    int step_ = -1;  // the step under way, while a program or single step runs
    int pointer_ = 0;
    int cycles_ = 0;  // repetition driving: cycles completed
    // Where the last "@GO" went, for "@OFF".
    std::optional<Position> goTarget_;
};

}  // namespace mivo
