#pragma once
// TeachScreen: the teaching screen. The user jogs the robot to a position and "OK" writes it into
// the data of the screen that opened it (its TeachTarget); "Cancel" writes nothing. Its
// commands run on the direct channel with the direct screen's jogging in the teaching style;
// the openers' moves before it shows run on the main channel. The screen is the procedures'
// DirectView; its command log is hidden.
#include <QWidget>
#include <array>
#include <map>
#include <memory>
#include <string>

#include "direct/direct_view.h"
#include "direct/direct_widgets_fwd.h"
#include "procedures/outcome.h"
#include "shell/focus_keeper.h"
#include "shell/teach_target.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace mivo {

struct ProcedureContext;
class Prompter;
class TeachTransfer;
class StepChooser;

class TeachScreen : public QWidget, public DirectView, public TeachScreenAccess {
    Q_OBJECT
  public:
    TeachScreen(ControllerLink& link, Prompter& prompter, TransferDialogs& transfer,
                QWidget* parent = nullptr);
    ~TeachScreen() override;

    // The step chooser the offset opener shows (made after this screen).
    void setChooser(StepChooser* chooser) { chooser_ = chooser; }

    // TeachScreenAccess.
    void teachFor(DataKind opener, TeachTarget& target, const std::string& number,
                  QWidget* openerWindow) override;

    // For the step chooser: the positions its move read (axis 1 to 4 as X, Y, Z, R), the four
    // fields emptied, the screen shown with its controls usable, and the opening given up.
    void showTaught(const std::map<int, std::string>& byAxis);
    void clearPositions();
    void showForTeaching();
    void giveUp();
    // A context on the main channel for a procedure run from `owner` (the openers' moves and
    // the chooser), with the transfer dialogs over it.
    ProcedureContext& mainContext(QWidget* owner);

    DirectSession& session() { return *session_; }
    // The hidden command log, as text.
    QString logText() const;
    // The field's text: X, Y, Z, R, X2, Y2, X3, Y3.
    QString positionText(TeachField f) const;

    // DirectView.
    void append(const std::string& line) override;
    void enable(EnableSet set, bool on) override;
    std::string field(DirectField f) const override;
    void setField(DirectField f, const std::string& text) override;
    void showLine(bool online) override;
    void showMonitoring(bool) override {}
    bool screenVisible() const override;
    int jogMode() const override;
    bool ioState(IoBank, int) const override { return false; }
    void showIo(IoBank, int, bool) override {}
    bool offerToSaveSteps() override { return false; }
    void resetStepEditor() override {}
    void showStopState(StopState state) override;

    // Handlers.
    void okClicked();
    void cancelClicked();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void build();
    QWidget* buildTeach();
    QWidget* buildPositions();
    QWidget* buildButtons();
    // Heading, fields and which show, from the opener's preset.
    void preset(const TeachPositions& positions);
    // The default layout: every jog button, field and label shown, the point group hidden.
    void restoreLayout();
    // Hides the screen and ends the opening: the direct line goes off, the opener is usable.
    void closeScreen();
    // Runs one of the screen's commands; the transfer dialogs go once the outermost has ended.
    // A command on a fiber of its own; runHere on the fiber that calls it.
    void run(const std::function<Outcome()>& command);
    void runHere(const std::function<Outcome()>& command);
    // The point chosen in "Circle,Pallet position" while it shows; 1 otherwise.
    int point() const;
    TeachTexts taught() const;
    void setControlsEnabled(bool on);

    ControllerLink& link_;
    TransferDialogs& transferDialogs_;
    std::unique_ptr<TeachTransfer> transfer_;
    std::unique_ptr<DirectSession> session_;
    std::unique_ptr<ProcedureContext> mainContext_;
    std::vector<std::string> mainLog_;
    StepChooser* chooser_ = nullptr;

    QLabel* heading_ = nullptr;
    JogControls* jogs_ = nullptr;
    std::array<QLineEdit*, kTeachFieldCount> fields_{};
    FocusKeeper focus_;  // resting on the X position while the controls are disabled
    std::array<QLabel*, kTeachFieldCount> labels_{};
    QPushButton* org_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QGroupBox* pointGroup_ = nullptr;
    QPushButton* goMove_ = nullptr;
    std::array<QRadioButton*, 3> points_{};
    DirectPanel* stop_ = nullptr;
    DirectPanel* mstop_ = nullptr;
    DirectPanel* lineUsable_ = nullptr;  // hidden: enabled while the line is usable
    StopStateMark* stopMark_ = nullptr;
    QPlainTextEdit* log_ = nullptr;  // hidden

    TeachTarget* target_ = nullptr;  // where "OK" writes; none while closed
    DataKind opener_ = DataKind::Step;
    std::string number_;
    QWidget* openerWindow_ = nullptr;
    int running_ = 0;       // commands under way, the innermost last
    bool closing_ = false;  // the screen takes the direct line off itself
};

}  // namespace mivo
