#pragma once
// What the step editor's transfer and program-control procedures share: the channel, the
// user's dialogs, the reply log and the screen's callbacks, plus the program number query.
#include <functional>
#include <string>
#include <vector>

#include "link/channel.h"
#include "shell/prompter.h"
#include "shell/transfer_view.h"

namespace mivo {

struct StepContext {
    Channel& channel;
    Prompter& prompter;
    TransferView& view;
    std::vector<std::string>& log;  // StepLog: every reply line received
    // The program number shown after "Pgm No.".
    std::function<void(const std::string&)> showProgramNo;
    // Raises the editor's StepModified.
    std::function<void()> setStepModified;
    // Steps first..last of the table were written (the grid shows them as they come).
    std::function<void(int first, int last)> showSteps;

    // Sends and logs the reply.
    std::string send(const std::string& command);
    // Waits for the next reply line and logs it.
    std::string next();
    void stepsWritten(int first, int last) {
        if (showSteps) showSteps(first, last);
    }
};

// How an operation ended: Completed when it reached its completion message (or, for a query,
// the result), Declined on No to its question, Interrupted by Cancel between steps, Failed on
// an error, an empty reply or refused input.
enum class Outcome { Completed, Declined, Interrupted, Failed };

struct ProgramNo {
    bool ok = false;     // the operation may go on
    std::string number;  // the one-character program number; "" when the controller gave none
};

// "@?NO" with its reply rules; errors are shown, the number is passed to showProgramNo.
ProgramNo QueryProgramNo(StepContext& ctx);

// The program number as 0..5, or -1 for anything else.
int ProgramIndex(const std::string& number);

// Shows the cancel dialog for the time of an operation and hides it again.
class TransferSession {
  public:
    TransferSession(StepContext& ctx, const std::string& label, const std::string& button,
                    bool dataExchange);
    ~TransferSession();
    TransferSession(const TransferSession&) = delete;
    TransferSession& operator=(const TransferSession&) = delete;

  private:
    StepContext& ctx_;
};

}  // namespace mivo
