// The step editor's cycle estimate: the total in the status bar after every change, each step's
// time in the grid, the steps in a dock, and the calibration for the parameters' robot.
#include <QDockWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "common/convert.h"
#include "common/prompter.h"
#include "common/said_text.h"
#include "common/step_times.h"
#include "files/file_io.h"
#include "i18n/translated_texts.h"
#include "parameters/parameter_table.h"
#include "parameters/parameter_target.h"
#include "shell/file_chooser.h"
#include "steps/grid_step_model.h"
#include "steps/step_editor.h"

namespace mivo {

namespace {

const char* const kCalibrateCaption = QT_TRANSLATE_NOOP("Message", "Calibrate");
constexpr int kNoRobot = -1;

}  // namespace

void StepEditor::buildEstimate() {
    estimateTotal_ = new QLabel(this);
    estimateTotal_->setObjectName("EstimateTotal");
    estimateTotal_->setToolTip(
        tr("The program's cycle from step 0 to its END by the motion law, before it runs"));
    statusBar()->addPermanentWidget(estimateTotal_, 1);
    estimateTimer_ = new QTimer(this);
    estimateTimer_->setSingleShot(true);
    // Once the edit shows: its repaint waits for no estimate, and edits in a row make one.
    estimateTimer_->setInterval(5);
    connect(estimateTimer_, &QTimer::timeout, this, [this] { refreshEstimate(); });
    connect(model_, &QAbstractItemModel::modelReset, estimateTimer_, qOverload<>(&QTimer::start));
    connect(model_, &QAbstractItemModel::dataChanged, estimateTimer_, qOverload<>(&QTimer::start));
    // Shown again (the parameters may have changed meanwhile): estimated afresh.
    installEventFilter(this);
    estimateTimer_->start();
}

std::string StepEditor::estimateParameter(int number) const {
    static const ParameterTable initial;
    return parameters_ ? parameters_->parameterValue(number) : initial.value(number);
}

int StepEditor::estimateRobot() const {
    int robot = kNoRobot;
    return TryStrToInt(estimateParameter(0), robot) ? robot : kNoRobot;
}

EstimateSetting StepEditor::estimateSetting(bool calibrated) const {
    EstimateSetting setting = SettingFromParameters([this](int n) { return estimateParameter(n); });
    const auto found = calibrations_.find(estimateRobot());
    if (calibrated && found != calibrations_.end())
        setting.limits = Calibrated(setting.limits, found->second);
    return setting;
}

void StepEditor::refreshEstimate() {
    const int robot = estimateRobot();
    const CycleEstimate estimate = EstimateCycle(table_, estimateSetting(true));
    const std::vector<std::string> lines = estimate.problem.empty()
                                               ? EstimateLines(estimate)
                                               : std::vector<std::string>{estimate.problem};

    GridStepModel::StepTimes times;
    times.seconds.assign(kStepCount, 0);
    times.visits.assign(kStepCount, 0);
    times.far.assign(kStepCount, false);
    const std::vector<bool> far = FarAboveNeighbours(estimate);
    for (std::size_t i = 0; i < estimate.steps.size(); ++i) {
        const auto s = static_cast<std::size_t>(estimate.steps[i].step);
        times.seconds[s] += estimate.steps[i].seconds;
        ++times.visits[s];
        if (far[i]) times.far[s] = true;
    }
    if (model_->showEstimate(std::move(times))) grid_->viewport()->update();

    const QString source =
        parameters_ ? tr("the parameter editor's values") : tr("robot 22's values");
    const QString fitted =
        calibrations_.count(robot) ? tr(", calibrated for robot %1").arg(robot) : QString();
    // The total as `mivo estimate` prints it; its problem in the user's language.
    const QString total = estimate.problem.empty()
                              ? QString::fromStdString(lines.back())
                              : tr("Estimated cycle: - (%1)").arg(MessageText(estimate.problem));
    estimateTotal_->setText(total + tr("   Limits: %1%2").arg(source, fitted));

    // The steps listed while their dock shows.
    if (estimateDock_ && estimateDock_->isVisible()) {
        estimateList_->clear();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const bool step = estimate.problem.empty() && i < estimate.steps.size();
            const bool slow = step && far[i];
            // A step's line as `mivo estimate` prints it; a problem in the user's language.
            const QString line =
                estimate.problem.empty() ? QString::fromStdString(lines[i]) : MessageText(lines[i]);
            auto* item = new QListWidgetItem(
                line + (slow ? tr("   (far above the steps around it)") : QString()),
                estimateList_);
            item->setData(Qt::UserRole, step ? estimate.steps[i].step : -1);
            if (slow) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
        }
    }
    emit estimated();
}

