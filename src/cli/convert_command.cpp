#include "cli/convert_command.h"

#include "cli/cli_args.h"
#include "cli/kind_document.h"
#include "cli/person_words.h"
#include "common/said_text.h"
#include "pallets/pallet_data.h"
#include "steps/step_files.h"

namespace mivo {

int OpenFilterForPath(const FileKind& kind, const std::string& path) {
    return FilterForName(kind.openFilters, path, true);
}

int SaveFilterForPath(const FileKind& kind, const std::string& path) {
    return FilterForName(kind.saveFilters, path, false);
}

int OpenFilterForPath(const std::string& path) { return OpenFilterForPath(StepFileKind(), path); }

int SaveFilterForPath(const std::string& path) { return SaveFilterForPath(StepFileKind(), path); }

std::optional<DataKind> ConvertKindFor(const std::optional<std::string>& kindOption,
                                       const std::string& in, const std::string& out,
                                       std::string& problem) {
    std::optional<DataKind> kind;
    if (kindOption) {
        kind = KindOfWord(*kindOption);
        if (!kind) problem = UI_TEXT("Message", "--kind wants step, parameter, pallet or offset");
    } else {
        kind = LowerExtension(out) == ".csv" ? std::optional(DataKind::Step) : KindOfFileName(out);
        if (!kind)
            problem = Filled(UI_TEXT("Message",
                                     "cannot tell what %1 is to hold: name it .stp, .csv, .prm, "
                                     ".plt or .off, or give --kind step, parameter, pallet or "
                                     "offset"),
                             {out});
    }
    if (!kind) return std::nullopt;
    const auto name = [](DataKind k) { return ForPerson(Describe(k).fileName); };
    // OUT named for another kind than --kind says: nothing is written by guess.
    if (const std::optional<DataKind> outNamed = KindOfFileName(out);
        kindOption && outNamed && *outNamed != *kind) {
        problem = Filled(UI_TEXT("Message", "%1 would be %2, --kind says %3"),
                         {out, name(*outNamed), name(*kind)});
        return std::nullopt;
    }
    const std::optional<DataKind> named = KindOfFileName(in);
    if (named && *named != *kind) {
        problem = Filled(UI_TEXT("Message", "%1 is %2, %3 would be %4"),
                         {in, name(*named), out, name(*kind)});
        return std::nullopt;
    }
    return kind;
}

bool IsZebFileName(const std::string& path) { return OpenFilterForPath(path) == OpenCrd; }

int RunConvert(const std::string& in, const std::string& out, DataKind kind, Prompter& prompter,
               const std::string& palletNumber) {
    const std::unique_ptr<KindDocument> document = MakeDocument(kind);
    // The number field as the pallet editor's: a ZEB file's block of that pallet is imported.
    if (kind == DataKind::Pallet) DocumentData<PalletData>(*document).number = palletNumber;
    if (document->open(in, prompter) != OpenOutcome::Completed) return kExitFailed;
    return document->save(out, prompter) ? kExitCompleted : kExitFailed;
}

}  // namespace mivo
