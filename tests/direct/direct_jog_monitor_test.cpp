// The jog and the monitor of the direct-operation screen, against the simulated controller in
// process, through a recording screen.
#include <gtest/gtest.h>

#include "direct_rig.h"

namespace mivo::test {
namespace {

using namespace std::chrono_literals;
const Lines kPositions{"@?POS 1", "@?POS 2", "@?POS 3", "@?POS 4"};

// The jog buttons' press, release and activation against the controller's jogs: what goes out,
// what is asked and shown, and where the robot ends up.
TEST(DirectJog, PressReleaseAndActivation) {
    struct Case {
        const char* name;
        std::function<Outcome(DirectRig&)> jog;
        Lines sent;
        Outcome outcome;
        Lines messages = {};
        OnRig check = nullptr;
        bool idle = true;  // every set back as on line
    };
    const JogAxis xPlus{'X', '+'}, yMinus{'Y', '-'};
    // A jog in mode 1 (pressed on the teaching screen, else clicked) answered with `replies`.
    const auto answered = [](JogAxis a, Lines replies, bool teaching = false) {
        return [a, replies, teaching](DirectRig& r) {
            r.answer(JogCommand(a, 1), replies);
            return teaching ? JogPress(r.session, a, TeachJogStyle()) : JogActivate(r.session, a);
        };
    };
    // Held from the press until the release at one second; the line cut at the release if `cut`.
    const auto held = [](JogAxis a, int mode, bool cut = false) {
        return [a, mode, cut](DirectRig& r) {
            r.view.mode = mode;
            r.at(r.sim.clock().now() + 1s, [&r, cut] {
                if (cut) r.sim.faults.silent.which = SimPick::kEvery;
                JogRelease(r.session);
            });
            return JogPress(r.session, a, DirectJogStyle(a));
        };
    };
    const auto notHomed = [](JogAxis a, bool teaching = false) {
        return [a, teaching](DirectRig& r) {
            r.sim.motion.originState = 0;
            r.prompter.answers = {true};
            r.view.mode = 3;
            return JogPress(r.session, a, teaching ? TeachJogStyle() : DirectJogStyle(a));
        };
    };
    const auto moved = [](int axis, bool forward) {
        return [axis, forward](DirectRig& r) {
            const double at = r.sim.motion.position()[static_cast<std::size_t>(axis)];
            EXPECT_TRUE(forward ? at > 0 : at < 0) << at;
            const DirectField f[] = {DirectField::XPosition, DirectField::YPosition};
            EXPECT_EQ(r.view.fields[f[axis]], SimMotion::Text(at));
        };
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"X+ held in mode 3", held(xPlus, 3), Joined({"@?ORG", "@X3+", "@STOP"}, kPositions), Outcome::Interrupted, {}, moved(0, true)},
        {"Y- held in mode 2", held(yMinus, 2), Joined({"@?ORG", "@Y2-", "@STOP"}, kPositions), Outcome::Interrupted, {}, moved(1, false)},
        {"not at origin, X+: home, positions, no jog", notHomed(xPlus), Joined({"@?ORG", "@ORG"}, kPositions), Outcome::Declined, {"Return to origin?"}},
        {"not at origin, Y-: home, no jog", notHomed(yMinus), {"@?ORG", "@ORG"}, Outcome::Declined, {"Return to origin?"}},
        {"X+ clicked in mode 1", [xPlus](DirectRig& r) { return JogActivate(r.session, xPlus); }, Joined({"@?ORG", "@X1+"}, kPositions), Outcome::Completed, {}, moved(0, true)},
        {"refused, 03: nothing shown", answered(xPlus, {"NG", "03:Not ready"}), {"@?ORG", "@X1+"}, Outcome::Failed},
        {"refused otherwise: shown", answered(xPlus, {"NG", "52:Soft limit"}), {"@?ORG", "@X1+"}, Outcome::Failed, {"52:Soft limit"}},
        {"released, the line cut: @STOP once more, then said and off line", held(xPlus, 3, true), {"@?ORG", "@X3+", "@STOP", "@STOP"}, Outcome::Failed, {}, [](DirectRig& r) {
            EXPECT_TRUE(r.view.stopUnconfirmed);
            EXPECT_EQ(r.view.lineShown, "Offline");
            EXPECT_EQ(r.sim.motion.activity(), SimMotion::Activity::Jog);
            // Said until the controller answers again.
            r.sim.faults.silent.which = SimPick::kNone;
            r.channel.reopen();
            LineWentOnline(r.session);
            EXPECT_EQ(r.run(StopPanel), Outcome::Completed);
            EXPECT_FALSE(r.view.stopUnconfirmed); }},
        {"released with no jog sent: nothing to stop", [](DirectRig& r) { return JogRelease(r.session); }, {}, Outcome::Declined},
        {"refused while a program runs: its release sends nothing", [xPlus](DirectRig& r) { r.sim.steps.programs[0][0] = "SEQ 400,"; EXPECT_EQ(r.channel.request("@RUN"), "OK"); r.view.mode = 3; const Outcome o = JogPress(r.session, xPlus, DirectJogStyle(xPlus)); JogRelease(r.session); return o; }, {"@RUN", "@?ORG", "@X3+"}, Outcome::Failed, {"15:In operation"}, [](DirectRig& r) { EXPECT_EQ(r.sim.motion.activity(), SimMotion::Activity::Program); EXPECT_EQ(r.run(StopPanel), Outcome::Completed); }},
        {"teaching, not at origin: its question, positions, no jog", notHomed(yMinus, true), Joined({"@?ORG", "@ORG"}, kPositions), Outcome::Declined, {"Return-to-origin will be executed. OK?"}},
        {"teaching, refused with 03: shown, positions read", answered(xPlus, {"NG", "03:Not ready"}, true), Joined({"@?ORG", "@X1+"}, kPositions), Outcome::Failed, {"03:Not ready"}},
        {"teaching, END: the controls back", answered(xPlus, {"END"}, true), {"@?ORG", "@X1+"}, Outcome::Interrupted, {}, nullptr, false},
        {"teaching, another class: its error line, still on line", answered(yMinus, {"ERR", "33:Position error"}, true), {"@?ORG", "@Y1-"}, Outcome::Failed, {"33:Position error"}, [](DirectRig& r) { EXPECT_FALSE(r.channel.closed()); }},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DirectRig rig;
        EXPECT_EQ(rig.run([&](DirectSession&) { return c.jog(rig); }), c.outcome);
        EXPECT_EQ(rig.sim.received(), c.sent);
        EXPECT_EQ(rig.prompter.texts(), c.messages);
        if (c.check) c.check(rig);
        EXPECT_EQ(rig.view.idle(), c.idle);
        EXPECT_TRUE(rig.view.sets[EnableSet::CommandControls]);
        EXPECT_EQ(rig.sim.motion.activity(), SimMotion::Activity::Idle);
        EXPECT_EQ(rig.run(QueryOrigin), Outcome::Completed);  // nothing left pending
    }
}

// The monitor's scans: the panels and fields it fills, the keyword replies of a program run in
// the place of its values, the "ERR" and "32" that start the positions again, and a lost line. A
// reply that is no value of its item is not taken: the item is marked not current and the scan
// starts again (an empty line is no value either), as it does after a wait withdrawn; a query
// refused is shown at once and ends the monitor, as does one left unanswered.
TEST(DirectMonitor, ScansAndWhatComesInTheirPlace) {
    struct Case {
        const char* name;
        OnRig setUp;
        Lines display;
        std::size_t queries;  // sent up to the end of the one whole scan
        Lines marked = {};    // not current for a while
        std::string io =
            "0000010000000000"
            "0000000100000000";
        Lines messages = {"Monitor is started", "Monitor is ended"};
    };
    const auto noise = [](int k, SimFamily family, const char* line) {
        return [=](DirectRig& r) {
            r.sim.faults.garbage = {k, family};
            r.sim.faults.noise = line;
        };
    };
    const std::string none(32, '0');
    // clang-format off
    const Case cases[] = {
        {"one scan", nullptr, {}, 37},
        {"ERR and 32 on Y: again from X", [](DirectRig& r) { r.sim.faults.positionError.which = 2; }, {}, 39},
        {"a lost line", [](DirectRig& r) { r.sim.faults.hangupAfter = 0; }, {}, 1, {}, none, {"Monitor is started"}},
        {"noise before DO 2's value", [](DirectRig& r) { r.sim.faults.noiseBefore = {3, SimFamily::Io}; r.sim.io.outputs[2] = true; }, {}, 3 + 37, {"DO2"}, "0010010000000000" "0000000100000000"},
        {"noise shaped like a value before DO 2's", [](DirectRig& r) { r.sim.faults.noiseBefore = {3, SimFamily::Io}; r.sim.faults.noise = "1"; }, {}, 3 + 37, {"DO2"}},
        {"X abc", noise(1, SimFamily::Motion, "abc"), {}, 33 + 37, {"Xposi"}},
        {"Z 1e308", noise(3, SimFamily::Motion, "1e308"), {}, 35 + 37, {"Zposi"}},
        {"a 1500-character line for R", [](DirectRig& r) { r.sim.faults.longLine = {4, SimFamily::Motion}; }, {}, 36 + 37, {"Rposi"}},
        {"step 12a", noise(5, SimFamily::Motion, "12a"), {}, 37 + 37, {"Step"}},
        {"DI 3 refused", [](DirectRig& r) { r.sim.faults.refuse = {20, SimFamily::Io}; }, {"NG", "10:Command error"}, 20, {}, "0000010000000000" + std::string(16, '0'), {"Monitor is started", "10:Command error", "Monitor is ended"}},
        {"an empty line for DO 3", [](DirectRig& r) { r.sim.faults.emptyLine = {4, SimFamily::Io}; }, {}, 4 + 37, {"DO3"}},
        {"DI 3 unanswered", [](DirectRig& r) { r.sim.faults.silent = {20, SimFamily::Io}; }, {}, 20, {}, "0000010000000000" + std::string(16, '0')},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DirectRig rig;
        rig.sim.io.outputs[5] = true;
        rig.sim.io.setInput(7, true);
        rig.sim.motion.originState = 1;
        if (c.setUp) c.setUp(rig);
        const std::size_t before = rig.sim.received().size();
        int scans = 0;
        rig.session.monitorScanned = [&] {
            ++scans;
            EndMonitor(rig.session);
        };
        rig.run(StartMonitor);
        const bool whole = c.queries >= 37;  // a lost line, a refusal or silence ends it before
        EXPECT_EQ(scans, whole ? 1 : 0);
        EXPECT_EQ(rig.view.lines(), c.display);
        EXPECT_EQ(rig.sim.received().size() - before, c.queries);
        EXPECT_EQ(rig.view.io, c.io);
        EXPECT_EQ(rig.view.marked, c.marked);
        EXPECT_TRUE(rig.view.stale.empty());
        EXPECT_EQ(rig.prompter.texts(), c.messages);
        if (!whole) continue;
        EXPECT_EQ(rig.view.fields[DirectField::XPosition], "0.00");
        EXPECT_EQ(rig.view.fields[DirectField::Step], "0");
        EXPECT_TRUE(rig.view.sets[EnableSet::JogButtons]);
        EXPECT_FALSE(rig.session.state.monitoring);
    }
}

}  // namespace
}  // namespace mivo::test
