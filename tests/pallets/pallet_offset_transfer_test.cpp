// Pallet and offset send, receive and initialisation against the simulated controller in
// process: what each kind brings to the shared memory transfer (its items, its questions and
// range checks, the messages naming a field, what its screen shows afterwards).
#include <gtest/gtest.h>

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
// reads "m100", "m101" ...
struct KindRig : test::Rig {
    PalletData pallet{"0", {}, "z of P2", "z of P3"};
    OffsetData offset{"0", {}};
    int modified = 0;
    bool online = true;
    KindRig() {
        std::copy(kFields.begin(), kFields.end(), pallet.fields.begin());
        std::copy(kOffsets.begin(), kOffsets.end(), offset.values.begin());
        for (int n = 100; n < kParameterCount; ++n)
            sim.parameters.values[static_cast<std::size_t>(n)] = "m" + std::to_string(n);
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

struct Procedure {
    bool pallet;
    Outcome (*run)(KindRig&);
};
const Procedure kPalletSend{true, [](KindRig& r) { return SendPallet(r.ctx, r.palletTarget()); }};
const Procedure kPalletReceive{true,
                               [](KindRig& r) { return ReceivePallet(r.ctx, r.palletTarget()); }};
const Procedure kPalletInit{true,
                            [](KindRig& r) { return InitializePallet(r.ctx, r.palletTarget()); }};
const Procedure kOffsetSend{false, [](KindRig& r) { return SendOffsets(r.ctx, r.offsetTarget()); }};
const Procedure kOffsetReceive{false,
                               [](KindRig& r) { return ReceiveOffsets(r.ctx, r.offsetTarget()); }};
const Procedure kOffsetInit{false,
                            [](KindRig& r) { return InitializeOffsets(r.ctx, r.offsetTarget()); }};

// "@WRITE PRM n,value" from `first` on, or "@READ PRM n" for `count` numbers.
Texts Writes(int first, const Texts& values) {
    Texts out;
    for (const std::string& v : values)
        out.push_back("@WRITE PRM " + std::to_string(first++) + "," + v);
    return out;
}
Texts Reads(int first, int count) {
    Texts out;
    for (int n = first; n < first + count; ++n) out.push_back("@READ PRM " + std::to_string(n));
    return out;
}
Texts Memory(int first, int count) {
    Texts out;
    for (int n = first; n < first + count; ++n) out.push_back("m" + std::to_string(n));
    return out;
}
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
    const Message askPalletSend{"ask", "Is pallet sending executed?", "Pallet send"};
    const Message askPalletReceive{"ask", "Is pallet receiving executed?", "Pallet receive"};
    const Message askPalletInit{"ask", "Is pallet initialize executed?", "Pallet initialize"};
    const Message askOffsetSend{"ask", "Is offset sending executed?", "Offset send"};
    const Message askOffsetReceive{"ask", "Is offset receiving executed?", "Offset receive"};
    const auto askOffsetInit = [](const char* program) {
        return Message{
            "ask", std::string("Offset data of PGM No.") + program + " will be initialized.  OK?",
            "Offset initialize"};
    };
    const Message palletRange{"notify", "Pallet No. ranges from 0 to 19", "Pallet error"};
    const Message refused{"error", "45:Parameter No. error", "Error display"};
    const auto notify = [](const char* text, const char* caption) {
        return Message{"notify", text, caption};
    };
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
        Texts sent;
        std::vector<Message> shown;
        Texts data;  // as the screen shows them afterwards
        int modified;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"pallet send 19", kPalletSend, "19", {}, Outcome::Completed, Writes(409, kFields),
         {askPalletSend, notify("Pallet sending is completed", "Pallet send")}, pallet, 0},
        {"pallet send ' 7'", kPalletSend, " 7", {}, Outcome::Completed, Writes(277, kFields),
         {askPalletSend, notify("Pallet sending is completed", "Pallet send")}, pallet, 0},
        {"pallet receive 0", kPalletReceive, "0", {}, Outcome::Completed, Reads(200, 9),
         {askPalletReceive, notify("Pallet receiving is completed", "Pallet receive")}, PalletCells(Memory(200, 9)), 9},
        {"pallet receive 20, without a range check", kPalletReceive, "20", {}, Outcome::Completed, Reads(420, 9),
         {askPalletReceive, notify("Pallet receiving is completed", "Pallet receive")}, PalletCells(Memory(420, 9)), 9},
        {"pallet initialise 2", kPalletInit, "2", {}, Outcome::Completed, Writes(222, {"0", "0", "0", "0", "0", "0", "0", "1", "1"}),
         {askPalletInit, notify("Initialize is completed", "Pallet initialize")}, PalletCells(palletZeroes), 0},
        {"pallet send 20", kPalletSend, "20", {}, Outcome::Failed, {}, {palletRange}, palletKept, 0},
        {"pallet send -1", kPalletSend, "-1", {}, Outcome::Failed, {}, {palletRange}, palletKept, 0},
        {"pallet send 1.5", kPalletSend, "1.5", {}, Outcome::Failed, {},
         {notify("'1.5' is not a valid integer value", "Pallet error")}, palletKept, 0},
        {"pallet send declined", kPalletSend, "1", declined, Outcome::Declined, {}, {askPalletSend}, palletKept, 0},
        {"pallet initialise 20", kPalletInit, "20", {}, Outcome::Failed, {},
         {askPalletInit, notify("Pallet No. ranges from 0 to 19", "Initialize error")}, palletKept, 0},
        {"pallet initialise declined", kPalletInit, "20", declined, Outcome::Declined, {}, {askPalletInit}, palletKept, 0},
        {"pallet initialise empty", kPalletInit, "", {}, Outcome::Failed, {},
         {askPalletInit, notify("'' is not a valid integer value", "Initialize error")}, palletKept, 0},
        {"pallet receive x", kPalletReceive, "x", {}, Outcome::Failed, {},
         {askPalletReceive, notify("'x' is not a valid integer value", "Pallet receive")}, pallet, 0},
        {"pallet receive declined", kPalletReceive, "0", declined, Outcome::Declined, {}, {askPalletReceive}, palletKept, 0},
        {"pallet send: Z1 refused", kPalletSend, "0", Refuse(3), Outcome::Failed, Writes(200, {"10.00", "20.5", "-3"}),
         {askPalletSend, refused, notify("Error occurs!  Z", "Sending error")}, pallet, 0},
        {"pallet initialise: X2 refused", kPalletInit, "0", Refuse(4), Outcome::Failed, Writes(200, {"0", "0", "0", "0"}),
         {askPalletInit, refused, notify("Error occurs!  X2", "Initialize error")}, PalletCells(Mixed(palletZeroes, kFields, 3)), 0},
        {"pallet initialise: no reply", kPalletInit, "0", Silent(1), Outcome::Failed, Writes(200, {"0"}),
         {askPalletInit, notify("Error occurs!", "Initialize error")}, pallet, 0},
        {"pallet receive: no reply", kPalletReceive, "0", Silent(2), Outcome::Failed, Reads(200, 2),
         {askPalletReceive, notify("Error occurs", "Receiving error")}, PalletCells(Mixed(Memory(200, 9), kFields, 1)), 1},
        {"offset send 2", kOffsetSend, "2", {}, Outcome::Completed, Writes(108, kOffsets),
         {askOffsetSend, notify("Offset sending is completed", "Offset send")}, kOffsets, 0},
        {"offset send 7", kOffsetSend, "7", {}, Outcome::Failed, {},
         {askOffsetSend, notify("Program No. ranges from 0 to 5.", "Sending error")}, kOffsets, 0},
        {"offset receive 7, without a range check", kOffsetReceive, "7", {}, Outcome::Completed, Reads(128, 4),
         {askOffsetReceive, notify("Offset receiving is completed", "Offset receive")}, Memory(128, 4), 4},
        {"offset initialise 2", kOffsetInit, "2", {}, Outcome::Completed, Writes(108, {"0", "0", "0", "0"}),
         {askOffsetInit("2"), notify("Offset initialize is completed", "Offset initialize")}, offsetZeroes, 1},
        {"offset initialise declined", kOffsetInit, "2", declined, Outcome::Declined, {}, {askOffsetInit("2")}, kOffsets, 0},
        {"offset initialise 7", kOffsetInit, "7", {}, Outcome::Failed, {}, {notify("Check PGM No.", "Offset initialize")}, kOffsets, 0},
        {"offset initialise -1", kOffsetInit, "-1", {}, Outcome::Failed, {}, {notify("Check PGM No.", "Offset initialize")}, kOffsets, 0},
        {"offset initialise a", kOffsetInit, "a", {}, Outcome::Failed, {},
         {notify("'a' is not a valid integer value", "Offset initialize")}, kOffsets, 0},
        {"offset send: R refused", kOffsetSend, "0", Refuse(4), Outcome::Failed, Writes(100, kOffsets),
         {askOffsetSend, refused, notify("Error occurs!  R", "Sending error")}, kOffsets, 0},
        {"offset initialise: Z refused", kOffsetInit, "0", Refuse(3), Outcome::Failed, Writes(100, {"0", "0", "0"}),
         {askOffsetInit("0"), refused, notify("Error occurs!  Z", "Sending error")}, Mixed(offsetZeroes, kOffsets, 2), 0},
        {"offset initialise: no reply", kOffsetInit, "0", Silent(2), Outcome::Failed, Writes(100, {"0", "0"}),
         {askOffsetInit("0"), notify("Error occurs", "Offset initialize")}, Mixed(offsetZeroes, kOffsets, 1), 0},
        {"offset receive: no reply", kOffsetReceive, "0", Silent(1), Outcome::Failed, Reads(100, 1),
         {askOffsetReceive, notify("Error occurs", "Receiving error")}, kOffsets, 0},
        {"offset send cancelled", kOffsetSend, "0", cancelAfterTwo, Outcome::Interrupted, Writes(100, {"1.50", "-2"}),
         {askOffsetSend, notify("Sending is interrupted", "Offset send")}, kOffsets, 0},
        {"offset receive cancelled", kOffsetReceive, "0", cancelAfterTwo, Outcome::Interrupted, Reads(100, 2),
         {askOffsetReceive, notify("Receiving is interrupted", "Offset receive")}, Mixed(Memory(100, 4), kOffsets, 2), 2},
        {"offset initialise cancelled", kOffsetInit, "0", cancelAfterTwo, Outcome::Interrupted, Writes(100, {"0", "0"}),
         {askOffsetInit("0"), notify("Initialize is interrupted", "Offset initialize")}, Mixed(offsetZeroes, kOffsets, 2), 0},
        // Off line by the end: no completion notice.
        {"offset send off line", kOffsetSend, "0", offline, Outcome::Completed, Writes(100, kOffsets), {askOffsetSend}, kOffsets, 0},
        {"offset receive off line", kOffsetReceive, "0", offline, Outcome::Completed, Reads(100, 4), {askOffsetReceive},
         Memory(100, 4), 4},
        {"offset initialise off line", kOffsetInit, "0", offline, Outcome::Completed, Writes(100, {"0", "0", "0", "0"}),
         {askOffsetInit("0")}, offsetZeroes, 1},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        KindRig rig;
        rig.prompter.answers = {true};
        (c.procedure.pallet ? rig.pallet.number : rig.offset.program) = c.number;
        if (c.arrange) c.arrange(rig);
        EXPECT_EQ(c.procedure.run(rig), c.outcome);
        EXPECT_EQ(rig.sent(), c.sent);
        EXPECT_EQ(rig.prompter.messages, c.shown);
        EXPECT_EQ(rig.cells(c.procedure.pallet), c.data);
        EXPECT_EQ(rig.modified, c.modified);
        EXPECT_FALSE(rig.view.cancelShown);
        EXPECT_FALSE(rig.view.cancelRequested());
    }
}

}  // namespace
}  // namespace mivo
