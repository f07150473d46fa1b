// What a handler that runs inside a wait sees, in process: it presses STOP or MSTOP, or asks
// something, at a given virtual time, on the same channel as the waiting caller. As on the
// line, its request gets the next line that completes and the outer wait the line after it.
#include <gtest/gtest.h>

#include "support/procedure_rig.h"

namespace mivo::test {
namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;
using SimTime = SimClock::Duration;

TEST(SimInterrupt, StopOrMotorFreeEndWhatIsUnderWay) {
    struct Case {
        const char* name;
        std::string start;  // "@RUN": its "OK" first, then the wait
        SimTime press;
        std::string command;
        std::string nested;  // the line the nested request gets
        std::string outer;   // the line the waiting caller gets after it
        double x;            // where X stopped
        int originBefore, originAfter;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"STOP during the move", "@RUN", 250ms, "@STOP", "STOP", "41:Stopped", 50, 1, 1},
        {"STOP during the timer", "@RUN", 3s, "@STOP", "STOP", "41:Stopped", 100, 0, 0},
        {"MSTOP during the move", "@RUN", 125ms, "@MSTOP", "MSTOP", "64:Motor free", 25, 1, 1},
        {"STOP during an origin return", "@ORG", 400ms, "@STOP", "STOP", "41:Stopped", 0, 1, 0},
        {"MSTOP during an origin return", "@ORG", 400ms, "@MSTOP", "MSTOP", "64:Motor free", 0, 1, 0},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        // A half-second move to X 100 and a ten-second timer.
        rig.sim.steps.programs[0][0] = "POI 000,100,0,0,0";
        rig.sim.steps.programs[0][1] = "SEQ 400,";
        rig.sim.steps.programs[0][2] = "END 000";
        rig.sim.motion.originState = c.originBefore;
        std::string nested;
        rig.channel.at(c.press, [&] { nested = rig.channel.request(c.command); });
        std::string outer = rig.channel.request(c.start);
        if (c.start == "@RUN") {
            EXPECT_EQ(outer, "OK");
            outer = rig.channel.next();
        }
        EXPECT_EQ(nested, c.nested);
        EXPECT_EQ(outer, c.outer);
        EXPECT_EQ(rig.sim.clock().now(), c.press);
        EXPECT_EQ(rig.sim.motion.position()[0], c.x);
        EXPECT_EQ(rig.sim.motion.activity(), SimMotion::Activity::Idle);
        EXPECT_EQ(rig.sim.motion.originState, c.originAfter);
        // Nothing it would have sent comes any more: no "END", no origin "OK".
        EXPECT_EQ(rig.channel.next(), "");
        Lines log{"> " + c.start};
        if (c.start == "@RUN") log.push_back("< OK");
        log.insert(log.end(), {"> " + c.command, "< " + c.nested, "< " + c.outer});
        EXPECT_EQ(rig.channel.log(), log);
    }
}

TEST(SimInterrupt, AdvanceHookPressesStopWhenTheProgramReachesAStep) {
    Rig rig;
    for (int s = 0; s < 3; ++s) rig.sim.steps.programs[0][s] = "SEQ 405,";
    std::vector<SimTime> calls;
    Lines nested;
    rig.channel.setAdvanceHook([&](SimTime t) {
        calls.push_back(t);
        if (rig.sim.motion.runningStep() == 2 && nested.empty()) {
            nested.push_back(rig.channel.request("@STOP"));
            nested.push_back(rig.channel.next());
            // This wait runs the clock on as well, without calling the hook again.
            nested.push_back(rig.channel.request("@ORG"));
        }
    });
    EXPECT_EQ(rig.channel.request("@RUN"), "OK");
    EXPECT_EQ(rig.channel.next(), "");  // the handler took every line
    EXPECT_EQ(nested, (Lines{"STOP", "41:Stopped", "OK"}));
    EXPECT_EQ(calls, (std::vector<SimTime>{510ms, 1020ms}));
    EXPECT_EQ(rig.sim.clock().now(), 1020ms + 800ms);
    EXPECT_EQ(rig.sim.motion.originState, 1);
}

}  // namespace
}  // namespace mivo::test
