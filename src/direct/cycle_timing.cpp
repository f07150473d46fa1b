#include "direct/cycle_timing.h"

#include <algorithm>
#include <chrono>
#include <utility>

#include "common/convert.h"

namespace mivo {

MonotonicClock SteadyClock() {
    return [] {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    };
}

CycleTiming::CycleTiming(MonotonicClock clock) : clock_(std::move(clock)) {}

void CycleTiming::runStarted() {
    started_ = clock_();
    currentStep_.clear();
    currentSince_ = *started_;
    stepTimes_.clear();
    visits_.clear();
}

void CycleTiming::closeStep(std::int64_t now) {
    if (!currentStep_.empty()) {
        const std::int64_t ms = std::max<std::int64_t>(now - currentSince_, 0);
        stepTimes_[currentStep_] += ms;
        int step = 0;
        if (TryStrToInt(currentStep_, step)) visits_.push_back({step, double(ms) / 1000});
    }
    currentSince_ = now;
}

void CycleTiming::stepSeen(std::string_view step) {
    if (!started_ || step.empty() || step == currentStep_) return;
    const std::int64_t now = clock_();
    // The first step seen has run since "@RUN".
    if (!currentStep_.empty()) closeStep(now);
    currentStep_ = step;
}

std::optional<std::int64_t> CycleTiming::runEnded() {
    if (!started_) return std::nullopt;
    const std::int64_t now = clock_();
    const std::int64_t cycle = std::max<std::int64_t>(now - *started_, 0);
    closeStep(now);
    started_.reset();

    lastSteps_.clear();
    for (const auto& [step, ms] : stepTimes_)
        lastSteps_.push_back({step, ms, cycle > 0 ? double(ms) / double(cycle) : 0.0});
    std::stable_sort(
        lastSteps_.begin(), lastSteps_.end(),
        [](const StepTime& a, const StepTime& b) { return a.milliseconds > b.milliseconds; });
    stepTimes_.clear();
    currentStep_.clear();
    lastVisits_ = std::move(visits_);
    visits_.clear();

    CycleStatistics& s = statistics_;
    s.shortest = s.count == 0 ? cycle : std::min(s.shortest, cycle);
    s.longest = s.count == 0 ? cycle : std::max(s.longest, cycle);
    ++s.count;
    total_ += cycle;
    s.mean = (total_ + s.count / 2) / s.count;
    s.last = cycle;
    return cycle;
}

void CycleTiming::runAbandoned() {
    started_.reset();
    currentStep_.clear();
    stepTimes_.clear();
    visits_.clear();
}

std::vector<StepTime> CycleTiming::slowestSteps(std::size_t count) const {
    std::vector<StepTime> steps(lastSteps_.begin(),
                                lastSteps_.begin() + std::min(count, lastSteps_.size()));
    return steps;
}

void CycleTiming::reset() {
    statistics_ = {};
    total_ = 0;
    lastSteps_.clear();
    lastVisits_.clear();
}

std::string CycleTimeText(std::int64_t milliseconds) {
    return "Cycle time: " + SecondsText(milliseconds);
}

}  // namespace mivo
