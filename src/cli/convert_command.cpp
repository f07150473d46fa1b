#include "cli/convert_command.h"

#include "cli/cli_args.h"
#include "steps/step_files.h"
#include "steps/step_table.h"

namespace mivo {

int OpenFilterForPath(const std::string& path) {
    return FilterForName(StepFileKind().openFilters, path, true);
}

int SaveFilterForPath(const std::string& path) {
    return FilterForName(StepFileKind().saveFilters, path, false);
}

bool IsZebFileName(const std::string& path) { return OpenFilterForPath(path) == OpenCrd; }

int RunConvert(const std::string& in, const std::string& out, Prompter& prompter) {
    StepTable table;
    if (OpenStepFile(table, in, OpenFilterForPath(in), prompter) != OpenOutcome::Completed)
        return kExitFailed;
    return SaveStepFile(table, out, SaveFilterForPath(out), prompter) ? kExitCompleted
                                                                      : kExitFailed;
}

}  // namespace mivo
