#pragma once
// The time of a program's cycle, from "@RUN" written to its "END" arrived, and of its steps as
// the monitor saw them. The clock is given, so that a test can drive it.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/seconds_text.h"
#include "common/step_times.h"

namespace mivo {

// Milliseconds of a monotonic clock.
using MonotonicClock = std::function<std::int64_t()>;
// std::chrono::steady_clock in milliseconds.
MonotonicClock SteadyClock();

// The cycles measured since the statistics were made or reset; times in milliseconds.
struct CycleStatistics {
    int count = 0;
    std::int64_t shortest = 0;
    std::int64_t mean = 0;  // rounded half up
    std::int64_t longest = 0;
    std::int64_t last = 0;
};

// A step of the cycle and the time it was the current step (the sum of its visits).
struct StepTime {
    std::string step;
    std::int64_t milliseconds = 0;
    double share = 0;  // of the cycle, 0..1
};

class CycleTiming {
  public:
    explicit CycleTiming(MonotonicClock clock = SteadyClock());

    // "@RUN" is on the line: a cycle begins; one begun before and not ended is dropped.
    void runStarted();
    // The program's "END" arrived: the cycle's time, counted in the statistics; none without a
    // run begun.
    std::optional<std::int64_t> runEnded();
    // The run ended otherwise (stopped, the line lost): no cycle, nothing counted.
    void runAbandoned();
    bool running() const { return started_.has_value(); }

    // The step number the monitor read at a scan. A new number closes the time of the step that
    // was current: its time runs from the scan that first saw it (the first from "@RUN") to the
    // scan that sees another, so the resolution is one monitor scan.
    void stepSeen(std::string_view step);

    const CycleStatistics& statistics() const { return statistics_; }
    // The `count` steps of the last cycle ended that took longest, longest first.
    std::vector<StepTime> slowestSteps(std::size_t count) const;
    // Each visit of a step in the last cycle ended, in the order the monitor saw them (a step
    // shorter than a scan is in the time of the one seen before it).
    const std::vector<MeasuredStep>& lastStepTimes() const { return lastVisits_; }
    // Clears the statistics and the last cycle's steps.
    void reset();

  private:
    void closeStep(std::int64_t now);

    MonotonicClock clock_;
    std::optional<std::int64_t> started_;
    std::string currentStep_;
    std::int64_t currentSince_ = 0;
    std::map<std::string, std::int64_t, std::less<>> stepTimes_;  // of the running cycle
    std::vector<MeasuredStep> visits_;                            // of the running cycle
    std::vector<StepTime> lastSteps_;                             // of the last cycle ended
    std::vector<MeasuredStep> lastVisits_;
    CycleStatistics statistics_;
    std::int64_t total_ = 0;
};

// "Cycle time: 12.35 s" (common/seconds_text).
std::string CycleTimeText(std::int64_t milliseconds);

}  // namespace mivo
