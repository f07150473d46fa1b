#pragma once
// Terror: the controller's error record, newest first, as received.
#include <QStringList>
#include <string>

#include "shell/opener_dialog.h"

class QPlainTextEdit;

namespace mivo {

class Terror : public OpenerDialog {
    Q_OBJECT
  public:
    explicit Terror(QWidget* parent = nullptr);

    // Memo1: appends one line (Windows-1252 bytes).
    void addLine(const std::string& line);
    void clearLines();
    QStringList lines() const { return lines_; }

    void OKClick();

  public slots:
    void reject() override { OKClick(); }

  private:
    QPlainTextEdit* memo_ = nullptr;
    QStringList lines_;  // as received, empty lines too
};

}  // namespace mivo
