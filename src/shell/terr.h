#pragma once
// Terr: the error dialog, showing an error line returned by the controller.
#include <QDialog>
#include <string>

class QLabel;

namespace mivo {

struct Screens;

class Terr : public QDialog {
    Q_OBJECT
  public:
    explicit Terr(Screens& screens, QWidget* parent = nullptr);

    // Puts the line (Windows-1252 bytes) into ERRhyouji and shows the dialog.
    void showError(const std::string& line);
    QString errorText() const;

    void OKClick();

  public slots:
    void reject() override {}

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    Screens& screens_;
    QLabel* text_ = nullptr;  // ERRhyouji
};

}  // namespace mivo
