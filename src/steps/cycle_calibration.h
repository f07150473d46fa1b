#pragma once
// The motion law fitted to one robot from a run of a program whose step times were measured:
// a scale on each axis's acceleration and the controller's own work per step, by least squares
// over the measured steps. A cycle estimated with it is that robot's. Plain C++.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "common/step_times.h"
#include "steps/cycle_estimate.h"

namespace mivo {

struct Calibration {
    static constexpr int kAxes = MotionLimits::kAxes;
    // Each axis's acceleration as a multiple of the one its parameters give.
    std::array<double, kAxes> accelerationScale{1, 1, 1, 1};
    // The axes the measured run said something about; the others keep their scale of 1.
    std::array<bool, kAxes> fitted{};
    double stepWork = 0.010;  // seconds
    double residual = 0;      // root mean square of fitted minus measured, seconds
    int rows = 0;             // the measured times it was fitted to
};

// `limits` as the calibration has them: each acceleration scaled, the step work replaced.
MotionLimits Calibrated(MotionLimits limits, const Calibration& calibration);

struct CalibrationFit {
    Calibration calibration;
    std::string problem;  // "" when it was fitted
};

// Fits the calibration to `measured`, the step times of a run of `program` from step 0 to its
// END as the monitor saw them (each row the time from the scan that first saw its step to the
// scan that saw another, so a step shorter than a scan is in the row before it). Rows are
// matched to the estimate's executed steps in order; a row whose time holds a wait for an input
// or a pallet move not counted is left out, and so is everything from a row that does not
// follow the program's way (a conditional jump the run took).
CalibrationFit Calibrate(const StepTable& program, const EstimateSetting& setting,
                         const std::vector<MeasuredStep>& measured);

// "Calibration: acceleration X 0.700 Y 1.300 Z 0.800 R 1.000 (not fitted), step work 0.025 s,
// residual 0.004 s over 25 steps".
std::string CalibrationText(const Calibration& calibration);

// The calibration as a settings value, "0.972 1 1.023 1 0.01" (the four scales, then the step
// work), and read back; none when the text is no such value.
std::string CalibrationValues(const Calibration& calibration);
std::optional<Calibration> CalibrationFromValues(const std::string& text);

}  // namespace mivo
