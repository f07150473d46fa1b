#pragma once
// The running program on the path preview: where the direct screen's monitor saw the robot in
// the XY plane, and the step it said runs. Only values of the shapes the monitor takes as values
// count, so that noise on the line never becomes a position or a step.
#include <optional>
#include <string>

#include "steps/path_geometry.h"

namespace mivo {

struct RunTrace {
    std::optional<PathPoint> robot;  // none: nothing to draw
    int step = -1;                   // the running step; -1: none
};

// A scan's X and Y positions and step number, as the controller sent them.
RunTrace TraceOfScan(const std::string& x, const std::string& y, const std::string& step);

}  // namespace mivo
