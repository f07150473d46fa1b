#include "backup/backup_transfer.h"

#include "backup/backup_archive.h"
#include "common/said_text.h"
#include "offsets/offset_transfer.h"
#include "pallets/pallet_transfer.h"
#include "parameters/parameter_transfer.h"
#include "procedures/program_control.h"
#include "procedures/quiet_reads.h"
#include "procedures/transfer_session.h"
#include "steps/step_transfer.h"

namespace mivo {

namespace {

// Runs each part in turn until one does not complete, noting how far it came.
class Parts {
  public:
    explicit Parts(RestoreReport& report) : report_(report) {}
    // `part` named `name`; `sent` notes it in the report once it completed.
    template <class Part, class Sent>
    Parts& then(const std::string& name, Part part, Sent sent) {
        if (report_.outcome != Outcome::Completed) return *this;
        report_.outcome = part();
        if (report_.outcome == Outcome::Completed)
            sent(report_.sent);
        else
            report_.stoppedAt = name;
        return *this;
    }

  private:
    RestoreReport& report_;
};

// Passes everything on, each caption followed by the part it is about ("Pallet send (pallet
// 3)"): a restore asks the same question of twenty pallets, which must be told apart.
class PartNamingPrompter : public ForwardingPrompter {
  public:
    PartNamingPrompter(Prompter& inner, std::string part)
        : ForwardingPrompter(inner), part_(std::move(part)) {}
    bool ask(const std::string& text, const std::string& caption) override {
        return inner_.ask(text, named(caption));
    }
    Answer askYesNoCancel(const std::string& text, const std::string& caption) override {
        return inner_.askYesNoCancel(text, named(caption));
    }
    void notify(const std::string& text, const std::string& caption) override {
        inner_.notify(text, named(caption));
    }
    void notifyDetail(const std::string& text, const std::string& caption,
                      const std::string& detail) override {
        inner_.notifyDetail(text, named(caption), detail);
    }

  private:
    std::string named(const std::string& caption) const {
        return Filled(UI_TEXT("Message", "%1 (%2)"), {caption, part_});
    }
    std::string part_;
};

// `ctx` whose messages name `part`.
struct PartContext {
    PartContext(const ProcedureContext& of, const std::string& part)
        : prompter(of.prompter, part), ctx{of.channel, prompter,         of.view,
                                           of.log,     of.showProgramNo, of.unseenTrailing} {}
    PartNamingPrompter prompter;
    ProcedureContext ctx;
};

// Each numbered block (a pallet, a program's offsets) sent as its screen's send does, named
// `name` N in the report and `told` filled with N in the questions.
template <class Block, class Transfer>
void SendBlocks(Parts& run, ProcedureContext& ctx, const std::vector<int>& numbers,
                std::map<int, Block>& blocks, const std::string& name, const char* told,
                Transfer transfer, std::vector<int> DataParts::*sentList) {
    for (const int n : numbers)
        run.then(
            name + std::to_string(n),
            [&] {
                PartContext named(ctx, Filled(told, {std::to_string(n)}));
                return transfer(named.ctx, MemoryOperation::Send, {blocks.at(n)});
            },
            [n, sentList](DataParts& sent) { (sent.*sentList).push_back(n); });
}

// "pallets 0 to 2", "pallet 3", "pallets 0, 2": `numbers` of a kind, runs joined.
std::string Numbered(const char* kind, const std::vector<int>& numbers) {
    std::string text = kind;
    if (numbers.size() > 1) text += "s";
    for (std::size_t i = 0; i < numbers.size();) {
        std::size_t j = i;
        while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1) ++j;
        text += (i == 0 ? " " : ", ") + std::to_string(numbers[i]);
        if (j > i) text += " to " + std::to_string(numbers[j]);
        i = j + 1;
    }
    return text;
}

const char* const kRestoreCaption = UI_TEXT("Message", "Restore");

}  // namespace

