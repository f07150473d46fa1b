// The maintenance commands of the direct-operation screen against the simulated controller.
#include "direct/maintenance_commands.h"

#include <gtest/gtest.h>

#include <functional>

#include "direct/direct_commands.h"
#include "direct/direct_rig.h"

namespace mivo::test {
namespace {

using Lines = std::vector<std::string>;
using Command = Outcome (*)(DirectSession&);

TEST(DirectMaintenance, EachCommandAndItsReply) {
    struct Case {
        const char* name;
        Command command;
        std::function<void(DirectRig&)> setUp;
        Lines display;
        Outcome outcome;
        std::function<void(DirectRig&)> check = nullptr;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"INIT C with 12", InitCounter, [](DirectRig& r) { r.view.fields[DirectField::INITCTX] = "12"; r.sim.parameters.values[341] = "4"; },
         {"@INIT C 12", "OK"}, Outcome::Completed, [](DirectRig& r) { EXPECT_EQ(r.sim.parameters.values[341], "0"); }},
        {"INIT C ALL", InitAllCounters, [](DirectRig& r) { r.sim.parameters.values[419] = "9"; },
         {"@INIT C ALL", "OK"}, Outcome::Completed, [](DirectRig& r) { EXPECT_EQ(r.sim.parameters.values[419], "0"); }},
        {"INIT C refused", InitCounter, [](DirectRig& r) { r.view.fields[DirectField::INITCTX] = "x"; },
         {"@INIT C x", "NG", "11:Parameter error"}, Outcome::Failed},
        {"INIT PGM ALL", InitAllPrograms, [](DirectRig& r) { r.sim.steps.programs[4][9] = "END 000"; },
         {"@INIT PGM ALL", "OK"}, Outcome::Completed, [](DirectRig& r) {
             EXPECT_EQ(r.view.stepEditorResets, 1);
             EXPECT_EQ(r.sim.steps.programs[4][9], "");
         }},
        {"INIT ERR", InitErrors, nullptr, {"@INIT ERR", "OK"}, Outcome::Completed,
         [](DirectRig& r) { EXPECT_TRUE(r.sim.records.errorRecord.empty()); }},
        {"?SNO", QueryStepNo, [](DirectRig& r) { r.view.fields[DirectField::Step] = "x"; },
         {"@?SNO", "0", "OK"}, Outcome::Completed, [](DirectRig& r) { EXPECT_EQ(r.view.fields[DirectField::Step], "0"); }},
        {"?NO", QueryProgramNumber, [](DirectRig& r) { r.sim.steps.currentProgram = 3; }, {"@?NO", "3", "OK"}, Outcome::Completed},
        {"?ORG", QueryOrigin, nullptr, {"@?ORG", "1", "OK"}, Outcome::Completed},
        {"?C", QueryCounter, [](DirectRig& r) { r.view.fields[DirectField::RCTX] = "1"; r.sim.parameters.values[220] = "2"; },
         {"@?C 1", "2,0", "OK"}, Outcome::Completed},
        {"?C answered OK", QueryCounter, [](DirectRig& r) { r.answer("@?C", {"OK"}); },
         {"@?C 0", "OK"}, Outcome::Failed, [](DirectRig& r) { EXPECT_EQ(r.prompter.messages.back().text, "OK"); }},
        {"?REL", QueryRelease, nullptr, {"@?REL", "R2.05", "OK"}, Outcome::Completed},
        {"MOMCH", MemoryCheck, nullptr, {"@MOMCH", "EEP0:OK", "EEP1:OK", "EEP2:OK", "EEP3:OK", "OK"}, Outcome::Completed},
        {"MOMCH, a bank fails", MemoryCheck, [](DirectRig& r) { r.sim.records.memoryCheck[2] = "E2:Memory error"; },
         {"@MOMCH", "EEP0:OK", "EEP1:OK", "E2:Memory error"}, Outcome::Failed,
         [](DirectRig& r) { EXPECT_EQ(r.prompter.messages.back(), (Message{"error", "E2:Memory error", "Error display"})); }},
        {"MOMCH, no OK after", MemoryCheck, [](DirectRig& r) { r.answer("@MOMCH", {"EEP0", "EEP1", "EEP2", "EEP3", "NG", "12:Check error"}); },
         {"@MOMCH", "EEP0", "EEP1", "EEP2", "EEP3", "NG", "12:Check error"}, Outcome::Failed},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DirectRig rig;
        if (c.setUp) c.setUp(rig);
        rig.prompter.answers = {true};
        EXPECT_EQ(c.command(rig.session), c.outcome);
        EXPECT_EQ(rig.view.lines(), c.display);
        EXPECT_TRUE(rig.view.idle());
        if (c.check) c.check(rig);
    }
}

TEST(DirectMaintenance, InitProgramAsksForTheProgramItWasTold) {
    struct Case {
        const char* program;
        std::deque<bool> answers;
        Outcome outcome;
        Lines messages;
        Lines sent;
        int resets;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"2", {true}, Outcome::Completed, {"PGM 2 will be initialized.  OK?"}, {"@?NO", "@INIT PGM"}, 1},
        {"2", {false}, Outcome::Declined, {"PGM 2 will be initialized.  OK?"}, {"@?NO"}, 0},
        {"7", {true}, Outcome::Failed, {"Check PGM No."}, {"@?NO"}, 0},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program);
        DirectRig rig;
        rig.answer("@?NO", {c.program, "OK"});
        rig.prompter.answers = c.answers;
        EXPECT_EQ(InitProgram(rig.session), c.outcome);
        EXPECT_EQ(rig.prompter.texts(), c.messages);
        EXPECT_EQ(rig.sent(), c.sent);
        EXPECT_EQ(rig.view.stepEditorResets, c.resets);
        if (c.outcome == Outcome::Failed) {
            EXPECT_EQ(rig.prompter.messages.back().caption, "Step initialize");
        }
    }
}

TEST(DirectMaintenance, PositionsQueryReadsEachAxis) {
    DirectRig rig;
    rig.sim.steps.programs[0][0] = "POI 000,12.5,-1,3,7";
    rig.prompter.answers = {true};
    // One step, to stand somewhere.
    ASSERT_EQ(RunStep(rig.session), Outcome::Completed);
    EXPECT_EQ(QueryPositions(rig.session), Outcome::Completed);
    const Lines sent = rig.sent();
    EXPECT_EQ(Lines(sent.end() - 5, sent.end()),
              (Lines{"@?POS 0", "@?POS 1", "@?POS 2", "@?POS 3", "@?POS 4"}));
    EXPECT_EQ(rig.view.field(DirectField::Xposi), "12.50");
    EXPECT_EQ(rig.view.field(DirectField::Yposi), "-1.00");
    EXPECT_EQ(rig.view.field(DirectField::Zposi), "3.00");
    EXPECT_EQ(rig.view.field(DirectField::Rposi), "0.00");
    const Lines display = rig.view.lines();
    EXPECT_EQ(Lines(display.end() - 15, display.end() - 12),
              (Lines{"@?POS 0", "12.50,-1.00,3.00,0.00", "OK"}));
}

}  // namespace
}  // namespace mivo::test
