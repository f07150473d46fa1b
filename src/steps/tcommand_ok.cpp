// The command-entry dialog's OK checks and write-back, Cancel and Teaching.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "common/convert.h"
#include "procedures/prompter.h"
#include "shell/cp1252.h"
#include "shell/editor_frame.h"
#include "shell/screens.h"
#include "shell/tcancel.h"
#include "steps/tcommand.h"
#include "steps/tcommand_items.h"
#include "steps/tmmain.h"

namespace mivo {

namespace {

constexpr const char* kCaption = "Command";

constexpr const char* kEmptyBoxMessages[8] = {"Input X value",  "Input Y value",  "Input Z value",
                                              "Input R value",  "Input X2 value", "Input Y2 value",
                                              "Input X3 value", "Input Y3 value"};

}  // namespace

Prompter& Tcommand::prompter() {
    return screens_.prompter ? *screens_.prompter : SilentPrompter::instance();
}

bool Tcommand::values(StepValues& out, QChar* bad) const {
    out = {};
    out.command = command_;
    out.code = code_;
    auto take = [bad](const QLineEdit* e, std::string& to) {
        if (e->isHidden()) return true;
        return Cp1252::encode(e->text(), to, bad);
    };
    // V is taken even when hidden: END stores its code with the hidden rate.
    if (!Cp1252::encode(sokudo_->text(), out.value, bad)) return false;
    std::string* positions[8] = {&out.x,  &out.y,  &out.z,  &out.r,
                                 &out.x2, &out.y2, &out.x3, &out.y3};
    for (int i = 0; i < 8; ++i)
        if (!take(boxes_[i], *positions[i])) return false;
    return take(jumpsaki_, out.jump) && Cp1252::encode(comento_->text(), out.comment, bad);
}

std::string Tcommand::firstFailedCheck() const {
    if (sentaku_->currentText().isEmpty()) return "Select command";
    for (const QComboBox* list : lists_)
        if (list->currentText().isEmpty()) return "Select command";

    std::string v;
    QChar bad;
    if (!Cp1252::encode(sokudo_->text(), v, &bad))
        return Cp1252::encode(Cp1252::unstorableMessage(bad));
    const QString caption = sokudoLabel_->text();
    if (!v.empty()) {
        const int n = StrToInt(v);  // a text that is no integer ends OK with its message
        if (n > 100 && caption == kCaptionRate) return "Set speed rate from 1 to 100%";
        if (v[0] == '+') return "+ cannot be inputted";
        if (v[0] == '-') return "- cannot be inputted";
        if (v[0] == '0' && (v.size() > 2 || (v.size() == 2 && v[1] != '0')))
            return "Cannot compute due to speed data error";
        const QComboBox* seq = lists_[CommandNumber("SEQ")];
        const QComboBox* pal = lists_[CommandNumber("PAL")];
        if (!seq->isHidden()) {
            const QString item = seq->currentText();
            switch (item[0].toLatin1()) {
                case '0':
                case '1':
                case '6':
                case '7':
                    if (n > 14) return "Set input port from 0 to 14";
                    break;
                case '2':
                    if (n > 12) return "Set output port from 0 to 12";
                    break;
                case '3':
                    if (n > 13) return "Set output port from 0 to 13";
                    break;
                case '4':
                    if (n > 100 || n == 0) return "Set timer from 1 to 100(x 0.1sec)";
                    break;
                case '9':
                    if (n > 13 && item == "900:Conditional CALL JUMP")
                        return "Set output port from 0 to 13";
                    break;
                default:
                    break;
            }
        } else if (!pal->isHidden()) {
            const QString item = pal->currentText();
            if ((item.startsWith('0') || item.startsWith('2')) && n > 19)
                return "Set pallet No. from 0 to 19";
        } else if (n == 0) {
            return "Input 1 and above";
        }
    } else {
        // The value is required whatever is shown, also when the box is hidden.
        if (caption == kCaptionRate) return "Input speed rate";
        if (caption == kCaptionPallet) return "Input pallet No.";
        if (caption == kCaptionTimer) return "Input TIMER";
        if (caption == kCaptionPort) return "Input I/O port";
    }

    for (int i = 0; i < 8; ++i)
        if (!boxes_[i]->isHidden() && boxes_[i]->text().isEmpty()) return kEmptyBoxMessages[i];
    if (!jumpsaki_->isHidden() && jumpsaki_->text().isEmpty()) return "Input jump-to value";
    return {};
}

std::string Tcommand::refusedBoxText(const StepValues& v) const {
    const std::string* positions[8] = {&v.x, &v.y, &v.z, &v.r, &v.x2, &v.y2, &v.x3, &v.y3};
    // The field each position box is written to: X2, Y2, X3, Y3 go to the second row's X to R.
    constexpr int kFields[8] = {FieldX, FieldY, FieldZ, FieldR, FieldX, FieldY, FieldZ, FieldR};
    auto refused = [](int field, const std::string& text, const QLabel* label) {
        return RefusedFieldText(field, text, Cp1252::encode(label->text()));
    };
    std::string message = refused(FieldOperation, v.value, sokudoLabel_);
    for (int i = 0; i < 8 && message.empty(); ++i)
        message = refused(kFields[i], *positions[i], boxLabels_[i]);
    if (message.empty()) message = refused(FieldJump, v.jump, jumpLabel_);
    if (message.empty()) message = refused(FieldComment, v.comment, comentoLabel_);
    return message;
}

void Tcommand::okClicked() {
    if (!isVisible()) return;
    std::string failed;
    try {
        failed = firstFailedCheck();
    } catch (const ConversionError& e) {
        failed = e.what();
    }
    if (!failed.empty()) {
        prompter().notify(failed, kCaption);
        return;
    }
    StepValues v;
    QChar bad;
    if (!values(v, &bad)) {
        prompter().notify(Cp1252::encode(Cp1252::unstorableMessage(bad)), kCaption);
        return;
    }
    // A comma or line break would move the later fields of the step in the file and on the line.
    if (const std::string refused = refusedBoxText(v); !refused.empty()) {
        prompter().notify(refused, kCaption);
        return;
    }
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

void Tcommand::cancelClicked() { closeDialog(); }

void Tcommand::reject() { closeDialog(); }

void Tcommand::closeDialog() {
    hide();
    if (editor_) {
        editor_->setEnabled(true);
        editor_->activateWindow();
    }
    resetDialog();
}

void Tcommand::teachingClicked() {
    if (TeachingRefused(screens_, prompter(), editor_ && editor_->onlineShown())) return;
    // The step number is the step's own: its GO moves are "@GO s", "@CIR GO s,p".
    if (screens_.teach)
        screens_.teach->teachFor(TeachOpener::Step, teach_, std::to_string(step_), this);
}

}  // namespace mivo
