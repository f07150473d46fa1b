#pragma once
// `mivo direct output`, `jog` and `monitor`: the commands with operands and options of their own.
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "cli/console_direct_view.h"
#include "direct/direct_session.h"
#include "procedures/outcome.h"

namespace mivo {

// A command with operands of its own (output, jog, monitor): what it runs, what a stop signal
// does while it runs, and whether the positions are printed at its end.
struct OwnCommand {
    std::function<Outcome(DirectSession&)> run;
    std::function<void(DirectSession&)> onStop;
    bool printAtEnd = true;
    bool signalEndsWell = false;  // a stop signal is the monitor's normal end
};

// Reads the operands and options of output, jog and monitor into `out`; "" when they fit, else
// the problem. `timer` is the jog's hold.
std::string ReadOwnOperands(const std::string& word, const std::vector<std::string>& ops,
                            const ParsedArgs& args, ConsoleDirectView& view, QTimer& timer,
                            OwnCommand& out);

}  // namespace mivo
