#include "steps/run_trace_window.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "shell/grid_columns.h"
#include "shell/window_style.h"
#include "steps/grid_step_model.h"
#include "steps/path_preview.h"
#include "steps/path_trace.h"

namespace mivo {

RunTraceWindow::RunTraceWindow(QAbstractItemModel* steps) : QWidget(nullptr, Qt::Window) {
    setObjectName("RunTrace");
    setWindowTitle(tr("Path preview"));
    preview_ = new PathPreview;
    steps_ = new QTableView;
    steps_->setObjectName("RunSteps");
    steps_->setModel(steps);
    steps_->verticalHeader()->hide();
    steps_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    steps_->verticalHeader()->setDefaultSectionSize(18);
    steps_->horizontalHeader()->setStretchLastSection(true);
    steps_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    steps_->setSelectionBehavior(QAbstractItemView::SelectRows);
    steps_->setSelectionMode(QAbstractItemView::SingleSelection);
    steps_->setWordWrap(false);
    FitColumnsToText(steps_,
                     {GridStepModel::kWrittenWidths.begin(), GridStepModel::kWrittenWidths.end()});
    follow_ = new QCheckBox(tr("&Follow run"));
    follow_->setObjectName("FollowRun");
    follow_->setToolTip(tr("The running step's row current at each scan of the monitor"));
    follow_->setChecked(true);
    // A click on the drawing shows its step in the list.
    connect(preview_, &PathPreview::stepClicked, this, &RunTraceWindow::showStep);

    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(preview_);
    split->addWidget(steps_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(split, 1);
    layout->addWidget(follow_);
    resize(480, 640);
}

bool RunTraceWindow::following() const { return follow_->isChecked(); }

void RunTraceWindow::showScan(const RunTrace& trace) {
    preview_->setRobot(trace.robot);
    preview_->setSelectedStep(trace.step);
    if (following() && trace.step >= 0) showStep(trace.step);
}

void RunTraceWindow::showStep(int step) {
    const QModelIndex row = steps_->model()->index(step, 1);
    steps_->setCurrentIndex(row);
    steps_->scrollTo(row);
}

void RunTraceWindow::showEvent(QShowEvent* event) {
    if (!centred_) {
        CentreOnScreen(this);
        centred_ = true;
    }
    QWidget::showEvent(event);
}

}  // namespace mivo
