#include "cli/estimate_command.h"

#include <ostream>

#include "cli/cli_args.h"
#include "cli/convert_command.h"
#include "parameters/parameter_files.h"
#include "steps/cycle_estimate.h"
#include "steps/step_files.h"

namespace mivo {

int RunEstimate(const std::string& stepFile, const std::string& parameters,
                ConsolePrompter& prompter, std::ostream& out, std::ostream& err) {
    StepTable table;
    if (OpenStepFile(table, stepFile, OpenFilterForPath(stepFile), prompter) !=
        OpenOutcome::Completed)
        return kExitFailed;
    ParameterTable values;  // robot 22's initial values
    if (!parameters.empty() && OpenParameterFile(values, parameters, OpenFilterForPath(parameters),
                                                 prompter) != OpenOutcome::Completed)
        return kExitFailed;
    const CycleEstimate e =
        EstimateCycle(table, SettingFromParameters([&values](int n) { return values.value(n); }));
    if (!e.problem.empty()) {
        err << e.problem << '\n';
        return kExitFailed;
    }
    for (const std::string& line : EstimateLines(e)) out << line << '\n';
    return kExitCompleted;
}

}  // namespace mivo
