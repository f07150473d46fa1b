#include "cli/check_command.h"

#include <ostream>

#include "cli/cli_args.h"
#include "cli/convert_command.h"
#include "parameters/parameter_files.h"
#include "steps/program_check.h"
#include "steps/step_files.h"

namespace mivo {

namespace {

// The findings of `table`; false when the parameter file was given and could not be read.
bool Check(const StepTable& table, const std::string& parameters, ConsolePrompter& prompter,
           std::vector<Finding>& findings) {
    AxisStrokes strokes;
    if (!parameters.empty()) {
        ParameterTable values;
        if (OpenParameterFile(values, parameters, OpenFilterForPath(parameters), prompter) !=
            OpenOutcome::Completed)
            return false;
        strokes = StrokesFromParameters([&values](int n) { return values.value(n); });
    }
    findings = CheckProgram(table, strokes);
    return true;
}

}  // namespace

int RunCheck(const std::string& stepFile, const std::string& parameters, ConsolePrompter& prompter,
             std::ostream& out) {
    StepTable table;
    std::vector<Finding> findings;
    if (OpenStepFile(table, stepFile, OpenFilterForPath(stepFile), prompter) !=
            OpenOutcome::Completed ||
        !Check(table, parameters, prompter, findings))
        return kExitFailed;
    for (const Finding& f : findings) out << FindingLine(f) << '\n';
    return findings.empty() ? kExitCompleted : kExitFound;
}

bool SendAfterCheck(const StepTable& table, const std::string& parameters,
                    ConsolePrompter& prompter, std::ostream& err) {
    std::vector<Finding> findings;
    if (!Check(table, parameters, prompter, findings)) return false;
    if (findings.empty()) return true;
    for (const Finding& f : findings) err << FindingLine(f) << '\n';
    return prompter.ask(SendAnywayQuestion(findings), kCheckCaption);
}

}  // namespace mivo
