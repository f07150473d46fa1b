#include "cli/estimate_command.h"

#include <ostream>

#include "cli/cli_args.h"
#include "cli/convert_command.h"
#include "cli/person_words.h"
#include "common/readable_text.h"
#include "files/file_io.h"
#include "parameters/parameter_files.h"
#include "steps/cycle_calibration.h"
#include "steps/step_files.h"

namespace mivo {

namespace {

bool OpenSteps(StepTable& table, const std::string& path, ConsolePrompter& prompter) {
    return OpenStepFile(table, path, OpenFilterForPath(path), prompter) == OpenOutcome::Completed;
}

}  // namespace

int RunEstimate(const std::string& stepFile, const std::string& parameters,
                const CalibrationFiles& calibration, ConsolePrompter& prompter, std::ostream& out,
                std::ostream& err) {
    StepTable table;
    if (!OpenSteps(table, stepFile, prompter)) return kExitFailed;
    ParameterTable values;  // robot 22's initial values
    if (!parameters.empty() && OpenParameterFile(values, parameters, OpenFilterForPath(parameters),
                                                 prompter) != OpenOutcome::Completed)
        return kExitFailed;
    EstimateSetting setting = SettingFromParameters([&values](int n) { return values.value(n); });
    if (!calibration.steps.empty()) {
        StepTable measuredProgram;
        if (!OpenSteps(measuredProgram, calibration.steps, prompter)) return kExitFailed;
        std::string text, reason;
        if (!ReadWholeFile(calibration.times, text, reason)) {
            err << "mivo: " << ReadableText(calibration.times) << ": " << reason << '\n';
            return kExitFailed;
        }
        const StepTimesRead times = ReadStepTimes(text);
        if (!times.problem.empty()) {
            err << "mivo: " << ReadableText(calibration.times) << ": " << ForPerson(times.problem)
                << '\n';
            return kExitFailed;
        }
        const CalibrationFit fit = Calibrate(measuredProgram, setting, times.steps);
        if (!fit.problem.empty()) {
            err << "mivo: " << ForPerson(fit.problem) << '\n';
            return kExitFailed;
        }
        out << CalibrationText(fit.calibration) << '\n';
        setting.limits = Calibrated(setting.limits, fit.calibration);
    }
    const CycleEstimate e = EstimateCycle(table, setting);
    if (!e.problem.empty()) {
        err << ForPerson(e.problem) << '\n';
        return kExitFailed;
    }
    for (const std::string& line : EstimateLines(e)) out << line << '\n';
    return kExitCompleted;
}

}  // namespace mivo
