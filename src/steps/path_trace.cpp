#include "steps/path_trace.h"

#include "common/convert.h"
#include "procedures/reply_rules.h"
#include "steps/step_table.h"

namespace mivo {

namespace {

std::optional<double> PositionOf(const std::string& text) {
    if (!FitsShape(text, ValueShape::Number)) return std::nullopt;
    // A value may be padded with blanks on either side; the conversion takes leading ones.
    double value = 0;
    if (!TryStrToFloat(text.substr(0, text.find_last_not_of(' ') + 1), value)) return std::nullopt;
    return value;
}

}  // namespace

RunTrace TraceOfScan(const std::string& x, const std::string& y, const std::string& step) {
    RunTrace trace;
    const std::optional<double> px = PositionOf(x), py = PositionOf(y);
    if (px && py) trace.robot = PathPoint{*px, *py};
    int n = -1;
    if (FitsShape(step, ValueShape::StepNumber) && TryStrToInt(step, n) && n < kStepCount)
        trace.step = n;
    return trace;
}

}  // namespace mivo
