#include "cli/convert_command.h"

#include <algorithm>
#include <cctype>

#include "cli/cli_args.h"
#include "offsets/offset_data.h"
#include "pallets/pallet_data.h"
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
    switch (kind) {
        case ConvertKind::Step:
            return "a step file";
        case ConvertKind::Parameter:
            return "a parameter file";
        case ConvertKind::Pallet:
            return "a pallet file";
        case ConvertKind::Offset:
            return "an offset file";
    }
    return "";
}

// Open IN, then save OUT, through a kind's own procedures.
template <typename Data, typename Open, typename Save>
int Convert(const std::string& in, const std::string& out, const FileKind& files, Data& data,
            Open open, Save save, Prompter& prompter) {
    if (open(data, in, OpenFilterForPath(files, in), prompter) != OpenOutcome::Completed)
        return kExitFailed;
    return save(data, out, SaveFilterForPath(files, out), prompter) ? kExitCompleted : kExitFailed;
}

}  // namespace

std::optional<ConvertKind> KindOption(const std::string& word) {
    if (word == "step") return ConvertKind::Step;
    if (word == "parameter") return ConvertKind::Parameter;
    if (word == "pallet") return ConvertKind::Pallet;
    if (word == "offset") return ConvertKind::Offset;
    return std::nullopt;
}

std::optional<ConvertKind> NamedKind(const std::string& path) {
    const std::string ext = Extension(path);
    if (ext == ".stp") return ConvertKind::Step;
    if (ext == ".prm") return ConvertKind::Parameter;
    if (ext == ".plt") return ConvertKind::Pallet;
    if (ext == ".off") return ConvertKind::Offset;
    return std::nullopt;
}

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
        kind = KindOption(*kindOption);
        if (!kind) problem = "--kind wants step, parameter, pallet or offset";
    } else {
        kind = Extension(out) == ".csv" ? std::optional(ConvertKind::Step) : NamedKind(out);
        if (!kind)
            problem = "cannot tell what " + out +
                      " is to hold: name it .stp, .csv, .prm, .plt or .off, or give --kind step, "
                      "parameter, pallet or offset";
    }
    if (!kind) return std::nullopt;
    // OUT named for another kind than --kind says: nothing is written by guess.
    if (const std::optional<ConvertKind> outNamed = NamedKind(out);
        kindOption && outNamed && *outNamed != *kind) {
        problem = out + " would be " + KindName(*outNamed) + ", --kind says " + KindName(*kind);
        return std::nullopt;
    }
    const std::optional<ConvertKind> named = NamedKind(in);
    if (named && *named != *kind) {
        problem = in + " is " + KindName(*named) + ", " + out + " would be " + KindName(*kind);
        return std::nullopt;
    }
    return kind;
}

bool IsZebFileName(const std::string& path) { return OpenFilterForPath(path) == OpenCrd; }

int RunConvert(const std::string& in, const std::string& out, ConvertKind kind, Prompter& prompter,
               const std::string& palletNumber) {
    if (kind == ConvertKind::Pallet) {
        PalletData pallet;
        pallet.number = palletNumber;
        const auto save = [](const PalletData& d, const std::string& name, int filter,
                             Prompter& p) { return SavePalletFile(d, name, filter, p); };
        return Convert(in, out, PalletFileKind(), pallet, OpenPalletFile, save, prompter);
    }
    if (kind == ConvertKind::Offset) {
        OffsetData offsets;
        return Convert(in, out, OffsetFileKind(), offsets, OpenOffsetFile, SaveOffsetFile,
                       prompter);
    }
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
