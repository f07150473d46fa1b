#pragma once
#include <functional>
#include <string>
#include <utility>

#include "common/said_text.h"
#include "procedures/transfer_view.h"

namespace mivo {

// The transfer dialogs as the teaching screen's commands use them: each exchange shows the
// cancel dialog, UI_TEXT("Message", "Transferring") / UI_TEXT("Message", "Cancel") for a data
// exchange and UI_TEXT("Message", "Operating") / "Stop operation" for a motion. Not while a jog
// button is held: the dialog would take the focus from the button, and losing it ends the hold.
class TeachTransfer : public TransferView {
  public:
    TeachTransfer(TransferView& base, std::function<bool()> showing)
        : base_(base), showing_(std::move(showing)) {}

    void setCancelTexts(const std::string& label, const std::string& button) override {
        base_.setCancelTexts(label, button);
    }
    void showCancel() override { base_.showCancel(); }
    void hideCancel() override { base_.hideCancel(); }
    void setDataExchange(bool on) override {
        base_.setDataExchange(on);
        if (!showing_()) return;
        if (motorStop)
            base_.setCancelTexts(UI_TEXT("Message", "MSTOP send"), UI_TEXT("Message", "Cancel"));
        else
            base_.setCancelTexts(
                on ? UI_TEXT("Message", "Transferring") : UI_TEXT("Message", "Operating"),
                on ? UI_TEXT("Message", "Cancel") : UI_TEXT("Message", "Stop operation"));
        base_.showCancel();
    }
    void showProgress(int maximum) override { base_.showProgress(maximum); }
    void setProgress(int position) override { base_.setProgress(position); }
    void hideProgress() override { base_.hideProgress(); }
    bool cancelRequested() const override { return base_.cancelRequested(); }
    void setCancelRequested(bool on) override { base_.setCancelRequested(on); }

    bool motorStop = false;  // the MSTOP panel's exchange: UI_TEXT("Message", "MSTOP send") /
                             // UI_TEXT("Message", "Cancel")

  private:
    TransferView& base_;
    std::function<bool()> showing_;
};

}  // namespace mivo
