#include "procedures/memory_transfer.h"

#include "link/reply_class.h"
#include "procedures/reply_rules.h"

namespace mivo {

namespace {

std::string ItemName(const MemoryItem& item, const MemoryTexts& texts) {
    return texts.itemName ? texts.itemName(item) : "parameter " + std::to_string(item.number);
}

// The end of a transfer at an item that got no reply: the transfer's notice, or for a read
// one naming the item when the transfer has none (nothing would say why the receive failed).
Outcome NoReply(ProcedureContext& ctx, const MemoryItem& item, const MemoryTexts& texts,
                bool read) {
    if (texts.noReply.empty()) {
        if (read) ShowUnfitReply(ctx, ItemName(item, texts), "");
    } else
        ctx.prompter.notify(texts.noReply, texts.noReplyCaption.empty() ? texts.errorCaption
                                                                        : texts.noReplyCaption);
    return Outcome::Failed;
}

// A refused item: the controller's error line, then the item's message unless it begins "31".
Outcome Refused(ProcedureContext& ctx, const MemoryItem& item, const std::string& reply,
                const MemoryTexts& texts) {
    const std::string line = RefusalLine(ctx, reply);
    if (texts.itemError)
        ShowItemError(ctx, line, texts.itemError(item), texts.errorCaption);
    else
        ctx.prompter.showControllerError(line);
    return Outcome::Failed;
}

}  // namespace

Outcome WriteMemory(ProcedureContext& ctx, const std::vector<MemoryItem>& items,
                    const MemoryTexts& texts,
                    const std::function<void(const MemoryItem&)>& accepted) {
    for (const MemoryItem& item : items) {
        if (StoppedBetweenItems(ctx, item.position, texts.interrupted, texts.caption))
            return Outcome::Interrupted;
        const std::string reply =
            ctx.send("@WRITE PRM " + std::to_string(item.number) + "," + item.value);
        if (reply.empty()) return NoReply(ctx, item, texts, false);
        if (ReplyClass(reply) != ReplyCode::Ok) return Refused(ctx, item, reply, texts);
        if (accepted) accepted(item);
    }
    return Outcome::Completed;
}

Outcome ReadMemory(ProcedureContext& ctx, const std::vector<MemoryItem>& items,
                   const MemoryTexts& texts,
                   const std::function<void(const MemoryItem&, const std::string&)>& store) {
    for (const MemoryItem& item : items) {
        if (StoppedBetweenItems(ctx, item.position, texts.interrupted, texts.caption))
            return Outcome::Interrupted;
        const std::string reply = ctx.send("@READ PRM " + std::to_string(item.number));
        if (reply.empty()) return NoReply(ctx, item, texts, true);
        if (ReplyClass(reply) != ReplyCode::Data) return Refused(ctx, item, reply, texts);
        // Noise is no value; and a value counts only with its trailing "OK", or a line that
        // went silent would cost each later item its whole wait.
        if (!FitsShape(reply, ValueShape::Number) ||
            (item.longest > 0 && reply.size() > item.longest)) {
            ShowUnfitReply(ctx, ItemName(item, texts), reply);
            return Outcome::Failed;
        }
        if (!ConfirmValue(ctx, ItemName(item, texts), reply)) return Outcome::Failed;
        store(item, reply);
    }
    return Outcome::Completed;
}

}  // namespace mivo
