// Procedures on fibers over the engine channel, against the simulated controller's in-process
// line: each fiber reads the lines matched to its own request, so a stop sent from another
// fiber while one waits for a run's end takes its answer, and the run hears that it stopped.
#include "link/engine_channel.h"

#include <gtest/gtest.h>

#include "common/fiber.h"
#include "procedures/program_control.h"
#include "sim/sim_controller.h"
#include "sim/sim_line.h"
#include "support/recording_view.h"
#include "support/scripted_prompter.h"

namespace mivo {
namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;
using End = ExchangeEngine::End;

TEST(EngineChannel, ALineByLineProcedureReadsItsOwnLines) {
    SimController sim;
    SimLine line{sim};
    test::ScriptedPrompter prompter;
    prompter.answers = {true};  // "Return to origin?"
    test::RecordingView view;
    Lines log;
    ProcedureContext ctx{line.channel(), prompter, view, log};
    sim.motion.originState = 0;
    Outcome outcome = Outcome::Failed;
    Fiber::start([&] { outcome = CheckOrigin(ctx); });
    line.run();
    EXPECT_EQ(outcome, Outcome::Completed);
    EXPECT_EQ(line.written(), (Lines{"@?ORG", "@ORG"}));
    EXPECT_EQ(sim.motion.originState, 1);
}

TEST(EngineChannel, AStopFromAnotherFiberEndsTheRunThatWaits) {
    SimController sim;
    SimLine line{sim};
    sim.motion.originState = 1;
    sim.steps.programs[0][0] = "POI 000,100,0,0,0";
    sim.steps.programs[0][1] = "END 000";
    EngineChannel& ch = line.channel();
    EngineChannel::Reply run, stop;
    Lines shown;
    Fiber::start([&] {
        EngineChannel::Hooks hooks;
        hooks.line = [&](const std::string& l) { shown.push_back(l); };
        run = ch.exchange("@RUN", std::move(hooks));
    });
    line.at(line.now() + 300ms, [&] { Fiber::start([&] { stop = ch.stop("@STOP"); }); });
    line.run();
    EXPECT_EQ(run.end, End::Stopped);
    EXPECT_EQ(run.lines, (Lines{"OK", "OK"}));
    EXPECT_EQ(shown, (Lines{"OK", "OK"}));
    EXPECT_EQ(stop.end, End::Answered);
    EXPECT_EQ(stop.lines, (Lines{"STOP", "41:Stopped"}));
    EXPECT_EQ(line.written(), (Lines{"@RUN", "@STOP"}));
    EXPECT_TRUE(line.engine().idle());
}

TEST(EngineChannel, NoWaitOutsideAFiber) {
    SimController sim;
    SimLine line{sim};
    EXPECT_EQ(line.channel().exchange("@?NO").end, End::Lost);
    EXPECT_EQ(line.channel().request("@?NO"), "");
}

}  // namespace
}  // namespace mivo
