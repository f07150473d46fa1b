#include "sim/sim_runs.h"

#include <cmath>

#include "sim/sim_core.h"
#include "sim/sim_parameters.h"
#include "sim/sim_step_record.h"
#include "sim/sim_steps.h"
#include "sim/sim_text.h"

namespace mivo {

namespace {

using sim::ParseStep;
using sim::StepRecord;
using Activity = SimMotion::Activity;

enum Axis { X, Y, Z, R };

// The virtual origin point: the height of a ZI rise.
constexpr int kVirtualOrigin = 4;

}  // namespace

SimRuns::SimRuns(SimCore& core, SimMotion& motion, const SimSteps& steps, SimParameters& parameters)
    : core_(core), motion_(motion), steps_(steps), parameters_(parameters) {
    addCommands();
    addMoveCommands();
}

int SimRuns::runningStep() const { return motion_.activity() == Activity::Program ? step_ : -1; }

void SimRuns::addCommands() {
    const SimFamily f = SimFamily::Motion;
    // "OK" at once and a second "OK" (the start taken), then the current program step by step,
    // then "END".
    core_.addCommand(f, "@RUN", [this](const std::string&) {
        if (motion_.busy()) {
            core_.refuse(sim::kInOperation);
            return;
        }
        core_.reply("OK");
        core_.reply("OK");
        motion_.begin(Activity::Program);
        runFrom(0);
    });
    // One step of the current program from the step pointer, "OK" once it is done; at an END
    // step "END" (repetition driving: "CEND", the cycles so far, "OK") and the pointer goes
    // back to step 0.
    core_.addCommand(f, "@SRUN", [this](const std::string&) {
        if (motion_.busy()) {
            core_.refuse(sim::kInOperation);
            return;
        }
        const auto& program = steps_.program();
        int s = pointer_;
        while (s < SimSteps::kSteps && program[static_cast<std::size_t>(s)].empty()) ++s;
        if (s >= SimSteps::kSteps ||
            ParseStep(program[static_cast<std::size_t>(s)]).command == "END") {
            const bool repeat = s < SimSteps::kSteps &&
                                ParseStep(program[static_cast<std::size_t>(s)]).code() == '2';
            pointer_ = 0;
            if (!repeat) {
                core_.reply("END");
                return;
            }
            core_.reply("CEND");
            core_.reply(std::to_string(++cycles_));
            core_.reply("OK");
            return;
        }
        motion_.begin(Activity::Step);
        int next = s + 1;
        const auto take = startStep(s, &next);
        if (!take) {
            motion_.finish();
            core_.refuse(sim::kSoftLimit);
            return;
        }
        step_ = s;
        motion_.then(*take, [this, next] {
            motion_.finish();
            pointer_ = next < SimSteps::kSteps ? next : 0;
            core_.reply("OK");
        });
    });
    // The step under way (program or single step), else the one "@SRUN" executes next.
    core_.addCommand(f, "@?SNO", [this](const std::string&) {
        const Activity a = motion_.activity();
        const bool running = a == Activity::Program || a == Activity::Step;
        core_.reply(std::to_string(running ? step_ : pointer_));
        core_.reply("OK");
    });
}

void SimRuns::runFrom(int s) {
    const auto& program = steps_.program();
    while (s < SimSteps::kSteps && program[static_cast<std::size_t>(s)].empty()) ++s;
    const bool atEnd =
        s >= SimSteps::kSteps || ParseStep(program[static_cast<std::size_t>(s)]).command == "END";
    // Repetition driving: the cycle ends with "CEND", "OK" and the program starts over.
    if (atEnd && s < SimSteps::kSteps &&
        ParseStep(program[static_cast<std::size_t>(s)]).code() == '2') {
        ++cycles_;
        step_ = s;
        core_.reply("CEND");
        core_.reply("OK");
        motion_.then(timing.step, [this] { runFrom(0); });
        return;
    }
    int next = s + 1;
    const std::optional<Duration> take = atEnd ? std::nullopt : startStep(s, &next);
    if (!take && atEnd) {
        // END takes the controller's own work too.
        step_ = s;
        motion_.then(timing.step, [this] {
            motion_.finish();
            core_.reply("END");
        });
        return;
    }
    if (!take) {
        // A step out of stroke is reported and ends the program.
        core_.reply("ERR");
        core_.reply(sim::kSoftLimit);
        motion_.finish();
        core_.reply("END");
        return;
    }
    step_ = s;
    motion_.then(*take, [this, next] { runFrom(next); });
}

std::optional<SimRuns::Duration> SimRuns::startStep(int s, int* next) {
    const auto& program = steps_.program();
    const StepRecord r = ParseStep(program[static_cast<std::size_t>(s)]);
    const Position at = motion_.position();
    // What the step names; the motion law takes it from where the axes are.
    Position target = at;
    auto set = [&](int axis, std::size_t field) { r.number(field, &target[axis]); };
    MotionPlan plan(at);
    const MotionLimits limits = motion_.limits();
    double wait = 0;  // a timer, or the pallet move's stand-in
    if (r.command == "POI") {
        if (r.code() == '8') target = Position{};  // the distances to go
        set(X, 1), set(Y, 2), set(Z, 3), set(R, 4);
        plan.point(r.code(), target, r.rate(), parameters_.number(kVirtualOrigin).value_or(0.0),
                   limits);
    } else if (r.command == "LIN") {
        set(X, 1), set(Y, 2);
        r.code() == '4' ? set(R, 4) : set(Z, 3);
        plan.linear(r.code(), target, r.rate(), limits);
    } else if (r.command == "CIR") {
        // To the start point, then along the arc through the second point to the third.
        set(X, 1), set(Y, 2), set(Z, 3);
        Position second = target, third = target;
        if (s + 1 < SimSteps::kSteps) {
            const StepRecord pair = ParseStep(program[static_cast<std::size_t>(s + 1)]);
            pair.number(1, &second[X]), pair.number(2, &second[Y]);
            pair.number(3, &third[X]), pair.number(4, &third[Y]);
        }
        plan.arc(target, second, third, r.rate(), limits);
        *next = s + 2;
    } else if (r.command == "PAL") {
        if (r.code() == '0') wait = std::chrono::duration<double>(timing.palletMove).count();
    } else if (r.command == "SEQ") {
        if (r.code() == '4') {
            // Timer in tenths of a second; "00" is 100.
            const int pp = r.fields[0].size() >= 3 ? sim::Index(r.fields[0].substr(1, 2), 99) : 0;
            wait = (pp <= 0 ? 100 : pp) / 10.0;
        }
        if (r.code() == '8' && r.fields.size() > 1) {
            const int jump = sim::Index(r.fields[1], SimSteps::kSteps - 1);
            if (jump >= 0) *next = jump;
        }
    }
    if (plan.end() != at && !motion_.inStroke(plan.end())) return std::nullopt;
    if (plan.seconds() > 0) return timing.step + motion_.move(std::move(plan));
    const Duration take = SimMotion::Seconds(wait);
    motion_.moveTo(at, take);
    return timing.step + take;
}

}  // namespace mivo
