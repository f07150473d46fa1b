// The simulated controller's GO moves (to a step's position, a circle's or a pallet's point, the
// virtual origin), the offset taken from the last GO, and the pallet counters.
#include <optional>

#include "sim/sim_core.h"
#include "sim/sim_motion.h"
#include "sim/sim_parameters.h"
#include "sim/sim_step_record.h"
#include "sim/sim_steps.h"
#include "sim/sim_text.h"

namespace mivo {

namespace {

using sim::ParseStep;
using sim::StepRecord;

const char* const kInOperation = "15:In operation";
const char* const kSoftLimit = "52:Soft limit";
const char* const kNoStepData = "57:No step data";
const char* const kNoGoPosition = "58:No GO position";
const char* const kParameterError = "11:Parameter error";

constexpr int kVirtualOrigin = 4;
constexpr int kOffsets = 100;  // 100 + 4 x program + axis
constexpr int kCounterX = 9;   // a pallet's counters follow its nine data
constexpr int kCounterY = 10;

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

void SimMotion::addMoveCommands() {
    const SimFamily f = SimFamily::Motion;
    // "@GO s": to the position stored in step s (a circle's start, a pallet's first point).
    core_.addCommand(f, "@GO", [this](const std::string& args) {
        const int s = StepNumber(args);
        if (s < 0) {
            core_.refuse(kParameterError);
            return;
        }
        const std::string& stored = steps_.program()[static_cast<std::size_t>(s)];
        if (stored.empty()) {
            core_.refuse(kNoStepData);
            return;
        }
        const StepRecord r = ParseStep(stored);
        Position to = position();
        bool any = false;
        if (r.command == "POI" || r.command == "LIN" || r.command == "CIR") {
            for (int a = 0; a < kAxes; ++a)
                any = r.number(static_cast<std::size_t>(a) + 1, &to[static_cast<std::size_t>(a)]) ||
                      any;
        } else if (r.command == "PAL" && r.parameter() >= 0 && r.parameter() < kPallets) {
            const int base = PalletBase(r.parameter());
            for (int a = 0; a < 3; ++a) {
                const auto v = number(base + a);
                if (v) to[static_cast<std::size_t>(a)] = *v;
                any = any || v.has_value();
            }
        }
        if (!any) {
            core_.refuse(kParameterError);
            return;
        }
        if (activity_ == Activity::Idle && inStroke(to)) goTarget_ = to;
        goTo(to);
    });
    // "@CIR GO s,p": point p (1 start, 2 and 3 the arc's points) of the circle starting at s.
    core_.addCommand(f, "@CIR GO", [this](const std::string& args) {
        int s = 0, p = 0;
        if (!Pair(args, SimSteps::kSteps - 2, 3, &s, &p) || p < 1) {
            core_.refuse(kParameterError);
            return;
        }
        const auto& program = steps_.program();
        const StepRecord first = ParseStep(program[static_cast<std::size_t>(s)]);
        const StepRecord second = ParseStep(program[static_cast<std::size_t>(s + 1)]);
        if (first.command != "CIR" || first.fields.size() != 4 || second.command != "CIR") {
            core_.refuse(kNoStepData);
            return;
        }
        Position to = position();
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
            core_.refuse(kParameterError);
            return;
        }
        const int base = PalletBase(k);
        const int xy = p == 1 ? base : p == 2 ? base + 3 : base + 5;
        const auto x = number(xy), y = number(xy + 1), z = number(base + 2);
        if (!x || !y || !z) {
            core_.refuse(kParameterError);
            return;
        }
        Position to = position();
        to[0] = *x, to[1] = *y, to[2] = *z;
        goTo(to);
    });
    // "@ZI": Z to the virtual origin point.
    core_.addCommand(f, "@ZI", [this](const std::string&) {
        Position to = position();
        to[2] = number(kVirtualOrigin).value_or(0.0);
        goTo(to);
    });
    // "@OFF": the current program's offsets become how far the axes stand from where the last
    // "@GO" went (the robot was jogged there to teach it).
    core_.addCommand(f, "@OFF", [this](const std::string&) {
        if (activity_ != Activity::Idle) {
            core_.refuse(kInOperation);
            return;
        }
        if (!goTarget_) {
            core_.refuse(kNoGoPosition);
            return;
        }
        const Position at = position();
        const int base = kOffsets + 4 * steps_.currentProgram;
        for (int a = 0; a < kAxes; ++a) {
            const auto i = static_cast<std::size_t>(a);
            parameters_.values[static_cast<std::size_t>(base + a)] = Text(at[i] - (*goTarget_)[i]);
        }
        core_.reply("OK");
    });
    // "@?C k": pallet k's counters, "X,Y".
    core_.addCommand(f, "@?C", [this](const std::string& args) {
        const int k = sim::Index(args, kPallets - 1);
        if (k < 0) {
            core_.refuse(kParameterError);
            return;
        }
        const auto& v = parameters_.values;
        core_.reply(v[static_cast<std::size_t>(PalletBase(k) + kCounterX)] + "," +
                    v[static_cast<std::size_t>(PalletBase(k) + kCounterY)]);
        core_.reply("OK");
    });
    auto resetCounters = [this](int k) {
        parameters_.values[static_cast<std::size_t>(PalletBase(k) + kCounterX)] = "0";
        parameters_.values[static_cast<std::size_t>(PalletBase(k) + kCounterY)] = "0";
    };
    core_.addCommand(f, "@INIT C", [this, resetCounters](const std::string& args) {
        const int k = sim::Index(args, kPallets - 1);
        if (k < 0) {
            core_.refuse(kParameterError);
            return;
        }
        resetCounters(k);
        core_.reply("OK");
    });
    core_.addCommand(f, "@INIT C ALL", [this, resetCounters](const std::string&) {
        for (int k = 0; k < kPallets; ++k) resetCounters(k);
        core_.reply("OK");
    });
}

void SimMotion::goTo(const Position& to) {
    if (activity_ != Activity::Idle) {
        core_.refuse(kInOperation);
        return;
    }
    if (!inStroke(to)) {
        core_.refuse(kSoftLimit);
        return;
    }
    const Duration take = pointToPoint(to, 1.0);
    begin(Activity::Move);
    moveTo(to, take);
    pending_ = core_.clock().after(take, [this] {
        pending_ = 0;
        activity_ = Activity::Idle;
        core_.reply("OK");
    });
}

}  // namespace mivo
