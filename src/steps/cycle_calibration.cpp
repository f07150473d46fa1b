#include "steps/cycle_calibration.h"

#include <algorithm>
#include <cmath>

#include "common/convert.h"
#include "common/said_text.h"
#include "common/seconds_text.h"

namespace mivo {

namespace {

constexpr int kAxes = Calibration::kAxes;
constexpr int kUnknowns = kAxes + 1;  // the log of each axis's scale, then the step work
using Vector = std::array<double, kUnknowns>;

// A measured row and the executed steps its time covers: [first, last).
struct Segment {
    std::size_t first = 0, last = 0;
    double seconds = 0;
};

std::vector<Segment> Align(const std::vector<StepEstimate>& executed,
                           const std::vector<MeasuredStep>& measured) {
    std::vector<std::size_t> at;
    for (std::size_t j = 0, from = 0; j < measured.size(); ++j) {
        std::size_t k = from;
        while (k < executed.size() && executed[k].step != measured[j].step) ++k;
        if (k == executed.size()) break;
        at.push_back(k);
        from = k + 1;
    }
    std::vector<Segment> out;
    for (std::size_t j = 0; j < at.size(); ++j) {
        // The first row's time runs from the run's start; the last ends with the cycle.
        const std::size_t first = j == 0 ? 0 : at[j];
        std::size_t last = executed.size();
        if (j + 1 < at.size())
            last = at[j + 1];
        else if (at.size() < measured.size())
            break;  // where this row's time ended is not known
        const bool uncertain = std::any_of(executed.begin() + static_cast<std::ptrdiff_t>(first),
                                           executed.begin() + static_cast<std::ptrdiff_t>(last),
                                           [](const StepEstimate& e) { return e.uncertain; });
        if (!uncertain) out.push_back({first, last, measured[j].seconds});
    }
    return out;
}

MotionLimits LimitsFor(const MotionLimits& base, const Vector& p) {
    MotionLimits l = base;
    for (int k = 0; k < kAxes; ++k)
        l.accelerationTime[k] = base.accelerationTime[k] / std::exp(p[k]);
    l.stepWork = p[kAxes];
    return l;
}

// Solves `a`·x = `b` for the unknowns marked in `use` (Gauss with partial pivoting); false when
// singular.
bool Solve(std::array<Vector, kUnknowns> a, Vector b, const std::array<bool, kUnknowns>& use,
           Vector& x) {
    std::vector<int> idx;
    for (int i = 0; i < kUnknowns; ++i)
        if (use[i]) idx.push_back(i);
    const std::size_t n = idx.size();
    std::vector<std::vector<double>> m(n, std::vector<double>(n + 1));
    for (std::size_t r = 0; r < n; ++r) {
        for (std::size_t c = 0; c < n; ++c) m[r][c] = a[idx[r]][idx[c]];
        m[r][n] = b[idx[r]];
    }
    for (std::size_t c = 0; c < n; ++c) {
        std::size_t pivot = c;
        for (std::size_t r = c + 1; r < n; ++r)
            if (std::abs(m[r][c]) > std::abs(m[pivot][c])) pivot = r;
        if (std::abs(m[pivot][c]) < 1e-300) return false;
        std::swap(m[c], m[pivot]);
        for (std::size_t r = 0; r < n; ++r) {
            if (r == c) continue;
            const double f = m[r][c] / m[c][c];
            for (std::size_t k = c; k <= n; ++k) m[r][k] -= f * m[c][k];
        }
    }
    x.fill(0);
    for (std::size_t r = 0; r < n; ++r) x[idx[r]] = m[r][n] / m[r][r];
    return true;
}

}  // namespace

MotionLimits Calibrated(MotionLimits limits, const Calibration& calibration) {
    for (int k = 0; k < kAxes; ++k) limits.accelerationTime[k] /= calibration.accelerationScale[k];
    limits.stepWork = calibration.stepWork;
    return limits;
}

CalibrationFit Calibrate(const StepTable& program, const EstimateSetting& setting,
                         const std::vector<MeasuredStep>& measured) {
    CalibrationFit out;
    const CycleEstimate first = EstimateCycle(program, setting);
    if (!first.problem.empty()) {
        out.problem = first.problem;
        return out;
    }
    const std::vector<Segment> segments = Align(first.steps, measured);
    if (segments.size() < 3) {
        out.problem = Filled(UI_TEXT("Message",
                                     "Too few measured steps follow the program's run "
                                     "from step 0 to fit it: %1"),
                             {std::to_string(segments.size())});
        return out;
    }
    // Fitted minus measured, row by row.
    EstimateSetting trial = setting;
    const auto residuals = [&](const Vector& p, std::vector<double>& r) {
        trial.limits = LimitsFor(setting.limits, p);
        const CycleEstimate e = EstimateCycle(program, trial);
        r.assign(segments.size(), 0);
        for (std::size_t j = 0; j < segments.size(); ++j) {
            double sum = 0;
            for (std::size_t i = segments[j].first; i < segments[j].last; ++i)
                sum += e.steps[i].seconds;
            r[j] = sum - segments[j].seconds;
        }
        double cost = 0;
        for (double v : r) cost += v * v;
        return cost;
    };
    const auto clamp = [](Vector p) {
        for (int k = 0; k < kAxes; ++k) p[k] = std::clamp(p[k], -3.0, 3.0);  // ×0.05 .. ×20
        p[kAxes] = std::clamp(p[kAxes], 0.0, 1.0);
        return p;
    };

    // Levenberg-Marquardt from the parameters' own values, derivatives by differences.
    Vector p{0, 0, 0, 0, setting.limits.stepWork};
    std::vector<double> r, rh;
    double cost = residuals(p, r);
    std::array<bool, kUnknowns> use{};
    double lambda = 1e-3;
    for (int iteration = 0; iteration < 200; ++iteration) {
        std::vector<Vector> jacobian(segments.size());
        for (int u = 0; u < kUnknowns; ++u) {
            Vector ph = p;
            const double h = 1e-6;
            ph[u] += h;
            residuals(ph, rh);
            for (std::size_t j = 0; j < segments.size(); ++j) jacobian[j][u] = (rh[j] - r[j]) / h;
        }
        std::array<Vector, kUnknowns> a{};
        Vector g{};
        for (std::size_t j = 0; j < segments.size(); ++j)
            for (int u = 0; u < kUnknowns; ++u) {
                g[u] -= jacobian[j][u] * r[j];
                for (int v = 0; v < kUnknowns; ++v) a[u][v] += jacobian[j][u] * jacobian[j][v];
            }
        // An unknown no measured time depends on stays as it is.
        for (int u = 0; u < kUnknowns; ++u) use[u] = a[u][u] > 1e-12;
        bool improved = false;
        while (lambda < 1e12) {
            std::array<Vector, kUnknowns> damped = a;
            for (int u = 0; u < kUnknowns; ++u) damped[u][u] *= 1 + lambda;
            Vector step{};
            if (!Solve(damped, g, use, step)) {
                lambda *= 10;
                continue;
            }
            Vector next = p;
            for (int u = 0; u < kUnknowns; ++u) next[u] += step[u];
            next = clamp(next);
            std::vector<double> rn;
            const double c = residuals(next, rn);
            if (c < cost) {
                improved = cost - c > 1e-15 * (1 + cost);
                p = next;
                r = std::move(rn);
                cost = c;
                lambda = std::max(lambda / 10, 1e-12);
                break;
            }
            lambda *= 10;
        }
        if (!improved) break;
    }
    Calibration& cal = out.calibration;
    for (int k = 0; k < kAxes; ++k) {
        cal.fitted[k] = use[k];
        cal.accelerationScale[k] = std::exp(p[k]);
    }
    cal.stepWork = p[kAxes];
    cal.rows = static_cast<int>(segments.size());
    cal.residual = std::sqrt(cost / static_cast<double>(segments.size()));
    return out;
}

std::string CalibrationText(const Calibration& c) {
    std::string out = "Calibration: acceleration";
    const char names[] = "XYZR";
    for (int k = 0; k < kAxes; ++k)
        out += std::string(" ") + names[k] + " " + ThousandthsText(c.accelerationScale[k]) +
               (c.fitted[k] ? "" : " (not fitted)");
    return out + ", step work " + ThousandthsText(c.stepWork) + " s, residual " +
           ThousandthsText(c.residual) + " s over " + std::to_string(c.rows) + " steps";
}

std::string CalibrationValues(const Calibration& c) {
    std::string out;
    for (double scale : c.accelerationScale) out += FloatToStr(scale) + " ";
    return out + FloatToStr(c.stepWork);
}

std::optional<Calibration> CalibrationFromValues(const std::string& text) {
    Calibration c;
    std::size_t at = 0;
    for (int k = 0; k <= kAxes; ++k) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        double v = 0;
        if (!TryStrToFloat(text.substr(at, end - at), v) || !std::isfinite(v)) return std::nullopt;
        if (k < kAxes) {
            if (v < 0.05 || v > 20) return std::nullopt;
            c.accelerationScale[k] = v;
            c.fitted[k] = v != 1;
        } else {
            if (v < 0 || v > 1) return std::nullopt;
            c.stepWork = v;
        }
        at = end + 1;
        if ((k < kAxes) == (end >= text.size())) return std::nullopt;
    }
    return c;
}

}  // namespace mivo
