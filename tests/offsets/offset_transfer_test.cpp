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
