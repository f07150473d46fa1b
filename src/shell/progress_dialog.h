#pragma once
// ProgressDialog: the progress dialog of the step and parameter transfers, with "Stop transfer".
#include "shell/opener_dialog.h"

class QProgressBar;

namespace mivo {

class TransferDialogs;

class ProgressDialog : public OpenerDialog {
    Q_OBJECT
  public:
    explicit ProgressDialog(TransferDialogs& transfer, QWidget* parent = nullptr);

    // The progress bar `Bar`: range 0..maximum at position 0, then its position.
    void resetProgress(int maximum);
    void setProgress(int position);

    void onStopClicked();

  public slots:
    void reject() override {}

  private:
    TransferDialogs& transfer_;
    QProgressBar* bar_ = nullptr;
};

}  // namespace mivo
