#include "cli/memory_command.h"

#include "cli/cli_args.h"
#include "cli/convert_command.h"
#include "offsets/offset_transfer.h"
#include "pallets/pallet_transfer.h"

namespace mivo {

namespace {

int Status(Outcome outcome) { return outcome == Outcome::Completed ? kExitCompleted : kExitFailed; }

}  // namespace

MemoryCommand::MemoryCommand(std::vector<std::string> words) : words_(std::move(words)) {}

int MemoryCommand::prepare(Prompter& prompter, std::string& problem) {
    const std::size_t n = words_.size();
    const std::string sub = n >= 2 ? words_[1] : "";
    if (sub == "send" && n == 3) {
        file_ = words_[2];
    } else if (sub == "receive" && n == 4) {
        file_ = words_[3];
    } else if (sub == "init" && n == 3) {
    } else {
        problem = words_[0] + " wants send FILE, receive NUMBER FILE or init NUMBER";
        return kExitUsage;
    }
    // The number goes into the number field as typed.
    if (sub != "send") {
        (pallet() ? palletData_.number : offsetData_.program) = words_[2];
        return kExitCompleted;
    }
    const OpenOutcome opened =
        pallet() ? OpenPalletFile(palletData_, file_, OpenFilterForPath(PalletFileKind(), file_),
                                  prompter)
                 : OpenOffsetFile(offsetData_, file_, OpenFilterForPath(OffsetFileKind(), file_),
                                  prompter);
    return opened == OpenOutcome::Completed ? kExitCompleted : kExitFailed;
}

int MemoryCommand::run(ProcedureContext& ctx) {
    const std::string& sub = words_[1];
    if (pallet()) {
        const PalletTarget target{palletData_};
        if (sub == "send") return Status(SendPallet(ctx, target));
        if (sub == "init") return Status(InitializePallet(ctx, target));
        if (ReceivePallet(ctx, target) != Outcome::Completed) return kExitFailed;
        return SavePalletFile(palletData_, file_, SaveFilterForPath(PalletFileKind(), file_),
                              ctx.prompter)
                   ? kExitCompleted
                   : kExitFailed;
    }
    const OffsetTarget target{offsetData_};
    if (sub == "send") return Status(SendOffsets(ctx, target));
    if (sub == "init") return Status(InitializeOffsets(ctx, target));
    if (ReceiveOffsets(ctx, target) != Outcome::Completed) return kExitFailed;
    return SaveOffsetFile(offsetData_, file_, SaveFilterForPath(OffsetFileKind(), file_),
                          ctx.prompter)
               ? kExitCompleted
               : kExitFailed;
}

}  // namespace mivo
