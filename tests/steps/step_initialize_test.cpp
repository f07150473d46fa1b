// Step initialize against the simulated controller.
#include <gtest/gtest.h>

#include "step_rig.h"
#include "steps/program_initialize.h"

namespace mivo {
namespace {

using test::Message;
using test::StepRig;

TEST(StepInitialize, AsksThenEmptiesControllerAndTable) {
    for (const bool refused : {false, true}) {
        StepRig rig;
        rig.sim.steps.currentProgram = 3;
        rig.sim.steps.programs[3][7] = "POI 000,1,2,3,4";
        StepTable table;
        table[7][FieldCommand] = "POI";
        EXPECT_EQ(InitializeQuestion(rig.ctx, rig.steps(table)),
                  "Is PGM No.3 initialize executed?");
        EXPECT_EQ(rig.modified, 1);
        EXPECT_TRUE(rig.prompter.messages.empty());
        // The question alone sends nothing that changes the controller.
        EXPECT_FALSE(rig.sim.steps.programs[3][7].empty());

        if (refused) rig.sim.faults.refuse.which = 2;  // the second command: @INIT PGM
        EXPECT_EQ(InitializeProgram(rig.ctx, rig.steps(table)),
                  refused ? Outcome::Failed : Outcome::Completed);
        EXPECT_EQ(rig.sent().back(), "@INIT PGM");
        EXPECT_EQ(table[7].empty(), !refused);
        EXPECT_EQ(rig.sim.steps.programs[3][7].empty(), !refused);
        const Message last =
            refused ? Message{"error", "10:Command error", "Error display"}
                    : Message{"notify", "Program initialize is completed", "Program initialize"};
        EXPECT_EQ(rig.prompter.messages.back(), last);
    }
}

}  // namespace
}  // namespace mivo
