// The teaching openers' moves and the offset teaching's OK against the simulated controller in
// process.
#include "teach/opener_moves.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/procedure_rig.h"

namespace mivo::test {
namespace {

using Lines = std::vector<std::string>;
const Lines kPositions{"@?POS 1", "@?POS 2", "@?POS 3", "@?POS 4"};

Lines Joined(Lines head, const Lines& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

// What each opener sends, asks and reads, from its question to the positions it hands on.
TEST(TeachMoves, EachOpenerMovesThenReadsThePositions) {
    struct Case {
        const char* name;
        TeachMove move;
        std::function<void(Rig&)> setUp;
        std::deque<bool> answers;
        Lines sent;
        Outcome outcome;
        std::map<int, std::string> positions = {};
        Lines messages = {};
    };
    const TeachMove pallet = OpenerMove(DataKind::Pallet, "3");
    const TeachMove zi = OpenerMove(DataKind::Parameter, "");
    const auto step = [](const char* number) { return OpenerMove(DataKind::Step, number); };
    static const auto homed = [](Rig& r) { r.sim.motion.originState = 1; };
    const auto palletThree = [](Rig& r) {
        r.sim.motion.originState = 1;
        for (int j = 0; j < 7; ++j) r.sim.parameters.values[233 + j] = std::to_string(10 * (j + 1));
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"pallet 3, at origin", pallet, palletThree, {true}, Joined({"@?ORG", "@PAL GO 3,1"}, kPositions), Outcome::Completed, {{1, "10.00"}, {2, "20.00"}, {3, "30.00"}, {4, "0.00"}}, {"GO move?"}},
        {"No to GO move: nothing sent", pallet, palletThree, {false}, {}, Outcome::Declined, {}, {"GO move?"}},
        {"not at origin, returns first", pallet, [](Rig&) {}, {true, true}, Joined({"@?ORG", "@ORG", "@PAL GO 3,1"}, kPositions), Outcome::Completed, {{1, "0.00"}, {2, "0.00"}, {3, "0.00"}, {4, "0.00"}}, {"GO move?", "Return to origin?"}},
        {"not at origin, No: nothing moves", pallet, [](Rig&) {}, {true, false}, {"@?ORG"}, Outcome::Declined, {}, {"GO move?", "Return to origin?"}},
        {"offset: its question, then the origin only", OpenerMove(DataKind::Offset, ""), [](Rig&) {}, {true, true}, {"@?ORG", "@ORG"}, Outcome::Completed, {}, {"The offset teaching value will be written to the program number set by the rotary switch. Perform offset teaching?", "Return to origin?"}},
        {"ZI reads Z only", zi, [](Rig& r) { homed(r); r.sim.parameters.values[4] = "-2.50"; }, {true}, {"@?ORG", "@ZI", "@?POS 3"}, Outcome::Completed, {{3, "-2.50"}}, {"ZI move?"}},
        {"step 12, a circle at character 5", step("12"), [](Rig& r) { homed(r); r.sim.steps.programs[0][12] = "CIR 000,10,20,5"; r.sim.steps.programs[0][13] = "CIR 000,30,40,50,60"; }, {true}, Joined({"@?ORG", "@READ STEP 12", "@CIR GO 12,1"}, kPositions), Outcome::Completed, {{1, "10.00"}, {2, "20.00"}, {3, "5.00"}, {4, "0.00"}}, {"GO move?"}},
        {"chooser, step 9 of pallet 3", ChosenStepMove("9", nullptr), [&](Rig& r) { palletThree(r); r.sim.steps.programs[0][9] = "PAL 003"; }, {}, Joined({"@?ORG", "@READ STEP 9", "@PAL GO 03,1"}, kPositions), Outcome::Completed, {{1, "10.00"}, {2, "20.00"}, {3, "30.00"}, {4, "0.00"}}},
        {"an empty step: its error shown", step("9"), homed, {true}, {"@?ORG", "@READ STEP 9"}, Outcome::Failed, {}, {"GO move?", "57:No step data"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        c.setUp(rig);
        rig.prompter.answers = c.answers;
        std::map<int, std::string> positions;
        EXPECT_EQ(MoveForTeaching(rig.ctx, c.move, positions), c.outcome);
        EXPECT_EQ(rig.sent(), c.sent);
        EXPECT_EQ(positions, c.positions);
        EXPECT_EQ(rig.prompter.texts(), c.messages);
    }
}

// The offset teaching's OK: "@OFF" stores where the robot stands less the GO position, and
// the program's four offsets come back; a read-back cut short keeps what came and says so.
TEST(TeachMoves, OffsetTeachingReadsTheProgramsOffsetsBack) {
    for (const bool cut : {false, true}) {
        SCOPED_TRACE(cut ? "cut short" : "program 3");
        Rig rig;
        rig.sim.motion.originState = 1;
        rig.sim.steps.currentProgram = 3;
        rig.sim.steps.programs[3][0] = "POI 000,10,0,0,0";
        ASSERT_EQ(rig.channel.request("@GO 0"), "OK");
        ASSERT_EQ(rig.channel.request("@X1+"), "OK");  // one jog past the step's position
        if (cut) rig.sim.faults.silent = {3, SimFamily::Parameters};
        OffsetReadBack back;
        EXPECT_EQ(SendOffsetAndReadBack(rig.ctx, back), cut ? Outcome::Failed : Outcome::Completed);
        EXPECT_EQ(rig.sent().back(), cut ? "@READ PRM 114" : "@READ PRM 115");
        EXPECT_EQ(back.program, "3");
        EXPECT_EQ(back.read, cut ? 2 : 4);
        EXPECT_EQ(back.offsets[0], rig.sim.parameters.values[112]);
        EXPECT_NE(back.offsets[0], "0.00");
        EXPECT_EQ(rig.prompter.texts(), cut ? Lines{"Data is not received properly"} : Lines{});
    }
}

}  // namespace
}  // namespace mivo::test
