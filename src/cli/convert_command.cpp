#include "cli/convert_command.h"

#include <algorithm>
#include <cctype>

#include "cli/cli_args.h"
#include "steps/step_files.h"
#include "steps/step_table.h"

namespace mivo {

int OpenFilterForPath(const std::string& path) {
    std::string ext = PathExtension(path);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == ".stp") return OpenStp;
    if (ext == ".crd") return OpenCrd;
    if (ext == ".csv") return OpenCsv;
    return OpenAll;
}

int SaveFilterForPath(const std::string& path) {
    const std::string ext = PathExtension(path);
    if (ext == ".stp") return SaveStp;
    if (ext == ".csv") return SaveCsv;
    return SaveAll;
}

int RunConvert(const std::string& in, const std::string& out, Prompter& prompter) {
    StepTable table;
    if (OpenStepFile(table, in, OpenFilterForPath(in), prompter) != OpenOutcome::Completed)
        return kExitFailed;
    return SaveStepFile(table, out, SaveFilterForPath(out), prompter) ? kExitCompleted
                                                                      : kExitFailed;
}

}  // namespace mivo
