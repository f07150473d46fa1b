#include "procedures/reply_rules.h"

#include "link/reply_class.h"

namespace mivo {

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

std::string ReadableErrorLine(const std::string& line) { return ReadableText(line); }

std::string RefusalLine(ProcedureContext& ctx, const std::string& reply) {
    return IsStatusWord(ReplyClass(reply)) ? ctx.next() : reply;
}

void ShowRefusal(ProcedureContext& ctx, const std::string& reply) {
    ctx.prompter.showControllerError(RefusalLine(ctx, reply));
}

void ShowItemError(ProcedureContext& ctx, const std::string& errorLine,
                   const std::string& itemMessage, const std::string& caption, bool resetAfter07) {
    ctx.prompter.showControllerError(errorLine);
    if (resetAfter07) ResetAfter07(ctx, errorLine);
    if (!StartsWith(errorLine, "31")) ctx.prompter.notify(itemMessage, caption);
}

bool ResetAfter07(ProcedureContext& ctx, const std::string& errorLine) {
    if (!StartsWith(errorLine, "07")) return false;
    ctx.send("@");
    return true;
}

bool StoppedBetweenItems(ProcedureContext& ctx, int position, const std::string& message,
                         const std::string& caption) {
    if (ctx.view.cancelRequested()) {
        ctx.prompter.notify(message, caption);
        ctx.view.setCancelRequested(false);
        return true;
    }
    ctx.view.setProgress(position);
    return false;
}

}  // namespace mivo
