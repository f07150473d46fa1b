#include "sim/sim_motion.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "sim/sim_core.h"
#include "sim/sim_parameters.h"
#include "sim/sim_text.h"

namespace mivo {

namespace {

const char* const kStopped = "41:Stopped";
const char* const kMotorFree = "64:Motor free";
const char* const kPositionReadError = "32:Position read error";

}  // namespace

SimMotion::SimMotion(SimCore& core, SimParameters& parameters)
    : core_(core), parameters_(parameters) {
    addCommands();
    addJogCommands();
}

void SimMotion::addCommands() {
    const SimFamily f = SimFamily::Motion;
    core_.addCommand(f, "@?ORG", [this](const std::string&) {
        core_.reply(std::to_string(originState));
        core_.reply("OK");
    });
    // Home at the origin return speed, then the sensor search; "OK" once there.
    core_.addCommand(f, "@ORG", [this](const std::string&) {
        if (busy()) {
            core_.refuse(sim::kInOperation);
            return;
        }
        begin(Activity::Origin);
        originState = 0;
        double farthest = 0;
        for (double p : position()) farthest = std::max(farthest, std::abs(p));
        const Duration way = Seconds(farthest / timing.originSpeed);
        moveTo(Position{}, way);
        then(way + timing.originSearch, [this] {
            finish();
            originState = 1;
            core_.reply("OK");
        });
    });
    // "@?POS 1".."@?POS 4": one axis; "@?POS 0": all four, "X,Y,Z,R". The position read
    // fault puts "ERR" and its line first; the controller then reads again and answers.
    core_.addCommand(f, "@?POS", [this](const std::string& args) {
        const int n = args.size() == 1 ? sim::Index(args, kAxes) : -1;
        if (n < 0) {
            core_.refuse(sim::kParameterError);
            return;
        }
        if (core_.faults.positionError.hits(++positionQueries_)) {
            core_.reply("ERR");
            core_.reply(kPositionReadError);
        }
        const Position at = position();
        if (n > 0) {
            core_.reply(Text(at[static_cast<std::size_t>(n - 1)]));
        } else {
            core_.reply(Text(at[0]) + "," + Text(at[1]) + "," + Text(at[2]) + "," + Text(at[3]));
        }
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
}

bool SimMotion::inStroke(const Position& p) const {
    constexpr double kSlack = 1e-9;
    for (int a = 0; a < kAxes; ++a) {
        const auto upper = parameters_.number(6 + a);
        const auto lower = parameters_.number(10 + a);
        if (upper && p[static_cast<std::size_t>(a)] > *upper + kSlack) return false;
        if (lower && p[static_cast<std::size_t>(a)] < *lower - kSlack) return false;
    }
    return true;
}

std::optional<double> SimMotion::strokeEnd(int axis, int sign) const {
    return parameters_.number(sign > 0 ? 6 + axis : 10 + axis);
}

std::string SimMotion::Text(double value) {
    if (std::abs(value) < 0.005) value = 0;  // no "-0.00"
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

SimMotion::Duration SimMotion::Seconds(double s) {
    return Duration(static_cast<Duration::rep>(std::llround(s * 1e6)));
}

SimMotion::Position SimMotion::position() const {
    const SimClock::Time now = core_.clock().now();
    if (now >= moveEnd_) return to_;
    if (now <= moveStart_) return from_;
    if (plan_) return plan_->at(std::chrono::duration<double>(now - moveStart_).count());
    const double part = static_cast<double>((now - moveStart_).count()) /
                        static_cast<double>((moveEnd_ - moveStart_).count());
    Position p;
    for (int i = 0; i < kAxes; ++i) p[i] = from_[i] + (to_[i] - from_[i]) * part;
    return p;
}

void SimMotion::begin(Activity what) {
    if (pending_) core_.clock().cancel(pending_);
    pending_ = 0;
    activity_ = what;
}

void SimMotion::then(Duration delay, std::function<void()> action) {
    pending_ = core_.clock().after(delay, [this, action = std::move(action)] {
        pending_ = 0;
        action();
    });
}

void SimMotion::finish() {
    if (pending_) core_.clock().cancel(pending_);
    pending_ = 0;
    activity_ = Activity::Idle;
}

SimMotion::Activity SimMotion::halt() {
    const Activity was = activity_;
    finish();
    const Position here = position();
    from_ = to_ = here;
    moveStart_ = moveEnd_ = core_.clock().now();
    plan_.reset();
    return was;
}

void SimMotion::moveTo(const Position& to, Duration take) {
    from_ = position();
    to_ = to;
    moveStart_ = core_.clock().now();
    moveEnd_ = moveStart_ + take;
    plan_.reset();
}

SimMotion::Duration SimMotion::move(MotionPlan plan) {
    from_ = position();
    to_ = plan.end();
    moveStart_ = core_.clock().now();
    const Duration take = Seconds(plan.seconds());
    moveEnd_ = moveStart_ + take;
    plan_ = std::move(plan);
    return take;
}

MotionLimits SimMotion::limits() const {
    return LimitsFromParameters([this](int n) {
        return n >= 0 && static_cast<std::size_t>(n) < parameters_.values.size()
                   ? parameters_.values[static_cast<std::size_t>(n)]
                   : std::string();
    });
}

double SimMotion::parameterOr(int n, double fallback) const {
    const auto v = parameters_.number(n);
    return v && *v > 0 ? *v : fallback;
}

}  // namespace mivo
