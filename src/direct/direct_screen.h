#pragma once
// DirectScreen: the direct-operation screen. Drives the robot by hand over the direct channel:
// every command and reply scrolls in the received-information display; the command buttons run the
// direct procedures; the STOP, MSTOP and cancel panels work while a command waits. The screen
// is the procedures' DirectView; the procedures do the rest.
#include <QMainWindow>
#include <QStringList>
#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "direct/direct_view.h"
#include "direct/direct_widgets_fwd.h"
#include "procedures/outcome.h"
#include "shell/focus_keeper.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace mivo {

class InitDialogAccess;
class Navigator;
class ParameterEditorAccess;
class Prompter;
class StepEditorAccess;
class LineSwitch;
class CycleTimePanel;
class FileChooser;

class DirectScreen : public QMainWindow, public DirectView {
    Q_OBJECT
  public:
    // Past this many lines the display drops its oldest ones.
    static constexpr int kDisplayLines = 20000;

    // The step editor's program (INIT PGM's save offer and reset) and the parameter editor's
    // table (INIT PRM's read-back) are reached through their owners.
    DirectScreen(ControllerLink& link, Prompter& prompter, TransferDialogs& transfer,
                 const Navigator& navigator, StepEditorAccess& steps,
                 ParameterEditorAccess& parameters, QWidget* parent = nullptr);
    // INIT PRM's robot-number dialog, made after the screen.
    void setInitDialog(InitDialogAccess* init) { init_ = init; }
    // The service layout shows REL and MOMCH.
    void setServiceLayout(bool on);
    // The save dialog "Save step times..." asks through (tests answer it); the real one unless
    // set.
    void setFileChooser(FileChooser* chooser) { chooser_ = chooser; }
    ~DirectScreen() override;

    // The screen's state and the direct channel, as its commands run on them.
    DirectSession& session() { return *session_; }
    // The received-information display as text.
    QString displayText();

    // DirectView.
    void append(const std::string& line) override;
    void enable(EnableSet set, bool on) override;
    std::string field(DirectField f) const override;
    void setField(DirectField f, const std::string& text) override;
    void showLine(bool online) override;
    void showMonitoring(bool on) override;
    bool screenVisible() const override;
    bool offerToSaveSteps() override;
    void resetStepEditor() override;
    void showStopState(StopState state) override;
    int jogMode() const override;
    bool ioState(IoBank bank, int n) const override;
    void showIo(IoBank bank, int n, bool on) override;
    void showIoNotCurrent(IoBank bank, int n) override;
    void showIoUnknown() override;
    void showFieldNotCurrent(DirectField f) override;

    // The jog button named `name` ("X1" ... "R2").
    JogButton* jogButton(const QString& name) const;

    // Handlers, one per user command.
    void onClearClicked();    // "Received contents delete"
    void onEndClicked();      // "End", closing the window: off line, to the start screen
    void onInitialClicked();  // "Initial screen move": to the start screen
    // The Display menu: leaves for `screen`, carrying the line's state.
    void leaveFor(QWidget* screen);
    void onInitParametersClicked();

  signals:
    // Display > "Path preview": the step editor's trace of the running program.
    void pathPreviewRequested();
    // After each whole scan of the monitor, the X and Y positions and the step number it read,
    // each a value that fit its item.
    void monitorScanned(const std::string& x, const std::string& y, const std::string& step);

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // Layout (tdirect_layout.cpp).
    void buildMenus();
    void buildToolBar();
    void buildCentre();
    QWidget* buildCommands();
    QWidget* buildTeach();
    QWidget* buildPosition();
    QWidget* buildPanels();
    // The cycle times of the programs run from the screen.
    QWidget* buildCycleTime();
    // "Save step times...": the last cycle's step times to a CSV file the user names.
    void saveStepTimes();
    QPushButton* commandButton(const char* name, const char* caption, const char* hint,
                               Outcome (*command)(DirectSession&));
    QLineEdit* fieldEdit(DirectField f, const char* name, int maxLength, const char* text);

    // The start state: off line, nothing usable.
    void applyStartState();
    void flushDisplay();
    // InitDialog's Yes in parameter mode: the initialisation on the direct channel.
    void initializeParameters();
    void toStartScreen();

    ControllerLink& link_;
    Prompter& prompter_;
    TransferDialogs& transfer_;
    const Navigator& navigator_;
    InitDialogAccess* init_ = nullptr;
    FileChooser* chooser_ = nullptr;
    StepEditorAccess& steps_;
    ParameterEditorAccess& parameters_;
    std::unique_ptr<DirectSession> session_;
    QPlainTextEdit* display_ = nullptr;
    QStringList pending_;  // appended, not yet in the display
    LineSwitch* lineSwitch_ = nullptr;
    QGroupBox* positionGroup_ = nullptr;
    QPushButton* monitorButton_ = nullptr;
    StopStateMark* stopMark_ = nullptr;
    QCheckBox* monitoring_ = nullptr;  // CheckBox2, hidden: whether the monitor runs
    std::map<DirectField, QLineEdit*> fields_;
    std::map<EnableSet, std::vector<QWidget*>> sets_;
    FocusKeeper focus_;  // resting on the display while the sets are disabled
    std::map<std::string, QWidget*> controls_;  // by name, for the sets
    std::array<DirectPanel*, 16> outputs_{};
    std::array<DirectPanel*, 16> inputs_{};
    JogControls* jogs_ = nullptr;
    CycleTimePanel* cycleTime_ = nullptr;
    bool initPrmOpen_ = false;  // the robot-number dialog is open for INIT PRM
    bool centred_ = false;
};

}  // namespace mivo
