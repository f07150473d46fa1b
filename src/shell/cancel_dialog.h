#pragma once
// CancelDialog: the cancel dialog shown during every transfer, query and operation. Its button
// raises the cancel request: a data exchange stops at the next check of CancelRequested, a
// running motion is stopped with "@MSTOP" (TransferDialogs::requestCancel).
#include "shell/opener_dialog.h"

class QLabel;
class QPushButton;

namespace mivo {

class TransferDialogs;

class CancelDialog : public OpenerDialog {
    Q_OBJECT
  public:
    explicit CancelDialog(TransferDialogs& transfer, QWidget* parent = nullptr);

    // Label1 ("Transferring", "Operating" ...) and Button1 ("Cancel", "Stop operation").
    void setTexts(const QString& label, const QString& button);
    QString labelText() const;
    QString buttonText() const;

    // DataExchange: set while data are transferred or queried, clear while a motion runs.
    bool dataExchange() const { return dataExchange_; }
    void setDataExchange(bool on) { dataExchange_ = on; }

    void onButtonClicked();

  public slots:
    // Escape does nothing: only the button ends the dialog.
    void reject() override {}

  private:
    TransferDialogs& transfer_;
    QLabel* label_ = nullptr;
    QPushButton* button_ = nullptr;
    bool dataExchange_ = false;
};

}  // namespace mivo
