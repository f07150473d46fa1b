#include "history/control_limits.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace mivo {

namespace {

// d2 for moving ranges of two consecutive values.
constexpr double kD2 = 1.128;

}  // namespace

ControlChart ChartOfRuns(const std::vector<RunRecord>& runs) {
    ControlChart chart;
    // Sums over whole milliseconds stay exact, so that equal cycles give limits equal to them
    // and none of them falls outside by a rounding.
    std::vector<std::int64_t> ms;
    const std::string* lastHash = nullptr;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const RunRecord& run = runs[i];
        if (!run.programHash.empty()) {
            if (lastHash && *lastHash != run.programHash &&
                (chart.changes.empty() || chart.changes.back() != chart.runs.size()))
                chart.changes.push_back(chart.runs.size());
            lastHash = &run.programHash;
        }
        if (!run.cycleMs) continue;
        chart.runs.push_back(i);
        ms.push_back(*run.cycleMs);
        chart.seconds.push_back(double(*run.cycleMs) / 1000.0);
    }
    if (ms.size() < 2) return chart;

    std::int64_t sum = 0, ranges = 0;
    for (std::size_t i = 0; i < ms.size(); ++i) {
        sum += ms[i];
        if (i > 0) ranges += std::llabs(ms[i] - ms[i - 1]);
    }
    const double mean = double(sum) / double(ms.size());
    const double sigma = double(ranges) / double(ms.size() - 1) / kD2;
    const double upper = mean + 3 * sigma, lower = std::max(0.0, mean - 3 * sigma);
    for (std::size_t i = 0; i < ms.size(); ++i)
        if (double(ms[i]) > upper || double(ms[i]) < lower) chart.outside.push_back(i);
    chart.limits = ControlLimits{mean / 1000.0, sigma / 1000.0, upper / 1000.0, lower / 1000.0};
    return chart;
}

}  // namespace mivo