Outcome ReadController(ProcedureContext& ctx, const DataParts& parts, ControllerData& data) {
    data = {};
    QuietReads reads(ctx);
    if (parts.steps) {
        const Outcome read =
            ReadCurrentProgram(reads, ctx.prompter, data.steps.emplace(), data.program);
        if (read != Outcome::Completed) return read;
    }
    if (parts.parameters)
        reads.then([&](ProcedureContext& read) {
            return ReceiveParameters(read, {data.parameters.emplace()});
        });
    for (const int n : parts.pallets)
        reads.then([&](ProcedureContext& read) {
            PalletData& pallet = data.pallets[n];
            pallet.number = std::to_string(n);
            return TransferPallet(read, MemoryOperation::Receive, {pallet});
        });
    for (const int p : parts.offsets)
        reads.then([&](ProcedureContext& read) {
            OffsetData& offsets = data.offsets[p];
            offsets.program = std::to_string(p);
            return TransferOffsets(read, MemoryOperation::Receive, {offsets});
        });
    return reads.outcome();
}

Outcome BackupController(ProcedureContext& ctx, const std::string& path) {
    // Asked before the reads, which take minutes on the line, not after them.
    if (!ConfirmBackupTarget(path, ctx.prompter)) return Outcome::Declined;
    ControllerData data;
    const Outcome read = ReadController(ctx, AllParts(), data);
    if (read != Outcome::Completed) return read;
    return WriteBackup(data, path, ctx.prompter) ? Outcome::Completed : Outcome::Failed;
}

Outcome RestoreData(ProcedureContext& ctx, ControllerData& data, const DataParts& parts,
                    RestoreReport* report) {
    RestoreReport own;
    RestoreReport& r = report ? *report : own;
    r = {};
    Parts run(r);
    if (parts.steps) {
        run.then(
            "steps",
            [&] {
                {
                    TransferSession session(ctx, SessionKind::DataExchange);
                    const ProgramNo pgm = QueryProgramNo(ctx);
                    if (!pgm.ok) return Outcome::Failed;
                    if (pgm.number != data.program) {
                        ctx.prompter.notify(
                            Filled(UI_TEXT("Message",
                                           "The backup is of PGM%1, the controller's current "
                                           "program is PGM%2. Nothing was sent."),
                                   {data.program, pgm.number}),
                            kRestoreCaption);
                        return Outcome::Failed;
                    }
                }
                PartContext named(ctx, Filled(UI_TEXT("Message", "PGM %1"), {data.program}));
                return QuickSendSteps(named.ctx, {*data.steps},
                                      UI_TEXT("Message",
                                              "the archive still holds the whole "
                                              "program: restore again"));
            },
            [](DataParts& sent) { sent.steps = true; });
    }
    if (parts.parameters)
        run.then(
            "parameters", [&] { return SendParameters(ctx, {*data.parameters}); },
            [](DataParts& sent) { sent.parameters = true; });
    SendBlocks(run, ctx, parts.pallets, data.pallets, "pallet ", UI_TEXT("Message", "pallet %1"),
               TransferPallet, &DataParts::pallets);
    SendBlocks(run, ctx, parts.offsets, data.offsets, "offset ",
               UI_TEXT("Message", "offsets of PGM %1"), TransferOffsets, &DataParts::offsets);
    return r.outcome;
}

std::string RestoreSummary(const RestoreReport& report) {
    const DataParts& sent = report.sent;
    std::vector<std::string> names;
    if (sent.steps) names.emplace_back("steps");
    if (sent.parameters) names.emplace_back("parameters");
    if (!sent.pallets.empty()) names.push_back(Numbered("pallet", sent.pallets));
    if (!sent.offsets.empty()) names.push_back(Numbered("offset", sent.offsets));
    if (report.outcome == Outcome::Completed || names.empty()) return "";
    std::string text = "sent";
    for (std::size_t i = 0; i < names.size(); ++i) text += (i ? ", " : " ") + names[i];
    return text + "; stopped at " + report.stoppedAt +
           (report.outcome == Outcome::Declined ? ": answered No" : ": it did not complete");
}

}  // namespace mivo
