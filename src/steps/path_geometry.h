#pragma once
// The step program's path in the XY plane, as the path preview draws it: where each step takes
// the robot, the moves between (straight or linear), circles as arcs through their three points,
// pallet moves as the pallet's grid of points, and jumps. Plain, so that it is tested without a
// screen.
#include <optional>
#include <string>
#include <vector>

#include "steps/step_table.h"

namespace mivo {

struct PathPoint {
    double x = 0, y = 0;
    bool operator==(const PathPoint&) const = default;
};

// One drawn piece, belonging to the step that makes it.
struct PathMove {
    int step = 0;
    PathPoint from, to;
    bool linear = false;  // LIN: interpolated; otherwise a point move
};
struct PathArc {
    int step = 0;
    PathPoint start, middle, end;
    PathPoint centre;
    double radius = 0;
    double startDegrees = 0;  // counter-clockwise from +X, y up
    double spanDegrees = 0;   // signed: positive counter-clockwise
};
struct PathJump {
    int step = 0, target = 0;
    PathPoint from, to;
};
struct PathMark {
    int step = 0;
    PathPoint at;
};

// A pallet as the pallet editor holds it: its number, corners P1 (first point), P2 (end of the
// X row), P3 (end of the Y column) and the number of points along X and Y.
struct PalletGrid {
    int number = -1;
    PathPoint p1, p2, p3;
    int xPoints = 2, yPoints = 2;
};
// The pallet from the pallet editor's texts: its number and the fields X1, Y1, Z1, X2, Y2, X3,
// Y3, X section number, Y section number; none when one is no number.
std::optional<PalletGrid> PalletGridOf(const std::string& number,
                                       const std::vector<std::string>& fields);
// Its points, row by row from P1.
std::vector<PathPoint> PalletPoints(const PalletGrid& pallet);

struct PathPicture {
    std::vector<PathMark> points;  // where a step's move ends
    std::vector<PathMove> moves;
    std::vector<PathArc> arcs;
    std::vector<PathMark> palletPoints;  // the grid of a pallet move's pallet
    std::vector<PathJump> jumps;
    // The smallest box holding everything drawn; none for a program without positions.
    std::optional<std::pair<PathPoint, PathPoint>> bounds;
};

// The robot starts at the origin (0, 0); the steps are walked in order (jumps are drawn, not
// followed). A position that is no number leaves the step out. `pallet`: the pallet editor's; a
// pallet move naming it goes to its first point (P1) and draws its grid.
PathPicture BuildPath(const StepTable& table, const std::optional<PalletGrid>& pallet);

// The arc from `a` through `b` to `c`; none when the three points lie on one line.
std::optional<PathArc> ArcThrough(PathPoint a, PathPoint b, PathPoint c);

// The step whose mark is nearest `at` within `reach` (in the same units); -1 when none.
int StepNear(const PathPicture& picture, PathPoint at, double reach);

}  // namespace mivo
