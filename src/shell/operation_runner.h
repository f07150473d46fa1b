#pragma once
// OperationRunner: an editor's controller operations, one at a time on the main channel, with
// the editor's window disabled meanwhile; among them the program control every editor offers.
#include <functional>
#include <string>
#include <vector>

#include "shell/navigator.h"

class QWidget;

namespace mivo {

class RunAccount;

struct ProcedureContext;
class ControllerLink;
class Prompter;
class TransferDialogs;

class OperationRunner {
  public:
    // `log` is the window's transfer log; `programNumber` shows the program number the
    // controller reported; `finished` runs after each operation (the on-line state shown).
    OperationRunner(QWidget* window, ControllerLink* link, TransferDialogs* transfer,
                    Prompter& prompter, std::vector<std::string>& log,
                    std::function<void(const std::string&)> programNumber,
                    std::function<void()> finished);

    bool running() const { return running_; }
    // Where the program runs this window starts are accounted (the run history); none: nowhere.
    void setRunAccount(RunAccount* runs) { runs_ = runs; }

    // Runs `body` with the window disabled; the window is enabled again afterwards unless
    // `body` returns true (a dialog that re-enables it on closing is shown). False when nothing
    // ran (another operation runs, no link).
    bool run(const std::function<bool(ProcedureContext&)>& body);
    // A procedure after which the window is enabled again.
    void runProcedure(const std::function<void(ProcedureContext&)>& procedure);

    void returnToOrigin();
    // With the editor's wording of the start question.
    void executeProgram(const std::function<std::string(const std::string&)>& startQuestion);
    void motorFree();

  private:
    QWidget* window_;
    ControllerLink* link_;
    TransferDialogs* transfer_;
    Prompter& prompter_;
    std::vector<std::string>& log_;
    std::function<void(const std::string&)> programNumber_;
    std::function<void()> finished_;
    bool running_ = false;
    RunAccount* runs_ = nullptr;
};

// While the cancel dialog shows, screens that would start another motion refuse with
// "'Move to direct screen' cannot be executed while 'Operating' is displayed". True when
// refused (the notice shown).
bool RefusedWhileOperating(const Navigator& navigator, Prompter& prompter);

// Teaching is refused while an operation shows and, with "Teaching control cannot be made under
// offline", when `online` is false. True when refused (the notice shown).
bool TeachingRefused(const Navigator& navigator, Prompter& prompter, bool online);

}  // namespace mivo
