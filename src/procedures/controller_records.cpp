#include "procedures/controller_records.h"

#include "common/said_text.h"
#include "link/reply_class.h"
#include "procedures/reply_rules.h"
#include "procedures/transfer_session.h"

namespace mivo {

std::string VersionsText(const Versions& versions) {
    std::string text = versions.values[0];
    for (std::size_t i = 1; i < versions.values.size(); ++i) text += "/" + versions.values[i];
    return text;
}

Versions QueryVersions(ProcedureContext& ctx) {
    Versions result;
    TransferSession session(ctx, SessionKind::DataExchange);
    for (int i = 0; i < 5; ++i) {
        const std::string reply = ctx.send("@?Ver " + std::to_string(i));
        if (reply.empty()) return result;
        const bool data = ReplyClass(reply) == ReplyCode::Data;
        if (data && !FitsShape(reply, ValueShape::Word)) {
            ShowUnfitReply(ctx, "@?Ver " + std::to_string(i), reply);
            return result;
        }
        result.values[static_cast<std::size_t>(i)] = data ? reply : std::string();
        if (data) {
            if (!ConfirmValue(ctx, "@?Ver " + std::to_string(i), reply)) return result;
            continue;
        }
        const std::string second = ctx.next();
        if (second.compare(0, 2, "23") != 0) {
            ctx.prompter.showControllerError(second);
            return result;
        }
    }
    result.outcome = Outcome::Completed;
    return result;
}

ErrorRecord QueryErrorRecord(ProcedureContext& ctx) {
    ErrorRecord result;
    TransferSession session(ctx, SessionKind::DataExchange);
    if (!ctx.prompter.ask(UI_TEXT("Message", "Is error record received?"),
                          UI_TEXT("Message", "Error record receive"))) {
        result.outcome = Outcome::Declined;
        return result;
    }
    std::string line = ctx.channel.request("@READ ERR");
    for (int n = 0; n < 15; ++n) {
        if (line.compare(0, 2, "OK") == 0) line = "OK";
        result.lines.push_back(line);
        if (line.empty()) {
            result.lines.clear();
            return result;
        }
        const ReplyCode code = ReplyClass(line);
        if (code == ReplyCode::Ok) {
            result.outcome = Outcome::Completed;
            return result;
        }
        if (code != ReplyCode::Data) {
            ctx.prompter.showControllerError(ctx.next());
            result.lines.clear();
            return result;
        }
        // Noise, a control byte, a line cut at the line's bound: no line of the record.
        if (!FitsShape(line, ValueShape::Text)) {
            ShowUnfitReply(ctx, "@READ ERR", line);
            result.lines.clear();
            return result;
        }
        line = ctx.channel.next();
    }
    // Fifteen lines without a status word: shown as they came, but not a completed record.
    return result;
}

}  // namespace mivo
