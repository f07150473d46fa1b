#include "shell/operation_runner.h"

#include <QWidget>

#include "common/prompter.h"
#include "link/controller_link.h"
#include "modal/modal_run.h"
#include "procedures/procedure_context.h"
#include "procedures/program_control.h"
#include "shell/transfer_dialogs.h"

namespace mivo {

bool RefusedWhileOperating(const Navigator& navigator, Prompter& prompter) {
    if (!navigator.operating()) return false;
    prompter.notify(QT_TRANSLATE_NOOP("Message",
                                      "'Move to direct screen' cannot be executed while "
                                      "'Operating' is displayed"),
                    QT_TRANSLATE_NOOP("Message", "Operating"));
    return true;
}

bool TeachingRefused(const Navigator& navigator, Prompter& prompter, bool online) {
    if (RefusedWhileOperating(navigator, prompter)) return true;
    if (online) return false;
    prompter.notify(QT_TRANSLATE_NOOP("Message", "Teaching control cannot be made under offline"),
                    QT_TRANSLATE_NOOP("Message", "Under offline"));
    return true;
}

OperationRunner::OperationRunner(QWidget* window, ControllerLink* link, TransferDialogs* transfer,
                                 Prompter& prompter, std::vector<std::string>& log,
                                 std::function<void(const std::string&)> programNumber,
                                 std::function<void()> finished)
    : window_(window),
      link_(link),
      transfer_(transfer),
      prompter_(prompter),
      log_(log),
      programNumber_(std::move(programNumber)),
      finished_(std::move(finished)) {}

bool OperationRunner::run(const std::function<bool(ProcedureContext&)>& body) {
    if (running_ || !link_ || !transfer_) return false;
    running_ = true;
    transfer_->setOwner(window_);
    window_->setEnabled(false);
    ProcedureContext ctx{link_->mainChannel(), prompter_, *transfer_, log_, programNumber_};
    ctx.runs = runs_;
    bool stayDisabled = false;
    RunModal([&] { stayDisabled = body(ctx); });
    running_ = false;
    if (!stayDisabled) window_->setEnabled(true);
    if (finished_) finished_();
    return true;
}

void OperationRunner::runProcedure(const std::function<void(ProcedureContext&)>& procedure) {
    run([&procedure](ProcedureContext& ctx) {
        procedure(ctx);
        return false;
    });
}

void OperationRunner::returnToOrigin() {
    runProcedure([](ProcedureContext& ctx) { ReturnToOrigin(ctx); });
}

void OperationRunner::executeProgram(
    const std::function<std::string(const std::string&)>& startQuestion) {
    runProcedure([&startQuestion](ProcedureContext& ctx) { ExecuteProgram(ctx, startQuestion); });
}

void OperationRunner::motorFree() {
    runProcedure([](ProcedureContext& ctx) { MotorFree(ctx); });
}

}  // namespace mivo
