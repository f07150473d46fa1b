#include "procedures/reply_rules.h"

#include <string_view>

#include "common/said_text.h"
#include "link/line_assembler.h"
#include "link/reply_class.h"

namespace mivo {

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

std::string ReadableErrorLine(const std::string& line) { return ReadableText(line); }

namespace {

bool IsNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    bool digit = false, point = false;
    for (; i < text.size() && text[i] != ' '; ++i) {
        if (text[i] >= '0' && text[i] <= '9')
            digit = true;
        else if (text[i] == '.' && !point)
            point = true;
        else
            return false;
    }
    while (i < text.size() && text[i] == ' ') ++i;
    return digit && i == text.size() && text.size() <= kLongestNumber;
}

bool IsDigits(const std::string& text, std::size_t most) {
    if (text.empty() || text.size() > most) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace

bool FitsShape(const std::string& reply, ValueShape shape) {
    switch (shape) {
        case ValueShape::Number:
            return IsNumber(reply);
        case ValueShape::Numbers: {
            std::size_t start = 0;
            for (int n = 0; n < 4; ++n) {
                const std::size_t comma = reply.find(',', start);
                if (!IsNumber(std::string_view(reply).substr(start, comma - start))) return false;
                if (comma == std::string::npos) return true;
                start = comma + 1;
            }
            return false;
        }
        case ValueShape::Digit:
            return IsDigits(reply, 1);
        case ValueShape::Bit:
            return reply == "0" || reply == "1";
        case ValueShape::StepNumber:
            return IsDigits(reply, 3);
        case ValueShape::Word:
            if (reply.empty() || reply.size() > kLongestWord) return false;
            for (char c : reply)
                if (c <= ' ' || c > '~') return false;
            return true;
        case ValueShape::Text:
            if (reply.empty() || reply.size() >= LineAssembler::kMaxLine) return false;
            for (char c : reply)
                if (c < ' ' || c > '~') return false;
            return true;
    }
    return false;
}

void ShowUnfitReply(ProcedureContext& ctx, const std::string& item, const std::string& reply) {
    const std::string quoted = "'" + ReadableErrorLine(reply) + "'";
    if (reply.empty())
        ctx.prompter.notify(
            Filled(UI_TEXT("Message", "No reply from the controller for %1"), {item}),
            kReplyErrorCaption);
    else if (reply.size() >= LineAssembler::kMaxLine)
        ctx.prompter.notify(Filled(UI_TEXT("Message",
                                           "The controller's reply for %1 was cut at the "
                                           "%2 bytes a line may hold: %3"),
                                   {item, std::to_string(LineAssembler::kMaxLine), quoted}),
                            kReplyErrorCaption);
    else
        ctx.prompter.notify(
            Filled(UI_TEXT("Message", "The controller's reply for %1 is no value it can hold: %2"),
                   {item, quoted}),
            kReplyErrorCaption);
}

bool ConfirmValue(ProcedureContext& ctx, const std::string& item, const std::string& value) {
    return ConfirmValue(ctx, item, value, ctx.trailing());
}

bool ConfirmValue(ProcedureContext& ctx, const std::string& item, const std::string& value,
                  const std::string& line) {
    if (ReplyClass(line) == ReplyCode::Ok) return true;
    if (!line.empty()) ctx.channel.drain();
    ShowUnfitReply(ctx, item, line.empty() ? line : value);
    return false;
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
