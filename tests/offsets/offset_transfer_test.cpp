// Offset send, receive and initialisation against the simulated controller in process.
#include "offsets/offset_transfer.h"

#include <gtest/gtest.h>

#include "support/procedure_rig.h"

namespace mivo {
namespace {

using test::Message;
using test::Rig;

const Message kAskSend{"ask", "Is offset sending executed?", "Offset send"};
const Message kAskReceive{"ask", "Is offset receiving executed?", "Offset receive"};
const Message kSent{"notify", "Offset sending is completed", "Offset send"};
const Message kReceived{"notify", "Offset receiving is completed", "Offset receive"};
const Message kInitialized{"notify", "Offset initialize is completed", "Offset initialize"};

Message AskInit(const char* program) {
    return {"ask", std::string("Offset data of PGM No.") + program + " will be initialized.  OK?",
            "Offset initialize"};
}

struct OffsetRig : Rig {
    OffsetData data;
    int modified = 0;
    bool online = true;
    OffsetRig() { data.values = {"1.50", "-2", "", "9.99"}; }
    OffsetTarget target() {
        return {data, [this] { ++modified; }, {}, [this] { return online; }};
    }
    std::string memory(int n) const { return sim.parameters.values[static_cast<std::size_t>(n)]; }
};

std::vector<std::string> Values(const OffsetData& d) { return {d.values.begin(), d.values.end()}; }

TEST(OffsetTransfer, SendAndReceiveTheProgramsFourParameters) {
    struct Case {
        const char* program;
        int first;
        bool sendable;
    } cases[] = {{"0", 100, true}, {"2", 108, true}, {"5", 120, true}, {"7", 128, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program);
        OffsetRig rig;
        rig.data.program = c.program;
        rig.prompter.answers = {true};
        const std::vector<std::string> values = Values(rig.data);
        if (c.sendable) {
            EXPECT_EQ(SendOffsets(rig.ctx, rig.target()), Outcome::Completed);
            const int f = c.first;
            EXPECT_EQ(rig.sent(),
                      (std::vector<std::string>{"@WRITE PRM " + std::to_string(f) + ",1.50",
                                                "@WRITE PRM " + std::to_string(f + 1) + ",-2",
                                                "@WRITE PRM " + std::to_string(f + 2) + ",",
                                                "@WRITE PRM " + std::to_string(f + 3) + ",9.99"}));
            EXPECT_EQ(rig.memory(f + 3), "9.99");
            EXPECT_EQ(rig.prompter.messages, (std::vector<Message>{kAskSend, kSent}));
        } else {
            // Refused after the question.
            EXPECT_EQ(SendOffsets(rig.ctx, rig.target()), Outcome::Failed);
            EXPECT_TRUE(rig.sent().empty());
            EXPECT_EQ(
                rig.prompter.messages,
                (std::vector<Message>{
                    kAskSend, {"notify", "Program No. ranges from 0 to 5.", "Sending error"}}));
        }
        EXPECT_EQ(rig.modified, 0);

        // Receive has no range check.
        OffsetRig back;
        back.data.program = c.program;
        for (int a = 0; a < kAxisCount; ++a)
            back.sim.parameters.values[static_cast<std::size_t>(c.first + a)] =
                "o" + std::to_string(a);
        back.prompter.answers = {true};
        EXPECT_EQ(ReceiveOffsets(back.ctx, back.target()), Outcome::Completed);
        EXPECT_EQ(back.sent(),
                  (std::vector<std::string>{"@READ PRM " + std::to_string(c.first),
                                            "@READ PRM " + std::to_string(c.first + 1),
                                            "@READ PRM " + std::to_string(c.first + 2),
                                            "@READ PRM " + std::to_string(c.first + 3)}));
        EXPECT_EQ(Values(back.data), (std::vector<std::string>{"o0", "o1", "o2", "o3"}));
        EXPECT_EQ(back.modified, 4);
        EXPECT_EQ(back.prompter.messages, (std::vector<Message>{kAskReceive, kReceived}));
    }
}

TEST(OffsetTransfer, InitializeNamesTheProgram) {
    struct Case {
        const char* program;
        bool yes;
        Outcome outcome;
        std::vector<Message> shown;
        std::vector<std::string> sent;
    } cases[] = {
        {"2",
         true,
         Outcome::Completed,
         {AskInit("2"), kInitialized},
         {"@WRITE PRM 108,0", "@WRITE PRM 109,0", "@WRITE PRM 110,0", "@WRITE PRM 111,0"}},
        {"2", false, Outcome::Declined, {AskInit("2")}, {}},
        {"7", true, Outcome::Failed, {{"notify", "Check PGM No.", "Offset initialize"}}, {}},
        {"-1", true, Outcome::Failed, {{"notify", "Check PGM No.", "Offset initialize"}}, {}},
        {"a",
         true,
         Outcome::Failed,
         {{"notify", "'a' is not a valid integer value", "Offset initialize"}},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program);
        OffsetRig rig;
        rig.data.program = c.program;
        rig.prompter.answers = {c.yes};
        const std::vector<std::string> before = Values(rig.data);
        EXPECT_EQ(InitializeOffsets(rig.ctx, rig.target()), c.outcome);
        EXPECT_EQ(rig.prompter.messages, c.shown);
        EXPECT_EQ(rig.sent(), c.sent);
        const bool done = c.outcome == Outcome::Completed;
        // After an initialise the cells read "0.00" and the screen counts as modified.
        EXPECT_EQ(Values(rig.data), done ? std::vector<std::string>(4, "0.00") : before);
        EXPECT_EQ(rig.modified, done ? 1 : 0);
    }
}

TEST(OffsetTransfer, FailingAxisEndsWithItsMessage) {
    using Run = Outcome (*)(ProcedureContext&, const OffsetTarget&);
    const Message kLine{"error", "45:Parameter No. error", "Error display"};
    struct Case {
        const char* what;
        Run run;
        int failing;
        bool silent;
        const char* line;
        std::vector<Message> shown;  // after the question
    } cases[] = {
        {"send X",
         SendOffsets,
         1,
         false,
         "45:Parameter No. error",
         {kLine, {"notify", "Error occurs!  X", "Sending error"}}},
        {"send R",
         SendOffsets,
         4,
         false,
         "45:Parameter No. error",
         {kLine, {"notify", "Error occurs!  R", "Sending error"}}},
        {"send 31",
         SendOffsets,
         2,
         false,
         "31:Emergency stop",
         {{"error", "31:Emergency stop", "Error display"}}},
        {"send no reply", SendOffsets, 3, true, "", {{"notify", "Error occurs", "Sending error"}}},
        {"initialise Z",
         InitializeOffsets,
         3,
         false,
         "45:Parameter No. error",
         {kLine, {"notify", "Error occurs!  Z", "Sending error"}}},
        {"initialise no reply",
         InitializeOffsets,
         2,
         true,
         "",
         {{"notify", "Error occurs", "Offset initialize"}}},
        {"receive Y", ReceiveOffsets, 2, false, "45:Parameter No. error", {kLine}},
        {"receive no reply",
         ReceiveOffsets,
         1,
         true,
         "",
         {{"notify", "Error occurs", "Receiving error"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OffsetRig rig;
        rig.data.program = "1";
        rig.prompter.answers = {true};
        if (c.silent)
            rig.sim.faults.silent.which = c.failing;
        else {
            rig.sim.faults.refuse.which = c.failing;
            rig.sim.faults.refuseLine = c.line;
        }
        EXPECT_EQ(c.run(rig.ctx, rig.target()), Outcome::Failed);
        EXPECT_EQ(rig.sent().size(), static_cast<std::size_t>(c.failing));
        EXPECT_EQ(
            std::vector<Message>(rig.prompter.messages.begin() + 1, rig.prompter.messages.end()),
            c.shown);
        EXPECT_FALSE(rig.view.cancelShown);
        // A failed initialise leaves the flag alone; the axes accepted before read "0.00".
        if (c.run == InitializeOffsets) {
            EXPECT_EQ(rig.modified, 0);
            for (int a = 0; a < kAxisCount; ++a)
                EXPECT_EQ(rig.data.values[static_cast<std::size_t>(a)] == "0.00", a < c.failing - 1)
                    << a;
        }
    }
}

TEST(OffsetTransfer, CancelAndOffLineEnds) {
    using Run = Outcome (*)(ProcedureContext&, const OffsetTarget&);
    struct Case {
        Run run;
        Message interrupted;
    } cases[] = {
        {SendOffsets, {"notify", "Sending is interrupted", "Offset send"}},
        {ReceiveOffsets, {"notify", "Receiving is interrupted", "Offset receive"}},
        {InitializeOffsets, {"notify", "Initialize is interrupted", "Offset initialize"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.interrupted.text);
        OffsetRig cancelled;
        cancelled.prompter.answers = {true};
        cancelled.view.cancelAfterProgress = 2;
        EXPECT_EQ(c.run(cancelled.ctx, cancelled.target()), Outcome::Interrupted);
        EXPECT_EQ(cancelled.sent().size(), 2u);
        EXPECT_EQ(cancelled.prompter.messages.back(), c.interrupted);

        OffsetRig offline;
        offline.online = false;
        offline.prompter.answers = {true};
        EXPECT_EQ(c.run(offline.ctx, offline.target()), Outcome::Completed);
        EXPECT_EQ(offline.sent().size(), 4u);
        EXPECT_EQ(offline.prompter.messages.size(), 1u);  // the question only
    }
}

}  // namespace
}  // namespace mivo
