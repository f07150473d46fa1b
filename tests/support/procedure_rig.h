#pragma once
// The simulated controller in process with a scripted prompter and a recording transfer view,
// as the procedures see them.
#include <string>
#include <vector>

#include "procedures/procedure_context.h"
#include "sim/sim_channel.h"
#include "sim/sim_controller.h"
#include "support/recording_view.h"
#include "support/scripted_prompter.h"

namespace mivo::test {

struct Rig {
    SimController sim;
    SimChannel channel{sim};
    ScriptedPrompter prompter;
    RecordingView view;
    std::vector<std::string> log;
    std::string shownProgram;
    ProcedureContext ctx{channel, prompter, view, log,
                         [this](const std::string& n) { shownProgram = n; }};

    // The command lines the controller received, in order.
    std::vector<std::string> sent() const { return sim.received(); }
};

}  // namespace mivo::test
