// The parameter editor's commands: values typed into the grid, the shared file commands, New
// programming, and the controller commands on the main channel (parameter send, receive and
// initialise, and the program control every editor shares).
#include "codepage/cp1252.h"
#include "common/prompter.h"
#include "parameters/grid_parameter_model.h"
#include "parameters/init_dialog.h"
#include "parameters/parameter_editor.h"
#include "parameters/parameter_files.h"
#include "parameters/parameter_initialize.h"
#include "parameters/parameter_rules.h"
#include "parameters/parameter_transfer.h"
#include "procedures/program_control.h"

namespace mivo {

bool ParameterEditor::cellEdited(int number, const QString& text) {
    std::string bytes;
    QChar bad;
    if (!Cp1252::encode(text, bytes, &bad)) {
        prompter().notify(Cp1252::encode(Cp1252::unstorableMessage(bad)),
                          QT_TRANSLATE_NOOP("Message", "Input"));
        return false;
    }
    if (const std::string refusal =
            ValueRefusal(bytes, ValueLength(number), ParameterCatalogue(number).name);
        !refusal.empty()) {
        prompter().notify(refusal, QT_TRANSLATE_NOOP("Message", "Input"));
        return false;
    }
    editData("Edit", [&](ParameterTable& t) { t.setValue(number, bytes); });
    return true;
}

void ParameterEditor::shown() { model_->tableReplaced(); }

void ParameterEditor::writeFromController(
    const std::function<void(const ParameterTarget&)>& procedure, const std::string& caption) {
    writeData(QString::fromStdString(caption), [&] { procedure(parameterTarget()); });
}

ParameterTarget ParameterEditor::parameterTarget() {
    // What a procedure writes is recorded as one undoable edit, which marks the data modified.
    return {data_, {}, [this](int first, int last) { valuesChanged(first, last); }};
}

void ParameterEditor::sendParameters() {
    runOperation([this](ProcedureContext& ctx) {
        // A controller that does not know parameter 43 has it emptied in the table too.
        writeFromController([&ctx](const ParameterTarget& t) { SendParameters(ctx, t); },
                            "Parameter send");
        return false;
    });
}

void ParameterEditor::receiveParameters() {
    runOperation([this](ProcedureContext& ctx) {
        // The grid shows each value as it arrives; values received stay, whatever ends it.
        writeFromController([&ctx](const ParameterTarget& t) { ReceiveParameters(ctx, t); },
                            "Parameter receive");
        return false;
    });
}

void ParameterEditor::initializeParameters() {
    InitDialogAccess* dialog = init_;
    if (operationRunning() || !dialog) return;
    setEnabled(false);
    dialog->openFor(this, InitDialog::kRobotQuestion, true, [this] { initializeConfirmed(); });
}

void ParameterEditor::initializeConfirmed() {
    InitDialogAccess* dialog = init_;
    const int robot = dialog->robotNumber();
    dialog->dismiss();
    runOperation([this, robot](ProcedureContext& ctx) {
        writeFromController(
            [&ctx, robot](const ParameterTarget& t) { InitializeParameters(ctx, t, robot); },
            "Parameter initialize");
        return true;  // the dialog enables the editor again
    });
    dialog->closeToOpener();
}

}  // namespace mivo
