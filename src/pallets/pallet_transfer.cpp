#include "pallets/pallet_transfer.h"

#include "procedures/memory_kind.h"

namespace mivo {

namespace {

const MemoryKind& PalletMemory() {
    static const MemoryKind kind{
        .items = kPalletSentFields,
        .numbers = kPalletCount,
        .parameter = PalletParameter,
        .longest = ValueLength,
        // Z1's refusal reads "Z".
        .refusedName = [](int f) { return std::string(f == PalletZ1 ? "Z" : PalletFieldName(f)); },
        .readName = [](int f) { return std::string(PalletFieldName(f)); },
        .initial = [](int f) { return std::string(f >= PalletXPartitions ? "1" : "0"); },
        .shown = [](int f) { return std::string(f >= PalletXPartitions ? "1" : "0.00"); },
        .send = {.question = [](int) { return std::string("Is pallet sending executed?"); },
                 .questionFirst = false,
                 .numberCaption = "Pallet error",
                 .rangeMessage = "Pallet No. ranges from 0 to 19",
                 .rangeCaption = "Pallet error",
                 .texts = SendingTexts("Pallet send"),
                 .completed = "Pallet sending is completed"},
        .receive = {.question = [](int) { return std::string("Is pallet receiving executed?"); },
                    .numberCaption = "Pallet receive",
                    .texts = ReceivingTexts("Pallet receive"),
                    .completed = "Pallet receiving is completed"},
        .initialize = {.question =
                           [](int) { return std::string("Is pallet initialize executed?"); },
                       .numberCaption = "Initialize error",
                       .rangeMessage = "Pallet No. ranges from 0 to 19",
                       .rangeCaption = "Initialize error",
                       .texts = {.caption = "Pallet initialize",
                                 .interrupted = "Initialize is interrupted",
                                 .errorCaption = "Initialize error",
                                 .noReply = "Error occurs!"},
                       .completed = "Initialize is completed"}};
    return kind;
}

}  // namespace

Outcome TransferPallet(ProcedureContext& ctx, MemoryOperation operation,
                       const PalletTarget& target) {
    PalletData& data = target.data;
    // The Z cells without a parameter are emptied at the end of every transfer.
    const MemoryTarget block{data.number,
                             data.fields,
                             target.setModified,
                             target.changed,
                             target.online,
                             [&] {
                                 data.z2.clear();
                                 data.z3.clear();
                                 if (target.changed) target.changed();
                             },
                             target.only};
    return TransferMemory(ctx, PalletMemory(), operation, block);
}

}  // namespace mivo
