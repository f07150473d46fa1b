// The rules the direct-operation commands take from data alone.
#include "direct/direct_rules.h"

#include <gtest/gtest.h>

#include "direct/direct_controls.h"

namespace mivo {
namespace {

TEST(DirectRules, GoMoveFollowsTheStepRecord) {
    struct Case {
        const char* record;
        const char* step;
        const char* position;
        const char* sent;
    };
    const Case cases[] = {
        {"S5 CIR 000,1,2,3", "5", "1", "@CIR GO 5,1"},
        {"S12 CIR 000,1,2,3", "12", "3", "@CIR GO 12,3"},  // "CIR" at character 5
        {"S123 CIR 100,1,2,3", "123", "2", "@CIR GO 123,2"},
        {"S7 PAL 003,,,", "7", "2", "@PAL GO 03,2"},  // code "0": the pallet number follows
        {"S17 PAL 019,,,", "17", "1", "@PAL GO 19,1"},
        {"S7 PAL 103,,,", "7", "2", "@GO 7"},  // a pallet count-up: no pallet point
        {"S7 POI 000,1,2,3,0", "7", "2", "@GO 7"},
        {"S7 PAL", "7", "1", "@GO 7"},  // cut short
        {"S7 PAL 0", "7", "1", "@PAL GO ,1"},
        {"CIR", "0", "1", "@GO 0"},  // at character 1: not where a record has it
        {"", "0", "1", "@GO 0"},
        {"S7 CI", "7", "1", "@GO 7"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GoCommand(c.record, c.step, c.position), c.sent) << c.record;
}

TEST(DirectRules, QuestionsNameTheProgram) {
    EXPECT_EQ(RunQuestion("0"), "PGM0 will be started.  OK?");
    EXPECT_EQ(InitProgramQuestion("5"), "PGM 5 will be initialized.  OK?");
}

TEST(DirectControls, EnableSetsHoldTheNamedControls) {
    const auto commands = EnableSetMembers(EnableSet::CommandControls);
    // 20 command buttons, 8 jog buttons, 16 input panels.
    EXPECT_EQ(commands.size(), 44u);
    for (const char* name : {"INITPRM", "PALGO", "REL", "MOMCH", "X1", "R2", "DI0", "DI15"})
        EXPECT_NE(std::find(commands.begin(), commands.end(), name), commands.end()) << name;
    EXPECT_EQ(std::find(commands.begin(), commands.end(), "DO0"), commands.end());
    EXPECT_EQ(EnableSetMembers(EnableSet::IoPanels).size(), 32u);
    EXPECT_EQ(EnableSetMembers(EnableSet::StopPanels), (std::vector<std::string>{"MSTOP", "STOP"}));
}

}  // namespace
}  // namespace mivo
