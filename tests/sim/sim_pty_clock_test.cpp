// The simulated controller's clock on the pseudo-terminal, through the real link: it follows
// the wall clock, and a later command interrupts what runs.
#include <QProcess>

#include "link/link_fixture.h"

namespace mivo::test {
namespace {

using namespace std::chrono_literals;
using SimPtyClock = LinkFixture;

TEST_F(SimPtyClock, StopInterruptsARunningProgram) {
    // Twenty seconds of timers.
    sim.steps.programs[0][0] = "SEQ 400,";
    sim.steps.programs[0][1] = "SEQ 400,";
    EXPECT_EQ(main().request("@RUN"), "OK");
    EXPECT_EQ(sim.motion.runningStep(), 0);
    EXPECT_EQ(main().request("@STOP"), "STOP");
    EXPECT_EQ(main().next(), "41:Stopped");
    EXPECT_EQ(sim.motion.activity(), SimMotion::Activity::Idle);
    EXPECT_TRUE(sim.clock().idle());
    EXPECT_EQ(main().request("@?NO"), "0");
    EXPECT_EQ(main().next(), "OK");
}

// mivo-sim's family faults, as an editor on its device sees them.
TEST_F(SimPtyClock, MivoSimRefusesAFamilyAndRejectsAnUnknownOne) {
    QProcess bad;
    bad.start(MIVO_SIM_PROGRAM, {"--refuse-family", "pallets:31:Busy"});
    ASSERT_TRUE(bad.waitForFinished(10000));
    EXPECT_EQ(bad.exitCode(), 2);

    QProcess process;
    process.start(MIVO_SIM_PROGRAM, {"--refuse-family", "steps:31:Busy"});
    ASSERT_TRUE(process.waitForReadyRead(10000));
    link.goOffline();
    link.setDeviceForPort(1, QString::fromUtf8(process.readLine()).trimmed());
    ASSERT_TRUE(link.goOnline());
    EXPECT_EQ(main().request("@?NO"), "NG");
    EXPECT_EQ(main().next(), "31:Busy");
    EXPECT_EQ(main().request("@?Ver 0"), "V1.20");
    EXPECT_EQ(main().next(), "OK");
    link.goOffline();
    process.terminate();
    process.waitForFinished(5000);
}

}  // namespace
}  // namespace mivo::test