void StepEditor::showEstimate() {
    if (!estimateDock_) {
        estimateDock_ = new QDockWidget(tr("Cycle estimate"), this);
        estimateDock_->setObjectName("EstimateDock");
        auto* body = new QWidget(estimateDock_);
        auto* layout = new QVBoxLayout(body);
        layout->setContentsMargins(2, 2, 2, 2);
        estimateList_ = new QListWidget(body);
        estimateList_->setObjectName("EstimateSteps");
        layout->addWidget(estimateList_, 1);
        auto* row = new QHBoxLayout;
        auto* calibrate = new QPushButton(tr("Calibrate from step times..."), body);
        calibrate->setObjectName("EstimateCalibrate");
        calibrate->setToolTip(
            tr("Fits the estimate to this robot from the step times saved after "
               "a run of this program (the direct screen's \"Save step times...\")"));
        auto* forget = new QPushButton(tr("Forget calibration"), body);
        forget->setObjectName("EstimateForget");
        forget->setToolTip(tr("Estimates with the parameters' own accelerations again"));
        row->addWidget(calibrate);
        row->addWidget(forget);
        row->addStretch(1);
        layout->addLayout(row);
        estimateDock_->setWidget(body);
        addDockWidget(Qt::BottomDockWidgetArea, estimateDock_);
        connect(calibrate, &QPushButton::clicked, this, [this] { calibrateFromStepTimes(); });
        connect(forget, &QPushButton::clicked, this, [this] { forgetCalibration(); });
        const auto stepOf = [](QListWidgetItem* item) {
            return item ? item->data(Qt::UserRole).toInt() : -1;
        };
        connect(estimateList_, &QListWidget::itemClicked, this,
                [this, stepOf](QListWidgetItem* item) { showStep(stepOf(item)); });
        connect(estimateList_, &QListWidget::itemActivated, this,
                [this, stepOf](QListWidgetItem* item) {
                    if (stepOf(item) >= 0) selectStep(stepOf(item));
                });
    }
    estimateDock_->show();
    refreshEstimate();
}

void StepEditor::calibrateFromStepTimes() {
    QString name = lastFolder();
    int filter = 1;
    if (!fileChooser().chooseOpen(this, {tr("Step times (*.csv)"), tr("All files (*)")}, name,
                                  filter))
        return;
    const std::string path = name.toStdString();
    std::string text, reason;
    if (!ReadWholeFile(path, text, reason)) {
        prompter().notify(Labelled(path, reason), kCalibrateCaption);
        return;
    }
    const StepTimesRead times = ReadStepTimes(text);
    if (!times.problem.empty()) {
        prompter().notify(Labelled(path, times.problem), kCalibrateCaption);
        return;
    }
    const int robot = estimateRobot();
    const CalibrationFit fit = Calibrate(table_, estimateSetting(false), times.steps);
    if (!fit.problem.empty()) {
        prompter().notify(fit.problem, kCalibrateCaption);
        return;
    }
    calibrations_[robot] = fit.calibration;
    refreshEstimate();
    // The calibration as `mivo estimate` prints it, then where it is kept.
    prompter().notify(Filled(QT_TRANSLATE_NOOP("Message", "%1\nRemembered for robot %2."),
                             {CalibrationText(fit.calibration), std::to_string(robot)}),
                      kCalibrateCaption);
}

void StepEditor::forgetCalibration() {
    calibrations_.erase(estimateRobot());
    refreshEstimate();
}

QString StepEditor::estimateText() const { return estimateTotal_->text(); }

QStringList StepEditor::estimateLines() const {
    QStringList lines;
    for (int i = 0; estimateList_ && i < estimateList_->count(); ++i)
        lines << estimateList_->item(i)->text();
    return lines;
}

std::map<int, std::string> StepEditor::calibrations() const {
    std::map<int, std::string> out;
    for (const auto& [robot, c] : calibrations_) out[robot] = CalibrationValues(c);
    return out;
}

void StepEditor::setCalibrations(const std::map<int, std::string>& values) {
    calibrations_.clear();
    for (const auto& [robot, text] : values)
        if (const auto c = CalibrationFromValues(text)) calibrations_[robot] = *c;
    estimateTimer_->start();
}

}  // namespace mivo
