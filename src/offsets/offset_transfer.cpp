#include "offsets/offset_transfer.h"

#include <optional>
#include <vector>

#include "common/convert.h"
#include "procedures/memory_transfer.h"
#include "procedures/transfer_session.h"

namespace mivo {

namespace {

const char* const kSendCaption = "Offset send";
const char* const kReceiveCaption = "Offset receive";
const char* const kInitCaption = "Offset initialize";
const char* const kSendError = "Sending error";

std::string AxisError(const MemoryItem& item) {
    return std::string("Error occurs!  ") + kAxisLetters[item.position];
}

std::optional<int> ProgramNumber(ProcedureContext& ctx, const OffsetData& data,
                                 const char* caption) {
    try {
        return StrToInt(data.program);
    } catch (const ConversionError& e) {
        ctx.prompter.notify(e.what(), caption);
        return std::nullopt;
    }
}

bool InRange(int program) { return program >= 0 && program < kOffsetPrograms; }

template <typename Value>
std::vector<MemoryItem> Items(int program, Value value) {
    std::vector<MemoryItem> items;
    for (int a = 0; a < kAxisCount; ++a)
        items.push_back(
            {OffsetParameter(program, a), value(a), a, ValueLength(OffsetParameter(program, a))});
    return items;
}

// The common start without the version query: the log anew, the progress over four axes.
void Start(ProcedureContext& ctx) {
    ctx.log.clear();
    ctx.view.showProgress(kAxisCount - 1);
}

bool Online(const OffsetTarget& target) { return !target.online || target.online(); }

void Changed(const OffsetTarget& target) {
    if (target.changed) target.changed();
}

}  // namespace

Outcome SendOffsets(ProcedureContext& ctx, const OffsetTarget& target) {
    if (!ctx.prompter.ask("Is offset sending executed?", kSendCaption)) return Outcome::Declined;
    const std::optional<int> program = ProgramNumber(ctx, target.data, kSendError);
    if (!program) return Outcome::Failed;
    if (!InRange(*program)) {
        ctx.prompter.notify("Program No. ranges from 0 to 5.", kSendError);
        return Outcome::Failed;
    }
    TransferSession session(ctx, SessionKind::DataExchange);
    Start(ctx);
    const MemoryTexts texts{.caption = kSendCaption,
                            .interrupted = "Sending is interrupted",
                            .itemError = AxisError,
                            .errorCaption = kSendError,
                            .noReply = "Error occurs"};
    const auto value = [&](int a) { return target.data.values[static_cast<std::size_t>(a)]; };
    const Outcome sent = WriteMemory(ctx, Items(*program, value), texts);
    if (sent == Outcome::Completed && Online(target))
        ctx.prompter.notify("Offset sending is completed", kSendCaption);
    return sent;
}

Outcome ReceiveOffsets(ProcedureContext& ctx, const OffsetTarget& target) {
    if (!ctx.prompter.ask("Is offset receiving executed?", kReceiveCaption))
        return Outcome::Declined;
    TransferSession session(ctx, SessionKind::DataExchange);
    Start(ctx);
    const std::optional<int> program = ProgramNumber(ctx, target.data, kReceiveCaption);
    if (!program) return Outcome::Failed;
    const MemoryTexts texts{.caption = kReceiveCaption,
                            .interrupted = "Receiving is interrupted",
                            .errorCaption = "Receiving error",
                            .noReply = "Error occurs",
                            .itemName = [](const MemoryItem& item) {
                                return OffsetFieldName(item.position) + " offset";
                            }};
    const auto store = [&](const MemoryItem& item, const std::string& value) {
        target.data.values[static_cast<std::size_t>(item.position)] = value;
        if (target.setModified) target.setModified();
        Changed(target);
    };
    const Outcome received =
        ReadMemory(ctx, Items(*program, [](int) { return std::string(); }), texts, store);
    if (received == Outcome::Completed && Online(target))
        ctx.prompter.notify("Offset receiving is completed", kReceiveCaption);
    return received;
}

Outcome InitializeOffsets(ProcedureContext& ctx, const OffsetTarget& target) {
    const std::optional<int> program = ProgramNumber(ctx, target.data, kInitCaption);
    if (!program) return Outcome::Failed;
    if (!InRange(*program)) {
        ctx.prompter.notify("Check PGM No.", kInitCaption);
        return Outcome::Failed;
    }
    if (!ctx.prompter.ask(
            "Offset data of PGM No." + std::to_string(*program) + " will be initialized.  OK?",
            kInitCaption))
        return Outcome::Declined;
    TransferSession session(ctx, SessionKind::DataExchange);
    Start(ctx);
    const MemoryTexts texts{.caption = kInitCaption,
                            .interrupted = "Initialize is interrupted",
                            .itemError = AxisError,
                            .errorCaption = kSendError,
                            .noReply = "Error occurs",
                            .noReplyCaption = kInitCaption};
    const auto accepted = [&](const MemoryItem& item) {
        target.data.values[static_cast<std::size_t>(item.position)] = kOffsetInitial;
        Changed(target);
    };
    const Outcome written =
        WriteMemory(ctx, Items(*program, [](int) { return std::string("0"); }), texts, accepted);
    if (written != Outcome::Completed) return written;
    if (Online(target)) ctx.prompter.notify("Offset initialize is completed", kInitCaption);
    if (target.setModified) target.setModified();
    return written;
}

}  // namespace mivo
