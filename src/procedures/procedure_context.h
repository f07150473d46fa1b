#pragma once
// What every procedure that talks to the controller works with: the channel, the user's
// dialogs, the transfer dialogs and the screen's hidden reply log.
#include <functional>
#include <string>
#include <vector>

#include "common/prompter.h"
#include "link/channel.h"
#include "procedures/transfer_view.h"

namespace mivo {

class RunAccount;

struct ProcedureContext {
    Channel& channel;
    Prompter& prompter;
    TransferView& view;
    std::vector<std::string>& log;  // every reply line received, as the screen keeps it
    // Shows the controller's program number on the screen (after "Pgm No."); may be empty.
    std::function<void(const std::string&)> showProgramNo = {};
    // Where set, a value's trailing line is waited for through it (the direct-operation screen
    // shows it as "OK" when it is one); it returns the line ("" when none came).
    std::function<std::string()> unseenTrailing = {};
    // Where set, a program run ("Program execute") is accounted there as it starts and ends.
    RunAccount* runs = nullptr;

    // Sends and logs the reply.
    std::string send(const std::string& command);
    // Waits for the next reply line and logs it.
    std::string next();
    // Waits for the line that follows a data value.
    std::string trailing();
};

}  // namespace mivo
