#include "cli/convert_command.h"

#include <algorithm>
#include <cctype>

#include "cli/cli_args.h"
#include "parameters/parameter_files.h"
#include "steps/step_files.h"
#include "steps/step_table.h"

namespace mivo {

namespace {

// The extension of `path` in lower case, with its dot; "" when the name has none.
std::string Extension(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string ext = path.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

const char* KindName(ConvertKind kind) {
    return kind == ConvertKind::Step ? "a step file" : "a parameter file";
}

}  // namespace

int OpenFilterForPath(const FileKind& kind, const std::string& path) {
    return FilterForName(kind.openFilters, path, true);
}

int SaveFilterForPath(const FileKind& kind, const std::string& path) {
    return FilterForName(kind.saveFilters, path, false);
}

int OpenFilterForPath(const std::string& path) { return OpenFilterForPath(StepFileKind(), path); }

int SaveFilterForPath(const std::string& path) { return SaveFilterForPath(StepFileKind(), path); }

std::optional<ConvertKind> ConvertKindFor(const std::optional<std::string>& kindOption,
                                          const std::string& in, const std::string& out,
                                          std::string& problem) {
    std::optional<ConvertKind> kind;
    if (kindOption) {
        if (*kindOption == "step")
            kind = ConvertKind::Step;
        else if (*kindOption == "parameter")
            kind = ConvertKind::Parameter;
        else
            problem = "--kind wants step or parameter";
    } else {
        const std::string ext = Extension(out);
        if (ext == ".stp" || ext == ".csv")
            kind = ConvertKind::Step;
        else if (ext == ".prm")
            kind = ConvertKind::Parameter;
        else
            problem = "cannot tell what " + out +
                      " is to hold: name it .stp, .csv or .prm, or give --kind step or "
                      "--kind parameter";
    }
    if (!kind) return std::nullopt;
    const std::string inExt = Extension(in);
    const std::optional<ConvertKind> named = inExt == ".stp" ? std::optional(ConvertKind::Step)
                                             : inExt == ".prm"
                                                 ? std::optional(ConvertKind::Parameter)
                                                 : std::nullopt;
    if (named && *named != *kind) {
        problem = in + " is " + KindName(*named) + ", " + out + " would be " + KindName(*kind);
        return std::nullopt;
    }
    return kind;
}

bool IsZebFileName(const std::string& path) { return OpenFilterForPath(path) == OpenCrd; }

int RunConvert(const std::string& in, const std::string& out, ConvertKind kind,
               Prompter& prompter) {
    if (kind == ConvertKind::Parameter) {
        // A ZEB file is imported onto robot 22's values, as the editor's table starts.
        ParameterTable table;
        const FileKind& files = ParameterFileKind();
        if (OpenParameterFile(table, in, OpenFilterForPath(files, in), prompter) !=
            OpenOutcome::Completed)
            return kExitFailed;
        return SaveParameterFile(table, out, SaveFilterForPath(files, out), prompter)
                   ? kExitCompleted
                   : kExitFailed;
    }
    StepTable table;
    if (OpenStepFile(table, in, OpenFilterForPath(in), prompter) != OpenOutcome::Completed)
        return kExitFailed;
    return SaveStepFile(table, out, SaveFilterForPath(out), prompter) ? kExitCompleted
                                                                      : kExitFailed;
}

}  // namespace mivo
