#include "pallets/pallet_transfer.h"

#include <optional>
#include <string>
#include <vector>

#include "common/convert.h"
#include "procedures/memory_transfer.h"
#include "procedures/transfer_session.h"

namespace mivo {

namespace {

const char* const kSendCaption = "Pallet send";
const char* const kReceiveCaption = "Pallet receive";
const char* const kInitCaption = "Pallet initialize";
const char* const kRangeMessage = "Pallet No. ranges from 0 to 19";

// The field's name in its error message: Z1's reads "Z".
std::string FieldError(const MemoryItem& item) {
    return std::string("Error occurs!  ") +
           (item.position == PalletZ1 ? "Z" : PalletFieldName(item.position));
}

std::string FieldName(const MemoryItem& item) { return PalletFieldName(item.position); }

// The pallet number as an integer; a text that is no integer is reported with `caption`.
std::optional<int> PalletNumber(ProcedureContext& ctx, const PalletData& data,
                                const char* caption) {
    try {
        return StrToInt(data.number);
    } catch (const ConversionError& e) {
        ctx.prompter.notify(e.what(), caption);
        return std::nullopt;
    }
}

bool InRange(ProcedureContext& ctx, int pallet, const char* caption) {
    if (pallet >= 0 && pallet < kPalletCount) return true;
    ctx.prompter.notify(kRangeMessage, caption);
    return false;
}

// The nine fields of `pallet` with the values `value` gives; positions 0..8.
template <typename Value>
std::vector<MemoryItem> Items(int pallet, Value value) {
    std::vector<MemoryItem> items;
    for (int f = 0; f < kPalletSentFields; ++f)
        items.push_back(
            {PalletParameter(pallet, f), value(f), f, ValueLength(PalletParameter(pallet, f))});
    return items;
}

// The common start without the version query: the log anew, the progress over nine fields.
void Start(ProcedureContext& ctx) {
    ctx.log.clear();
    ctx.view.showProgress(kPalletSentFields - 1);
}

bool Online(const PalletTarget& target) { return !target.online || target.online(); }

// The end of every transfer: the Z cells without a parameter emptied.
Outcome Finish(const PalletTarget& target, Outcome outcome) {
    target.data.z2.clear();
    target.data.z3.clear();
    if (target.changed) target.changed();
    return outcome;
}

}  // namespace

Outcome SendPallet(ProcedureContext& ctx, const PalletTarget& target) {
    const std::optional<int> pallet = PalletNumber(ctx, target.data, "Pallet error");
    if (!pallet || !InRange(ctx, *pallet, "Pallet error")) return Outcome::Failed;
    if (!ctx.prompter.ask("Is pallet sending executed?", kSendCaption)) return Outcome::Declined;
    Outcome sent = Outcome::Failed;
    {
        TransferSession session(ctx, SessionKind::DataExchange);
        Start(ctx);
        const MemoryTexts texts{.caption = kSendCaption,
                                .interrupted = "Sending is interrupted",
                                .itemError = FieldError,
                                .errorCaption = "Sending error",
                                .noReply = "Error occurs"};
        const auto value = [&](int f) { return target.data.fields[static_cast<std::size_t>(f)]; };
        sent = WriteMemory(ctx, Items(*pallet, value), texts);
        if (sent == Outcome::Completed && Online(target))
            ctx.prompter.notify("Pallet sending is completed", kSendCaption);
    }
    return Finish(target, sent);
}

Outcome ReceivePallet(ProcedureContext& ctx, const PalletTarget& target) {
    if (!ctx.prompter.ask("Is pallet receiving executed?", kReceiveCaption))
        return Outcome::Declined;
    Outcome received = Outcome::Failed;
    {
        TransferSession session(ctx, SessionKind::DataExchange);
        Start(ctx);
        const std::optional<int> pallet = PalletNumber(ctx, target.data, kReceiveCaption);
        if (!pallet) return Finish(target, Outcome::Failed);
        const MemoryTexts texts{.caption = kReceiveCaption,
                                .interrupted = "Receiving is interrupted",
                                .errorCaption = "Receiving error",
                                .noReply = "Error occurs",
                                .itemName = FieldName};
        const auto store = [&](const MemoryItem& item, const std::string& value) {
            target.data.fields[static_cast<std::size_t>(item.position)] = value;
            if (target.setModified) target.setModified();
            if (target.changed) target.changed();
        };
        received = ReadMemory(ctx, Items(*pallet, [](int) { return std::string(); }), texts, store);
        if (received == Outcome::Completed && Online(target))
            ctx.prompter.notify("Pallet receiving is completed", kReceiveCaption);
    }
    return Finish(target, received);
}

Outcome InitializePallet(ProcedureContext& ctx, const PalletTarget& target) {
    if (!ctx.prompter.ask("Is pallet initialize executed?", kInitCaption)) return Outcome::Declined;
    const std::optional<int> pallet = PalletNumber(ctx, target.data, "Initialize error");
    if (!pallet || !InRange(ctx, *pallet, "Initialize error")) return Outcome::Failed;
    Outcome written = Outcome::Failed;
    {
        TransferSession session(ctx, SessionKind::DataExchange);
        Start(ctx);
        const MemoryTexts texts{.caption = kInitCaption,
                                .interrupted = "Initialize is interrupted",
                                .itemError = FieldError,
                                .errorCaption = "Initialize error",
                                .noReply = "Error occurs!"};
        const auto initial = [](int f) { return f >= PalletXPartitions ? "1" : "0"; };
        const auto accepted = [&](const MemoryItem& item) {
            target.data.fields[static_cast<std::size_t>(item.position)] =
                item.position >= PalletXPartitions ? "1" : "0.00";
            if (target.changed) target.changed();
        };
        written = WriteMemory(ctx, Items(*pallet, initial), texts, accepted);
        if (written == Outcome::Completed && Online(target))
            ctx.prompter.notify("Initialize is completed", kInitCaption);
    }
    return Finish(target, written);
}

}  // namespace mivo
