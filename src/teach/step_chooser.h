#pragma once
// StepChooser: the step chooser for offset teaching. The user enters a step of the controller's
// current program, may read it, and "Teaching dialog box" moves the robot there and shows the
// teaching screen with the positions read. It uses the main channel.
#include <QWidget>
#include <string>
#include <vector>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace mivo {

class TeachScreen;

class StepChooser : public QWidget {
    Q_OBJECT
  public:
    explicit StepChooser(TeachScreen& teach, QWidget* parent = nullptr);

    // Shows the chooser over the offset opener's window.
    void openChooser(QWidget* opener);

    // Handlers.
    void readStepClicked();
    void teachingDialogBoxClicked();
    void cancelClicked();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void showRecord(const std::vector<std::string>& record);
    void setButtonsEnabled(bool on);

    TeachScreen& teach_;
    QLineEdit* step_ = nullptr;
    QPlainTextEdit* record_ = nullptr;
    QPushButton* read_ = nullptr;
    QPushButton* teaching_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace mivo
