#include "cli/backup_command.h"

#include <ostream>

#include "backup/backup_archive.h"
#include "backup/backup_transfer.h"
#include "backup/differences.h"
#include "cli/kind_document.h"
#include "cli/person_words.h"
#include "common/convert.h"
#include "common/readable_text.h"
#include "common/said_text.h"
#include "files/data_kind.h"
#include "procedures/program_control.h"

namespace mivo {

namespace {

// The block a pallet or offset file is compared as: the option when given, else the number its
// first line names, as its receive would take it; -1 when that is none of 0 .. count - 1.
int BlockNumber(const ParsedArgs& args, const char* option, const std::string& named, int count) {
    int number = -1;
    if (!TryStrToInt(args.has(option) ? args.value(option) : named, number)) return -1;
    return number >= 0 && number < count ? number : -1;
}

const std::string& NamedNumber(const PalletData& d) { return d.number; }
const std::string& NamedNumber(const OffsetData& d) { return d.program; }

}  // namespace

template <typename Block>
int BackupCommand::takeBlock(const Block& block, const char* option, int count, const char* what,
                             std::map<int, Block>& into, std::string& problem) const {
    const int n = BlockNumber(args_, option, NamedNumber(block), count);
    if (n < 0) {
        problem = Filled(UI_TEXT("Message", "%1 names no %2: give %3 N"),
                         {file_, ForPerson(what), option});
        return kExitUsage;
    }
    into[n] = block;
    return kExitCompleted;
}

bool BackupCommand::Runs(const std::vector<std::string>& words) {
    return !words.empty() &&
           (words[0] == "backup" || words[0] == "compare" || words[0] == "restore");
}

BackupCommand::BackupCommand(std::vector<std::string> words, const ParsedArgs& args)
    : command_(words.at(0)), file_(words.size() == 2 ? words[1] : ""), args_(args) {}

int BackupCommand::failed() const { return command_ == "compare" ? kExitUnread : kExitFailed; }

int BackupCommand::prepare(Prompter& prompter, std::string& problem) {
    if (file_.empty()) {
        problem = Filled(UI_TEXT("Message", "%1 wants FILE"), {command_});
        return kExitUsage;
    }
    if (command_ != "compare" && (args_.has("--pallet") || args_.has("--program"))) {
        problem = UI_TEXT("Message", "--pallet and --program are for convert and compare");
        return kExitUsage;
    }
    if (command_ != "restore" && args_.has("--only")) {
        problem = UI_TEXT("Message", "--only is for restore");
        return kExitUsage;
    }
    if (command_ == "compare") return prepareCompare(prompter, problem);
    if (command_ == "backup") {
        if (const auto kind = KindOfFileName(file_)) {
            problem = Filled(UI_TEXT("Message",
                                     "%1 names %2: a backup takes another name (for example "
                                     "backup.zip)"),
                             {file_, ForPerson(Describe(*kind).fileName)});
            return kExitUsage;
        }
        return kExitCompleted;
    }
    parts_ = AllParts();
    if (args_.has("--only")) {
        const std::optional<DataParts> only = OnlyParts(parts_, args_.value("--only"), problem);
        if (!only) return kExitUsage;
        parts_ = *only;
    }
    return OpenBackup(file_, data_, prompter) ? kExitCompleted : kExitUnread;
}

int BackupCommand::prepareCompare(Prompter& prompter, std::string& problem) {
    const std::optional<DataKind> kind = KindOfFileName(file_);
    if (args_.has("--pallet") && kind != DataKind::Pallet) {
        problem = UI_TEXT("Message", "--pallet is for a pallet file (.plt)");
        return kExitUsage;
    }
    if (args_.has("--program") && kind != DataKind::Offset) {
        problem = UI_TEXT("Message", "--program is for an offset file (.off)");
        return kExitUsage;
    }
    if (!kind) return OpenBackup(file_, data_, prompter) ? kExitCompleted : kExitUnread;

    const std::unique_ptr<KindDocument> document = MakeDocument(*kind);
    if (document->open(file_, prompter) != OpenOutcome::Completed) return kExitUnread;
    switch (*kind) {
        case DataKind::Step:
            data_.steps = DocumentData<StepTable>(*document);
            break;
        case DataKind::Parameter:
            data_.parameters = DocumentData<ParameterTable>(*document);
            break;
        case DataKind::Pallet:
            return takeBlock(DocumentData<PalletData>(*document), "--pallet", kPalletCount,
                             UI_TEXT("Message", "pallet 0 to 19"), data_.pallets, problem);
        case DataKind::Offset:
            return takeBlock(DocumentData<OffsetData>(*document), "--program", kOffsetPrograms,
                             UI_TEXT("Message", "program 0 to 5"), data_.offsets, problem);
    }
    return kExitCompleted;
}

int BackupCommand::run(ProcedureContext& ctx, std::ostream& out, std::ostream& err) {
    if (command_ == "restore") {
        RestoreReport report;
        if (RestoreData(ctx, data_, parts_, &report) == Outcome::Completed) return kExitCompleted;
        // Said where scripts look, in place of the generic end, which would deny the parts sent.
        const std::string summary = RestoreSummary(report);
        if (!summary.empty())
            err << "mivo: restore " << ReadableText(file_) << ' ' << summary << std::endl;
        endSaid_ = !summary.empty();
        return kExitFailed;
    }
    if (command_ == "backup")
        return BackupController(ctx, file_) == Outcome::Completed ? kExitCompleted : kExitFailed;
    ControllerData read;
    if (ReadController(ctx, PartsOf(data_), read) != Outcome::Completed) return kExitUnread;
    const std::vector<Difference> differences = Differences(data_, read);
    for (const Difference& d : differences) out << DifferenceLine(d) << '\n';
    if (differences.empty()) out << "No differences\n";
    out.flush();
    return differences.empty() ? kExitCompleted : kExitFound;
}

}  // namespace mivo
