#pragma once
// The cancel dialog TCancel and the progress dialog Tcall behind the TransferView seam.
// They hold CancelRequested, which ends when the link closes a channel (wired by createScreens).
#include "procedures/transfer_view.h"

class QWidget;

namespace mivo {

struct Screens;

class TransferDialogs : public TransferView {
  public:
    explicit TransferDialogs(Screens& screens) : screens_(screens) {}

    // The screen whose operation the dialogs belong to (shown over it); set as it starts one.
    void setOwner(QWidget* screen) { owner_ = screen; }
    QWidget* owner() const { return owner_; }

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
    Screens& screens_;
    QWidget* owner_ = nullptr;
    bool cancelRequested_ = false;
};

}  // namespace mivo
