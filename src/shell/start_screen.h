#pragma once
// StartScreen: the start screen and main window. Starts the step editor and goes on line; showing
// it again takes the link off line; closing it asks the four save questions and ends the program.
#include <QMainWindow>

class QPushButton;

namespace mivo {

class ModifiedFlags;
class Navigator;
class Prompter;
class ControllerLink;

class StartScreen : public QMainWindow {
    Q_OBJECT
  public:
    StartScreen(const Navigator& navigator, ControllerLink& link, ModifiedFlags& flags,
                Prompter& prompter, QWidget* parent = nullptr);

    // The service layout: parameter grid of 527 rows, direct REL and MOMCH shown.
    bool serviceLayout() const { return serviceLayout_; }

    // "Start MIVO Editor".
    void onStartClicked();

  signals:
    void serviceLayoutChanged(bool on);
    // The start screen was closed after the save questions; the program ends. Not emitted when
    // a question was cancelled or a save wrote nothing: the program stays open.
    void programEnded();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void StartKeyDown(Qt::KeyboardModifiers modifiers);

    const Navigator& navigator_;
    ControllerLink& link_;
    ModifiedFlags& flags_;
    Prompter& prompter_;
    QPushButton* start_ = nullptr;
    bool serviceLayout_ = false;
    bool centred_ = false;
};

}  // namespace mivo
