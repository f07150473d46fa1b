#include "steps/path_geometry.h"

#include <algorithm>
#include <cmath>

#include "common/convert.h"
#include "steps/step_commands.h"
#include "steps/step_rules.h"

namespace mivo {

namespace {

constexpr double kPi = 3.14159265358979323846;

bool Point(const std::string& x, const std::string& y, PathPoint& out) {
    return TryStrToFloat(x, out.x) && TryStrToFloat(y, out.y);
}

double Degrees(PathPoint from, PathPoint to) {
    return std::atan2(to.y - from.y, to.x - from.x) * 180.0 / kPi;
}

// The counter-clockwise sweep from `a` to `b`, in [0, 360).
double Sweep(double a, double b) {
    double d = std::fmod(b - a, 360.0);
    return d < 0 ? d + 360.0 : d;
}

void Grow(PathPicture& p, PathPoint at) {
    if (!p.bounds) {
        p.bounds = std::make_pair(at, at);
        return;
    }
    auto& [low, high] = *p.bounds;
    low = {std::min(low.x, at.x), std::min(low.y, at.y)};
    high = {std::max(high.x, at.x), std::max(high.y, at.y)};
}

}  // namespace

std::optional<PalletGrid> PalletGridOf(const std::string& number,
                                       const std::vector<std::string>& fields) {
    double n = 0, nx = 0, ny = 0;
    PalletGrid g;
    const auto read = [&fields](std::size_t i, double& out) {
        return i < fields.size() && TryStrToFloat(fields[i], out);
    };
    if (!TryStrToFloat(number, n) || !read(0, g.p1.x) || !read(1, g.p1.y) || !read(3, g.p2.x) ||
        !read(4, g.p2.y) || !read(5, g.p3.x) || !read(6, g.p3.y) || !read(7, nx) || !read(8, ny))
        return std::nullopt;
    g.number = static_cast<int>(n);
    g.xPoints = static_cast<int>(nx);
    g.yPoints = static_cast<int>(ny);
    return g;
}

std::vector<PathPoint> PalletPoints(const PalletGrid& pallet) {
    std::vector<PathPoint> out;
    const int nx = std::clamp(pallet.xPoints, 1, 100), ny = std::clamp(pallet.yPoints, 1, 100);
    const double dx = nx > 1 ? 1.0 / (nx - 1) : 0, dy = ny > 1 ? 1.0 / (ny - 1) : 0;
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i < nx; ++i)
            out.push_back({pallet.p1.x + i * dx * (pallet.p2.x - pallet.p1.x) +
                               j * dy * (pallet.p3.x - pallet.p1.x),
                           pallet.p1.y + i * dx * (pallet.p2.y - pallet.p1.y) +
                               j * dy * (pallet.p3.y - pallet.p1.y)});
    return out;
}

std::optional<PathArc> ArcThrough(PathPoint a, PathPoint b, PathPoint c) {
    const double d = 2 * (a.x * (b.y - c.y) + b.x * (c.y - a.y) + c.x * (a.y - b.y));
    if (std::fabs(d) < 1e-9) return std::nullopt;
    const double a2 = a.x * a.x + a.y * a.y, b2 = b.x * b.x + b.y * b.y, c2 = c.x * c.x + c.y * c.y;
    PathArc arc;
    arc.start = a, arc.middle = b, arc.end = c;
    arc.centre = {(a2 * (b.y - c.y) + b2 * (c.y - a.y) + c2 * (a.y - b.y)) / d,
                  (a2 * (c.x - b.x) + b2 * (a.x - c.x) + c2 * (b.x - a.x)) / d};
    arc.radius = std::hypot(a.x - arc.centre.x, a.y - arc.centre.y);
    arc.startDegrees = Degrees(arc.centre, a);
    const double toMiddle = Sweep(arc.startDegrees, Degrees(arc.centre, b));
    const double toEnd = Sweep(arc.startDegrees, Degrees(arc.centre, c));
    // Counter-clockwise when the middle point comes first that way, else clockwise.
    arc.spanDegrees = toMiddle <= toEnd ? toEnd : toEnd - 360.0;
    return arc;
}

PathPicture BuildPath(const StepTable& table, const std::optional<PalletGrid>& pallet) {
    PathPicture p;
    PathPoint at{0, 0};
    std::vector<PathPoint> where(kStepCount);  // the position once each step has run
    std::vector<std::pair<int, std::string>> jumps;
    StepTable copy = table;
    for (int s = 0; s < kStepCount; ++s) {
        const StepRow& row = table[s];
        std::string command = row[FieldCommand];
        UpperCaseCommand(command);
        if (command.empty() || IsSecondCircleRow(table, s)) {
            where[static_cast<std::size_t>(s)] = at;
            continue;
        }
        const StepValues v = ReadStep(copy, s);
        PathPoint to;
        const bool moves = (command == "POI" && (v.code == "0" || v.code == "1" || v.code == "2" ||
                                                 v.code == "7" || v.code == "8")) ||
                           (command == "LIN" && (v.code == "0" || v.code == "4"));
        if (moves && Point(v.x, v.y, to)) {
            if (command == "POI" && v.code == "8") to = {at.x + to.x, at.y + to.y};
            p.moves.push_back({s, at, to, command == "LIN"});
            p.points.push_back({s, to});
            Grow(p, at), Grow(p, to);
            at = to;
        } else if (command == "POI" && v.code == "5") {
            p.moves.push_back({s, at, {0, 0}, false});
            at = {0, 0};
            p.points.push_back({s, at});
        } else if (command == "CIR") {
            PathPoint a, b, c;
            if (Point(v.x, v.y, a) && Point(v.x2, v.y2, b) && Point(v.x3, v.y3, c)) {
                p.moves.push_back({s, at, a, false});
                if (const std::optional<PathArc> arc = ArcThrough(a, b, c)) {
                    p.arcs.push_back(*arc);
                    p.arcs.back().step = s;
                } else {
                    p.moves.push_back({s, a, c, true});
                }
                for (PathPoint q : {at, a, b, c}) Grow(p, q);
                p.points.push_back({s, c});
                at = c;
            }
        } else if (command == "PAL" && v.code == "0" && pallet) {
            int number = -1;
            if (TryStrToInt(v.value, number) && number == pallet->number) {
                const std::vector<PathPoint> points = PalletPoints(*pallet);
                for (PathPoint q : points) {
                    p.palletPoints.push_back({s, q});
                    Grow(p, q);
                }
                // The move goes to the pallet's first point, where a GO to the step goes too.
                p.moves.push_back({s, at, points.front(), false});
                p.points.push_back({s, points.front()});
                Grow(p, at);
                at = points.front();
            }
        } else if (command == "SEQ" && SeqJumps(v.code)) {
            jumps.emplace_back(s, v.jump);
        }
        where[static_cast<std::size_t>(s)] = at;
    }
    for (const auto& [s, jump] : jumps) {
        int target = 0;
        if (!TryStrToInt(jump, target) || target < 0 || target >= kStepCount) continue;
        p.jumps.push_back({s, target, where[static_cast<std::size_t>(s)],
                           where[static_cast<std::size_t>(target)]});
    }
    return p;
}

int StepNear(const PathPicture& picture, PathPoint at, double reach) {
    int best = -1;
    double bestDistance = reach;
    for (const auto* marks : {&picture.points, &picture.palletPoints})
        for (const PathMark& m : *marks) {
            const double d = std::hypot(m.at.x - at.x, m.at.y - at.y);
            if (d <= bestDistance) {
                best = m.step;
                bestDistance = d;
            }
        }
    return best;
}

}  // namespace mivo
