// The step editor's path preview: a dock beside the grid, drawn anew as the table changes, the
// grid's current step highlighted and a click on a point selecting its step; and the run traced
// from the direct screen's monitor, in a window of its own (RunTraceWindow).
#include <QDockWidget>
#include <QItemSelectionModel>
#include <QResizeEvent>
#include <QTableView>
#include <algorithm>

#include "steps/grid_step_model.h"
#include "steps/path_preview.h"
#include "steps/path_trace.h"
#include "steps/program_check.h"
#include "steps/run_trace_window.h"
#include "steps/step_editor.h"

namespace mivo {

void StepEditor::showStep(int step) {
    if (step < 0 || step >= kStepCount) return;
    const QModelIndex cell = grid_->model()->index(step, 1);
    grid_->setCurrentIndex(cell);
    grid_->selectRow(step);
    grid_->scrollTo(cell);
}

void StepEditor::selectStep(int step) {
    showStep(step);
    grid_->setFocus();
}

void StepEditor::showPathPreview() {
    if (!pathDock_) {
        pathDock_ = new QDockWidget(tr("Path preview"), this);
        pathDock_->setObjectName("PathDock");
        preview_ = new PathPreview(pathDock_);
        pathDock_->setWidget(preview_);
        addDockWidget(Qt::RightDockWidgetArea, pathDock_);
        connect(preview_, &PathPreview::stepClicked, this, [this](int step) { selectStep(step); });
        connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this](const QModelIndex& current) { preview_->setSelectedStep(current.row()); });
        connect(pathDock_, &QDockWidget::visibilityChanged, this, [this](bool shown) {
            if (shown)
                refreshPreview();
            else if (pathDock_->width() > 0)
                pathDockWidth_ = pathDock_->width();
        });
    }
    if (!pathDock_->isVisible()) {
        pathDock_->show();
        const int width = pathDockWidth_ > 0
                              ? pathDockWidth_
                              : std::max(pathDock_->sizeHint().width(), this->width() / 3);
        if (!pathDock_->isFloating()) resizeDocks({pathDock_}, {width}, Qt::Horizontal);
    }
    pathDock_->raise();
    refreshPreview();
    preview_->setSelectedStep(grid_->currentIndex().row());
}

int StepEditor::pathDockWidth() const {
    return pathDock_ && pathDock_->isVisible() ? pathDock_->width() : pathDockWidth_;
}

void StepEditor::resizeEvent(QResizeEvent* event) {
    EditorFrame::resizeEvent(event);
    const int before = event->oldSize().width();
    if (!pathDock_ || !pathDock_->isVisible() || pathDock_->isFloating() || before <= 0) return;
    resizeDocks({pathDock_}, {pathDock_->width() * event->size().width() / before}, Qt::Horizontal);
}

void StepEditor::refreshPreview() {
    std::vector<PathPreview*> shown;
    if (preview_ && pathDock_->isVisible()) shown.push_back(preview_);
    if (trace_->isVisible()) shown.push_back(trace_->preview());
    if (shown.empty()) return;
    const AxisStrokes frame = strokes();
    const PathPicture picture = BuildPath(table_, pallet_ ? pallet_() : std::nullopt);
    for (PathPreview* preview : shown) {
        preview->setStrokes(frame);
        preview->setPicture(picture);
    }
}

void StepEditor::showRunTrace() {
    trace_->show();
    trace_->raise();
    trace_->activateWindow();
    refreshPreview();
}

void StepEditor::traceScan(const std::string& x, const std::string& y, const std::string& step) {
    trace_->showScan(TraceOfScan(x, y, step));
}

}  // namespace mivo
