// The step editor's controller commands: the procedures of step_transfer, program_control and
// program_info run on the main channel, with the editor's table, log and program number.
#include <QAction>
#include <memory>

#include "codepage/cp1252.h"
#include "procedures/controller_records.h"
#include "procedures/program_control.h"
#include "shell/error_record_dialog.h"
#include "shell/version_dialog.h"
#include "shell/window_style.h"
#include "steps/program_initialize.h"
#include "steps/step_compare.h"
#include "steps/step_editor.h"
#include "steps/step_transfer.h"

namespace mivo {

StepTarget StepEditor::stepTarget() {
    // What a procedure writes is recorded as one undoable step, which marks the data modified.
    return {table_, {}, [this](int first, int last) { stepsChanged(first, last); }};
}

void StepEditor::sendSteps() {
    if (operationRunning() || !sendAfterCheck()) return;
    // Through the undo history, like a click in the grid; the procedure finds nothing left.
    upperCaseCommands();
    const std::string start = Cp1252::encode(rangeStart());
    const std::string end = Cp1252::encode(rangeEnd());
    runOperation([&](ProcedureContext& ctx) {
        SendSteps(ctx, stepTarget(), start, end);
        return false;
    });
    compare_->outdated();
}

void StepEditor::quickSendSteps() {
    if (operationRunning() || !sendAfterCheck()) return;
    upperCaseCommands();
    runOperation([&](ProcedureContext& ctx) {
        QuickSendSteps(ctx, stepTarget());
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
        ReceiveSteps(ctx, stepTarget(), start, end);
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
        init_->openFor(this, Cp1252::decode(*question), false, [this] { initializeConfirmed(); });
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
        return true;  // VersionDialog's Close enables the editor again
    });
}

}  // namespace mivo
