#include "steps/step_transfer.h"

#include "common/said_text.h"
#include "link/reply_class.h"
#include "procedures/program_control.h"
#include "procedures/reply_rules.h"
#include "procedures/transfer_session.h"
#include "steps/step_rules.h"

namespace mivo {

namespace {

const char* const kSendCaption = UI_TEXT("Message", "Step send");
const char* const kSendError = UI_TEXT("Message", "Sending error");
const char* const kSendInterrupted = UI_TEXT("Message", "Sending is interrupted");
const char* const kSendCompleted = UI_TEXT("Message", "Sending is completed");

std::string StepError(int step) {
    return Filled(UI_TEXT("Message", "Error No. %1"), {std::to_string(step)});
}

// A refused step: the controller's error line, then the step number unless it starts "31".
void ReportStepError(ProcedureContext& ctx, int step) {
    ShowItemError(ctx, ctx.next(), StepError(step), kSendError);
}

enum class StepResult { Sent, Failed };

// One part of a circle: the reply must begin with "READY".
bool CirclePart(ProcedureContext& ctx, const std::string& command, int step) {
    const std::string reply = ctx.send(command);
    if (reply.empty()) return false;
    if (StartsWith(reply, "READY")) return true;
    ShowItemError(ctx, ctx.next(), StepError(step), kSendError, true);
    return false;
}

StepResult SendCircle(ProcedureContext& ctx, const StepTable& table, int s) {
    const StepRow& first = table[s];
    static const StepRow kNone{};
    const StepRow& second = s + 1 < kStepCount ? table[s + 1] : kNone;
    const std::string op = CircleWriteOperation(first[FieldOperation]);
    if (!CirclePart(ctx, "@WRITE CIR " + std::to_string(s) + "," + op, s))
        return StepResult::Failed;
    if (!CirclePart(ctx, "1=" + first[FieldX] + "," + first[FieldY] + "," + first[FieldZ], s))
        return StepResult::Failed;
    if (!CirclePart(ctx, "2=" + second[FieldX] + "," + second[FieldY], s))
        return StepResult::Failed;
    const std::string reply = ctx.send("3=" + second[FieldZ] + "," + second[FieldR]);
    if (reply.empty()) return StepResult::Failed;
    if (ReplyClass(reply) != ReplyCode::Ok) {
        ReportStepError(ctx, s);
        return StepResult::Failed;
    }
    return StepResult::Sent;
}

// A Command the controller takes no command for: "Command type error No. s", nothing sent.
bool RefusedCommandType(ProcedureContext& ctx, const std::string& kind, int s) {
    if (IsPlainCommand(kind) || kind == "SEQ" || kind == "CIR" || kind.empty()) return false;
    ctx.prompter.notify(
        Filled(UI_TEXT("Message", "Command type error No. %1"), {std::to_string(s)}), kSendError);
    return true;
}

// Step `s` as the controller takes it: a circle pair as one (`s` then names its second row), an
// empty step deleted, any other command written.
StepResult SendStep(ProcedureContext& ctx, const StepTable& table, int& s) {
    const StepRow& row = table[s];
    const std::string& kind = row[FieldCommand];
    if (kind == "CIR") {
        const StepResult sent = SendCircle(ctx, table, s);
        ++s;  // the pair's second row has its step number
        return sent;
    }
    if (RefusedCommandType(ctx, kind, s)) return StepResult::Failed;
    std::string command("@WRITE STEP ");
    if (IsPlainCommand(kind)) {
        command += std::to_string(s);
        for (int f = FieldCommand; f <= FieldR; ++f) command.append(",").append(row[f]);
    } else if (kind == "SEQ") {
        command += std::to_string(s);
        command.append(",SEQ,").append(row[FieldOperation]).append(",").append(row[FieldJump]);
    } else {
        command.assign("@PDEL ").append(std::to_string(s));
    }
    const std::string reply = ctx.send(command);
    if (reply.empty()) return StepResult::Failed;
    if (ReplyClass(reply) != ReplyCode::Ok) {
        ReportStepError(ctx, s);
        return StepResult::Failed;
    }
    return StepResult::Sent;
}

// The controller's program number and the send question; Completed when the steps may go.
Outcome ConfirmSend(ProcedureContext& ctx, const ProgramNo& pgm) {
    if (ProgramIndex(pgm.number) < 0) {
        ctx.prompter.notify(UI_TEXT("Message", "Check PGM No."), kSendCaption);
        return Outcome::Failed;
    }
    if (!ctx.prompter.ask(
            Filled(UI_TEXT("Message", "Send to PGM%1 will be executed.  OK?"), {pgm.number}),
            kSendCaption))
        return Outcome::Declined;
    return Outcome::Completed;
}

// The steps are sent as the loop below walks them: a CIR row and the row after it as one
// circle. A range that begins on the second row of a pair, or a CIR row whose next row is no
// CIR, would send garbage: refused with the step named. True when refused.
bool RefusedPartedCircle(ProcedureContext& ctx, const StepTable& table, const StepRange& range) {
    if (IsSecondCircleRow(table, range.start)) {
        ctx.prompter.notify(
            Filled(UI_TEXT("Message", "Sending range starts inside circle step No. %1"),
                   {std::to_string(range.start - 1)}),
            kRangeCaption);
        return true;
    }
    for (int s = range.start; s <= range.end; ++s) {
        if (table[s][FieldCommand] != "CIR") continue;
        if (s + 1 >= kStepCount || table[s + 1][FieldCommand] != "CIR") {
            ctx.prompter.notify(
                Filled(UI_TEXT("Message", "Circle step No. %1 lacks its second CIR row"),
                       {std::to_string(s)}),
                kSendError);
            return true;
        }
        ++s;
    }
    return false;
}

}  // namespace

Outcome SendSteps(ProcedureContext& ctx, const StepTarget& steps, const std::string& start,
                  const std::string& end) {
    StepTable& table = steps.table;
    UpperCaseCommands(table);
    // A parted circle step is refused before anything goes to the controller; a range that
    // is no range is refused in its written place, after the program query.
    if (const std::optional<StepRange> range = CheckRange(start, end, SilentPrompter::instance()))
        if (RefusedPartedCircle(ctx, table, *range)) return Outcome::Failed;
    TransferSession session(ctx, SessionKind::DataExchange);
    const ProgramNo pgm = QueryProgramNo(ctx);
    if (!pgm.ok) return Outcome::Failed;
    const std::optional<StepRange> range = CheckRange(start, end, ctx.prompter);
    if (!range) return Outcome::Failed;
    if (const Outcome go = ConfirmSend(ctx, pgm); go != Outcome::Completed) return go;

    ctx.view.showProgress(range->end - range->start);
    for (int s = range->start; s <= range->end; ++s) {
        if (StoppedBetweenItems(ctx, s - range->start + 1, kSendInterrupted, kSendCaption))
            return Outcome::Interrupted;
        if (SendStep(ctx, table, s) != StepResult::Sent) return Outcome::Failed;
    }
    ctx.prompter.notify(kSendCompleted, kSendCaption);
    return Outcome::Completed;
}

Outcome QuickSendSteps(ProcedureContext& ctx, const StepTarget& steps, const std::string& again) {
    StepTable& table = steps.table;
    UpperCaseCommands(table);
    if (RefusedPartedCircle(ctx, table, {0, kStepCount - 1})) return Outcome::Failed;
    TransferSession session(ctx, SessionKind::DataExchange);
    const ProgramNo pgm = QueryProgramNo(ctx);
    if (!pgm.ok) return Outcome::Failed;
    if (const Outcome go = ConfirmSend(ctx, pgm); go != Outcome::Completed) return go;

    // The program is emptied once; then only its steps go, a circle pair as one.
    std::vector<int> sent;
    for (int s = 0; s < kStepCount; ++s) {
        if (table[s][FieldCommand].empty()) continue;
        sent.push_back(s);
        if (table[s][FieldCommand] == "CIR") ++s;
    }
    // Step send's refusals come before the program is emptied: a step Step send would refuse
    // must not cost the controller the program it holds.
    for (const int s : sent)
        if (RefusedCommandType(ctx, table[s][FieldCommand], s)) return Outcome::Failed;
    const std::string init = ctx.send("@INIT PGM");
    if (init.empty()) return Outcome::Failed;
    if (ReplyClass(init) != ReplyCode::Ok) {
        ShowRefusal(ctx, init);
        return Outcome::Failed;
    }
    ctx.view.showProgress(static_cast<int>(sent.size()));
    // Cut after the program was emptied: the controller holds only what went before.
    const auto cut = [&](std::size_t done, Outcome outcome) {
        std::string said;
        if (done == 0) {
            said = Filled(UI_TEXT("Message", "PGM %1 on the controller is now empty; %2"),
                          {pgm.number, again});
        } else {
            const int last = sent[done - 1] + (table[sent[done - 1]][FieldCommand] == "CIR");
            said = Filled(
                UI_TEXT("Message", "PGM %1 on the controller now holds steps 0 to %2 only; %3"),
                {pgm.number, std::to_string(last), again});
        }
        ctx.prompter.notify(said, kSendCaption);
        return outcome;
    };
    for (std::size_t i = 0; i < sent.size(); ++i) {
        if (StoppedBetweenItems(ctx, static_cast<int>(i) + 1, kSendInterrupted, kSendCaption))
            return cut(i, Outcome::Interrupted);
        int s = sent[i];
        if (SendStep(ctx, table, s) != StepResult::Sent) return cut(i, Outcome::Failed);
    }
    ctx.prompter.notify(kSendCompleted, kSendCaption);
    return Outcome::Completed;
}

Outcome SendStepSpans(ProcedureContext& ctx, const StepTarget& steps, std::vector<StepRange> spans,
                      const std::string& program) {
    StepTable& table = steps.table;
    UpperCaseCommands(table);
    const std::vector<StepRange> merged = MergedSpans(std::move(spans));
    for (const StepRange& span : merged)
        if (RefusedPartedCircle(ctx, table, span)) return Outcome::Failed;
    TransferSession session(ctx, SessionKind::DataExchange);
    const ProgramNo pgm = QueryProgramNo(ctx);
    if (!pgm.ok) return Outcome::Failed;
    if (ProgramIndex(pgm.number) >= 0 && pgm.number != program) {
        ctx.prompter.notify(Filled(UI_TEXT("Message",
                                           "The comparison is of PGM%1, the controller's "
                                           "current program is PGM%2. Nothing was sent."),
                                   {program, pgm.number}),
                            kSendCaption);
        return Outcome::Failed;
    }
    if (const Outcome go = ConfirmSend(ctx, pgm); go != Outcome::Completed) return go;

    ctx.view.showProgress(SpanSteps(merged));
    int done = 0;
    for (const StepRange& span : merged) {
        for (int s = span.start; s <= span.end; ++s) {
            if (StoppedBetweenItems(ctx, ++done, kSendInterrupted, kSendCaption))
                return Outcome::Interrupted;
            if (SendStep(ctx, table, s) != StepResult::Sent) return Outcome::Failed;
        }
    }
    ctx.prompter.notify(kSendCompleted, kSendCaption);
    return Outcome::Completed;
}

}  // namespace mivo
