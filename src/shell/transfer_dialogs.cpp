#include "shell/transfer_dialogs.h"

#include <QProgressBar>

#include "codepage/cp1252.h"
#include "link/tbuff.h"
#include "shell/screens.h"
#include "shell/tcall.h"
#include "shell/tcancel.h"
#include "shell/window_style.h"

namespace mivo {

void TransferDialogs::setCancelTexts(const std::string& label, const std::string& button) {
    if (screens_.tcancel) screens_.tcancel->setTexts(Cp1252::decode(label), Cp1252::decode(button));
}

void TransferDialogs::showCancel() {
    if (screens_.tcancel) ShowOver(screens_.tcancel, owner_);
}

void TransferDialogs::hideCancel() {
    if (screens_.tcancel) screens_.tcancel->hide();
}

void TransferDialogs::setDataExchange(bool on) {
    if (screens_.tcancel) screens_.tcancel->setDataExchange(on);
    // A data exchange gives up on a silent controller; a motion waits for its reply or a stop.
    if (screens_.tbuff) screens_.tbuff->setReplyTimeout(on ? TBuff::kReplyTimeoutMs : 0);
}

void TransferDialogs::showProgress(int maximum) {
    if (!screens_.tcall) return;
    screens_.tcall->resetProgress(maximum);
    ShowOver(screens_.tcall, owner_);
}

void TransferDialogs::setProgress(int position) {
    if (screens_.tcall) screens_.tcall->setProgress(position);
}

void TransferDialogs::hideProgress() {
    if (screens_.tcall) screens_.tcall->hide();
}

}  // namespace mivo
