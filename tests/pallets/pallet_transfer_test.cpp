// Pallet send, receive and initialisation against the simulated controller in process.
#include "pallets/pallet_transfer.h"

#include <gtest/gtest.h>

#include "support/procedure_rig.h"

namespace mivo {
namespace {

using test::Message;
using test::Rig;

const Message kAskSend{"ask", "Is pallet sending executed?", "Pallet send"};
const Message kAskReceive{"ask", "Is pallet receiving executed?", "Pallet receive"};
const Message kAskInit{"ask", "Is pallet initialize executed?", "Pallet initialize"};
const Message kSent{"notify", "Pallet sending is completed", "Pallet send"};
const Message kReceived{"notify", "Pallet receiving is completed", "Pallet receive"};
const Message kInitialized{"notify", "Initialize is completed", "Pallet initialize"};

struct PalletRig : Rig {
    PalletData data;
    int modified = 0;
    bool online = true;
    PalletRig() {
        data.fields = {"10.00", "20.5", "-3", "x2", "y2", "x3", "y3", "4", "5"};
        data.z2 = "z of P2";
        data.z3 = "z of P3";
    }
    PalletTarget target() {
        return {data, [this] { ++modified; }, {}, [this] { return online; }};
    }
    std::string memory(int n) const { return sim.parameters.values[static_cast<std::size_t>(n)]; }
};

std::vector<std::string> Commands(const char* verb, int first, const std::vector<std::string>& v) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < v.size(); ++i) {
        std::string c = std::string(verb) + std::to_string(first + static_cast<int>(i));
        if (!v[i].empty()) c += "," + v[i];
        out.push_back(c);
    }
    return out;
}

std::vector<std::string> Fields(const PalletData& d) { return {d.fields.begin(), d.fields.end()}; }

TEST(PalletTransfer, SendWritesTheNineFieldsOfThePallet) {
    struct Case {
        const char* number;
        int first;
    } cases[] = {{"0", 200}, {"3", 233}, {"19", 409}, {" 7", 277}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        PalletRig rig;
        rig.data.number = c.number;
        rig.prompter.answers = {true};
        const std::vector<std::string> values = Fields(rig.data);
        const std::string counter = rig.memory(c.first + PalletXCounter);
        EXPECT_EQ(SendPallet(rig.ctx, rig.target()), Outcome::Completed);
        EXPECT_EQ(rig.sent(), Commands("@WRITE PRM ", c.first, values));
        EXPECT_EQ(rig.sent().front(), "@WRITE PRM " + std::to_string(c.first) + ",10.00");
        EXPECT_EQ(rig.memory(c.first + PalletYPartitions), "5");
        EXPECT_EQ(rig.memory(c.first + PalletXCounter), counter);  // counters never sent
        EXPECT_EQ(rig.prompter.messages, (std::vector<Message>{kAskSend, kSent}));
        // The Z cells without a parameter are never sent and are emptied.
        EXPECT_EQ(rig.data.z2, "");
        EXPECT_EQ(rig.data.z3, "");
        EXPECT_EQ(Fields(rig.data), values);
        EXPECT_EQ(rig.modified, 0);
        EXPECT_EQ(rig.view.maximum, 8);
        EXPECT_FALSE(rig.view.cancelShown);
    }
}

TEST(PalletTransfer, ReceiveReadsTheNumberAsTyped) {
    struct Case {
        const char* number;
        int first;
    } cases[] = {{"0", 200}, {"19", 409}, {"20", 420}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        PalletRig rig;
        rig.data.number = c.number;
        for (int f = 0; f < kPalletSentFields; ++f)
            rig.sim.parameters.values[static_cast<std::size_t>(c.first + f)] =
                "r" + std::to_string(f);
        rig.prompter.answers = {true};
        EXPECT_EQ(ReceivePallet(rig.ctx, rig.target()), Outcome::Completed);
        EXPECT_EQ(rig.sent(), Commands("@READ PRM ", c.first, std::vector<std::string>(9)));
        EXPECT_EQ(Fields(rig.data),
                  (std::vector<std::string>{"r0", "r1", "r2", "r3", "r4", "r5", "r6", "r7", "r8"}));
        EXPECT_EQ(rig.modified, 9);
        EXPECT_EQ(rig.data.z2, "");
        EXPECT_EQ(rig.data.z3, "");
        EXPECT_EQ(rig.prompter.messages, (std::vector<Message>{kAskReceive, kReceived}));
    }
}

TEST(PalletTransfer, InitializeWritesZerosAndOnes) {
    PalletRig rig;
    rig.data.number = "2";
    rig.prompter.answers = {true};
    EXPECT_EQ(InitializePallet(rig.ctx, rig.target()), Outcome::Completed);
    EXPECT_EQ(rig.sent(),
              Commands("@WRITE PRM ", 222, {"0", "0", "0", "0", "0", "0", "0", "1", "1"}));
    EXPECT_EQ(Fields(rig.data), (std::vector<std::string>{"0.00", "0.00", "0.00", "0.00", "0.00",
                                                          "0.00", "0.00", "1", "1"}));
    EXPECT_EQ(rig.prompter.messages, (std::vector<Message>{kAskInit, kInitialized}));
    EXPECT_EQ(rig.modified, 0);
}

// Nothing is sent: the number, the question or the range check stops it first.
TEST(PalletTransfer, StopsBeforeAnythingIsSent) {
    using Run = Outcome (*)(ProcedureContext&, const PalletTarget&);
    struct Case {
        const char* what;
        Run run;
        const char* number;
        bool yes;
        Outcome outcome;
        std::vector<Message> shown;
    } cases[] = {
        {"send 20",
         SendPallet,
         "20",
         true,
         Outcome::Failed,
         {{"notify", "Pallet No. ranges from 0 to 19", "Pallet error"}}},
        {"send -1",
         SendPallet,
         "-1",
         true,
         Outcome::Failed,
         {{"notify", "Pallet No. ranges from 0 to 19", "Pallet error"}}},
        {"send 1.5",
         SendPallet,
         "1.5",
         true,
         Outcome::Failed,
         {{"notify", "'1.5' is not a valid integer value", "Pallet error"}}},
        {"send declined", SendPallet, "1", false, Outcome::Declined, {kAskSend}},
        {"initialise 20",
         InitializePallet,
         "20",
         true,
         Outcome::Failed,
         {kAskInit, {"notify", "Pallet No. ranges from 0 to 19", "Initialize error"}}},
        {"initialise declined", InitializePallet, "20", false, Outcome::Declined, {kAskInit}},
        {"initialise empty",
         InitializePallet,
         "",
         true,
         Outcome::Failed,
         {kAskInit, {"notify", "'' is not a valid integer value", "Initialize error"}}},
        {"receive x",
         ReceivePallet,
         "x",
         true,
         Outcome::Failed,
         {kAskReceive, {"notify", "'x' is not a valid integer value", "Pallet receive"}}},
        {"receive declined", ReceivePallet, "0", false, Outcome::Declined, {kAskReceive}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PalletRig rig;
        rig.data.number = c.number;
        rig.prompter.answers = {c.yes};
        const std::vector<std::string> values = Fields(rig.data);
        EXPECT_EQ(c.run(rig.ctx, rig.target()), c.outcome);
        EXPECT_TRUE(rig.sent().empty());
        EXPECT_EQ(rig.prompter.messages, c.shown);
        EXPECT_EQ(Fields(rig.data), values);
        EXPECT_FALSE(rig.view.cancelShown);
    }
}

// A field the controller refuses, or that gets no reply, ends the transfer there.

}  // namespace
}  // namespace mivo
