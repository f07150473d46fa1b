// Program control and the version and error-record queries against the simulated controller.
#include "procedures/program_control.h"

#include <gtest/gtest.h>

#include "procedures/controller_records.h"
#include "procedures/run_account.h"
#include "support/procedure_rig.h"

namespace mivo {
namespace {

using test::Rig;

TEST(ProgramControl, OperationExecute) {
    struct Case {
        const char* name;
        int origin;
        std::deque<bool> answers;
        std::vector<std::string> runReplies;
        Outcome outcome;
        std::vector<std::string> messages;
        std::vector<std::string> sent;
        std::string record = "";  // the run's result and detail; "": no run accounted
        int program = 2;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"program 6", 1, {}, {}, Outcome::Failed, {"Check PGM No."}, {"@?NO", "@?ORG"}, "", 6},
        {"not at origin", 0, {true, true}, {"OK", "END"}, Outcome::Completed, {"Return to origin?", "PGM 2 will be started.  OK?", "END: Program operation end"}, {"@?NO", "@?ORG", "@ORG", "@RUN"}, "END"},
        {"origin declined", 0, {false}, {}, Outcome::Declined, {"Return to origin?"}, {"@?NO", "@?ORG"}},
        {"stop goes on, then END", 1, {true}, {"OK", "STOP", "41:Stopped", "CEND", "END"}, Outcome::Completed, {"PGM 2 will be started.  OK?", "41:Stopped", "END: Program operation end"}, {"@?NO", "@?ORG", "@RUN"}, "STOP 41:Stopped"},
        {"NG ends: refused, no run", 1, {true}, {"NG", "52:Soft limit"}, Outcome::Failed, {"PGM 2 will be started.  OK?", "52:Soft limit"}, {"@?NO", "@?ORG", "@RUN"}},
        {"an emergency stop ends", 1, {true}, {"OK", "EMG", "10:Emergency stop"}, Outcome::Failed, {"PGM 2 will be started.  OK?", "10:Emergency stop"}, {"@?NO", "@?ORG", "@RUN"}, "EMG 10:Emergency stop"},
        {"data line ends", 1, {true}, {"OK", "P012"}, Outcome::Failed, {"PGM 2 will be started.  OK?", "P012"}, {"@?NO", "@?ORG", "@RUN"}, "LINE LOST out of step: P012"},
        {"start declined", 1, {false}, {}, Outcome::Declined, {"PGM 2 will be started.  OK?"}, {"@?NO", "@?ORG"}},
    };
    // clang-format on
    const auto question = [](const std::string& n) {
        return "PGM " + n + " will be started.  OK?";
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        rig.sim.steps.currentProgram = c.program;
        rig.sim.motion.originState = c.origin;
        rig.sim.addCommand("@RUN", [&](const std::string&) {
            for (const auto& l : c.runReplies) rig.sim.reply(l);
        });
        rig.prompter.answers = c.answers;
        RunAccount runs;
        std::vector<RunRecord> records;
        runs.finished = [&records](const RunRecord& r) { records.push_back(r); };
        rig.ctx.runs = &runs;
        EXPECT_EQ(ExecuteProgram(rig.ctx, question), c.outcome);
        ASSERT_EQ(records.size(), c.record.empty() ? 0u : 1u);
        if (!records.empty()) {
            const RunRecord& r = records[0];
            EXPECT_EQ(std::string(RunResultWord(r.result)) + (r.errorCode.empty() ? "" : " ") +
                          r.errorCode,
                      c.record);
            EXPECT_EQ(r.program, 2);
            EXPECT_EQ(r.cycleMs.has_value(), c.record == "END");
            EXPECT_LE(r.startMs, r.endMs);
        }
        EXPECT_FALSE(runs.underWay());
        EXPECT_EQ(rig.prompter.texts(), c.messages);
        EXPECT_EQ(rig.sim.received(), c.sent);
        EXPECT_FALSE(rig.view.cancelShown);
    }
}

TEST(ProgramControl, OriginAndMotorFree) {
    Rig rig;
    rig.prompter.answers = {true};
    EXPECT_EQ(ReturnToOrigin(rig.ctx), Outcome::Completed);
    EXPECT_EQ(rig.sim.motion.originState, 1);
    EXPECT_EQ(MotorFree(rig.ctx), Outcome::Completed);
    EXPECT_EQ(rig.sim.received(), (std::vector<std::string>{"@ORG", "@MSTOP"}));
    EXPECT_EQ(rig.log, (std::vector<std::string>{"OK", "MSTOP", "OK"}));
    EXPECT_EQ(rig.prompter.texts(), (std::vector<std::string>{"Return to origin?"}));
}

TEST(ProgramInfo, VersionsAndThe23Rule) {
    Rig rig;
    rig.sim.addCommand("@?Ver", [&](const std::string& a) {
        rig.sim.reply(a == "3" ? "NG" : "V" + a);
        rig.sim.reply(a == "3" ? "23:No unit" : "OK");
    });
    const Versions v = QueryVersions(rig.ctx);
    EXPECT_EQ(v.outcome, Outcome::Completed);
    EXPECT_EQ(v.values, (std::array<std::string, 5>{"V0", "V1", "V2", "", "V4"}));
    EXPECT_TRUE(rig.prompter.messages.empty());

    Rig refused;
    refused.sim.faults.refuse.which = 2;
    refused.sim.faults.refuseLine = "12:Unit error";
    const Versions r = QueryVersions(refused.ctx);
    EXPECT_EQ(r.outcome, Outcome::Failed);
    EXPECT_EQ(refused.prompter.texts(), (std::vector<std::string>{"12:Unit error"}));
    EXPECT_EQ(refused.sim.received().size(), 2u);
}

TEST(ProgramInfo, ErrorRecord) {
    struct Case {
        const char* name;
        bool answer;
        std::vector<std::string> replies;
        Outcome outcome;
        std::vector<std::string> lines;
        std::vector<std::string> messages;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"two lines", true, {"E1:a", "E2:b", "OK"}, Outcome::Completed, {"E1:a", "E2:b", "OK"}, {"Is error record received?"}},
        {"OK with more after it", true, {"E1:a", "OKAY"}, Outcome::Completed, {"E1:a", "OK"}, {"Is error record received?"}},
        {"refused", true, {"E1:a", "NG", "10:Command error"}, Outcome::Failed, {}, {"Is error record received?", "10:Command error"}},
        {"no end", true, {"E1:a"}, Outcome::Failed, {}, {"Is error record received?"}},
        {"a bell in a line: no line of the record", true, {"E1:a", "E2:\a", "OK"}, Outcome::Failed, {}, {"Is error record received?", "The controller's reply for @READ ERR is no value it can hold: 'E2:\\x07'"}},
        {"declined", false, {"E1:a", "OK"}, Outcome::Declined, {}, {"Is error record received?"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        rig.prompter.answers = {c.answer};
        rig.sim.addCommand("@READ ERR", [&](const std::string&) {
            for (const auto& l : c.replies) rig.sim.reply(l);
        });
        const ErrorRecord r = QueryErrorRecord(rig.ctx);
        EXPECT_EQ(r.outcome, c.outcome);
        EXPECT_EQ(r.lines, c.lines);
        EXPECT_EQ(rig.prompter.texts(), c.messages);
        EXPECT_EQ(rig.sim.received().size(), c.answer ? 1u : 0u);
    }
}

}  // namespace
}  // namespace mivo
