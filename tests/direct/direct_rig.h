#pragma once
// The direct-operation procedures on fibers against the simulated controller on its in-process
// line, with a scripted prompter, a recording transfer view (the cancel flag) and a recording
// screen.
#include <functional>
#include <string>
#include <vector>

#include "common/fiber.h"
#include "direct/direct_commands.h"
#include "direct/direct_session.h"
#include "direct/jog.h"
#include "direct/maintenance_commands.h"
#include "direct/monitor.h"
#include "direct/shared_procedures.h"
#include "sim/sim_controller.h"
#include "sim/sim_line.h"
#include "support/recording_direct_view.h"
#include "support/recording_view.h"
#include "support/scripted_prompter.h"

namespace mivo::test {

using Lines = std::vector<std::string>;

inline Lines Joined(Lines head, const Lines& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

struct DirectRig;
using Command = Outcome (*)(DirectSession&);
using OnRig = std::function<void(DirectRig&)>;

// The monitor switched on, as a command.
inline Outcome StartMonitor(DirectSession& s) {
    MonitorSwitch(s);
    return Outcome::Completed;
}

struct DirectRig {
    DirectRig() {
        sim.motion.originState = 1;
        // Cycles are timed on the controller's clock.
        session.cycleTiming = CycleTiming([this] {
            return std::chrono::duration_cast<std::chrono::milliseconds>(sim.clock().now()).count();
        });
    }

    SimController sim;
    SimLine line{sim};
    SimLine::Channel& channel = line.channel();
    ScriptedPrompter prompter;
    RecordingView transfer;
    RecordingDirectView view;
    DirectSession session{channel, prompter, transfer, view};

    // `command` on a fiber, the line run until nothing is left to happen; its outcome.
    Outcome run(const std::function<Outcome(DirectSession&)>& command) {
        Outcome outcome = Outcome::Failed;
        bool done = false;
        Fiber::start([&] {
            outcome = command(session);
            done = true;
        });
        line.runUntil([&] { return done; });
        EXPECT_TRUE(done) << "the command never ended";
        return outcome;
    }
    // `action` on a fiber of its own at `when` on the controller's clock (a panel pressed).
    void at(SimClock::Time when, std::function<void()> action) {
        line.atOnFiber(ExchangeEngine::Time{} + when, std::move(action));
    }
    // `command` sent as a setting up, and its first line.
    std::string send(const std::string& command) {
        std::string reply;
        Fiber::start([&] { reply = channel.request(command); });
        while (reply.empty() && line.step()) {
        }
        return reply;
    }

    // The controller answers `command` with `lines`, whatever it is given.
    void answer(const std::string& command, Lines lines) {
        sim.addCommand(command, [this, lines](const std::string&) {
            for (const auto& l : lines) sim.reply(l);
        });
    }
};

}  // namespace mivo::test
