#pragma once
// The cancel dialog and the progress dialog as a procedure sees them.
#include <string>

namespace mivo {

class TransferView {
  public:
    virtual ~TransferView() = default;
    // Cancel dialog: its label ("Transferring", "Operating", "MSTOP send") and button
    // ("Cancel", "Stop operation").
    virtual void setCancelTexts(const std::string& label, const std::string& button) = 0;
    virtual void showCancel() = 0;
    virtual void hideCancel() = 0;
    // Set while data are transferred or queried; clear while a motion runs, so that Cancel
    // then stops the robot with "@MSTOP".
    virtual void setDataExchange(bool on) = 0;
    // Progress dialog: bar range 0..maximum, position 0.
    virtual void showProgress(int maximum) = 0;
    virtual void setProgress(int position) = 0;
    virtual void hideProgress() = 0;
    // The CancelRequested flag, raised by the dialogs' buttons.
    virtual bool cancelRequested() const = 0;
    virtual void setCancelRequested(bool on) = 0;
};

// Without dialogs (benchmarks): only the CancelRequested flag is kept.
class HeadlessTransferView : public TransferView {
  public:
    void setCancelTexts(const std::string&, const std::string&) override {}
    void showCancel() override {}
    void hideCancel() override {}
    void setDataExchange(bool) override {}
    void showProgress(int) override {}
    void setProgress(int) override {}
    void hideProgress() override {}
    bool cancelRequested() const override { return cancel_; }
    void setCancelRequested(bool on) override { cancel_ = on; }

  private:
    bool cancel_ = false;
};

}  // namespace mivo
