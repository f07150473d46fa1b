#include "shell/transfer_dialogs.h"

#include <QProgressBar>

#include "codepage/cp1252.h"
#include "i18n/translated_texts.h"
#include "link/controller_link.h"
#include "shell/cancel_dialog.h"
#include "shell/progress_dialog.h"

namespace mivo {

void TransferDialogs::requestCancel(bool motion) {
    if (motion && motionStop_) motionStop_();
    cancelRequested_ = true;
}

void TransferDialogs::setCancelTexts(const std::string& label, const std::string& button) {
    if (cancel_) cancel_->setTexts(MessageText(label), MessageText(button));
}

void TransferDialogs::showCancel() {
    if (cancel_) cancel_->showFor(owner_);
}

void TransferDialogs::hideCancel() {
    if (cancel_) cancel_->hide();
}

void TransferDialogs::setDataExchange(bool on) {
    if (cancel_) cancel_->setDataExchange(on);
    // A data exchange gives up on a silent controller; a motion waits for its reply or a stop.
    link_.setReplyTimeout(on ? ControllerLink::kReplyTimeoutMs : 0);
}

void TransferDialogs::showProgress(int maximum) {
    if (!progress_) return;
    progress_->resetProgress(maximum);
    progress_->showFor(owner_);
}

void TransferDialogs::setProgress(int position) {
    if (progress_) progress_->setProgress(position);
}

void TransferDialogs::hideProgress() {
    if (progress_) progress_->hide();
}

}  // namespace mivo
