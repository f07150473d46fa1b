#include "procedures/program_control.h"

#include <chrono>
#include <optional>

#include "common/said_text.h"
#include "link/reply_class.h"
#include "procedures/reply_rules.h"
#include "procedures/run_account.h"
#include "procedures/transfer_session.h"

namespace mivo {

namespace {

const char* const kOriginQuestion = UI_TEXT("Message", "Return to origin?");
const char* const kOriginCaption = UI_TEXT("Message", "Return to origin");
const char* const kStartCaption = UI_TEXT("Message", "Operation start");

}  // namespace

bool SendOrigin(ProcedureContext& ctx) {
    SetSessionKind(ctx, SessionKind::Motion);
    const std::string reply = ctx.send("@ORG");
    if (reply.empty()) return false;
    if (ReplyClass(reply) == ReplyCode::Ok) return true;
    ShowRefusal(ctx, reply);
    return false;
}

ProgramNo QueryProgramNo(ProcedureContext& ctx) {
    const std::string reply = ctx.send("@?NO");
    if (reply.empty()) return {};
    const ReplyCode code = ReplyClass(reply);
    if (code == ReplyCode::Ok) return {true, ""};
    if (code != ReplyCode::Data) {
        ctx.prompter.showControllerError(ctx.next());
        return {};
    }
    if (!FitsShape(reply, ValueShape::Digit)) {
        ctx.prompter.showControllerError(reply);
        return {};
    }
    if (ctx.showProgramNo) ctx.showProgramNo(reply);
    const std::string status = ctx.trailing();
    if (ReplyClass(status) == ReplyCode::Ok) return {true, reply};
    ctx.prompter.showControllerError(status);
    ResetAfter07(ctx, status);
    return {};
}

int ProgramIndex(const std::string& number) {
    if (number.size() != 1 || number[0] < '0' || number[0] > '5') return -1;
    return number[0] - '0';
}

Outcome AcquireProgramNo(ProcedureContext& ctx) {
    TransferSession session(ctx, SessionKind::DataExchange);
    return QueryProgramNo(ctx).ok ? Outcome::Completed : Outcome::Failed;
}

Outcome CheckOrigin(ProcedureContext& ctx) {
    const std::string org = ctx.send("@?ORG");
    if (org.empty()) return Outcome::Failed;
    std::string state;
    const ReplyCode code = ReplyClass(org);
    if (IsStatusWord(code)) {
        ctx.prompter.showControllerError(ctx.next());
        return Outcome::Failed;
    }
    if (code == ReplyCode::Data) {
        if (!FitsShape(org, ValueShape::Digit)) {
            ctx.prompter.showControllerError(org);
            return Outcome::Failed;
        }
        state = org;
        if (!ConfirmValue(ctx, "@?ORG", org)) return Outcome::Failed;
    }
    if (state == "1") return Outcome::Completed;
    if (!ctx.prompter.ask(kOriginQuestion, kOriginCaption)) return Outcome::Declined;
    return SendOrigin(ctx) ? Outcome::Completed : Outcome::Failed;
}

Outcome ConfirmProgramStart(ProcedureContext& ctx, const StartQuestion& question, int* program) {
    const ProgramNo pgm = QueryProgramNo(ctx);
    if (!pgm.ok) return Outcome::Failed;
    const Outcome origin = CheckOrigin(ctx);
    if (origin != Outcome::Completed) return origin;

    if (ProgramIndex(pgm.number) < 0) {
        ctx.prompter.notify(UI_TEXT("Message", "Check PGM No."), kStartCaption);
        return Outcome::Failed;
    }
    if (!ctx.prompter.ask(question(pgm.number), kStartCaption)) return Outcome::Declined;
    if (program) *program = ProgramIndex(pgm.number);
    return Outcome::Completed;
}

Outcome ExecuteProgram(ProcedureContext& ctx, const StartQuestion& question) {
    TransferSession session(ctx, SessionKind::DataExchange);
    int program = -1;
    const Outcome start = ConfirmProgramStart(ctx, question, &program);
    if (start != Outcome::Completed) return start;

    SetSessionKind(ctx, SessionKind::Motion);
    // The run's account: a status word in place of the first "OK" refuses it; the first stop or
    // error the controller reports is how it ended, though "END" follows.
    RunAccount none;
    RunAccount& runs = ctx.runs ? *ctx.runs : none;
    const auto sent = std::chrono::steady_clock::now();
    bool accepted = false;
    std::optional<RunResult> stopped;
    std::string stoppedBy;
    const auto endedBy = [&](ReplyCode code, const std::string& error) {
        if (!accepted) {
            runs.refused();
            return;
        }
        if (stopped) return;
        stopped = RunEndedByReply(code);
        stoppedBy = error;
    };
    std::string line = ctx.send("@RUN");
    runs.started(program);
    for (;; line = ctx.next()) {
        if (line.empty()) {
            runs.ended(RunResult::LineLost, "no reply");
            return Outcome::Failed;
        }
        const ReplyCode code = ReplyClass(line);
        switch (code) {
            case ReplyCode::Ok:
            case ReplyCode::Cend:
                break;
            case ReplyCode::Err:
            case ReplyCode::Mstop:
            case ReplyCode::Stop: {
                const std::string error = ctx.next();
                ctx.prompter.showControllerError(error);
                endedBy(code, error);
                break;
            }
            case ReplyCode::End: {
                const auto cycle = std::chrono::duration_cast<std::chrono::milliseconds>(
                    std::chrono::steady_clock::now() - sent);
                if (stopped)
                    runs.ended(*stopped, stoppedBy);
                else
                    runs.ended(RunResult::End, {}, cycle.count());
                ctx.prompter.notify(UI_TEXT("Message", "END: Program operation end"),
                                    UI_TEXT("Message", "RUN execute"));
                return Outcome::Completed;
            }
            case ReplyCode::Ng:
            case ReplyCode::Emg: {
                const std::string error = ctx.next();
                ctx.prompter.showControllerError(error);
                endedBy(code, error);
                runs.ended(stopped.value_or(RunResult::Error), stoppedBy);
                return Outcome::Failed;
            }
            case ReplyCode::Data:
                ctx.prompter.showControllerError(line);
                runs.ended(RunResult::LineLost, "out of step: " + line);
                return Outcome::Failed;
        }
        accepted = true;
    }
}

Outcome ReturnToOrigin(ProcedureContext& ctx) {
    if (!ctx.prompter.ask(kOriginQuestion, kOriginCaption)) return Outcome::Declined;
    TransferSession session(ctx, SessionKind::Motion);
    return SendOrigin(ctx) ? Outcome::Completed : Outcome::Failed;
}

Outcome MotorFree(ProcedureContext& ctx) {
    TransferSession session(ctx, SessionKind::MotorStop);
    if (ctx.send("@MSTOP").empty()) return Outcome::Failed;
    ctx.next();
    return Outcome::Completed;
}

}  // namespace mivo
