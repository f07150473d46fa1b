#include "pallets/pallet_transfer.h"

#include "common/said_text.h"
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
        .send = {.question =
                     [](int) {
                         return std::string(UI_TEXT("Message", "Is pallet sending executed?"));
                     },
                 .questionFirst = false,
                 .numberCaption = UI_TEXT("Message", "Pallet error"),
                 .rangeMessage = UI_TEXT("Message", "Pallet No. ranges from 0 to 19"),
                 .rangeCaption = UI_TEXT("Message", "Pallet error"),
                 .texts = SendingTexts(UI_TEXT("Message", "Pallet send")),
                 .completed = UI_TEXT("Message", "Pallet sending is completed")},
        .receive = {.question =
                        [](int) {
                            return std::string(UI_TEXT("Message", "Is pallet receiving executed?"));
                        },
                    .numberCaption = UI_TEXT("Message", "Pallet receive"),
                    .texts = ReceivingTexts(UI_TEXT("Message", "Pallet receive")),
                    .completed = UI_TEXT("Message", "Pallet receiving is completed")},
        .initialize = {.question =
                           [](int) {
                               return std::string(
                                   UI_TEXT("Message", "Is pallet initialize executed?"));
                           },
                       .numberCaption = UI_TEXT("Message", "Initialize error"),
                       .rangeMessage = UI_TEXT("Message", "Pallet No. ranges from 0 to 19"),
                       .rangeCaption = UI_TEXT("Message", "Initialize error"),
                       .texts = {.caption = UI_TEXT("Message", "Pallet initialize"),
                                 .interrupted = UI_TEXT("Message", "Initialize is interrupted"),
                                 .errorCaption = UI_TEXT("Message", "Initialize error"),
                                 .noReply = UI_TEXT("Message", "Error occurs!")},
                       .completed = UI_TEXT("Message", "Initialize is completed")}};
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
