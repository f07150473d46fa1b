#include "common/motion_plan.h"

#include <algorithm>
#include <cmath>

namespace mivo {

namespace {

enum Axis { X, Y, Z, R };
constexpr int kAxes = MotionLimits::kAxes;
using Moving = std::array<bool, kAxes>;
constexpr double kTwoPi = 6.283185307179586;

// The smallest acceleration of the axes that move from `a` to `b` (of X and Y when none does).
double SmallestAcceleration(const AxisPosition& a, const AxisPosition& b,
                            const MotionLimits& limits) {
    double smallest = 0;
    for (int i = 0; i < kAxes; ++i)
        if (a[i] != b[i] && (smallest == 0 || limits.acceleration(i) < smallest))
            smallest = limits.acceleration(i);
    return smallest > 0 ? smallest : std::min(limits.acceleration(X), limits.acceleration(Y));
}

}  // namespace

void MotionPlan::axes(const Moving& moving, const AxisPosition& target, double rate,
                      const MotionLimits& limits) {
    Phase p;
    p.from = end_;
    p.to = end_;
    for (int i = 0; i < kAxes; ++i) {
        if (moving[i]) p.to[i] = target[i];
        p.axes.emplace_back(p.to[i] - p.from[i], rate * limits.maxSpeed[i], limits.acceleration(i));
        p.seconds = std::max(p.seconds, p.axes.back().seconds());
    }
    end_ = p.to;
    if (p.seconds > 0) phases_.push_back(std::move(p));
}

void MotionPlan::line(const AxisPosition& target, double speed, const MotionLimits& limits) {
    Phase p;
    p.kind = Phase::Kind::Line;
    p.from = end_;
    p.to = target;
    double sum = 0;
    for (int i = 0; i < kAxes; ++i) sum += (target[i] - end_[i]) * (target[i] - end_[i]);
    p.length = std::sqrt(sum);
    p.path = MoveProfile(p.length, speed, SmallestAcceleration(p.from, p.to, limits));
    p.seconds = p.path.seconds();
    end_ = target;
    if (p.seconds > 0) phases_.push_back(std::move(p));
}

void MotionPlan::point(char code, const AxisPosition& target, double rate, double ziHeight,
                       const MotionLimits& limits) {
    AxisPosition zi = end_, zero{};
    zi[Z] = ziHeight;
    switch (code) {
        case '1':
        case '2':
            axes({false, false, true, false}, code == '1' ? zi : zero, rate, limits);
            [[fallthrough]];
        case '0':
            axes({true, true, false, false}, target, rate, limits);
            axes({false, false, true, false}, target, rate, limits);
            break;
        case '3':
            axes({false, false, true, false}, zi, rate, limits);
            break;
        case '4':
            axes({false, false, true, false}, zero, rate, limits);
            break;
        case '5':
            axes({false, false, true, false}, zero, rate, limits);
            axes({true, true, false, true}, zero, rate, limits);
            break;
        case '6':
            axes({false, false, false, true}, target, rate, limits);
            break;
        case '7':
            axes({true, true, true, false}, target, rate, limits);
            break;
        case '8': {
            AxisPosition to = end_;
            for (int i : {X, Y, Z}) to[i] += target[i];
            axes({true, true, true, false}, to, rate, limits);
            break;
        }
        default:
            break;
    }
}

void MotionPlan::together(const AxisPosition& target, double rate, const MotionLimits& limits) {
    axes({true, true, true, true}, target, rate, limits);
}

void MotionPlan::linear(char code, const AxisPosition& target, double rate,
                        const MotionLimits& limits) {
    AxisPosition to = end_;
    for (int i = 0; i < kAxes; ++i)
        if (i != (code == '4' ? Z : R)) to[i] = target[i];
    line(to, rate * limits.linearSpeed, limits);
}

void MotionPlan::arc(const AxisPosition& start, const AxisPosition& via, const AxisPosition& end,
                     double rate, const MotionLimits& limits) {
    const double speed = rate * limits.arcSpeed;
    line(start, speed, limits);
    AxisPosition b = start, c = start;
    b[X] = via[X], b[Y] = via[Y];
    c[X] = end[X], c[Y] = end[Y];
    const double ax = start[X], ay = start[Y], bx = b[X], by = b[Y], cx = c[X], cy = c[Y];
    const double d = 2 * (ax * (by - cy) + bx * (cy - ay) + cx * (ay - by));
    // Three points on one line: along it, through the second point.
    if (std::fabs(d) < 1e-9) {
        line(b, speed, limits);
        line(c, speed, limits);
        return;
    }
    Phase p;
    p.kind = Phase::Kind::Arc;
    p.from = start;
    p.to = c;
    const double a2 = ax * ax + ay * ay, b2 = bx * bx + by * by, c2 = cx * cx + cy * cy;
    p.centreX = (a2 * (by - cy) + b2 * (cy - ay) + c2 * (ay - by)) / d;
    p.centreY = (a2 * (cx - bx) + b2 * (ax - cx) + c2 * (bx - ax)) / d;
    p.radius = std::hypot(ax - p.centreX, ay - p.centreY);
    p.startAngle = std::atan2(ay - p.centreY, ax - p.centreX);
    const double endAngle = std::atan2(cy - p.centreY, cx - p.centreX);
    // Counter-clockwise when the three points turn left (d > 0), else clockwise.
    const double ccw = std::fmod(endAngle - p.startAngle + 2 * kTwoPi, kTwoPi);
    p.sweep = d > 0 ? ccw : ccw - kTwoPi;
    p.length = p.radius * std::fabs(p.sweep);
    p.path = MoveProfile(p.length, speed, std::min(limits.acceleration(X), limits.acceleration(Y)));
    p.seconds = p.path.seconds();
    end_ = c;
    if (p.seconds > 0) phases_.push_back(std::move(p));
}

double MotionPlan::seconds() const {
    double sum = 0;
    for (const Phase& p : phases_) sum += p.seconds;
    return sum;
}

AxisPosition MotionPlan::at(double t) const {
    for (const Phase& p : phases_) {
        if (t < p.seconds) return p.at(t);
        t -= p.seconds;
    }
    return end_;
}

AxisPosition MotionPlan::Phase::at(double t) const {
    AxisPosition pos = from;
    switch (kind) {
        case Kind::Axes:
            for (int i = 0; i < kAxes; ++i)
                pos[i] += std::copysign(axes[i].covered(t), to[i] - from[i]);
            break;
        case Kind::Line: {
            const double share = path.covered(t) / length;
            for (int i = 0; i < kAxes; ++i) pos[i] += (to[i] - from[i]) * share;
            break;
        }
        case Kind::Arc: {
            const double angle = startAngle + std::copysign(path.covered(t) / radius, sweep);
            pos[X] = centreX + radius * std::cos(angle);
            pos[Y] = centreY + radius * std::sin(angle);
            break;
        }
    }
    return pos;
}

}  // namespace mivo
