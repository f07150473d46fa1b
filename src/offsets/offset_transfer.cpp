#include "offsets/offset_transfer.h"

#include "procedures/memory_kind.h"

namespace mivo {

namespace {

const MemoryKind& OffsetMemory() {
    static const MemoryKind kind{
        .items = kAxisCount,
        .numbers = kOffsetPrograms,
        .parameter = OffsetParameter,
        .longest = ValueLength,
        .refusedName = [](int a) { return std::string(1, kAxisLetters[a]); },
        .readName = [](int a) { return OffsetFieldName(a) + " offset"; },
        .initial = [](int) { return std::string("0"); },
        .shown = [](int) { return std::string(kOffsetInitial); },
        .send = {.question = [](int) { return std::string("Is offset sending executed?"); },
                 .numberCaption = "Sending error",
                 .rangeMessage = "Program No. ranges from 0 to 5.",
                 .rangeCaption = "Sending error",
                 .texts = SendingTexts("Offset send"),
                 .completed = "Offset sending is completed"},
        .receive = {.question = [](int) { return std::string("Is offset receiving executed?"); },
                    .numberCaption = "Offset receive",
                    .texts = ReceivingTexts("Offset receive"),
                    .completed = "Offset receiving is completed"},
        .initialize = {.question =
                           [](int program) {
                               return "Offset data of PGM No." + std::to_string(program) +
                                      " will be initialized.  OK?";
                           },
                       .questionFirst = false,
                       .numberCaption = "Offset initialize",
                       .rangeMessage = "Check PGM No.",
                       .rangeCaption = "Offset initialize",
                       .texts = {.caption = "Offset initialize",
                                 .interrupted = "Initialize is interrupted",
                                 .errorCaption = "Sending error",
                                 .noReply = "Error occurs",
                                 .noReplyCaption = "Offset initialize"},
                       .completed = "Offset initialize is completed",
                       .setsModified = true}};
    return kind;
}

}  // namespace

Outcome TransferOffsets(ProcedureContext& ctx, MemoryOperation operation,
                        const OffsetTarget& target) {
    return TransferMemory(ctx, OffsetMemory(), operation,
                          {target.data.program,
                           target.data.values,
                           target.setModified,
                           target.changed,
                           target.online,
                           {},
                           target.only});
}

}  // namespace mivo
