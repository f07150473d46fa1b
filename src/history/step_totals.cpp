#include "history/step_totals.h"

#include <unordered_map>

namespace mivo {

std::vector<StepTotal> StepTotals(const std::vector<MeasuredStep>& visits) {
    std::vector<StepTotal> totals;
    std::unordered_map<int, std::size_t> row;
    double all = 0;
    for (const MeasuredStep& v : visits) {
        auto [at, added] = row.try_emplace(v.step, totals.size());
        if (added) totals.push_back({v.step, 0, 0, 0});
        StepTotal& t = totals[at->second];
        t.seconds += v.seconds;
        ++t.visits;
        all += v.seconds;
    }
    if (all > 0)
        for (StepTotal& t : totals) t.share = t.seconds / all;
    return totals;
}

std::vector<StepDifference> CompareSteps(const std::vector<MeasuredStep>& first,
                                         const std::vector<MeasuredStep>& second) {
    std::vector<StepDifference> rows;
    std::unordered_map<int, std::size_t> row;
    for (const StepTotal& t : StepTotals(first)) {
        row.emplace(t.step, rows.size());
        rows.push_back({t.step, t.seconds, std::nullopt, 0, false});
    }
    for (const StepTotal& t : StepTotals(second)) {
        auto [at, added] = row.try_emplace(t.step, rows.size());
        if (added) rows.push_back({t.step, std::nullopt, std::nullopt, 0, false});
        rows[at->second].second = t.seconds;
    }
    for (StepDifference& d : rows) {
        d.difference = d.second.value_or(0) - d.first.value_or(0);
        // Sums of decimal seconds are not exact: 0.01 may come out a hair less.
        d.slower = d.difference >= kSlowerBy - 1e-9;
    }
    return rows;
}

}  // namespace mivo
