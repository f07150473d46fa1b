// The engine channel outside a fiber, against the simulated controller's in-process line. Its
// procedures on fibers are the direct screen's (DirectCommands, DirectSchedules) and the link's
// (LinkExchange.WhatEndedADirectRequest).
#include "link/engine_channel.h"

#include <gtest/gtest.h>

#include "sim/sim_controller.h"
#include "sim/sim_line.h"

namespace mivo {
namespace {

// No wait is possible without a fiber to suspend: the exchange ends at once, as lost.
TEST(EngineChannel, NoWaitOutsideAFiber) {
    SimController sim;
    SimLine line{sim};
    EXPECT_EQ(line.channel().exchange("@?NO").end, ExchangeEngine::End::Lost);
    EXPECT_EQ(line.channel().request("@?NO"), "");
}

}  // namespace
}  // namespace mivo
