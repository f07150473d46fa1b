#include "parameters/parameter_transfer.h"

#include <algorithm>

#include "common/convert.h"
#include "common/said_text.h"
#include "link/reply_class.h"
#include "parameters/parameter_rules.h"
#include "procedures/transfer_session.h"

namespace mivo {

namespace {

const char* const kSendCaption = UI_TEXT("Message", "Parameter send");
const char* const kReceiveCaption = UI_TEXT("Message", "Parameter receive");

// After the question: the log starts anew, the version gives the rows to walk, and the line is
// drained of whatever followed the version. nullopt when the transfer ends at the version.
std::optional<int> StartTransfer(ProcedureContext& ctx) {
    ctx.log.clear();
    const std::optional<std::string> version = QueryTransferVersion(ctx);
    if (!version) return std::nullopt;
    ctx.log.clear();
    ctx.channel.drain();
    return TransferCount(*version);
}

// Parameter 43 after a transfer with a controller that does not know it.
void ClearUnknownToOldVersion(const ParameterTarget& target, int count) {
    if (count >= kEditableParameterCount) return;
    target.table.setValue(PrmIoStateAtEmergency, "");
    target.shown(PrmIoStateAtEmergency, PrmIoStateAtEmergency);
}

}  // namespace

std::optional<std::string> QueryTransferVersion(ProcedureContext& ctx) {
    const std::string reply = ctx.send("@?Ver 0");
    if (reply.empty()) return std::nullopt;
    const ReplyCode code = ReplyClass(reply);
    if (code == ReplyCode::Ok) return std::string();
    if (code != ReplyCode::Data) {
        ctx.prompter.showControllerError(ctx.next());
        return std::nullopt;
    }
    if (reply.size() != 4 && reply.size() != 5) {
        ctx.prompter.showControllerError(reply);
        return std::nullopt;
    }
    ctx.next();
    return reply;
}

std::function<void(const MemoryItem&, const std::string&)> StoreReadValue(
    const ParameterTarget& target) {
    return [&target](const MemoryItem& item, const std::string& value) {
        target.table.setValue(item.number, value);
        target.modified();
        target.read(item.number);
        target.shown(item.number, item.number);
    };
}

std::vector<MemoryItem> TransferItems(const ParameterTable& table, int first, int count) {
    std::vector<MemoryItem> items;
    for (int n = first; n < count; ++n)
        if (IsTransferred(n, count)) items.push_back({n, table.value(n), n, ValueLength(n)});
    return items;
}

bool FinishRead(ProcedureContext& ctx, const ParameterTarget& target, int count,
                const std::string& caption) {
    bool followed = true;
    try {
        InitialValuesByRobot(target.table);
    } catch (const ConversionError& e) {
        ctx.prompter.notify(e.what(), caption);
        followed = false;
    }
    // Either way the robot-independent initial values were written.
    target.shown(0, kEditableParameterCount - 1);
    if (!followed) return false;
    ClearUnknownToOldVersion(target, count);
    return true;
}

Outcome SendParameters(ProcedureContext& ctx, const ParameterTarget& target,
                       const std::function<bool(int number)>& only) {
    if (!ctx.prompter.ask(UI_TEXT("Message", "Is parameter sending executed?"), kSendCaption))
        return Outcome::Declined;
    TransferSession session(ctx, SessionKind::DataExchange);
    const std::optional<int> count = StartTransfer(ctx);
    if (!count) return Outcome::Failed;
    if (!CheckLeadSpeeds(target.table, ctx.prompter, kSendCaption)) return Outcome::Failed;

    ctx.view.showProgress(*count - 1);
    const MemoryTexts texts{.caption = kSendCaption,
                            .interrupted = UI_TEXT("Message", "Sending is interrupted"),
                            .itemError =
                                [](const MemoryItem& item) {
                                    return Filled(UI_TEXT("Message", "Error occurs! No.%1"),
                                                  {std::to_string(item.number)});
                                },
                            .errorCaption = UI_TEXT("Message", "Sending error")};
    std::vector<MemoryItem> items = TransferItems(target.table, 1, *count);
    if (only) std::erase_if(items, [&](const MemoryItem& item) { return !only(item.number); });
    const Outcome sent = WriteMemory(ctx, items, texts);
    if (sent != Outcome::Completed) return sent;
    ClearUnknownToOldVersion(target, *count);
    ctx.prompter.notify(UI_TEXT("Message", "Parameter sending is completed"), kSendCaption);
    return Outcome::Completed;
}

Outcome ReceiveParameters(ProcedureContext& ctx, const ParameterTarget& target) {
    if (!ctx.prompter.ask(UI_TEXT("Message", "Is parameter receiving executed?"), kReceiveCaption))
        return Outcome::Declined;
    TransferSession session(ctx, SessionKind::DataExchange);
    const std::optional<int> count = StartTransfer(ctx);
    if (!count) return Outcome::Failed;

    ctx.view.showProgress(*count - 1);
    const MemoryTexts texts{.caption = kReceiveCaption,
                            .interrupted = UI_TEXT("Message", "Receiving is interrupted")};
    const Outcome received =
        ReadMemory(ctx, TransferItems(target.table, 0, *count), texts, StoreReadValue(target));
    if (received != Outcome::Completed) return received;
    if (!FinishRead(ctx, target, *count, kReceiveCaption)) return Outcome::Failed;
    ctx.prompter.notify(UI_TEXT("Message", "Parameter receiving is completed"), kReceiveCaption);
    return Outcome::Completed;
}

std::string ParameterStartQuestion(const std::string& number) {
    return Filled(UI_TEXT("Message", "PGM %1 will be started. OK?"), {number});
}

}  // namespace mivo
