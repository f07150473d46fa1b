#include "sim/sim_motion.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "sim/sim_core.h"
#include "sim/sim_parameters.h"
#include "sim/sim_step_record.h"
#include "sim/sim_steps.h"
#include "sim/sim_text.h"

namespace mivo {

namespace {

using sim::ParseStep;
using sim::StepRecord;

const char* const kInOperation = "15:In operation";
const char* const kStopped = "41:Stopped";
const char* const kSoftLimit = "52:Soft limit";
const char* const kMotorFree = "64:Motor free";
const char* const kParameterError = "11:Parameter error";

enum Axis { X, Y, Z, R };

// Parameters the moves read: each axis's maximum speed from 22, the interpolation speeds, the
// virtual origin for a ZI rise.
constexpr int kMaxSpeed = 22;
constexpr int kLinearSpeed = 26;
constexpr int kArcSpeed = 27;
constexpr int kVirtualOrigin = 4;
constexpr double kSpeedIfUnset = 100.0;  // mm/s, when a speed parameter is no number

SimClock::Duration Seconds(double s) {
    return SimClock::Duration(static_cast<SimClock::Duration::rep>(std::llround(s * 1e6)));
}

double Distance(const SimMotion::Position& a, const SimMotion::Position& b, int axes) {
    double sum = 0;
    for (int i = 0; i < axes; ++i) sum += (a[i] - b[i]) * (a[i] - b[i]);
    return std::sqrt(sum);
}

}  // namespace

SimMotion::SimMotion(SimCore& core, const SimSteps& steps, SimParameters& parameters)
    : core_(core), steps_(steps), parameters_(parameters) {
    addCommands();
}

void SimMotion::addCommands() {
    const SimFamily f = SimFamily::Motion;
    core_.addCommand(f, "@?ORG", [this](const std::string&) {
        core_.reply(std::to_string(originState));
        core_.reply("OK");
    });
    // Home at the origin return speed, then the sensor search; "OK" once there.
    core_.addCommand(f, "@ORG", [this](const std::string&) {
        if (activity_ != Activity::Idle) {
            core_.refuse(kInOperation);
            return;
        }
        begin(Activity::Origin);
        originState = 0;
        const Position at = position();
        double farthest = 0;
        for (double p : at) farthest = std::max(farthest, std::abs(p));
        const Duration way = Seconds(farthest / timing.originSpeed);
        moveTo(Position{}, way);
        pending_ = core_.clock().after(way + timing.originSearch, [this] {
            pending_ = 0;
            activity_ = Activity::Idle;
            originState = 1;
            core_.reply("OK");
        });
    });
    // "OK" at once, then the current program step by step, then "END".
    core_.addCommand(f, "@RUN", [this](const std::string&) {
        if (activity_ != Activity::Idle) {
            core_.refuse(kInOperation);
            return;
        }
        core_.reply("OK");
        begin(Activity::Program);
        runFrom(0);
    });
    // One step of the current program from the step pointer, "OK" once it is done; at an END
    // step "END" (repetition driving: "CEND", the cycles so far, "OK") and the pointer goes
    // back to step 0.
    core_.addCommand(f, "@SRUN", [this](const std::string&) {
        if (activity_ != Activity::Idle) {
            core_.refuse(kInOperation);
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
        begin(Activity::Step);
        int next = s + 1;
        const auto take = startStep(s, &next);
        if (!take) {
            activity_ = Activity::Idle;
            core_.refuse(kSoftLimit);
            return;
        }
        step_ = s;
        pending_ = core_.clock().after(*take, [this, next] {
            pending_ = 0;
            activity_ = Activity::Idle;
            step_ = -1;
            pointer_ = next < SimSteps::kSteps ? next : 0;
            core_.reply("OK");
        });
    });
    // "@?POS 1".."@?POS 4": one axis; "@?POS 0": all four, "X,Y,Z,R".
    core_.addCommand(f, "@?POS", [this](const std::string& args) {
        const int n = args.size() == 1 ? sim::Index(args, kAxes) : -1;
        if (n < 0) {
            core_.refuse(kParameterError);
            return;
        }
        const Position at = position();
        if (n > 0) {
            core_.reply(Text(at[static_cast<std::size_t>(n - 1)]));
        } else {
            core_.reply(Text(at[X]) + "," + Text(at[Y]) + "," + Text(at[Z]) + "," + Text(at[R]));
        }
        core_.reply("OK");
    });
    // The step under way, else the one "@SRUN" executes next.
    core_.addCommand(f, "@?SNO", [this](const std::string&) {
        const bool busy = activity_ == Activity::Program || activity_ == Activity::Step;
        core_.reply(std::to_string(busy ? step_ : pointer_));
        core_.reply("OK");
    });
    core_.addCommand(f, "@STOP", [this](const std::string&) {
        if (halt() == Activity::Idle) {
            core_.reply("OK");
            return;
        }
        core_.reply("STOP");
        core_.reply(kStopped);
    });
    // The motors are freed whatever runs; the line after "MSTOP" says whether it stopped one.
    core_.addCommand(f, "@MSTOP", [this](const std::string&) {
        const bool stopped = halt() != Activity::Idle;
        core_.reply("MSTOP");
        core_.reply(stopped ? kMotorFree : "OK");
    });
    core_.addCommand(f, "\x1A", [this](const std::string&) { core_.reply("OK"); });
    addMoveCommands();
}

bool SimMotion::inStroke(const Position& p) const {
    constexpr double kSlack = 1e-9;
    for (int a = 0; a < kAxes; ++a) {
        const auto upper = number(6 + a);
        const auto lower = number(10 + a);
        if (upper && p[static_cast<std::size_t>(a)] > *upper + kSlack) return false;
        if (lower && p[static_cast<std::size_t>(a)] < *lower - kSlack) return false;
    }
    return true;
}

std::string SimMotion::Text(double value) {
    if (std::abs(value) < 0.005) value = 0;  // no "-0.00"
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

SimMotion::Position SimMotion::position() const {
    const SimClock::Time now = core_.clock().now();
    if (now >= moveEnd_) return to_;
    if (now <= moveStart_) return from_;
    const double part = static_cast<double>((now - moveStart_).count()) /
                        static_cast<double>((moveEnd_ - moveStart_).count());
    Position p;
    for (int i = 0; i < kAxes; ++i) p[i] = from_[i] + (to_[i] - from_[i]) * part;
    return p;
}

void SimMotion::begin(Activity what) {
    activity_ = what;
    pending_ = 0;
    step_ = -1;
}

SimMotion::Activity SimMotion::halt() {
    const Activity was = activity_;
    if (pending_) core_.clock().cancel(pending_);
    pending_ = 0;
    const Position here = position();
    from_ = to_ = here;
    moveStart_ = moveEnd_ = core_.clock().now();
    activity_ = Activity::Idle;
    step_ = -1;
    return was;
}

void SimMotion::moveTo(const Position& to, Duration take) {
    from_ = position();
    to_ = to;
    moveStart_ = core_.clock().now();
    moveEnd_ = moveStart_ + take;
}

void SimMotion::runFrom(int s) {
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
        pending_ = core_.clock().after(timing.step, [this] {
            pending_ = 0;
            runFrom(0);
        });
        return;
    }
    int next = s + 1;
    const std::optional<Duration> take = atEnd ? std::nullopt : startStep(s, &next);
    if (!take) {
        // A step out of stroke is reported and ends the program.
        if (!atEnd) {
            core_.reply("ERR");
            core_.reply(kSoftLimit);
        }
        activity_ = Activity::Idle;
        step_ = -1;
        core_.reply("END");
        return;
    }
    step_ = s;
    pending_ = core_.clock().after(*take, [this, next] {
        pending_ = 0;
        runFrom(next);
    });
}

std::optional<SimClock::Duration> SimMotion::startStep(int s, int* next) {
    const auto& program = steps_.program();
    const StepRecord r = ParseStep(program[static_cast<std::size_t>(s)]);
    const Position at = position();
    Position to = at;
    auto set = [&](int axis, std::size_t field) { r.number(field, &to[axis]); };
    double seconds = 0;
    if (r.command == "POI") {
        switch (r.code()) {
            case '0':
            case '1':
            case '2':
            case '7':
                set(X, 1), set(Y, 2), set(Z, 3);
                break;
            case '8':
                for (int a : {X, Y, Z}) {
                    double d = 0;
                    if (r.number(static_cast<std::size_t>(a) + 1, &d)) to[a] += d;
                }
                break;
            case '3':
                to[Z] = parameters_.number(kVirtualOrigin).value_or(0.0);
                break;
            case '4':
                to[Z] = 0;
                break;
            case '5':
                to = Position{};
                break;
            case '6':
                set(R, 4);
                break;
        }
        seconds = std::chrono::duration<double>(pointToPoint(to, r.rate())).count();
    } else if (r.command == "LIN") {
        if (r.code() == '0') set(X, 1), set(Y, 2), set(Z, 3);
        if (r.code() == '4') set(X, 1), set(Y, 2), set(R, 4);
        seconds = Distance(at, to, kAxes) / (parameterOr(kLinearSpeed, kSpeedIfUnset) * r.rate());
    } else if (r.command == "CIR") {
        // To the start point, then through the second point to the third: the way along the
        // chords stands for the arc's length.
        set(X, 1), set(Y, 2), set(Z, 3);
        const Position start = to;
        Position second = start, third = start;
        if (s + 1 < SimSteps::kSteps) {
            const StepRecord pair = ParseStep(program[static_cast<std::size_t>(s + 1)]);
            pair.number(1, &second[X]), pair.number(2, &second[Y]);
            pair.number(3, &third[X]), pair.number(4, &third[Y]);
        }
        to = third;
        seconds = (Distance(at, start, kAxes) + Distance(start, second, kAxes) +
                   Distance(second, third, kAxes)) /
                  (parameterOr(kArcSpeed, kSpeedIfUnset) * r.rate());
        *next = s + 2;
    } else if (r.command == "PAL") {
        if (r.code() == '0') seconds = std::chrono::duration<double>(timing.palletMove).count();
    } else if (r.command == "SEQ") {
        if (r.code() == '4') {
            // Timer in tenths of a second; "00" is 100.
            const int pp = r.fields[0].size() >= 3 ? sim::Index(r.fields[0].substr(1, 2), 99) : 0;
            seconds = (pp <= 0 ? 100 : pp) / 10.0;
        }
        if (r.code() == '8' && r.fields.size() > 1) {
            const int jump = sim::Index(r.fields[1], SimSteps::kSteps - 1);
            if (jump >= 0) *next = jump;
        }
    }
    if (to != at && !inStroke(to)) return std::nullopt;
    const Duration take = Seconds(seconds);
    moveTo(to, take);
    return timing.step + take;
}

SimClock::Duration SimMotion::pointToPoint(const Position& to, double rate) const {
    const Position at = position();
    double seconds = 0;
    for (int a = 0; a < kAxes; ++a)
        seconds = std::max(seconds, std::abs(to[a] - at[a]) / (axisSpeed(a) * rate));
    return Seconds(seconds);
}

double SimMotion::axisSpeed(int axis) const { return parameterOr(kMaxSpeed + axis, kSpeedIfUnset); }

double SimMotion::parameterOr(int n, double fallback) const {
    const auto v = parameters_.number(n);
    return v && *v > 0 ? *v : fallback;
}

std::optional<double> SimMotion::number(int n) const { return parameters_.number(n); }

}  // namespace mivo
