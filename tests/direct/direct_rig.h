#pragma once
// The direct-operation procedures against the simulated controller in process, with a
// scripted prompter, a recording transfer view (the cancel flag) and a recording screen.
#include <string>
#include <vector>

#include "direct/direct_session.h"
#include "sim/sim_channel.h"
#include "sim/sim_controller.h"
#include "support/recording_direct_view.h"
#include "support/recording_view.h"
#include "support/scripted_prompter.h"

namespace mivo::test {

struct DirectRig {
    DirectRig() {
        sim.motion.originState = 1;
        session.restartMonitor = [this] { ++monitorRestarts; };
    }

    SimController sim;
    SimChannel channel{sim, true};
    ScriptedPrompter prompter;
    RecordingView transfer;
    RecordingDirectView view;
    DirectSession session{channel, prompter, transfer, view};
    int monitorRestarts = 0;

    std::vector<std::string> sent() const { return sim.received(); }
    // The controller answers `command` with `lines`, whatever it is given.
    void answer(const std::string& command, std::vector<std::string> lines) {
        sim.addCommand(command, [this, lines](const std::string&) {
            for (const auto& l : lines) sim.reply(l);
        });
    }
};

}  // namespace mivo::test
