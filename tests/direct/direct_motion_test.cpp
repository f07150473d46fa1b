// The program run of the direct-operation screen, against the simulated controller in process,
// through a recording screen.
#include <gtest/gtest.h>

#include "direct_rig.h"

namespace mivo::test {
namespace {

using namespace std::chrono_literals;

const Lines kRunStart{"@?NO", "0", "OK", "@?ORG", "1", "OK", "@RUN"};

// Each class of reply the run reads: only a run that ran its course to "END" completes; a stop or
// an error the controller reports is shown and fails it, whether "END" follows it or not. While
// "Monitoring" is on, "@RUN" goes out without a wait and the monitor takes the replies. Each run
// that began leaves one record of how it ended; a run refused at "@RUN" leaves none.
TEST(DirectRun, EachReplyClassOfTheRun) {
    struct Case {
        const char* name;
        Lines replies;  // to "@RUN"
        Outcome outcome;
        const char* record;  // its result and detail (the word alone: any); "": none
        Lines errors = {};   // in the error display, before the "END" notice
        bool end = false;    // the "END" notice
        bool monitoring = false;
        Lines shown = {};  // when the display differs from the replies
        int cycles = 0;    // timed: a run that ran its course to "END"
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"to the end", {"OK", "OK", "END"}, Outcome::Completed, "END", {}, true, false, {}, 1},
        {"the line after OK is shown as it came, not classified", {"OK", "END", "END"}, Outcome::Completed, "END", {}, true, false, {}, 1},
        {"a cycle's end goes on", {"OK", "OK", "CEND", "1", "END"}, Outcome::Completed, "END", {}, true, false, {}, 1},
        {"stopped by the controller, then END", {"OK", "OK", "STOP", "41:Stopped", "END"}, Outcome::Failed, "STOP 41:Stopped", {"41:Stopped"}, true},
        {"stopped by the controller, nothing after", {"OK", "OK", "STOP", "41:Stopped"}, Outcome::Failed, "STOP 41:Stopped", {"41:Stopped"}},
        {"motors freed elsewhere", {"OK", "OK", "MSTOP", "64:Motor free"}, Outcome::Failed, "MSTOP 64:Motor free", {"64:Motor free"}},
        {"a soft limit ends it", {"OK", "OK", "ERR", "52:Soft limit", "END"}, Outcome::Failed, "ERR 52:Soft limit", {"52:Soft limit"}, true},
        {"an error, and the program goes on", {"OK", "OK", "ERR", "33:Position error", "CEND", "1", "END"}, Outcome::Failed, "ERR 33:Position error", {"33:Position error"}, true},
        {"an emergency stop, then END", {"OK", "0", "EMG", "E10:Emergency stop", "END"}, Outcome::Failed, "EMG E10:Emergency stop", {"E10:Emergency stop"}, true},
        {"refused", {"NG", "15:In operation"}, Outcome::Failed, "", {"15:In operation"}},
        {"emergency stop", {"EMG", "61:Emergency stop"}, Outcome::Failed, "", {"61:Emergency stop"}},
        {"a data line ends it", {"OK", "OK", "P12"}, Outcome::Failed, "LINE LOST out of step: P12"},
        {"the line goes quiet", {"OK"}, Outcome::Failed, "LINE LOST no reply"},
        {"never answered", {}, Outcome::Failed, "LINE LOST no reply"},
        {"monitoring: the run goes on beside the monitor after its OK, its END shown", {"OK", "OK", "END"}, Outcome::Completed, "END", {}, false, true, {"OK", "OK", "END"}, 1},
        {"monitoring: refused", {"NG", "15:In operation"}, Outcome::Failed, "", {"15:In operation"}, false, true},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DirectRig rig;
        std::vector<RunRecord> records;
        rig.session.runs.finished = [&records](const RunRecord& r) { records.push_back(r); };
        rig.session.state.monitoring = c.monitoring;
        rig.answer("@RUN", c.replies);
        rig.prompter.answers = {true};
        EXPECT_EQ(rig.run(RunProgram), c.outcome);
        EXPECT_EQ(rig.view.lines(), Joined(kRunStart, c.shown.empty() ? c.replies : c.shown));
        Lines messages = Joined({"PGM0 will be started.  OK?"}, c.errors);
        if (c.end) messages.push_back("END: Program operation end");
        EXPECT_EQ(rig.prompter.texts(), messages);
        // While it runs the commands stay usable, the jog buttons do not.
        RecordingDirectView::Sets running = rig.view.setsAt("@RUN");
        EXPECT_TRUE(running[EnableSet::CommandControls]);
        EXPECT_TRUE(running[EnableSet::CancelPanel]);
        EXPECT_FALSE(running[EnableSet::JogButtons]);
        EXPECT_TRUE(rig.view.sets[EnableSet::JogButtons]);
        EXPECT_EQ(rig.session.cycleTiming.statistics().count, c.cycles);
        ASSERT_EQ(records.size(), *c.record ? 1u : 0u);
        if (records.empty()) continue;
        const RunRecord& r = records[0];
        const std::string word(RunResultWord(r.result));
        const std::string detail = r.errorCode.empty() ? "" : " " + r.errorCode;
        EXPECT_EQ(word + detail, c.record);
        EXPECT_EQ(r.cycleMs.has_value(), c.cycles == 1);
    }
}

// A run is timed on the controller's clock from "@RUN" to its "END", with the monitor on or not;
// a run stopped, ended by an error or by the line going off counts nothing. With the monitor on,
// each step's time is read off its scans (a run with the monitor beside it): right to within
// one scan, and in the order the steps ran.
TEST(DirectRun, CycleTimeOnTheControllersClock) {
    struct Case {
        const char* name;
        void (*press)(DirectSession&);      // at 4 s, in the third timer
        Outcome outcome;                    // of the run, without the monitor
        RunResult result = RunResult::End;  // as the run's record says
        const char* step1 = "SEQ 410,";
    };
    const Case cases[] = {
        {"to its END", nullptr, Outcome::Completed},
        {"STOP", [](DirectSession& s) { StopPanel(s); }, Outcome::Interrupted, RunResult::Stop},
        {"MSTOP", [](DirectSession& s) { MotorStopPanel(s); }, Outcome::Interrupted,
         RunResult::MotorStop},
        {"the line goes off", CancelPanel, Outcome::Failed, RunResult::LineLost},
        {"a step out of stroke", nullptr, Outcome::Failed, RunResult::Error, "POI 000,500,0,0,0"},
    };
    for (const Case& c : cases) {
        for (const bool monitoring : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (monitoring ? ", monitoring" : ""));
            DirectRig rig;
            std::vector<RunRecord> records;
            rig.session.runs.finished = [&records](const RunRecord& r) { records.push_back(r); };
            rig.session.runs.describe = [](RunRecord& r) { r.host = "mivo"; };
            // Timers of two, one and three seconds, then END: 6 s and the controller's own work on
            // each of the four steps.
            const char* const program[] = {"SEQ 420,", c.step1, "SEQ 430,", "END 000"};
            for (std::size_t s = 0; s < 4; ++s) rig.sim.steps.programs[0][s] = program[s];
            const std::int64_t step = rig.sim.runs.timing.step.count() / 1000;
            rig.prompter.answers = {true};
            // Pressed, the run is no longer timed, whatever comes after.
            if (c.press)
                rig.at(4s, [&] {
                    c.press(rig.session);
                    EXPECT_FALSE(rig.session.cycleTiming.running());
                });
            if (!monitoring) {
                EXPECT_EQ(rig.run(RunProgram), c.outcome);
                // Cancel takes the line off; any other end leaves the screen idle. (The stop
                // panels while a stop waits the stop schedules check at every line of the run.)
                EXPECT_EQ(rig.view.lineShown, c.press == CancelPanel ? "Offline" : "Online");
                EXPECT_EQ(rig.view.idle(), c.press != CancelPanel);
            } else {
                // The monitor ends with the run, however it ended.
                EXPECT_EQ(rig.run(RunWatched),
                          c.outcome == Outcome::Completed ? Outcome::Completed : Outcome::Failed);
                EXPECT_FALSE(rig.session.state.monitoring);
            }
            const CycleStatistics& timed = rig.session.cycleTiming.statistics();
            const bool whole = std::string(c.name) == "to its END";
            EXPECT_EQ(timed.count, whole ? 1 : 0);
            EXPECT_FALSE(rig.session.cycleTiming.running());
            // Each run leaves one record, however it ended.
            ASSERT_EQ(records.size(), 1u);
            const RunRecord& record = records[0];
            EXPECT_EQ(RunResultWord(record.result), RunResultWord(c.result));
            EXPECT_EQ(record.program, 0);
            EXPECT_EQ(record.host, "mivo");
            EXPECT_LE(record.startMs, record.endMs);
            EXPECT_EQ(record.cycleMs, whole ? std::optional(timed.last) : std::nullopt);
            EXPECT_EQ(record.steps.size(), whole && monitoring ? 3u : 0u);
            EXPECT_TRUE(c.result != RunResult::Error || !record.errorCode.empty());
            if (!whole) continue;
            // "END" takes its five bytes' time on the line, and beside the monitor it may wait
            // for the lines of the query before it.
            EXPECT_NEAR(timed.last, 6000 + 4 * step + 5, monitoring ? 20 : 0);
            const auto steps = rig.session.cycleTiming.slowestSteps(5);
            ASSERT_EQ(steps.size(), monitoring ? 3u : 0u);
            if (!monitoring) continue;
            // One monitor scan at 19200 baud is well under this.
            const std::int64_t scan = 450;
            const std::pair<const char*, std::int64_t> own[] = {
                {"2", 3000}, {"0", 2000}, {"1", 1000}};
            std::int64_t sum = 0;
            for (std::size_t k = 0; k < 3; ++k) {
                EXPECT_EQ(steps[k].step, own[k].first);
                EXPECT_LE(std::abs(steps[k].milliseconds - own[k].second - step), scan);
                sum += steps[k].milliseconds;
            }
            EXPECT_EQ(sum, timed.last);
            // The same times in the order the steps ran.
            const std::vector<MeasuredStep>& visits = rig.session.cycleTiming.lastStepTimes();
            ASSERT_EQ(visits.size(), 3u);
            for (std::size_t k = 0; k < 3; ++k) EXPECT_EQ(visits[k].step, int(k));
        }
    }
}

// A run still under way when this program ends is recorded as ended by it.
TEST(DirectRun, TheHostEndingDuringARunLeavesItsRecord) {
    std::vector<RunRecord> records;
    {
        DirectRig rig;
        rig.session.runs.finished = [&records](const RunRecord& r) { records.push_back(r); };
        rig.session.runStarted();  // as "@RUN" went out; the session ends before its end
    }
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(RunResultWord(records[0].result), RunResultWord(RunResult::HostEnded));
    EXPECT_EQ(records[0].errorCode, "");
    EXPECT_FALSE(records[0].cycleMs);
}

}  // namespace
}  // namespace mivo::test
