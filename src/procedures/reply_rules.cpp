#include "procedures/reply_rules.h"

#include "link/reply_class.h"

namespace mivo {

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

std::string ReadableErrorLine(const std::string& line) {
    static const char* const kHex = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (out.size() >= kReadableLength) {
            out += "... (" + std::to_string(line.size()) + " bytes)";
            break;
        }
        const auto b = static_cast<unsigned char>(line[i]);
        const bool undefined = b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
        if (b < 0x20 || b == 0x7F || undefined) {
            out += "\\x";
            out += kHex[b >> 4];
            out += kHex[b & 0xF];
        } else {
            out += static_cast<char>(b);
        }
    }
    return out;
}

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
