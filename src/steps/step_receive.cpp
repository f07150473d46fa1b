#include "common/said_text.h"
#include "link/reply_class.h"
#include "procedures/program_control.h"
#include "procedures/reply_rules.h"
#include "procedures/transfer_session.h"
#include "steps/step_rules.h"
#include "steps/step_transfer.h"

// Step receive: the controller's steps read into the table (the send is step_transfer.cpp).
namespace mivo {

namespace {

const char* const kReceiveCaption = UI_TEXT("Message", "Step receive");

}  // namespace

Outcome ReadCurrentProgram(QuietReads& reads, Prompter& prompter, StepTable& table,
                           std::string& program) {
    reads.then([&](ProcedureContext& read) { return ReceiveSteps(read, {table}, "0", "999"); });
    if (reads.outcome() != Outcome::Completed) return reads.outcome();
    program = reads.programNo();
    if (ProgramIndex(program) >= 0) return Outcome::Completed;
    prompter.notify(UI_TEXT("Message", "Check PGM No."), kReceiveCaption);
    return Outcome::Failed;
}

bool DecodeStepRecord(const std::string& record, int step, bool circleSecond, StepRow& row) {
    // The command stands after "S", the step number and a blank.
    const std::string head = "S" + std::to_string(step) + " ";
    if (!StartsWith(record, head.c_str())) return false;
    const std::size_t at = head.size();
    const std::string command = record.substr(at, 3);
    if (!IsPlainCommand(command) && command != "SEQ" && command != "CIR") return false;
    row.clear();
    row[FieldCommand] = command;
    std::size_t pos = at + command.size();
    while (pos < record.size() && record[pos] == ' ') ++pos;

    // Columns the comma-separated fields go to, by command.
    static constexpr int kPlain[] = {FieldOperation, FieldX, FieldY, FieldZ, FieldR};
    static constexpr int kSeq[] = {FieldOperation, FieldJump};
    const int* columns = kPlain;
    std::size_t count = 5;
    if (command == "SEQ") {
        columns = kSeq;
        count = 2;
    } else if (command == "CIR" && !circleSecond) {
        count = 4;
    }
    for (std::size_t i = 0; i < count && pos <= record.size(); ++i) {
        std::size_t comma = record.find(',', pos);
        if (comma == std::string::npos) comma = record.size();
        row[columns[i]] = record.substr(pos, comma - pos);
        pos = comma + 1;
    }
    return true;
}

Outcome ReceiveSteps(ProcedureContext& ctx, const StepTarget& steps, const std::string& start,
                     const std::string& end) {
    StepTable& table = steps.table;
    TransferSession session(ctx, SessionKind::DataExchange);
    if (!ctx.prompter.ask(UI_TEXT("Message", "Is step received?"), kReceiveCaption))
        return Outcome::Declined;
    const ProgramNo pgm = QueryProgramNo(ctx);
    if (!pgm.ok) return Outcome::Failed;
    const std::optional<StepRange> range = CheckRange(start, end, ctx.prompter);
    if (!range) return Outcome::Failed;
    ctx.view.showProgress(range->end - range->start);

    for (int s = range->start; s <= range->end; ++s) {
        if (StoppedBetweenItems(ctx, s - range->start + 1,
                                UI_TEXT("Message", "Receiving is interrupted"), kReceiveCaption))
            return Outcome::Interrupted;
        const std::string reply = ctx.send("@READ STEP " + std::to_string(s));
        if (reply.empty()) return Outcome::Failed;
        const ReplyCode code = ReplyClass(reply);
        if (code == ReplyCode::Ok) continue;
        if (code != ReplyCode::Data) {
            const std::string error = ctx.next();
            if (StartsWith(error, "57")) {
                table[s].clear();
                steps.shown(s, s);
                continue;
            }
            ctx.prompter.showControllerError(error);
            return Outcome::Failed;
        }
        // Anything else in place of the record (noise, another step's record) would leave the
        // row as it was and the receive would report success with a step missing.
        if (!DecodeStepRecord(reply, s, false, table[s])) {
            ctx.prompter.showControllerError(reply);
            return Outcome::Failed;
        }
        steps.modified();
        steps.shown(s, s);
        std::string after = ctx.next();
        const bool circle = [&] {
            for (std::size_t i = 3; i <= 5; ++i)
                if (after.size() > i && after[i] == 'C') return true;
            return false;
        }();
        if (circle && s + 1 < kStepCount) {
            ++s;
            if (!DecodeStepRecord(after, s, true, table[s])) {
                ctx.prompter.showControllerError(after);
                return Outcome::Failed;
            }
            table[s][FieldCommand] = table[s - 1][FieldCommand];
            steps.shown(s, s);
            after = ctx.next();
        }
        if (ReplyClass(after) != ReplyCode::Ok) {
            ctx.prompter.showControllerError(after);
            return Outcome::Failed;
        }
    }
    ctx.prompter.notify(UI_TEXT("Message", "Step receiving is completed"), kReceiveCaption);
    return Outcome::Completed;
}

}  // namespace mivo
