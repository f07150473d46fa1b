#pragma once
// ErrorRecordDialog: the controller's error record, newest first, as received.
#include <QStringList>
#include <string>

#include "shell/opener_dialog.h"

class QPlainTextEdit;

namespace mivo {

class ErrorRecordDialog : public OpenerDialog {
    Q_OBJECT
  public:
    explicit ErrorRecordDialog(QWidget* parent = nullptr);

    // Memo1: appends one line (Windows-1252 bytes).
    void addLine(const std::string& line);
    void clearLines();
    QStringList lines() const { return lines_; }

    void onOkClicked();

  public slots:
    void reject() override { onOkClicked(); }

  private:
    QPlainTextEdit* memo_ = nullptr;
    QStringList lines_;  // as received, empty lines too
};

}  // namespace mivo
