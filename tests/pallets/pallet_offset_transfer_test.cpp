// Pallet and offset send, receive and initialisation against the simulated controller in
// process: what each kind brings to the shared memory transfer (its items, its questions and
// range checks, the messages naming a field, what its screen shows afterwards).
#include <gtest/gtest.h>

#include <functional>

#include "offsets/offset_transfer.h"
#include "pallets/pallet_transfer.h"
#include "support/procedure_rig.h"

namespace mivo {
namespace {

using test::Message;
using Texts = std::vector<std::string>;

const Texts kFields = {"10.00", "20.5", "-3", "x2", "y2", "x3", "y3", "4", "5"};
const Texts kOffsets = {"1.50", "-2", "", "9.99"};

// Both screens' data as their procedures change them. The controller's memory from 100 on
// reads "-100", "-101" ... (numbers, each naming its place)
struct KindRig : test::Rig {
    PalletData pallet{"0", {}, "z of P2", "z of P3"};
    OffsetData offset{"0", {}};
    int modified = 0;
    bool online = true;
    KindRig() {
        std::copy(kFields.begin(), kFields.end(), pallet.fields.begin());
        std::copy(kOffsets.begin(), kOffsets.end(), offset.values.begin());
        for (int n = 100; n < kParameterCount; ++n)
            sim.parameters.values[static_cast<std::size_t>(n)] = "-" + std::to_string(n);
    }
    PalletTarget palletTarget() {
        return {pallet, [this] { ++modified; }, {}, [this] { return online; }};
    }
    OffsetTarget offsetTarget() {
        return {offset, [this] { ++modified; }, {}, [this] { return online; }};
    }
    // What the screen shows: the pallet's fields and its Z cells of P2 and P3, or the offsets.
    Texts cells(bool ofPallet) const {
        if (!ofPallet) return {offset.values.begin(), offset.values.end()};
        Texts out(pallet.fields.begin(), pallet.fields.end());
        out.insert(out.end(), {pallet.z2, pallet.z3});
        return out;
    }
};

enum Procedure { PalletSend, PalletReceive, PalletInit, OffsetSend, OffsetReceive, OffsetInit };

// Each procedure in the order of Procedure, with its caption, question and completion notice;
// the offset initialisation's question names the program after "PGM No.".
const std::tuple<Outcome (*)(KindRig&), const char*, const char*, const char*> kRuns[] = {
    // clang-format off
    {[](KindRig& r) { return TransferPallet(r.ctx, MemoryOperation::Send, r.palletTarget()); }, "Pallet send", "Is pallet sending executed?", "Pallet sending is completed"},
    {[](KindRig& r) { return TransferPallet(r.ctx, MemoryOperation::Receive, r.palletTarget()); }, "Pallet receive", "Is pallet receiving executed?", "Pallet receiving is completed"},
    {[](KindRig& r) { return TransferPallet(r.ctx, MemoryOperation::Initialize, r.palletTarget()); }, "Pallet initialize", "Is pallet initialize executed?", "Initialize is completed"},
    {[](KindRig& r) { return TransferOffsets(r.ctx, MemoryOperation::Send, r.offsetTarget()); }, "Offset send", "Is offset sending executed?", "Offset sending is completed"},
    {[](KindRig& r) { return TransferOffsets(r.ctx, MemoryOperation::Receive, r.offsetTarget()); }, "Offset receive", "Is offset receiving executed?", "Offset receiving is completed"},
    {[](KindRig& r) { return TransferOffsets(r.ctx, MemoryOperation::Initialize, r.offsetTarget()); }, "Offset initialize", "Offset data of PGM No.", "Offset initialize is completed"},
    // clang-format on
};

// "@WRITE PRM n,value" for the values, numbered from `first` on.
Texts Writes(int first, const Texts& values) {
    Texts out;
    for (const std::string& v : values)
        out.push_back("@WRITE PRM " + std::to_string(first++) + "," + v);
    return out;
}
// `prefix` followed by each of `count` numbers from `first` on.
Texts Numbered(const std::string& prefix, int first, int count) {
    Texts out;
    for (int n = first; n < first + count; ++n) out.push_back(prefix + std::to_string(n));
    return out;
}
Texts Reads(int first, int count) { return Numbered("@READ PRM ", first, count); }
Texts Memory(int first, int count) { return Numbered("-", first, count); }
// The first `count` of `a`, then the rest of `b`.
Texts Mixed(const Texts& a, const Texts& b, std::size_t count) {
    Texts out(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(count));
    out.insert(out.end(), b.begin() + static_cast<std::ptrdiff_t>(count), b.end());
    return out;
}
// The pallet screen's cells: the fields, then the Z cells of P2 and P3, which every transfer
// that got under way empties.
Texts PalletCells(Texts fields, bool zKept = false) {
    fields.insert(fields.end(), {zKept ? "z of P2" : "", zKept ? "z of P3" : ""});
    return fields;
}

using Arrange = std::function<void(KindRig&)>;

Arrange Refuse(int command) {
    return [command](KindRig& r) {
        r.sim.faults.refuse.which = command;
        r.sim.faults.refuseLine = "45:Parameter No. error";
    };
}
Arrange Silent(int command) {
    return [command](KindRig& r) { r.sim.faults.silent.which = command; };
}

TEST(PalletAndOffsetTransfer, Cases) {
    const Message palletRange{"notify", "Pallet No. ranges from 0 to 19", "Pallet error"};
    const Message refused{"error", "45:Parameter No. error", "Error display"};
    const Arrange declined = [](KindRig& r) { r.prompter.answers = {false}; };
    const Arrange offline = [](KindRig& r) { r.online = false; };
    const Arrange cancelAfterTwo = [](KindRig& r) { r.view.cancelAfterProgress = 2; };
    const Texts pallet = PalletCells(kFields);
    const Texts palletKept = PalletCells(kFields, true);
    const Texts palletZeroes = {"0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "1", "1"};
    const Texts offsetZeroes(4, "0.00");
    struct Case {
        const char* name;
        Procedure procedure;
        const char* number;  // the pallet's or the program's, as typed
        Arrange arrange;
        Outcome outcome;
        bool asked;  // a check before the question may stop it
        Texts sent;
        std::vector<Message> shown;  // after the question, before the completion
        Texts data;                  // as the screen shows them afterwards
        int modified;
    };
    const Outcome completed = Outcome::Completed, failed = Outcome::Failed;
    // clang-format off
    const std::vector<Case> cases = {
        {"pallet send 19", PalletSend, "19", {}, completed, true, Writes(409, kFields), {}, pallet, 0},
        {"pallet receive 20, no range check", PalletReceive, "20", {}, completed, true, Reads(420, 9), {}, PalletCells(Memory(420, 9)), 9},
        {"pallet initialise 2", PalletInit, "2", {}, completed, true, Writes(222, {"0", "0", "0", "0", "0", "0", "0", "1", "1"}), {}, PalletCells(palletZeroes), 0},
        {"pallet send 20", PalletSend, "20", {}, failed, false, {}, {palletRange}, palletKept, 0},
        {"pallet send 1.5", PalletSend, "1.5", {}, failed, false, {}, {{"notify", "'1.5' is not a valid integer value", "Pallet error"}}, palletKept, 0},
        {"pallet initialise 20", PalletInit, "20", {}, failed, true, {}, {{"notify", "Pallet No. ranges from 0 to 19", "Initialize error"}}, palletKept, 0},
        {"pallet initialise declined", PalletInit, "20", declined, Outcome::Declined, true, {}, {}, palletKept, 0},
        {"pallet receive x", PalletReceive, "x", {}, failed, true, {}, {{"notify", "'x' is not a valid integer value", "Pallet receive"}}, pallet, 0},
        {"pallet send: Z1 refused", PalletSend, "0", Refuse(3), failed, true, Writes(200, {"10.00", "20.5", "-3"}), {refused, {"notify", "Error occurs!  Z", "Sending error"}}, pallet, 0},
        {"pallet initialise: X2 refused", PalletInit, "0", Refuse(4), failed, true, Writes(200, {"0", "0", "0", "0"}), {refused, {"notify", "Error occurs!  X2", "Initialize error"}}, PalletCells(Mixed(palletZeroes, kFields, 3)), 0},
        {"pallet initialise: no reply", PalletInit, "0", Silent(1), failed, true, Writes(200, {"0"}), {{"notify", "Error occurs!", "Initialize error"}}, pallet, 0},
        {"pallet receive: no reply", PalletReceive, "0", Silent(2), failed, true, Reads(200, 2), {{"notify", "Error occurs", "Receiving error"}}, PalletCells(Mixed(Memory(200, 9), kFields, 1)), 1},
        {"offset send 2", OffsetSend, "2", {}, completed, true, Writes(108, kOffsets), {}, kOffsets, 0},
        {"offset send 7", OffsetSend, "7", {}, failed, true, {}, {{"notify", "Program No. ranges from 0 to 5.", "Sending error"}}, kOffsets, 0},
        {"offset receive 7, no range check", OffsetReceive, "7", {}, completed, true, Reads(128, 4), {}, Memory(128, 4), 4},
        {"offset initialise 2", OffsetInit, "2", {}, completed, true, Writes(108, {"0", "0", "0", "0"}), {}, offsetZeroes, 1},
        {"offset initialise 7", OffsetInit, "7", {}, failed, false, {}, {{"notify", "Check PGM No.", "Offset initialize"}}, kOffsets, 0},
        {"offset initialise a", OffsetInit, "a", {}, failed, false, {}, {{"notify", "'a' is not a valid integer value", "Offset initialize"}}, kOffsets, 0},
        {"offset initialise: Z refused", OffsetInit, "0", Refuse(3), failed, true, Writes(100, {"0", "0", "0"}), {refused, {"notify", "Error occurs!  Z", "Sending error"}}, Mixed(offsetZeroes, kOffsets, 2), 0},
        {"offset send cancelled", OffsetSend, "0", cancelAfterTwo, Outcome::Interrupted, true, Writes(100, {"1.50", "-2"}), {{"notify", "Sending is interrupted", "Offset send"}}, kOffsets, 0},
        {"offset receive cancelled", OffsetReceive, "0", cancelAfterTwo, Outcome::Interrupted, true, Reads(100, 2), {{"notify", "Receiving is interrupted", "Offset receive"}}, Mixed(Memory(100, 4), kOffsets, 2), 2},
        // Off line by the end: no completion notice.
        {"offset send off line", OffsetSend, "0", offline, completed, true, Writes(100, kOffsets), {}, kOffsets, 0},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        KindRig rig;
        rig.prompter.answers = {true};
        const bool ofPallet = c.procedure <= PalletInit;
        (ofPallet ? rig.pallet.number : rig.offset.program) = c.number;
        if (c.arrange) c.arrange(rig);
        const auto& [run, caption, question, completion] = kRuns[c.procedure];
        EXPECT_EQ(run(rig), c.outcome);
        EXPECT_EQ(rig.sent(), c.sent);
        std::vector<Message> shown = c.shown;
        std::string asked = question;
        if (c.procedure == OffsetInit)
            asked += c.number + std::string(" will be initialized.  OK?");
        if (c.asked) shown.insert(shown.begin(), {"ask", asked, caption});
        if (c.outcome == completed && rig.online) shown.push_back({"notify", completion, caption});
        EXPECT_EQ(rig.prompter.messages, shown);
        EXPECT_EQ(rig.cells(ofPallet), c.data);
        EXPECT_EQ(rig.modified, c.modified);
        EXPECT_FALSE(rig.view.cancelShown);
        EXPECT_FALSE(rig.view.cancelRequested());
    }
}

}  // namespace
}  // namespace mivo
