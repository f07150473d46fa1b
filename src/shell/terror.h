#pragma once
// Terror: the controller's error record, newest first, as received.
#include <QDialog>
#include <QStringList>
#include <string>

class QPlainTextEdit;

namespace mivo {

struct Screens;

class Terror : public QDialog {
    Q_OBJECT
  public:
    explicit Terror(Screens& screens, QWidget* parent = nullptr);

    // Memo1: appends one line (Windows-1252 bytes).
    void addLine(const std::string& line);
    void clearLines();
    QStringList lines() const { return lines_; }

    void OKClick();

  public slots:
    void reject() override { OKClick(); }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    Screens& screens_;
    QPlainTextEdit* memo_ = nullptr;
    QStringList lines_;  // as received, empty lines too
};

}  // namespace mivo
