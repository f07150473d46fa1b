// The simulated controller's jogging: "@" + axis letter + mode digit + sign, "@X1+" ... "@R3-".
//
// What the controller answers, and how the screen's press and release meet it:
//   mode 1, "@X1+": one move amount (parameters 36 to 39, X to R) at the axis's 1/2 speed
//     (28, 30, 32, 34), "OK" once there; the screen then reads the positions. A target past
//     the stroke end (parameters 6 to 13) is refused, "NG", "52:Soft limit", nothing moves.
//   modes 2 and 3, "@X2+", "@X3+": the axis moves at its 1/2 speed or its 3 speed (29, 31, 33,
//     35) until "@STOP", and the jog command gets no reply of its own. At the stroke end the
//     axis stands there, and the jog stays under way until "@STOP", as on a controller that
//     waits for the button to come up; a side whose stroke is no number lets it run 1000 mm.
//   "@STOP" while a jog is under way (either mode): "STOP", "41:Stopped", the axis where it got
//     to; a mode-1 jog so stopped sends no "OK".
//   A jog while anything is under way, a held jog too: "NG", "15:In operation".
// The press sends the jog command and waits; the release, inside that wait, sends "@STOP",
// reads "STOP" and the line after it, then the four positions. Nothing comes for the press's
// own wait: the release withdraws it, so no line is left over for the next command.
// Like the GO moves and runs, a jog is not refused before an origin return: the screens ask
// "@?ORG" first.
#include <algorithm>
#include <cmath>
#include <string>

#include "sim/sim_core.h"
#include "sim/sim_motion.h"
#include "sim/sim_parameters.h"
#include "sim/sim_text.h"

namespace mivo {

namespace {

constexpr int kJogSpeed = 28;        // axis a: 28 + 2a the 1/2 speed, 29 + 2a the 3 speed
constexpr int kMoveAmount = 36;      // axis a: 36 + a
constexpr double kFreeRun = 1000.0;  // mm, where no stroke limits a held jog
constexpr double kSlack = 1e-9;

}  // namespace

void SimMotion::addJogCommands() {
    const char axes[] = {'X', 'Y', 'Z', 'R'};
    for (int axis = 0; axis < kAxes; ++axis) {
        for (int mode = 1; mode <= 3; ++mode) {
            for (int sign : {1, -1}) {
                const std::string keyword =
                    std::string("@") + axes[axis] + std::to_string(mode) + (sign > 0 ? '+' : '-');
                core_.addCommand(
                    SimFamily::Motion, keyword,
                    [this, axis, mode, sign](const std::string&) { jog(axis, mode, sign); });
            }
        }
    }
}

void SimMotion::jog(int axis, int mode, int sign) {
    if (busy()) {
        core_.refuse(sim::kInOperation);
        return;
    }
    const auto a = static_cast<std::size_t>(axis);
    const double speed = parameterOr(kJogSpeed + 2 * axis + (mode == 3 ? 1 : 0), kSpeedIfUnset);
    const Position at = position();
    Position to = at;
    const std::optional<double> end = strokeEnd(axis, sign);
    if (mode == 1) {
        to[a] += sign * std::abs(parameters_.number(kMoveAmount + axis).value_or(0.0));
        if (end && sign * (to[a] - *end) > kSlack) {
            core_.refuse(sim::kSoftLimit);
            return;
        }
    } else if (!end) {
        to[a] += sign * kFreeRun;
    } else {
        // Towards the end; one already passed leaves the axis where it is.
        to[a] = sign > 0 ? std::max(at[a], *end) : std::min(at[a], *end);
    }
    const Duration take = Seconds(std::abs(to[a] - at[a]) / speed);
    begin(Activity::Jog);
    moveTo(to, take);
    if (mode == 1) {
        then(take, [this] {
            finish();
            core_.reply("OK");
        });
    }
}

}  // namespace mivo
