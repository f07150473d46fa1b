#include "teach/opener_moves.h"

#include "common/said_text.h"
#include "direct/direct_rules.h"
#include "link/reply_class.h"
#include "offsets/offset_data.h"
#include "procedures/program_control.h"
#include "procedures/reply_rules.h"
#include "procedures/transfer_session.h"

namespace mivo {

namespace {

// A reply of another class than expected: its error line in the error dialog.
Outcome Refused(ProcedureContext& ctx, const std::string& reply) {
    if (!reply.empty()) ShowRefusal(ctx, reply);
    return Outcome::Failed;
}

// A value and its trailing line; "" when the reply is no value of `shape` (shown) or none came.
std::string Value(ProcedureContext& ctx, const std::string& command, ValueShape shape) {
    const std::string reply = ctx.send(command);
    if (ReplyClass(reply) != ReplyCode::Data) {
        Refused(ctx, reply);
        return "";
    }
    if (!FitsShape(reply, shape)) {
        ShowUnfitReply(ctx, command, reply);
        return "";
    }
    if (!ConfirmValue(ctx, command, reply)) return "";
    return reply;
}

}  // namespace

Outcome MoveForTeaching(ProcedureContext& ctx, const TeachMove& move,
                        std::map<int, std::string>& positions) {
    if (!move.question.empty() && !ctx.prompter.ask(move.question, move.caption))
        return Outcome::Declined;
    TransferSession session(ctx, SessionKind::DataExchange);
    if (const Outcome origin = CheckOrigin(ctx); origin != Outcome::Completed) return origin;
    if (!move.move) return Outcome::Completed;
    SetSessionKind(ctx, SessionKind::Motion);
    const std::string moved = move.move(ctx);
    if (ReplyClass(moved) != ReplyCode::Ok) return Refused(ctx, moved);
    SetSessionKind(ctx, SessionKind::DataExchange);
    for (int axis : move.axes) {
        const std::string value = Value(ctx, "@?POS " + std::to_string(axis), ValueShape::Number);
        if (value.empty()) return Outcome::Failed;
        positions[axis] = value;
    }
    return Outcome::Completed;
}

std::string StepTeachingMove(ProcedureContext& ctx, const std::string& step,
                             std::vector<std::string>* lines) {
    const std::string record = ctx.send("@READ STEP " + step);
    if (ReplyClass(record) != ReplyCode::Data) return record;
    if (lines) lines->push_back(record);
    // The rest of the record (a circle's second line) and its trailing line.
    for (std::string line = ctx.next(); ReplyClass(line) == ReplyCode::Data; line = ctx.next())
        if (lines) lines->push_back(line);
    // The direct screen's GO to point 1: a pallet step moves to its own pallet's point.
    return ctx.send(GoCommand(record, step, "1"));
}

TeachMove OpenerMove(DataKind opener, const std::string& number) {
    const TeachingMove& asked = Describe(opener).teaching;
    TeachMove move{asked.question, asked.caption, {}};
    switch (opener) {
        case DataKind::Step:
            move.move = [number](ProcedureContext& ctx) { return StepTeachingMove(ctx, number); };
            break;
        case DataKind::Parameter:  // the ZI position
            move.move = [](ProcedureContext& ctx) { return ctx.send("@ZI"); };
            move.axes = {3};
            break;
        case DataKind::Pallet:
            move.move = [number](ProcedureContext& ctx) {
                return ctx.send("@PAL GO " + number + ",1");
            };
            break;
        case DataKind::Offset:  // its step is chosen next
            break;
    }
    return move;
}

TeachMove ChosenStepMove(const std::string& step, std::vector<std::string>* record) {
    return {"", "",
            [step, record](ProcedureContext& ctx) { return StepTeachingMove(ctx, step, record); }};
}

std::string GoMoveCommand(DataKind opener, const std::string& number, int point) {
    const std::string at = number + "," + std::to_string(point);
    if (opener == DataKind::Step) return "@CIR GO " + at;
    if (opener == DataKind::Pallet) return "@PAL GO " + at;
    return {};
}

Outcome ReadStepRecord(ProcedureContext& ctx, const std::string& step,
                       std::vector<std::string>& record) {
    TransferSession session(ctx, SessionKind::DataExchange);
    std::string line = ctx.send("@READ STEP " + step);
    for (; ReplyClass(line) == ReplyCode::Data; line = ctx.next()) record.push_back(line);
    if (line.empty()) return Outcome::Failed;
    if (ReplyClass(line) != ReplyCode::Ok) return Refused(ctx, line);
    return record.empty() ? Outcome::Failed : Outcome::Completed;
}

TeachTexts TaughtOffsets(const TeachTexts& taught, const OffsetReadBack& back) {
    TeachTexts texts = taught;
    for (int a = 0; a < back.read && a < 4; ++a)
        texts[static_cast<std::size_t>(a)] = back.offsets[static_cast<std::size_t>(a)];
    return texts;
}

Outcome SendOffsetAndReadBack(ProcedureContext& ctx, OffsetReadBack& out) {
    TransferSession session(ctx, SessionKind::DataExchange);
    const std::string off = ctx.send("@OFF");
    if (ReplyClass(off) != ReplyCode::Ok) return Refused(ctx, off);
    out.sent = true;
    out.program = Value(ctx, "@?NO", ValueShape::Digit);
    if (out.program.empty()) return Outcome::Failed;
    const std::vector<int> numbers = TaughtOffsetParameters(out.program);
    for (out.read = 0; out.read < static_cast<int>(numbers.size()); ++out.read) {
        const std::string reply =
            ctx.send("@READ PRM " + std::to_string(numbers[static_cast<std::size_t>(out.read)]));
        if (ReplyClass(reply) != ReplyCode::Data || !FitsShape(reply, ValueShape::Number) ||
            ReplyClass(ctx.trailing()) != ReplyCode::Ok)
            break;
        out.offsets[static_cast<std::size_t>(out.read)] = reply;
    }
    if (out.read < 4) {
        ctx.prompter.notify(UI_TEXT("Message", "Data is not received properly"),
                            UI_TEXT("Message", "Communication error"));
        return Outcome::Failed;
    }
    return Outcome::Completed;
}

}  // namespace mivo
