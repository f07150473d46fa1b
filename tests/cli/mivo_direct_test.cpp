// The built `mivo direct` against the built `mivo-sim` over a pseudo-terminal.
#include <gtest/gtest.h>

#include "cli/cli_rig.h"

namespace mivo::test {
namespace {

// The rows run in order on one controller: "org" tells the origin state before the return. The
// controller sends a burst of equal bytes whenever its line is idle, as a stuck line does: none
// of it is part of a reply, not even the one the return to origin waits 0.8 s for.
TEST(MivoDirect, EachCommandPrintsTheDisplayAndExitsByItsReply) {
    SimProcess sim({"--equal-bytes"});
    ASSERT_FALSE(sim.device.isEmpty());
    struct Case {
        QStringList args;
        int exit;
        std::string out;
        bool begins = false;  // the output begins so (what follows depends on timing)
    };
    // clang-format off
    const std::vector<Case> cases = {
        {{"direct", "org"}, 0, "@?ORG\n0\nOK\n"},
        {{"--yes", "--timeout", "0.3", "direct", "origin"}, 0, "@ORG\nOK\n"},  // 0.8 s: the limit holds for queries only
        {{"direct", "positions"}, 0, "@?POS 1\n0.00\nOK\n@?POS 2\n0.00\nOK\n@?POS 3\n0.00\nOK\n@?POS 4\n0.00\nOK\n"
                                     "X Position: 0.00\nY Position: 0.00\nZ Position: 0.00\nR Position: 0.00\n"},
        {{"direct", "sno"}, 0, "@?SNO\n0\nOK\nSTEP No.: 0\n"},
        {{"--yes", "direct", "go", "5"}, 1, "@?ORG\n1\nOK\n@READ STEP 5\nNG\n57:No step data\nError display: 57:No step data\n"},
        {{"--yes", "direct", "palgo", "3", "2"}, 0, "@?ORG\n1\nOK\n@PAL GO 3,2\nOK\n"},
        {{"direct", "counter", "3"}, 0, "@?C 3\n0,0\nOK\n"},
        {{"--yes", "direct", "init-counter", "20"}, 1, "@INIT C 20\nNG\n11:Parameter error\nError display: 11:Parameter error\n"},
        {{"direct", "motor-free"}, 0, "@MSTOP\nMSTOP\nOK\n"},
        {{"direct", "memory-check"}, 1, ""},  // No to the question: nothing sent
        {{"direct", "output", "5", "on"}, 0, "@DO 5,1\nOK\n"},
        {{"direct", "jog", "Z-", "--mode", "3", "--hold", "0.2"}, 0, "@?ORG\n1\nOK\n@Z3-\n@STOP\nSTOP\n41:Stopped\n@?POS 1\n", true},
        {{"direct", "monitor", "--cycles", "2"}, 0, "Monitor receive: Monitor is started\nDO: 0000010000000000\nDI: 0000000000000000\nX Position: ", true},
        {{"--yes", "direct", "run"}, 0, "@?NO\n0\nOK\n@?ORG\n1\nOK\n@RUN\nOK\nOK\nEND\nRUN execute: END: Program operation end\n"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const MivoRun r = sim.mivo(c.args);
        EXPECT_EQ(r.exitCode, c.exit) << r.err;
        EXPECT_EQ(c.begins ? r.out.substr(0, c.out.size()) : r.out, c.out);
    }
}

}  // namespace
}  // namespace mivo::test
