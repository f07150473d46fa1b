// The simulated controller's GO moves (to a step's position, a circle's or a pallet's point, the
// virtual origin) and the offset taken from the last GO.
#include <optional>

#include "sim/sim_core.h"
#include "sim/sim_parameters.h"
#include "sim/sim_runs.h"
#include "sim/sim_step_record.h"
#include "sim/sim_steps.h"
#include "sim/sim_text.h"

namespace mivo {

namespace {

using sim::ParseStep;
using sim::StepRecord;

const char* const kNoGoPosition = "58:No GO position";

constexpr int kAxes = SimMotion::kAxes;
constexpr int kPallets = SimParameters::kPallets;
constexpr int kVirtualOrigin = 4;
constexpr int kOffsets = 100;  // 100 + 4 x program + axis

// A step number 0..999 of at most three digits, else -1.
int StepNumber(const std::string& text) {
    return text.size() <= 3 ? sim::Index(text, SimSteps::kSteps - 1) : -1;
}

// "a,b" as two numbers within their ranges; false otherwise.
bool Pair(const std::string& args, int maxA, int maxB, int* a, int* b) {
    const std::vector<std::string> v = sim::SplitCommas(args);
    if (v.size() != 2) return false;
    *a = sim::Index(v[0], maxA);
    *b = sim::Index(v[1], maxB);
    return *a >= 0 && *b >= 0;
}

}  // namespace

void SimRuns::addMoveCommands() {
    const SimFamily f = SimFamily::Motion;
    // "@GO s": to the position stored in step s (a circle's start, a pallet's first point).
    core_.addCommand(f, "@GO", [this](const std::string& args) {
        const int s = StepNumber(args);
        if (s < 0) {
            core_.refuse(sim::kParameterError);
            return;
        }
        const std::string& stored = steps_.program()[static_cast<std::size_t>(s)];
        if (stored.empty()) {
            core_.refuse(sim::kNoStepData);
            return;
        }
        const StepRecord r = ParseStep(stored);
        Position to = motion_.position();
        bool any = false;
        if (r.command == "POI" || r.command == "LIN" || r.command == "CIR") {
            for (int a = 0; a < kAxes; ++a)
                any = r.number(static_cast<std::size_t>(a) + 1, &to[static_cast<std::size_t>(a)]) ||
                      any;
        } else if (r.command == "PAL" && r.parameter() >= 0 && r.parameter() < kPallets) {
            const int base = SimParameters::PalletBase(r.parameter());
            for (int a = 0; a < 3; ++a) {
                const auto v = parameters_.number(base + a);
                if (v) to[static_cast<std::size_t>(a)] = *v;
                any = any || v.has_value();
            }
        }
        if (!any) {
            core_.refuse(sim::kParameterError);
            return;
        }
        if (!motion_.busy() && motion_.inStroke(to)) goTarget_ = to;
        goTo(to);
    });
    // "@CIR GO s,p": point p (1 start, 2 and 3 the arc's points) of the circle starting at s.
    core_.addCommand(f, "@CIR GO", [this](const std::string& args) {
        int s = 0, p = 0;
        if (!Pair(args, SimSteps::kSteps - 2, 3, &s, &p) || p < 1) {
            core_.refuse(sim::kParameterError);
            return;
        }
        const auto& program = steps_.program();
        const StepRecord first = ParseStep(program[static_cast<std::size_t>(s)]);
        const StepRecord second = ParseStep(program[static_cast<std::size_t>(s + 1)]);
        if (first.command != "CIR" || first.fields.size() != 4 || second.command != "CIR") {
            core_.refuse(sim::kNoStepData);
            return;
        }
        Position to = motion_.position();
        first.number(1, &to[0]), first.number(2, &to[1]), first.number(3, &to[2]);
        if (p > 1) {
            const std::size_t x = p == 2 ? 1 : 3;
            second.number(x, &to[0]), second.number(x + 1, &to[1]);
        }
        goTo(to);
    });
    // "@PAL GO k,p": corner point p (1 to 3) of pallet k; the points share Z1.
    core_.addCommand(f, "@PAL GO", [this](const std::string& args) {
        int k = 0, p = 0;
        if (!Pair(args, kPallets - 1, 3, &k, &p) || p < 1) {
            core_.refuse(sim::kParameterError);
            return;
        }
        const int base = SimParameters::PalletBase(k);
        const int xy = p == 1 ? base : p == 2 ? base + 3 : base + 5;
        const auto x = parameters_.number(xy), y = parameters_.number(xy + 1),
                   z = parameters_.number(base + 2);
        if (!x || !y || !z) {
            core_.refuse(sim::kParameterError);
            return;
        }
        Position to = motion_.position();
        to[0] = *x, to[1] = *y, to[2] = *z;
        goTo(to);
    });
    // "@ZI": Z to the virtual origin point.
    core_.addCommand(f, "@ZI", [this](const std::string&) {
        Position to = motion_.position();
        to[2] = parameters_.number(kVirtualOrigin).value_or(0.0);
        goTo(to);
    });
    // "@OFF": the current program's offsets become how far the axes stand from where the last
    // "@GO" went (the robot was jogged there to teach it).
    core_.addCommand(f, "@OFF", [this](const std::string&) {
        if (motion_.busy()) {
            core_.refuse(sim::kInOperation);
            return;
        }
        if (!goTarget_) {
            core_.refuse(kNoGoPosition);
            return;
        }
        const Position at = motion_.position();
        const int base = kOffsets + 4 * steps_.currentProgram;
        for (int a = 0; a < kAxes; ++a) {
            const auto i = static_cast<std::size_t>(a);
            parameters_.values[static_cast<std::size_t>(base + a)] =
                SimMotion::Text(at[i] - (*goTarget_)[i]);
        }
        core_.reply("OK");
    });
}

void SimRuns::goTo(const Position& to) {
    if (motion_.busy()) {
        core_.refuse(sim::kInOperation);
        return;
    }
    if (!motion_.inStroke(to)) {
        core_.refuse(sim::kSoftLimit);
        return;
    }
    MotionPlan plan(motion_.position());
    plan.together(to, 1.0, motion_.limits());
    motion_.begin(SimMotion::Activity::Move);
    motion_.then(motion_.move(std::move(plan)), [this] {
        motion_.finish();
        core_.reply("OK");
    });
}

}  // namespace mivo
