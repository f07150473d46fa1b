#pragma once
// Tcall: the progress dialog of the step and parameter transfers, with "Stop transfer".
#include <QDialog>

class QProgressBar;

namespace mivo {

struct Screens;

class Tcall : public QDialog {
    Q_OBJECT
  public:
    explicit Tcall(Screens& screens, QWidget* parent = nullptr);

    // The progress bar `Bar`: range 0..maximum at position 0, then its position.
    void resetProgress(int maximum);
    void setProgress(int position);

    void StopClick();

  public slots:
    void reject() override {}

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    Screens& screens_;
    QProgressBar* bar_ = nullptr;
};

}  // namespace mivo
