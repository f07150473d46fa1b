#include "steps/program_initialize.h"

#include "common/said_text.h"
#include "link/reply_class.h"
#include "procedures/program_control.h"
#include "procedures/reply_rules.h"
#include "procedures/transfer_session.h"

namespace mivo {

std::optional<std::string> InitializeQuestion(ProcedureContext& ctx, const StepTarget& steps) {
    TransferSession session(ctx, SessionKind::DataExchange);
    steps.modified();
    const ProgramNo pgm = QueryProgramNo(ctx);
    if (!pgm.ok) return std::nullopt;
    return Filled(UI_TEXT("Message", "Is PGM No.%1 initialize executed?"), {pgm.number});
}

Outcome InitializeProgram(ProcedureContext& ctx, const StepTarget& steps) {
    TransferSession session(ctx, SessionKind::DataExchange);
    const std::string reply = ctx.send("@INIT PGM");
    if (reply.empty()) return Outcome::Failed;
    if (ReplyClass(reply) != ReplyCode::Ok) {
        ShowRefusal(ctx, reply);
        return Outcome::Failed;
    }
    steps.table.clear();
    steps.shown(0, kStepCount - 1);
    steps.modified();
    ctx.prompter.notify(UI_TEXT("Message", "Program initialize is completed"),
                        UI_TEXT("Message", "Program initialize"));
    return Outcome::Completed;
}

std::string StepStartQuestion(const std::string& number) {
    return Filled(UI_TEXT("Message", "PGM %1 will be started.  OK?"), {number});
}

}  // namespace mivo
