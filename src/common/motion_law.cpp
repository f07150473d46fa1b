#include "common/motion_law.h"

#include <cctype>
#include <cmath>

#include "common/convert.h"

namespace mivo {

MoveProfile::MoveProfile(double distance, double speed, double acceleration)
    : distance_(std::fabs(distance)), speed_(speed), acceleration_(acceleration) {
    if (distance_ == 0 || speed_ <= 0 || acceleration_ <= 0) {
        distance_ = 0;
        return;
    }
    if (distance_ >= speed_ * speed_ / acceleration_) {
        ramp_ = speed_ / acceleration_;
        seconds_ = distance_ / speed_ + ramp_;
    } else {
        // Too short to reach its top speed: half the way speeding up, half slowing down.
        ramp_ = std::sqrt(distance_ / acceleration_);
        seconds_ = 2 * ramp_;
        speed_ = acceleration_ * ramp_;
    }
}

double MoveProfile::covered(double t) const {
    if (t <= 0 || distance_ == 0) return 0;
    if (t >= seconds_) return distance_;
    const double a = acceleration_;
    if (t < ramp_) return a * t * t / 2;
    const double left = seconds_ - t;
    if (left < ramp_) return distance_ - a * left * left / 2;
    return a * ramp_ * ramp_ / 2 + speed_ * (t - ramp_);
}

MotionLimits LimitsFromParameters(const std::function<std::string(int)>& parameter) {
    MotionLimits limits;
    const auto positive = [&](int n, double& into) {
        double v = 0;
        if (TryStrToFloat(parameter(n), v) && std::isfinite(v) && v > 0) into = v;
    };
    for (int axis = 0; axis < MotionLimits::kAxes; ++axis) {
        positive(18 + axis, limits.accelerationTime[axis]);
        positive(22 + axis, limits.maxSpeed[axis]);
    }
    positive(26, limits.linearSpeed);
    positive(27, limits.arcSpeed);
    return limits;
}

std::optional<double> SpeedRate(const std::string& pp) {
    if (pp.size() != 2 || !std::isdigit(static_cast<unsigned char>(pp[0])) ||
        !std::isdigit(static_cast<unsigned char>(pp[1])))
        return std::nullopt;
    const int percent = (pp[0] - '0') * 10 + (pp[1] - '0');
    return percent == 0 ? 1.0 : percent / 100.0;
}

}  // namespace mivo
