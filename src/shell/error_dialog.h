#pragma once
// ErrorDialog: the error dialog, showing an error line returned by the controller.
#include <string>

#include "shell/opener_dialog.h"

class QLabel;

namespace mivo {

class Navigator;
class TransferDialogs;

class ErrorDialog : public OpenerDialog {
    Q_OBJECT
  public:
    ErrorDialog(const TransferDialogs& transfer, const Navigator& navigator,
                QWidget* parent = nullptr);

    // Puts the line (Windows-1252 bytes) into ERRhyouji and shows the dialog over the screen
    // whose operation reports it, which OK enables again.
    void showError(const std::string& line);
    QString errorText() const;

    void onOkClicked();

  public slots:
    void reject() override {}

  private:
    const TransferDialogs& transfer_;
    const Navigator& navigator_;
    QLabel* text_ = nullptr;  // ERRhyouji
};

}  // namespace mivo
