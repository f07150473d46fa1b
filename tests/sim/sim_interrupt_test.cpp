// STOP or MSTOP pressed in process by a handler inside a wait, at a given virtual time: as on
// the line, its request gets the next line that completes and the waiting caller the one after.
#include <gtest/gtest.h>

#include "support/procedure_rig.h"

namespace mivo::test {
namespace {

using namespace std::chrono_literals;

TEST(SimInterrupt, StopOrMotorFreeEndWhatIsUnderWay) {
    struct Case {
        const char* name;
        std::string start;  // "@RUN": its two "OK" first, then the wait
        SimClock::Duration press;
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
        {"STOP during a held jog at 30 mm/s", "@X3+", 250ms, "@STOP", "STOP", "41:Stopped", 7.5, 1, 1},
        {"MSTOP during a jog of one amount", "@X1+", 1ms, "@MSTOP", "MSTOP", "64:Motor free", 0.005, 1, 1},
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
            EXPECT_EQ(rig.channel.next(), "OK");
            outer = rig.channel.next();
        }
        EXPECT_EQ(nested, c.nested);
        EXPECT_EQ(outer, c.outer);
        EXPECT_EQ(rig.sim.clock().now(), c.press);
        EXPECT_NEAR(rig.sim.motion.position()[0], c.x, 1e-6);
        EXPECT_EQ(rig.sim.motion.activity(), SimMotion::Activity::Idle);
        EXPECT_EQ(rig.sim.motion.originState, c.originAfter);
        // Nothing it would have sent comes any more: no "END", no origin "OK".
        EXPECT_EQ(rig.channel.next(), "");
        std::vector<std::string> log{"> " + c.start};
        if (c.start == "@RUN") log.insert(log.end(), {"< OK", "< OK"});
        log.insert(log.end(), {"> " + c.command, "< " + c.nested, "< " + c.outer});
        EXPECT_EQ(rig.channel.log(), log);
    }
}

}  // namespace
}  // namespace mivo::test
