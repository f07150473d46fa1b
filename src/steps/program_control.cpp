#include "steps/program_control.h"

#include "link/reply_class.h"

namespace mivo {

namespace {

const char* const kOriginCaption = "Return to origin";
const char* const kStartCaption = "Operation start";

// The controller's error after a status word, or a data line itself.
void ShowRefusal(StepContext& ctx, const std::string& reply) {
    ctx.prompter.showControllerError(IsStatusWord(ReplyClass(reply)) ? ctx.next() : reply);
}

// "@ORG" with the dialog showing a motion (Cancel then sends "@MSTOP").
bool SendOrigin(StepContext& ctx) {
    ctx.view.setCancelTexts("Operating", "Stop operation");
    ctx.view.setDataExchange(false);
    const std::string reply = ctx.send("@ORG");
    if (reply.empty()) return false;
    if (ReplyClass(reply) == ReplyCode::Ok) return true;
    ShowRefusal(ctx, reply);
    return false;
}

}  // namespace

Outcome AcquireProgramNo(StepContext& ctx) {
    TransferSession session(ctx, "Transferring", "Cancel", true);
    return QueryProgramNo(ctx).ok ? Outcome::Completed : Outcome::Failed;
}

Outcome ExecuteOperation(StepContext& ctx) {
    TransferSession session(ctx, "Transferring", "Cancel", true);
    const ProgramNo pgm = QueryProgramNo(ctx);
    if (!pgm.ok) return Outcome::Failed;

    const std::string org = ctx.send("@?ORG");
    if (org.empty()) return Outcome::Failed;
    std::string state;
    const ReplyCode orgCode = ReplyClass(org);
    if (IsStatusWord(orgCode)) {
        ctx.prompter.showControllerError(ctx.next());
        return Outcome::Failed;
    }
    if (orgCode == ReplyCode::Data) {
        if (org.size() != 1) {
            ctx.prompter.showControllerError(org);
            return Outcome::Failed;
        }
        state = org;
        ctx.next();
    }
    if (state != "1") {
        if (!ctx.prompter.ask("Return to origin?", kOriginCaption)) return Outcome::Declined;
        if (!SendOrigin(ctx)) return Outcome::Failed;
    }

    const int n = ProgramIndex(pgm.number);
    if (n < 0) {
        ctx.prompter.notify("Check PGM No.", kStartCaption);
        return Outcome::Failed;
    }
    if (!ctx.prompter.ask("PGM " + pgm.number + " will be started.  OK?", kStartCaption))
        return Outcome::Declined;

    ctx.view.setCancelTexts("Operating", "Stop operation");
    ctx.view.setDataExchange(false);
    for (std::string line = ctx.send("@RUN");; line = ctx.next()) {
        if (line.empty()) return Outcome::Failed;
        switch (ReplyClass(line)) {
            case ReplyCode::Ok:
            case ReplyCode::Cend:
                break;
            case ReplyCode::Err:
            case ReplyCode::Mstop:
            case ReplyCode::Stop:
                ctx.prompter.showControllerError(ctx.next());
                break;
            case ReplyCode::End:
                ctx.prompter.notify("END: Program operation end", "RUN execute");
                return Outcome::Completed;
            case ReplyCode::Ng:
            case ReplyCode::Emg:
                ctx.prompter.showControllerError(ctx.next());
                return Outcome::Failed;
            case ReplyCode::Data:
                ctx.prompter.showControllerError(line);
                return Outcome::Failed;
        }
    }
}

Outcome ReturnToOrigin(StepContext& ctx) {
    if (!ctx.prompter.ask("Return to origin?", kOriginCaption)) return Outcome::Declined;
    TransferSession session(ctx, "Operating", "Stop operation", false);
    return SendOrigin(ctx) ? Outcome::Completed : Outcome::Failed;
}

Outcome MotorFree(StepContext& ctx) {
    TransferSession session(ctx, "MSTOP send", "Cancel", false);
    if (ctx.send("@MSTOP").empty()) return Outcome::Failed;
    ctx.next();
    return Outcome::Completed;
}

std::optional<std::string> InitializeQuestion(StepContext& ctx) {
    TransferSession session(ctx, "Transferring", "Cancel", true);
    if (ctx.setStepModified) ctx.setStepModified();
    const ProgramNo pgm = QueryProgramNo(ctx);
    if (!pgm.ok) return std::nullopt;
    return "Is PGM No." + pgm.number + " initialize executed?";
}

Outcome InitializeProgram(StepContext& ctx, StepTable& table) {
    TransferSession session(ctx, "Transferring", "Cancel", true);
    const std::string reply = ctx.send("@INIT PGM");
    if (reply.empty()) return Outcome::Failed;
    if (ReplyClass(reply) != ReplyCode::Ok) {
        ShowRefusal(ctx, reply);
        return Outcome::Failed;
    }
    table.clear();
    ctx.stepsWritten(0, kStepCount - 1);
    if (ctx.setStepModified) ctx.setStepModified();
    ctx.prompter.notify("Program initialize is completed", "Program initialize");
    return Outcome::Completed;
}

}  // namespace mivo
