// The simulated controller's replies over time, driven on its own clock: each row sends its
// commands at their times and lists every line sent ("> ") and received ("< ") in order.
#include <gtest/gtest.h>

#include <functional>

#include "sim/sim_controller.h"

namespace mivo::test {
namespace {

using Lines = std::vector<std::string>;

TEST(SimReplies, JogsOutputsRunsAndFaultsInOrder) {
    using Send = std::pair<int, std::string>;  // the controller's clock in ms, the command
    struct Case {
        const char* name;
        std::function<void(SimController&)> setup;
        std::vector<Send> sends;
        Lines transcript;
    };
    const Lines ng11{"< NG", "< 11:Parameter error"};
    // clang-format off
    const std::vector<Case> cases = {
        {"X+ mode 1: one move amount at the 1/2 speed, OK once there", [](SimController& s) { s.parameters.values[36] = "0.50"; s.parameters.values[28] = "5.00"; },
         {{0, "@X1+"}, {50, "@?POS 1"}, {100, "@?POS 1"}},
         {"> @X1+", "> @?POS 1", "< 0.25", "< OK", "< OK", "> @?POS 1", "< 0.50", "< OK"}},
        {"Z- mode 1 past the stroke end: refused, nothing moves", [](SimController& s) { s.parameters.values[38] = "6"; },
         {{0, "@Z1-"}, {10, "@?POS 3"}},
         {"> @Z1-", "< NG", "< 52:Soft limit", "> @?POS 3", "< 0.00", "< OK"}},
        {"R+ mode 3 at the 3 speed until STOP, no reply of its own", nullptr,
         {{0, "@R3+"}, {100, "@STOP"}, {100, "@?POS 4"}},
         {"> @R3+", "> @STOP", "< STOP", "< 41:Stopped", "> @?POS 4", "< 3.00", "< OK"}},
        {"Y- mode 2 stands at the stroke end, held until STOP; no second jog meanwhile", nullptr,
         {{0, "@Y2-"}, {1000, "@?POS 2"}, {1000, "@Y1+"}, {1000, "@STOP"}, {1000, "@STOP"}},
         {"> @Y2-", "> @?POS 2", "< -2.00", "< OK", "> @Y1+", "< NG", "< 15:In operation", "> @STOP", "< STOP", "< 41:Stopped", "> @STOP", "< OK"}},
        {"outputs switched and read back, an input set from outside", [](SimController& s) { s.io.setInput(15, true); },
         {{0, "@DO 5,1"}, {0, "@?DO 5"}, {0, "@DO 5,0"}, {0, "@?DO 5"}, {0, "@?DI 15"}, {0, "@?DI 14"}},
         {"> @DO 5,1", "< OK", "> @?DO 5", "< 1", "< OK", "> @DO 5,0", "< OK", "> @?DO 5", "< 0", "< OK", "> @?DI 15", "< 1", "< OK", "> @?DI 14", "< 0", "< OK"}},
        {"outputs and inputs beyond 15, a state other than 0 or 1, no state", nullptr,
         {{0, "@DO 16,1"}, {0, "@DO 5,2"}, {0, "@DO 5"}, {0, "@?DI 16"}, {0, "@?DO x"}},
         {"> @DO 16,1", ng11[0], ng11[1], "> @DO 5,2", ng11[0], ng11[1], "> @DO 5", ng11[0], ng11[1], "> @?DI 16", ng11[0], ng11[1], "> @?DO x", ng11[0], ng11[1]}},
        {"RUN: OK twice, then queries answered between the program's lines; ?SNO follows the run",
         [](SimController& s) { s.steps.programs[0] = {"POI 000,100,0,0,0", "", "SEQ 410,", "END 000"}; s.steps.programs[0].resize(1000); },
         {{0, "@RUN"}, {0, "@?SNO"}, {600, "@?SNO"}, {600, "@?DI 0"}, {2000, "@?SNO"}},
         {"> @RUN", "< OK", "< OK", "> @?SNO", "< 0", "< OK", "> @?SNO", "< 2", "< OK", "> @?DI 0", "< 0", "< OK", "< END", "> @?SNO", "< 0", "< OK"}},
        {"the second position query: ERR, a 32 line, then the value", [](SimController& s) { s.faults.positionError.which = 2; },
         {{0, "@?POS 1"}, {0, "@?POS 2"}, {0, "@?POS 3"}},
         {"> @?POS 1", "< 0.00", "< OK", "> @?POS 2", "< ERR", "< 32:Position read error", "< 0.00", "< OK", "> @?POS 3", "< 0.00", "< OK"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimController sim;
        if (c.setup) c.setup(sim);
        Lines got;
        auto collect = [&] {
            while (sim.hasReply()) got.push_back("< " + sim.takeReply());
        };
        for (const auto& [ms, command] : c.sends) {
            sim.clock().advanceTo(std::chrono::milliseconds(ms));
            collect();
            got.push_back("> " + command);
            sim.receive(command);
            collect();
        }
        sim.clock().advanceTo(sim.clock().now() + std::chrono::minutes(1));
        collect();
        EXPECT_EQ(got, c.transcript);
    }
}

}  // namespace
}  // namespace mivo::test
