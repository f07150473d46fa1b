#include "offsets/offset_transfer.h"

#include "common/said_text.h"
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
        .send = {.question =
                     [](int) {
                         return std::string(UI_TEXT("Message", "Is offset sending executed?"));
                     },
                 .numberCaption = UI_TEXT("Message", "Sending error"),
                 .rangeMessage = UI_TEXT("Message", "Program No. ranges from 0 to 5."),
                 .rangeCaption = UI_TEXT("Message", "Sending error"),
                 .texts = SendingTexts(UI_TEXT("Message", "Offset send")),
                 .completed = UI_TEXT("Message", "Offset sending is completed")},
        .receive = {.question =
                        [](int) {
                            return std::string(UI_TEXT("Message", "Is offset receiving executed?"));
                        },
                    .numberCaption = UI_TEXT("Message", "Offset receive"),
                    .texts = ReceivingTexts(UI_TEXT("Message", "Offset receive")),
                    .completed = UI_TEXT("Message", "Offset receiving is completed")},
        .initialize = {.question =
                           [](int program) {
                               return Filled(UI_TEXT("Message",
                                                     "Offset data of PGM No.%1 will "
                                                     "be initialized.  OK?"),
                                             {std::to_string(program)});
                           },
                       .questionFirst = false,
                       .numberCaption = UI_TEXT("Message", "Offset initialize"),
                       .rangeMessage = UI_TEXT("Message", "Check PGM No."),
                       .rangeCaption = UI_TEXT("Message", "Offset initialize"),
                       .texts = {.caption = UI_TEXT("Message", "Offset initialize"),
                                 .interrupted = UI_TEXT("Message", "Initialize is interrupted"),
                                 .errorCaption = UI_TEXT("Message", "Sending error"),
                                 .noReply = UI_TEXT("Message", "Error occurs"),
                                 .noReplyCaption = UI_TEXT("Message", "Offset initialize")},
                       .completed = UI_TEXT("Message", "Offset initialize is completed"),
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
