// The simulated controller's commands of direct operation: GO moves, single steps, positions,
// the offset, counters and the maintenance commands, on its clock.
#include <gtest/gtest.h>

#include <functional>

#include "sim/sim_rig.h"

namespace mivo::test {
namespace {

using Lines = std::vector<std::string>;
using Position = SimMotion::Position;

// Step 5 a point, 12 and 13 a circle, 7 a pallet move of pallet 3 (P1 10,20,3; P2 40,50;
// P3 60,70), 9 a timer, 20 out of stroke.
void Prepare(SimController& sim) {
    auto& p = sim.steps.programs[0];
    p[5] = "POI 000,100,50,10,20";
    p[7] = "PAL 003,";
    p[9] = "SEQ 405,";
    p[12] = "CIR 000,10,20,5";
    p[13] = "CIR 000,30,40,50,60";
    p[20] = "POI 000,0,250,0,0";
    const char* pallet[] = {"10", "20", "3", "40", "50", "60", "70"};
    for (int j = 0; j < 7; ++j) sim.parameters.values[233 + j] = pallet[j];
    sim.parameters.values[4] = "-3.00";
}

TEST(SimDirect, MovesGoWhereTheirDataSayAndTakeTheirTime) {
    struct Case {
        std::string command;
        Lines lines;
        SimTime took;
        Position at;
    };
    const Position home{};
    // clang-format off
    const std::vector<Case> cases = {
        {"@GO 5", {"OK"}, 500ms, {100, 50, 10, 20}},
        {"@GO 12", {"OK"}, 100ms, {10, 20, 5, 0}},
        {"@GO 7", {"OK"}, 100ms, {10, 20, 3, 0}},
        {"@CIR GO 12,1", {"OK"}, 100ms, {10, 20, 5, 0}},
        {"@CIR GO 12,2", {"OK"}, 200ms, {30, 40, 5, 0}},
        {"@CIR GO 12,3", {"OK"}, 300ms, {50, 60, 5, 0}},
        {"@PAL GO 03,2", {"OK"}, 250ms, {40, 50, 3, 0}},
        {"@PAL GO 3,3", {"OK"}, 350ms, {60, 70, 3, 0}},
        {"@ZI", {"OK"}, 42857us, {0, 0, -3, 0}},
        {"@GO 3", {"NG", "57:No step data"}, 0ms, home},
        {"@GO 9", {"NG", "11:Parameter error"}, 0ms, home},
        {"@GO 1000", {"NG", "11:Parameter error"}, 0ms, home},
        {"@GO 20", {"NG", "52:Soft limit"}, 0ms, home},
        {"@CIR GO 5,1", {"NG", "57:No step data"}, 0ms, home},
        {"@CIR GO 12,4", {"NG", "11:Parameter error"}, 0ms, home},
        {"@PAL GO 20,1", {"NG", "11:Parameter error"}, 0ms, home},
        {"@PAL GO 3", {"NG", "11:Parameter error"}, 0ms, home},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        SimRig rig;
        Prepare(rig.sim);
        EXPECT_EQ(rig.all(c.command), c.lines);
        EXPECT_EQ(rig.now(), c.took);
        EXPECT_EQ(rig.sim.motion.position(), c.at);
    }
}

TEST(SimDirect, PositionsStepsAndCounters) {
    struct Case {
        std::vector<std::string> before;
        std::string command;
        Lines lines;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {{"@GO 5"}, "@?POS 0", {"100.00,50.00,10.00,20.00", "OK"}},
        {{"@GO 5"}, "@?POS 3", {"10.00", "OK"}},
        {{}, "@?POS 5", {"NG", "11:Parameter error"}},
        {{}, "@?SNO", {"0", "OK"}},
        {{"@SRUN"}, "@?SNO", {"6", "OK"}},  // step 5 done, empty step 6 next
        {{"@SRUN", "@SRUN"}, "@?SNO", {"8", "OK"}},
        {{}, "@?C 3", {"0,0", "OK"}},
        {{"@WRITE PRM 242,5", "@WRITE PRM 243,2"}, "@?C 3", {"5,2", "OK"}},
        {{"@WRITE PRM 242,5"}, "@INIT C 3", {"OK"}},
        {{"@WRITE PRM 242,5", "@INIT C ALL"}, "@?C 3", {"0,0", "OK"}},
        {{}, "@INIT C 20", {"NG", "11:Parameter error"}},
        {{"@RUN"}, "@GO 5", {"NG", "15:In operation"}},
        {{"@GO 5"}, "@OFF", {"OK"}},
        {{}, "@OFF", {"NG", "58:No GO position"}},
        {{}, "@?REL", {"R2.05", "OK"}},
        {{}, "@MOMCH", {"EEP0:OK", "EEP1:OK", "EEP2:OK", "EEP3:OK", "OK"}},
        {{"@INIT ERR"}, "@READ ERR", {"OK"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        SimRig rig;
        Prepare(rig.sim);
        rig.sim.steps.programs[0][0] = "";
        for (const std::string& b : c.before) {
            // "@RUN" is left running; everything else is done with.
            if (b == "@RUN") {
                rig.sim.steps.programs[0][0] = "SEQ 400,";
                rig.channel.request(b);
            } else {
                rig.all(b);
            }
        }
        // A run under way goes on: only the lines of the command are taken.
        Lines got{rig.channel.request(c.command)};
        while (got.size() < c.lines.size()) got.push_back(rig.channel.next());
        EXPECT_EQ(got, c.lines);
    }
}

TEST(SimDirect, OffsetIsWhereTheAxesStandLessTheLastGo) {
    SimRig rig;
    Prepare(rig.sim);
    rig.sim.steps.currentProgram = 2;
    rig.sim.steps.programs[2] = rig.sim.steps.programs[0];
    ASSERT_EQ(rig.all("@GO 5"), (Lines{"OK"}));
    // Somewhere else, by a move that is no "@GO".
    ASSERT_EQ(rig.all("@PAL GO 3,1"), (Lines{"OK"}));
    EXPECT_EQ(rig.all("@OFF"), (Lines{"OK"}));
    const auto& v = rig.sim.parameters.values;
    EXPECT_EQ(Lines(v.begin() + 108, v.begin() + 112),
              (Lines{"-90.00", "-30.00", "-7.00", "0.00"}));
}

TEST(SimDirect, ProgramsEndTheirWayAndStopsEndAMove) {
    struct Case {
        const char* name;
        Lines program;
        std::string command;
        Lines lines;  // the first lines
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"a step out of stroke ends the run", {"POI 000,10,0,0,0", "POI 000,10,0,90,0", "SEQ 405,"}, "@RUN", {"OK", "ERR", "52:Soft limit", "END"}},
        {"repetition driving goes round", {"SEQ 401,", "END 200"}, "@RUN", {"OK", "CEND", "OK", "CEND", "OK"}},
        {"a single step at repetition", {"END 200"}, "@SRUN", {"CEND", "1", "OK"}},
        {"a single step at the end", {"END 000"}, "@SRUN", {"END"}},
        {"a single step out of stroke", {"POI 000,999,0,0,0"}, "@SRUN", {"NG", "52:Soft limit"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimRig rig;
        for (std::size_t s = 0; s < c.program.size(); ++s)
            rig.sim.steps.programs[0][s] = c.program[s];
        Lines got{rig.channel.request(c.command)};
        while (got.size() < c.lines.size()) got.push_back(rig.channel.next());
        EXPECT_EQ(got, c.lines);
    }
    // STOP in the middle of a GO move: where it got to.
    SimRig rig;
    Prepare(rig.sim);
    std::string stopped;
    rig.channel.at(250ms, [&] { stopped = rig.channel.request("@STOP"); });
    EXPECT_EQ(rig.channel.request("@GO 5"), "41:Stopped");
    EXPECT_EQ(stopped, "STOP");
    EXPECT_EQ(rig.sim.motion.position(), (Position{50, 25, 5, 10}));
    EXPECT_EQ(rig.all("@INIT PGM ALL"), (Lines{"OK"}));
    EXPECT_EQ(rig.sim.steps.programs[0][5], "");
}

// A handler inside a wait that raises the motor-stop request ends that wait, once it returns.
TEST(SimDirect, InjectionEndsTheWaitOfTheChannel) {
    struct Case {
        const char* name;
        std::function<void(SimChannel&)> press;
        WaitEnd end;
    };
    const std::vector<Case> cases = {
        {"MSTOP", [](SimChannel& ch) { ch.injectMstop(); }, WaitEnd::MotorStop},
        {"STOP", [](SimChannel& ch) { ch.injectStop(); }, WaitEnd::Stop},
        {"closed", [](SimChannel& ch) { ch.close(); }, WaitEnd::Ended},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimRig rig;
        Prepare(rig.sim);
        Lines nested;
        rig.channel.at(100ms, [&] {
            nested.push_back(rig.channel.request("@?ORG"));
            nested.push_back(rig.channel.next());
            c.press(rig.channel);
        });
        EXPECT_EQ(rig.channel.request("@GO 5"), "");
        EXPECT_EQ(rig.channel.lastWaitEnd(), c.end);
        EXPECT_EQ(rig.now(), 100ms);
        EXPECT_EQ(nested, (Lines{"0", "OK"}));
    }
    // Raised with no wait running, it is kept for the next one until withdrawn.
    SimRig rig;
    rig.channel.injectMstop();
    EXPECT_EQ(rig.channel.request("@?ORG"), "");
    EXPECT_EQ(rig.channel.lastWaitEnd(), WaitEnd::MotorStop);
    rig.channel.drain();
    rig.channel.injectMstop();
    rig.channel.clearInjections();
    EXPECT_EQ(rig.channel.request("@?ORG"), "0");
    EXPECT_EQ(rig.channel.lastWaitEnd(), WaitEnd::Line);
}

}  // namespace
}  // namespace mivo::test
