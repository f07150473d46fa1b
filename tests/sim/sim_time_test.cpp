// What the simulated controller's work takes on its clock, in process: a wait runs the clock to
// what is due, so each reply comes after the virtual time its work needs.
#include <gtest/gtest.h>

#include "sim/sim_rig.h"

namespace mivo::test {
namespace {

using Timed = std::vector<std::pair<std::string, SimTime>>;

TEST(SimTime, RepliesComeOnceTheirWorkIsDone) {
    struct Case {
        const char* name;
        std::vector<std::string> setup;  // sent first, every line taken
        std::string command;
        Timed lines;
    };
    // Robot-22 speeds: X, Y, R 200 mm/s, Z 70 mm/s, linear 45 mm/s, arc 15 mm/s; every step
    // adds the controller's 10 ms.
    // clang-format off
    const std::vector<Case> cases = {
        {"origin return from power-on", {}, "@ORG", {{"OK", 800ms}}},
        {"origin return from X 100, at 50 mm/s", {"@WRITE STEP 0,POI,000,100,0,0,0", "@RUN"}, "@ORG", {{"OK", 2800ms}}},
        {"empty program", {}, "@RUN", {{"OK", 0ms}, {"END", 0ms}}},
        {"point move at full rate", {"@WRITE STEP 0,POI,000,100,0,0,0", "@WRITE STEP 1,END,000,,,,"}, "@RUN", {{"OK", 0ms}, {"END", 510ms}}},
        {"point move at 50 %", {"@WRITE STEP 0,POI,050,100,0,0,0"}, "@RUN", {{"OK", 0ms}, {"END", 1010ms}}},
        {"the slowest axis decides", {"@WRITE PRM 8,100.00", "@WRITE STEP 0,POI,000,100,0,70,0"}, "@RUN", {{"OK", 0ms}, {"END", 1010ms}}},
        {"relative move adds", {"@WRITE STEP 0,POI,000,100,0,0,0", "@WRITE STEP 1,POI,800,100,0,0,0"}, "@RUN", {{"OK", 0ms}, {"END", 1020ms}}},
        {"speed parameter as written", {"@WRITE PRM 22,100.00", "@WRITE STEP 0,POI,000,100,0,0,0"}, "@RUN", {{"OK", 0ms}, {"END", 1010ms}}},
        {"linear move along its line", {"@WRITE STEP 0,LIN,000,54,72,0,0"}, "@RUN", {{"OK", 0ms}, {"END", 2010ms}}},
        {"circle along its chords", {"@WRITE CIR 0,000", "1=0,10,0", "2=10,10", "3=10,0"}, "@RUN", {{"OK", 0ms}, {"END", 2010ms}}},
        {"timer in tenths", {"@WRITE STEP 0,SEQ,405,"}, "@RUN", {{"OK", 0ms}, {"END", 510ms}}},
        {"timer 00 is ten seconds", {"@WRITE STEP 0,SEQ,400,"}, "@RUN", {{"OK", 0ms}, {"END", 10010ms}}},
        {"jump passes over steps", {"@WRITE STEP 0,SEQ,800,5", "@WRITE STEP 1,SEQ,400,", "@WRITE STEP 5,END,000,,,,"}, "@RUN", {{"OK", 0ms}, {"END", 10ms}}},
        {"END step ends what follows", {"@WRITE STEP 0,END,100,,,,", "@WRITE STEP 1,SEQ,400,"}, "@RUN", {{"OK", 0ms}, {"END", 0ms}}},
        {"the last step ends it", {"@WRITE STEP 999,SEQ,405,"}, "@RUN", {{"OK", 0ms}, {"END", 510ms}}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimRig rig;
        for (const auto& command : c.setup) rig.all(command);
        EXPECT_EQ(rig.timed(c.command), c.lines);
    }
}

TEST(SimTime, RunsTheCurrentProgram) {
    SimRig rig;
    rig.sim.steps.programs[0][0] = "SEQ 400,";
    rig.sim.steps.programs[3][0] = "SEQ 405,";
    rig.sim.steps.currentProgram = 3;
    EXPECT_EQ(rig.timed("@RUN"), (Timed{{"OK", 0ms}, {"END", 510ms}}));
}

TEST(SimTime, AxesAreWhereTheMoveHasGot) {
    SimRig rig;
    rig.sim.parameters.values[11] = "-50.00";  // Y stroke below
    rig.sim.steps.programs[0][0] = "POI 000,100,-50,35,0";
    rig.sim.steps.programs[0][1] = "SEQ 405,";
    EXPECT_EQ(rig.channel.request("@RUN"), "OK");
    struct Seen {
        SimTime at;
        SimMotion::Position position;
        int step;
    };
    std::vector<Seen> seen;
    for (SimTime t : {250ms, 500ms, 700ms})
        rig.channel.at(t, [&] {
            seen.push_back({rig.now(), rig.sim.motion.position(), rig.sim.motion.runningStep()});
        });
    EXPECT_EQ(rig.channel.next(), "END");
    EXPECT_EQ(rig.now(), 1020ms);
    ASSERT_EQ(seen.size(), 3u);
    // X and Y at 200 mm/s, Z at 70 mm/s: the move takes 0.5 s, all axes arrive together.
    EXPECT_EQ(seen[0].at, 250ms);
    EXPECT_EQ(seen[0].position, (SimMotion::Position{50, -25, 17.5, 0}));
    EXPECT_EQ(seen[0].step, 0);
    EXPECT_EQ(seen[1].position, (SimMotion::Position{100, -50, 35, 0}));
    EXPECT_EQ(seen[1].step, 0);  // the controller's own 10 ms on the step
    EXPECT_EQ(seen[2].step, 1);
    EXPECT_EQ(rig.sim.motion.runningStep(), -1);
}

TEST(SimTime, WaitGivesUpAtItsLimitOnAProgramThatNeverEnds) {
    SimRig rig;
    rig.sim.steps.programs[0][0] = "SEQ 800,0";
    rig.channel.setWaitLimit(1min);
    EXPECT_EQ(rig.channel.request("@RUN"), "OK");
    EXPECT_EQ(rig.channel.next(), "");
    EXPECT_EQ(rig.now(), 1min);
    // Still running: a stop ends it.
    EXPECT_EQ(rig.all("@STOP"), (std::vector<std::string>{"STOP", "41:Stopped"}));
}

TEST(SimTime, WaitWithNothingDueEndsAtOnce) {
    SimRig rig;
    rig.sim.faults.silent.which = 1;
    EXPECT_EQ(rig.channel.request("@ORG"), "");  // silent: the origin return never began
    EXPECT_EQ(rig.now(), 0ms);
    EXPECT_EQ(rig.sim.motion.activity(), SimMotion::Activity::Idle);
    EXPECT_EQ(rig.channel.next(), "");
}

}  // namespace
}  // namespace mivo::test
