// The command-entry dialog's OK checks and write-back, Cancel and Teaching.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "codepage/cp1252.h"
#include "common/convert.h"
#include "common/prompter.h"
#include "shell/cancel_dialog.h"
#include "shell/editor_frame.h"
#include "shell/navigator.h"
#include "steps/command_dialog.h"
#include "steps/step_commands.h"
#include "steps/step_editor.h"

namespace mivo {

namespace {

constexpr const char* kCaption = QT_TRANSLATE_NOOP("Message", "Command");
constexpr const char* kSelectCommand = QT_TRANSLATE_NOOP("Message", "Select command");

// The wording of an item as the dialog shows it, in the user's language.
QString Shown(const char* item) { return CommandDialog::tr(item); }

// The number of the item of `items` a list's text is: its wording on the list or on an opened
// step, as shown or in English; -1 for none.
template <class Items>
int ListedItem(const Items& items, const QString& text) {
    int number = 0;
    for (const auto& item : items) {
        if (text == item.item || text == Shown(item.item)) return number;
        if (item.openText && (text == item.openText || text == Shown(item.openText))) return number;
        ++number;
    }
    return -1;
}

}  // namespace

Prompter& CommandDialog::prompter() { return prompter_ ? *prompter_ : SilentPrompter::instance(); }

bool CommandDialog::values(StepValues& out, QChar* bad) const {
    out = {};
    out.command = command_;
    out.code = code_;
    auto take = [bad](const QLineEdit* e, std::string& to) {
        if (e->isHidden()) return true;
        return Cp1252::encode(e->text(), to, bad);
    };
    // V is taken even when hidden: END stores its code with the hidden rate.
    if (!Cp1252::encode(speed_->text(), out.value, bad)) return false;
    std::string* positions[8] = {&out.x,  &out.y,  &out.z,  &out.r,
                                 &out.x2, &out.y2, &out.x3, &out.y3};
    for (int i = 0; i < 8; ++i)
        if (!take(boxes_[i], *positions[i])) return false;
    return take(jumpTarget_, out.jump) && Cp1252::encode(comment_->text(), out.comment, bad);
}

std::string CommandDialog::firstFailedCheck() const {
    if (sentaku_->currentText().isEmpty()) return kSelectCommand;
    for (const QComboBox* list : lists_)
        if (list->currentText().isEmpty()) return kSelectCommand;
    // A typed text stands for what it names: an item of the list, or a step command by its
    // name; anything else is refused as the program check refuses it in a step.
    const int chosen = CommandNumber(command_);
    const QString typedCommand = sentaku_->currentText();
    if (ListedItem(CommandItems(), typedCommand) != chosen) {
        std::string name = Cp1252::encode(typedCommand.trimmed());
        if (std::string refused = RefusedCommand(name); !refused.empty()) return refused;
        UpperCaseCommand(name);
        if (name != command_) return kSelectCommand;
    }
    const QString typedOperation = lists_[chosen]->currentText();
    const auto& operations = CommandItems()[static_cast<std::size_t>(chosen)].operations;
    if (const int item = ListedItem(operations, typedOperation);
        item < 0 || operations[static_cast<std::size_t>(item)].code != code_) {
        if (std::string refused =
                RefusedOperation(command_, Cp1252::encode(typedOperation.trimmed()));
            !refused.empty())
            return refused;
        return kSelectCommand;
    }
    StepValues v;
    QChar bad;
    if (!values(v, &bad)) return Cp1252::encode(Cp1252::unstorableMessage(bad));
    // A comma or line break would move the later fields of the step in the file and on the line.
    if (std::string refused = refusedBoxText(v); !refused.empty()) return refused;
    return RefusedStepValues(v);
}

std::string CommandDialog::refusedBoxText(const StepValues& v) const {
    const std::string* positions[8] = {&v.x, &v.y, &v.z, &v.r, &v.x2, &v.y2, &v.x3, &v.y3};
    // The field each position box is written to: X2, Y2, X3, Y3 go to the second row's X to R.
    constexpr int kFields[8] = {FieldX, FieldY, FieldZ, FieldR, FieldX, FieldY, FieldZ, FieldR};
    auto refused = [](int field, const std::string& text, const QLabel* label) {
        return RefusedFieldText(field, text, Cp1252::encode(label->text()));
    };
    std::string message = refused(FieldOperation, v.value, speedLabel_);
    for (int i = 0; i < 8 && message.empty(); ++i)
        message = refused(kFields[i], *positions[i], boxLabels_[i]);
    if (message.empty()) message = refused(FieldJump, v.jump, jumpLabel_);
    if (message.empty()) message = refused(FieldComment, v.comment, commentLabel_);
    return message;
}

void CommandDialog::okClicked() {
    if (!isVisible()) return;
    if (const std::string failed = firstFailedCheck(); !failed.empty()) {
        prompter().notify(failed, kCaption);
        return;
    }
    StepValues v;
    values(v);
    // A circle's second row would be lost after the last step.
    if (const std::string refused = CircleRefusal(step_, v, flags_); !refused.empty()) {
        prompter().notify(refused, kCaption);
        return;
    }
    const CircleFlags flags = flags_;
    const int step = step_;
    closeDialog();
    if (editor_) editor_->applyStepValues(step, v, flags);
}

void CommandDialog::cancelClicked() { closeDialog(); }

void CommandDialog::reject() { closeDialog(); }

void CommandDialog::closeDialog() {
    hide();
    if (editor_) {
        editor_->setEnabled(true);
        editor_->activateWindow();
    }
    resetDialog();
}

void CommandDialog::teachingClicked() {
    if (TeachingRefused(navigator_, prompter(), editor_ && editor_->onlineShown())) return;
    // The step number is the step's own: its GO moves are "@GO s", "@CIR GO s,p".
    if (teachScreen_) teachScreen_->teachFor(DataKind::Step, teach_, std::to_string(step_), this);
}

}  // namespace mivo
