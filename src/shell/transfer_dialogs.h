#pragma once
// The cancel dialog CancelDialog and the progress dialog ProgressDialog behind the TransferView
// seam, shown over the screen whose operation runs. They hold CancelRequested, which ends when the
// link closes a channel (wired by createScreens).
#include <functional>

#include "procedures/transfer_view.h"

class QWidget;

namespace mivo {

class ControllerLink;
class CancelDialog;
class ProgressDialog;

class TransferDialogs : public TransferView {
  public:
    explicit TransferDialogs(ControllerLink& link) : link_(link) {}

    // The two dialogs, made after this view.
    void setDialogs(CancelDialog* cancel, ProgressDialog* progress) {
        cancel_ = cancel;
        progress_ = progress;
    }
    // What stops a running motion when its Cancel is pressed (the "@MSTOP" on the main channel,
    // whose reply then ends the motion's pending wait).
    CancelDialog* cancelDialog() const { return cancel_; }
    ProgressDialog* progressDialog() const { return progress_; }
    void setMotionStop(std::function<void()> stop) { motionStop_ = std::move(stop); }

    // The screen whose operation the dialogs belong to (shown over it, given back its controls
    // by their buttons); set as it starts one.
    void setOwner(QWidget* screen) { owner_ = screen; }
    QWidget* owner() const { return owner_; }

    // The dialogs' buttons: during a motion the robot is stopped first; then CancelRequested.
    void requestCancel(bool motion);

    void setCancelTexts(const std::string& label, const std::string& button) override;
    void showCancel() override;
    void hideCancel() override;
    void setDataExchange(bool on) override;
    void showProgress(int maximum) override;
    void setProgress(int position) override;
    void hideProgress() override;
    bool cancelRequested() const override { return cancelRequested_; }
    void setCancelRequested(bool on) override { cancelRequested_ = on; }

  private:
    ControllerLink& link_;
    CancelDialog* cancel_ = nullptr;
    ProgressDialog* progress_ = nullptr;
    std::function<void()> motionStop_;
    QWidget* owner_ = nullptr;
    bool cancelRequested_ = false;
};

}  // namespace mivo
