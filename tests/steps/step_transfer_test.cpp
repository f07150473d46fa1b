// Step send, receive and initialize against the simulated controller in process.
#include "steps/step_transfer.h"

#include <gtest/gtest.h>

#include "steps/program_initialize.h"
#include "steps/step_rules.h"
#include "steps/step_target.h"
#include "support/procedure_rig.h"

namespace mivo {
namespace {

using test::Message;

// The procedure rig with a step table target that counts StepModified.
struct StepRig : test::Rig {
    int modified = 0;
    StepTarget steps(StepTable& table) {
        return {table, [this] { ++modified; }, {}};
    }
};

using Rows = std::vector<std::pair<int, StepRow>>;
using Texts = std::vector<std::string>;

const StepRow kCircleFirst{"CIR", "000", "10", "20", "5"};
const StepRow kCircleSecond{"CIR", "000", "30", "40", "50", "60"};
const Message ask0{"ask", "Send to PGM0 will be executed.  OK?", "Step send"};

// Step send to its end or where it stops: messages and commands; the table is only upper-cased.
// A circle step whose rows were parted is refused before anything is sent, naming the step.
TEST(StepTransfer, SendCases) {
    struct Case {
        const char* name;
        std::string start, end;
        int refuseAt;  // command number refused (0: none)
        std::string refuseLine;
        bool answer;
        int program;
        Outcome outcome;
        std::vector<Message> messages;
        std::vector<std::string> sent;
        Rows rows = {{5, kCircleFirst}, {6, kCircleSecond}};
    };
    const Message completed{"notify", "Sending is completed", "Step send"};
    std::vector<std::string> everyPdel = {"@?NO"};
    for (int s = 0; s < kStepCount; ++s) everyPdel.push_back("@PDEL " + std::to_string(s));
    // clang-format off
    const Rows kinds = {{0, {"SEQ", "200", "1", "2", "3", "4", "12", "a note"}}, {1, {"end", "000", "", "", "", "", "", ""}}, {2, {"JMP", "000"}}};
    const std::vector<Case> cases = {
        {"empty table", "0", "999", 0, "", true, 0, Outcome::Completed, {ask0, completed}, everyPdel, {}},
        {"circle sends its parts", "5", "7", 0, "", true, 0, Outcome::Completed, {ask0, completed}, {"@?NO", "@WRITE CIR 5,100", "1=10,20,5", "2=30,40", "3=50,60", "@WRITE STEP 7,POI,001,1.5,2,3,4"}, {{5, {"cir", "000", "10", "20", "5"}}, {6, kCircleSecond}, {7, {"POI", "001", "1.5", "2", "3", "4"}}}},
        {"command kinds", "0", "3", 0, "", true, 0, Outcome::Failed, {ask0, {"notify", "Command type error No. 2", "Sending error"}}, {"@?NO", "@WRITE STEP 0,SEQ,200,12", "@WRITE STEP 1,END,000,,,,"}, kinds},
        {"start after end", "10", "5", 0, "", true, 0, Outcome::Failed, {{"notify", "Check sending range", "Range"}}, {"@?NO"}},
        {"plus sign", "+1", "5", 0, "", true, 0, Outcome::Failed, {{"notify", "+ cannot be inputted", "Range"}}, {"@?NO"}},
        {"beyond last step", "0", "1000", 0, "", true, 0, Outcome::Failed, {{"notify", "Check sending range", "Range"}}, {"@?NO"}},
        {"no number", "a", "5", 0, "", true, 0, Outcome::Failed, {{"notify", "'a' is not a valid integer value", "Range"}}, {"@?NO"}},
        {"program 7", "0", "1", 0, "", true, 7, Outcome::Failed, {{"notify", "Check PGM No.", "Step send"}}, {"@?NO"}},
        {"answer no", "0", "1", 0, "", false, 0, Outcome::Declined, {ask0}, {"@?NO"}},
        {"refused step", "0", "3", 3, "12:Bad data", true, 0, Outcome::Failed, {ask0, {"error", "12:Bad data", "Error display"}, {"notify", "Error No. 1", "Sending error"}}, {"@?NO", "@PDEL 0", "@PDEL 1"}},
        {"refused with 31", "0", "3", 3, "31:Busy", true, 0, Outcome::Failed, {ask0, {"error", "31:Busy", "Error display"}}, {"@?NO", "@PDEL 0", "@PDEL 1"}},
        {"circle refused with 07", "4", "6", 3, "07:Line error", true, 0, Outcome::Failed, {ask0, {"error", "07:Line error", "Error display"}, {"notify", "Error No. 5", "Sending error"}}, {"@?NO", "@PDEL 4", "@WRITE CIR 5,100", "@"}},
        {"circle last part refused", "5", "6", 5, "12:Bad data", true, 0, Outcome::Failed, {ask0, {"error", "12:Bad data", "Error display"}, {"notify", "Error No. 5", "Sending error"}}, {"@?NO", "@WRITE CIR 5,100", "1=10,20,5", "2=30,40", "3=50,60"}},
        {"program query refused", "0", "1", 1, "10:Command error", true, 0, Outcome::Failed, {{"error", "10:Command error", "Error display"}}, {"@?NO"}},
        {"circle's first row alone", "0", "20", 0, "", true, 0, Outcome::Failed, {{"notify", "Circle step No. 12 lacks its second CIR row", "Sending error"}}, {}, {{12, kCircleFirst}, {13, {"POI", "000", "1", "2", "3", "0"}}}},
        {"circle's first row at the last step", "990", "999", 0, "", true, 0, Outcome::Failed, {{"notify", "Circle step No. 999 lacks its second CIR row", "Sending error"}}, {}, {{999, kCircleFirst}}},
        {"range starts on a circle's second row", "6", "9", 0, "", true, 0, Outcome::Failed, {{"notify", "Sending range starts inside circle step No. 5", "Range"}}, {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StepRig rig;
        rig.prompter.answers = {c.answer};
        rig.sim.steps.currentProgram = c.program;
        rig.sim.faults.refuse.which = c.refuseAt;
        rig.sim.faults.refuseLine = c.refuseLine;
        StepTable table;
        for (const auto& [step, row] : c.rows) table[step] = row;
        StepTable expected = table;
        UpperCaseCommands(expected);
        EXPECT_EQ(SendSteps(rig.ctx, rig.steps(table), c.start, c.end), c.outcome);
        EXPECT_EQ(rig.prompter.messages, c.messages);
        EXPECT_EQ(rig.sent(), c.sent);
        EXPECT_EQ(table, expected);
        EXPECT_FALSE(rig.view.cancelShown);
        EXPECT_FALSE(rig.view.dataExchange);
        if (c.outcome == Outcome::Completed) {
            EXPECT_EQ(rig.view.position, rig.view.maximum + 1);
            EXPECT_EQ(rig.shownProgram, "0");
        }
    }
}

// Quick send leaves the controller's program as Step send over 0-999 does, with only the
// program's steps on the line; a refused "@INIT PGM" sends nothing more, and a step Step send
// would refuse is refused before "@INIT PGM", the controller's program kept whole.
TEST(StepTransfer, QuickSendWritesTheSameProgram) {
    StepTable table;
    table[0] = {"poi", "000", "1", "2", "3", "0"};
    table[5] = kCircleFirst;
    table[6] = kCircleSecond;
    table[9] = {"END", "000"};
    StepRig full;
    full.prompter.answers = {true};
    full.sim.steps.programs[0][3] = "POI 000,9,9,9,9";
    StepTable copy = table;
    ASSERT_EQ(SendSteps(full.ctx, full.steps(copy), "0", "999"), Outcome::Completed);
    // The command refused, a step with an unknown command (-1: none), the outcome, the commands
    // sent and the messages.
    using Case = std::tuple<const char*, int, int, Outcome, Texts, std::vector<Message>>;
    // clang-format off
    const Case cases[] = {
        {"sent", 0, -1, Outcome::Completed, {"@?NO", "@INIT PGM", "@WRITE STEP 0,POI,000,1,2,3,0", "@WRITE CIR 5,100", "1=10,20,5", "2=30,40", "3=50,60", "@WRITE STEP 9,END,000,,,,"}, {ask0, {"notify", "Sending is completed", "Step send"}}},
        {"INIT PGM refused", 2, -1, Outcome::Failed, {"@?NO", "@INIT PGM"}, {ask0, {"error", "12:Bad data", "Error display"}}},
        {"unknown command", 0, 8, Outcome::Failed, {"@?NO"}, {ask0, {"notify", "Command type error No. 8", "Sending error"}}},
        // Cut after the program was emptied: what the controller holds now is said.
        {"refused midway", 4, -1, Outcome::Failed, {"@?NO", "@INIT PGM", "@WRITE STEP 0,POI,000,1,2,3,0", "@WRITE CIR 5,100"}, {ask0, {"error", "12:Bad data", "Error display"}, {"notify", "Error No. 5", "Sending error"}, {"notify", "PGM 0 on the controller now holds steps 0 to 0 only; send the whole program again", "Step send"}}},
    };
    // clang-format on
    for (const auto& [name, refuseAt, badStep, outcome, sent, messages] : cases) {
        SCOPED_TRACE(name);
        StepRig quick;
        quick.prompter.answers = {true};
        for (int s = 0; s < 20; ++s) quick.sim.steps.programs[0][s] = "POI 000,9,9,9,9";
        const auto held = quick.sim.steps.programs[0];
        quick.sim.faults.refuse.which = refuseAt;
        quick.sim.faults.refuseLine = "12:Bad data";
        copy = table;
        if (badStep >= 0) copy[badStep] = {"XYZ", "000", "", "", "", "", "", "bad"};
        EXPECT_EQ(QuickSendSteps(quick.ctx, quick.steps(copy)), outcome);
        EXPECT_EQ(quick.sent(), sent);
        EXPECT_EQ(quick.prompter.messages, messages);
        if (outcome == Outcome::Completed) {
            EXPECT_EQ(quick.sim.steps.programs[0], full.sim.steps.programs[0]);
            EXPECT_EQ(quick.view.maximum, 3);
        } else if (refuseAt == 4) {
            // What the notice says: step 0 alone.
            Texts first(held.size());
            first[0] = full.sim.steps.programs[0][0];
            EXPECT_EQ(quick.sim.steps.programs[0], first);
        } else {
            EXPECT_EQ(quick.sim.steps.programs[0], held);
        }
    }
}

TEST(StepTransfer, ProgramNumberFollowedBy07SendsAt) {
    StepRig rig;
    rig.sim.addCommand("@?NO", [&](const std::string&) {
        rig.sim.reply("3");
        rig.sim.reply("07:Framing error");
    });
    StepTable table;
    EXPECT_EQ(SendSteps(rig.ctx, rig.steps(table), "0", "1"), Outcome::Failed);
    EXPECT_EQ(rig.sent(), (Texts{"@?NO", "@"}));
    EXPECT_EQ(rig.prompter.texts(), (Texts{"07:Framing error"}));
    EXPECT_EQ(rig.shownProgram, "3");
}

TEST(StepTransfer, CancelBetweenSteps) {
    for (const bool receive : {false, true}) {
        StepRig rig;
        rig.prompter.answers = {true};
        rig.view.cancelAfterProgress = 3;
        StepTable table;
        const Outcome o = receive ? ReceiveSteps(rig.ctx, rig.steps(table), "0", "9")
                                  : SendSteps(rig.ctx, rig.steps(table), "0", "9");
        EXPECT_EQ(o, Outcome::Interrupted);
        EXPECT_EQ(rig.sent().size(), 4u);  // "@?NO" and steps 0, 1, 2
        const Message interrupted =
            receive ? Message{"notify", "Receiving is interrupted", "Step receive"}
                    : Message{"notify", "Sending is interrupted", "Step send"};
        EXPECT_EQ(rig.prompter.messages.back(), interrupted);
        EXPECT_FALSE(rig.view.cancelRequested());
    }
}

TEST(StepTransfer, ReceiveCases) {
    // The controller's lines for "@READ STEP 9", steps 9 and 10 afterwards, the messages.
    using Lines = std::vector<std::string>;
    const StepRow kept{"POI", "keep"};
    // clang-format off
    const std::vector<std::tuple<const char*, Lines, StepRow, StepRow, Outcome, Lines>> cases = {
        {"empty step", {"NG", "57:No step data"}, {}, kept, Outcome::Completed, {"Is step received?", "Step receiving is completed"}},
        {"other error", {"NG", "12:Bad"}, kept, kept, Outcome::Failed, {"Is step received?", "12:Bad"}},
        {"circle over two rows", {"S9 CIR 000,10.00,20.00,5.00", "S10 CIR 000,30.00,40.00,50.00,60.00", "OK"}, {"CIR", "000", "10.00", "20.00", "5.00"}, {"CIR", "000", "30.00", "40.00", "50.00", "60.00"}, Outcome::Completed, {"Is step received?", "Step receiving is completed"}},
        {"blanks before the fields", {"S9 SEQ   201,17", "OK"}, {"SEQ", "201", "", "", "", "", "17"}, kept, Outcome::Completed, {"Is step received?", "Step receiving is completed"}},
        {"four fields", {"S9 LIN 100,1,2,3", "OK"}, {"LIN", "100", "1", "2", "3"}, kept, Outcome::Completed, {"Is step received?", "Step receiving is completed"}},
        {"not a record", {"X9 POI 1", "OK"}, kept, kept, Outcome::Failed, {"Is step received?", "X9 POI 1"}},
        {"noise before the record", {"\x80\xA5S9 CIR 000,1,2,3", "S10 CIR 000,4,5,6,7", "OK"}, kept, kept, Outcome::Failed, {"Is step received?", "\x80\xA5S9 CIR 000,1,2,3"}},
        {"another step's record", {"S8 POI 000,1,2,3,4", "OK"}, kept, kept, Outcome::Failed, {"Is step received?", "S8 POI 000,1,2,3,4"}},
        {"unknown command", {"S9 XYZ 000", "OK"}, kept, kept, Outcome::Failed, {"Is step received?", "S9 XYZ 000"}},
        {"circle's second line garbled", {"S9 CIR 000,10.00,20.00,5.00", "S1C", "OK"}, {"CIR", "000", "10.00", "20.00", "5.00"}, kept, Outcome::Failed, {"Is step received?", "S1C"}},
        {"no OK after the record", {"S9 POI 100,1,2,3,4", "NG"}, {"POI", "100", "1", "2", "3", "4"}, kept, Outcome::Failed, {"Is step received?", "NG"}},
        {"silence", {}, kept, kept, Outcome::Failed, {"Is step received?"}},
    };
    // clang-format on
    for (const auto& [name, replies, row9, row10, outcome, messages] : cases) {
        SCOPED_TRACE(name);
        StepRig rig;
        rig.prompter.answers = {true};
        rig.sim.addCommand("@READ STEP", [&, &replies = replies](const std::string&) {
            for (const auto& l : replies) rig.sim.reply(l);
        });
        StepTable table;
        table[9] = table[10] = kept;
        EXPECT_EQ(ReceiveSteps(rig.ctx, rig.steps(table), "9", "9"), outcome);
        EXPECT_EQ(table[9], row9);
        EXPECT_EQ(table[10], row10);
        EXPECT_EQ(rig.prompter.texts(), messages);
    }
}

// The question sets StepModified and changes nothing; a refused "@INIT PGM" leaves the table
// and the controller's program as they were. Yes through the editor empties both.
TEST(StepInitialize, RefusedLeavesTableAndProgram) {
    StepRig rig;
    rig.sim.steps.currentProgram = 3;
    rig.sim.steps.programs[3][7] = "POI 000,1,2,3,4";
    rig.sim.faults.refuse.which = 2;  // the second command: @INIT PGM
    StepTable table;
    table[7][FieldCommand] = "POI";
    EXPECT_EQ(InitializeQuestion(rig.ctx, rig.steps(table)), "Is PGM No.3 initialize executed?");
    EXPECT_EQ(rig.modified, 1);
    EXPECT_TRUE(rig.prompter.messages.empty());
    EXPECT_EQ(InitializeProgram(rig.ctx, rig.steps(table)), Outcome::Failed);
    EXPECT_EQ(rig.sent().back(), "@INIT PGM");
    EXPECT_FALSE(table[7].empty());
    EXPECT_FALSE(rig.sim.steps.programs[3][7].empty());
    EXPECT_EQ(rig.prompter.messages,
              (std::vector<Message>{{"error", "10:Command error", "Error display"}}));
}

}  // namespace
}  // namespace mivo
