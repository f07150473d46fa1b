#include "steps/cycle_estimate.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>

#include "common/convert.h"
#include "common/said_text.h"
#include "common/seconds_text.h"
#include "steps/step_commands.h"
#include "steps/step_rules.h"

namespace mivo {

namespace {

enum Axis { X, Y, Z, R };
// A walk this long has looped: no cycle ends.
constexpr int kMostSteps = 100000;
// Calls this deep never return.
constexpr std::size_t kMostCalls = 1000;

double NumberOr(const std::string& text, double fallback) {
    double v = 0;
    return TryStrToFloat(text, v) ? v : fallback;
}

// The rate a step's V gives (percent, "100" for "00"); all of it when V is no rate.
double Rate(const std::string& v) {
    const double percent = NumberOr(v, 100);
    return percent > 0 && percent <= 100 ? percent / 100 : 1.0;
}

}  // namespace

EstimateSetting SettingFromParameters(const std::function<std::string(int)>& parameter) {
    EstimateSetting s;
    s.limits = LimitsFromParameters(parameter);
    s.ziHeight = NumberOr(parameter(4), 0);  // the virtual origin point
    return s;
}

CycleEstimate EstimateCycle(const StepTable& table, const EstimateSetting& setting) {
    CycleEstimate out;
    const MotionLimits& limits = setting.limits;
    const double zi = setting.ziHeight;
    AxisPosition at{};
    std::vector<int> calls;
    std::set<std::pair<int, std::vector<int>>> seen;
    int s = 0;
    const auto step = [](int n) { return "step " + std::to_string(n); };
    const auto note = [&](const std::string& what) {
        out.notCounted.push_back(step(s) + ": " + what);
    };
    for (int executed = 0;; ++executed) {
        while (s < kStepCount && table[s][FieldCommand].empty()) ++s;
        if (s >= kStepCount) {
            out.problem = UI_TEXT("Message", "No END is reached from step 0");
            break;
        }
        // Its way depends on nothing but the step and the calls open: a step come to again
        // with the same calls open goes round for ever.
        if (executed == kMostSteps || !seen.insert({s, calls}).second) {
            out.problem =
                UI_TEXT("Message", "No END is reached: the program goes round without one");
            break;
        }
        const StepValues v = ReadStep(table, s);
        const char code = v.code.empty() ? '0' : v.code[0];
        const auto position = [&](const std::string& text, int axis) {
            return NumberOr(text, at[axis]);
        };
        MotionPlan plan(at);
        double wait = 0;
        bool uncertain = false;
        int next = s + 1;
        int jump = -1;
        if (v.command == "SEQ" &&
            (code == '6' || code == '7' || code == '8' || v.code == "900" || v.code == "916")) {
            int target = -1;
            if (!TryStrToInt(v.jump, target) || target < 0 || target >= kStepCount) {
                out.problem = Filled(UI_TEXT("Message", "step %1 jumps to '%2', which is no step"),
                                     {std::to_string(s), v.jump});
                break;
            }
            jump = target;
        }
        if (v.command == "POI") {
            AxisPosition target = at;
            if (code == '8')
                target = {NumberOr(v.x, 0), NumberOr(v.y, 0), NumberOr(v.z, 0), 0};
            else
                target = {position(v.x, X), position(v.y, Y), position(v.z, Z), position(v.r, R)};
            plan.point(code, target, Rate(v.value), zi, limits);
        } else if (v.command == "LIN") {
            plan.linear(code,
                        {position(v.x, X), position(v.y, Y), position(v.z, Z), position(v.r, R)},
                        Rate(v.value), limits);
        } else if (v.command == "CIR") {
            const AxisPosition start{position(v.x, X), position(v.y, Y), position(v.z, Z), at[R]};
            const AxisPosition via{NumberOr(v.x2, start[X]), NumberOr(v.y2, start[Y]), 0, 0};
            const AxisPosition end{NumberOr(v.x3, start[X]), NumberOr(v.y3, start[Y]), 0, 0};
            plan.arc(start, via, end, Rate(v.value), limits);
            next = s + 2;
        } else if (v.command == "PAL" && code == '0') {
            // To the pallet's first point: where its counters stand is the cell's.
            const int pallet = static_cast<int>(NumberOr(v.value, -1));
            const std::optional<AxisPosition> p =
                setting.palletPoint ? setting.palletPoint(pallet) : std::nullopt;
            if (p)
                plan.point('0', {(*p)[X], (*p)[Y], (*p)[Z], at[R]}, 1.0, zi, limits);
            else {
                note("pallet " + v.value + " has no points: its move is not counted");
                uncertain = true;
            }
        } else if (v.command == "SEQ") {
            if (code == '0' || code == '1') {
                note("waits for input " + v.value + (code == '0' ? " ON" : " OFF"));
                uncertain = true;
            }
            if (code == '4') wait = NumberOr(v.value, 0) / 10;
            if (code == '6' || code == '7')
                note("jumps to step " + v.jump + " when input " + v.value +
                     (code == '6' ? " is ON" : " is OFF") + ": taken as not");
            if (v.code == "900")
                note("calls step " + v.jump + " when input " + v.value + " is ON: taken as not");
            if (code == '8') next = jump;
            if (v.code == "916") {
                if (calls.size() >= kMostCalls) {
                    out.problem = UI_TEXT("Message",
                                          "No END is reached: the program calls deeper and deeper");
                    break;
                }
                calls.push_back(s + 1);
                next = jump;
            }
            if (v.code == "917") {
                if (calls.empty()) {
                    out.problem =
                        Filled(UI_TEXT("Message", "step %1 returns, but no call led there"),
                               {std::to_string(s)});
                    break;
                }
                next = calls.back();
                calls.pop_back();
            }
        }
        const double seconds = plan.seconds() + wait + limits.stepWork;
        out.steps.push_back({s, seconds, uncertain});
        out.seconds += seconds;
        at = plan.end();
        if (v.command == "END") break;
        s = next;
    }
    return out;
}

std::vector<bool> FarAboveNeighbours(const CycleEstimate& estimate) {
    const std::vector<StepEstimate>& steps = estimate.steps;
    std::vector<bool> far(steps.size());
    constexpr std::size_t kAround = 3;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        std::vector<double> around;
        for (std::size_t k = i > kAround ? i - kAround : 0;
             k < std::min(steps.size(), i + kAround + 1); ++k)
            if (k != i) around.push_back(steps[k].seconds);
        if (around.empty()) continue;
        const auto middle = around.begin() + static_cast<std::ptrdiff_t>(around.size() / 2);
        std::nth_element(around.begin(), middle, around.end());
        far[i] = steps[i].seconds > 3 * *middle && steps[i].seconds > *middle + 0.5;
    }
    return far;
}

std::vector<std::string> EstimateLines(const CycleEstimate& estimate) {
    std::vector<std::string> lines;
    for (const StepEstimate& s : estimate.steps)
        lines.push_back("step " + std::to_string(s.step) + ": " + MillisecondsText(s.seconds));
    for (const std::string& n : estimate.notCounted) lines.push_back("not counted: " + n);
    lines.push_back("Estimated cycle: " +
                    SecondsText(static_cast<std::int64_t>(std::llround(estimate.seconds * 1000))));
    return lines;
}

}  // namespace mivo
