#include "procedures/memory_kind.h"

#include <optional>
#include <utility>
#include <vector>

#include "common/convert.h"
#include "common/said_text.h"
#include "procedures/transfer_session.h"

namespace mivo {

namespace {

std::optional<int> BlockNumber(ProcedureContext& ctx, const std::string& number,
                               const std::string& caption) {
    try {
        return StrToInt(number);
    } catch (const ConversionError& e) {
        ctx.prompter.notify(e.what(), caption);
        return std::nullopt;
    }
}

// The number checked as the operation says; nullopt after its message.
std::optional<int> CheckedNumber(ProcedureContext& ctx, const MemoryKind& kind,
                                 const MemoryOperationTexts& op, const MemoryTarget& target) {
    const std::optional<int> number = BlockNumber(ctx, target.number, op.numberCaption);
    if (!number || op.rangeMessage.empty() || (*number >= 0 && *number < kind.numbers))
        return number;
    ctx.prompter.notify(op.rangeMessage, op.rangeCaption);
    return std::nullopt;
}

std::vector<MemoryItem> Items(const MemoryKind& kind, int number, const MemoryTarget& target,
                              const std::function<std::string(int)>& value) {
    std::vector<MemoryItem> items;
    for (int i = 0; i < kind.items; ++i) {
        if (target.only && !target.only(i)) continue;
        const int parameter = kind.parameter(number, i);
        items.push_back({parameter, value ? value(i) : std::string(), i, kind.longest(parameter)});
    }
    return items;
}

void Changed(const MemoryTarget& target) {
    if (target.changed) target.changed();
}

// The exchange, inside the session: the log anew, the progress over the items.
Outcome Exchange(ProcedureContext& ctx, const MemoryKind& kind, MemoryOperation operation,
                 const MemoryOperationTexts& op, const MemoryTarget& target,
                 std::optional<int> number) {
    ctx.log.clear();
    ctx.view.showProgress(kind.items - 1);
    if (!number) number = BlockNumber(ctx, target.number, op.numberCaption);
    if (!number) return Outcome::Failed;
    MemoryTexts texts = op.texts;
    const auto at = [&](const MemoryItem& item) -> std::string& {
        return target.values[static_cast<std::size_t>(item.position)];
    };
    Outcome outcome;
    if (operation == MemoryOperation::Receive) {
        texts.itemName = [&](const MemoryItem& item) { return kind.readName(item.position); };
        const auto store = [&](const MemoryItem& item, const std::string& value) {
            at(item) = value;
            if (target.setModified) target.setModified();
            Changed(target);
        };
        outcome = ReadMemory(ctx, Items(kind, *number, target, {}), texts, store);
    } else {
        texts.itemError = [&](const MemoryItem& item) {
            return Filled(UI_TEXT("Message", "Error occurs!  %1"),
                          {kind.refusedName(item.position)});
        };
        const bool send = operation == MemoryOperation::Send;
        const auto value = [&](int i) {
            return send ? target.values[static_cast<std::size_t>(i)] : kind.initial(i);
        };
        const auto accepted = [&](const MemoryItem& item) {
            if (send) return;
            at(item) = kind.shown(item.position);
            Changed(target);
        };
        outcome = WriteMemory(ctx, Items(kind, *number, target, value), texts, accepted);
    }
    if (outcome != Outcome::Completed) return outcome;
    if (!target.online || target.online()) ctx.prompter.notify(op.completed, op.texts.caption);
    if (op.setsModified && target.setModified) target.setModified();
    return outcome;
}

}  // namespace

MemoryTexts SendingTexts(std::string caption) {
    return {.caption = std::move(caption),
            .interrupted = UI_TEXT("Message", "Sending is interrupted"),
            .errorCaption = UI_TEXT("Message", "Sending error"),
            .noReply = UI_TEXT("Message", "Error occurs")};
}

MemoryTexts ReceivingTexts(std::string caption) {
    return {.caption = std::move(caption),
            .interrupted = UI_TEXT("Message", "Receiving is interrupted"),
            .errorCaption = UI_TEXT("Message", "Receiving error"),
            .noReply = UI_TEXT("Message", "Error occurs")};
}

Outcome TransferMemory(ProcedureContext& ctx, const MemoryKind& kind, MemoryOperation operation,
                       const MemoryTarget& target) {
    const MemoryOperationTexts& op = operation == MemoryOperation::Send      ? kind.send
                                     : operation == MemoryOperation::Receive ? kind.receive
                                                                             : kind.initialize;
    // A receive takes the number as typed, inside its session; the others check it first.
    std::optional<int> number;
    const bool checkFirst = operation != MemoryOperation::Receive;
    if (op.questionFirst && !ctx.prompter.ask(op.question(0), op.texts.caption))
        return Outcome::Declined;
    if (checkFirst && !(number = CheckedNumber(ctx, kind, op, target))) return Outcome::Failed;
    if (!op.questionFirst && !ctx.prompter.ask(op.question(*number), op.texts.caption))
        return Outcome::Declined;
    Outcome outcome;
    {
        TransferSession session(ctx, SessionKind::DataExchange);
        outcome = Exchange(ctx, kind, operation, op, target, number);
    }
    if (target.finished) target.finished();
    return outcome;
}

}  // namespace mivo
