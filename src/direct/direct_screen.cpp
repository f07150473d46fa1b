#include "direct/direct_screen.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "codepage/cp1252.h"
#include "common/convert.h"
#include "common/fiber.h"
#include "common/step_times.h"
#include "direct/direct_panel.h"
#include "direct/jog_button.h"
#include "direct/maintenance_commands.h"
#include "direct/monitor.h"
#include "direct/shared_procedures.h"
#include "link/controller_link.h"
#include "parameters/parameter_initialize.h"
#include "parameters/parameter_target.h"
#include "shell/editor_access.h"
#include "shell/navigator.h"
#include "shell/text_export.h"
#include "shell/transfer_dialogs.h"
#include "shell/window_style.h"

namespace mivo {

DirectScreen::DirectScreen(ControllerLink& link, Prompter& prompter, TransferDialogs& transfer,
                           const Navigator& navigator, StepEditorAccess& steps,
                           ParameterEditorAccess& parameters, QWidget* parent)
    : QMainWindow(parent),
      link_(link),
      prompter_(prompter),
      transfer_(transfer),
      navigator_(navigator),
      steps_(steps),
      parameters_(parameters) {
    setObjectName("Tdirect");
    setWindowTitle(tr("MIVO Editor [direct]"));
    session_ = std::make_unique<DirectSession>(link_.directChannel(), prompter_, transfer_, *this);
    // A run's record names the program's steps as this editor last sent or received them, and
    // the robot the parameter editor names.
    session_->runs.describe = [this](RunRecord& r) {
        r.host = "mivo-editor";
        if (r.program >= 0) r.programHash = steps_.controllerProgramHash(r.program);
        r.versions = link_.knownVersions();
        int robot = -1;
        if (TryStrToInt(parameters_.parameterValue(0), robot) && robot >= 0) r.robot = robot;
    };
    buildToolBar();
    buildMenus();
    buildCentre();
    applyStartState();

    // The path preview's trace: every whole scan's positions and step, fields set just now.
    session_->monitorScanned = [this] {
        emit monitorScanned(field(DirectField::XPosition), field(DirectField::YPosition),
                            field(DirectField::Step));
    };
    // A jog moving until its release is stopped before the line goes.
    connect(&link_, &ControllerLink::directClosing, this, [this] { jogs_->endHolds(); });
    connect(&link_, &ControllerLink::directOnlineChanged, this, [this](bool online) {
        if (online)
            LineWentOnline(*session_);
        else
            LineWentOffline(*session_);
    });
    // The port failed under the line (the adapter unplugged): nothing confirms that the robot
    // stopped, as for a stop left unanswered, until the controller answers again.
    connect(&link_, &ControllerLink::directLost, this, [this] {
        session_->state.stopUnconfirmed = true;
        showStopState(StopState::Unconfirmed);
    });
}

void DirectScreen::setServiceLayout(bool on) {
    controls_["REL"]->setVisible(on);
    controls_["MOMCH"]->setVisible(on);
}

DirectScreen::~DirectScreen() = default;

QString DirectScreen::displayText() {
    flushDisplay();
    return display_->toPlainText();
}

// Lines reach the widget from the event loop, a moment later: laying out text must not stand
// between a click on STOP and "@STOP" on the line.
void DirectScreen::append(const std::string& line) {
    pending_.push_back(Cp1252::decode(line));
    if (pending_.size() == 1)
        QMetaObject::invokeMethod(this, &DirectScreen::flushDisplay, Qt::QueuedConnection);
}

void DirectScreen::flushDisplay() {
    for (const QString& line : pending_) display_->appendPlainText(line);
    pending_.clear();
}

JogButton* DirectScreen::jogButton(const QString& name) const {
    for (JogButton* b : jogs_->buttons())
        if (b->objectName() == name) return b;
    return nullptr;
}

// Off line: nothing that needs the line can be pressed (INIT PRM and PALGO included).
void DirectScreen::applyStartState() {
    for (EnableSet set : {EnableSet::CommandControls, EnableSet::MonitorControls,
                          EnableSet::StopPanels, EnableSet::CancelPanel, EnableSet::IoPanels})
        enable(set, false);
}

void DirectScreen::onClearClicked() {
    pending_.clear();
    display_->clear();
}

void DirectScreen::toStartScreen() {
    hide();
    navigator_.showStart();
}

void DirectScreen::onEndClicked() {
    EndMonitor(*session_);
    link_.goDirectOffline();
    toStartScreen();
}

void DirectScreen::onInitialClicked() {
    EndMonitor(*session_);
    toStartScreen();
}

void DirectScreen::leaveFor(QWidget* screen) {
    if (!screen) return;
    EndMonitor(*session_);
    ControllerLink* link = &link_;
    const bool online = link->isDirectOnline();
    hide();
    screen->show();
    screen->raise();
    if (!online) return;
    // The editors go on line on the port the direct channel leaves.
    session_->transfer().setCancelRequested(false);
    link->goOnline();
    link->goDirectOffline();
}

void DirectScreen::showEvent(QShowEvent* event) {
    if (!centred_) {
        CentreOnScreen(this);
        centred_ = true;
    }
    // The transfer dialogs of its commands show over it.
    transfer_.setOwner(this);
    // Opened from an editor on line: the line goes on in direct mode.
    ControllerLink* link = &link_;
    if (link->isOnline() && !link->isDirectOnline() && link->goDirectOnline()) link->goOffline();
    QMainWindow::showEvent(event);
}

void DirectScreen::closeEvent(QCloseEvent* event) {
    // Screens live for the whole run: closing goes off line and back to the start screen.
    event->ignore();
    onEndClicked();
}

void DirectScreen::onInitParametersClicked() {
    PrepareParameterInit(*session_);
    InitDialogAccess* dialog = init_;
    if (!dialog) return;
    setEnabled(false);
    initPrmOpen_ = true;
    dialog->openFor(this, kRobotQuestion, true, [this] { initializeParameters(); });
}

void DirectScreen::initializeParameters() {
    InitDialogAccess* dialog = init_;
    const int robot = dialog->robotNumber();
    dialog->dismiss();
    // The values read back go to the parameter editor's table, as from its own initialisation;
    // on a fiber, the dialog closed once they have.
    Fiber::start([this, dialog, robot] {
        RunOnDirectDisplay(*session_, [this, robot](ProcedureContext& ctx) {
            Outcome outcome = Outcome::Failed;
            parameters_.writeFromController(
                [&](const ParameterTarget& target) {
                    outcome = InitializeParameters(ctx, target, robot);
                },
                "Parameter initialize");
            return outcome;
        });
        dialog->closeToOpener();
    });
}

void DirectScreen::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // The robot-number dialog enables its opener when it closes.
    if (event->type() == QEvent::EnabledChange && isEnabled()) initPrmOpen_ = false;
}

void DirectScreen::saveStepTimes() {
    const std::vector<MeasuredStep>& steps = session_->cycleTiming.lastStepTimes();
    if (steps.empty()) return;
    SaveTextFile(this, chooser_, prompter_,
                 {"steps.csv",
                  {tr("Step times (*.csv)"), tr("All files (*)")},
                  ".csv",
                  QT_TRANSLATE_NOOP("Message", "Save step times"),
                  QT_TRANSLATE_NOOP("Message", "The step times")},
                 [&steps] { return StepTimesCsv(steps); });
}

}  // namespace mivo
