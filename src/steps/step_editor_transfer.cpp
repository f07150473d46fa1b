// The step editor's controller commands: the procedures of step_transfer, program_control and
// program_info run on the main channel, with the editor's table, log and program number.
#include <QAction>
#include <memory>

#include "codepage/cp1252.h"
#include "i18n/translated_texts.h"
#include "link/controller_link.h"
#include "procedures/controller_records.h"
#include "procedures/program_control.h"
#include "shell/error_record_dialog.h"
#include "shell/version_dialog.h"
#include "shell/window_style.h"
#include "steps/program_initialize.h"
#include "steps/step_compare.h"
#include "steps/step_editor.h"
#include "steps/step_files.h"
#include "steps/step_transfer.h"

namespace mivo {

StepTarget StepEditor::stepTarget() {
    // What a procedure writes is recorded as one undoable step, which marks the data modified.
    return {table_, {}, [this](int first, int last) { stepsChanged(first, last); }};
}

Outcome StepEditor::transferWhole(ProcedureContext& ctx, bool whole,
                                  const std::function<Outcome(ProcedureContext&)>& transfer) {
    int program = -1;
    ProcedureContext watched = ctx;
    watched.showProgramNo = [&program, &ctx](const std::string& number) {
        program = ProgramIndex(number);
        if (ctx.showProgramNo) ctx.showProgramNo(number);
    };
    const Outcome outcome = transfer(watched);
    if (program >= 0) {
        if (outcome == Outcome::Completed && whole)
            controllerHashes_[program] = StepProgramHash(table_);
        else if (outcome != Outcome::Declined)
            controllerHashes_.erase(program);  // partly sent or received: no longer known
    }
    return outcome;
}

std::string StepEditor::controllerProgramHash(int program) const {
    const auto it = controllerHashes_.find(program);
    return it == controllerHashes_.end() ? std::string() : it->second;
}

namespace {
// The range from step 0 to 999: the whole program.
bool WholeRange(const std::string& start, const std::string& end) {
    return start.find_first_not_of(" 0") == std::string::npos && end == "999";
}
}  // namespace

void StepEditor::sendSteps() {
    if (operationRunning() || !sendAfterCheck()) return;
    // Through the undo history, like a click in the grid; the procedure finds nothing left.
    upperCaseCommands();
    const std::string start = Cp1252::encode(rangeStart());
    const std::string end = Cp1252::encode(rangeEnd());
    runOperation([&](ProcedureContext& ctx) {
        transferWhole(ctx, WholeRange(start, end),
                      [&](ProcedureContext& c) { return SendSteps(c, stepTarget(), start, end); });
        return false;
    });
    compare_->outdated();
}

void StepEditor::quickSendSteps() {
    if (operationRunning() || !sendAfterCheck()) return;
    upperCaseCommands();
    runOperation([&](ProcedureContext& ctx) {
        transferWhole(ctx, true,
                      [&](ProcedureContext& c) { return QuickSendSteps(c, stepTarget()); });
        return false;
    });
    compare_->outdated();
}

void StepEditor::receiveSteps() {
    const std::string start = Cp1252::encode(rangeStart());
    const std::string end = Cp1252::encode(rangeEnd());
    runOperation([&](ProcedureContext& ctx) {
        // The grid shows each row as it arrives; rows already received stay, whatever ends
        // the transfer.
        const auto before = std::make_unique<StepTable>(table_);
        transferWhole(ctx, WholeRange(start, end), [&](ProcedureContext& c) {
            return ReceiveSteps(c, stepTarget(), start, end);
        });
        recordTableChange("Step receive", *before);
        programReplaced();
        return false;
    });
}

void StepEditor::acquireProgramNo() {
    runProcedure([](ProcedureContext& ctx) { AcquireProgramNo(ctx); });
}

void StepEditor::initializeSteps() {
    runOperation([this](ProcedureContext& ctx) {
        const std::optional<std::string> question = InitializeQuestion(ctx, stepTarget());
        if (!question || !init_) return false;
        init_->openFor(this, MessageText(*question), false, [this] { initializeConfirmed(); });
        return true;  // the dialog enables the editor again
    });
}

void StepEditor::initializeConfirmed() {
    InitDialogAccess* dialog = init_;
    dialog->dismiss();
    runOperation([this](ProcedureContext& ctx) {
        const auto before = std::make_unique<StepTable>(table_);
        const Outcome outcome = InitializeProgram(ctx, stepTarget());
        recordTableChange("Step initialize", *before);
        if (outcome == Outcome::Completed) programReplaced();
        return true;
    });
    dialog->closeToOpener();
}

void StepEditor::showErrorRecord() {
    ErrorRecordDialog* record = record_;
    if (!record) return;
    runOperation([this, record](ProcedureContext& ctx) {
        record->hide();
        record->clearLines();
        const ErrorRecord result = QueryErrorRecord(ctx);
        if (result.lines.empty()) return false;
        for (const std::string& line : result.lines) record->addLine(line);
        record->showFor(this);
        return true;  // ErrorRecordDialog's OK enables the editor again
    });
}

void StepEditor::showVersion() {
    VersionDialog* versions = versions_;
    if (!versions) return;
    runOperation([this, versions](ProcedureContext& ctx) {
        versions->hide();
        versions->clearValues();
        versions->showFor(this);
        const Versions result = QueryVersions(ctx);
        for (int i = 0; i < VersionDialog::kUnits; ++i)
            versions->setValue(i, result.values[static_cast<std::size_t>(i)]);
        // Each run's record names them from now on.
        if (result.outcome == Outcome::Completed)
            links().link->rememberVersions(VersionsText(result));
        return true;  // VersionDialog's Close enables the editor again
    });
}

}  // namespace mivo
