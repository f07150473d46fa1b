#include "direct/cycle_time_panel.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "direct/cycle_timing.h"

namespace mivo {

namespace {

QString Seconds(std::int64_t milliseconds) {
    return QString::fromStdString(SecondsText(milliseconds));
}

}  // namespace

CycleTimePanel::CycleTimePanel(QWidget* parent) : QGroupBox(tr("Cycle time"), parent) {
    setObjectName("CycleTime");
    last_ = new QLabel;
    last_->setObjectName("CycleLast");
    QFont bold = last_->font();
    bold.setBold(true);
    last_->setFont(bold);
    statistics_ = new QLabel;
    statistics_->setObjectName("CycleStatistics");
    reset_ = new QPushButton(tr("Reset"));
    reset_->setObjectName("CycleReset");
    reset_->setAutoDefault(false);
    reset_->setToolTip(tr("Clears the cycle times measured so far"));
    connect(reset_, &QPushButton::clicked, this, &CycleTimePanel::resetClicked);
    saveSteps_ = new QPushButton(tr("Save step times..."));
    saveSteps_->setObjectName("CycleSaveSteps");
    saveSteps_->setAutoDefault(false);
    saveSteps_->setToolTip(tr(
        "Saves the last cycle's step times, in the order they ran, as a CSV file (step,seconds)"));
    connect(saveSteps_, &QPushButton::clicked, this, &CycleTimePanel::saveStepsClicked);
    auto* history = new QPushButton(tr("Run history..."));
    history->setObjectName("CycleHistory");
    history->setAutoDefault(false);
    history->setToolTip(
        tr("Shows every run kept: their cycle times charted, their steps, CSV export"));
    connect(history, &QPushButton::clicked, this, &CycleTimePanel::historyClicked);

    steps_ = new QTableWidget(0, 3);
    steps_->setObjectName("SlowSteps");
    steps_->setHorizontalHeaderLabels({tr("Step"), tr("Time"), tr("Share")});
    steps_->verticalHeader()->hide();
    steps_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    steps_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    steps_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    steps_->setSelectionMode(QAbstractItemView::NoSelection);
    steps_->setFocusPolicy(Qt::NoFocus);
    steps_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int row = steps_->verticalHeader()->defaultSectionSize();
    steps_->setFixedHeight(steps_->horizontalHeader()->sizeHint().height() + kSteps * row +
                           2 * steps_->frameWidth());
    // The monitor reads the step number once a scan: no step is timed finer.
    auto* note =
        new QLabel(tr("Slowest steps of the last cycle, with the monitor on during the run. "
                      "Resolution: one monitor scan."));
    note->setObjectName("StepResolution");
    note->setWordWrap(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(last_, 0, 0);
    grid->addWidget(reset_, 0, 1, Qt::AlignRight);
    grid->addWidget(statistics_, 1, 0, 1, 2);
    grid->addWidget(steps_, 2, 0);
    auto* side = new QVBoxLayout;
    side->addWidget(note);
    side->addWidget(saveSteps_, 0, Qt::AlignRight);
    side->addWidget(history, 0, Qt::AlignRight);
    side->addStretch();
    grid->addLayout(side, 2, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    showTiming(CycleTiming([] { return std::int64_t{0}; }));
}

void CycleTimePanel::showTiming(const CycleTiming& timing) {
    const CycleStatistics& s = timing.statistics();
    // As CycleTimeText says it, in the user's language.
    last_->setText(tr("Cycle time: %1").arg(s.count == 0 ? QString("-") : Seconds(s.last)));
    statistics_->setText(s.count == 0
                             ? tr("Runs: 0")
                             : tr("Runs: %1   shortest %2   mean %3   longest %4")
                                   .arg(s.count)
                                   .arg(Seconds(s.shortest), Seconds(s.mean), Seconds(s.longest)));
    saveSteps_->setEnabled(!timing.lastStepTimes().empty());
    const std::vector<StepTime> steps = timing.slowestSteps(kSteps);
    steps_->setRowCount(static_cast<int>(steps.size()));
    for (int r = 0; r < steps_->rowCount(); ++r) {
        const StepTime& t = steps[static_cast<std::size_t>(r)];
        const QString cells[] = {QString::fromStdString(t.step), Seconds(t.milliseconds),
                                 QString("%1 %").arg(std::lround(t.share * 100))};
        for (int c = 0; c < 3; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            steps_->setItem(r, c, item);
        }
    }
}

}  // namespace mivo
