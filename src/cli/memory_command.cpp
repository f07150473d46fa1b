// `mivo pallet send FILE | receive NUMBER FILE | init NUMBER` and the same for `offset`: the
// pallet and offset editors' transfer on one pallet or one program's offsets.
#include <memory>
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "cli/kind_document.h"
#include "cli/port_operation.h"
#include "common/said_text.h"
#include "offsets/offset_transfer.h"
#include "pallets/pallet_transfer.h"
#include "procedures/memory_kind.h"
#include "procedures/procedure_context.h"

namespace mivo {

class MemoryCommand : public PortOperation {
  public:
    // `words`: "pallet" or "offset", the subcommand and its operands.
    explicit MemoryCommand(std::vector<std::string> words);

    // Before the line is opened: checks the operands (kExitUsage with `problem`) and, for
    // send, opens FILE (kExitFailed when it did not complete). kExitCompleted to go on.
    int prepare(Prompter& prompter, std::string& problem) override;

    // On the line: the transfer; receive writes FILE only when it reached its completion.
    int run(ProcedureContext& ctx, std::ostream& out, std::ostream& err) override;

  private:
    std::vector<std::string> words_;
    DataKind kind_;
    MemoryOperation operation_ = MemoryOperation::Send;
    std::unique_ptr<KindDocument> document_;
    std::string file_;
};

MemoryCommand::MemoryCommand(std::vector<std::string> words)
    : words_(std::move(words)),
      kind_(words_[0] == "pallet" ? DataKind::Pallet : DataKind::Offset),
      document_(MakeDocument(kind_)) {}

int MemoryCommand::prepare(Prompter& prompter, std::string& problem) {
    const std::size_t n = words_.size();
    const std::string sub = n >= 2 ? words_[1] : "";
    if (sub == "send" && n == 3) {
        file_ = words_[2];
    } else if (sub == "receive" && n == 4) {
        file_ = words_[3];
        operation_ = MemoryOperation::Receive;
    } else if (sub == "init" && n == 3) {
        operation_ = MemoryOperation::Initialize;
    } else {
        problem =
            Filled(UI_TEXT("Message", "%1 wants send FILE, receive NUMBER FILE or init NUMBER"),
                   {words_[0]});
        return kExitUsage;
    }
    // The number goes into the number field as typed.
    if (operation_ != MemoryOperation::Send) {
        (kind_ == DataKind::Pallet ? DocumentData<PalletData>(*document_).number
                                   : DocumentData<OffsetData>(*document_).program) = words_[2];
        return kExitCompleted;
    }
    return document_->open(file_, prompter) == OpenOutcome::Completed ? kExitCompleted
                                                                      : kExitFailed;
}

int MemoryCommand::run(ProcedureContext& ctx, std::ostream&, std::ostream&) {
    const Outcome outcome =
        kind_ == DataKind::Pallet
            ? TransferPallet(ctx, operation_, {DocumentData<PalletData>(*document_)})
            : TransferOffsets(ctx, operation_, {DocumentData<OffsetData>(*document_)});
    if (outcome != Outcome::Completed) return kExitFailed;
    if (operation_ == MemoryOperation::Receive && !document_->save(file_, ctx.prompter))
        return kExitFailed;
    return kExitCompleted;
}

std::unique_ptr<PortOperation> MakeMemoryCommand(std::vector<std::string> words) {
    return std::make_unique<MemoryCommand>(std::move(words));
}

}  // namespace mivo
